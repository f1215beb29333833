// The two directions of the grid's scroll bars: the vertical bar moves the top row over the
// sheet's row heights, the horizontal one the left column over its column widths.
#include "grid/window/GridScrollBars.h"

#include "grid/window/GridWindow.h"
#include "grid/window/ScrollHintWindow.h"
#include "grid/window/SheetAxes.h"

namespace
{
	// The hints stand off the bar by one pixel and are never narrower than this.
	constexpr int VHINT_MIN_WIDTH = 40;
	constexpr int HHINT_MIN_WIDTH = 20;
}

IMPLEMENT_DYNAMIC(GridVScrollBar, GridScrollBar)

GridVScrollBar::GridVScrollBar() = default;

GridScrollBar::RangeKey GridVScrollBar::GetRangeKey() const
{
	return RangeKey{m_pSheet->m_nLastTopRow, m_pSheet->m_nLockedRows, m_pSheet->m_nVScrollMode};
}

GridScrollRange GridVScrollBar::ComputeRange() const
{
	return GridVScrollRange(m_pSheet->m_nLastTopRow, m_pSheet->m_nLockedRows, m_pSheet->m_nViewHeight,
		m_pSheet->m_nDefaultRowHeight, m_pSheet->m_nVScrollMode);
}

int GridVScrollBar::ThumbFromFirst(const GridScrollRange& range, long nFirst) const
{
	return GridVThumbFromRow(range, nFirst, m_pSheet->m_nVScrollMode);
}

long GridVScrollBar::FirstFromThumb(int nThumb) const
{
	return GridRowFromVThumb(m_pSheet->m_nLastTopRow, m_pSheet->m_nLockedRows, nThumb);
}

long GridVScrollBar::GetFirst() const
{
	return m_pSheet->m_nTopRow;
}

long GridVScrollBar::GetCount() const
{
	return m_pSheet->m_nRowCount;
}

long GridVScrollBar::PageFrom(long nFirst, BOOL bForward) const
{
	const SheetRowAxis rows(*m_pSheet);
	const int nAvail = m_pSheet->m_nViewHeight - m_pSheet->m_nLockedRowsHeight;
	// Paging the view, rows from the last top row on count with the default height.
	if (bForward)
		return GridPageForward(rows, nFirst, nAvail, m_pSheet->m_nLastTopRow);
	return GridPageBack(rows, nFirst, nAvail, m_pSheet->m_nLastTopRow);
}

void GridVScrollBar::ScrollTo(long nFirst)
{
	m_pGrid->SetTopRow(nFirst);
}

int GridVScrollBar::GetMenuSection() const
{
	return GRID_SECTION_VSCROLL;
}

BOOL GridVScrollBar::ScrollsWhileTracking() const
{
	return m_pSheet->m_nVScrollMode == GRID_SCROLL_WHILE_TRACKING;
}

BOOL GridVScrollBar::IsThreePositions() const
{
	return m_pSheet->m_nVScrollMode == GRID_SCROLL_THREE_POSITIONS;
}

BOOL GridVScrollBar::ShowsHint() const
{
	return m_pSheet->m_bVScrollTooltips;
}

int GridVScrollBar::ProvideHint(long nFirst, CString* pText)
{
	return m_pGrid->ProvideRowScrollHint(nFirst, pText);
}

void GridVScrollBar::ShowHint(ScrollHintWindow* pHint, const CString& strText, CPoint ptMouse)
{
	const CPoint ptAnchor(m_pSheet->m_rcVScroll.left - 1, ptMouse.y);
	pHint->ShowHint(ptAnchor, strText, VHINT_MIN_WIDTH, GRID_HINT_LEFT | GRID_HINT_VCENTER);
}

IMPLEMENT_DYNAMIC(GridHScrollBar, GridScrollBar)

GridHScrollBar::GridHScrollBar()
	: m_bLayingOut(FALSE)
{
}

GridScrollBar::RangeKey GridHScrollBar::GetRangeKey() const
{
	return RangeKey{m_pSheet->m_nLastLeftColumn, m_pSheet->m_nLockedColumns, 0};
}

GridScrollRange GridHScrollBar::ComputeRange() const
{
	return GridHScrollRange(m_pSheet->m_nLastLeftColumn, m_pSheet->m_nLockedColumns, m_pSheet->m_nViewWidth,
		m_pSheet->m_nLockedColumnsWidth, m_pSheet->m_nDefaultColumnWidth);
}

int GridHScrollBar::ThumbFromFirst(const GridScrollRange&, long nFirst) const
{
	return GridHThumbFromColumn(nFirst, m_pSheet->m_nLockedColumns);
}

long GridHScrollBar::FirstFromThumb(int nThumb) const
{
	return GridColumnFromHThumb(m_pSheet->m_nLockedColumns, nThumb);
}

long GridHScrollBar::GetFirst() const
{
	return m_pSheet->m_nLeftColumn;
}

long GridHScrollBar::GetCount() const
{
	return m_pSheet->m_nColumnCount;
}

long GridHScrollBar::PageFrom(long nFirst, BOOL bForward) const
{
	const SheetColumnAxis columns(*m_pSheet);
	const int nAvail = m_pSheet->m_nViewWidth - m_pSheet->m_nLockedColumnsWidth;
	if (bForward)
		return GridPageForward(columns, nFirst, nAvail, m_pSheet->m_nLastLeftColumn);
	return GridPageBack(columns, nFirst, nAvail, m_pSheet->m_nLastLeftColumn);
}

void GridHScrollBar::ScrollTo(long nFirst)
{
	m_pGrid->SetLeftColumn(static_cast<int>(nFirst));
}

int GridHScrollBar::GetMenuSection() const
{
	return GRID_SECTION_HSCROLL;
}

BOOL GridHScrollBar::ScrollsWhileTracking() const
{
	return m_pSheet->m_nHScrollMode == GRID_SCROLL_WHILE_TRACKING;
}

BOOL GridHScrollBar::ShowsHint() const
{
	return m_pSheet->m_bHScrollTooltips;
}

int GridHScrollBar::ProvideHint(long nFirst, CString* pText)
{
	return m_pGrid->ProvideColumnScrollHint(static_cast<int>(nFirst), pText);
}

void GridHScrollBar::ShowHint(ScrollHintWindow* pHint, const CString& strText, CPoint ptMouse)
{
	const CPoint ptAnchor(ptMouse.x, m_pSheet->m_rcHScroll.top - 1);
	pHint->ShowHint(ptAnchor, strText, HHINT_MIN_WIDTH, GRID_HINT_HCENTER | GRID_HINT_ABOVE);
}

void GridHScrollBar::OnRangeChanged()
{
	// A bar that the last layout left without width gets its place from a new layout.
	if (m_bLayingOut || m_pSheet->m_rcHScroll.Width() != 0)
		return;
	m_bLayingOut = TRUE;
	m_pGrid->LayoutChildren();
	m_bLayingOut = FALSE;
}
