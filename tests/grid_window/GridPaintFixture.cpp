// The shown grid whose cells the recording type draws.
#include "tests/grid_window/GridPaintFixture.h"


void GridPaintTest::SetUp()
{
	ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 360, 260), nullptr, 0));
	ASSERT_TRUE(m_grid.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 340, 240), &m_parent, 100));
	ASSERT_GT(m_grid.AddCellType(&m_type), 0);
}

void GridPaintTest::TearDown()
{
	m_grid.DestroyWindow();
	m_parent.DestroyWindow();
}

void GridPaintTest::Fill(int nCols, long nRows)
{
	ASSERT_EQ(m_grid.SetColumnCount(nCols, FALSE), 0);
	ASSERT_EQ(m_grid.SetRowCount(nRows, FALSE), 0);
	for (GridColumn& column : Sheet().m_columns)
		column.m_pDefaultCell->SetCellType(m_type.GetIndex());
	Sheet().m_headingDefaultCell.SetCellType(m_type.GetIndex());
	// No current cell and no focus, unless a test asks for them.
	Sheet().m_nCurrentColumn = Sheet().m_nPrevCurrentColumn = -1;
	Sheet().m_nCurrentRow = Sheet().m_nPrevCurrentRow = -1;
	View()->SendMessage(WM_KILLFOCUS);
	m_grid.RedrawAll();
	m_grid.UpdateWindow();
	m_parent.UpdateWindow();
	PaintCells();
	m_type.m_drawn.clear();
	m_grid.m_log.clear();
}

void GridPaintTest::PaintCells()
{
	View()->RedrawAllCells();
	View()->UpdateWindow();
}

std::vector<COLORREF> GridPaintTest::ViewPixels()
{
	const CSize size = GetSurfaceSize(View());
	std::vector<COLORREF> pixels;
	for (int y = 0; y < size.cy; y++)
	{
		for (int x = 0; x < size.cx; x++)
			pixels.push_back(ViewPixel(x, y));
	}
	return pixels;
}

std::string GridPaintTest::TakeDrawn()
{
	std::string text;
	for (const DrawnCell& drawn : m_type.m_drawn)
		text += (text.empty() ? "" : " ") + std::to_string(drawn.nCol) + "," + std::to_string(drawn.nRow);
	m_type.m_drawn.clear();
	return text;
}
