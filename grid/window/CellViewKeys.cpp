// The keyboard in the cell view: keys go to the current cell's type and the grid's notification
// first, then move the current cell, faster the longer an arrow key is held when the sheet asks;
// the wheel scrolls the rows.
#include "grid/window/CellView.h"

#include "framework/ui/system/SystemServices.h"
#include "grid/celltypes/CellType.h"
#include "grid/store/GridCell.h"
#include "grid/window/GridWindow.h"

#include <algorithm>
#include <climits>

namespace
{
// Bit 14 of a key message's flags: the key was already down, the message is an auto-repeat.
constexpr UINT KEY_WAS_DOWN = 0x4000;
// Rows a notch of the wheel scrolls.
constexpr long WHEEL_ROWS_PER_NOTCH = 3;
// Beyond this the cube of the repeat level would overflow; no sheet is that long anyway.
constexpr long long MAX_REPEAT_LEVEL = 1000000;

// nFrom + nStep, kept within [-1, nMax] without overflowing on the way.
long long MoveBy(long long nFrom, long long nStep, long long nMax)
{
	if (nStep > 0)
		return nStep > nMax - nFrom ? nMax : nFrom + nStep;
	return nFrom + nStep < -1 ? -1 : nFrom + nStep;
}
} // namespace

long long CellView::KeyStep(UINT nFlags)
{
	const int nDivisor = m_pSheet->m_nKeyRepeatDivisor;
	if (nDivisor < 1)
		return 1;
	const BOOL bRepeat = (nFlags & KEY_WAS_DOWN) != 0;
	if (bRepeat)
		m_nKeyRepeatCount++;
	const long long n = std::min(m_nKeyRepeatCount / nDivisor, MAX_REPEAT_LEVEL);
	// Slow at first: the first repeats wait, so that a short hold moves a cell or two.
	if (bRepeat && n == 0 && m_pSheet->m_nKeyRepeatDelay > 0)
		Sleep(static_cast<DWORD>(m_pSheet->m_nKeyRepeatDelay));
	return n * n * n + 1;
}

void CellView::OnKeyDown(UINT nChar, UINT, UINT nFlags)
{
	SheetSettings& sheet = *m_pSheet;
	sheet.m_nSelectionGesture = GRID_GESTURE_PROGRAM;
	const long long nStep = KeyStep(nFlags);
	UINT nKey = nChar;
	const int nCol = sheet.m_nCurrentColumn;
	const long nRow = sheet.m_nCurrentRow;
	if (nCol >= 0 && nRow >= 0)
	{
		GridCell cell;
		m_pGrid->GetCellWithDefaults(nCol, nRow, &cell);
		// A read-only list cannot be opened; the grid is still told of the key.
		if (nKey == VK_RETURN && cell.GetCellType() == GRID_TYPE_DROPLIST && cell.IsReadOnly())
		{
			m_pGrid->NotifyKeyDown(&nKey, FALSE);
			return;
		}
		const BOOL bHandled = m_pGrid->GetCellType(cell.GetCellType())->OnKeyDown(nCol, nRow, &nKey);
		m_pGrid->NotifyKeyDown(&nKey, bHandled);
		// F2 edits the current cell keeping its text, as in other spreadsheets.
		if (!bHandled && nKey == static_cast<UINT>(VK_F2))
		{
			m_pGrid->StartEdit(nCol, nRow, 0);
			return;
		}
	}
	else
		m_pGrid->NotifyKeyDown(&nKey, FALSE);
	NavigateByKey(nKey, nStep);
}

void CellView::NavigateByKey(UINT nKey, long long nStep)
{
	const BOOL bControl = GetKeyState(VK_CONTROL) < 0;
	m_pGrid->ReturnToSelectionAnchor();
	const long long nCol = m_pSheet->m_nTargetColumn >= 0 ? m_pSheet->m_nTargetColumn : m_pSheet->m_nCurrentColumn;
	const long long nRow = m_pSheet->m_nTargetRow >= 0 ? m_pSheet->m_nTargetRow : m_pSheet->m_nCurrentRow;
	switch (nKey)
	{
	case VK_PRIOR:
		m_pGrid->MoveCurrentRow(GridWindow::MOVE_PAGE_BACK);
		break;
	case VK_NEXT:
		m_pGrid->MoveCurrentRow(GridWindow::MOVE_PAGE_FORWARD);
		break;
	case VK_HOME:
		if (bControl)
			m_pGrid->MoveCurrentRow(GridWindow::MOVE_FIRST);
		else
			m_pGrid->MoveCurrentColumn(GridWindow::MOVE_FIRST);
		break;
	case VK_END:
		if (bControl)
			m_pGrid->MoveCurrentRow(GridWindow::MOVE_LAST);
		else
			m_pGrid->MoveCurrentColumn(GridWindow::MOVE_LAST);
		break;
	case VK_LEFT:
		m_pGrid->GotoColumn(static_cast<int>(MoveBy(nCol, -nStep, INT_MAX)));
		break;
	case VK_RIGHT:
		m_pGrid->GotoColumn(static_cast<int>(MoveBy(nCol, nStep, INT_MAX)));
		break;
	case VK_UP:
		m_pGrid->GotoRow(static_cast<long>(MoveBy(nRow, -nStep, LONG_MAX)));
		break;
	case VK_DOWN:
		m_pGrid->GotoRow(static_cast<long>(MoveBy(nRow, nStep, LONG_MAX)));
		break;
	default:
		break;
	}
}

void CellView::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
	m_nKeyRepeatCount = 0;
	CWnd::OnKeyUp(nChar, nRepCnt, nFlags);
}

void CellView::OnChar(UINT nChar, UINT, UINT)
{
	UINT nKey = nChar;
	const int nCol = m_pSheet->m_nCurrentColumn;
	const long nRow = m_pSheet->m_nCurrentRow;
	BOOL bHandled = FALSE;
	if (nCol >= 0 && nRow >= 0)
	{
		GridCell cell;
		m_pGrid->GetCellWithDefaults(nCol, nRow, &cell);
		bHandled = m_pGrid->GetCellType(cell.GetCellType())->OnChar(nCol, nRow, &nKey);
	}
	m_pGrid->NotifyChar(&nKey, bHandled);
	// A character nobody took starts an edit of the current cell with it; NotifyChar may clear it.
	const BOOL bTyped = nKey >= 0x20 && nKey != 0x7F;
	if (!bHandled && bTyped && nCol >= 0 && nRow >= 0)
		m_pGrid->StartEdit(nCol, nRow, nKey);
}

BOOL CellView::OnMouseWheel(UINT, short zDelta, CPoint)
{
	m_nWheelDelta += zDelta;
	const int nNotches = m_nWheelDelta / WHEEL_DELTA;
	m_nWheelDelta -= nNotches * WHEEL_DELTA;
	if (nNotches != 0)
		m_pGrid->SetTopRow(m_pSheet->m_nTopRow - WHEEL_ROWS_PER_NOTCH * static_cast<long>(nNotches));
	return TRUE;
}
