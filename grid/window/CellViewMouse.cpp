// The mouse in the cell view: a press moves the current cell to the cell under it, then the
// cell's type and the grid's notification see the press, the release and double clicks; a type
// that takes a press is given the mouse's moves until the release.
#include "grid/window/CellView.h"

#include "framework/ui/window/UserServices.h"
#include "grid/celltypes/CellType.h"
#include "grid/store/GridCell.h"
#include "grid/window/GridWindow.h"

// The cell (a joined block's origin) under the mouse, as its type and the notifications take it.
struct CellViewHit
{
	int m_nCol = 0;
	long m_nRow = 0;
	RECT m_rect = {};
	POINT m_point = {};
	GridCell m_cell;
	CellType* m_pType = nullptr;

	// A read-only list cannot be opened: its type is not asked, only the grid is told.
	BOOL IsClosedList() const
	{
		return m_cell.GetCellType() == GRID_TYPE_DROPLIST && m_cell.IsReadOnly();
	}
};

BOOL CellView::CellUnder(CPoint point, CellViewHit* pHit)
{
	if (m_pGrid->GetCellFromPoint(point.x, point.y, &pHit->m_nCol, &pHit->m_nRow, &pHit->m_rect) != 0)
		return FALSE;
	pHit->m_point = point;
	m_pGrid->GetCellWithDefaults(pHit->m_nCol, pHit->m_nRow, &pHit->m_cell);
	pHit->m_pType = m_pGrid->GetCellType(pHit->m_cell.GetCellType());
	return TRUE;
}

void CellView::GoToPressedCell(int nCol, long nRow, UINT nFlags)
{
	SheetSettings& sheet = *m_pSheet;
	// A plain press on the cell the selection last went to (the corner of a drag) makes no move,
	// yet it still replaces the selection with that cell.
	if (sheet.m_bMultipleSelection && !m_pGrid->GetEditor()->m_bEditing && (nFlags & (MK_SHIFT | MK_CONTROL)) == 0
		&& nCol == sheet.m_nTargetColumn && nRow == sheet.m_nTargetRow)
	{
		sheet.m_selection.m_nLastMoveCol = -1;
		sheet.m_selection.m_nLastMoveRow = -1;
		m_pGrid->CommitChanges();
		return;
	}
	m_pGrid->GotoCell(nCol, nRow);
}

void CellView::OnLButtonDown(UINT nFlags, CPoint point)
{
	if (EditorStaysOpen())
		return;
	SetCapture();
	SheetSettings& sheet = *m_pSheet;
	sheet.m_nSelectionGesture = GRID_GESTURE_LEFT_PRESS;
	sheet.m_nGestureKeyFlags = nFlags;
	CellViewHit hit;
	if (CellUnder(point, &hit))
	{
		GoToPressedCell(hit.m_nCol, hit.m_nRow, nFlags);
		BOOL bHandled = FALSE;
		if (!hit.IsClosedList())
		{
			bHandled = hit.m_pType->OnLButton(hit.m_nCol, hit.m_nRow, TRUE, &hit.m_rect, &hit.m_point);
			if (bHandled)
				m_pMouseOwner = hit.m_pType;
		}
		m_pGrid->NotifyCellClick(hit.m_nCol, hit.m_nRow, TRUE, &hit.m_rect, &hit.m_point, bHandled);
	}
	sheet.m_nSelectionGesture = GRID_GESTURE_PROGRAM;
}

void CellView::OnLButtonUp(UINT, CPoint point)
{
	CellViewHit hit;
	if (CellUnder(point, &hit))
	{
		CellType* pType = m_pMouseOwner != nullptr ? m_pMouseOwner : hit.m_pType;
		const BOOL bHandled =
			hit.IsClosedList() ? FALSE : pType->OnLButton(hit.m_nCol, hit.m_nRow, FALSE, &hit.m_rect, &hit.m_point);
		m_pGrid->NotifyCellClick(hit.m_nCol, hit.m_nRow, FALSE, &hit.m_rect, &hit.m_point, bHandled);
	}
	m_pMouseOwner = nullptr;
	if (GetCapture() == this)
		ReleaseCapture();
}

