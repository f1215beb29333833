// The scroll hint: a small framed label beside a scroll bar, placed around a point of its
// parent and kept inside the parent's client area.
#include "grid/window/ScrollHintWindow.h"

#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/window/PaintDC.h"
#include "grid/layout/GridLayout.h"

namespace
{
	// Where the text starts inside the frame.
	constexpr int TEXT_X = 2;
	constexpr int TEXT_Y = 1;
}

IMPLEMENT_DYNAMIC(ScrollHintWindow, CWnd)

BEGIN_MESSAGE_MAP(ScrollHintWindow, CWnd)
	ON_WM_CREATE()
	ON_WM_PAINT()
	ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

ScrollHintWindow::ScrollHintWindow()
	: m_crText(RGB(0, 0, 0))
	, m_crBack(RGB(255, 255, 224))
	, m_pFont(nullptr)
	, m_nStyle(0)
	, m_nXHeight(0)
{
}

BOOL ScrollHintWindow::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
	return CWnd::Create(nullptr, "", dwStyle, rect, pParent, nID);
}

int ScrollHintWindow::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
	if (CWnd::OnCreate(lpCreateStruct) == -1)
		return -1;
	m_nXHeight = MeasureText("X").cy;
	return 0;
}

CSize ScrollHintWindow::MeasureText(const CString& strText) const
{
	// A memory DC starts with the font a window's DC starts with, and the hint, created empty,
	// has no surface to measure on yet.
	CDC dc;
	dc.CreateCompatibleDC(nullptr);
	CFont* pOldFont = m_pFont != nullptr ? dc.SelectObject(m_pFont) : nullptr;
	const CSize size = dc.GetTextExtent(strText);
	if (pOldFont != nullptr)
		dc.SelectObject(pOldFont);
	return size;
}

void ScrollHintWindow::ShowHint(CPoint pt, const CString& strText, int nMinWidth, int nStyle)
{
	if (m_hWnd == nullptr)
		return;
	m_strText = strText;
	m_nStyle = nStyle;
	const int nTextWidth = MeasureText(m_strText).cx;
	CRect rcParent(0, 0, 0, 0);
	if (CWnd* pParent = GetParent())
		pParent->GetClientRect(&rcParent);
	const CRect rc = GridPlaceScrollHint(pt, nMinWidth, nTextWidth, m_nXHeight, m_nStyle, rcParent);
	// On top of the grid's other children, without taking the focus from the cell view.
	SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
	Invalidate(FALSE);
	UpdateWindow();
}

void ScrollHintWindow::HideHint()
{
	if (m_hWnd != nullptr && IsWindowVisible())
		ShowWindow(SW_HIDE);
}

void ScrollHintWindow::OnPaint()
{
	CPaintDC dc(this);
	CRect rc;
	GetClientRect(&rc);
	dc.FillSolidRect(&rc, m_crBack);
	if (m_pFont != nullptr)
		dc.SelectObject(m_pFont);
	dc.SetBkMode(TRANSPARENT);
	dc.SetTextColor(m_crText);
	dc.TextOut(TEXT_X, TEXT_Y, m_strText);
	CBrush frame(m_crText);
	dc.FrameRect(&rc, &frame);
}

BOOL ScrollHintWindow::OnEraseBkgnd(CDC*)
{
	// The paint covers every pixel.
	return TRUE;
}
