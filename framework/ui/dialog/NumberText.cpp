// Number text of the data exchange, through the locale-independent character conversions.
#include "framework/ui/dialog/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>
#include <system_error>

namespace
{

bool IsBlank(char ch)
{
	return ch == ' ' || ch == '\t';
}

// The text without the blanks around it; a leading '+' is dropped too, since the character
// conversions accept only '-'.
bool Trim(LPCTSTR lpszText, const char** ppFirst, const char** ppLast)
{
	if (lpszText == nullptr)
	{
		return false;
	}
	const char* pFirst = lpszText;
	const char* pLast = lpszText + std::strlen(lpszText);
	while (pFirst < pLast && IsBlank(*pFirst))
	{
		++pFirst;
	}
	while (pLast > pFirst && IsBlank(pLast[-1]))
	{
		--pLast;
	}
	if (pFirst < pLast && *pFirst == '+')
	{
		++pFirst;
		if (pFirst < pLast && (*pFirst == '-' || *pFirst == '+'))
		{
			return false;
		}
	}
	*ppFirst = pFirst;
	*ppLast = pLast;
	return pFirst < pLast;
}

bool IsDecimalNumberText(const char* pFirst, const char* pLast)
{
	// from_chars also reads "nan" and "inf"; a decimal number has a digit before any letter.
	for (const char* p = pFirst; p < pLast; ++p)
	{
		if (*p >= '0' && *p <= '9')
		{
			return true;
		}
		if (*p != '-' && *p != '.')
		{
			return false;
		}
	}
	return false;
}

}

CString AfxFormatDouble(double value)
{
	// Every decimal of up to 15 digits survives a double, so %.15g is already the shortest text
	// whenever it reads back; a few values need 16 or 17 digits.
	char buffer[64];
	for (int nPrecision = 15; nPrecision <= 17; ++nPrecision)
	{
		const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof(buffer) - 1, value,
			std::chars_format::general, nPrecision);
		*result.ptr = '\0';
		double readBack = 0.0;
		std::from_chars(buffer, result.ptr, readBack);
		if (readBack == value || nPrecision == 17)
		{
			break;
		}
	}
	return CString(buffer);
}

CString AfxFormatInt(int value)
{
	char buffer[16];
	const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof(buffer) - 1, value);
	*result.ptr = '\0';
	return CString(buffer);
}

BOOL AfxParseDouble(LPCTSTR lpszText, double* pValue)
{
	const char* pFirst = nullptr;
	const char* pLast = nullptr;
	if (!Trim(lpszText, &pFirst, &pLast))
	{
		return FALSE;
	}
	// An Italian keyboard writes a decimal comma: it stands for the point, once, and never as a
	// thousands separator ("1.000,5" has two separators and is refused).
	std::string strNumber(pFirst, pLast);
	if (std::count(strNumber.begin(), strNumber.end(), '.') + std::count(strNumber.begin(), strNumber.end(), ',') > 1)
	{
		return FALSE;
	}
	std::replace(strNumber.begin(), strNumber.end(), ',', '.');
	pFirst = strNumber.data();
	pLast = pFirst + strNumber.size();
	if (!IsDecimalNumberText(pFirst, pLast))
	{
		return FALSE;
	}
	double value = 0.0;
	const std::from_chars_result result = std::from_chars(pFirst, pLast, value, std::chars_format::general);
	if (result.ec != std::errc() || result.ptr != pLast)
	{
		return FALSE;
	}
	*pValue = value;
	return TRUE;
}

BOOL AfxParseInt(LPCTSTR lpszText, int* pValue)
{
	const char* pFirst = nullptr;
	const char* pLast = nullptr;
	if (!Trim(lpszText, &pFirst, &pLast))
	{
		return FALSE;
	}
	int value = 0;
	const std::from_chars_result result = std::from_chars(pFirst, pLast, value, 10);
	if (result.ec != std::errc() || result.ptr != pLast)
	{
		return FALSE;
	}
	*pValue = value;
	return TRUE;
}
