// Dialog units with the fixed base units 6 × 13, and the rounding of MulDiv.
#include "framework/core/DialogUnits.h"

#include <gtest/gtest.h>

#include <climits>

TEST(DialogUnitsTest, MulDivRoundsHalfAwayFromZeroAndReportsWhatDoesNotFit)
{
	struct Case
	{
		int nNumber;
		int nNumerator;
		int nDenominator;
		int nExpected;
	};
	const Case cases[] =
	{
		{ 192, 6, 4, 288 },
		{ 118, 13, 8, 192 },
		{ 1, 1, 2, 1 },
		{ -1, 1, 2, -1 },
		{ 5, 1, -2, -3 },
		{ -5, -1, 2, 3 },
		{ 7, 1, 3, 2 },
		{ 8, 1, 3, 3 },
		{ 0, 5, -7, 0 },
		{ INT_MAX, 2, 2, INT_MAX },
		{ INT_MIN, 3, 3, INT_MIN },
		{ INT_MAX, 2, 1, -1 },
		{ INT_MIN, -1, 1, -1 },
		{ 1, 1, 0, -1 },
	};
	for (const Case& c : cases)
		EXPECT_EQ(MulDiv(c.nNumber, c.nNumerator, c.nDenominator), c.nExpected)
			<< c.nNumber << " * " << c.nNumerator << " / " << c.nDenominator;
}

TEST(DialogUnitsTest, BaseUnitsAreThoseOfTheDialogFontEverywhere)
{
	EXPECT_EQ(GetDialogBaseUnits(), CSize(6, 13));
}

TEST(DialogUnitsTest, RectanglesConvertEdgeByEdge)
{
	struct Case
	{
		CRect rcUnits;
		CRect rcPixels;
	};
	const Case cases[] =
	{
		{ CRect(0, 0, 192, 118), CRect(0, 0, 288, 192) },
		// A 1 × 2 unit control at (1, 1): its pixel size comes from the rounded edges, not from
		// converting the size alone (which would give 2 × 3).
		{ CRect(1, 1, 2, 3), CRect(2, 2, 3, 5) },
		{ CRect(7, 7, 57, 21), CRect(11, 11, 86, 34) },
		{ CRect(-3, -5, 0, 0), CRect(-5, -8, 0, 0) },
	};
	for (const Case& c : cases)
	{
		const CRect rcPixels = DialogUnitsToPixels(c.rcUnits);
		EXPECT_TRUE(rcPixels == c.rcPixels) << rcPixels.left << "," << rcPixels.top << ","
			<< rcPixels.right << "," << rcPixels.bottom;
	}
}

TEST(DialogUnitsTest, PixelsConvertBackToTheNearestUnit)
{
	EXPECT_EQ(PixelsToDialogUnits(CPoint(288, 192)), CPoint(192, 118));
	EXPECT_EQ(PixelsToDialogUnits(CPoint(10, 10)), CPoint(7, 6));
	EXPECT_EQ(PixelsToDialogUnits(CPoint(-9, -13)), CPoint(-6, -8));
	EXPECT_EQ(DialogUnitsToPixels(CPoint(4, 8)), CPoint(6, 13));
}
