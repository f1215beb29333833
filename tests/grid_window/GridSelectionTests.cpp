// Multiple selection made with the mouse and the keyboard: the blocks each press or key leaves,
// where the current cell stays, and the selected look of the cells on the view's pixels.
#include "tests/grid_window/GridPaintFixture.h"

#include "framework/ui/testing/UserDriving.h"

namespace
{
	// "first col,first row-last col,last row" of each block.
	std::string Blocks(const SelectionList& selection)
	{
		std::string text;
		for (int i = 0; i < selection.GetBlockCount(); i++)
		{
			const GridSelectionBlock* pBlock = selection.GetBlock(i);
			text += (text.empty() ? "" : " ") + std::to_string(pBlock->m_nFirstCol) + ","
				+ std::to_string(pBlock->m_nFirstRow) + "-" + std::to_string(pBlock->m_nLastCol) + ","
				+ std::to_string(pBlock->m_nLastRow);
		}
		return text;
	}
}

class GridSelectionTest : public GridPaintTest
{
protected:
	void SetUp() override
	{
		GridPaintTest::SetUp();
		Fill(4, 30);
		// All four columns in the view, which therefore never scrolls sideways.
		for (int nCol = 0; nCol < 4; nCol++)
			m_grid.SetColumnWidth(nCol, 60);
		Sheet().m_bMultipleSelection = TRUE;
	}

	// Columns are 60 wide and rows 20 high, the view not scrolled.
	static CPoint Middle(int nCol, long nRow) { return CPoint(nCol * 60 + 30, static_cast<int>(nRow) * 20 + 10); }

	void Click(int nCol, long nRow, UINT nKeys = 0)
	{
		ASSERT_TRUE(AfxSendMouseInput(View(), WM_LBUTTONDOWN, Middle(nCol, nRow), MK_LBUTTON | nKeys));
		ASSERT_TRUE(AfxSendMouseInput(View(), WM_LBUTTONUP, Middle(nCol, nRow), 0));
	}

	void RightClick(int nCol, long nRow)
	{
		ASSERT_TRUE(AfxSendMouseInput(View(), WM_RBUTTONDOWN, Middle(nCol, nRow), MK_RBUTTON));
		ASSERT_TRUE(AfxSendMouseInput(View(), WM_RBUTTONUP, Middle(nCol, nRow), 0));
	}

	// The keyboard cannot hold a modifier offscreen; a mouse move with it held leaves the key
	// state as a user's hand would, until the next input without it. A move that does not move
	// is dropped, so each goes one pixel further.
	void HoldKeys(UINT nKeys)
	{
		ASSERT_TRUE(AfxSendMouseInput(View(), WM_MOUSEMOVE, CPoint(250 + m_nHoldMoves++, 190), nKeys));
	}

	void Key(UINT nKey) { View()->SendMessage(WM_KEYDOWN, nKey, 1); }

	// The cell's look in the middle of its rectangle, where neither its dot nor the focus frame lie.
	::testing::AssertionResult Looks(int nCol, long nRow, BOOL bSelected, BOOL bCurrent = FALSE)
	{
		View()->UpdateWindow();
		const COLORREF crSeen = ViewPixel(Middle(nCol, nRow).x, Middle(nCol, nRow).y);
		if (crSeen == CellColour(nCol, nRow, bSelected ? 1 : 0, bCurrent))
			return ::testing::AssertionSuccess();
		return ::testing::AssertionFailure() << nCol << "," << nRow << " shows blue " << int(GetBValue(crSeen));
	}

	void ExpectCurrent(int nCol, long nRow)
	{
		EXPECT_EQ(nCol, m_grid.GetCurrentColumn());
		EXPECT_EQ(nRow, m_grid.GetCurrentRow());
	}

	int m_nHoldMoves = 0;
};

TEST_F(GridSelectionTest, ShiftStretchesTheLastBlockCtrlAddsABlockAndAPlainClickReplacesThemAll)
{
	Click(0, 0);
	Click(1, 2, MK_SHIFT);
	EXPECT_EQ("0,0-1,2", Blocks(Sheet().m_selection));
	ExpectCurrent(0, 0);
	EXPECT_TRUE(Looks(0, 0, FALSE, TRUE)) << "the anchor stays the current cell";
	EXPECT_TRUE(Looks(1, 2, TRUE));
	EXPECT_TRUE(Looks(0, 1, TRUE));
	EXPECT_TRUE(Looks(2, 2, FALSE));

	Click(3, 5, MK_CONTROL);
	Click(2, 6, MK_SHIFT);
	EXPECT_EQ("0,0-1,2 2,5-3,6", Blocks(Sheet().m_selection));
	ExpectCurrent(3, 5);
	EXPECT_TRUE(Looks(0, 0, TRUE)) << "the first block keeps its cells, the old current one now among them";
	EXPECT_TRUE(Looks(1, 1, TRUE));
	EXPECT_TRUE(Looks(2, 5, TRUE));
	EXPECT_TRUE(Looks(3, 5, FALSE, TRUE));

	Click(1, 7);
	EXPECT_EQ("1,7-1,7", Blocks(Sheet().m_selection));
	ExpectCurrent(1, 7);
	for (const CPoint& cell : {CPoint(0, 0), CPoint(1, 2), CPoint(2, 5), CPoint(3, 6), CPoint(3, 5)})
		EXPECT_TRUE(Looks(cell.x, cell.y, FALSE));
	EXPECT_TRUE(Looks(1, 7, FALSE, TRUE));
}

