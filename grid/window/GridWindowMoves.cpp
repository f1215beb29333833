// Moving the current cell and the view: the positions brought into range and onto joined blocks,
// the data source and the derived class asked, the target scrolled into view, then the commit.
#include "grid/window/GridWindow.h"

#include "grid/layout/GridJoinStep.h"
#include "grid/window/GridJoinedBlock.h"
#include "grid/window/SheetAxes.h"

#include <algorithm>

namespace
{
// The joined block that holds (nCol, nRow), when joins are on and the cell lies in one.
BOOL JoinedBlockAt(GridWindow* pGrid, const SheetSettings& sheet, int nCol, long nRow, GridCellBlock* pBlock)
{
	if (!sheet.m_bJoins || nCol < 0 || nRow < 0 || nCol >= sheet.m_nColumnCount || nRow >= sheet.m_nRowCount)
		return FALSE;
	GridCell cell;
	pGrid->GetCellWithDefaults(nCol, nRow, &cell);
	const GridCellBlock limits{0, 0, sheet.m_nColumnCount - 1, sheet.m_nRowCount - 1};
	return GridFindJoinedBlock(pGrid, nCol, nRow, limits, &cell, pBlock);
}
} // namespace

int GridWindow::GetTargetColumn() const
{
	return m_pSheet->m_nTargetColumn >= 0 ? m_pSheet->m_nTargetColumn : m_pSheet->m_nCurrentColumn;
}

long GridWindow::GetTargetRow() const
{
	return m_pSheet->m_nTargetRow >= 0 ? m_pSheet->m_nTargetRow : m_pSheet->m_nCurrentRow;
}

void GridWindow::ReportRowsPastEnd(long nRowsPast)
{
	const long nCount = m_pSheet->m_nRowCount;
	long nAdded = 0;
	if (m_pSheet->m_defaultDataSource.OnRowsPastEnd(nCount, nRowsPast, &nAdded) < 0)
		nAdded = 0;
	NotifyPastLastRow(nCount, nRowsPast, &nAdded);
	// Rows a source fetched count only once the grid knows of them; an override that set the
	// count itself has done so already.
	if (nAdded > 0 && m_pSheet->m_nRowCount == nCount)
		SetRowCount(nCount + nAdded, FALSE);
}

int GridWindow::NormaliseRow(long* pnRow)
{
	const SheetSettings& sheet = *m_pSheet;
	if (sheet.m_nRowCount <= 0)
		return 1;
	long nRow = *pnRow;
	const long nTarget = GetTargetRow();
	if (nRow >= sheet.m_nRowCount)
	{
		ReportRowsPastEnd(nRow - sheet.m_nRowCount + 1);
		if (nTarget >= sheet.m_nRowCount - 1)
			return 1;
		nRow = sheet.m_nRowCount - 1;
	}
	nRow = std::max(0L, nRow);
	GridCellBlock block;
	if (JoinedBlockAt(this, sheet, GetTargetColumn(), nRow, &block))
		nRow = GridStepOverJoin(nRow, nTarget, block.m_nFirstRow, block.m_nLastRow, sheet.m_nRowCount,
			sheet.m_nSelectionGesture == GRID_GESTURE_PROGRAM);
	*pnRow = nRow;
	return 0;
}

int GridWindow::NormaliseColumn(int* pnCol)
{
	const SheetSettings& sheet = *m_pSheet;
	if (sheet.m_nColumnCount <= 0)
		return 1;
	int nCol = *pnCol;
	const int nTarget = GetTargetColumn();
	if (nCol >= sheet.m_nColumnCount)
	{
		if (nTarget >= sheet.m_nColumnCount - 1)
			return 1;
		nCol = sheet.m_nColumnCount - 1;
	}
	nCol = std::max(0, nCol);
	GridCellBlock block;
	if (JoinedBlockAt(this, sheet, nCol, GetTargetRow(), &block))
		nCol = static_cast<int>(GridStepOverJoin(nCol, nTarget, block.m_nFirstCol, block.m_nLastCol,
			sheet.m_nColumnCount, sheet.m_nSelectionGesture == GRID_GESTURE_PROGRAM));
	*pnCol = nCol;
	return 0;
}

