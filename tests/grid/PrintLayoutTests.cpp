// Print pagination with numbers worked out by hand on an A4 page at 600 dots per inch: the
// printable size in screen pixels, the scales and edges, column pages, row bands and page order.
#include "grid/layout/PrintLayout.h"
#include "tests/grid/SizesAxis.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace
{
	const GridPrintDevice kA4{4961, 7016, 210, 297};
	const GridPrintMargins kMargins{25, 25, 25, 25};

	std::string Spans(const std::vector<GridPrintSpan>& spans)
	{
		std::string text;
		for (const GridPrintSpan& span : spans)
			text += (text.empty() ? "" : " ") + std::to_string(span.nFirst) + "-" + std::to_string(span.nLast);
		return text;
	}

	TEST(PrintLayoutTest, PrintableScreenPixelsFollowThePageLessMarginsAndHeadings)
	{
		struct Case { const char* what; GridPrintMargins margins; int nSide, nTop; CSize expected; } cases[] = {
			// 160 mm x 3.79 = 606.4, 247 mm x 3.78 = 933.66
			{"25 mm margins", kMargins, 0, 0, CSize(606, 933)},
			{"with both headings", kMargins, 40, 20, CSize(566, 913)},
			// 170 mm x 3.79 = 644.3, 237 mm x 3.78 = 895.86
			{"margins of their own", GridPrintMargins{10, 20, 30, 40}, 0, 0, CSize(644, 895)},
			{"no margins", GridPrintMargins{0, 0, 0, 0}, 0, 0, CSize(795, 1122)},
		};
		for (const Case& c : cases)
		{
			SCOPED_TRACE(c.what);
			const CSize size = GridPrintableScreenSize(kA4, c.margins, c.nSide, c.nTop);
			EXPECT_EQ(c.expected.cx, size.cx);
			EXPECT_EQ(c.expected.cy, size.cy);
		}
	}

	TEST(PrintLayoutTest, AFullPageOfScreenPixelsFillsThePrintableAreaBetweenTheEdges)
	{
		const GridPrintScale scale = GridPrintScaleFor(kA4, kMargins);
		// 25 mm of 4961 px / 210 mm is 590.6 px; of 7016 px / 297 mm, 590.57 px.
		EXPECT_EQ(590, scale.rcEdges.left);
		EXPECT_EQ(590, scale.rcEdges.top);
		EXPECT_EQ(4370, scale.rcEdges.right);
		EXPECT_EQ(6425, scale.rcEdges.bottom);
		// 160 mm are 3779.8 printer pixels, 247 mm are 5834.9.
		EXPECT_NEAR(3779.8, 606 * scale.dColumnScale, 0.1);
		EXPECT_NEAR(5834.9, 933 * scale.dRowScale, 0.1);

		const GridPrintScale none = GridPrintScaleFor(kA4, GridPrintMargins{105, 25, 105, 25});
		EXPECT_EQ(0.0, none.dColumnScale);
		EXPECT_EQ(0.0, GridPrintScaleFor(GridPrintDevice{0, 0, 0, 0}, kMargins).dRowScale);
	}

	TEST(PrintLayoutTest, ColumnsBreakBeforeTheOneThatOverflowsAndAWideColumnStandsAlone)
	{
		struct Case { const char* what; std::vector<int> widths; long nFirst, nLast; const char* expected; } cases[] = {
			{"the fourth overflows", {100, 200, 300, 50}, 0, 3, "0-2 3-3"},
			{"exactly full", {303, 303, 303}, 0, 2, "0-1 2-2"},
			{"wider than a page", {100, 700, 100}, 0, 2, "0-0 1-1 2-2"},
			{"a page wide, then more", {606, 10, 600}, 0, 2, "0-0 1-1 2-2"},
			{"first is wide", {900, 100, 100}, 0, 2, "0-0 1-2"},
			{"a block inside", {500, 100, 100, 500, 100}, 1, 3, "1-2 3-3"},
			{"one column", {50}, 0, 0, "0-0"},
			{"nothing", {50}, 1, 0, ""},
		};
		for (const Case& c : cases)
		{
			SCOPED_TRACE(c.what);
			EXPECT_EQ(c.expected, Spans(GridPrintBreaks(SizesAxis(c.widths), c.nFirst, c.nLast, 606)));
		}
		EXPECT_EQ("0-0 1-1", Spans(GridPrintBreaks(SizesAxis({0, 5}), 0, 1, -10))) << "no room at all";
	}

	TEST(PrintLayoutTest, PagesRunAcrossTheColumnPagesBeforeTheNextRowBand)
	{
		const std::vector<GridPrintSpan> columnPages{{0, 3}, {4, 5}};
		const std::vector<GridPrintSpan> rowBands{{0, 40}, {41, 80}, {81, 99}};
		const std::vector<GridPrintPage> pages = GridPrintPages(columnPages, rowBands);
		ASSERT_EQ(6u, pages.size());
		std::string text;
		for (const GridPrintPage& page : pages)
		{
			text += std::to_string(page.nPage) + ":" + std::to_string(page.nFirstCol) + "-" + std::to_string(page.nLastCol)
				+ "/" + std::to_string(page.nFirstRow) + "-" + std::to_string(page.nLastRow) + " ";
		}
		EXPECT_EQ("1:0-3/0-40 2:4-5/0-40 3:0-3/41-80 4:4-5/41-80 5:0-3/81-99 6:4-5/81-99 ", text);
		EXPECT_TRUE(GridPrintPages({}, rowBands).empty());
	}
}
