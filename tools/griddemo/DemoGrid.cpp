// The demonstration's two sheets: a million rows made on demand, and every cell type, border,
// alignment, colour, join, locked row and column and heading look side by side. Text cells of
// both are edited in place by typing, a double click or F2; Enter stores, Esc cancels.
#include "tools/griddemo/DemoGrid.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/system/SystemServices.h"
#include "grid/celltypes/ArrowCellType.h"
#include "grid/celltypes/CheckBoxCellType.h"
#include "grid/layout/GridLayout.h"
#include "grid/window/SheetTabBar.h"

namespace
{
constexpr long MILLION_ROWS = 1000000;
constexpr int MILLION_COLUMNS = 8;
constexpr int FEATURE_COLUMNS = 12;
constexpr long FEATURE_ROWS = 40;
constexpr int TAB_BAR_WIDTH = 240;
} // namespace

DemoGrid::DemoGrid() : m_redPen(PS_SOLID, 1, RGB(200, 0, 0))
{
	m_font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
		DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
	m_boldFont.CreateFont(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
		DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
}

void DemoGrid::Populate()
{
	SetSheetCount(2);
	SheetTabBar* pTabs = GetTabBar();
	pTabs->AddTab("Un milione di righe", DEMO_SHEET_MILLION, RGB(0, 0, 0), GetSysColor(COLOR_BTNFACE));
	pTabs->AddTab("Tutto", DEMO_SHEET_FEATURES, RGB(0, 0, 128), RGB(255, 255, 200));

	SelectSheet(DEMO_SHEET_FEATURES, FALSE);
	PopulateFeatures();
	EnableMenuAndTips();
	SelectSheet(DEMO_SHEET_MILLION, FALSE);
	PopulateMillion();
	EnableMenuAndTips();
	SetTabBarWidth(TAB_BAR_WIDTH);
	pTabs->SetCurrentTab(DEMO_SHEET_MILLION);
	LayoutChildren();
}

void DemoGrid::EnableMenuAndTips()
{
	SheetSettings& sheet = *GetSheet();
	sheet.m_bContextMenu = TRUE;
	sheet.m_bCellTooltips = TRUE;
}

void DemoGrid::NotifySheetTab(int nSheet)
{
	SelectSheet(nSheet, TRUE);
}

void DemoGrid::SetHeadings(LPCSTR const* pTitles, int nCount)
{
	for (int nCol = 0; nCol < nCount; ++nCol)
		SetCellText(nCol, -1, pTitles[nCol]);
}

void DemoGrid::PopulateMillion()
{
	SheetSettings& sheet = *GetSheet();
	SetDefaultFont(&m_font);
	SetSideHeadingWidth(70);
	SetColumnCount(MILLION_COLUMNS, FALSE);
	SetRowCount(MILLION_ROWS, FALSE);
	static LPCSTR const s_titles[MILLION_COLUMNS] = {"Riga", "A", "B", "C", "D", "E", "F", "G"};
	SetHeadings(s_titles, MILLION_COLUMNS);
	sheet.m_bVScrollTooltips = TRUE;
	sheet.m_bHScrollTooltips = TRUE;
	sheet.m_nVScrollMode = GRID_SCROLL_WHILE_TRACKING;
	// Headings dragged sideways move their columns; edges dragged size them.
	sheet.m_bColumnMoving = TRUE;
	// Blocks of cells: Ctrl+click adds one, Shift+click or Shift+arrows stretch the last, and a
	// drag past an edge keeps selecting, the faster the farther out the mouse is.
	sheet.m_bMultipleSelection = TRUE;
	sheet.m_nDragScrollExponent = 2;
	sheet.m_nDragScrollDelay = 80;
}

// The million rows are not stored: each cell is made when it is drawn, from the column's data
// column so that a moved column keeps its cells.
void DemoGrid::ProvideCell(int nCol, long nRow, GridCell* pCell)
{
	if (GetCurrentSheet() != DEMO_SHEET_MILLION || nRow < 0 || pCell->IsSet(GCP_TEXT))
		return;
	const int nData = GetDataSourceColumn(nCol);
	CString strText;
	if (nData < 0)
		strText.Format("%ld", nRow + 1);
	else if (nData == 0)
		strText.Format("%ld", nRow);
	else
		strText.Format("%c%ld", 'A' + nData - 1, nRow + 1);
	pCell->SetText(strText);
	// The row numbers are the sheet's own: typing on them opens no editor.
	if (nData == 0)
	{
		pCell->SetAlignment(GCA_RIGHT);
		pCell->SetReadOnly(TRUE);
	}
}

int DemoGrid::ProvideRowScrollHint(long nRow, CString* pText)
{
	pText->Format("Riga %ld", nRow + 1);
	return 1;
}

int DemoGrid::ProvideColumnScrollHint(int nCol, CString* pText)
{
	pText->Format("Colonna %d", nCol + 1);
	return 1;
}

void DemoGrid::PopulateFeatures()
{
	SetDefaultFont(&m_font);
	SetColumnCount(FEATURE_COLUMNS, FALSE);
	SetRowCount(FEATURE_ROWS, FALSE);
	SetTopHeadingRows(2);
	static LPCSTR const s_titles[FEATURE_COLUMNS] = {"Voce", "Casella", "Elenco", "Freccia", "Numero", "Bordi",
		"A capo", "Puntini", "Colori", "Unite", "Allineamento", "Immagine"};
	SetHeadings(s_titles, FEATURE_COLUMNS);

	// A heading over the first four columns, joined on the upper heading row.
	GridCell cell;
	cell.SetText("Tipi di cella");
	cell.SetJoin(TRUE, 3, 0);
	SetCell(0, -2, &cell);
	for (int nCol = 1; nCol < 4; ++nCol)
	{
		GridCell member;
		member.SetJoin(FALSE, -nCol, 0);
		SetCell(nCol, -2, &member);
	}
	SetCellText(4, -2, "Aspetto");

	SetLockedColumns(1);
	SetLockedRows(1);
	// Two heading columns: the row's number next to the cells, its group further out.
	SetSideHeadingColumns(2);
	SetSideHeadingColumnWidth(-1, 30);
	SetSideHeadingColumnWidth(-2, 70);
	for (long nRow = 0; nRow < FEATURE_ROWS; ++nRow)
	{
		CString strText;
		strText.Format(nRow == 0 ? "Bloccata" : "Voce %ld", nRow);
		SetCellText(0, nRow, strText);
		strText.Format("%ld", nRow + 1);
		SetCellText(-1, nRow, strText);
		// Each group heading joins the four rows it names; the locked row has its own.
		GridCell group;
		const long nGroupStart = nRow == 0 ? 0 : (nRow - 1) / 4 * 4 + 1;
		if (nRow == nGroupStart)
		{
			if (nRow == 0)
				strText = "Fissa";
			else
				strText.Format("Gruppo %ld", (nRow - 1) / 4 + 1);
			group.SetText(strText);
			group.SetJoin(TRUE, 0, nRow == 0 ? 0 : 3);
		}
		else
			group.SetJoin(FALSE, 0, nGroupStart - nRow);
		SetCell(-2, nRow, &group);

		GridCell check;
		check.SetCellType(GRID_TYPE_CHECKBOX);
		check.SetLabel(nRow % 2 == 0 ? "Sì" : "No");
		check.SetNumber(nRow % 2 == 0 ? 1 : 0);
		check.SetCellTypeStyle(nRow % 3 == 0 ? GCS_CHECK_SUNKEN | GCS_CHECK_TICK : 0);
		SetCell(1, nRow, &check);

		GridCell list;
		list.SetCellType(GRID_TYPE_DROPLIST);
		list.SetLabel("A.M.\nD.S.B.-S.C.\nS.S.B.-U.S.B.\nS.S.B.-L.S.B.\nV.S.B.\nFM\nPM\n");
		list.SetText("A.M.");
		SetCell(2, nRow, &list);

		GridCell arrow;
		arrow.SetCellType(GRID_TYPE_ARROW);
		static const int s_arrows[] = {GCS_ARROW_RIGHT, GCS_ARROW_LEFT, GCS_ARROW_APART, GCS_ARROW_TOGETHER};
		arrow.SetCellTypeStyle(s_arrows[nRow % 4]);
		SetCell(3, nRow, &arrow);

		GridCell number;
		number.SetDecimals(static_cast<int>(nRow % 4));
		number.SetNumber(3.14159265 * static_cast<double>(nRow));
		number.SetAlignment(GCA_RIGHT | GCA_VCENTER);
		SetCell(4, nRow, &number);
	}

	GridCell border;
	border.SetText("sottile");
	border.SetBorder(GCB_LEFT | GCB_TOP | GCB_RIGHT | GCB_BOTTOM);
	border.SetBorderPen(&m_redPen);
	SetCell(5, 1, &border);
	border.SetText("doppio");
	border.SetBorder(GCB_LEFT2 | GCB_TOP2 | GCB_RIGHT2 | GCB_BOTTOM2);
	SetCell(5, 2, &border);
	border.SetText("incassato");
	border.SetBorder(GCB_SUNKEN);
	SetCell(5, 3, &border);
	border.SetText("rilievo");
	border.SetBorder(GCB_RAISED);
	border.SetAlignment(GCA_CENTER | GCA_VCENTER);
	SetCell(5, 4, &border);

	GridCell wrap;
	wrap.SetText("Un testo lungo che va a capo dentro la sua cella");
	wrap.SetCellTypeStyle(GCS_WORDWRAP);
	SetCell(6, 1, &wrap);
	SetRowHeight(1, 44);
	GridCell dots;
	dots.SetText("Un testo lungo tagliato con i puntini");
	dots.SetCellTypeStyle(GCS_ELLIPSIS);
	SetCell(7, 1, &dots);
	SetCellText(6, 3, "Un testo che prosegue nelle celle vuote alla sua destra");

	static const COLORREF s_backs[] = {RGB(255, 220, 220), RGB(220, 255, 220), RGB(220, 220, 255), RGB(40, 40, 40)};
	for (long nRow = 1; nRow < 5; ++nRow)
	{
		GridCell colour;
		colour.SetText(nRow == 4 ? "grassetto" : "colore");
		colour.SetBackColor(s_backs[nRow - 1]);
		colour.SetTextColor(nRow == 4 ? RGB(255, 255, 0) : RGB(0, 0, 0));
		if (nRow == 4)
			colour.SetFont(&m_boldFont);
		SetCell(8, nRow, &colour);
	}

	GridCell joined;
	joined.SetText("Quattro celle unite");
	joined.SetAlignment(GCA_CENTER | GCA_VCENTER);
	joined.SetBackColor(RGB(255, 255, 200));
	joined.SetJoin(TRUE, 0, 3);
	SetCell(9, 1, &joined);
	for (long nRow = 2; nRow <= 4; ++nRow)
	{
		GridCell member;
		member.SetJoin(FALSE, 0, -(nRow - 1));
		SetCell(9, nRow, &member);
	}
	SetColumnWidth(9, 110);
	PopulateLooks();
	GetSheet()->m_nHighlightStyle = GRID_HIGHLIGHT_CURRENT;
}

void DemoGrid::PopulateLooks()
{
	static const WORD s_alignments[] = {0, GCA_CENTER, GCA_RIGHT, GCA_VCENTER, GCA_CENTER | GCA_VCENTER,
		GCA_RIGHT | GCA_BOTTOM};
	static LPCSTR const s_names[] = {"sinistra", "centro", "destra", "in mezzo", "al centro", "in basso"};
	for (long nRow = 1; nRow <= 6; ++nRow)
	{
		GridCell cell;
		cell.SetText(s_names[nRow - 1]);
		cell.SetAlignment(s_alignments[nRow - 1]);
		SetCell(10, nRow, &cell);
	}
	SetColumnWidth(10, 90);

	DrawPicture();
	for (long nRow = 1; nRow <= 2; ++nRow)
	{
		GridCell cell;
		cell.SetBitmap(&m_picture);
		cell.SetText(nRow == 1 ? "portante" : "");
		SetCell(11, nRow, &cell);
	}
	SetColumnWidth(11, 100);
}

void DemoGrid::DrawPicture()
{
	CDC dc;
	dc.CreateCompatibleDC(nullptr);
	m_picture.CreateCompatibleBitmap(&dc, 24, 16);
	CBitmap* pOld = dc.SelectObject(&m_picture);
	dc.FillSolidRect(0, 0, 24, 16, RGB(0, 0, 0));
	CPen trace(PS_SOLID, 1, RGB(0, 255, 0));
	CPen* pOldPen = dc.SelectObject(&trace);
	static const int s_wave[] = {8, 4, 2, 4, 8, 12, 14, 12, 8, 4, 2, 4, 8};
	dc.MoveTo(0, s_wave[0]);
	for (int i = 1; i < 13; ++i)
		dc.LineTo(i * 2, s_wave[i]);
	dc.SelectObject(pOldPen);
	dc.SelectObject(pOld);
}
