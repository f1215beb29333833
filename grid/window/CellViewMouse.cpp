// The mouse in the cell view: a press moves the current cell to the cell under it, then the
// cell's type and the grid's notification see the press, the release and double clicks; a type
// that takes a press is given the mouse's moves until the release.
#include "grid/window/CellView.h"

#include "framework/ui/window/UserServices.h"
#include "grid/celltypes/CellType.h"
#include "grid/store/GridCell.h"
#include "grid/window/GridWindow.h"

namespace
{
	// A read-only list cannot be opened: its type is not asked, only the grid is told.
	BOOL IsClosedList(const GridCell& cell)
	{
		return cell.GetCellType() == GRID_TYPE_DROPLIST && cell.IsReadOnly();
	}
}

BOOL CellView::CellUnder(CPoint point, int* pnCol, long* pnRow, CRect* pRect, GridCell* pCell)
{
	RECT rc = {};
	if (m_pGrid->GetCellFromPoint(point.x, point.y, pnCol, pnRow, &rc) != 0)
		return FALSE;
	*pRect = rc;
	m_pGrid->GetCellWithDefaults(*pnCol, *pnRow, pCell);
	return TRUE;
}

void CellView::OnLButtonDown(UINT nFlags, CPoint point)
{
	if (EditorStaysOpen())
		return;
	SetCapture();
	SheetSettings& sheet = *m_pSheet;
	sheet.m_nSelectionGesture = GRID_GESTURE_LEFT_PRESS;
	sheet.m_nGestureKeyFlags = nFlags;
	int nCol = 0;
	long nRow = 0;
	CRect rc;
	GridCell cell;
	if (CellUnder(point, &nCol, &nRow, &rc, &cell))
	{
		m_pGrid->GotoCell(nCol, nRow);
		POINT pt = point;
		BOOL bHandled = FALSE;
		if (!IsClosedList(cell))
		{
			CellType* pType = m_pGrid->GetCellType(cell.GetCellType());
			bHandled = pType->OnLButton(nCol, nRow, TRUE, &rc, &pt);
			if (bHandled)
				m_pMouseOwner = pType;
		}
		m_pGrid->NotifyCellClick(nCol, nRow, TRUE, &rc, &pt, bHandled);
	}
	sheet.m_nSelectionGesture = GRID_GESTURE_PROGRAM;
}

void CellView::OnLButtonUp(UINT, CPoint point)
{
	int nCol = 0;
	long nRow = 0;
	CRect rc;
	GridCell cell;
	if (CellUnder(point, &nCol, &nRow, &rc, &cell))
	{
		POINT pt = point;
		CellType* pType = m_pMouseOwner != nullptr ? m_pMouseOwner : m_pGrid->GetCellType(cell.GetCellType());
		const BOOL bHandled = IsClosedList(cell) ? FALSE : pType->OnLButton(nCol, nRow, FALSE, &rc, &pt);
		m_pGrid->NotifyCellClick(nCol, nRow, FALSE, &rc, &pt, bHandled);
	}
	m_pMouseOwner = nullptr;
	if (GetCapture() == this)
		ReleaseCapture();
}

void CellView::OnLButtonDblClk(UINT, CPoint point)
{
	if (EditorStaysOpen())
		return;
	int nCol = 0;
	long nRow = 0;
	CRect rc;
	GridCell cell;
	if (!CellUnder(point, &nCol, &nRow, &rc, &cell))
		return;
	POINT pt = point;
	const BOOL bHandled =
		IsClosedList(cell) ? FALSE : m_pGrid->GetCellType(cell.GetCellType())->OnDoubleClick(nCol, nRow, &rc, &pt);
	m_pGrid->NotifyCellDoubleClick(nCol, nRow, &rc, &pt, bHandled);
	if (!bHandled)
		m_pGrid->StartEdit(nCol, nRow, 0);
}

void CellView::OnRButtonDown(UINT nFlags, CPoint point)
{
	if (EditorStaysOpen())
		return;
	SheetSettings& sheet = *m_pSheet;
	sheet.m_nSelectionGesture = GRID_GESTURE_RIGHT_PRESS;
	sheet.m_nGestureKeyFlags = nFlags;
	int nCol = 0;
	long nRow = 0;
	CRect rc;
	GridCell cell;
	if (CellUnder(point, &nCol, &nRow, &rc, &cell))
	{
		m_pGrid->GotoCell(nCol, nRow);
		POINT pt = point;
		const BOOL bHandled = m_pGrid->GetCellType(cell.GetCellType())->OnRButton(nCol, nRow, TRUE, &rc, &pt);
		m_pGrid->NotifyCellRightClick(nCol, nRow, TRUE, &rc, &pt, bHandled);
	}
	sheet.m_nSelectionGesture = GRID_GESTURE_PROGRAM;
}

void CellView::OnRButtonUp(UINT, CPoint point)
{
	int nCol = 0;
	long nRow = 0;
	CRect rc;
	GridCell cell;
	if (!CellUnder(point, &nCol, &nRow, &rc, &cell))
		return;
	POINT pt = point;
	const BOOL bHandled = m_pGrid->GetCellType(cell.GetCellType())->OnRButton(nCol, nRow, FALSE, &rc, &pt);
	m_pGrid->NotifyCellRightClick(nCol, nRow, FALSE, &rc, &pt, bHandled);
}

void CellView::OnMouseMove(UINT nFlags, CPoint point)
{
	POINT pt = point;
	if (m_pMouseOwner != nullptr)
	{
		const int nCol = m_pSheet->m_nCurrentColumn;
		const long nRow = m_pSheet->m_nCurrentRow;
		const BOOL bHandled = m_pMouseOwner->OnMouseMove(nCol, nRow, &pt, nFlags);
		m_pGrid->NotifyCellMouseMove(nCol, nRow, &pt, nFlags, bHandled);
		return;
	}
	int nCol = 0;
	long nRow = 0;
	CRect rc;
	GridCell cell;
	if (!CellUnder(point, &nCol, &nRow, &rc, &cell))
		return;
	const BOOL bHandled = m_pGrid->GetCellType(cell.GetCellType())->OnMouseMove(nCol, nRow, &pt, nFlags);
	m_pGrid->NotifyCellMouseMove(nCol, nRow, &pt, nFlags, bHandled);
}
