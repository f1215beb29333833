// The grid's context menu: an empty pop-up the derived class fills, opened by right presses in
// the cells, the headings, the corner and the scroll bars. Its commands from 1000 up reach
// NotifyMenuCommand together with the place the menu was opened for.
#include "grid/window/GridWindow.h"

#include "grid/window/GridJoinedBlock.h"

namespace
{
// Below this the ids are the application's own commands, which the grid leaves alone.
constexpr UINT FIRST_GRID_MENU_COMMAND = 1000;
}

CMenu* GridWindow::GetPopupMenu()
{
	return &m_popupMenu;
}

int GridWindow::OpenContextMenu(int nCol, long nRow, int nSection, CPoint ptScreen)
{
	const SheetSettings& sheet = *m_pSheet;
	if (!sheet.m_bContextMenu)
		return 1;
	if (sheet.m_bJoins && nCol >= 0 && nRow >= 0 && nCol < sheet.m_nColumnCount && nRow < sheet.m_nRowCount)
	{
		GridCell cell;
		GetCellWithDefaults(nCol, nRow, &cell);
		const GridCellBlock limits{0, 0, sheet.m_nColumnCount - 1, sheet.m_nRowCount - 1};
		GridCellBlock block{nCol, nRow, nCol, nRow};
		if (GridFindJoinedBlock(this, nCol, nRow, limits, &cell, &block))
		{
			nCol = block.m_nFirstCol;
			nRow = block.m_nFirstRow;
		}
	}
	if (AllowMenu(nCol, nRow, nSection) == 0)
		return 2;
	m_nMenuColumn = nCol;
	m_nMenuRow = nRow;
	m_nMenuSection = nSection;
	// A menu the derived class left empty would open as a bare frame.
	if (m_popupMenu.GetMenuItemCount() == 0)
		return 0;
	m_popupMenu.TrackPopupMenu(TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, this);
	return 0;
}

BOOL GridWindow::OnCommand(WPARAM wParam, LPARAM lParam)
{
	const UINT nID = LOWORD(wParam);
	if (lParam == 0 && nID >= FIRST_GRID_MENU_COMMAND)
		NotifyMenuCommand(m_nMenuColumn, m_nMenuRow, m_nMenuSection, nID);
	return CWnd::OnCommand(wParam, lParam);
}
