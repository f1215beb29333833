// Numbers to text and back, always with '.' as decimal point whatever the user's locale.
#pragma once

#include "framework/core/String.h"

// Like the C library's atof in the classic locale: leading white space, sign, digits,
// decimal point, exponent; stops at the first character that does not fit; 0.0 without a number.
double TextToDouble(LPCSTR text);

// TRUE when the text begins with a number TextToDouble reads, FALSE when it would give 0.0 for
// want of one.
BOOL TextStartsWithNumber(LPCSTR text);

// 17 significant digits, which TextToDouble reads back to the same double bit for bit. An
// infinity is written as 1e999 (or -1e999), a decimal number that overflows back to it; a NaN as
// "nan" (or "-nan"), which TextToDouble reads as a NaN of that sign, its payload lost.
CString DoubleToText(double value);
