// The drop-list type's list: its items from the cell's label, its size and place below the cell,
// and the chosen item written to the cell.
#include "grid/celltypes/DropListCellType.h"

#include "framework/core/StringList.h"
#include "framework/ui/gdi/Font.h"
#include "grid/window/CellView.h"
#include "grid/window/GridWindow.h"

#include <algorithm>
#include <cstdlib>

namespace
{

constexpr UINT LIST_ID = 123;
constexpr int LIST_OFFSET_X = 10;
constexpr int LIST_MAX_LINES = 16;
constexpr int ITEM_HEIGHT_WITHOUT_FONT = 12;

// Each item ends with a newline; what follows the last one is no item.
void SplitItems(const CString& strLabel, CStringList* pItems)
{
	int nStart = 0;
	for (int nEnd = strLabel.Find('\n'); nEnd >= 0; nEnd = strLabel.Find('\n', nStart))
	{
		pItems->AddTail(strLabel.Mid(nStart, nEnd - nStart));
		nStart = nEnd + 1;
	}
}

int ItemHeight(CFont* pFont)
{
	LOGFONT logFont = {};
	if (pFont == nullptr || pFont->GetLogFont(&logFont) == 0)
		return ITEM_HEIGHT_WITHOUT_FONT;
	return std::abs(logFont.lfHeight);
}

// Below the cell and a little to the right, with room for one line more than the items (at
// most 16), moved back inside the view where it would leave it, but never past its top left.
CRect ListRect(const RECT& rcCell, int nItems, int nItemHeight, const RECT& rcView)
{
	const int nHeight = std::min(nItems + 1, LIST_MAX_LINES) * nItemHeight + 2;
	CRect rc(rcCell.left + LIST_OFFSET_X, rcCell.bottom, rcCell.right + LIST_OFFSET_X, rcCell.bottom + nHeight);
	if (rc.bottom > rcView.bottom)
		rc.OffsetRect(0, -std::min(static_cast<int>(rc.bottom - rcView.bottom), static_cast<int>(rc.top)));
	if (rc.right > rcView.right)
		rc.OffsetRect(-std::min(static_cast<int>(rc.right - rcView.right), static_cast<int>(rc.left)), 0);
	return rc;
}

}

DropListBox* DropListCellType::GetListBox()
{
	return &m_listBox;
}

void DropListCellType::ShowList(int nCol, long nRow, const RECT& rcCell)
{
	CellView* pView = m_pGrid != nullptr ? m_pGrid->GetCellView() : nullptr;
	if (pView == nullptr || m_listBox.GetSafeHwnd() != nullptr)
		return;
	m_pGrid->GetCellWithDefaults(nCol, nRow, &m_cell);
	CStringList items;
	SplitItems(m_cell.GetLabel(), &items);
	m_pGrid->NotifyCellTypeEvent(m_nIndex, nCol, nRow, GRID_EVENT_LIST_SHOWING, reinterpret_cast<LPARAM>(&items));

	CFont* pFont = GetCellFont(&m_cell);
	CRect rcView;
	pView->GetClientRect(&rcView);
	const CRect rcList = ListRect(rcCell, items.GetCount(), ItemHeight(pFont), rcView);
	if (!m_listBox.Create(WS_CHILD | WS_BORDER | WS_VSCROLL, rcList, pView, LIST_ID))
		return;
	if (pFont != nullptr)
		m_listBox.SetFont(pFont, FALSE);
	for (POSITION pos = items.GetHeadPosition(); pos != nullptr;)
		m_listBox.AddString(items.GetNext(pos));
	// The item the cell holds is the one Enter takes.
	const int nCurrent = m_listBox.FindStringExact(-1, m_cell.GetText());
	if (nCurrent != LB_ERR)
		m_listBox.SetCurSel(nCurrent);
	m_listBox.ShowWindow(SW_SHOW);
	m_listBox.SetFocus();
	m_bPressed = FALSE;
	RedrawCell(nCol, nRow);
}

void DropListCellType::OnListChosen(LPCSTR lpszItem)
{
	const int nCol = m_nListCol;
	const long nRow = m_nListRow;
	if (m_pGrid == nullptr || nCol < 0 || nRow < 0)
		return;
	CString strItem(lpszItem);
	if (m_pGrid->NotifyCellTypeEvent(m_nIndex, nCol, nRow, GRID_EVENT_LIST_CHOSEN, reinterpret_cast<LPARAM>(&strItem))
		== 0)
		return;
	// Only the stored cell is written back: the column's defaults stay where they are.
	m_pGrid->GetCell(nCol, nRow, &m_cell);
	m_cell.SetText(strItem);
	m_pGrid->SetCell(nCol, nRow, &m_cell);
	RedrawCell(nCol, nRow);
}

void DropListCellType::OnListClosed(BOOL bByFocusLoss)
{
	m_bPressed = FALSE;
	m_nListCol = m_nListRow = bByFocusLoss ? CLOSED_BY_FOCUS_LOSS : NO_LIST;
	// The list covered cells below its own.
	CellView* pView = m_pGrid != nullptr ? m_pGrid->GetCellView() : nullptr;
	if (pView != nullptr && pView->GetSafeHwnd() != nullptr)
		pView->RedrawAllCells();
}
