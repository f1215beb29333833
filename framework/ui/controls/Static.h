// CStatic: the framework object of a STATIC control, text or picture.
#pragma once

#include "framework/core/ControlConstants.h"
#include "framework/ui/window/Wnd.h"

class CStatic : public CWnd
{
	DECLARE_DYNAMIC(CStatic)

public:
	CStatic();

	BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);

	// The control shows the bitmap (SS_BITMAP) without owning it; returns the one shown before.
	HBITMAP SetBitmap(HBITMAP hBitmap);
	HBITMAP GetBitmap() const;
	HICON SetIcon(HICON hIcon);
	HICON GetIcon() const;
};
