// Text to numbers, always with '.' as decimal point whatever the user's locale.
#pragma once

#include "framework/core/String.h"

// Like the C library's atof in the classic locale: leading white space, sign, digits,
// decimal point, exponent; stops at the first character that does not fit; 0.0 without a number.
double TextToDouble(LPCSTR text);

