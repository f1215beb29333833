// PixelRegion checked against a grid of pixels for random regions, and its canonical rectangles.
#include "framework/core/PixelRegion.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>
#include <random>
#include <vector>

static void PrintTo(const CRect& rect, std::ostream* pStream)
{
	*pStream << '(' << rect.left << ',' << rect.top << ',' << rect.right << ',' << rect.bottom << ')';
}

namespace
{

// Regions are drawn inside [0, Side) squared; queries look one pixel beyond on every side.
constexpr int Side = 12;
using Pixels = std::array<std::array<bool, Side + 2>, Side + 2>;

bool At(const Pixels& pixels, int x, int y)
{
	return x >= -1 && y >= -1 && x <= Side && y <= Side && pixels[y + 1][x + 1];
}

// Row by row, one pixel high rectangle per run: a different road to the same set.
PixelRegion FromRuns(const Pixels& pixels)
{
	PixelRegion region;
	for (int y = -1; y <= Side; ++y)
		for (int x = -1; x <= Side; ++x)
			if (At(pixels, x, y))
			{
				int right = x;
				while (At(pixels, right, y))
					++right;
				region |= CRect(x, y, right, y + 1);
				x = right;
			}
	return region;
}

void ExpectRegion(const PixelRegion& region, const Pixels& pixels)
{
	Pixels painted {};
	const std::vector<CRect>& rects = region.Rects();
	for (size_t i = 0; i < rects.size(); ++i)
	{
		const CRect& rect = rects[i];
		ASSERT_FALSE(rect.IsRectEmpty());
		ASSERT_TRUE(rect.left >= -1 && rect.top >= -1 && rect.right <= Side + 1 && rect.bottom <= Side + 1);
		if (i > 0)
		{
			const CRect& prev = rects[i - 1];
			const bool bSameBand = prev.top == rect.top;
			EXPECT_TRUE(bSameBand ? prev.bottom == rect.bottom && prev.right < rect.left : prev.bottom <= rect.top);
		}
		for (int y = rect.top; y < rect.bottom; ++y)
			for (int x = rect.left; x < rect.right; ++x)
				painted[y + 1][x + 1] = true;
	}
	EXPECT_EQ(painted, pixels);
	CRect bounds;
	for (int y = -1; y <= Side; ++y)
		for (int x = -1; x <= Side; ++x)
		{
			EXPECT_EQ(region.Contains(CPoint(x, y)), At(pixels, x, y)) << x << ',' << y;
			if (At(pixels, x, y))
				bounds |= CRect(x, y, x + 1, y + 1);
		}
	EXPECT_EQ(region.BoundingRect(), bounds);
	EXPECT_EQ(region.IsEmpty(), bounds.IsRectEmpty());
	// Equal sets have equal rectangles, whichever way they were made.
	EXPECT_TRUE(region == FromRuns(pixels));
}

}

