// The scope control's coordinate model as plain functions: pixel rounding, display rectangle,
// axis positions, grid steps, the conversion of a trace to 16-bit pixels and the trace range.
#pragma once

#include "framework/core/Collections.h"
#include "framework/core/Geometry.h"
#include "framework/core/Types.h"

// Horizontal (X) axis placement codes.
constexpr int SCOPE_XAXIS_MIDDLE = 1;
constexpr int SCOPE_XAXIS_TOP = 2;
constexpr int SCOPE_XAXIS_BOTTOM = 3;
// Vertical (Y) axis placement codes.
constexpr int SCOPE_YAXIS_MIDDLE = 4;
constexpr int SCOPE_YAXIS_LEFT = 5;
constexpr int SCOPE_YAXIS_RIGHT = 6;

// Play modes and the add mode that starts every trace at the vertical axis.
constexpr int SCOPE_PLAY_LINE = 1;
constexpr int SCOPE_PLAY_BARS = 2;
constexpr int SCOPE_PLAY_STEPS = 3;
constexpr int SCOPE_ADD_FROM_AXIS = 4;

// Room left between the client edge and an axis placed on that edge.
constexpr int SCOPE_AXIS_MARGIN = 10;

// Stored pixels are signed 16-bit.
constexpr int SCOPE_PIXEL_MIN = -32768;
constexpr int SCOPE_PIXEL_MAX = 32767;

// Integer part, plus one when the fraction exceeds 0.5; negative values truncate toward zero
// (2.5 → 2, 2.51 → 3, -2.7 → -2). NaN gives 0 and values beyond the 16-bit range saturate,
// so every result can be stored.
int ScopeRound(double dValue);

int ScopeSaturatePixel(long long nValue);
// A pixel is kept in a CWordArray as the bit pattern of a signed 16-bit value.
WORD ScopeStorePixel(long long nPixel);
int ScopeLoadPixel(WORD wStored);

// The client rectangle less the margin of each axis placed on an edge (codes 2, 3, 5, 6).
CRect ScopeDisplayRect(const CRect& rcClient, int nXType, int nYType);
// Axis positions in the display rectangle; unknown codes leave the axis at 0.
int ScopeXAxisRow(const CRect& rcDisplay, int nXType);
int ScopeYAxisColumn(const CRect& rcDisplay, int nYType);

// Pixels between grid lines for a step in signal units at the scale in force (0 = no lines).
int ScopeGridStep(double dScale, double dStep);

// Where an added trace starts: at the vertical axis in add mode 4 or when there is no previous
// trace with points, else at the previous trace's last column.
int ScopeTraceStartColumn(int nYAxis, int nPlayAddMode, const CWordArray* pPreviousColumns);

struct ScopeTraceMapping
{
	int nStartColumn;
	double dXScale;	// 0 means "use dYScale"
	double dYScale;
	int nXAxis;	// row of the horizontal axis; positive Y goes up from it
};

// Appends one column and one row per point: column = start + round(x × multiplier),
// row = axis − round(y × Y scale), each computed wide and saturated to 16 bits.
// Nothing is appended for a null array or a count below 1.
void ScopeConvertTrace(const double* pX, const double* pY, int nCount, const ScopeTraceMapping& mapping,
	CWordArray& aColumns, CWordArray& aRows);

// The first and last trace to paint for a requested index, given the number of traces.
int ScopeStartDisplay(int nIndex, int nCount);
int ScopeEndDisplay(int nIndex, int nCount);
