// The drop-list type's mouse and keys: the button opens the list or closes it, Enter and
// Ctrl+Down open it from the keyboard.
#include "grid/celltypes/DropListCellType.h"

#include "framework/ui/system/SystemServices.h"
#include "grid/window/CellView.h"
#include "grid/window/GridWindow.h"

BOOL DropListCellType::IsListCell(int nCol, long nRow) const
{
	return m_nListCol == nCol && m_nListRow == nRow;
}

void DropListCellType::RedrawCell(int nCol, long nRow)
{
	if (m_pGrid != nullptr)
		m_pGrid->RedrawRange(nCol, nRow, nCol, nRow);
}

BOOL DropListCellType::OnLButton(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT* pPoint)
{
	if (m_pGrid == nullptr || pRect == nullptr || pPoint == nullptr)
		return FALSE;
	if (!bDown)
	{
		if (!m_bPressed)
			return FALSE;
		m_bPressed = FALSE;
		RedrawCell(m_nListCol, m_nListRow);
		return TRUE;
	}
	m_pGrid->GetCellWithDefaults(nCol, nRow, &m_cell);
	const CRect rcButton = GetButtonRect(*pRect, &m_cell);
	if (!HasButton(nCol, nRow, &m_cell) || !rcButton.PtInRect(*pPoint))
	{
		if (m_nListCol == CLOSED_BY_FOCUS_LOSS)
			m_nListCol = m_nListRow = NO_LIST;
		return FALSE;
	}
	const BOOL bOpenHere = IsListCell(nCol, nRow) && m_listBox.GetSafeHwnd() != nullptr;
	if (bOpenHere || m_nListCol == CLOSED_BY_FOCUS_LOSS)
	{
		if (m_listBox.GetSafeHwnd() != nullptr)
			m_listBox.CloseList();
		m_nListCol = m_nListRow = NO_LIST;
		return TRUE;
	}
	m_bPressed = TRUE;
	m_nListCol = nCol;
	m_nListRow = nRow;
	m_rcButton = rcButton;
	RedrawCell(nCol, nRow);
	ShowList(nCol, nRow, *pRect);
	return TRUE;
}

BOOL DropListCellType::OnDoubleClick(int nCol, long nRow, RECT* pRect, POINT* pPoint)
{
	return OnLButton(nCol, nRow, TRUE, pRect, pPoint);
}

BOOL DropListCellType::OnMouseMove(int nCol, long nRow, POINT* pPoint, UINT nKeyFlags)
{
	if (pPoint == nullptr || (nKeyFlags & MK_LBUTTON) == 0 || !IsListCell(nCol, nRow)
		|| m_listBox.GetSafeHwnd() != nullptr)
		return FALSE;
	const BOOL bInside = m_rcButton.PtInRect(*pPoint);
	if (bInside != m_bPressed)
	{
		m_bPressed = bInside;
		RedrawCell(nCol, nRow);
	}
	return TRUE;
}

BOOL DropListCellType::OnKeyDown(int nCol, long nRow, UINT* pnKey)
{
	if (pnKey == nullptr || m_pGrid == nullptr)
		return FALSE;
	const BOOL bOpens = *pnKey == VK_RETURN || (*pnKey == VK_DOWN && GetKeyState(VK_CONTROL) < 0);
	if (!bOpens)
		return FALSE;
	const CellView* pView = m_pGrid->GetCellView();
	if (pView != nullptr)
	{
		m_nListCol = nCol;
		m_nListRow = nRow;
		ShowList(nCol, nRow, pView->GetCurrentCellRect());
	}
	*pnKey = 0;
	return TRUE;
}

BOOL DropListCellType::OnChar(int, long, UINT* pnKey)
{
	// The characters of the keys that open the list must not reach the editor.
	return pnKey != nullptr && (*pnKey == '\r' || *pnKey == static_cast<UINT>(VK_DOWN));
}

void DropListCellType::OnFocusLost(int, long, GridCell*)
{
	if (m_listBox.GetSafeHwnd() != nullptr)
		m_listBox.CloseList();
	m_bPressed = FALSE;
	m_nListCol = m_nListRow = NO_LIST;
}
