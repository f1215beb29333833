// Keys sent to the cell view as the keyboard sends them: which notifications run, in which order,
// and where the current cell and the view end.
#include "tests/grid_window/MovesGridFixture.h"

#include "framework/ui/testing/UserDriving.h"
#include "grid/celltypes/CellType.h"

namespace
{

using Log = std::vector<std::string>;

TEST_F(MovesGridTest, ArrowsMoveTheCurrentCellAndScrollItIntoView)
{
	MakeSheet(3, 40, 0, 4);
	Key(VK_DOWN);
	EXPECT_EQ((Log{"key 40 0", "allow 0,5", "row 4 -> 5", "cell 0,4 -> 0,5", "top 0 -> 1"}), m_grid.m_log);
	m_grid.m_log.clear();
	Key(VK_RIGHT);
	Key(VK_UP);
	EXPECT_EQ((Log{"key 39 0", "allow 1,5", "column 0 -> 1", "cell 0,5 -> 1,5", "key 38 0", "allow 1,4",
				  "row 5 -> 4", "cell 1,5 -> 1,4"}),
		m_grid.m_log);
	// Tab and Enter only notify.
	m_grid.m_log.clear();
	Key(VK_TAB);
	Key(VK_RETURN);
	EXPECT_EQ((Log{"key 9 0", "key 13 0"}), m_grid.m_log);
	ExpectCurrent(1, 4);
	const LRESULT nCode = m_grid.GetCellView()->SendMessage(WM_GETDLGCODE, 0, 0);
	EXPECT_EQ(DLGC_WANTARROWS | DLGC_WANTCHARS, nCode & (DLGC_WANTARROWS | DLGC_WANTCHARS));
}

TEST_F(MovesGridTest, LeftInTheFirstColumnLeavesTheCurrentCell)
{
	MakeSheet(3, 10, 0, 2);
	Key(VK_LEFT);
	EXPECT_EQ((Log{"key 37 0"}), m_grid.m_log);
	ExpectCurrent(0, 2);
}

TEST_F(MovesGridTest, DownOnTheLastRowOffersRowsAndStays)
{
	MakeSheet(3, 5, 1, 4);
	Key(VK_DOWN);
	EXPECT_EQ((Log{"key 40 0", "past 5 1 0"}), m_grid.m_log);
	ExpectCurrent(1, 4);
	EXPECT_EQ(5, m_grid.GetRowCount());
}

TEST_F(MovesGridTest, EndAndTheLastRowOfAMillionRows)
{
	MakeSheet(30, 1000000);
	Key(VK_END);
	ExpectCurrent(29, 0);
	// Ctrl+End asks for the last row; offscreen no key can be held, so the move it makes is made.
	EXPECT_EQ(0, m_grid.MoveCurrentRow(GridWindow::MOVE_LAST));
	ExpectCurrent(29, 999999);
	EXPECT_EQ(999995, Sheet().m_nTopRow);
	Key(VK_HOME);
	ExpectCurrent(0, 999999);
}

TEST_F(MovesGridTest, HeldArrowsSpeedUpWithTheCubeOfTheRepeatsAndStartOverOnRelease)
{
	MakeSheet(3, 100);
	Sheet().m_nKeyRepeatDivisor = 1;
	// Steps 1, then 1 + 1, 8 + 1, 27 + 1 for the repeats; a release starts the count over, so the
	// next repeat is the first again.
	Key(VK_DOWN);
	Key(VK_DOWN, TRUE);
	Key(VK_DOWN, TRUE);
	Key(VK_DOWN, TRUE);
	EXPECT_EQ(40, m_grid.GetCurrentRow());
	m_grid.GetCellView()->SendMessage(WM_KEYUP, VK_DOWN, 0);
	Key(VK_DOWN, TRUE);
	EXPECT_EQ(42, m_grid.GetCurrentRow());

	// A divisor of 2 takes two repeats per level.
	Sheet().m_nKeyRepeatDivisor = 2;
	m_grid.GetCellView()->SendMessage(WM_KEYUP, VK_DOWN, 0);
	Key(VK_UP, TRUE);
	Key(VK_UP, TRUE);
	EXPECT_EQ(39, m_grid.GetCurrentRow());
}

TEST_F(MovesGridTest, TheWheelScrollsThreeRowsANotchAndAddsUpSmallerTurns)
{
	MakeSheet(3, 100);
	CellView* pView = m_grid.GetCellView();
	pView->SetFocus();
	ASSERT_TRUE(AfxSendMouseWheel(pView, -WHEEL_DELTA, CPoint(10, 10)));
	EXPECT_EQ(3, Sheet().m_nTopRow);
	// Two half notches make one; the current cell stays where it was.
	AfxSendMouseWheel(pView, -WHEEL_DELTA / 2, CPoint(10, 10));
	EXPECT_EQ(3, Sheet().m_nTopRow);
	AfxSendMouseWheel(pView, -WHEEL_DELTA / 2, CPoint(10, 10));
	EXPECT_EQ(6, Sheet().m_nTopRow);
	AfxSendMouseWheel(pView, 3 * WHEEL_DELTA, CPoint(10, 10));
	EXPECT_EQ(0, Sheet().m_nTopRow);
	ExpectCurrent(0, 0);
	EXPECT_EQ(m_grid.m_log, (std::vector<std::string>{"scroll 0,3", "top 0 -> 3", "scroll 0,6", "top 3 -> 6",
		"scroll 0,0", "top 6 -> 0"}));
}

TEST_F(MovesGridTest, KeysAndCharactersGoToTheCellTypeFirst)
{
	MakeSheet(3, 5, 1, 1);
	GridCell cell;
	cell.SetCellType(GRID_TYPE_DROPLIST);
	m_grid.SetCell(1, 1, &cell);
	m_grid.GetCellView()->SendMessage(WM_CHAR, '\r', 0);
	m_grid.GetCellView()->SendMessage(WM_CHAR, 'a', 0);
	// The list takes Enter, so the grid is told of a handled key it need not act on.
	Key(VK_RETURN);
	EXPECT_EQ((Log{"char 13 1", "char 97 0", "key 0 1"}), m_grid.m_log);

	m_grid.m_log.clear();
	cell.SetReadOnly(TRUE);
	m_grid.SetCell(1, 2, &cell);
	Key(VK_DOWN);
	Key(VK_RETURN);
	EXPECT_EQ((Log{"key 40 0", "allow 1,2", "row 1 -> 2", "cell 1,1 -> 1,2", "key 13 0"}), m_grid.m_log);
}

} // namespace
