// The scope's coordinate model with numbers: rounding, display rectangle and axes, grid steps,
// trace conversion into 16-bit pixels, where added traces start and which traces are shown.
#include "sigkit/scope/ScopeGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace
{

std::vector<int> Loaded(const CWordArray& aPixels)
{
	std::vector<int> pixels;
	for (int i = 0; i < aPixels.GetSize(); i++)
		pixels.push_back(ScopeLoadPixel(aPixels[i]));
	return pixels;
}

CWordArray* NewColumns(std::initializer_list<int> columns)
{
	CWordArray* pColumns = new CWordArray;
	for (int nColumn : columns)
		pColumns->Add(ScopeStorePixel(nColumn));
	return pColumns;
}

}

TEST(ScopeGeometryTest, RoundingTruncatesUnlessTheFractionExceedsOneHalfAndStaysIn16Bits)
{
	const double dInfinity = std::numeric_limits<double>::infinity();
	struct Case
	{
		double dValue;
		int nExpected;
	};
	const Case cases[] =
	{
		{ 2.5, 2 },
		{ 2.51, 3 },
		{ -2.7, -2 },
		{ -2.5, -2 },
		{ 4.5, 4 },
		{ 4.6, 5 },
		{ 0.49, 0 },
		{ 0.0, 0 },
		{ 32766.6, 32767 },
		{ 32767.9, 32767 },
		{ 1e9, 32767 },
		{ -32768.9, -32768 },
		{ -1e9, -32768 },
		{ dInfinity, 32767 },
		{ -dInfinity, -32768 },
		{ std::nan(""), 0 },
	};
	for (const Case& c : cases)
		EXPECT_EQ(ScopeRound(c.dValue), c.nExpected) << c.dValue;
}

TEST(ScopeGeometryTest, PixelsKeepTheirSignThroughStorage)
{
	const int pixels[] = { -32768, -1, 0, 1, 32767 };
	for (int nPixel : pixels)
		EXPECT_EQ(ScopeLoadPixel(ScopeStorePixel(nPixel)), nPixel);
	EXPECT_EQ(ScopeStorePixel(-1), 0xFFFF);
	EXPECT_EQ(ScopeLoadPixel(ScopeStorePixel(40000)), 32767);
	EXPECT_EQ(ScopeLoadPixel(ScopeStorePixel(-40000)), -32768);
}

TEST(ScopeGeometryTest, AxesOnAnEdgeTakeAMarginAndSitOnTheDisplayRectangle)
{
	struct Case
	{
		int nXType;
		int nYType;
		CRect rcDisplay;
		int nXAxisRow;
		int nYAxisColumn;
	};
	const CRect rcClient(0, 0, 201, 101);
	const Case cases[] =
	{
		{ 1, 5, CRect(10, 0, 201, 101), 50, 10 },
		{ 2, 6, CRect(0, 10, 191, 101), 10, 191 },
		{ 3, 4, CRect(0, 0, 201, 91), 91, 100 },
		{ 1, 4, CRect(0, 0, 201, 101), 50, 100 },
		{ 0, 7, CRect(0, 0, 201, 101), 0, 0 },
		{ -1, 3, CRect(0, 0, 201, 101), 0, 0 },
	};
	for (const Case& c : cases)
	{
		const CRect rcDisplay = ScopeDisplayRect(rcClient, c.nXType, c.nYType);
		EXPECT_TRUE(rcDisplay == c.rcDisplay) << c.nXType << "/" << c.nYType;
		EXPECT_EQ(ScopeXAxisRow(rcDisplay, c.nXType), c.nXAxisRow) << c.nXType;
		EXPECT_EQ(ScopeYAxisColumn(rcDisplay, c.nYType), c.nYAxisColumn) << c.nYType;
	}
}

TEST(ScopeGeometryTest, TheMiddleOfARectangleNarrowerThanItsMarginTruncatesTowardZero)
{
	// A 5-pixel control with the vertical axis on the left: the display rectangle is inverted.
	const CRect rcDisplay = ScopeDisplayRect(CRect(0, 0, 5, 5), 3, 5);
	EXPECT_TRUE(rcDisplay == CRect(10, 0, 5, -5));
	EXPECT_EQ(ScopeYAxisColumn(rcDisplay, 4), 8);
	EXPECT_EQ(ScopeXAxisRow(rcDisplay, 1), -2);
}

TEST(ScopeGeometryTest, GridStepsRoundThePixelDistance)
{
	EXPECT_EQ(ScopeGridStep(1.5, 3.0), 4);
	EXPECT_EQ(ScopeGridStep(2.3, 2.0), 5);
	EXPECT_EQ(ScopeGridStep(2.0, 0.0), 0);
	EXPECT_EQ(ScopeGridStep(1e6, 1e6), 32767);
}

