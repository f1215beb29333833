// The cell view's paint read back from the recorded draws and the view's pixels: cells edge to
// edge, locked bands, joined blocks, selection and current cell, the focus frame, rows past the end.
#include "tests/grid_window/GridPaintFixture.h"

#include "framework/ui/system/SystemServices.h"

namespace
{
	std::string Rects(const std::vector<DrawnCell>& drawn)
	{
		std::string text;
		for (const DrawnCell& cell : drawn)
		{
			text += (text.empty() ? "" : " ") + std::to_string(cell.nCol) + "," + std::to_string(cell.nRow) + "@"
				+ std::to_string(cell.rc.left) + "," + std::to_string(cell.rc.top) + "," + std::to_string(cell.rc.right)
				+ "," + std::to_string(cell.rc.bottom);
		}
		return text;
	}

	// "col,row:selected/current" of the recorded draws.
	std::string States(const std::vector<DrawnCell>& drawn)
	{
		std::string text;
		for (const DrawnCell& cell : drawn)
		{
			text += (text.empty() ? "" : " ") + std::to_string(cell.nCol) + "," + std::to_string(cell.nRow) + ":"
				+ std::to_string(cell.nSelected) + "/" + std::to_string(cell.bCurrent);
		}
		return text;
	}

	const COLORREF kWindow = GetSysColor(COLOR_WINDOW);

	::testing::AssertionResult StartsWith(const std::string& text, const std::string& start)
	{
		if (text.compare(0, start.size(), start) == 0)
			return ::testing::AssertionSuccess();
		return ::testing::AssertionFailure() << text;
	}
}

class CellViewPaintTest : public GridPaintTest
{
protected:
	void Join(int nCol, long nRow, BOOL bOrigin, int nColOffset, long nRowOffset)
	{
		GridCell cell;
		m_grid.GetCell(nCol, nRow, &cell);
		cell.SetJoin(bOrigin, nColOffset, nRowOffset);
		m_grid.SetCell(nCol, nRow, &cell);
	}

	// The block's origin and the members pointing back to it.
	void JoinBlock(int nFirstCol, long nFirstRow, int nLastCol, long nLastRow)
	{
		for (long r = nFirstRow; r <= nLastRow; r++)
		{
			for (int c = nFirstCol; c <= nLastCol; c++)
			{
				const BOOL bOrigin = c == nFirstCol && r == nFirstRow;
				Join(c, r, bOrigin, bOrigin ? nLastCol - nFirstCol : nFirstCol - c,
					bOrigin ? nLastRow - nFirstRow : nFirstRow - r);
			}
		}
	}

	void SetCurrent(int nCol, long nRow)
	{
		Sheet().m_nCurrentColumn = Sheet().m_nPrevCurrentColumn = nCol;
		Sheet().m_nCurrentRow = Sheet().m_nPrevCurrentRow = nRow;
	}
};

TEST_F(CellViewPaintTest, CellsLieEdgeToEdgeSkippingEmptySizesAndTheRestIsWindowColour)
{
	Fill(4, 4);
	const int widths[] = {30, 0, 50, 40};
	const int heights[] = {20, 15, 0, 25};
	for (int i = 0; i < 4; i++)
	{
		m_grid.SetColumnWidth(i, widths[i]);
		m_grid.SetRowHeight(i, heights[i]);
	}
	m_type.m_drawn.clear();
	PaintCells();
	EXPECT_EQ(Rects(m_type.m_drawn),
		"0,0@0,0,30,20 2,0@30,0,80,20 3,0@80,0,120,20 "
		"0,1@0,20,30,35 2,1@30,20,80,35 3,1@80,20,120,35 "
		"0,3@0,35,30,60 2,3@30,35,80,60 3,3@80,35,120,60");
	EXPECT_EQ(ViewPixel(35, 22), CellColour(2, 1));
	EXPECT_EQ(ViewPixel(119, 59), CellColour(3, 3));
	EXPECT_EQ(ViewPixel(120, 5), kWindow) << "right of the last column";
	EXPECT_EQ(ViewPixel(5, 60), kWindow) << "below the last row";
	EXPECT_EQ(Sheet().m_nRightColumn, 3);
	EXPECT_EQ(Sheet().m_nBottomRow, 3);
}

