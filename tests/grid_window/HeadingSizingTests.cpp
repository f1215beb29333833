// Sizing with the mouse from the headings' and the corner's edges: the cursor, what the grid is
// asked and told in order, the sizes that result and the line in the cell view.
#include "tests/grid_window/HeadingGridFixture.h"

#include "framework/ui/testing/SurfaceAccess.h"

namespace
{
	const COLORREF WHITE = RGB(255, 255, 255);
	const COLORREF BLACK = RGB(0, 0, 0);
	const COLORREF GRID_LINE = RGB(220, 220, 220);
}

class HeadingSizingTest : public HeadingGridTest
{
protected:
	COLORREF ViewPixel(int x, int y) { return GetSurfacePixel(m_grid.GetCellView(), x, y); }
};

TEST_F(HeadingSizingTest, AColumnEdgeDraggedWithALineTellsEachWidthAndTheLineGoesAtTheRelease)
{
	MakeSheet(3, 5);
	Mouse(Top(), WM_MOUSEMOVE, CPoint(100, 10));
	EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), ShownCursor());
	Mouse(Top(), WM_MOUSEMOVE, CPoint(151, 10));
	EXPECT_EQ(LoadCursor(nullptr, IDC_SIZEWE), ShownCursor());

	Mouse(Top(), WM_LBUTTONDOWN, CPoint(151, 10));
	EXPECT_EQ(m_grid.GetCellView(), CWnd::GetFocus());
	Mouse(Top(), WM_MOUSEMOVE, CPoint(171, 10));
	// Column 1 now ends at 170: the line covers the pixels on both sides of that edge.
	EXPECT_EQ(BLACK, ViewPixel(170, 50));
	EXPECT_EQ(BLACK, ViewPixel(169, 50));
	EXPECT_EQ(WHITE, ViewPixel(171, 50));
	Mouse(Top(), WM_MOUSEMOVE, CPoint(181, 10));
	EXPECT_EQ(WHITE, ViewPixel(170, 50)) << "the earlier line is taken away";
	EXPECT_EQ(BLACK, ViewPixel(180, 50));
	EXPECT_EQ(GRID_LINE, ViewPixel(149, 50)) << "the cells wait for the release";
	Mouse(Top(), WM_LBUTTONUP, CPoint(181, 10));

	EXPECT_EQ((Log{"allow column 1", "allow column 1", "column resizing 1 95", "column resizing 1 105", "column resized 1 105"}),
		m_grid.m_log);
	EXPECT_EQ(105, Width(1));
	EXPECT_EQ(nullptr, CWnd::GetCapture());
	m_grid.GetCellView()->UpdateWindow();
	EXPECT_EQ(GRID_LINE, ViewPixel(179, 50));
	EXPECT_EQ(WHITE, ViewPixel(180, 50));
	EXPECT_EQ(WHITE, ViewPixel(149, 50));
}

TEST_F(HeadingSizingTest, WithAnotherSizingSwitchTheCellsFollowAsTheEdgeMoves)
{
	MakeSheet(3, 5);
	Sheet().m_nMouseSizing = 2;
	Mouse(Top(), WM_MOUSEMOVE, CPoint(150, 10));
	Mouse(Top(), WM_LBUTTONDOWN, CPoint(150, 10));
	Mouse(Top(), WM_MOUSEMOVE, CPoint(180, 10));
	m_grid.GetCellView()->UpdateWindow();
	EXPECT_EQ(GRID_LINE, ViewPixel(179, 50));
	EXPECT_EQ(WHITE, ViewPixel(180, 50));
	EXPECT_EQ(WHITE, ViewPixel(149, 50));
	Mouse(Top(), WM_LBUTTONUP, CPoint(180, 10));
}

TEST_F(HeadingSizingTest, AColumnDraggedPastItsLeftStopsAtZeroAndTheEdgeItLeftOpensItAgain)
{
	MakeSheet(3, 5);
	Drag(Top(), {CPoint(150, 10), CPoint(40, 10)});
	EXPECT_EQ((Log{"allow column 1", "allow column 1", "column resizing 1 0", "column resized 1 0"}), m_grid.m_log);
	EXPECT_EQ(0, Width(1));

	m_grid.m_log.clear();
	Mouse(Top(), WM_MOUSEMOVE, CPoint(76, 10));
	EXPECT_EQ(Log{"allow column 1"}, m_grid.m_log) << "column 0's edge sizes the hidden column after it";
	EXPECT_EQ(LoadCursor(nullptr, IDC_SIZEWE), ShownCursor());
	Drag(Top(), {CPoint(76, 10), CPoint(106, 10)});
	EXPECT_EQ(75, Width(0));
	EXPECT_EQ(30, Width(1));

	// The first column has no edge before it but the heading's start.
	m_grid.SetColumnWidth(0, 0);
	m_grid.m_log.clear();
	Drag(Top(), {CPoint(1, 10), CPoint(41, 10)});
	EXPECT_EQ(40, Width(0));
	EXPECT_EQ("column resized 0 40", m_grid.m_log.back());
}

