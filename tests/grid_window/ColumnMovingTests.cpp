// Moving columns: dragging a column's heading to a new place, what the grid is asked, the
// scrolling beside the heading, and MoveColumn's own rules.
#include "tests/grid_window/HeadingGridFixture.h"

#include "framework/ui/window/MessagePump.h"
#include "framework/ui/testing/SurfaceAccess.h"

class ColumnMovingTest : public HeadingGridTest
{
protected:
	void MakeMovingSheet(int nCols)
	{
		MakeSheet(nCols, 5);
		for (int nCol = 0; nCol < nCols; nCol++)
			m_grid.SetCellText(nCol, 2, std::string(1, static_cast<char>('a' + nCol)).c_str());
		Sheet().m_bColumnMoving = TRUE;
	}

	// The cells of row 2 from left to right.
	std::string Order()
	{
		std::string text;
		GridCell cell;
		for (int nCol = 0; nCol < m_grid.GetColumnCount(); nCol++)
		{
			m_grid.GetCell(nCol, 2, &cell);
			text += static_cast<LPCSTR>(cell.GetText());
		}
		return text;
	}
};

TEST_F(ColumnMovingTest, ADraggedColumnTakesItsCellsAndItsWidthToTheInsertionPoint)
{
	MakeMovingSheet(4);
	m_grid.SetColumnWidth(0, 50);
	m_grid.UpdateWindow();
	m_grid.GetCellView()->UpdateWindow();
	Mouse(Top(), WM_LBUTTONDOWN, CPoint(25, 10));
	EXPECT_EQ(0, Top()->m_nPressedColumn);
	// The right half of column 2 (125 to 200): the column will land after it.
	Mouse(Top(), WM_MOUSEMOVE, CPoint(190, 50));
	CWnd* pView = m_grid.GetCellView();
	EXPECT_EQ(RGB(0, 0, 0), GetSurfacePixel(pView, 200, 50));
	Mouse(Top(), WM_LBUTTONUP, CPoint(190, 50));

	EXPECT_EQ((Log{"top press 0,-1 0-50", "allow move start 0", "allow move 0 to 2"}), m_grid.m_log);
	EXPECT_EQ("bcad", Order());
	EXPECT_EQ(50, Width(2));
	EXPECT_EQ(-1, Top()->m_nPressedColumn);
	pView->UpdateWindow();
	EXPECT_EQ(RGB(255, 255, 255), GetSurfacePixel(pView, 200, 50));
}

TEST_F(ColumnMovingTest, TheGridMayRefuseTheStartOrTheMoveAndADropOnItselfAsksNothing)
{
	MakeMovingSheet(4);
	m_grid.m_bAllowMoveStart = FALSE;
	Drag(Top(), {CPoint(25, 10), CPoint(190, 10)});
	EXPECT_EQ((Log{"top press 0,-1 0-75", "allow move start 0", "top release 2,-1 150-225"}), m_grid.m_log);
	EXPECT_EQ(-1, Top()->m_nPressedColumn);

	m_grid.m_log.clear();
	m_grid.m_bAllowMoveStart = TRUE;
	m_grid.m_bAllowMove = FALSE;
	Drag(Top(), {CPoint(25, 10), CPoint(190, 10)});
	EXPECT_EQ("allow move 0 to 2", m_grid.m_log.back());
	EXPECT_EQ("abcd", Order());

	m_grid.m_log.clear();
	Drag(Top(), {CPoint(25, 10), CPoint(110, 10)});
	EXPECT_EQ("top release 1,-1 75-150", m_grid.m_log.back()) << "before column 1 is where column 0 already is";
	EXPECT_EQ("abcd", Order());
}

TEST_F(ColumnMovingTest, BesideTheHeadingTheViewScrollsAColumnAStepUntilItCanGoNoFurther)
{
	MakeMovingSheet(8);
	Sheet().m_nDragScrollDelay = 0;
	const int nLastLeft = Sheet().m_nLastLeftColumn;
	ASSERT_GT(nLastLeft, 1);
	CRect rcHeading;
	Top()->GetClientRect(&rcHeading);
	Mouse(Top(), WM_LBUTTONDOWN, CPoint(25, 10));
	Mouse(Top(), WM_MOUSEMOVE, CPoint(rcHeading.right + 20, 10));
	EXPECT_EQ(nLastLeft, Sheet().m_nLeftColumn);
	Mouse(Top(), WM_LBUTTONUP, CPoint(rcHeading.right + 20, 10));

	Log expected{"top press 0,-1 0-75", "allow move start 0"};
	for (int nLeft = 1; nLeft <= nLastLeft; nLeft++)
		expected.push_back("scroll " + std::to_string(nLeft));
	expected.push_back("allow move 0 to 7");
	EXPECT_EQ(expected, m_grid.m_log);
	EXPECT_EQ("bcdefgha", Order());
}

