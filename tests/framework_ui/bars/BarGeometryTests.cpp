// The bars' geometry as numbers: borders, toolbar items and height, status panes with stretching,
// and the slices bars take off a client area.
#include "framework/core/BarConstants.h"
#include "framework/ui/bars/BarGeometry.h"

#include <gtest/gtest.h>

namespace
{

TEST(ControlBarBordersTest, EachBorderBitTakesTwoPixelsOnItsSide)
{
	struct Case
	{
		DWORD dwStyle;
		CRect expected;
	};
	const Case cases[] = {
		{ CBRS_TOP, CRect(0, 0, 0, 2) },
		{ CBRS_BOTTOM, CRect(0, 2, 0, 0) },
		{ CBRS_LEFT, CRect(0, 0, 2, 0) },
		{ CBRS_RIGHT, CRect(2, 0, 0, 0) },
		{ CBRS_ALIGN_TOP | CBRS_BORDER_ANY, CRect(2, 2, 2, 2) },
		{ CBRS_ALIGN_TOP | CBRS_TOOLTIPS | CBRS_FLYBY, CRect(0, 0, 0, 0) },
	};
	for (const Case& c : cases)
	{
		EXPECT_EQ(c.expected, ControlBarBorders(c.dwStyle)) << std::hex << c.dwStyle;
	}
}

TEST(ToolBarGeometryTest, ButtonsAndSeparatorsFollowEachOtherFromTheOrigin)
{
	// The main window's row: exit, gap, save, gap, three modulations, gap, spectrum, gap, about.
	const int B = TOOLBAR_BUTTON_CX;
	const int S = TOOLBAR_SEPARATOR_CX;
	const std::vector<int> widths = { B, S, B, S, B, B, B, S, B, S, B };
	const CPoint origin = ToolBarOrigin(CBRS_TOP);
	EXPECT_EQ(CPoint(4, 2), origin);
	const std::vector<CRect> rects = ToolBarItemRects(origin, widths, TOOLBAR_BUTTON_CY);
	ASSERT_EQ(11u, rects.size());
	EXPECT_EQ(CRect(4, 2, 27, 24), rects[0]);
	EXPECT_EQ(CRect(27, 2, 34, 24), rects[1]);
	EXPECT_EQ(CRect(34, 2, 57, 24), rects[2]);
	EXPECT_EQ(CRect(64, 2, 87, 24), rects[4]);
	EXPECT_EQ(CRect(110, 2, 133, 24), rects[6]);
	EXPECT_EQ(CRect(170, 2, 193, 24), rects[10]);
}

TEST(ToolBarGeometryTest, TopBarIsTwentyEightPixelsHigh)
{
	const std::vector<int> widths = { 23, 7, 23 };
	EXPECT_EQ(CSize(4 + 53 + 4, 28), ToolBarFixedSize(CBRS_TOP, widths, TOOLBAR_BUTTON_CY));
	EXPECT_EQ(CSize(4 + 53 + 4 + 4, 30), ToolBarFixedSize(CBRS_ALIGN_TOP | CBRS_BORDER_ANY, widths, TOOLBAR_BUTTON_CY));
	EXPECT_EQ(CSize(8, 26), ToolBarFixedSize(CBRS_ALIGN_TOP, {}, TOOLBAR_BUTTON_CY));
	EXPECT_EQ(CSize(8 + 30, 36), ToolBarFixedSize(CBRS_TOP, { 30 }, 30));
}

TEST(StatusBarGeometryTest, BottomBarIsTwentyPixelsHigh)
{
	EXPECT_EQ(20, StatusBarHeight(CBRS_BOTTOM));
	EXPECT_EQ(18, StatusBarHeight(CBRS_ALIGN_BOTTOM));
}

TEST(StatusBarGeometryTest, StretchingPanesShareWhatTheOthersLeave)
{
	struct Case
	{
		const char* pszName;
		int cxBar;
		std::vector<StatusPaneMetric> panes;
		int cxGrip;
		std::vector<CRect> expected;
	};
	const int y0 = 3;
	const int y1 = 19;
	const Case cases[] = {
		{ "message pane alone", 200, { { 0, TRUE } }, 0, { CRect(2, y0, 198, y1) } },
		// 200 - 4 inside - 2 gaps of 2 - indicators (40 + 6) and (20 + 6) = 120 for the message pane.
		{ "message pane and two indicators", 200, { { 0, TRUE }, { 40, FALSE }, { 20, FALSE } }, 0,
			{ CRect(2, y0, 122, y1), CRect(124, y0, 170, y1), CRect(172, y0, 198, y1) } },
		{ "the grip keeps its room", 200, { { 0, TRUE }, { 40, FALSE } }, STATUS_GRIP_CX,
			{ CRect(2, y0, 134, y1), CRect(136, y0, 182, y1) } },
		// 101 spare pixels over two stretching panes: the first takes the odd one.
		{ "two stretching panes", 119, { { 0, TRUE }, { 0, TRUE } }, 0,
			{ CRect(2, y0, 59, y1), CRect(61, y0, 117, y1) } },
		{ "a least width is kept when there is no room", 20, { { 30, TRUE } }, 0, { CRect(2, y0, 38, y1) } },
		{ "fixed panes only", 200, { { 10, FALSE } }, 0, { CRect(2, y0, 18, y1) } },
	};
	for (const Case& c : cases)
	{
		EXPECT_EQ(c.expected, StatusPaneRects(c.cxBar, CBRS_BOTTOM, c.panes, c.cxGrip)) << c.pszName;
	}
}

TEST(BarSliceTest, BarsStackInwardsFromTheirEdges)
{
	RECT rcFree = { 0, 0, 200, 100 };
	EXPECT_EQ(CRect(0, 0, 200, 28), TakeBarSlice(rcFree, CBRS_ALIGN_TOP, CSize(61, 28), TRUE));
	EXPECT_EQ(CRect(0, 80, 200, 100), TakeBarSlice(rcFree, CBRS_ALIGN_BOTTOM, CSize(50, 20), TRUE));
	EXPECT_EQ(CRect(0, 28, 200, 56), TakeBarSlice(rcFree, CBRS_ALIGN_TOP, CSize(61, 28), TRUE));
	EXPECT_EQ(CRect(0, 56, 10, 80), TakeBarSlice(rcFree, CBRS_ALIGN_LEFT, CSize(10, 5), TRUE));
	EXPECT_EQ(CRect(190, 56, 200, 80), TakeBarSlice(rcFree, CBRS_ALIGN_RIGHT, CSize(10, 5), TRUE));
	EXPECT_EQ(CRect(10, 56, 190, 80), CRect(rcFree));
}

TEST(BarSliceTest, UnstretchedBarsKeepTheirOwnLength)
{
	RECT rcFree = { 10, 20, 210, 120 };
	EXPECT_EQ(CRect(10, 20, 71, 48), TakeBarSlice(rcFree, CBRS_ALIGN_TOP, CSize(61, 28), FALSE));
	EXPECT_EQ(CRect(10, 48, 15, 98), TakeBarSlice(rcFree, CBRS_ALIGN_LEFT, CSize(5, 50), FALSE));
	EXPECT_EQ(CRect(15, 48, 210, 120), CRect(rcFree));
}

TEST(BarSliceTest, ASliceNeverCrossesTheOppositeEdge)
{
	RECT rcFree = { 0, 0, 100, 30 };
	TakeBarSlice(rcFree, CBRS_ALIGN_TOP, CSize(0, 28), TRUE);
	TakeBarSlice(rcFree, CBRS_ALIGN_BOTTOM, CSize(0, 20), TRUE);
	EXPECT_EQ(28, rcFree.top);
	EXPECT_EQ(28, rcFree.bottom);
	EXPECT_EQ(CRect(0, 0, 0, 0), TakeBarSlice(rcFree, CBRS_NOALIGN, CSize(5, 5), TRUE));
	EXPECT_EQ(CRect(0, 28, 100, 28), CRect(rcFree));
}

}
