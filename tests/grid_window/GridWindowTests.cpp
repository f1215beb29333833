// The grid window through its public operations: counts and their limits, sheets, cells with
// their defaults, the children's layout in a live window and the notifications of a move.
#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/system/SystemServices.h"
#include "grid/store/DataSource.h"
#include "grid/window/CellView.h"
#include "grid/window/GridHeadings.h"
#include "grid/window/GridWindow.h"

#include "tests/grid_window/MovesGridFixture.h"
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// The move notifications as the moves' tests log them, and the sheets made and cells stored.
class RecordingGrid : public MoveRecordingGrid
{
public:
	void NotifySheetCreated(int nSheet) override
	{
		m_log.push_back("sheet " + std::to_string(nSheet) + " current " + std::to_string(GetCurrentSheet()));
	}
	void NotifyCellStore(int nCol, long nRow, GridCell* pCell) override
	{
		m_log.push_back("store " + std::to_string(nCol) + "," + std::to_string(nRow) + " "
			+ static_cast<LPCSTR>(pCell->GetText()));
	}
};

TEST(GridWindowCountsTest, LimitsAreRefusedAndChangeNothing)
{
	RecordingGrid grid;
	ASSERT_EQ(0, grid.SetColumnCount(3, FALSE));
	ASSERT_EQ(0, grid.SetRowCount(4, FALSE));
	EXPECT_EQ(1, grid.SetColumnCount(32001, FALSE));
	EXPECT_EQ(1, grid.SetColumnCount(-1, FALSE));
	EXPECT_EQ(1, grid.SetRowCount(-1, FALSE));
	EXPECT_EQ(3, grid.GetColumnCount());
	EXPECT_EQ(4, grid.GetRowCount());
	EXPECT_EQ(0, grid.GetCurrentColumn());
	EXPECT_EQ(0, grid.GetCurrentRow());

	EXPECT_EQ(0, grid.SetColumnCount(32000, FALSE));
	EXPECT_EQ(32000, grid.GetColumnCount());
}

TEST(GridWindowCountsTest, RowHeightsSurviveGrowthAndManyRowsBecomeUniform)
{
	GridWindow grid;
	grid.SetRowCount(3, FALSE);
	grid.SetRowHeight(1, 33);
	grid.SetRowCount(5, FALSE);
	long nHeight = 0;
	ASSERT_EQ(0, grid.GetRowHeight(1, &nHeight));
	EXPECT_EQ(33, nHeight);
	ASSERT_EQ(0, grid.GetRowHeight(4, &nHeight));
	EXPECT_EQ(20, nHeight);
	EXPECT_FALSE(grid.GetSheet()->m_bUniformRowHeight);

	grid.SetRowCount(64001, FALSE);
	EXPECT_TRUE(grid.GetSheet()->m_bUniformRowHeight);
	EXPECT_TRUE(grid.GetSheet()->m_rowHeights.empty());
	grid.SetRowHeight(7, 18);
	ASSERT_EQ(0, grid.GetRowHeight(64000, &nHeight));
	EXPECT_EQ(18, nHeight);
}

TEST(GridWindowSheetsTest, NewSheetsAreAnnouncedWhileCurrentAndShrinkingSelectsTheLast)
{
	RecordingGrid grid;
	EXPECT_EQ(1, grid.SetSheetCount(0));
	EXPECT_EQ(1, grid.SetSheetCount(1025));
	ASSERT_EQ(0, grid.SetSheetCount(3));
	EXPECT_EQ((std::vector<std::string>{"sheet 1 current 1", "sheet 2 current 2"}), grid.m_log);
	EXPECT_EQ(0, grid.GetCurrentSheet());

	ASSERT_EQ(0, grid.SelectSheet(2, FALSE));
	grid.SetColumnCount(4, FALSE);
	ASSERT_EQ(0, grid.SetSheetCount(2));
	EXPECT_EQ(1, grid.GetCurrentSheet());
	EXPECT_EQ(0, grid.GetColumnCount());
	EXPECT_EQ(1, grid.SelectSheet(2, FALSE));
}

