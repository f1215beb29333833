// Program moves of the current cell and the view: vetoes, joined blocks, positions past the ends,
// paging, and the cell under a point.
#include "tests/grid_window/MovesGridFixture.h"

namespace
{

using Log = std::vector<std::string>;

TEST_F(MovesGridTest, AVetoedMoveKeepsTheCurrentCellAndTheView)
{
	MakeSheet(3, 40, 1, 2);
	m_grid.m_nAllowMove = 0;
	EXPECT_EQ(2, m_grid.GotoCell(2, 30));
	EXPECT_EQ(2, m_grid.MoveCurrentRow(GridWindow::MOVE_PAGE_FORWARD));
	EXPECT_EQ(2, m_grid.GotoColumn(0));
	ExpectCurrent(1, 2);
	EXPECT_EQ(0, Sheet().m_nTopRow);
	EXPECT_EQ((Log{"allow 2,30", "allow 1,8", "allow 0,2"}), m_grid.m_log);
}

// A block of two columns and three rows with its origin at (1, 2).
void JoinBlock(GridWindow& grid)
{
	for (int nCol = 1; nCol <= 2; nCol++)
	{
		for (long nRow = 2; nRow <= 4; nRow++)
		{
			GridCell cell;
			if (nCol == 1 && nRow == 2)
				cell.SetJoin(TRUE, 1, 2);
			else
				cell.SetJoin(FALSE, 1 - nCol, 2 - nRow);
			grid.SetCell(nCol, nRow, &cell);
		}
	}
}

TEST_F(MovesGridTest, AMoveIntoAJoinedBlockMakesItsOriginCurrentAndTheBlockIsOneCell)
{
	MakeSheet(4, 10);
	JoinBlock(m_grid);
	EXPECT_EQ(0, m_grid.GotoCell(2, 3));
	ExpectCurrent(1, 2);
	EXPECT_EQ((Log{"allow 1,2", "column 0 -> 1", "row 0 -> 2", "cell 0,0 -> 1,2"}), m_grid.m_log);

	// Columns of 75 and rows of 20: the block covers columns 1-2 and rows 2-4.
	CRect rc;
	EXPECT_EQ(0, m_grid.GetCellRect(2, 4, &rc));
	EXPECT_EQ(CRect(75, 40, 225, 100), rc);
	int nCol = -1;
	long nRow = -1;
	rc.SetRectEmpty();
	EXPECT_EQ(0, m_grid.GetCellFromPoint(200, 90, &nCol, &nRow, &rc));
	EXPECT_EQ(1, nCol);
	EXPECT_EQ(2, nRow);
	EXPECT_EQ(CRect(75, 40, 225, 100), rc);

	Sheet().m_bJoins = FALSE;
	EXPECT_EQ(0, m_grid.GetCellFromPoint(200, 90, &nCol, &nRow, &rc));
	EXPECT_EQ(2, nCol);
	EXPECT_EQ(4, nRow);
	EXPECT_EQ(CRect(150, 80, 225, 100), rc);
	// Past the last of the four columns, and outside the view.
	EXPECT_EQ(1, m_grid.GetCellFromPoint(301 - 1, 10, &nCol, &nRow, &rc));
	EXPECT_EQ(1, m_grid.GetCellFromPoint(10, -1, &nCol, &nRow, &rc));
}

TEST_F(MovesGridTest, RowAndColumnMovesIntoAJoinedBlockFollowTheGesture)
{
	MakeSheet(4, 10, 1, 0);
	JoinBlock(m_grid);
	// The keyboard steps onto the block at its origin and off it past its last row.
	EXPECT_EQ(0, m_grid.GotoRow(3));
	EXPECT_EQ(2, m_grid.GetCurrentRow());
	EXPECT_EQ(0, m_grid.GotoRow(3));
	EXPECT_EQ(5, m_grid.GetCurrentRow());
	// A left press from below lands on the origin too.
	Sheet().m_nSelectionGesture = GRID_GESTURE_LEFT_PRESS;
	EXPECT_EQ(0, m_grid.GotoRow(4));
	EXPECT_EQ(2, m_grid.GetCurrentRow());
	// Columns alike, looked up in the current row.
	Sheet().m_nSelectionGesture = GRID_GESTURE_PROGRAM;
	EXPECT_EQ(0, m_grid.GotoColumn(2));
	EXPECT_EQ(3, m_grid.GetCurrentColumn());
}

TEST_F(MovesGridTest, PositionsPastTheEndsComeBackOrAreRefusedAtTheEnd)
{
	MakeSheet(4, 10, 1, 3);
	EXPECT_EQ(0, m_grid.GotoColumn(-5));
	EXPECT_EQ(0, m_grid.GetCurrentColumn());
	EXPECT_EQ(0, m_grid.GotoColumn(40));
	EXPECT_EQ(3, m_grid.GetCurrentColumn());
	EXPECT_EQ(1, m_grid.MoveCurrentColumn(GridWindow::MOVE_NEXT));
	// Rows past the end are offered first; the memory store adds none.
	m_grid.m_log.clear();
	EXPECT_EQ(0, m_grid.GotoRow(14));
	EXPECT_EQ(9, m_grid.GetCurrentRow());
	EXPECT_EQ("past 10 5 0", m_grid.m_log.front());
	EXPECT_EQ(1, m_grid.MoveCurrentRow(GridWindow::MOVE_NEXT));
	EXPECT_EQ(1, m_grid.GotoCell(4, 0));
}

TEST_F(MovesGridTest, ThePageOfAHundredPixelsOfTwentyPixelRowsIsSixRows)
{
	MakeSheet(3, 40);
	// From row 0, six rows of 20 take the 100 pixels below zero: row 6 is the first that does not
	// fit, and five rows of 20 show it from row 2.
	Key(VK_NEXT);
	EXPECT_EQ((Log{"key 34 0", "allow 0,6", "row 0 -> 6", "cell 0,0 -> 0,6", "top 0 -> 2"}), m_grid.m_log);
	Key(VK_NEXT);
	ExpectCurrent(0, 12);
	EXPECT_EQ(8, Sheet().m_nTopRow);
	Key(VK_PRIOR);
	Key(VK_PRIOR);
	ExpectCurrent(0, 0);
	EXPECT_EQ(0, Sheet().m_nTopRow);

	m_grid.m_log.clear();
	EXPECT_EQ(0, m_grid.ScrollRows(GridWindow::MOVE_PAGE_FORWARD));
	EXPECT_EQ(0, m_grid.ScrollRows(GridWindow::MOVE_NEXT));
	EXPECT_EQ((Log{"scroll 0,6", "top 0 -> 6", "scroll 0,7", "top 6 -> 7"}), m_grid.m_log);
	// Rows 35 to 39 fill the 100 pixels exactly, but the position past the last row counts one
	// pixel: the last top row is 36.
	EXPECT_EQ(0, m_grid.ScrollRows(GridWindow::MOVE_LAST));
	EXPECT_EQ(36, Sheet().m_nTopRow);
	EXPECT_EQ(0, m_grid.ScrollRows(GridWindow::MOVE_FIRST));
	EXPECT_EQ(0, Sheet().m_nTopRow);
	ExpectCurrent(0, 0);
}

TEST_F(MovesGridTest, ColumnsPageAndScrollByTheirWidths)
{
	MakeSheet(12, 5);
	// The view is 244 pixels wide: four columns of 75 pass it, and three are shown whole.
	ASSERT_EQ(244, Sheet().m_nViewWidth);
	EXPECT_EQ(0, m_grid.MoveCurrentColumn(GridWindow::MOVE_PAGE_FORWARD));
	EXPECT_EQ(4, m_grid.GetCurrentColumn());
	EXPECT_EQ(2, Sheet().m_nLeftColumn);
	EXPECT_EQ(0, m_grid.MoveCurrentColumn(GridWindow::MOVE_LAST));
	EXPECT_EQ(11, m_grid.GetCurrentColumn());
	EXPECT_EQ(0, m_grid.ScrollColumns(GridWindow::MOVE_FIRST));
	EXPECT_EQ(0, Sheet().m_nLeftColumn);
	EXPECT_EQ(0, m_grid.ScrollColumns(GridWindow::MOVE_PAGE_FORWARD));
	EXPECT_EQ(4, Sheet().m_nLeftColumn);
	EXPECT_EQ(11, m_grid.GetCurrentColumn());
}

} // namespace