void CellView::OnLButtonDblClk(UINT, CPoint point)
{
	if (EditorStaysOpen())
		return;
	CellViewHit hit;
	if (!CellUnder(point, &hit))
		return;
	const BOOL bHandled =
		hit.IsClosedList() ? FALSE : hit.m_pType->OnDoubleClick(hit.m_nCol, hit.m_nRow, &hit.m_rect, &hit.m_point);
	m_pGrid->NotifyCellDoubleClick(hit.m_nCol, hit.m_nRow, &hit.m_rect, &hit.m_point, bHandled);
	if (!bHandled)
		m_pGrid->StartEdit(hit.m_nCol, hit.m_nRow, 0);
}

void CellView::OnRButtonDown(UINT nFlags, CPoint point)
{
	if (EditorStaysOpen())
		return;
	SheetSettings& sheet = *m_pSheet;
	sheet.m_nSelectionGesture = GRID_GESTURE_RIGHT_PRESS;
	sheet.m_nGestureKeyFlags = nFlags;
	CellViewHit hit;
	if (!CellUnder(point, &hit))
	{
		sheet.m_nSelectionGesture = GRID_GESTURE_PROGRAM;
		return;
	}
	m_pGrid->GotoCell(hit.m_nCol, hit.m_nRow);
	const BOOL bHandled = hit.m_pType->OnRButton(hit.m_nCol, hit.m_nRow, TRUE, &hit.m_rect, &hit.m_point);
	m_pGrid->NotifyCellRightClick(hit.m_nCol, hit.m_nRow, TRUE, &hit.m_rect, &hit.m_point, bHandled);
	// The menu's commands move the current cell as the program's moves do.
	sheet.m_nSelectionGesture = GRID_GESTURE_PROGRAM;
	ClientToScreen(&point);
	m_pGrid->OpenContextMenu(hit.m_nCol, hit.m_nRow, GRID_SECTION_CELLS, point);
}

void CellView::OnRButtonUp(UINT, CPoint point)
{
	CellViewHit hit;
	if (!CellUnder(point, &hit))
		return;
	const BOOL bHandled = hit.m_pType->OnRButton(hit.m_nCol, hit.m_nRow, FALSE, &hit.m_rect, &hit.m_point);
	m_pGrid->NotifyCellRightClick(hit.m_nCol, hit.m_nRow, FALSE, &hit.m_rect, &hit.m_point, bHandled);
}

void CellView::OnMouseMove(UINT nFlags, CPoint point)
{
	if (m_pMouseOwner != nullptr)
	{
		POINT pt = point;
		const int nCol = m_pSheet->m_nCurrentColumn;
		const long nRow = m_pSheet->m_nCurrentRow;
		const BOOL bHandled = m_pMouseOwner->OnMouseMove(nCol, nRow, &pt, nFlags);
		m_pGrid->NotifyCellMouseMove(nCol, nRow, &pt, nFlags, bHandled);
		return;
	}
	SheetSettings& sheet = *m_pSheet;
	sheet.m_nSelectionGesture = GRID_GESTURE_DRAG;
	sheet.m_nGestureKeyFlags = nFlags;
	CellViewHit hit;
	if (CellUnder(point, &hit))
	{
		const BOOL bHandled = hit.m_pType->OnMouseMove(hit.m_nCol, hit.m_nRow, &hit.m_point, nFlags);
		m_pGrid->NotifyCellMouseMove(hit.m_nCol, hit.m_nRow, &hit.m_point, nFlags, bHandled);
	}
	if ((nFlags & MK_LBUTTON) != 0 && GetCapture() == this && !m_pGrid->GetEditor()->m_bEditing
		&& !RunDragLoop(point))
		return;
	sheet.m_nSelectionGesture = GRID_GESTURE_PROGRAM;
}