TEST(GridWindowCellsTest, DefaultsUnderTheStoredCellAndRowsBeyondTheCountStayUnread)
{
	RecordingGrid grid;
	grid.GetSheet()->m_defaultCell.SetTextColor(RGB(1, 2, 3));
	grid.SetColumnCount(2, FALSE);
	grid.SetRowCount(2, FALSE);
	EXPECT_EQ(0, grid.SetCellText(1, 1, "uno"));
	EXPECT_EQ(0, grid.SetCellText(1, 5, "sei"));

	GridCell cell;
	grid.GetCellWithDefaults(1, 1, &cell);
	EXPECT_EQ(CString("uno"), cell.GetText());
	EXPECT_EQ(RGB(1, 2, 3), cell.GetTextColor(0));
	grid.GetCellWithDefaults(1, 5, &cell);
	EXPECT_FALSE(cell.IsSet(GCP_TEXT));

	grid.SetRowCount(6, FALSE);
	grid.GetCellWithDefaults(1, 5, &cell);
	EXPECT_EQ(CString("sei"), cell.GetText());

	grid.SetCellText(-1, 0, "A");
	grid.GetCellWithDefaults(-1, 0, &cell);
	EXPECT_EQ(CString("A"), cell.GetText());
	EXPECT_EQ(GetSysColor(COLOR_BTNFACE), cell.GetBackColor(0));
	EXPECT_EQ(0x2000, cell.GetBorder());
	EXPECT_EQ((std::vector<std::string>{"store 1,1 uno", "store 1,5 sei", "store -1,0 A"}), grid.m_log);
}

TEST(GridWindowCellsTest, ColumnsPastTheCountAreRefusedInsteadOfReadPastTheTable)
{
	RecordingGrid grid;
	grid.SetColumnCount(2, FALSE);
	grid.SetRowCount(2, FALSE);
	EXPECT_EQ(1, grid.SetCellText(2, 0, "fuori"));
	GridCell cell;
	cell.SetText("fuori");
	EXPECT_EQ(1, grid.SetCell(5, 0, &cell));
	EXPECT_TRUE(grid.m_log.empty());
	EXPECT_EQ(1, grid.GetCell(2, 0, &cell));
}

// Orders texts by their length: a comparison the memory store could not have on its own.
class ShortestFirstGrid : public GridWindow
{
public:
	int CompareCellsForSort(GridCell* pA, GridCell* pB, int) override
	{
		return pA->GetTextLength() - pB->GetTextLength();
	}
};

TEST(GridWindowCellsTest, TheStoreSortsInTheOrderTheGridDecides)
{
	ShortestFirstGrid grid;
	grid.SetColumnCount(1, FALSE);
	grid.SetRowCount(3, FALSE);
	grid.SetCellText(0, 0, "alfa");
	grid.SetCellText(0, 1, "be");
	grid.SetCellText(0, 2, "gam");
	ASSERT_EQ(0, grid.GetColumnDataSource(0)->SortColumn(0, 0));
	GridCell cell;
	CString strOrder;
	for (long nRow = 0; nRow < 3; ++nRow)
	{
		grid.GetCell(0, nRow, &cell);
		strOrder += cell.GetText() + " ";
	}
	EXPECT_EQ(CString("be gam alfa "), strOrder);
}

