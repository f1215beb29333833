// Dragging with the left button in the cell view: the drag loop steps the target while the mouse
// rests beyond an edge, stretching the selection and scrolling, and ends at the release, when the
// view loses the capture or when the window goes.
#include "tests/grid_window/MovesGridFixture.h"

#include "framework/ui/window/MessagePump.h"
#include "framework/ui/testing/UserDriving.h"
#include "framework/ui/window/UserServices.h"

namespace
{
	using Log = std::vector<std::string>;

	CPoint Middle(int nCol, long nRow)
	{
		return CPoint(nCol * 75 + 37, static_cast<int>(nRow) * 20 + 10);
	}
}

class GridDragTest : public MovesGridTest
{
protected:
	void SetUp() override
	{
		Sheet().m_bMultipleSelection = TRUE;
		// Each step would otherwise wait; the loop ends by what the test makes happen meanwhile.
		Sheet().m_nDragScrollDelay = 0;
	}

	// The desktop's button goes up whatever the test left held (a release posted to the view
	// only, or none), so that the tests after it meet the mouse as a user leaves it.
	void TearDown() override
	{
		CWnd spare;
		CWnd* pTarget = &m_frame;
		if (m_frame.m_hWnd == nullptr)
		{
			spare.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 10, 10), nullptr, 0);
			pTarget = &spare;
		}
		AfxSendMouseInput(pTarget, WM_LBUTTONUP, CPoint(5, 5));
		spare.DestroyWindow();
	}

	void Press(CPoint point) { ASSERT_TRUE(AfxSendMouseInput(View(), WM_LBUTTONDOWN, point, MK_LBUTTON)); }
	void DragTo(CPoint point) { ASSERT_TRUE(AfxSendMouseInput(View(), WM_MOUSEMOVE, point, MK_LBUTTON)); }

	// The mouse is released while the loop runs, at the nth move it makes.
	void ReleaseAtMove(int nMove)
	{
		m_nMoves = 0;
		m_grid.m_onAllowMove = [this, nMove] {
			if (++m_nMoves == nMove)
				View()->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(112, 190));
		};
	}

	// What the loop left waiting is handed out, as the program's own loop would.
	static void DeliverWaiting()
	{
		MSG msg;
		while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
			DispatchMessage(&msg);
	}

	std::string Corner()
	{
		const GridSelectionBlock* pBlock = Sheet().m_selection.GetLastBlock();
		if (pBlock == nullptr)
			return "none";
		return std::to_string(pBlock->m_nAnchorCol) + "," + std::to_string(pBlock->m_nAnchorRow) + " to "
			+ std::to_string(pBlock->m_nCornerCol) + "," + std::to_string(pBlock->m_nCornerRow);
	}

	CellView* View() { return m_grid.GetCellView(); }

	int m_nMoves = 0;
};

TEST_F(GridDragTest, BelowTheViewTheSelectionStretchesRowByRowUntilTheRelease)
{
	MakeSheet(3, 40, 1, 2);
	Press(Middle(1, 2));
	EXPECT_EQ("1,2 to 1,2", Corner());
	m_grid.m_log.clear();
	ReleaseAtMove(4);
	DragTo(CPoint(112, VIEW_HEIGHT + 30));
	// The current cell stays at the anchor; only the corner travels, and the view with it.
	EXPECT_EQ((Log{"allow 1,3", "allow 1,4", "allow 1,5", "top 0 -> 1", "allow 1,6", "top 1 -> 2"}), m_grid.m_log);
	EXPECT_EQ("1,2 to 1,6", Corner());
	ExpectCurrent(1, 2);
	EXPECT_EQ(View(), CWnd::GetCapture()) << "the release waits for the program's loop";
	DeliverWaiting();
	EXPECT_EQ(nullptr, CWnd::GetCapture());
	EXPECT_EQ("1,2 to 1,6", Corner());
}

TEST_F(GridDragTest, WithAnExponentTheStepGrowsWithTheDistanceBeyondTheEdge)
{
	MakeSheet(3, 100, 0, 2);
	Sheet().m_nDragScrollExponent = 2;
	Press(Middle(0, 2));
	ReleaseAtMove(2);
	// 41 pixels below the view with rows of 20: steps of (1 + 41 / 20)^2 = 9 rows.
	DragTo(CPoint(37, VIEW_HEIGHT + 40));
	EXPECT_EQ("0,2 to 0,20", Corner());
	DeliverWaiting();
}

TEST_F(GridDragTest, OverTheLockedColumnOfAScrolledViewTheTargetStepsBackUntilItCanEnter)
{
	MakeSheet(10, 10, 0, 2);
	m_grid.SetLockedColumns(1);
	m_grid.SetLeftColumn(4);
	// Column 5 lies right of the locked column and of column 4.
	Press(CPoint(75 + 75 + 37, 50));
	EXPECT_EQ("5,2 to 5,2", Corner());
	m_grid.m_log.clear();
	DragTo(CPoint(30, 50));
	EXPECT_EQ((Log{"allow 4,2", "allow 3,2", "left 4 -> 3", "allow 2,2", "left 3 -> 2", "allow 1,2", "left 2 -> 1",
				  "allow 0,2"}),
		m_grid.m_log);
	EXPECT_EQ("5,2 to 0,2", Corner());
	ASSERT_TRUE(AfxSendMouseInput(View(), WM_LBUTTONUP, CPoint(30, 50), 0));
}

TEST_F(GridDragTest, InsideTheViewOneMoveMakesOneStepAndPastTheLastRowTheTargetStopsThere)
{
	MakeSheet(3, 4, 0, 0);
	Press(Middle(0, 0));
	DragTo(Middle(2, 1));
	EXPECT_EQ("0,0 to 2,1", Corner());
	// Below the last row, inside the view: the last row, with nothing offered or stepped.
	m_grid.m_log.clear();
	DragTo(CPoint(200, 95));
	EXPECT_EQ("0,0 to 2,3", Corner());
	EXPECT_EQ(Log{"allow 2,3"}, m_grid.m_log);
	ASSERT_TRUE(AfxSendMouseInput(View(), WM_LBUTTONUP, CPoint(200, 95), 0));
	EXPECT_EQ(nullptr, CWnd::GetCapture());
}

TEST_F(GridDragTest, TheLoopEndsWhenTheViewLosesTheCaptureAndWhenTheWindowCloses)
{
	MakeSheet(3, 400, 1, 0);
	Press(Middle(1, 0));
	m_nMoves = 0;
	m_grid.m_onAllowMove = [this] {
		if (++m_nMoves == 3)
			ReleaseCapture();
	};
	DragTo(CPoint(112, VIEW_HEIGHT + 5));
	EXPECT_EQ(3, m_nMoves);
	EXPECT_EQ("1,0 to 1,3", Corner());

	Press(Middle(1, 0));
	m_nMoves = 0;
	m_grid.m_onAllowMove = [this] {
		if (++m_nMoves == 2)
			m_frame.PostMessage(WM_CLOSE);
	};
	const HWND hView = View()->m_hWnd;
	DragTo(CPoint(112, VIEW_HEIGHT + 5));
	EXPECT_FALSE(IsWindow(hView));
	EXPECT_EQ(2, m_nMoves);
}
