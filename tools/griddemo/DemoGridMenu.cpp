// The demonstration's context menu: a few commands for the cell, the column heading, the row
// heading, the corner and the scroll bars the right button was pressed on.
#include "tools/griddemo/DemoGrid.h"

namespace
{
constexpr UINT ID_CLEAR_CELL = 1000;
constexpr UINT ID_HIDE_COLUMN = 1001;
constexpr UINT ID_SHOW_COLUMNS = 1002;
constexpr UINT ID_GO_FIRST_ROW = 1003;
constexpr UINT ID_GO_LAST_ROW = 1004;
constexpr int SHOWN_COLUMN_WIDTH = 75;
} // namespace

int DemoGrid::AllowMenu(int nCol, long nRow, int nSection)
{
	CMenu* pMenu = GetPopupMenu();
	while (pMenu->GetMenuItemCount() > 0)
		pMenu->DeleteMenu(0, MF_BYPOSITION);
	switch (nSection)
	{
	case GRID_SECTION_CELLS:
	{
		GridCell cell;
		GetCellWithDefaults(nCol, nRow, &cell);
		pMenu->AppendMenu(cell.IsReadOnly() ? MF_STRING | MF_GRAYED : MF_STRING, ID_CLEAR_CELL, "&Svuota cella");
		break;
	}
	case GRID_SECTION_TOPHEADING:
		pMenu->AppendMenu(MF_STRING, ID_HIDE_COLUMN, "&Nascondi colonna");
		pMenu->AppendMenu(MF_STRING, ID_SHOW_COLUMNS, "&Mostra tutte le colonne");
		break;
	case GRID_SECTION_CORNER:
		pMenu->AppendMenu(MF_STRING, ID_SHOW_COLUMNS, "&Mostra tutte le colonne");
		break;
	default:
		pMenu->AppendMenu(MF_STRING, ID_GO_FIRST_ROW, "Vai alla &prima riga");
		pMenu->AppendMenu(MF_STRING, ID_GO_LAST_ROW, "Vai all'&ultima riga");
		break;
	}
	return 1;
}

void DemoGrid::NotifyMenuCommand(int nCol, long nRow, int, UINT nItem)
{
	switch (nItem)
	{
	case ID_CLEAR_CELL:
		SetCellText(nCol, nRow, "");
		RedrawRange(nCol, nRow, nCol, nRow);
		break;
	case ID_HIDE_COLUMN:
		SetColumnWidth(nCol, 0);
		RedrawAll();
		break;
	case ID_SHOW_COLUMNS:
		for (int nColumn = 0; nColumn < GetColumnCount(); ++nColumn)
		{
			int nWidth = 0;
			GetColumnWidth(nColumn, &nWidth);
			if (nWidth == 0)
				SetColumnWidth(nColumn, SHOWN_COLUMN_WIDTH);
		}
		RedrawAll();
		break;
	case ID_GO_FIRST_ROW:
		GotoRow(0);
		break;
	case ID_GO_LAST_ROW:
		GotoRow(GetRowCount() - 1);
		break;
	default:
		break;
	}
}