TEST(GridWindowGeometryTest, HeadingRowsRescaleToTheNearestPixel)
{
	GridWindow grid;
	grid.SetTopHeadingRows(3);
	ASSERT_EQ(60, grid.GetSheet()->m_nTopHeadingHeight);
	EXPECT_EQ(0, grid.SetTopHeadingHeight(25));
	EXPECT_EQ((std::vector<int>{8, 8, 8}), grid.GetSheet()->m_topHeadingRows);
	EXPECT_EQ(0, grid.SetTopHeadingHeight(100));
	EXPECT_EQ((std::vector<int>{32, 32, 32}), grid.GetSheet()->m_topHeadingRows);
	EXPECT_EQ(1, grid.SetTopHeadingHeight(1025));
	EXPECT_EQ(1, grid.SetTopHeadingRowHeight(-4, 10));
	EXPECT_EQ(2, grid.SetTopHeadingRowHeight(-2, 1025));

	EXPECT_EQ(0, grid.SetSideHeadingColumnWidth(-1, 60));
	EXPECT_EQ(60, grid.GetSheet()->m_nSideHeadingWidth);
	// With several heading rows the area still follows their sum.
	EXPECT_EQ(0, grid.SetTopHeadingRowHeight(-2, 20));
	EXPECT_EQ(84, grid.GetSheet()->m_nTopHeadingHeight);
}

class LiveGridTest : public ::testing::Test
{
protected:
	LiveGridTest()
	{
		m_frame.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 320, 240), nullptr, 0);
		m_grid.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &m_frame, 100);
	}

	CRect CellViewRect() const
	{
		CRect rc;
		m_grid.GetCellView()->GetWindowRect(&rc);
		m_grid.ScreenToClient(&rc);
		return rc;
	}

	CWnd m_frame;
	RecordingGrid m_grid;
};

TEST_F(LiveGridTest, ScrollBarsHideWhenEverythingFitsAndReturnWhenRowsOverflow)
{
	m_grid.SetColumnCount(3, TRUE);
	m_grid.SetRowCount(3, TRUE);
	EXPECT_EQ(CRect(40, 20, 300, 200), CellViewRect());

	m_grid.SetRowCount(50, TRUE);
	const int nBar = GetSystemMetrics(SM_CXVSCROLL);
	EXPECT_EQ(CRect(40, 20, 300 - nBar, 200), CellViewRect());
	EXPECT_TRUE(m_grid.GetSheet()->m_nLastTopRow > 0);
}

TEST_F(LiveGridTest, AHeadingOfHeightZeroGivesItsPlaceToTheCells)
{
	m_grid.SetTopHeadingHeight(0);
	m_grid.SetColumnCount(2, TRUE);
	EXPECT_EQ(CRect(40, 0, 300, 200), CellViewRect());
	EXPECT_TRUE(m_grid.GetSheet()->m_rcTopHeading.IsRectEmpty());
}

TEST_F(LiveGridTest, RaisedHeadingsGridLinesAndTheWindowColourBelowTheLastRow)
{
	m_grid.SetColumnCount(2, TRUE);
	m_grid.SetRowCount(2, TRUE);
	CWnd* pView = m_grid.GetCellView();
	pView->UpdateWindow();
	const COLORREF crGridLine = RGB(220, 220, 220);
	EXPECT_EQ(crGridLine, GetSurfacePixel(pView, 74, 10));
	EXPECT_EQ(crGridLine, GetSurfacePixel(pView, 30, 19));
	EXPECT_EQ(GetSysColor(COLOR_WINDOW), GetSurfacePixel(pView, 30, 10));
	EXPECT_EQ(GetSysColor(COLOR_WINDOW), GetSurfacePixel(pView, 10, 100));
	EXPECT_EQ(GetSysColor(COLOR_WINDOW), GetSurfacePixel(pView, 200, 10));

	CWnd* pHeading = m_grid.GetTopHeading();
	pHeading->UpdateWindow();
	EXPECT_EQ(RGB(255, 255, 255), GetSurfacePixel(pHeading, 10, 0));
	EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), GetSurfacePixel(pHeading, 10, 19));
	EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetSurfacePixel(pHeading, 10, 10));
}

