// The check-box type: its mark, the click released in the box and the space bar that toggle it,
// the events it reports and the read-only cells it leaves alone.
#include "tests/grid_window/CellTypeTestSupport.h"

#include <gtest/gtest.h>

namespace
{

// A 75 x 20 cell leaves 74 x 19 inside its grid lines: the box is 12 pixels square at (3, 3).
const CRect kCell(0, 0, 75, 20);
const CRect kBoxInside(4, 4, 14, 14);

class CheckBoxCellTypeTest : public ::testing::Test
{
protected:
	CheckBoxCellTypeTest()
	{
		m_grid.SetColumnCount(2, FALSE);
		m_grid.SetRowCount(2, FALSE);
	}

	void Store(LPCSTR lpszText, BOOL bReadOnly = FALSE)
	{
		GridCell cell;
		cell.SetCellType(GRID_TYPE_CHECKBOX);
		cell.SetText(lpszText);
		if (bReadOnly)
			cell.SetReadOnly(TRUE);
		m_grid.SetCell(1, 1, &cell);
	}

	CString Stored()
	{
		GridCell cell;
		m_grid.GetCell(1, 1, &cell);
		return cell.GetText();
	}

	CellType* Type()
	{
		return m_grid.GetCellType(GRID_TYPE_CHECKBOX);
	}

	BOOL Click(BOOL bDown, int x, int y)
	{
		CRect rc(kCell);
		CPoint point(x, y);
		return Type()->OnLButton(1, 1, bDown, &rc, &point);
	}

	BOOL Key(UINT nKey)
	{
		return Type()->OnKeyDown(1, 1, &nKey);
	}

	// Black pixels inside the box: the mark.
	int MarkPixels()
	{
		MemorySurface surface(80, 20);
		GridCell cell;
		m_grid.GetCellWithDefaults(1, 1, &cell);
		CRect rc(kCell);
		Type()->Draw(&surface.Dc(), &rc, 1, 1, &cell, 0, FALSE);
		int nBlack = 0;
		for (int y = kBoxInside.top; y < kBoxInside.bottom; ++y)
			for (int x = kBoxInside.left; x < kBoxInside.right; ++x)
				nBlack += surface.Pixel(x, y) == kBlack ? 1 : 0;
		return nBlack;
	}

	RecordingGrid m_grid;
};

TEST_F(CheckBoxCellTypeTest, ANumberAboveZeroShowsAMarkAndAClickReleasedInTheBoxClearsIt)
{
	Store("1.5");
	EXPECT_GT(MarkPixels(), 6);
	EXPECT_FALSE(Click(TRUE, 9, 9));
	EXPECT_EQ(CString("1.5"), Stored());
	EXPECT_TRUE(Click(FALSE, 9, 9));
	EXPECT_EQ(0.0, atof(Stored()));
	EXPECT_EQ(0, MarkPixels());
	const std::vector<RecordedTypeEvent> expected = { { GRID_TYPE_CHECKBOX, 1, 1, GRID_EVENT_CHECK_CHANGED, "0" } };
	EXPECT_EQ(expected, m_grid.m_events);

	EXPECT_TRUE(Click(FALSE, 15, 15));
	EXPECT_EQ(1.0, atof(Stored()));
	EXPECT_GT(MarkPixels(), 6);
}

TEST_F(CheckBoxCellTypeTest, ClicksBesideTheBoxAndDoubleClicksLeaveTheValue)
{
	Store("0");
	EXPECT_FALSE(Click(FALSE, 30, 9));
	EXPECT_FALSE(Click(FALSE, 9, 17));
	CRect rc(kCell);
	CPoint point(9, 9);
	EXPECT_FALSE(Type()->OnDoubleClick(1, 1, &rc, &point));
	EXPECT_EQ(CString("0"), Stored());
	EXPECT_TRUE(m_grid.m_events.empty());
}

TEST_F(CheckBoxCellTypeTest, TheSpaceBarTogglesTheBooleanAndReportsTheNewState)
{
	Store("True");
	EXPECT_TRUE(Key(VK_SPACE));
	EXPECT_EQ(0.0, atof(Stored()));
	EXPECT_TRUE(Key(VK_SPACE));
	EXPECT_EQ(1.0, atof(Stored()));
	EXPECT_FALSE(Key('A'));
	const std::vector<RecordedTypeEvent> expected = { { GRID_TYPE_CHECKBOX, 1, 1, GRID_EVENT_CHECK_CHANGED, "0" },
		{ GRID_TYPE_CHECKBOX, 1, 1, GRID_EVENT_CHECK_CHANGED, "1" } };
	EXPECT_EQ(expected, m_grid.m_events);
}

TEST_F(CheckBoxCellTypeTest, AReadOnlyCellKeepsItsValueUnderClicksAndTheSpaceBar)
{
	Store("1", TRUE);
	EXPECT_FALSE(Click(FALSE, 9, 9));
	EXPECT_FALSE(Key(VK_SPACE));
	EXPECT_EQ(CString("1"), Stored());
	EXPECT_TRUE(m_grid.m_events.empty());
}

}
