// The commit every move of the current cell or the view ends in: the change notifications, the
// cell types' focus, the floating window kept clear, and what is redrawn.
#include "grid/window/GridWindow.h"

#include "framework/ui/system/SystemServices.h"
#include "grid/store/DataSource.h"
#include "grid/window/CellView.h"
#include "grid/window/GridHeadings.h"
#include "grid/window/GridScrollBars.h"
#include "grid/window/GridViewWalk.h"
#include "grid/window/SheetAxes.h"

#include <algorithm>
#include <climits>

void GridWindow::CommitChanges()
{
	SheetSettings& sheet = *m_pSheet;
	UpdateSelection();

	const int nOldCol = sheet.m_nPrevCurrentColumn;
	const long nOldRow = sheet.m_nPrevCurrentRow;
	const BOOL bColumnChanged = nOldCol != sheet.m_nCurrentColumn;
	const BOOL bRowChanged = nOldRow != sheet.m_nCurrentRow;
	if (bColumnChanged)
	{
		sheet.m_defaultDataSource.OnCurrentColumnChanged(nOldCol, sheet.m_nCurrentColumn);
		NotifyCurrentColumn(nOldCol, sheet.m_nCurrentColumn);
	}
	if (bRowChanged)
	{
		sheet.m_defaultDataSource.OnCurrentRowChanged(nOldRow, sheet.m_nCurrentRow);
		NotifyCurrentRow(nOldRow, sheet.m_nCurrentRow);
	}
	if (bColumnChanged || bRowChanged)
		NotifyCurrentCell(nOldCol, sheet.m_nCurrentColumn, nOldRow, sheet.m_nCurrentRow);
	const BOOL bLeftChanged = sheet.m_nPrevLeftColumn != sheet.m_nLeftColumn;
	const BOOL bTopChanged = sheet.m_nPrevTopRow != sheet.m_nTopRow;
	if (bLeftChanged)
		NotifyLeftColumn(sheet.m_nPrevLeftColumn, sheet.m_nLeftColumn);
	if (bTopChanged)
		NotifyTopRow(sheet.m_nPrevTopRow, sheet.m_nTopRow);

	if (bColumnChanged || bRowChanged)
	{
		KeepWindowClearOfCurrentCell();
		GridCell cell;
		if (nOldCol >= 0 && nOldRow >= 0)
		{
			GetCellWithDefaults(nOldCol, nOldRow, &cell);
			GetCellType(cell.GetCellType())->OnFocusLost(nOldCol, nOldRow, &cell);
		}
		if (sheet.m_nCurrentColumn >= 0 && sheet.m_nCurrentRow >= 0)
		{
			GetCellWithDefaults(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, &cell);
			GetCellType(cell.GetCellType())->OnFocusGained(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, &cell);
		}
	}

	if (GetSafeHwnd() != nullptr && m_bPaintingEnabled)
	{
		m_pCellView->UpdateAfterCommit();
		if (bTopChanged || bRowChanged)
			m_pSideHeading->RedrawRows(0, sheet.m_nRowCount - 1);
		if (bLeftChanged || bColumnChanged)
			m_pTopHeading->RedrawColumns(0, sheet.m_nColumnCount - 1);
		m_pVScroll->UpdatePosition();
		m_pHScroll->UpdatePosition();
	}
	sheet.m_nPrevCurrentColumn = sheet.m_nCurrentColumn;
	sheet.m_nPrevCurrentRow = sheet.m_nCurrentRow;
	sheet.m_nPrevLeftColumn = sheet.m_nLeftColumn;
	sheet.m_nPrevTopRow = sheet.m_nTopRow;
}

void GridWindow::SetFloatingWindow(CWnd* pWnd, int nMode)
{
	m_pFloatingWindow = pWnd;
	m_pSheet->m_nFloatingWindowMode = nMode;
}

