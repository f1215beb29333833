// The demonstration's grid: a sheet of a million rows whose cells are made as they are drawn and
// can be selected in blocks, and a sheet that shows every look the grid has.
#pragma once

#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/gdi/Pen.h"
#include "grid/window/GridWindow.h"

constexpr int DEMO_SHEET_MILLION = 0;
constexpr int DEMO_SHEET_FEATURES = 1;

class DemoGrid : public GridWindow
{
public:
	DemoGrid();

	// Fills both sheets and their tabs; the window must exist.
	void Populate();
	// Opens the find/replace dialog, or brings back the one that is open.
	void ShowFindDialog();

	void NotifySheetTab(int nSheet) override;
	void ProvideCell(int nCol, long nRow, GridCell* pCell) override;
	int ProvideRowScrollHint(long nRow, CString* pText) override;
	int ProvideColumnScrollHint(int nCol, CString* pText) override;
	int AllowMenu(int nCol, long nRow, int nSection) override;
	void NotifyMenuCommand(int nCol, long nRow, int nSection, UINT nItem) override;

private:
	void PopulateMillion();
	// The right button's menu and the cells' tips, on the current sheet.
	void EnableMenuAndTips();
	void PopulateFeatures();
	void SetHeadings(LPCSTR const* pTitles, int nCount);
	void PopulateLooks();
	void DrawPicture();

	CFont m_font;
	CFont m_boldFont;
	CPen m_redPen;
	// A small oscilloscope picture for the cells that show a bitmap.
	CBitmap m_picture;
};