BOOL GridWindow::MayMoveCurrent(int nCol, long nRow, BOOL bAskSource)
{
	SheetSettings& sheet = *m_pSheet;
	if (bAskSource
		&& sheet.m_defaultDataSource.AllowCurrentMove(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, nCol, nRow) != 1)
		return FALSE;
	return AllowCurrentMove(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, nCol, nRow) != 0;
}

void GridWindow::ScrollTargetIntoView(BOOL bColumn, BOOL bRow)
{
	SheetSettings& sheet = *m_pSheet;
	if (bRow)
		sheet.m_nTopRow = std::min(GridScrollIntoView(SheetRowAxis(sheet), sheet.m_nTopRow, sheet.m_nTargetRow,
									   sheet.m_nLockedRows, sheet.m_nViewHeight, sheet.m_nLockedRowsHeight),
			sheet.m_nLastTopRow);
	if (bColumn)
		sheet.m_nLeftColumn = static_cast<int>(std::min<long>(
			GridScrollIntoView(SheetColumnAxis(sheet), sheet.m_nLeftColumn, sheet.m_nTargetColumn,
				sheet.m_nLockedColumns, sheet.m_nViewWidth, sheet.m_nLockedColumnsWidth),
			sheet.m_nLastLeftColumn));
}

int GridWindow::GotoCell(int nCol, long nRow)
{
	SheetSettings& sheet = *m_pSheet;
	if (nCol == sheet.m_nTargetColumn && nRow == sheet.m_nTargetRow)
		return 0;
	if (nCol < 0 || nCol >= sheet.m_nColumnCount || NormaliseRow(&nRow) != 0)
		return 1;
	GridCellBlock block;
	if (JoinedBlockAt(this, sheet, nCol, nRow, &block))
	{
		nCol = block.m_nFirstCol;
		nRow = block.m_nFirstRow;
	}
	if (nCol == sheet.m_nTargetColumn && nRow == sheet.m_nTargetRow)
		return 0;
	if (!MayMoveCurrent(nCol, nRow, TRUE))
		return 2;
	sheet.m_nTargetColumn = nCol;
	sheet.m_nTargetRow = nRow;
	ScrollTargetIntoView(TRUE, TRUE);
	CommitChanges();
	return 0;
}

int GridWindow::GotoColumn(int nCol)
{
	SheetSettings& sheet = *m_pSheet;
	ReturnToSelectionAnchor();
	if (NormaliseColumn(&nCol) != 0)
		return 1;
	if (nCol == GetTargetColumn())
		return 0;
	if (!MayMoveCurrent(nCol, sheet.m_nCurrentRow, TRUE))
		return 2;
	sheet.m_nTargetColumn = nCol;
	ScrollTargetIntoView(TRUE, FALSE);
	CommitChanges();
	return 0;
}

int GridWindow::GotoRow(long nRow)
{
	SheetSettings& sheet = *m_pSheet;
	ReturnToSelectionAnchor();
	if (NormaliseRow(&nRow) != 0)
		return 1;
	if (nRow == GetTargetRow())
		return 0;
	if (!MayMoveCurrent(sheet.m_nCurrentColumn, nRow, FALSE))
		return 2;
	sheet.m_nTargetRow = nRow;
	ScrollTargetIntoView(FALSE, TRUE);
	CommitChanges();
	return 0;
}

int GridWindow::SetTopRow(long nRow)
{
	SheetSettings& sheet = *m_pSheet;
	nRow = std::min(std::max(nRow, sheet.m_nLockedRows), sheet.m_nLastTopRow);
	if (nRow == sheet.m_nTopRow)
		return 0;
	if (!AllowViewScroll(sheet.m_nLeftColumn, sheet.m_nTopRow, sheet.m_nLeftColumn, nRow))
		return 2;
	sheet.m_nTopRow = nRow;
	CommitChanges();
	return 0;
}

int GridWindow::SetLeftColumn(int nCol)
{
	SheetSettings& sheet = *m_pSheet;
	nCol = std::min(std::max(nCol, sheet.m_nLockedColumns), sheet.m_nLastLeftColumn);
	if (nCol == sheet.m_nLeftColumn)
		return 0;
	if (!AllowViewScroll(sheet.m_nLeftColumn, sheet.m_nTopRow, nCol, sheet.m_nTopRow))
		return 2;
	sheet.m_nLeftColumn = nCol;
	CommitChanges();
	return 0;
}

