// Numbers as the data exchange shows them in edit controls and reads them back, independent of
// the user's locale.
#pragma once

#include "framework/core/String.h"
#include "framework/core/Types.h"

// The shortest text in the general form of %.15g (an exponent only below 1e-4 or from 15 digits
// before the point on) that reads back as exactly the same double: 1, 200000, 0.5, 0.0002, 1e+20.
CString AfxFormatDouble(double value);
CString AfxFormatInt(int value);

// The whole text, blanks around it allowed, must be one decimal number with an optional exponent,
// of finite value. Its decimal separator is '.' or ',' (one of them, once: "1,5" reads as 1.5,
// "1.000,5" and "1,5,0" are refused). "nan", "inf", "0x10" and an empty text are refused, and so
// is a magnitude outside the double range.
BOOL AfxParseDouble(LPCTSTR lpszText, double* pValue);
// A decimal integer within the int range, blanks around it allowed.
BOOL AfxParseInt(LPCTSTR lpszText, int* pValue);
