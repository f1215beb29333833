// A column dragged by its heading: it is drawn pressed while the insertion point follows the
// mouse, marked by a line in the cell view; beside the heading the view scrolls a column a step
// in a loop of its own that hands on waiting messages; on release the grid moves the column.
#include "grid/window/ColumnMoving.h"

#include "framework/ui/window/MessagePump.h"
#include "framework/ui/system/SystemServices.h"
#include "grid/window/CellView.h"
#include "grid/window/GridHeadings.h"
#include "grid/window/GridViewWalk.h"
#include "grid/window/GridWindow.h"
#include "grid/window/SheetAxes.h"

#include <algorithm>

namespace
{
	// The pause between two steps is handed out in slices so that the mouse is answered quickly.
	constexpr DWORD WAIT_SLICE = 10;
}

ColumnMoveDrag::ColumnMoveDrag()
	: m_pGrid(nullptr)
	, m_pHeading(nullptr)
	, m_bActive(FALSE)
	, m_nFrom(-1)
	, m_nInsertion(-1)
{
}

BOOL ColumnMoveDrag::IsActive() const
{
	return m_bActive;
}

int ColumnMoveDrag::GetInsertion() const
{
	return m_nInsertion;
}

BOOL ColumnMoveDrag::Begin(GridWindow* pGrid, int nCol)
{
	if (!pGrid->AllowColumnMoveStart(nCol))
		return FALSE;
	m_pGrid = pGrid;
	m_pHeading = pGrid->GetTopHeading();
	m_bActive = TRUE;
	m_nFrom = nCol;
	// Until the mouse moves the column stays where it is.
	m_nInsertion = nCol;
	m_pHeading->m_nPressedColumn = nCol;
	m_pHeading->RedrawColumns(nCol, nCol);
	return TRUE;
}

void ColumnMoveDrag::Move(CPoint point)
{
	if (!m_bActive)
		return;
	CRect rcHeading;
	m_pHeading->GetClientRect(&rcHeading);
	if (point.x < 0)
		ScrollBeside(-1);
	else if (point.x >= rcHeading.right)
		ScrollBeside(1);
	else
		FollowMouse(point.x);
}

void ColumnMoveDrag::FollowMouse(int x)
{
	const SheetSettings& sheet = *m_pGrid->GetSheet();
	CRect rcHeading;
	m_pHeading->GetClientRect(&rcHeading);
	const SheetColumnAxis columns(sheet);
	GridViewWalk walk(columns, sheet.m_nLockedColumns, sheet.m_nLeftColumn, rcHeading.Width());
	int nInsertion = sheet.m_nColumnCount;
	int nLineX = 0;
	while (walk.Next())
	{
		nLineX = walk.GetEnd();
		if (x >= walk.GetEnd())
			continue;
		const BOOL bRightHalf = x >= walk.GetStart() + walk.GetSize() / 2;
		nInsertion = static_cast<int>(walk.GetPosition()) + (bRightHalf ? 1 : 0);
		nLineX = bRightHalf ? walk.GetEnd() : walk.GetStart();
		break;
	}
	m_nInsertion = std::min(nInsertion, sheet.m_nColumnCount);
	CPoint ptLine(nLineX, 0);
	CellView* pView = m_pGrid->GetCellView();
	m_pHeading->MapWindowPoints(pView, &ptLine, 1);
	m_line.Show(pView, TRUE, ptLine.x);
}

void ColumnMoveDrag::ScrollBeside(int nDirection)
{
	SheetSettings& sheet = *m_pGrid->GetSheet();
	CRect rcHeading;
	m_pHeading->GetClientRect(&rcHeading);
	// Beside the heading the insertion point stays at the scrolling columns' near end.
	const int nEdgeX =
		std::max(0, nDirection < 0 ? std::min(sheet.m_nLockedColumnsWidth, rcHeading.right - 1) : rcHeading.right - 1);
	FollowMouse(nEdgeX);
	while (m_bActive)
	{
		const int nLeft = sheet.m_nLeftColumn;
		const int nNewLeft = nLeft + nDirection;
		if (nNewLeft < sheet.m_nLockedColumns || nNewLeft > sheet.m_nLastLeftColumn)
			return;
		m_line.Hide();
		m_pGrid->SetLeftColumn(nNewLeft);
		if (sheet.m_nLeftColumn == nLeft)
			return;
		m_pHeading->UpdateWindow();
		FollowMouse(nEdgeX);
		if (!PumpUntilNextStep())
			return;
	}
}

BOOL ColumnMoveDrag::PumpUntilNextStep()
{
	const DWORD nDelay = static_cast<DWORD>(std::max(0, m_pGrid->GetSheet()->m_nDragScrollDelay));
	const DWORD nStart = GetTickCount();
	for (;;)
	{
		MSG msg;
		while (PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE))
		{
			if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP)
				return FALSE;
			PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE);
			TranslateMessage(&msg);
			DispatchMessage(&msg);
			if (!m_bActive)
				return FALSE;
		}
		// A release taken by someone else, or the capture gone: nobody holds the column any more.
		if (GetKeyState(VK_LBUTTON) >= 0 || CWnd::GetCapture() != m_pHeading)
			return FALSE;
		const DWORD nWaited = GetTickCount() - nStart;
		if (nWaited >= nDelay)
			return TRUE;
		Sleep(std::min(WAIT_SLICE, nDelay - nWaited));
	}
}

void ColumnMoveDrag::End()
{
	if (!m_bActive)
		return;
	const int nFrom = m_nFrom;
	const int nInsertion = m_nInsertion;
	Unpress();
	// Before or after itself the column would not move: nothing to ask.
	if (nInsertion == nFrom || nInsertion == nFrom + 1)
		return;
	const int nTo = nFrom < nInsertion ? nInsertion - 1 : nInsertion;
	if (m_pGrid->AllowColumnMove(nFrom, nTo))
		m_pGrid->MoveColumn(nFrom, nInsertion, TRUE);
}

void ColumnMoveDrag::Cancel()
{
	if (m_bActive)
		Unpress();
}

void ColumnMoveDrag::Unpress()
{
	m_bActive = FALSE;
	m_line.Hide();
	m_pHeading->m_nPressedColumn = -1;
	m_pHeading->RedrawColumns(m_nFrom, m_nFrom);
	m_nFrom = -1;
	m_nInsertion = -1;
}
