// The commit's selection step: with multiple selection the running gesture and its keys decide
// whether the move starts the selection anew, adds a block or stretches the last block; the
// current cell stays at the anchor of the last block while the target is its moving corner.
#include "grid/window/GridWindow.h"

#include "framework/ui/system/SystemServices.h"
#include "grid/window/CellView.h"

#include <climits>

void GridWindow::UpdateSelection()
{
	SheetSettings& sheet = *m_pSheet;
	const int nCol = sheet.m_nTargetColumn;
	const long nRow = sheet.m_nTargetRow;
	SelectionList& selection = sheet.m_selection;
	const BOOL bSelecting = sheet.m_bMultipleSelection && !m_editor.m_bEditing;
	if (bSelecting && nCol >= 0 && nRow >= 0)
	{
		const BOOL bSameCell = nCol == selection.m_nLastMoveCol && nRow == selection.m_nLastMoveRow;
		const UINT nFlags = sheet.m_nGestureKeyFlags;
		switch (sheet.m_nSelectionGesture)
		{
		case GRID_GESTURE_LEFT_PRESS:
			if (bSameCell)
				break;
			if (nFlags & MK_CONTROL)
				StartSelectionBlock(nCol, nRow);
			else if (nFlags & MK_SHIFT)
				ExtendSelection(nCol, nRow);
			else
				RestartSelection(nCol, nRow);
			break;
		case GRID_GESTURE_RIGHT_PRESS:
			// The context menu is for what is selected: a right press inside the selection keeps it.
			if (!selection.Contains(nCol, nRow))
				RestartSelection(nCol, nRow);
			break;
		case GRID_GESTURE_DRAG:
			ExtendSelection(nCol, nRow);
			break;
		default:
			if (bSameCell)
				break;
			if (GetKeyState(VK_SHIFT) < 0)
				ExtendSelection(nCol, nRow);
			else if (GetKeyState(VK_CONTROL) < 0)
				StartSelectionBlock(nCol, nRow);
			else
				RestartSelection(nCol, nRow);
			break;
		}
		selection.m_nLastMoveCol = nCol;
		selection.m_nLastMoveRow = nRow;
	}
	const GridSelectionBlock* pLast = bSelecting ? selection.GetLastBlock() : nullptr;
	if (pLast != nullptr)
	{
		sheet.m_nCurrentColumn = pLast->m_nAnchorCol;
		sheet.m_nCurrentRow = pLast->m_nAnchorRow;
		return;
	}
	if (nCol >= 0)
		sheet.m_nCurrentColumn = nCol;
	if (nRow >= 0)
		sheet.m_nCurrentRow = nRow;
}

void GridWindow::StartSelectionBlock(int nCol, long nRow)
{
	SelectionList& selection = m_pSheet->m_selection;
	selection.StartBlock(nCol, nRow, m_pSheet->m_nColumnCount);
	const GridSelectionBlock* pBlock = selection.GetLastBlock();
	MarkSelectionCells(pBlock->m_nFirstCol, pBlock->m_nFirstRow, pBlock->m_nLastCol, pBlock->m_nLastRow);
}

void GridWindow::ExtendSelection(int nCol, long nRow)
{
	SheetSettings& sheet = *m_pSheet;
	SelectionList& selection = sheet.m_selection;
	// Stretching with nothing selected yet selects from the current cell, where the move began.
	if (selection.GetBlockCount() == 0)
	{
		StartSelectionBlock(sheet.m_nCurrentColumn >= 0 ? sheet.m_nCurrentColumn : nCol,
			sheet.m_nCurrentRow >= 0 ? sheet.m_nCurrentRow : nRow);
	}
	GridSelectionChange change;
	selection.ExtendLastBlock(nCol, nRow, sheet.m_nColumnCount, &change);
	for (int i = 0; i < change.m_nBands; ++i)
	{
		const GridCellBlock& band = change.m_bands[i];
		MarkSelectionCells(band.m_nFirstCol, band.m_nFirstRow, band.m_nLastCol, band.m_nLastRow);
	}
}

void GridWindow::RestartSelection(int nCol, long nRow)
{
	SelectionList& selection = m_pSheet->m_selection;
	int nFirstCol = 0;
	long nFirstRow = 0;
	int nLastCol = 0;
	long nLastRow = 0;
	if (selection.GetBlockCount() > 1)
		MarkSelectionCells(0, 0, INT_MAX, LONG_MAX);
	else if (selection.GetBoundingBlock(&nFirstCol, &nFirstRow, &nLastCol, &nLastRow))
		MarkSelectionCells(nFirstCol, nFirstRow, nLastCol, nLastRow);
	selection.Clear();
	StartSelectionBlock(nCol, nRow);
}

void GridWindow::ClearSelection()
{
	m_pSheet->m_selection.Clear();
	RedrawAll();
}

void GridWindow::MarkSelectionCells(int nFirstCol, long nFirstRow, int nLastCol, long nLastRow)
{
	if (m_pCellView != nullptr)
		m_pCellView->MarkCells(nFirstCol, nFirstRow, nLastCol, nLastRow);
}

void GridWindow::ReturnToSelectionAnchor()
{
	SheetSettings& sheet = *m_pSheet;
	const GridSelectionBlock* pLast = sheet.m_selection.GetLastBlock();
	if (!sheet.m_bMultipleSelection || pLast == nullptr || sheet.m_nSelectionGesture != GRID_GESTURE_PROGRAM
		|| GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0)
		return;
	sheet.m_nCurrentColumn = sheet.m_nTargetColumn = pLast->m_nAnchorCol;
	sheet.m_nCurrentRow = sheet.m_nTargetRow = pLast->m_nAnchorRow;
}