int GridWindow::PageAvailableHeight() const
{
	return m_pSheet->m_nViewHeight - m_pSheet->m_nLockedRowsHeight;
}

int GridWindow::PageAvailableWidth() const
{
	return m_pSheet->m_nViewWidth - m_pSheet->m_nLockedColumnsWidth;
}

int GridWindow::MoveCurrentColumn(int nCode)
{
	const SheetSettings& sheet = *m_pSheet;
	const SheetColumnAxis columns(sheet);
	const int nTarget = GetTargetColumn();
	switch (nCode)
	{
	case MOVE_PREVIOUS:
		return GotoColumn(nTarget - 1);
	case MOVE_NEXT:
		return GotoColumn(nTarget + 1);
	case MOVE_PAGE_BACK:
		return GotoColumn(static_cast<int>(GridPageBack(columns, nTarget, PageAvailableWidth(), sheet.m_nColumnCount)));
	case MOVE_PAGE_FORWARD:
		return GotoColumn(
			static_cast<int>(GridPageForward(columns, nTarget, PageAvailableWidth(), sheet.m_nColumnCount)));
	case MOVE_FIRST:
		return GotoColumn(0);
	case MOVE_LAST:
		return GotoColumn(sheet.m_nColumnCount - 1);
	default:
		return 1;
	}
}

int GridWindow::MoveCurrentRow(int nCode)
{
	const SheetSettings& sheet = *m_pSheet;
	const SheetRowAxis rows(sheet);
	const long nTarget = GetTargetRow();
	switch (nCode)
	{
	case MOVE_PREVIOUS:
		return GotoRow(nTarget - 1);
	case MOVE_NEXT:
		return GotoRow(nTarget + 1);
	case MOVE_PAGE_BACK:
		return GotoRow(GridPageBack(rows, nTarget, PageAvailableHeight(), sheet.m_nRowCount));
	case MOVE_PAGE_FORWARD:
		return GotoRow(GridPageForward(rows, nTarget, PageAvailableHeight(), sheet.m_nRowCount));
	case MOVE_FIRST:
		return GotoRow(0);
	case MOVE_LAST:
		return GotoRow(sheet.m_nRowCount - 1);
	default:
		return 1;
	}
}

int GridWindow::ScrollColumns(int nCode)
{
	const SheetSettings& sheet = *m_pSheet;
	const SheetColumnAxis columns(sheet);
	const int nLeft = sheet.m_nLeftColumn;
	switch (nCode)
	{
	case MOVE_PREVIOUS:
		return SetLeftColumn(nLeft - 1);
	case MOVE_NEXT:
		return SetLeftColumn(nLeft + 1);
	case MOVE_PAGE_BACK:
		return SetLeftColumn(
			static_cast<int>(GridPageBack(columns, nLeft, PageAvailableWidth(), sheet.m_nLastLeftColumn)));
	case MOVE_PAGE_FORWARD:
		return SetLeftColumn(
			static_cast<int>(GridPageForward(columns, nLeft, PageAvailableWidth(), sheet.m_nLastLeftColumn)));
	case MOVE_FIRST:
		return SetLeftColumn(0);
	case MOVE_LAST:
		return SetLeftColumn(sheet.m_nLastLeftColumn);
	default:
		return 1;
	}
}

int GridWindow::ScrollRows(int nCode)
{
	const SheetSettings& sheet = *m_pSheet;
	const SheetRowAxis rows(sheet);
	const long nTop = sheet.m_nTopRow;
	switch (nCode)
	{
	case MOVE_PREVIOUS:
		return SetTopRow(nTop - 1);
	case MOVE_NEXT:
		return SetTopRow(nTop + 1);
	case MOVE_PAGE_BACK:
		return SetTopRow(GridPageBack(rows, nTop, PageAvailableHeight(), sheet.m_nLastTopRow));
	case MOVE_PAGE_FORWARD:
		return SetTopRow(GridPageForward(rows, nTop, PageAvailableHeight(), sheet.m_nLastTopRow));
	case MOVE_FIRST:
		return SetTopRow(0);
	case MOVE_LAST:
		return SetTopRow(sheet.m_nLastTopRow);
	default:
		return 1;
	}
}
