// Calibration of a scope's axes: the 1-2-5 division for a scale and the Italian texts of a
// measure in SI units ("0,5 V", "20 µs", "0,5 V/div").
#pragma once

#include "framework/core/String.h"
#include "framework/core/Types.h"

// Aimed at for one division; the 1-2-5 sequence keeps every choice within a factor of about 1.6.
constexpr double SCOPE_DIVISION_PIXELS = 56.0;

// The step of the 1-2-5 sequence (…, 0.1, 0.2, 0.5, 1, 2, 5, …) whose division in pixels lies
// nearest SCOPE_DIVISION_PIXELS on a log scale, so between about 35 and 89 pixels; a tie goes
// to the larger step. 0 for a scale that is not a positive finite number.
double ScopeDivision(double dUnitsPerPixel);

// The value with an SI prefix (p n µ m, none, k M G) that puts the number in [0,5; 500), at most
// 4 significant digits, trailing zeros dropped, a decimal comma and µ as UTF-8: "0,5 V", "-3 mV", "250 kHz", "0 V". A value
// that is not finite gives an empty text.
CString FormatMeasure(double dValue, LPCTSTR lpszUnit);
// The value with the prefix and the decimals FormatMeasure gives dScale, so the labels of one
// axis share their unit: 0.8 beside a scale of 1 reads "0,8 V", not "800 mV".
CString FormatMeasureLike(double dValue, double dScale, LPCTSTR lpszUnit);
// A pure number in the same Italian form, without a prefix: "0,5", "1,5", "60", "-0,003".
CString FormatNumber(double dValue);
// "0,5 V/div", "20 µs/div".
CString FormatPerDivision(double dStep, LPCTSTR lpszUnit);
