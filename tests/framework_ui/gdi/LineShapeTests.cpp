// Lines, shapes and rectangle fills drawn into memory bitmaps, checked pixel by pixel.
#include "tests/support/Surfaces.h"

#include "framework/ui/system/SystemServices.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
	struct LineCase
	{
		const char* name;
		POINT from;
		POINT to;
		POINT lastDrawn;
	};

	class LineEndTest : public ::testing::TestWithParam<LineCase>
	{
	};

	TEST_P(LineEndTest, DrawsTheStartAndLeavesTheEndPointUndrawn)
	{
		const LineCase& line = GetParam();
		MemorySurface surface(20, 20);
		surface.Dc().MoveTo(line.from);
		surface.Dc().LineTo(line.to);
		EXPECT_EQ(kBlack, surface.Pixel(line.from.x, line.from.y));
		EXPECT_EQ(kBlack, surface.Pixel(line.lastDrawn.x, line.lastDrawn.y));
		EXPECT_EQ(kWhite, surface.Pixel(line.to.x, line.to.y));
		EXPECT_EQ(line.to.x, surface.Dc().GetCurrentPosition().x);
		EXPECT_EQ(line.to.y, surface.Dc().GetCurrentPosition().y);
	}

	INSTANTIATE_TEST_SUITE_P(Directions, LineEndTest,
		::testing::Values(LineCase { "right", { 2, 5 }, { 12, 5 }, { 11, 5 } },
			LineCase { "left", { 12, 5 }, { 2, 5 }, { 3, 5 } },
			LineCase { "down", { 4, 1 }, { 4, 15 }, { 4, 14 } },
			LineCase { "up", { 4, 15 }, { 4, 1 }, { 4, 2 } },
			LineCase { "diagonal", { 1, 1 }, { 9, 9 }, { 8, 8 } }),
		[](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

	TEST(LineTest, HorizontalLineCoversExactlyItsSpanInThePenColour)
	{
		MemorySurface surface(20, 10);
		CPen pen(PS_SOLID, 1, kRed);
		CPen* pOld = surface.Dc().SelectObject(&pen);
		surface.Dc().MoveTo(3, 4);
		surface.Dc().LineTo(13, 4);
		surface.Dc().SelectObject(pOld);
		EXPECT_EQ(10, surface.CountPixels(kRed));
		EXPECT_EQ(CRect(3, 4, 13, 5), surface.InkBounds(kWhite));
	}

	TEST(LineTest, NullPenMovesThePositionButDrawsNothing)
	{
		MemorySurface surface(20, 10);
		surface.Dc().SelectStockObject(NULL_PEN);
		surface.Dc().MoveTo(1, 1);
		surface.Dc().LineTo(15, 1);
		EXPECT_TRUE(surface.InkBounds(kWhite).IsRectEmpty());
		EXPECT_EQ(15, surface.Dc().GetCurrentPosition().x);
	}

	TEST(LineTest, XorPenDrawnTwiceRestoresTheSurface)
	{
		MemorySurface surface(20, 10, RGB(10, 200, 30));
		CPen pen(PS_SOLID, 1, RGB(255, 255, 255));
		surface.Dc().SelectObject(&pen);
		surface.Dc().SetROP2(R2_XORPEN);
		surface.Dc().MoveTo(0, 3);
		surface.Dc().LineTo(10, 3);
		EXPECT_EQ(RGB(245, 55, 225), surface.Pixel(5, 3));
		surface.Dc().MoveTo(0, 3);
		surface.Dc().LineTo(10, 3);
		EXPECT_EQ(RGB(10, 200, 30), surface.Pixel(5, 3));
		surface.Dc().SelectStockObject(BLACK_PEN);
	}

	TEST(LineTest, DashedPenOnOpaqueBackgroundFillsTheGapsWithTheBackgroundColour)
	{
		MemorySurface surface(40, 6, kGreen);
		CPen pen(PS_DASH, 1, kBlack);
		surface.Dc().SelectObject(&pen);
		surface.Dc().SetBkColor(kRed);
		surface.Dc().MoveTo(0, 1);
		surface.Dc().LineTo(30, 1);
		surface.Dc().SetBkMode(TRANSPARENT);
		surface.Dc().MoveTo(0, 3);
		surface.Dc().LineTo(30, 3);
		surface.Dc().SelectStockObject(BLACK_PEN);
		// Dashes of 18 pixels, gaps of 6.
		EXPECT_EQ(kBlack, surface.Pixel(0, 1));
		EXPECT_EQ(kBlack, surface.Pixel(17, 1));
		EXPECT_EQ(kRed, surface.Pixel(20, 1));
		EXPECT_EQ(kBlack, surface.Pixel(25, 1));
		EXPECT_EQ(kGreen, surface.Pixel(20, 3));
	}

	TEST(PolylineTest, JoinsThePointsAndLeavesTheLastUndrawn)
	{
		MemorySurface surface(20, 20);
		POINT points[] = { { 2, 2 }, { 10, 2 }, { 10, 10 }, { 4, 10 } };
		surface.Dc().Polyline(points, 4);
		EXPECT_EQ(kBlack, surface.Pixel(2, 2));
		EXPECT_EQ(kBlack, surface.Pixel(10, 2));
		EXPECT_EQ(kBlack, surface.Pixel(10, 6));
		EXPECT_EQ(kBlack, surface.Pixel(10, 10));
		EXPECT_EQ(kBlack, surface.Pixel(5, 10));
		EXPECT_EQ(kWhite, surface.Pixel(4, 10));
		EXPECT_EQ(8 + 8 + 6, surface.CountPixels(kBlack));
	}

	TEST(PolygonTest, FillsTheInsideWithTheBrushAndOutlinesWithThePen)
	{
		MemorySurface surface(20, 20);
		CBrush brush(kBlue);
		CPen pen(PS_SOLID, 1, kRed);
		surface.Dc().SelectObject(&brush);
		surface.Dc().SelectObject(&pen);
		POINT points[] = { { 2, 2 }, { 16, 2 }, { 16, 16 }, { 2, 16 } };
		surface.Dc().Polygon(points, 4);
		surface.Dc().SelectStockObject(BLACK_PEN);
		surface.Dc().SelectStockObject(WHITE_BRUSH);
		EXPECT_EQ(kRed, surface.Pixel(2, 2));
		EXPECT_EQ(kRed, surface.Pixel(16, 9));
		EXPECT_EQ(kRed, surface.Pixel(9, 16));
		EXPECT_EQ(kBlue, surface.Pixel(9, 9));
		EXPECT_EQ(kWhite, surface.Pixel(17, 9));
		EXPECT_EQ(kWhite, surface.Pixel(1, 1));
	}

	TEST(RectangleTest, OutlinesWithThePenAndFillsWithTheBrushLeavingRightAndBottomOut)
	{
		MemorySurface surface(20, 20);
		CBrush brush(kBlue);
		CPen pen(PS_SOLID, 1, kRed);
		surface.Dc().SelectObject(&brush);
		surface.Dc().SelectObject(&pen);
		surface.Dc().Rectangle(2, 3, 10, 12);
		EXPECT_EQ(CRect(2, 3, 10, 12), surface.InkBounds(kWhite));
		EXPECT_EQ(kRed, surface.Pixel(2, 3));
		EXPECT_EQ(kRed, surface.Pixel(9, 11));
		EXPECT_EQ(kRed, surface.Pixel(9, 5));
		EXPECT_EQ(kRed, surface.Pixel(5, 11));
		EXPECT_EQ(kBlue, surface.Pixel(3, 4));
		EXPECT_EQ(kBlue, surface.Pixel(8, 10));
		EXPECT_EQ(6 * 7, surface.CountPixels(kBlue));
	}

	TEST(RectangleTest, WithANullPenTheBrushStopsOnePixelShortOnTheRightAndBottom)
	{
		MemorySurface surface(20, 20);
		CBrush brush(kBlue);
		surface.Dc().SelectObject(&brush);
		surface.Dc().SelectStockObject(NULL_PEN);
		surface.Dc().Rectangle(2, 3, 10, 12);
		EXPECT_EQ(CRect(2, 3, 9, 11), surface.InkBounds(kWhite));
	}

	TEST(RectangleTest, NullBrushLeavesTheInsideAlone)
	{
		MemorySurface surface(20, 20, kGreen);
		surface.Dc().SelectStockObject(NULL_BRUSH);
		surface.Dc().Rectangle(2, 2, 12, 12);
		EXPECT_EQ(kBlack, surface.Pixel(2, 2));
		EXPECT_EQ(kGreen, surface.Pixel(6, 6));
	}

	TEST(EllipseTest, StaysInsideItsBoundingRectangle)
	{
		MemorySurface surface(30, 30);
		CBrush brush(kBlue);
		surface.Dc().SelectObject(&brush);
		surface.Dc().Ellipse(4, 6, 24, 20);
		surface.Dc().SelectStockObject(WHITE_BRUSH);
		CRect ink = surface.InkBounds(kWhite);
		EXPECT_GE(ink.left, 4);
		EXPECT_GE(ink.top, 6);
		EXPECT_LE(ink.right, 24);
		EXPECT_LE(ink.bottom, 20);
		EXPECT_EQ(kBlue, surface.Pixel(14, 13));
		EXPECT_EQ(kWhite, surface.Pixel(5, 7));
	}

	TEST(FillTest, FillRectExcludesTheRightColumnAndBottomRow)
	{
		MemorySurface surface(20, 20);
		CBrush brush(kRed);
		CRect rect(3, 4, 8, 10);
		surface.Dc().FillRect(&rect, &brush);
		EXPECT_EQ(rect, surface.InkBounds(kWhite));
		EXPECT_EQ(5 * 6, surface.CountPixels(kRed));
	}

	TEST(FillTest, FillRectIgnoresTheMixMode)
	{
		MemorySurface surface(10, 10, kGreen);
		CBrush brush(kRed);
		surface.Dc().SetROP2(R2_XORPEN);
		CRect rect(0, 0, 5, 5);
		surface.Dc().FillRect(&rect, &brush);
		EXPECT_EQ(kRed, surface.Pixel(2, 2));
	}

	TEST(FillTest, OpaqueHatchLaysItsLinesOnTheBackgroundColour)
	{
		MemorySurface surface(16, 16, kGreen);
		CBrush brush(HS_HORIZONTAL, kBlack);
		surface.Dc().SetBkColor(kRed);
		CRect rect(0, 0, 16, 16);
		surface.Dc().FillRect(&rect, &brush);
		EXPECT_EQ(0, surface.CountPixels(kGreen));
		EXPECT_EQ(2 * 16, surface.CountPixels(kBlack));
	}

	TEST(FillTest, FillSolidRectSetsTheBackgroundColour)
	{
		MemorySurface surface(10, 10);
		surface.Dc().FillSolidRect(1, 1, 3, 3, kBlue);
		EXPECT_EQ(CRect(1, 1, 4, 4), surface.InkBounds(kWhite));
		EXPECT_EQ(kBlue, surface.Dc().GetBkColor());
	}

	TEST(FillTest, FrameRectDrawsAOnePixelBorderInsideTheRectangle)
	{
		MemorySurface surface(20, 20);
		CBrush brush(kRed);
		CRect rect(2, 2, 12, 8);
		surface.Dc().FrameRect(&rect, &brush);
		EXPECT_EQ(rect, surface.InkBounds(kWhite));
		EXPECT_EQ(2 * 10 + 2 * 4, surface.CountPixels(kRed));
		EXPECT_EQ(kWhite, surface.Pixel(5, 5));
	}

	TEST(FillTest, Draw3dRectGivesTheFarCornersToTheBottomRightColour)
	{
		MemorySurface surface(20, 20);
		surface.Dc().Draw3dRect(2, 2, 10, 6, kRed, kBlue);
		EXPECT_EQ(kRed, surface.Pixel(2, 2));
		EXPECT_EQ(kRed, surface.Pixel(10, 2));
		EXPECT_EQ(kBlue, surface.Pixel(11, 2));
		EXPECT_EQ(kRed, surface.Pixel(2, 6));
		EXPECT_EQ(kBlue, surface.Pixel(2, 7));
		EXPECT_EQ(kBlue, surface.Pixel(11, 7));
		EXPECT_EQ(CRect(2, 2, 12, 8), surface.InkBounds(kWhite));
	}

	TEST(FillTest, SysColorBrushPaintsInTheSystemColour)
	{
		MemorySurface surface(4, 4);
		CBrush brush;
		ASSERT_TRUE(brush.CreateSysColorBrush(COLOR_BTNSHADOW));
		CRect rect(0, 0, 4, 4);
		surface.Dc().FillRect(&rect, &brush);
		EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), surface.Pixel(2, 2));
	}

	TEST(EdgeTest, SunkenEdgeDrawsTwoLinesAndAdjustsTheRectangle)
	{
		MemorySurface surface(12, 12, kGreen);
		CRect rect(1, 1, 11, 11);
		ASSERT_TRUE(surface.Dc().DrawEdge(&rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_MIDDLE));
		EXPECT_EQ(CRect(3, 3, 9, 9), rect);
		EXPECT_EQ(GetSysColor(COLOR_3DSHADOW), surface.Pixel(1, 1));
		EXPECT_EQ(GetSysColor(COLOR_3DHILIGHT), surface.Pixel(10, 10));
		EXPECT_EQ(GetSysColor(COLOR_3DHILIGHT), surface.Pixel(10, 1));
		EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), surface.Pixel(2, 5));
		EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), surface.Pixel(9, 5));
		EXPECT_EQ(GetSysColor(COLOR_3DFACE), surface.Pixel(5, 5));
		EXPECT_EQ(kWhite, surface.Dc().GetBkColor());
	}

	TEST(EdgeTest, OnlyTheSidesAskedForAreDrawn)
	{
		MemorySurface surface(10, 10, kGreen);
		CRect rect(0, 0, 10, 10);
		surface.Dc().DrawEdge(&rect, BDR_RAISEDOUTER, BF_BOTTOM);
		EXPECT_EQ(CRect(0, 9, 10, 10), surface.InkBounds(kGreen));
		EXPECT_EQ(CRect(0, 0, 10, 10), rect);
	}

	TEST(InvertTest, InvertRectAndFocusRectUndoThemselves)
	{
		MemorySurface surface(20, 20, RGB(40, 80, 120));
		CRect rect(3, 3, 13, 9);
		surface.Dc().InvertRect(&rect);
		EXPECT_EQ(RGB(215, 175, 135), surface.Pixel(5, 5));
		surface.Dc().InvertRect(&rect);
		EXPECT_EQ(RGB(40, 80, 120), surface.Pixel(5, 5));

		surface.Dc().DrawFocusRect(&rect);
		EXPECT_NE(RGB(40, 80, 120), surface.Pixel(3, 3));
		EXPECT_EQ(RGB(40, 80, 120), surface.Pixel(4, 3));
		EXPECT_EQ(RGB(40, 80, 120), surface.Pixel(5, 5));
		surface.Dc().DrawFocusRect(&rect);
		EXPECT_EQ(CRect(0, 0, 0, 0), surface.InkBounds(RGB(40, 80, 120)));
	}

	TEST(PixelTest, SetPixelAndGetPixelAgreeAndOutsideIsInvalid)
	{
		MemorySurface surface(10, 10);
		EXPECT_EQ(kRed, surface.Dc().SetPixel(4, 5, kRed));
		EXPECT_EQ(kRed, surface.Pixel(4, 5));
		EXPECT_EQ(CLR_INVALID, surface.Pixel(10, 5));
		EXPECT_EQ(CLR_INVALID, surface.Pixel(-1, 0));
	}

	// Copying a pen writes its pixels straight into the bitmap; OR-ing it onto black goes through
	// the toolkit pixel by pixel. Both must light the same pixels, clipped or not.
	struct ClipCase
	{
		const char* name;
		CRect rcOuter;	// empty: no clipping
		CRect rcHole;	// cut out of the outer rectangle
	};

	class LineWriteTest : public ::testing::TestWithParam<ClipCase>
	{
	};

	void DrawRandomLines(CDC& dc, const ClipCase& clip, int nMix)
	{
		CRgn outer;
		CRgn hole;
		if (!clip.rcOuter.IsRectEmpty())
		{
			outer.CreateRectRgnIndirect(&clip.rcOuter);
			hole.CreateRectRgnIndirect(&clip.rcHole);
			outer.CombineRgn(&outer, &hole, RGN_DIFF);
			dc.SelectClipRgn(&outer);
		}
		dc.SetViewportOrg(3, -2);
		CPen pen(PS_SOLID, 1, RGB(40, 160, 220));
		CPen* pOld = dc.SelectObject(&pen);
		dc.SetROP2(nMix);
		std::mt19937 random(20240611);
		std::uniform_int_distribution<int> coordinate(-12, 92);
		std::vector<POINT> trace;
		for (int i = 0; i < 300; ++i)
		{
			const POINT from { coordinate(random), coordinate(random) };
			const POINT to { coordinate(random), i % 3 == 0 ? from.y : coordinate(random) };
			dc.MoveTo(from);
			dc.LineTo(to);
			trace.push_back(POINT { i % 80, 40 + coordinate(random) / 8 });
		}
		dc.Polyline(trace.data(), static_cast<int>(trace.size()));
		dc.SelectObject(pOld);
	}

	TEST_P(LineWriteTest, CopiedLinesLightThePixelsTheToolkitPathLights)
	{
		MemorySurface written(80, 70, kBlack);
		MemorySurface merged(80, 70, kBlack);
		DrawRandomLines(written.Dc(), GetParam(), R2_COPYPEN);
		DrawRandomLines(merged.Dc(), GetParam(), R2_MERGEPEN);
		EXPECT_GT(written.CountPixels(RGB(40, 160, 220)), 1000);
		EXPECT_EQ(merged.Snapshot(), written.Snapshot());
	}

	INSTANTIATE_TEST_SUITE_P(Clipping, LineWriteTest,
		::testing::Values(ClipCase { "none", CRect(), CRect() },
			ClipCase { "rectangle", CRect(10, 5, 61, 48), CRect() },
			ClipCase { "frame", CRect(4, 6, 70, 66), CRect(20, 18, 41, 39) }),
		[](const ::testing::TestParamInfo<ClipCase>& info) { return std::string(info.param.name); });
}