namespace
{
	CWnd* s_pReleased = nullptr;

	// The user lets go while the scrolling loop waits for the next step.
	void ReleaseDuringTheLoop(HWND, UINT, UINT_PTR nIDEvent, DWORD)
	{
		s_pReleased->KillTimer(nIDEvent);
		AfxSendMouseInput(s_pReleased, WM_LBUTTONUP, CPoint(1000, 10), 0);
	}
}

TEST_F(ColumnMovingTest, AReleaseWhileTheViewScrollsEndsTheLoopAndMovesTheColumn)
{
	MakeMovingSheet(8);
	Mouse(Top(), WM_LBUTTONDOWN, CPoint(25, 10));
	s_pReleased = Top();
	Top()->SetTimer(1, 0, ReleaseDuringTheLoop);
	Mouse(Top(), WM_MOUSEMOVE, CPoint(1000, 10));
	MSG msg;
	for (int nTurn = 0; nTurn < 1000 && Top()->m_nPressedColumn >= 0; nTurn++)
	{
		if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
			DispatchMessage(&msg);
	}
	EXPECT_EQ((Log{"top press 0,-1 0-75", "allow move start 0", "scroll 1", "allow move 0 to 3"}), m_grid.m_log);
	EXPECT_EQ(nullptr, CWnd::GetCapture());
}

TEST_F(ColumnMovingTest, MoveColumnTakesAnInsertionPointUpToTheCountAndKeepsTheCurrentCellOnItsData)
{
	struct Case
	{
		int nFrom;
		int nTo;
		BOOL bBefore;
		int nResult;
		const char* pszOrder;
	};
	const Case cases[] = {
		{0, 4, TRUE, 0, "bcda"},
		{3, 0, TRUE, 0, "dabc"},
		{0, 2, FALSE, 0, "bcad"},
		{1, 1, TRUE, 0, "abcd"},
		{1, 2, TRUE, 0, "abcd"},
		{1, 1, FALSE, 0, "abcd"},
		{-1, 0, TRUE, 1, "abcd"},
		{4, 0, TRUE, 1, "abcd"},
		{0, 5, TRUE, 1, "abcd"},
		{0, -1, TRUE, 1, "abcd"},
		{0, 4, FALSE, 1, "abcd"},
	};
	for (const Case& c : cases)
	{
		MakeMovingSheet(4);
		m_grid.GotoCell(c.nFrom >= 0 && c.nFrom < 4 ? c.nFrom : 0, 2);
		GridCell current;
		m_grid.GetCell(m_grid.GetCurrentColumn(), 2, &current);
		EXPECT_EQ(c.nResult, m_grid.MoveColumn(c.nFrom, c.nTo, c.bBefore)) << c.nFrom << " " << c.nTo;
		EXPECT_EQ(c.pszOrder, Order()) << c.nFrom << " " << c.nTo;
		GridCell after;
		m_grid.GetCell(m_grid.GetCurrentColumn(), 2, &after);
		EXPECT_EQ(current.GetText(), after.GetText());
		// Back to the order the next case starts from.
		for (int nCol = 0; nCol < 4; nCol++)
			m_grid.SetCellText(nCol, 2, std::string(1, static_cast<char>('a' + nCol)).c_str());
	}
}

TEST_F(ColumnMovingTest, AMovedColumnLeavesNoSelectionOnColumnsThatWereNotSelected)
{
	MakeMovingSheet(4);
	Sheet().m_bMultipleSelection = TRUE;
	m_grid.GotoCell(1, 1);
	m_grid.GotoCell(2, 3);
	// The keyboard's move without Shift made a block of the single cell (2, 3).
	ASSERT_EQ(1, Sheet().m_selection.GetBlockCount());
	ASSERT_EQ(0, m_grid.MoveColumn(2, 0, TRUE));
	EXPECT_EQ(0, Sheet().m_selection.GetBlockCount());
	EXPECT_EQ("cabd", Order());
}
