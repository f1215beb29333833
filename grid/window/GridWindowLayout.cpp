// Laying the grid's children out from the current sheet's sizes, and how far the view scrolls.
#include "grid/window/GridWindow.h"

#include "grid/window/CellView.h"
#include "grid/window/GridHeadings.h"
#include "grid/window/GridScrollBars.h"
#include "grid/window/SheetAxes.h"
#include "grid/window/SheetTabBar.h"

#include <algorithm>

void GridWindow::LayoutChildren()
{
	if (GetSafeHwnd() == nullptr || m_pCellView->GetSafeHwnd() == nullptr || m_bLayingOut)
		return;
	m_bLayingOut = TRUE;
	SheetSettings& sheet = *m_pSheet;

	// Focus inside the grid belongs to the cell view; a sibling control outside keeps its own.
	CWnd* pFocus = GetFocus();
	if (pFocus != nullptr && pFocus != m_pCellView.get() && IsChild(pFocus) && !m_pCellView->IsChild(pFocus))
		m_pCellView->SetFocus();

	CRect rcClient;
	GetClientRect(&rcClient);
	const GridLayoutInput input{rcClient.Width(), rcClient.Height(), sheet.m_nSideHeadingWidth,
		sheet.m_nTopHeadingHeight, sheet.m_nVScrollWidth, sheet.m_nHScrollHeight, sheet.m_nTabBarWidth};
	GridChildRects rects = GridLayoutChildren(input, SheetColumnAxis(sheet), SheetRowAxis(sheet));
	NotifyLayout(&rects.rcCellView, &rects.rcTopHeading, &rects.rcSideHeading, &rects.rcCorner, &rects.rcVScroll,
		&rects.rcHScroll, &rects.rcTabBar);
	sheet.m_rcCellView = rects.rcCellView;
	sheet.m_rcTopHeading = rects.rcTopHeading;
	sheet.m_rcSideHeading = rects.rcSideHeading;
	sheet.m_rcCorner = rects.rcCorner;
	sheet.m_rcVScroll = rects.rcVScroll;
	sheet.m_rcHScroll = rects.rcHScroll;
	sheet.m_rcTabBar = rects.rcTabBar;
	sheet.m_nViewWidth = std::max(0, rects.rcCellView.Width());
	sheet.m_nViewHeight = std::max(0, rects.rcCellView.Height());

	if (!m_pTabBar->IsDraggingEdge())
	{
		m_pCellView->MoveWindow(&rects.rcCellView, TRUE);
		m_pTopHeading->MoveWindow(&rects.rcTopHeading, TRUE);
		m_pSideHeading->MoveWindow(&rects.rcSideHeading, TRUE);
		m_pCorner->MoveWindow(&rects.rcCorner, TRUE);
		m_pVScroll->MoveWindow(&rects.rcVScroll, TRUE);
	}
	m_pTabBar->MoveWindow(&rects.rcTabBar, TRUE);
	m_pHScroll->MoveWindow(&rects.rcHScroll, TRUE);
	m_bLayingOut = FALSE;

	if (!m_pTabBar->IsDraggingEdge())
	{
		RecomputeLastPositions();
		RedrawAll();
	}
	sheet.m_nPrevTopRow = sheet.m_nTopRow;
	sheet.m_nPrevLeftColumn = sheet.m_nLeftColumn;
}

void GridWindow::RecomputeLastPositions()
{
	SheetSettings& sheet = *m_pSheet;
	const long nOldLastTop = sheet.m_nLastTopRow;
	sheet.m_nLastTopRow = GridLastFirstPosition(SheetRowAxis(sheet), sheet.m_nLockedRows, sheet.m_nViewHeight,
		sheet.m_nLockedRowsHeight);
	sheet.m_nTopRow = std::min(std::max(sheet.m_nTopRow, sheet.m_nLockedRows), sheet.m_nLastTopRow);
	sheet.m_nLastLeftColumn = static_cast<int>(GridLastFirstPosition(SheetColumnAxis(sheet),
		sheet.m_nLockedColumns, sheet.m_nViewWidth, sheet.m_nLockedColumnsWidth));
	sheet.m_nLeftColumn = std::min(std::max(sheet.m_nLeftColumn, sheet.m_nLockedColumns), sheet.m_nLastLeftColumn);

	// Whether the vertical bar shows depends on whether the rows scroll at all.
	if ((nOldLastTop == 0) != (sheet.m_nLastTopRow == 0) && !m_bLayingOut)
		LayoutChildren();
}
