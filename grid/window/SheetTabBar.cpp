// The sheet tab bar: its tabs and their widths, the strip's scrolling by its arrows, a click that
// makes a tab current and the drag of its right edge that widens the bar.
#include "grid/window/SheetTabBar.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/UserServices.h"
#include "grid/window/GridWindow.h"

#include <algorithm>

namespace
{
	constexpr UINT ARROWS_ID = 1;
	// A click this far past a tab's right end still hits the tab.
	constexpr int HIT_SLACK = 2;
	// The strip keeps a tab brought into view this far from its edges.
	constexpr int VIEW_MARGIN_LEFT = 5;
	constexpr int VIEW_MARGIN_RIGHT = 19;
	// Beyond the tabs, the strip scrolls this much further, so the last tab clears the arrows.
	constexpr int OVERSCROLL = 20;
}

IMPLEMENT_DYNAMIC(SheetTabBar, CWnd)

BEGIN_MESSAGE_MAP(SheetTabBar, CWnd)
	ON_WM_CREATE()
	ON_WM_PAINT()
	ON_WM_ERASEBKGND()
	ON_WM_SIZE()
	ON_WM_LBUTTONDOWN()
	ON_WM_MOUSEMOVE()
	ON_WM_LBUTTONUP()
	ON_WM_SETCURSOR()
	ON_WM_HSCROLL()
	ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

SheetTabBar::SheetTabBar()
	: m_nTabCount(0)
	, m_nCurrentTab(-1)
	, m_nFirstTab(0)
	, m_nScrollOffset(0)
	, m_nArrowWidth(2 * GetSystemMetrics(SM_CXHSCROLL))
	, m_bDraggingEdge(FALSE)
	, m_nDragStartX(0)
	, m_nDragStartWidth(0)
{
	m_font.CreateFont(14, 0, 0, 0, 500, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
}

BOOL SheetTabBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
	return CWnd::Create(nullptr, "", dwStyle, rect, pParent, nID);
}

int SheetTabBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
	if (CWnd::OnCreate(lpCreateStruct) == -1)
		return -1;
	if (!m_arrows.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 0, 0), this, ARROWS_ID))
		return -1;
	PlaceArrows();
	SetScrollOffset(m_nScrollOffset);
	return 0;
}

int SheetTabBar::AddTab(LPCSTR lpszLabel, int nSheet, COLORREF crText, COLORREF crBack)
{
	if (m_nTabCount >= GRID_MAX_TABS)
		return -1;
	GridSheetTab& tab = m_tabs[m_nTabCount];
	tab.m_strLabel = lpszLabel != nullptr ? lpszLabel : "";
	tab.m_crText = crText;
	tab.m_crBack = crBack;
	tab.m_nSheet = nSheet;
	// Measured on a memory DC, so tabs can be added before the bar has a window.
	CDC dc;
	dc.CreateCompatibleDC(nullptr);
	CFont* pOldFont = dc.SelectObject(&m_font);
	tab.m_nWidth = dc.GetTextExtent(tab.m_strLabel).cx + 2 * LABEL_INDENT;
	dc.SelectObject(pOldFont);
	if (m_nCurrentTab < 0)
		m_nCurrentTab = m_nTabCount;
	++m_nTabCount;
	if (m_hWnd != nullptr)
	{
		SetScrollOffset(m_nScrollOffset);
		Invalidate(FALSE);
	}
	return m_nTabCount - 1;
}

int SheetTabBar::GetTabCount() const
{
	return m_nTabCount;
}

void SheetTabBar::SetCurrentTab(int nTab)
{
	if (nTab < 0 || nTab >= m_nTabCount)
		return;
	m_nCurrentTab = nTab;
	ScrollTabIntoView(nTab);
	if (m_hWnd != nullptr)
		Invalidate(FALSE);
}

int SheetTabBar::GetCurrentTab() const
{
	return m_nCurrentTab;
}

BOOL SheetTabBar::IsDraggingEdge() const
{
	return m_bDraggingEdge;
}

int SheetTabBar::GetTabLeft(int nTab) const
{
	int nLeft = 0;
	for (int i = 0; i < nTab; ++i)
		nLeft += m_tabs[i].m_nWidth;
	return nLeft;
}

int SheetTabBar::GetTotalWidth() const
{
	return GetTabLeft(m_nTabCount);
}

int SheetTabBar::GetStripWidth() const
{
	if (m_hWnd == nullptr)
		return 0;
	CRect rc;
	GetClientRect(&rc);
	return std::max(0, rc.Width() - m_nArrowWidth - EDGE_GRIP);
}

int SheetTabBar::GetMaxOffset() const
{
	const int nExcess = GetTotalWidth() - GetStripWidth();
	return nExcess > 0 ? nExcess + OVERSCROLL : 0;
}

void SheetTabBar::SetScrollOffset(int nOffset)
{
	const int nMax = GetMaxOffset();
	m_nScrollOffset = std::clamp(nOffset, 0, nMax);
	m_nFirstTab = 0;
	while (m_nFirstTab < m_nTabCount && GetTabLeft(m_nFirstTab + 1) <= m_nScrollOffset)
		++m_nFirstTab;
	if (m_arrows.GetSafeHwnd() != nullptr)
	{
		SCROLLINFO info = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, nMax, 0, m_nScrollOffset, 0};
		m_arrows.SetScrollInfo(&info, TRUE);
		m_arrows.EnableWindow(nMax > 0);
	}
}