TEST_F(LiveGridTest, AMoveAsksThenReportsColumnRowCellAndTheScrolledTopRow)
{
	m_grid.SetColumnCount(3, TRUE);
	m_grid.SetRowCount(40, TRUE);
	m_grid.m_log.clear();
	EXPECT_EQ(0, m_grid.GotoCell(2, 20));
	// 180 pixels of rows of 20 show nine whole rows: row 20 is the last of them from row 12. The
	// counts placed the current cell at (0, 0) without a notification, so none reported it yet.
	EXPECT_EQ((std::vector<std::string>{"allow 2,20", "column -1 -> 2", "row -1 -> 20", "cell -1,-1 -> 2,20",
				  "top 0 -> 12"}),
		m_grid.m_log);

	m_grid.m_log.clear();
	m_grid.m_nAllowMove = 0;
	EXPECT_EQ(2, m_grid.GotoCell(0, 0));
	EXPECT_EQ(2, m_grid.GetCurrentColumn());
	EXPECT_EQ(20, m_grid.GetCurrentRow());
	EXPECT_EQ((std::vector<std::string>{"allow 0,0"}), m_grid.m_log);
}

TEST_F(LiveGridTest, AMouseActivationOfTheCellsGivesThemTheKeyboard)
{
	CWnd other;
	ASSERT_TRUE(other.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 205, 50, 230), &m_frame, 101));
	other.SetFocus();
	ASSERT_EQ(&other, CWnd::GetFocus());
	CellView* pView = m_grid.GetCellView();
	const LRESULT nAnswer = pView->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(m_frame.GetSafeHwnd()),
		MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
	EXPECT_EQ(MA_ACTIVATE, nAnswer);
	EXPECT_EQ(pView, CWnd::GetFocus());
	EXPECT_TRUE(pView->HasFocus());
}

class FloatingMovesGrid : public GridWindow
{
public:
	void NotifyFloatingWindowMoved(RECT* pOld, RECT* pNew) override
	{
		m_moves.push_back(CRect(pOld));
		m_moves.push_back(CRect(pNew));
	}
	std::vector<CRect> m_moves;
};

// The find dialog floats over the grid and steps aside from the current cell: first to its right.
TEST(GridFloatingWindowTest, AnOverlappingWindowStepsRightOfTheCurrentCellOrIsPlacedBesideIt)
{
	CWnd frame;
	ASSERT_TRUE(frame.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 320, 240), nullptr, 0));
	FloatingMovesGrid grid;
	ASSERT_TRUE(grid.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &frame, 100));
	grid.SetColumnCount(3, TRUE);
	grid.SetRowCount(10, TRUE);
	grid.GotoCell(0, 1);
	grid.GetCellView()->UpdateWindow();
	CPoint ptView(0, 0);
	grid.GetCellView()->ClientToScreen(&ptView);

	CWnd floating;
	const CRect rcFloating(ptView.x + 10, ptView.y + 25, ptView.x + 110, ptView.y + 85);
	ASSERT_TRUE(floating.CreateEx(0, nullptr, "trova", WS_POPUP | WS_VISIBLE, rcFloating, nullptr, 0));
	grid.SetFloatingWindow(&floating, 0);
	grid.GotoCell(0, 2);
	// Cell (0, 2) is (0, 40, 75, 60) in the cell view: the window moves right by 75 - 10 + 5.
	ASSERT_EQ(2u, grid.m_moves.size());
	EXPECT_EQ(CRect(10, 25, 110, 85), grid.m_moves[0]);
	EXPECT_EQ(CRect(80, 25, 180, 85), grid.m_moves[1]);
	CRect rcNow;
	floating.GetWindowRect(&rcNow);
	EXPECT_EQ(ptView.x + 80, rcNow.left);

	grid.m_moves.clear();
	grid.SetFloatingWindow(&floating, 1);
	grid.GotoCell(1, 4);
	ASSERT_EQ(2u, grid.m_moves.size());
	EXPECT_EQ(CRect(180, 80, 280, 140), grid.m_moves[1]);
}

} // namespace