TEST_F(HeadingSizingTest, SizingSwitchedOffOrRefusedLeavesTheNormalCursorAndTheClick)
{
	MakeSheet(3, 5);
	Sheet().m_nMouseSizing = 0;
	Mouse(Top(), WM_MOUSEMOVE, CPoint(150, 10));
	EXPECT_EQ(Log{}, m_grid.m_log);
	EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), ShownCursor());

	Sheet().m_nMouseSizing = 1;
	m_grid.m_bAllowSizing = FALSE;
	Drag(Top(), {CPoint(151, 10)});
	EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), ShownCursor());
	EXPECT_EQ((Log{"allow column 1", "allow column 1", "top press 2,-1 150-225", "top release 2,-1 150-225"}), m_grid.m_log);
	EXPECT_EQ(75, Width(1));
}

TEST_F(HeadingSizingTest, ARowEdgeInTheSideHeadingSizesTheRowAndKeepsTheSizeTheGridHandsBack)
{
	MakeSheet(3, 5);
	Mouse(Side(), WM_MOUSEMOVE, CPoint(20, 41));
	EXPECT_EQ(LoadCursor(nullptr, IDC_SIZENS), ShownCursor());
	m_grid.m_nResizedAnswer = 25;
	Drag(Side(), {CPoint(20, 41), CPoint(20, 51)});
	EXPECT_EQ((Log{"allow row 1", "allow row 1", "row resizing 1 30", "row resized 1 30"}), m_grid.m_log);
	long nHeight = 0;
	m_grid.GetRowHeight(1, &nHeight);
	EXPECT_EQ(25, nHeight);
}

TEST_F(HeadingSizingTest, TheTopHeadingsBottomEdgeGrowsTheHeadingWithinWhatTheGridAllows)
{
	MakeSheet(3, 5);
	m_grid.m_nLargestArea = 30;
	Mouse(Top(), WM_MOUSEMOVE, CPoint(100, 19));
	EXPECT_EQ(LoadCursor(nullptr, IDC_SIZENS), ShownCursor());
	Mouse(Top(), WM_LBUTTONDOWN, CPoint(100, 19));
	Mouse(Top(), WM_MOUSEMOVE, CPoint(100, 24));
	EXPECT_EQ(25, Sheet().m_rcCellView.top) << "laid out again at every step";
	Mouse(Top(), WM_MOUSEMOVE, CPoint(100, 49));
	Mouse(Top(), WM_LBUTTONUP, CPoint(100, 49));
	EXPECT_EQ((Log{"allow top heading", "allow top heading", "top heading resizing 25", "top heading resizing 50", "top heading resized 30"}),
		m_grid.m_log);
	EXPECT_EQ(30, Sheet().m_rcCellView.top);
	EXPECT_EQ(30, Sheet().m_rcTopHeading.Height());
	EXPECT_EQ(50, Sheet().m_topHeadingRows[0]) << "the row follows the mouse; only the total was held back";
}

TEST_F(HeadingSizingTest, TheCornersRightEdgeWidensTheSideHeadingAndItsColumn)
{
	MakeSheet(3, 5);
	CornerButton* pCorner = m_grid.GetCornerButton();
	Mouse(pCorner, WM_MOUSEMOVE, CPoint(39, 5));
	EXPECT_EQ(LoadCursor(nullptr, IDC_SIZEWE), ShownCursor());
	Drag(pCorner, {CPoint(39, 5), CPoint(59, 5)});
	EXPECT_EQ((Log{"allow side heading", "allow side heading", "side heading resizing 60", "side heading resized 60"}), m_grid.m_log);
	EXPECT_EQ(60, Sheet().m_rcCellView.left);
	EXPECT_EQ(45, Sheet().m_sideHeadingColumns[0]);
}