void SheetTabBar::ScrollTabIntoView(int nTab)
{
	const int nLeft = GetTabLeft(nTab);
	const int nRight = nLeft + m_tabs[nTab].m_nWidth;
	int nOffset = m_nScrollOffset;
	if (nLeft - VIEW_MARGIN_LEFT < nOffset)
		nOffset = nLeft - VIEW_MARGIN_LEFT;
	else if (nRight + VIEW_MARGIN_RIGHT > nOffset + GetStripWidth())
		nOffset = nRight + VIEW_MARGIN_RIGHT - GetStripWidth();
	SetScrollOffset(nOffset);
}

int SheetTabBar::TabFromPoint(CPoint point) const
{
	if (point.x < 0 || point.x >= GetStripWidth())
		return -1;
	const int x = point.x + m_nScrollOffset;
	int nLeft = 0;
	for (int i = 0; i < m_nTabCount; ++i)
	{
		const int nWidth = m_tabs[i].m_nWidth;
		if (x >= nLeft && x < nLeft + nWidth + HIT_SLACK)
			return i;
		nLeft += nWidth;
	}
	return -1;
}

BOOL SheetTabBar::IsOnEdge(CPoint point) const
{
	CRect rc;
	GetClientRect(&rc);
	return point.x >= rc.right - EDGE_GRIP;
}

void SheetTabBar::PlaceArrows()
{
	if (m_arrows.GetSafeHwnd() == nullptr)
		return;
	CRect rc;
	GetClientRect(&rc);
	const int nLeft = std::max(0, rc.right - EDGE_GRIP - m_nArrowWidth);
	m_arrows.MoveWindow(nLeft, 0, std::max(0, rc.right - EDGE_GRIP - nLeft), rc.Height(), TRUE);
}

void SheetTabBar::OnSize(UINT nType, int cx, int cy)
{
	CWnd::OnSize(nType, cx, cy);
	PlaceArrows();
	SetScrollOffset(m_nScrollOffset);
	Invalidate(FALSE);
}

void SheetTabBar::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
	const int nFirstLeft = GetTabLeft(m_nFirstTab);
	switch (nSBCode)
	{
	case SB_LINELEFT:
	case SB_PAGELEFT:
		// Back to the start of the tab cut at the left, or of the tab before it.
		if (nFirstLeft < m_nScrollOffset)
			SetScrollOffset(nFirstLeft);
		else if (m_nFirstTab > 0)
			SetScrollOffset(GetTabLeft(m_nFirstTab - 1));
		break;
	case SB_LINERIGHT:
	case SB_PAGERIGHT:
		SetScrollOffset(m_nFirstTab < m_nTabCount ? GetTabLeft(m_nFirstTab + 1) : m_nScrollOffset);
		break;
	case SB_THUMBTRACK:
	case SB_THUMBPOSITION:
		SetScrollOffset(static_cast<int>(nPos));
		break;
	case SB_LEFT:
		SetScrollOffset(0);
		break;
	case SB_RIGHT:
		SetScrollOffset(GetMaxOffset());
		break;
	default:
		return;
	}
	Invalidate(FALSE);
}

void SheetTabBar::OnLButtonDown(UINT nFlags, CPoint point)
{
	if (IsOnEdge(point) && m_pSheet != nullptr && m_pGrid != nullptr)
	{
		CRect rc;
		GetClientRect(&rc);
		m_bDraggingEdge = TRUE;
		m_nDragStartX = point.x;
		m_nDragStartWidth = rc.Width();
		SetCapture();
		return;
	}
	const int nTab = TabFromPoint(point);
	if (nTab < 0)
	{
		CWnd::OnLButtonDown(nFlags, point);
		return;
	}
	SetCurrentTab(nTab);
	UpdateWindow();
	// Switching the sheet is the override's business.
	if (m_pGrid != nullptr)
		m_pGrid->NotifySheetTab(m_tabs[nTab].m_nSheet);
}

void SheetTabBar::OnMouseMove(UINT nFlags, CPoint point)
{
	if (!m_bDraggingEdge)
	{
		CWnd::OnMouseMove(nFlags, point);
		return;
	}
	const int nWidth = std::max(EDGE_GRIP, m_nDragStartWidth + point.x - m_nDragStartX);
	m_pSheet->m_nTabBarWidth = nWidth;
	m_pGrid->LayoutChildren();
	// The layout keeps room for the scroll bar: the bar stays as wide as it was allowed to be.
	m_pSheet->m_nTabBarWidth = std::min(nWidth, m_pSheet->m_rcTabBar.Width());
}

void SheetTabBar::OnLButtonUp(UINT nFlags, CPoint point)
{
	if (!m_bDraggingEdge)
	{
		CWnd::OnLButtonUp(nFlags, point);
		return;
	}
	ReleaseCapture();
	EndEdgeDrag();
}

void SheetTabBar::OnCaptureChanged(CWnd* pWnd)
{
	if (m_bDraggingEdge && pWnd != this)
		EndEdgeDrag();
	CWnd::OnCaptureChanged(pWnd);
}

void SheetTabBar::EndEdgeDrag()
{
	if (!m_bDraggingEdge)
		return;
	m_bDraggingEdge = FALSE;
	// While dragging only the bar and the scroll bar moved; now every child takes its place.
	m_pGrid->LayoutChildren();
}

BOOL SheetTabBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
	POINT pt = {0, 0};
	::GetCursorPos(&pt);
	ScreenToClient(&pt);
	if (pWnd == this && (m_bDraggingEdge || IsOnEdge(CPoint(pt))))
	{
		::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
		return TRUE;
	}
	return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

BOOL SheetTabBar::OnEraseBkgnd(CDC*)
{
	// The paint covers every pixel.
	return TRUE;
}
