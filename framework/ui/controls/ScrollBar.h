// CScrollBar: the framework object of a SCROLLBAR control.
#pragma once

#include "framework/core/ControlConstants.h"
#include "framework/ui/window/Wnd.h"

class CScrollBar : public CWnd
{
	DECLARE_DYNAMIC(CScrollBar)

public:
	CScrollBar();

	// SBS_HORZ or SBS_VERT in dwStyle.
	BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

	// The fields named in lpScrollInfo->fMask; the position is kept where a page still fits.
	BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
	BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
	// Returns the previous position.
	int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
	int GetScrollPos() const;
	void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
	void GetScrollRange(int* lpMinPos, int* lpMaxPos) const;
};
