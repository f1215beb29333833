// Block transfers, pattern fills and scrolling between and within memory DCs.
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

namespace
{
	// A 4x4 source: a red top-left quarter, a blue bottom-right quarter, white elsewhere.
	void PaintQuarters(MemorySurface& source)
	{
		source.Dc().FillSolidRect(0, 0, 2, 2, kRed);
		source.Dc().FillSolidRect(2, 2, 2, 2, kBlue);
	}

	TEST(BitBltTest, CopiesARectangleOfPixels)
	{
		MemorySurface source(4, 4);
		PaintQuarters(source);
		MemorySurface target(10, 10, kGreen);
		ASSERT_TRUE(target.Dc().BitBlt(5, 3, 4, 4, &source.Dc(), 0, 0, SRCCOPY));
		EXPECT_EQ(CRect(5, 3, 9, 7), target.InkBounds(kGreen));
		EXPECT_EQ(kRed, target.Pixel(5, 3));
		EXPECT_EQ(kRed, target.Pixel(6, 4));
		EXPECT_EQ(kWhite, target.Pixel(7, 3));
		EXPECT_EQ(kBlue, target.Pixel(8, 6));
	}

	TEST(BitBltTest, SourceOffsetPicksThePartCopied)
	{
		MemorySurface source(4, 4);
		PaintQuarters(source);
		MemorySurface target(4, 4, kGreen);
		target.Dc().BitBlt(0, 0, 2, 2, &source.Dc(), 2, 2, SRCCOPY);
		EXPECT_EQ(4, target.CountPixels(kBlue));
		EXPECT_EQ(kBlue, target.Pixel(0, 0));
	}

	struct RopCase
	{
		const char* name;
		DWORD dwRop;
		COLORREF crExpected;
	};

	class RasterOpTest : public ::testing::TestWithParam<RopCase>
	{
	};

	TEST_P(RasterOpTest, CombinesSourceBrushAndDestination)
	{
		const RopCase& rop = GetParam();
		MemorySurface source(2, 2, RGB(0x0F, 0xF0, 0x33));
		MemorySurface target(2, 2, RGB(0x55, 0x55, 0x55));
		CBrush brush(RGB(0xFF, 0x00, 0x0F));
		target.Dc().SelectObject(&brush);
		ASSERT_TRUE(target.Dc().BitBlt(0, 0, 2, 2, &source.Dc(), 0, 0, rop.dwRop));
		target.Dc().SelectStockObject(WHITE_BRUSH);
		EXPECT_EQ(rop.crExpected, target.Pixel(1, 1));
	}

	INSTANTIATE_TEST_SUITE_P(Ops, RasterOpTest,
		::testing::Values(RopCase { "SRCCOPY", SRCCOPY, RGB(0x0F, 0xF0, 0x33) },
			RopCase { "SRCAND", SRCAND, RGB(0x05, 0x50, 0x11) },
			RopCase { "SRCPAINT", SRCPAINT, RGB(0x5F, 0xF5, 0x77) },
			RopCase { "SRCINVERT", SRCINVERT, RGB(0x5A, 0xA5, 0x66) },
			RopCase { "NOTSRCCOPY", NOTSRCCOPY, RGB(0xF0, 0x0F, 0xCC) },
			RopCase { "PATCOPY", PATCOPY, RGB(0xFF, 0x00, 0x0F) },
			RopCase { "PATINVERT", PATINVERT, RGB(0xAA, 0x55, 0x5A) },
			RopCase { "DSTINVERT", DSTINVERT, RGB(0xAA, 0xAA, 0xAA) },
			RopCase { "BLACKNESS", BLACKNESS, RGB(0, 0, 0) },
			RopCase { "WHITENESS", WHITENESS, RGB(255, 255, 255) }),
		[](const ::testing::TestParamInfo<RopCase>& info) { return std::string(info.param.name); });

	TEST(StretchBltTest, DoublesEveryPixel)
	{
		MemorySurface source(4, 4);
		PaintQuarters(source);
		MemorySurface target(8, 8, kGreen);
		ASSERT_TRUE(target.Dc().StretchBlt(0, 0, 8, 8, &source.Dc(), 0, 0, 4, 4, SRCCOPY));
		EXPECT_EQ(16, target.CountPixels(kRed));
		EXPECT_EQ(16, target.CountPixels(kBlue));
		EXPECT_EQ(kRed, target.Pixel(3, 3));
		EXPECT_EQ(kWhite, target.Pixel(4, 3));
		EXPECT_EQ(kBlue, target.Pixel(4, 4));
	}

	TEST(StretchBltTest, NegativeWidthMirrors)
	{
		MemorySurface source(4, 4);
		PaintQuarters(source);
		MemorySurface target(4, 4, kGreen);
		target.Dc().StretchBlt(3, 0, -4, 4, &source.Dc(), 0, 0, 4, 4, SRCCOPY);
		EXPECT_EQ(kRed, target.Pixel(3, 0));
		EXPECT_EQ(kBlue, target.Pixel(0, 3));
	}

	TEST(BitBltTest, CopyingWithinOneSurfaceReadsTheOriginalPixels)
	{
		MemorySurface surface(6, 1, kWhite);
		surface.Dc().SetPixel(0, 0, kRed);
		surface.Dc().SetPixel(1, 0, kBlue);
		surface.Dc().BitBlt(1, 0, 4, 1, &surface.Dc(), 0, 0, SRCCOPY);
		EXPECT_EQ(kRed, surface.Pixel(1, 0));
		EXPECT_EQ(kBlue, surface.Pixel(2, 0));
		EXPECT_EQ(kWhite, surface.Pixel(3, 0));
	}

	TEST(ScrollDcTest, MovesThePixelsAndReportsTheUncoveredStrip)
	{
		MemorySurface surface(10, 10, kWhite);
		surface.Dc().FillSolidRect(0, 0, 10, 2, kRed);
		CRect scroll(0, 0, 10, 10);
		CRect update;
		CRgn region;
		ASSERT_TRUE(surface.Dc().ScrollDC(0, 3, &scroll, &scroll, &region, &update));
		EXPECT_EQ(CRect(0, 3, 10, 5), surface.InkBounds(kWhite) & CRect(0, 3, 10, 10));
		EXPECT_EQ(kRed, surface.Pixel(4, 3));
		EXPECT_EQ(kRed, surface.Pixel(4, 4));
		EXPECT_EQ(kWhite, surface.Pixel(4, 5));
		EXPECT_EQ(CRect(0, 0, 10, 3), update);
		EXPECT_TRUE(region.PtInRegion(5, 1));
		EXPECT_FALSE(region.PtInRegion(5, 3));
	}

	TEST(ScrollDcTest, PixelsOnlyChangeInsideTheClipRectangle)
	{
		MemorySurface surface(10, 10, kWhite);
		surface.Dc().FillSolidRect(0, 0, 2, 10, kRed);
		CRect scroll(0, 0, 10, 10);
		CRect clip(0, 0, 10, 5);
		CRect update;
		surface.Dc().ScrollDC(4, 0, &scroll, &clip, nullptr, &update);
		EXPECT_EQ(kRed, surface.Pixel(5, 2));
		EXPECT_EQ(kWhite, surface.Pixel(5, 7));
		EXPECT_EQ(kRed, surface.Pixel(1, 7));
		EXPECT_EQ(CRect(0, 0, 4, 5), update);
	}
}
