// Dialog-unit conversion with the fixed base units of the dialog font.
#include "framework/core/DialogUnits.h"

#include <climits>
#include <cstdint>

int MulDiv(int nNumber, int nNumerator, int nDenominator)
{
	if (nDenominator == 0)
		return -1;
	const std::int64_t nProduct = static_cast<std::int64_t>(nNumber) * nNumerator;
	const std::int64_t nDivisor = nDenominator;
	const std::int64_t nMagnitude = nProduct < 0 ? -nProduct : nProduct;
	const std::int64_t nDivisorMagnitude = nDivisor < 0 ? -nDivisor : nDivisor;
	std::int64_t nResult = (nMagnitude + nDivisorMagnitude / 2) / nDivisorMagnitude;
	if ((nProduct < 0) != (nDivisor < 0))
		nResult = -nResult;
	if (nResult < INT_MIN || nResult > INT_MAX)
		return -1;
	return static_cast<int>(nResult);
}

CSize GetDialogBaseUnits()
{
	return CSize(DIALOG_BASE_UNIT_X, DIALOG_BASE_UNIT_Y);
}

CRect DialogUnitsToPixels(const CRect& rect)
{
	const CPoint topLeft = DialogUnitsToPixels(rect.TopLeft());
	const CPoint bottomRight = DialogUnitsToPixels(rect.BottomRight());
	return CRect(topLeft, bottomRight);
}

CPoint DialogUnitsToPixels(POINT point)
{
	return CPoint(MulDiv(point.x, DIALOG_BASE_UNIT_X, 4), MulDiv(point.y, DIALOG_BASE_UNIT_Y, 8));
}

CPoint PixelsToDialogUnits(POINT point)
{
	return CPoint(MulDiv(point.x, 4, DIALOG_BASE_UNIT_X), MulDiv(point.y, 8, DIALOG_BASE_UNIT_Y));
}