TEST(PixelRegionTest, OperationsAgreeWithAGridOfPixels)
{
	struct Operation
	{
		const char* name;
		std::function<PixelRegion(const PixelRegion&, const PixelRegion&)> combine;
		std::function<void(PixelRegion&, const RECT&)> combineRect;
		std::function<bool(bool, bool)> keeps;
	};
	const Operation operations[] =
	{
		{ "union", [](const PixelRegion& a, const PixelRegion& b) { return a | b; },
			[](PixelRegion& a, const RECT& b) { a |= b; }, [](bool a, bool b) { return a || b; } },
		{ "difference", [](const PixelRegion& a, const PixelRegion& b) { return a - b; },
			[](PixelRegion& a, const RECT& b) { a -= b; }, [](bool a, bool b) { return a && !b; } },
		{ "symmetric difference", [](const PixelRegion& a, const PixelRegion& b) { return a ^ b; },
			[](PixelRegion& a, const RECT& b) { a ^= b; }, [](bool a, bool b) { return a != b; } },
		{ "intersection", [](const PixelRegion& a, const PixelRegion& b) { return a & b; },
			[](PixelRegion& a, const RECT& b) { a &= b; }, [](bool a, bool b) { return a && b; } },
	};
	std::mt19937 random(20240611);
	const auto coordinate = [&random]() { return static_cast<int>(random() % (Side + 1)); };
	// A union, then up to three more rectangles combined in any way.
	const auto randomRegion = [&](PixelRegion& region, Pixels& pixels) {
		region = PixelRegion();
		pixels = Pixels {};
		for (unsigned nStep = 0, nSteps = 1 + random() % 4; nStep < nSteps; ++nStep)
		{
			const CRect rect(coordinate(), coordinate(), coordinate(), coordinate());
			const Operation& operation = operations[nStep == 0 ? 0 : random() % 4];
			operation.combineRect(region, rect);
			for (int y = 0; y < Side; ++y)
				for (int x = 0; x < Side; ++x)
					pixels[y + 1][x + 1] = operation.keeps(pixels[y + 1][x + 1], rect.PtInRect(CPoint(x, y)) != FALSE);
		}
	};
	for (int nTrial = 0; nTrial < 400 && !testing::Test::HasFailure(); ++nTrial)
	{
		PixelRegion a, b;
		Pixels pixelsA, pixelsB;
		randomRegion(a, pixelsA);
		randomRegion(b, pixelsB);
		SCOPED_TRACE(nTrial);
		ExpectRegion(a, pixelsA);
		for (const Operation& operation : operations)
		{
			SCOPED_TRACE(operation.name);
			Pixels expected {};
			for (int y = 0; y < Side; ++y)
				for (int x = 0; x < Side; ++x)
					expected[y + 1][x + 1] = operation.keeps(pixelsA[y + 1][x + 1], pixelsB[y + 1][x + 1]);
			ExpectRegion(operation.combine(a, b), expected);
		}
		// The intersection has been checked against the grid just above.
		for (int nProbe = 0; nProbe < 8; ++nProbe)
		{
			const CRect probe(coordinate(), coordinate(), coordinate(), coordinate());
			EXPECT_EQ(a.Intersects(probe), !(a & PixelRegion(probe)).IsEmpty()) << testing::PrintToString(probe);
		}

		PixelRegion moved = a;
		moved.Offset(-1, 1);
		Pixels movedPixels {};
		for (int y = 0; y < Side; ++y)
			for (int x = 0; x < Side; ++x)
				movedPixels[y + 2][x] = pixelsA[y + 1][x + 1];
		ExpectRegion(moved, movedPixels);
	}
}

TEST(PixelRegionTest, CanonicalRectangles)
{
	const PixelRegion square(CRect(0, 0, 6, 6));
	const PixelRegion hole = square - PixelRegion(CRect(2, 2, 4, 4));
	struct Case
	{
		const char* name;
		PixelRegion region;
		std::vector<CRect> rects;
	};
	const Case cases[] =
	{
		{ "L-shape", PixelRegion(CRect(0, 0, 4, 2)) | PixelRegion(CRect(0, 0, 2, 6)), { { 0, 0, 4, 2 }, { 0, 2, 2, 6 } } },
		{ "side by side", PixelRegion(CRect(0, 0, 3, 5)) | PixelRegion(CRect(3, 0, 7, 5)), { { 0, 0, 7, 5 } } },
		{ "one above the other", PixelRegion(CRect(0, 0, 3, 5)) | PixelRegion(CRect(0, 5, 3, 9)), { { 0, 0, 3, 9 } } },
		{ "hole", hole, { { 0, 0, 6, 2 }, { 0, 2, 2, 4 }, { 4, 2, 6, 4 }, { 0, 4, 6, 6 } } },
		{ "hole filled", hole | PixelRegion(CRect(2, 2, 4, 4)), { { 0, 0, 6, 6 } } },
		{ "crossed squares", PixelRegion(CRect(0, 0, 4, 4)) ^ PixelRegion(CRect(2, 2, 6, 6)),
			{ { 0, 0, 4, 2 }, { 0, 2, 2, 4 }, { 4, 2, 6, 4 }, { 2, 4, 6, 6 } } },
		{ "inverted rectangle", PixelRegion(CRect(5, 5, 2, 8)), {} },
		{ "square within", square & PixelRegion(CRect(-5, 1, 20, 3)), { { 0, 1, 6, 3 } } },
	};
	for (const Case& c : cases)
	{
		EXPECT_EQ(c.region.Rects(), c.rects) << c.name;
		EXPECT_EQ(c.region.RectCount(), static_cast<int>(c.rects.size())) << c.name;
	}
}
