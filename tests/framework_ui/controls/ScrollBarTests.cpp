// SCROLLBAR controls: the scroll information, kept as Windows keeps it (the page within the
// range, the position where a whole page still fits).
#include "tests/framework_ui/dialog/DialogTestSupport.h"

#include "framework/ui/controls/ScrollBar.h"

#include <gtest/gtest.h>

namespace
{

TEST(ScrollBarTest, InformationIsClampedAsOnWindows)
{
	CNotifiedWindow parent;
	ASSERT_TRUE(parent.CreatePopup());
	CScrollBar bar;
	ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(10, 10, 26, 200), &parent, 1000));
	const struct
	{
		int nMin;
		int nMax;
		UINT nPage;
		int nPos;
		UINT nExpectedPage;
		int nExpectedPos;
	} cases[] = {
		{ 0, 100, 10, 50, 10, 50 },
		{ 0, 100, 10, 95, 10, 91 },	// the last page starts at 100 - 10 + 1
		{ 0, 100, 0, 100, 0, 100 },
		{ 0, 100, 0, 150, 0, 100 },
		{ 10, 20, 50, 15, 11, 10 },	// a page larger than the range
		{ -5, 5, 1, -9, 1, -5 },
	};
	for (const auto& c : cases)
	{
		SCROLLINFO info = { sizeof(SCROLLINFO), SIF_ALL, c.nMin, c.nMax, c.nPage, c.nPos, 0 };
		bar.SetScrollInfo(&info);
		SCROLLINFO back = {};
		ASSERT_TRUE(bar.GetScrollInfo(&back));
		EXPECT_EQ(c.nMin, back.nMin);
		EXPECT_EQ(c.nMax, back.nMax);
		EXPECT_EQ(c.nExpectedPage, back.nPage) << c.nMin << ".." << c.nMax;
		EXPECT_EQ(c.nExpectedPos, back.nPos) << c.nMin << ".." << c.nMax;
		EXPECT_EQ(c.nExpectedPos, back.nTrackPos);
		EXPECT_EQ(c.nExpectedPos, bar.GetScrollPos());
	}
}

TEST(ScrollBarTest, PositionAndRangeMembers)
{
	CNotifiedWindow parent;
	ASSERT_TRUE(parent.CreatePopup());
	CScrollBar bar;
	ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(10, 10, 200, 26), &parent, 1000));
	bar.SetScrollRange(0, 40);
	EXPECT_EQ(0, bar.SetScrollPos(25));
	EXPECT_EQ(25, bar.SetScrollPos(60));
	EXPECT_EQ(40, bar.GetScrollPos());
	int nMin = -1;
	int nMax = -1;
	bar.GetScrollRange(&nMin, &nMax);
	EXPECT_EQ(0, nMin);
	EXPECT_EQ(40, nMax);
	// Only the fields named in the mask change.
	SCROLLINFO info = { sizeof(SCROLLINFO), SIF_PAGE, 99, 99, 8, 99, 0 };
	bar.SetScrollInfo(&info);
	SCROLLINFO back = {};
	bar.GetScrollInfo(&back, SIF_RANGE | SIF_PAGE | SIF_POS);
	EXPECT_EQ(0, back.nMin);
	EXPECT_EQ(40, back.nMax);
	EXPECT_EQ(8u, back.nPage);
	EXPECT_EQ(33, back.nPos);
}

}
