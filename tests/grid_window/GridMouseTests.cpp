// Clicks in the cell view as the desktop's mouse makes them: where the current cell goes, what
// the cell's type does with the click, and the notifications in their order.
#include "tests/grid_window/MovesGridFixture.h"

#include "framework/ui/testing/UserDriving.h"
#include "grid/celltypes/CellType.h"

namespace
{
	using Log = std::vector<std::string>;

	// Columns are 75 wide and rows 20 high: the middle of cell (nCol, nRow).
	CPoint Middle(int nCol, long nRow)
	{
		return CPoint(nCol * 75 + 37, static_cast<int>(nRow) * 20 + 10);
	}
}

class GridMouseTest : public MovesGridTest
{
protected:
	void Click(CPoint point)
	{
		CellView* pView = m_grid.GetCellView();
		ASSERT_TRUE(AfxSendMouseInput(pView, WM_LBUTTONDOWN, point, MK_LBUTTON));
		ASSERT_TRUE(AfxSendMouseInput(pView, WM_LBUTTONUP, point, 0));
	}
};

TEST_F(GridMouseTest, AClickMakesTheCellCurrentAndTellsOfPressAndRelease)
{
	MakeSheet(3, 3);
	Click(Middle(2, 2));
	ExpectCurrent(2, 2);
	EXPECT_EQ((Log{"allow 2,2", "column 0 -> 2", "row 0 -> 2", "cell 0,0 -> 2,2", "press 2,2 0", "release 2,2 0"}),
		m_grid.m_log);
	EXPECT_EQ(nullptr, CWnd::GetCapture()) << "the release ends the capture";

	// Below the last row there is no cell: nothing moves, nothing is told.
	m_grid.m_log.clear();
	Click(CPoint(10, 95));
	ExpectCurrent(2, 2);
	EXPECT_EQ(Log{}, m_grid.m_log);
}

TEST_F(GridMouseTest, AClickInsideAJoinedBlockMakesItsOriginCurrent)
{
	MakeSheet(3, 5);
	// A block of two columns and two rows with its origin at (1, 1).
	for (int nCol = 1; nCol <= 2; nCol++)
	{
		for (long nRow = 1; nRow <= 2; nRow++)
		{
			GridCell cell;
			cell.SetJoin(nCol == 1 && nRow == 1, nCol == 1 && nRow == 1 ? 1 : 1 - nCol,
				nCol == 1 && nRow == 1 ? 1 : 1 - static_cast<int>(nRow));
			m_grid.SetCell(nCol, nRow, &cell);
		}
	}
	Click(Middle(2, 2));
	ExpectCurrent(1, 1);
	EXPECT_EQ("press 1,1 0", m_grid.m_log[m_grid.m_log.size() - 2]);
}

TEST_F(GridMouseTest, ACheckBoxTogglesWhenItsBoxIsClickedAndADoubleClickIsToldButLeavesIt)
{
	MakeSheet(3, 5);
	GridCell cell;
	cell.SetCellType(GRID_TYPE_CHECKBOX);
	cell.SetNumber(0);
	m_grid.SetCell(1, 1, &cell);
	// The box starts 3 pixels into the cell, vertically centred.
	const CPoint inBox(75 + 6, 20 + 10);
	Click(inBox);
	m_grid.GetCell(1, 1, &cell);
	EXPECT_NE(0, cell.GetNumber());
	EXPECT_EQ("release 1,1 1", m_grid.m_log.back()) << "the type took the release";

	m_grid.m_log.clear();
	ASSERT_TRUE(AfxSendMouseInput(m_grid.GetCellView(), WM_LBUTTONDBLCLK, inBox, MK_LBUTTON));
	m_grid.GetCell(1, 1, &cell);
	EXPECT_NE(0, cell.GetNumber());
	EXPECT_EQ("double 1,1 0", m_grid.m_log.back());
	ASSERT_TRUE(AfxSendMouseInput(m_grid.GetCellView(), WM_LBUTTONUP, inBox, 0));
}