TEST_F(CellViewPaintTest, LockedRowsAndColumnsStayWhileTheViewScrolls)
{
	Fill(6, 30);
	m_grid.SetLockedColumns(1);
	m_grid.SetLockedRows(1);
	Sheet().m_nLeftColumn = 3;
	Sheet().m_nTopRow = 10;
	m_type.m_drawn.clear();
	PaintCells();
	EXPECT_TRUE(StartsWith(TakeDrawn(), "0,0 3,0 4,0 5,0 0,10 3,10 4,10 5,10 0,11 3,11"));
	EXPECT_EQ(ViewPixel(10, 10), CellColour(0, 0));
	EXPECT_EQ(ViewPixel(100, 10), CellColour(3, 0));
	EXPECT_EQ(ViewPixel(10, 30), CellColour(0, 10));
	EXPECT_EQ(ViewPixel(100, 30), CellColour(3, 10));
	const COLORREF kSeparator = GetSysColor(COLOR_WINDOWFRAME);
	EXPECT_EQ(ViewPixel(74, 30), kSeparator) << "inside the last locked column";
	EXPECT_EQ(ViewPixel(100, 19), kSeparator) << "inside the last locked row";
	EXPECT_EQ(Sheet().m_nRightColumn, 5);
}

TEST_F(CellViewPaintTest, JoinedBlockIsDrawnOnceOverItsRangeFromTheFirstCellMet)
{
	Fill(5, 10);
	JoinBlock(1, 1, 2, 3);
	m_type.m_drawn.clear();
	PaintCells();
	const std::string drawn = Rects(m_type.m_drawn);
	EXPECT_NE(drawn.find("1,1@75,20,225,80"), std::string::npos) << drawn;
	for (const char* member : {" 2,1@", " 1,2@", " 2,2@", " 1,3@", " 2,3@"})
		EXPECT_EQ(drawn.find(member), std::string::npos) << member;
	EXPECT_EQ(ViewPixel(200, 70), CellColour(1, 1));

	Sheet().m_nTopRow = 2;
	m_type.m_drawn.clear();
	PaintCells();
	EXPECT_NE(Rects(m_type.m_drawn).find("0,2@0,0,75,20 1,1@75,-20,225,40 3,2@"), std::string::npos)
		<< "the origin scrolled out: drawn where its block reaches into the view";
}

TEST_F(CellViewPaintTest, JoinedOffsetsOutsideTheSheetStopAtItsEdge)
{
	Fill(4, 6);
	for (int c = 0; c < 4; c++)
		m_grid.SetColumnWidth(c, 50);
	Join(2, 4, TRUE, 10, 10);
	Join(0, 0, TRUE, 1, 0);
	Join(1, 0, FALSE, -4, 0);
	Join(0, 5, FALSE, -7, -9);
	m_type.m_drawn.clear();
	PaintCells();
	const std::string drawn = Rects(m_type.m_drawn);
	EXPECT_TRUE(StartsWith(drawn, "0,0@0,0,100,20 2,0@100,0,150,20 3,0@")) << "the member pointing before column 0";
	EXPECT_NE(drawn.find("2,4@100,80,200,120"), std::string::npos) << drawn;
	EXPECT_NE(drawn.find("0,5@0,100,50,120"), std::string::npos) << "an origin whose block misses it: alone";
	EXPECT_EQ(ViewPixel(205, 90), kWindow);
	EXPECT_EQ(ViewPixel(150, 125), kWindow);
}

TEST_F(CellViewPaintTest, SelectionBlocksAndTheCurrentCellOrRowAreToldToTheCellType)
{
	Fill(3, 3);
	Sheet().m_bMultipleSelection = TRUE;
	Sheet().m_selection.StartBlock(0, 1, 3);
	Sheet().m_selection.ExtendLastBlock(1, 2, 3);
	Sheet().m_selection.StartBlock(1, 2, 3);
	SetCurrent(1, 1);
	PaintCells();
	EXPECT_EQ(States(m_type.m_drawn),
		"0,0:0/0 1,0:0/0 2,0:0/0 0,1:1/0 1,1:0/1 2,1:0/0 0,2:1/0 1,2:2/0 2,2:0/0");

	m_type.m_drawn.clear();
	Sheet().m_bRowMode = TRUE;
	PaintCells();
	EXPECT_EQ(States(m_type.m_drawn),
		"0,0:0/0 1,0:0/0 2,0:0/0 0,1:0/1 1,1:0/1 2,1:0/1 0,2:1/0 1,2:2/0 2,2:0/0");
}

