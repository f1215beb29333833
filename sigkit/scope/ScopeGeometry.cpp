// The scope control's coordinate model: everything that turns signal values into stored pixels.
#include "sigkit/scope/ScopeGeometry.h"

#include <cmath>

int ScopeRound(double dValue)
{
	if (std::isnan(dValue))
		return 0;
	if (dValue >= SCOPE_PIXEL_MAX)
		return SCOPE_PIXEL_MAX;
	if (dValue <= SCOPE_PIXEL_MIN)
		return SCOPE_PIXEL_MIN;
	// Within the pixel range the truncated value and the fraction left are exact, as modf would give
	// them, without a library call for each of thousands of samples.
	const int nInteger = static_cast<int>(dValue);
	const double dFraction = dValue - nInteger;
	return dFraction > 0.5 ? nInteger + 1 : nInteger;
}

int ScopeSaturatePixel(long long nValue)
{
	if (nValue < SCOPE_PIXEL_MIN)
		return SCOPE_PIXEL_MIN;
	if (nValue > SCOPE_PIXEL_MAX)
		return SCOPE_PIXEL_MAX;
	return static_cast<int>(nValue);
}

WORD ScopeStorePixel(long long nPixel)
{
	return static_cast<WORD>(ScopeSaturatePixel(nPixel));
}

int ScopeLoadPixel(WORD wStored)
{
	return wStored > SCOPE_PIXEL_MAX ? static_cast<int>(wStored) - 0x10000 : static_cast<int>(wStored);
}

CRect ScopeDisplayRect(const CRect& rcClient, int nXType, int nYType)
{
	CRect rcDisplay(rcClient);
	if (nYType == SCOPE_YAXIS_LEFT)
		rcDisplay.left += SCOPE_AXIS_MARGIN;
	else if (nYType == SCOPE_YAXIS_RIGHT)
		rcDisplay.right -= SCOPE_AXIS_MARGIN;
	if (nXType == SCOPE_XAXIS_TOP)
		rcDisplay.top += SCOPE_AXIS_MARGIN;
	else if (nXType == SCOPE_XAXIS_BOTTOM)
		rcDisplay.bottom -= SCOPE_AXIS_MARGIN;
	return rcDisplay;
}

int ScopeXAxisRow(const CRect& rcDisplay, int nXType)
{
	switch (nXType)
	{
	case SCOPE_XAXIS_MIDDLE:
		return rcDisplay.top + (rcDisplay.bottom - rcDisplay.top) / 2;
	case SCOPE_XAXIS_TOP:
		return rcDisplay.top;
	case SCOPE_XAXIS_BOTTOM:
		return rcDisplay.bottom;
	default:
		return 0;
	}
}

int ScopeYAxisColumn(const CRect& rcDisplay, int nYType)
{
	switch (nYType)
	{
	case SCOPE_YAXIS_MIDDLE:
		return rcDisplay.left + (rcDisplay.right - rcDisplay.left) / 2;
	case SCOPE_YAXIS_LEFT:
		return rcDisplay.left;
	case SCOPE_YAXIS_RIGHT:
		return rcDisplay.right;
	default:
		return 0;
	}
}

int ScopeGridStep(double dScale, double dStep)
{
	return ScopeRound(dScale * dStep);
}

int ScopeTraceStartColumn(int nYAxis, int nPlayAddMode, const CWordArray* pPreviousColumns)
{
	if (nPlayAddMode == SCOPE_ADD_FROM_AXIS || pPreviousColumns == nullptr || pPreviousColumns->IsEmpty())
		return nYAxis;
	return ScopeLoadPixel(pPreviousColumns->GetAt(pPreviousColumns->GetUpperBound()));
}

void ScopeConvertTrace(const double* pX, const double* pY, int nCount, const ScopeTraceMapping& mapping,
	CWordArray& aColumns, CWordArray& aRows)
{
	if (pX == nullptr || pY == nullptr)
		return;
	const double dXMultiplier = mapping.dXScale == 0.0 ? mapping.dYScale : mapping.dXScale;
	for (int i = 0; i < nCount; i++)
	{
		const long long nColumn = static_cast<long long>(mapping.nStartColumn) + ScopeRound(pX[i] * dXMultiplier);
		const long long nRow = static_cast<long long>(mapping.nXAxis) - ScopeRound(pY[i] * mapping.dYScale);
		aColumns.Add(ScopeStorePixel(nColumn));
		aRows.Add(ScopeStorePixel(nRow));
	}
}

int ScopeStartDisplay(int nIndex, int nCount)
{
	return nIndex >= 0 && nIndex <= nCount - 1 ? nIndex : 0;
}

int ScopeEndDisplay(int nIndex, int nCount)
{
	return nIndex >= 0 && nIndex <= nCount - 1 ? nIndex : nCount - 1;
}
