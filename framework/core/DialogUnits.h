// Dialog units to pixels and back, with fixed base units for the dialog font so that a
// template lays out the same on every machine.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Types.h"

// Average character width and line height of "MS Sans Serif" 8 pt; fonts installed here are not
// measured.
constexpr int DIALOG_BASE_UNIT_X = 6;
constexpr int DIALOG_BASE_UNIT_Y = 13;

// nNumber × nNumerator / nDenominator with a 64-bit product, rounded half away from zero.
// Returns -1 when nDenominator is 0 or the result does not fit an int, as on Windows.
int MulDiv(int nNumber, int nNumerator, int nDenominator);

CSize GetDialogBaseUnits();

// Each edge is converted as a point (x = MulDiv(x, base x, 4), y = MulDiv(y, base y, 8)), so
// a width is right minus left after rounding, as MapDialogRect does.
CRect DialogUnitsToPixels(const CRect& rect);
CPoint DialogUnitsToPixels(POINT point);
CPoint PixelsToDialogUnits(POINT point);