TEST_F(CellViewPaintTest, FocusFrameFollowsTheFocusAndSurvivesOtherCellsBeingDrawn)
{
	Fill(4, 20);
	SetCurrent(1, 2);
	const COLORREF kCurrent = CellColour(1, 2, 0, TRUE);
	View()->SendMessage(WM_SETFOCUS);
	View()->UpdateWindow();
	EXPECT_TRUE(View()->HasFocus());
	EXPECT_EQ(TakeDrawn(), "1,2") << "only the current cell is drawn again";
	EXPECT_EQ(View()->GetCurrentCellRect(), CRect(75, 40, 150, 60));
	// The frame inverts every other pixel of the cell's edge.
	EXPECT_EQ(ViewPixel(76, 40), Inverted(kCurrent));
	EXPECT_EQ(ViewPixel(77, 40), kCurrent);
	EXPECT_EQ(ViewPixel(148, 58), Inverted(kCurrent));

	View()->RedrawCells(3, 4, 3, 4);
	View()->UpdateWindow();
	EXPECT_EQ(ViewPixel(76, 40), Inverted(kCurrent)) << "a paint that leaves the current cell keeps its frame";

	Sheet().m_bRowMode = TRUE;
	PaintCells();
	View()->RedrawCells(2, 2, 2, 2);
	View()->UpdateWindow();
	EXPECT_EQ(ViewPixel(2, 40), Inverted(CellColour(0, 2, 0, TRUE))) << "the row's frame, outside the drawn cell";
	EXPECT_EQ(ViewPixel(152, 40), Inverted(CellColour(2, 2, 0, TRUE)));

	View()->SendMessage(WM_KILLFOCUS);
	View()->UpdateWindow();
	EXPECT_FALSE(View()->HasFocus());
	EXPECT_EQ(ViewPixel(2, 40), CellColour(0, 2, 0, TRUE));
	m_grid.m_bForceFocusFrame = TRUE;
	PaintCells();
	EXPECT_EQ(ViewPixel(2, 40), Inverted(CellColour(0, 2, 0, TRUE))) << "forced by the grid";
	EXPECT_EQ(m_grid.m_log, "focus1 draw1 draw1 draw1 draw1 lost1 draw1 draw1");
}

TEST_F(CellViewPaintTest, RowsThatAppearWhenAskedForArePaintedInTheSamePass)
{
	Fill(1, 3);
	const int nViewHeight = GetSurfaceSize(View()).cy;
	ASSERT_GT(nViewHeight, 100);
	m_grid.m_nRowsToAdd = 2;
	PaintCells();
	EXPECT_EQ(m_grid.GetRowCount(), 5);
	EXPECT_EQ(TakeDrawn(), "0,0 0,1 0,2 0,3 0,4");
	EXPECT_EQ(m_grid.m_log, "draw1 past3," + std::to_string((nViewHeight - 60 + 19) / 20));
	EXPECT_EQ(ViewPixel(5, 95), CellColour(0, 4));
	m_grid.m_log.clear();
	View()->RedrawCells(0, 1, 0, 1);
	View()->UpdateWindow();
	EXPECT_EQ(m_grid.m_log, "draw1") << "a paint of a few cells does not ask";
}

TEST_F(CellViewPaintTest, AsksForTheDialogKeysOnTopOfItsDefaultCode)
{
	const UINT nWanted = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
	EXPECT_EQ(static_cast<UINT>(View()->SendMessage(WM_GETDLGCODE)) & nWanted, nWanted);
	EXPECT_TRUE((View()->GetStyle() & (WS_CLIPCHILDREN | WS_CLIPSIBLINGS)) == (WS_CLIPCHILDREN | WS_CLIPSIBLINGS));
}