TEST(ScopeGeometryTest, ATraceBecomesColumnsFromItsStartAndRowsUpFromTheAxis)
{
	const double x[] = { 0.0, 1.25, 2.3, -1.4 };
	const double y[] = { 1.0, -1.5, 0.2, std::nan("") };
	CWordArray aColumns;
	CWordArray aRows;
	ScopeConvertTrace(x, y, 4, ScopeTraceMapping{ 10, 2.0, 3.0, 50 }, aColumns, aRows);
	EXPECT_EQ(Loaded(aColumns), (std::vector<int>{ 10, 12, 15, 8 }));
	EXPECT_EQ(Loaded(aRows), (std::vector<int>{ 47, 54, 49, 50 }));
}

TEST(ScopeGeometryTest, AZeroXScaleFallsBackOnTheYScale)
{
	const double x[] = { 1.0, 2.5 };
	const double y[] = { 0.0, 0.0 };
	CWordArray aColumns;
	CWordArray aRows;
	ScopeConvertTrace(x, y, 2, ScopeTraceMapping{ 0, 0.0, 3.0, 0 }, aColumns, aRows);
	EXPECT_EQ(Loaded(aColumns), (std::vector<int>{ 3, 7 }));
}

TEST(ScopeGeometryTest, PixelsBeyondThe16BitRangeSaturate)
{
	const double x[] = { 1e6, -1e6, 5.0 };
	const double y[] = { -1e9, 1e9, 1e9 };
	CWordArray aColumns;
	CWordArray aRows;
	ScopeConvertTrace(x, y, 3, ScopeTraceMapping{ 32767, 1.0, 1.0, -10 }, aColumns, aRows);
	EXPECT_EQ(Loaded(aColumns), (std::vector<int>{ 32767, -1, 32767 }));
	EXPECT_EQ(Loaded(aRows), (std::vector<int>{ 32758, -32768, -32768 }));
}

TEST(ScopeGeometryTest, NoPointIsAddedForANullArrayOrACountBelowOne)
{
	const double values[] = { 1.0 };
	CWordArray aColumns;
	CWordArray aRows;
	const ScopeTraceMapping mapping{ 0, 1.0, 1.0, 0 };
	ScopeConvertTrace(nullptr, values, 1, mapping, aColumns, aRows);
	ScopeConvertTrace(values, nullptr, 1, mapping, aColumns, aRows);
	ScopeConvertTrace(values, values, 0, mapping, aColumns, aRows);
	ScopeConvertTrace(values, values, -3, mapping, aColumns, aRows);
	EXPECT_TRUE(aColumns.IsEmpty());
	EXPECT_TRUE(aRows.IsEmpty());
}

TEST(ScopeGeometryTest, AnAddedTraceContinuesFromThePreviousOneUnlessAddModeIs4)
{
	CWordArray* pEmpty = NewColumns({});
	CWordArray* pPrevious = NewColumns({ 5, 40 });
	CWordArray* pLeftOfZero = NewColumns({ 3, -20 });
	struct Case
	{
		int nPlayAddMode;
		const CWordArray* pPreviousColumns;
		int nExpected;
	};
	const Case cases[] =
	{
		{ 3, nullptr, 7 },
		{ 3, pEmpty, 7 },
		{ 3, pPrevious, 40 },
		{ 1, pPrevious, 40 },
		{ 4, pPrevious, 7 },
		{ 3, pLeftOfZero, -20 },
	};
	for (const Case& c : cases)
		EXPECT_EQ(ScopeTraceStartColumn(7, c.nPlayAddMode, c.pPreviousColumns), c.nExpected) << c.nPlayAddMode;
	delete pEmpty;
	delete pPrevious;
	delete pLeftOfZero;
}

TEST(ScopeGeometryTest, DisplayRangeOutsideTheTracesFallsBackOnTheFirstOrTheLast)
{
	struct Case
	{
		int nIndex;
		int nCount;
		int nStart;
		int nEnd;
	};
	const Case cases[] =
	{
		{ 0, 3, 0, 0 },
		{ 2, 3, 2, 2 },
		{ 3, 3, 0, 2 },
		{ -1, 3, 0, 2 },
		{ 0, 0, 0, -1 },
	};
	for (const Case& c : cases)
	{
		EXPECT_EQ(ScopeStartDisplay(c.nIndex, c.nCount), c.nStart) << c.nIndex << " of " << c.nCount;
		EXPECT_EQ(ScopeEndDisplay(c.nIndex, c.nCount), c.nEnd) << c.nIndex << " of " << c.nCount;
	}
}
