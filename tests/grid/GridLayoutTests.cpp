// The layout arithmetic with numbers worked out by hand: the children's rectangles, the last top
// row, scrolling into view, paging, the scroll bars' ranges and the scroll hint's placement.
#include "grid/layout/GridLayout.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <utility>
#include <vector>

// Failures show rectangles as numbers.
static void PrintTo(const CRect& rc, std::ostream* os)
{
	*os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

namespace
{
	// Stored sizes, or a uniform axis of a count; a uniform axis is never asked for a stored size.
	class TestAxis : public GridAxis
	{
	public:
		explicit TestAxis(std::vector<int> sizes, int nDefault = 20) : m_sizes(std::move(sizes)), m_nCount(static_cast<long>(m_sizes.size())), m_nDefault(nDefault) {}
		TestAxis(long nCount, int nDefault) : m_nCount(nCount), m_nDefault(nDefault), m_bUniform(TRUE) {}
		static TestAxis Rows(long n, int nSize, int nDefault = 20) { return TestAxis(std::vector<int>(n, nSize), nDefault); }

		long GetCount() const override { return m_nCount; }
		int GetDefaultSize() const override { return m_nDefault; }
		BOOL IsUniform() const override { return m_bUniform; }
		int GetStoredSize(long n) const override
		{
			EXPECT_FALSE(m_bUniform) << "a uniform axis walked to " << n;
			EXPECT_TRUE(n >= 0 && n < m_nCount) << n;
			return m_bUniform ? m_nDefault : m_sizes[n];
		}

	private:
		std::vector<int> m_sizes;
		long m_nCount;
		int m_nDefault;
		BOOL m_bUniform = FALSE;
	};

	const TestAxis kHugeUniform(INT_MAX, 20);

	// Client 300 x 200, side heading 40, top heading 20, bars 16: A = 260, B = 180.
	GridLayoutInput Input(int nTab = 0, int nSide = 40, int nTop = 20) { return GridLayoutInput{300, 200, nSide, nTop, 16, 16, nTab}; }

	TEST(GridLayoutTest, ScrollBarsShowOnlyWhenTheContentDoesNotFit)
	{
		struct Case { const char* what; TestAxis columns, rows; CRect rcCellView; } cases[] = {
			{"all fits", TestAxis::Rows(3, 80), TestAxis::Rows(5, 20), CRect(40, 20, 300, 200)},
			{"rows exactly B", TestAxis::Rows(3, 80), TestAxis::Rows(9, 20), CRect(40, 20, 284, 200)},
			{"rows overflow", TestAxis::Rows(3, 80), TestAxis::Rows(10, 20), CRect(40, 20, 284, 200)},
			{"columns overflow", TestAxis::Rows(4, 80), TestAxis::Rows(5, 20), CRect(40, 20, 300, 184)},
			{"columns fit beside no bar only", TestAxis::Rows(1, 250), TestAxis::Rows(10, 20), CRect(40, 20, 284, 184)},
			{"uniform 2^31-1 rows", TestAxis::Rows(3, 80), kHugeUniform, CRect(40, 20, 284, 200)},
		};
		for (const Case& c : cases)
		{
			const GridChildRects rc = GridLayoutChildren(Input(), c.columns, c.rows);
			EXPECT_EQ(c.rcCellView, rc.rcCellView) << c.what;
			EXPECT_EQ(CRect(c.rcCellView.right, 0, 300, c.rcCellView.bottom), rc.rcVScroll) << c.what;
			EXPECT_EQ(CRect(0, c.rcCellView.bottom, c.rcCellView.right, 200), rc.rcHScroll) << c.what;
			EXPECT_EQ(CRect(40, 0, c.rcCellView.right, 20), rc.rcTopHeading) << c.what;
			EXPECT_EQ(CRect(0, 20, 40, c.rcCellView.bottom), rc.rcSideHeading) << c.what;
		}
	}

	TEST(GridLayoutTest, HeadingsOfSizeZeroLetTheCellViewStartAtTheOrigin)
	{
		const GridChildRects rc = GridLayoutChildren(Input(0, 0, 0), TestAxis::Rows(3, 80), TestAxis::Rows(5, 20));
		EXPECT_EQ(CRect(0, 0, 300, 200), rc.rcCellView);
		EXPECT_EQ(CRect(0, 0, 300, 0), rc.rcTopHeading);
		EXPECT_EQ(CRect(0, 0, 0, 0), rc.rcCorner);
	}

	TEST(GridLayoutTest, TheTabBarKeepsTheHorizontalBarAndIsClamped)
	{
		struct Case { int nTab, nSide, nTabRight; } cases[] = {{100, 40, 100}, {500, 40, 230}, {2, 40, 4}, {100, 280, 4}};
		for (const Case& c : cases)
		{
			const GridChildRects rc = GridLayoutChildren(Input(c.nTab, c.nSide), TestAxis::Rows(1, 10), TestAxis::Rows(1, 10));
			EXPECT_EQ(CRect(0, 184, c.nTabRight, 200), rc.rcTabBar) << c.nTab;
			EXPECT_EQ(CRect(c.nTabRight, 184, 300, 200), rc.rcHScroll) << c.nTab;
			EXPECT_EQ(CRect(c.nSide, 20, 300, 184), rc.rcCellView) << c.nTab;
		}
	}

	TEST(GridLayoutTest, LastFirstPosition)
	{
		struct Case { const char* what; TestAxis axis; long nLocked; int nView, nLockedSize; long nExpected; } cases[] = {
			{"5 x 20 in 100: the one-pixel term", TestAxis::Rows(5, 20), 0, 100, 0, 1},
			{"4 x 20 fit", TestAxis::Rows(4, 20), 0, 100, 0, 0},
			{"10 x 20 in 100", TestAxis::Rows(10, 20), 0, 100, 0, 6},
			{"locked 2 of 40 px", TestAxis::Rows(10, 20), 2, 100, 40, 8},
			{"fitting, raised to the locked count", TestAxis::Rows(4, 20), 2, 200, 40, 2},
			{"mixed sizes", TestAxis({10, 50, 30, 40}), 0, 100, 0, 2},
			{"view smaller than a row", TestAxis::Rows(5, 20), 0, 10, 0, 4},
			{"no rows", TestAxis::Rows(0, 20), 0, 100, 0, 0},
			{"no rows, locked", TestAxis::Rows(0, 20), 2, 100, 0, 2},
			{"uniform 2^31-1 rows", kHugeUniform, 0, 100, 0, INT_MAX - 4L},
		};
		for (const Case& c : cases)
			EXPECT_EQ(c.nExpected, GridLastFirstPosition(c.axis, c.nLocked, c.nView, c.nLockedSize)) << c.what;
	}

	TEST(GridLayoutTest, UniformLastFirstPositionEqualsTheWalk)
	{
		for (long nCount = 0; nCount <= 12; nCount++)
			for (int nSize = 1; nSize <= 25; nSize += 6)
				for (int nView = 0; nView <= 130; nView += 7)
					for (long nLocked = 0; nLocked <= 2; nLocked++)
						ASSERT_EQ(GridLastFirstPosition(TestAxis::Rows(nCount, nSize), nLocked, nView, 5),
							GridLastFirstPosition(TestAxis(nCount, nSize), nLocked, nView, 5))
							<< nCount << " x " << nSize << " in " << nView << ", locked " << nLocked;
	}

	TEST(GridLayoutTest, ScrollIntoView)
	{
		const TestAxis tens = TestAxis::Rows(10, 20);
		struct Case { const char* what; const TestAxis& axis; long nFirst, nTarget, nLocked; int nView, nLockedSize; long nExpected; } cases[] = {
			{"above", tens, 5, 2, 0, 100, 0, 2},
			{"in the locked band", tens, 5, 1, 2, 100, 40, 5},
			{"above, just past the locked band", tens, 5, 2, 2, 100, 40, 2},
			{"visible", tens, 2, 5, 0, 100, 0, 2},
			{"last row that fits exactly", tens, 2, 6, 0, 100, 0, 2},
			{"one below", tens, 2, 7, 0, 100, 0, 3},
			{"far below", tens, 0, 9, 0, 100, 0, 5},
			{"mixed sizes", TestAxis({20, 20, 20, 20, 50, 50}), 0, 5, 0, 100, 0, 4},
			{"taller than the view", TestAxis({20, 20, 20, 150}), 0, 3, 0, 100, 0, 3},
			{"past the count, default 30", TestAxis(std::vector<int>(5, 20), 30), 0, 8, 0, 100, 0, 6},
			{"uniform", kHugeUniform, 0, 1000000, 0, 100, 0, 999996},
			{"uniform, the last row", kHugeUniform, 0, INT_MAX - 1L, 0, 100, 0, INT_MAX - 5L},
			{"uniform, locked", kHugeUniform, 2, 100, 2, 100, 40, 98},
		};
		for (const Case& c : cases)
			EXPECT_EQ(c.nExpected, GridScrollIntoView(c.axis, c.nFirst, c.nTarget, c.nLocked, c.nView, c.nLockedSize)) << c.what;
	}

	TEST(GridLayoutTest, PagingForwardAndBack)
	{
		const TestAxis tens = TestAxis::Rows(10, 20, 30);
		const TestAxis mixed({50, 50, 10, 10, 10});
		const TestAxis zeros = TestAxis::Rows(10, 0);
		const TestAxis zerosNoDefault = TestAxis::Rows(10, 0, 0);
		struct Case { const char* what; const TestAxis& axis; bool bForward; long nStart; long nDefaultFrom; long long nExpected; } cases[] = {
			{"20-px rows: 6 rows", tens, true, 0, 10, 6},
			{"and back", tens, false, 6, 10, 0},
			{"default 30 from row 10", tens, true, 8, 10, 13},
			{"back past row 0, default 30", tens, false, 2, 10, -3},
			{"default size from nDefaultFrom", tens, true, 0, 2, 5},
			{"mixed", mixed, true, 0, 5, 3},
			{"mixed back: the row stepped over counts", mixed, false, 3, 5, 0},
			{"zero rows stop past the count", zeros, true, 0, 10, 16},
			{"zero rows and default: one pixel", zerosNoDefault, true, 0, 10, 111},
			{"uniform near 2^31", kHugeUniform, true, INT_MAX - 1L, INT_MAX, INT_MAX + 5LL},
			{"uniform back", kHugeUniform, false, INT_MAX - 1L, INT_MAX, INT_MAX - 7LL},
		};
		for (const Case& c : cases)
			EXPECT_EQ(c.nExpected, c.bForward ? GridPageForward(c.axis, c.nStart, 100, c.nDefaultFrom)
				: GridPageBack(c.axis, c.nStart, 100, c.nDefaultFrom)) << c.what;
	}

	void ExpectRange(const GridScrollRange& rg, int nMin, int nMax, UINT nPage)
	{
		EXPECT_EQ(nMin, rg.nMin);
		EXPECT_EQ(nMax, rg.nMax);
		EXPECT_EQ(nPage, rg.nPage);
	}

	TEST(GridScrollBarsTest, TwoThousandRowsOnAThousandStepsReachTheLastRows)
	{
		const long nLast = GridLastFirstPosition(TestAxis::Rows(2000, 20), 0, 100, 0);
		ASSERT_EQ(1996, nLast);
		const GridScrollRange rg = GridVScrollRange(nLast, 0, 100, 20, GRID_SCROLL_ON_RELEASE);
		ExpectRange(rg, 0, 1000, 1);
		EXPECT_EQ(1000, GridVThumbFromRow(rg, nLast, GRID_SCROLL_ON_RELEASE));
		EXPECT_EQ(nLast, GridRowFromVThumb(nLast, 0, 1000));
		EXPECT_EQ(0, GridRowFromVThumb(nLast, 0, 0));
		EXPECT_EQ(998, GridRowFromVThumb(nLast, 0, 500));
		for (long nLastTop = 1001; nLastTop < 20000; nLastTop += 7)
			ASSERT_EQ(1000, GridVThumbFromRow(GridVScrollRange(nLastTop, 0, 100, 20, 0), nLastTop, 0)) << nLastTop;
		const long nHugeLast = INT_MAX - 4L;
		EXPECT_EQ(1000, GridVThumbFromRow(GridVScrollRange(nHugeLast, 0, 100, 20, 0), nHugeLast, 0));
		EXPECT_EQ(nHugeLast, GridRowFromVThumb(nHugeLast, 0, 1000));
	}

	TEST(GridScrollBarsTest, LockedRowsStayInTheirBandAndRoundTripUnscaled)
	{
		const GridScrollRange rg = GridVScrollRange(96, 2, 100, 20, GRID_SCROLL_WHILE_TRACKING);
		ExpectRange(rg, 2, 100, 5);
		for (long nRow = 2; nRow <= 96; nRow++)
			ASSERT_EQ(nRow, GridRowFromVThumb(96, 2, GridVThumbFromRow(rg, nRow, 1))) << nRow;
		const GridScrollRange rgScaled = GridVScrollRange(1996, 3, 100, 20, 0);
		ExpectRange(rgScaled, 3, 1000, 1);
		EXPECT_EQ(3, GridVThumbFromRow(rgScaled, 3, 0));
		EXPECT_EQ(3, GridRowFromVThumb(1996, 3, 3));
		EXPECT_EQ(1996, GridRowFromVThumb(1996, 3, 1000));
		for (int p = -5; p <= 1005; p++)
		{
			const long nRow = GridRowFromVThumb(1996, 3, p);
			ASSERT_TRUE(nRow >= 3 && nRow <= 1996) << p;
		}
	}

	TEST(GridScrollBarsTest, VerticalRangeModesAndGuards)
	{
		ExpectRange(GridVScrollRange(5000, 0, 100, 20, GRID_SCROLL_THREE_POSITIONS), 0, 2, 1);
		EXPECT_EQ(1, GridVThumbFromRow(GridVScrollRange(5000, 0, 100, 20, 2), 4000, GRID_SCROLL_THREE_POSITIONS));
		ExpectRange(GridVScrollRange(1000, 0, 100, 20, 0), 0, 1004, 5);
		ExpectRange(GridVScrollRange(10, 0, 100, 0, 0), 0, 109, 100);
		ExpectRange(GridVScrollRange(10, 0, 10, 20, 0), 0, 10, 1);
	}

	TEST(GridScrollBarsTest, HorizontalRange)
	{
		ExpectRange(GridHScrollRange(7, 1, 300, 60, 80), 0, 8, 3);
		EXPECT_EQ(6, GridHThumbFromColumn(7, 1));
		EXPECT_EQ(7, GridColumnFromHThumb(1, 6));
		ExpectRange(GridHScrollRange(7, 1, 50, 60, 80), 0, 6, 1);
		ExpectRange(GridHScrollRange(7, 0, 300, 0, 0), 0, 306, 300);
	}

	TEST(GridScrollBarsTest, HintPlacement)
	{
		const CRect rcParent(0, 0, 400, 300);
		struct Case { int x, y, nAsked, nText, nStyle; CRect rcParent, rcExpected; } cases[] = {
			{100, 100, 40, 50, 0, rcParent, CRect(100, 100, 154, 116)},
			{100, 100, 40, 10, 0, rcParent, CRect(100, 100, 140, 116)},
			{100, 100, 40, 50, GRID_HINT_LEFT, rcParent, CRect(46, 100, 100, 116)},
			{100, 100, 40, 50, GRID_HINT_HCENTER, rcParent, CRect(73, 100, 127, 116)},
			{100, 100, 40, 50, GRID_HINT_ABOVE, rcParent, CRect(100, 84, 154, 100)},
			{100, 100, 40, 50, GRID_HINT_VCENTER, rcParent, CRect(100, 92, 154, 108)},
			{100, 100, 40, 50, GRID_HINT_LEFT | GRID_HINT_VCENTER, rcParent, CRect(46, 92, 100, 108)},
			{380, 290, 40, 50, 0, rcParent, CRect(346, 284, 400, 300)},
			{20, -5, 40, 50, GRID_HINT_LEFT, rcParent, CRect(0, 0, 54, 16)},
			{5, 5, 40, 50, GRID_HINT_ABOVE, CRect(10, 10, 400, 300), CRect(10, 10, 64, 26)},
			{20, 5, 40, 50, 0, CRect(0, 0, 30, 10), CRect(0, 0, 30, 10)},
		};
		for (const Case& c : cases)
			EXPECT_EQ(c.rcExpected, GridPlaceScrollHint(CPoint(c.x, c.y), c.nAsked, c.nText, 16, c.nStyle, c.rcParent))
				<< c.x << "," << c.y << " style " << c.nStyle;
	}
}
