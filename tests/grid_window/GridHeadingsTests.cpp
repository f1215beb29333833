// The headings and the corner read back from the recorded draws and their pixels.
#include "tests/grid_window/GridPaintFixture.h"

#include "framework/ui/system/SystemServices.h"

namespace
{
	std::string Drawn(const std::vector<DrawnCell>& drawn)
	{
		std::string text;
		for (const DrawnCell& cell : drawn)
		{
			text += (text.empty() ? "" : " ") + std::to_string(cell.nCol) + "," + std::to_string(cell.nRow) + ":"
				+ std::to_string(cell.nSelected) + "@" + std::to_string(cell.rc.left) + "," + std::to_string(cell.rc.top)
				+ "," + std::to_string(cell.rc.right) + "," + std::to_string(cell.rc.bottom);
		}
		return text;
	}
}

TEST_F(GridPaintTest, TopHeadingDrawsThePressedColumnSelectedAndButtonFacePastTheColumns)
{
	Fill(3, 5);
	TopHeading* pTop = m_grid.GetTopHeading();
	pTop->m_nPressedColumn = 1;
	pTop->RedrawColumns(0, 2);
	pTop->UpdateWindow();
	EXPECT_EQ(Drawn(m_type.m_drawn), "0,-1:0@0,0,75,20 1,-1:1@75,0,150,20 2,-1:0@150,0,225,20");
	EXPECT_EQ(GetSurfacePixel(pTop, 100, 15), CellColour(1, -1, 1));
	EXPECT_EQ(GetSurfacePixel(pTop, 230, 10), GetSysColor(COLOR_BTNFACE));
	EXPECT_EQ(m_grid.m_log, "draw2");

	m_type.m_drawn.clear();
	pTop->m_nPressedColumn = -1;
	pTop->RedrawColumns(1, 1);
	pTop->UpdateWindow();
	EXPECT_EQ(Drawn(m_type.m_drawn), "1,-1:0@75,0,150,20");
}

TEST_F(GridPaintTest, HeadingsFollowTheViewAndDrawJoinedHeadingCellsOnce)
{
	Fill(4, 5);
	m_grid.SetLockedRows(1);
	Sheet().m_nTopRow = 3;
	Sheet().m_nLeftColumn = 1;
	GridCell cell;
	cell.SetJoin(TRUE, 1, 0);
	m_grid.SetCell(1, -1, &cell);
	cell.SetJoin(FALSE, -1, 0);
	m_grid.SetCell(2, -1, &cell);

	m_grid.GetTopHeading()->RedrawColumns(0, 3);
	m_grid.GetTopHeading()->UpdateWindow();
	EXPECT_EQ(Drawn(m_type.m_drawn), "1,-1:0@0,0,150,20 3,-1:0@150,0,225,20");

	m_type.m_drawn.clear();
	SideHeading* pSide = m_grid.GetSideHeading();
	pSide->RedrawRows(0, 4);
	pSide->UpdateWindow();
	EXPECT_EQ(Drawn(m_type.m_drawn), "-1,0:0@0,0,40,20 -1,3:0@0,20,40,40 -1,4:0@0,40,40,60");
	EXPECT_EQ(GetSurfacePixel(pSide, 20, 65), GetSysColor(COLOR_BTNFACE)) << "below the last row";
	EXPECT_EQ(m_grid.m_log, "draw2 draw3");
}

TEST_F(GridPaintTest, CornerDrawsItsCellOverItsWholeArea)
{
	Fill(2, 2);
	CornerButton* pCorner = m_grid.GetCornerButton();
	pCorner->Invalidate();
	pCorner->UpdateWindow();
	EXPECT_EQ(Drawn(m_type.m_drawn), "-1,-1:0@0,0,40,20");
	EXPECT_EQ(GetSurfacePixel(pCorner, 39, 19), CellColour(-1, -1));
	EXPECT_EQ(m_grid.m_log, "draw2");
}
