// The cell view's update after a commit: scrolling its pixels and drawing only what the scroll
// uncovered leaves the same pixels as drawing everything again.
#include "tests/grid_window/GridPaintFixture.h"

#include <algorithm>
#include <cstdlib>

namespace
{
	struct ScrollCase
	{
		const char* name;
		long nLockedRows;
		int nLockedColumns;
		int nFromLeft;
		long nFromTop;
		int nToLeft;
		long nToTop;
		BOOL bOffscreen;
	};

	void PrintTo(const ScrollCase& c, std::ostream* os)
	{
		*os << c.name;
	}
}

class CellViewUpdateTest : public GridPaintTest, public ::testing::WithParamInterface<ScrollCase>
{
};

TEST_P(CellViewUpdateTest, ScrolledUpdateEqualsAFullRepaint)
{
	const ScrollCase& c = GetParam();
	Fill(8, 60);
	m_grid.SetColumnWidth(2, 40);
	m_grid.SetRowHeight(4, 33);
	m_grid.SetLockedRows(c.nLockedRows);
	m_grid.SetLockedColumns(c.nLockedColumns);
	View()->SetOffscreen(c.bOffscreen);
	SheetSettings& sheet = Sheet();
	sheet.m_nLeftColumn = c.nFromLeft;
	sheet.m_nTopRow = c.nFromTop;
	sheet.m_nCurrentColumn = sheet.m_nPrevCurrentColumn = c.nFromLeft + 1;
	sheet.m_nCurrentRow = sheet.m_nPrevCurrentRow = c.nFromTop + 2;
	View()->SendMessage(WM_SETFOCUS);
	PaintCells();
	const size_t nFullDraws = m_type.m_drawn.size();
	m_type.m_drawn.clear();
	CRect rcPending;
	ASSERT_FALSE(View()->GetUpdateRect(&rcPending));

	sheet.m_nPrevLeftColumn = c.nFromLeft;
	sheet.m_nPrevTopRow = c.nFromTop;
	sheet.m_nLeftColumn = c.nToLeft;
	sheet.m_nTopRow = c.nToTop;
	sheet.m_nCurrentColumn = c.nToLeft + 2;
	sheet.m_nCurrentRow = c.nToTop + 1;
	View()->UpdateAfterCommit();
	EXPECT_LT(m_type.m_drawn.size(), nFullDraws) << "only what the scroll uncovered";
	const std::vector<COLORREF> updated = ViewPixels();

	PaintCells();
	const std::vector<COLORREF> repainted = ViewPixels();
	ASSERT_EQ(updated.size(), repainted.size());
	const int nWidth = GetSurfaceSize(View()).cx;
	int nDiffering = 0;
	for (size_t i = 0; i < updated.size(); i++)
	{
		if (updated[i] != repainted[i] && nDiffering++ < 5)
			ADD_FAILURE() << "pixel " << i % nWidth << "," << i / nWidth;
	}
	EXPECT_EQ(nDiffering, 0);
}

INSTANTIATE_TEST_SUITE_P(Shifts, CellViewUpdateTest,
	::testing::Values(ScrollCase{"DownOneRow", 0, 0, 0, 0, 0, 1, FALSE},
		ScrollCase{"DownOneRowOffscreen", 0, 0, 0, 0, 0, 1, TRUE},
		ScrollCase{"UpThreeRowsPastATallOne", 0, 0, 0, 6, 0, 3, FALSE},
		ScrollCase{"RightAndDownWithLockedBands", 1, 1, 1, 1, 3, 3, FALSE},
		ScrollCase{"LeftWithLockedBands", 1, 1, 4, 2, 3, 2, FALSE},
		ScrollCase{"DownWithLockedBandsOffscreen", 2, 1, 1, 2, 1, 5, TRUE}),
	[](const ::testing::TestParamInfo<ScrollCase>& info) { return std::string(info.param.name); });

TEST_F(GridPaintTest, ScrollIsMeasuredFromTheViewAsDrawnEvenWhenLockingMovedIt)
{
	Fill(8, 60);
	m_grid.SetLockedColumns(1);
	PaintCells();
	ASSERT_EQ(Sheet().m_nLeftColumn, 1);
	m_grid.SetTopRow(3);
	View()->UpdateWindow();
	const std::vector<COLORREF> updated = ViewPixels();
	PaintCells();
	EXPECT_TRUE(updated == ViewPixels());
}

// Eleven rows of 20 fill the 220 pixels of the view. Moving the current cell from (1, 3) to
// (2, 11) scrolls by one row: row 11, uncovered, the row that was at the bottom edge (a paint
// may have cut it) and the cell left behind are drawn, nothing else.
TEST_F(GridPaintTest, AOneRowScrollDrawsTheUncoveredRowAndTheTwoCurrentCellsOnly)
{
	Fill(3, 60);
	View()->SendMessage(WM_SETFOCUS);
	ASSERT_EQ(0, m_grid.GotoCell(1, 3));
	View()->UpdateWindow();
	m_type.m_drawn.clear();

	ASSERT_EQ(0, m_grid.GotoCell(2, 11));
	View()->UpdateWindow();
	EXPECT_EQ(1, Sheet().m_nTopRow);
	std::vector<std::string> drawn;
	for (const DrawnCell& cell : m_type.m_drawn)
		drawn.push_back(std::to_string(cell.nCol) + "," + std::to_string(cell.nRow) + (cell.bCurrent ? " current" : ""));
	std::sort(drawn.begin(), drawn.end());
	drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
	EXPECT_EQ((std::vector<std::string>{"0,10", "0,11", "1,10", "1,11", "1,3", "2,10", "2,11 current"}), drawn);
	EXPECT_EQ(7u, m_type.m_drawn.size());
}
