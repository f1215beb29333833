// ScrollHintWindow: the small tip beside a scroll bar that tells where the dragged thumb leads.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"
#include "framework/ui/window/Wnd.h"

class CFont;

class ScrollHintWindow : public CWnd
{
	DECLARE_DYNAMIC(ScrollHintWindow)

public:
	ScrollHintWindow();

	BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
	// Shows the text at the point (parent's client coordinates), placed by the GRID_HINT_ style.
	void ShowHint(CPoint pt, const CString& strText, int nMinWidth, int nStyle);
	void HideHint();

	CString m_strText;
	COLORREF m_crText;
	COLORREF m_crBack;
	CFont* m_pFont;
	int m_nStyle;
	int m_nXHeight;

protected:
	afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);

	DECLARE_MESSAGE_MAP()

private:
	CSize MeasureText(const CString& strText) const;
};