void GridWindow::KeepWindowClearOfCurrentCell()
{
	if (m_pFloatingWindow == nullptr || m_pFloatingWindow->GetSafeHwnd() == nullptr
		|| m_pCellView->GetSafeHwnd() == nullptr)
		return;
	// From the sheet's geometry: the cell view has not yet drawn the cell where the commit put it.
	const SheetSettings& sheet = *m_pSheet;
	const SheetColumnAxis columns(sheet);
	const SheetRowAxis rows(sheet);
	const long long nLeft = GridViewOffset(columns, sheet.m_nCurrentColumn, sheet.m_nLockedColumns, sheet.m_nLeftColumn,
		sheet.m_nLockedColumnsWidth);
	const long long nTop = GridViewOffset(rows, sheet.m_nCurrentRow, sheet.m_nLockedRows, sheet.m_nTopRow,
		sheet.m_nLockedRowsHeight);
	const auto clamp = [](long long n) { return static_cast<int>(std::max<long long>(-INT_MAX, std::min<long long>(n, INT_MAX))); };
	CRect rcCell(clamp(nLeft), clamp(nTop), clamp(nLeft + columns.GetSize(sheet.m_nCurrentColumn)),
		clamp(nTop + rows.GetSize(sheet.m_nCurrentRow)));
	CRect rcOld;
	m_pFloatingWindow->GetWindowRect(&rcOld);
	m_pCellView->ScreenToClient(&rcOld);
	CRect rcNew = rcOld;
	if (m_pSheet->m_nFloatingWindowMode == 1)
		rcNew.OffsetRect(rcCell.right + 30 - rcNew.left, rcCell.top - rcNew.top);

	CRect rcOverlap;
	if (rcOverlap.IntersectRect(&rcNew, &rcCell))
	{
		// Screen extents in cell-view coordinates.
		CPoint ptOrigin(0, 0);
		m_pCellView->ClientToScreen(&ptOrigin);
		const int nScreenRight = GetSystemMetrics(SM_CXSCREEN) - ptOrigin.x;
		const int nScreenBottom = GetSystemMetrics(SM_CYSCREEN) - ptOrigin.y;
		const int nRight = rcCell.right - rcNew.left + 5;
		const int nDown = rcCell.bottom - rcNew.top + 5;
		const int nLeft = rcCell.left - rcNew.right - 5;
		const int nUp = rcCell.top - rcNew.bottom - 5;
		if (rcNew.right + nRight <= nScreenRight)
			rcNew.OffsetRect(nRight, 0);
		else if (rcNew.bottom + nDown <= nScreenBottom)
			rcNew.OffsetRect(0, nDown);
		else if (rcNew.left + nLeft + ptOrigin.x > 0)
			rcNew.OffsetRect(nLeft, 0);
		else if (rcNew.bottom + nUp < nScreenBottom)
			rcNew.OffsetRect(0, nUp);
	}
	if (rcNew == rcOld)
		return;
	NotifyFloatingWindowMoved(&rcOld, &rcNew);
	m_pCellView->ClientToScreen(&rcNew);
	CWnd* pParent = m_pFloatingWindow->GetParent();
	if (pParent != nullptr && (m_pFloatingWindow->GetStyle() & WS_CHILD) != 0)
		pParent->ScreenToClient(&rcNew);
	m_pFloatingWindow->MoveWindow(&rcNew, TRUE);
	m_pFloatingWindow->UpdateWindow();
	RedrawAll();
}

void GridWindow::RedrawAll()
{
	if (GetSafeHwnd() == nullptr || m_pCellView->GetSafeHwnd() == nullptr || !m_bPaintingEnabled)
		return;
	m_pCellView->RedrawAllCells();
	m_pTopHeading->RedrawColumns(0, m_pSheet->m_nColumnCount - 1);
	m_pSideHeading->RedrawRows(0, m_pSheet->m_nRowCount - 1);
	m_pCorner->Invalidate(FALSE);
	m_pVScroll->UpdateRange(TRUE);
	m_pHScroll->UpdateRange(TRUE);
}

void GridWindow::RedrawRange(int nCol1, long nRow1, int nCol2, long nRow2)
{
	if (GetSafeHwnd() == nullptr || m_pCellView->GetSafeHwnd() == nullptr || !m_bPaintingEnabled)
		return;
	m_pCellView->RedrawCells(std::min(nCol1, nCol2), std::min(nRow1, nRow2), std::max(nCol1, nCol2),
		std::max(nRow1, nRow2));
}

void GridWindow::EnablePainting(BOOL bEnable)
{
	const BOOL bWasOff = !m_bPaintingEnabled;
	m_bPaintingEnabled = bEnable ? TRUE : FALSE;
	if (bEnable && bWasOff)
		RedrawAll();
}

BOOL GridWindow::IsPaintingEnabled() const
{
	return m_bPaintingEnabled;
}