TEST_F(GridSelectionTest, APlainClickOnTheStretchedCornerStillCollapsesTheSelection)
{
	Click(0, 1);
	Click(2, 3, MK_SHIFT);
	// The corner is where the last move went: clicking it moves nothing, yet replaces the block.
	Click(2, 3);
	EXPECT_EQ("2,3-2,3", Blocks(Sheet().m_selection));
	ExpectCurrent(2, 3);
	EXPECT_TRUE(Looks(1, 2, FALSE));
	EXPECT_TRUE(Looks(0, 1, FALSE));
}

TEST_F(GridSelectionTest, ARightClickInsideTheSelectionKeepsItAndOutsideReplacesIt)
{
	Click(0, 0);
	Click(2, 2, MK_SHIFT);
	RightClick(1, 1);
	EXPECT_EQ("0,0-2,2", Blocks(Sheet().m_selection));
	ExpectCurrent(0, 0);
	EXPECT_TRUE(Looks(1, 1, TRUE));

	RightClick(3, 4);
	EXPECT_EQ("3,4-3,4", Blocks(Sheet().m_selection));
	ExpectCurrent(3, 4);
	EXPECT_TRUE(Looks(2, 2, FALSE));
}

TEST_F(GridSelectionTest, ShiftArrowsStretchScrollingKeepsTheBlockAndAPlainArrowCollapsesFromTheAnchor)
{
	Click(1, 1);
	HoldKeys(MK_SHIFT);
	Key(VK_DOWN);
	Key(VK_DOWN);
	Key(VK_RIGHT);
	EXPECT_EQ("1,1-2,3", Blocks(Sheet().m_selection));
	ExpectCurrent(1, 1);
	EXPECT_TRUE(Looks(2, 3, TRUE));

	HoldKeys(0);
	EXPECT_EQ(0, m_grid.SetTopRow(1));
	EXPECT_EQ("1,1-2,3", Blocks(Sheet().m_selection)) << "a scroll is no move of the selection";
	EXPECT_EQ(0, m_grid.SetTopRow(0));

	Key(VK_DOWN);
	EXPECT_EQ("1,2-1,2", Blocks(Sheet().m_selection)) << "one row below the anchor, not below the corner";
	ExpectCurrent(1, 2);
	EXPECT_TRUE(Looks(2, 3, FALSE));
	EXPECT_TRUE(Looks(1, 1, FALSE));
}

TEST_F(GridSelectionTest, CtrlWithAKeyAddsABlockAndWholeRowBlocksSpanEveryColumn)
{
	Sheet().m_selection.m_nStyle = GRID_SELECT_WHOLE_ROWS;
	Click(1, 1);
	HoldKeys(MK_CONTROL);
	Key(VK_DOWN);
	Key(VK_DOWN);
	HoldKeys(0);
	EXPECT_EQ("0,1-3,1 0,2-3,2 0,3-3,3", Blocks(Sheet().m_selection));
	ExpectCurrent(1, 3);
	EXPECT_TRUE(Looks(3, 1, TRUE));
	EXPECT_TRUE(Looks(0, 2, TRUE));
	EXPECT_TRUE(Looks(0, 4, FALSE));
}

TEST_F(GridSelectionTest, WithoutMultipleSelectionOrWhileEditingTheCurrentCellIsTheTarget)
{
	Sheet().m_bMultipleSelection = FALSE;
	Click(0, 0);
	Click(2, 2, MK_SHIFT);
	ExpectCurrent(2, 2);
	EXPECT_EQ(0, Sheet().m_selection.GetBlockCount());

	Sheet().m_bMultipleSelection = TRUE;
	m_grid.GetEditor()->m_bEditing = TRUE;
	m_grid.GotoCell(3, 4);
	m_grid.GetEditor()->m_bEditing = FALSE;
	ExpectCurrent(3, 4);
	EXPECT_EQ(0, Sheet().m_selection.GetBlockCount());
}
