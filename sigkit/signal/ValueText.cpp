// Locale-independent number conversion: reading and writing the text form, and CSignal::Convert for value labels.
#include "sigkit/signal/ValueText.h"

#include "sigkit/signal/Signal.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <locale>
#include <sstream>
#include <string>

#include <locale.h>

namespace
{
	// The program's user-interface toolkit adopts the user's locale at start, which would turn
	// the decimal point into a comma; files and labels always use the classic one.
	locale_t ClassicLocale()
	{
		static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
		return classic;
	}
}

double TextToDouble(LPCSTR text)
{
	if (text == nullptr)
		return 0.0;
	return strtod_l(text, nullptr, ClassicLocale());
}

BOOL TextStartsWithNumber(LPCSTR text)
{
	if (text == nullptr)
		return FALSE;
	// A digit after the sign settles it without a conversion, which is slow for 17 digits.
	LPCSTR p = text;
	while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
		p++;
	if (*p == '+' || *p == '-')
		p++;
	if ((*p >= '0' && *p <= '9') || (*p == '.' && p[1] >= '0' && p[1] <= '9'))
		return TRUE;
	char* end = nullptr;
	strtod_l(text, &end, ClassicLocale());
	return end != text;
}

CString DoubleToText(double value)
{
	if (std::isinf(value))
		return value > 0 ? "1e999" : "-1e999";
	if (std::isnan(value))
		return std::signbit(value) ? "-nan" : "nan";
	char text[32];
	const std::to_chars_result result = std::to_chars(text, text + sizeof(text), value, std::chars_format::general, 17);
	return CString(text, int(result.ptr - text));
}

CString CSignal::Convert(double value, int decimals)
{
	// No double has more than 1074 digits after the point, so more decimals only add zeros
	// that are trimmed anyway.
	constexpr int MAX_DECIMALS = 1100;
	const int precision = decimals < 0 ? 0 : (decimals > MAX_DECIMALS ? MAX_DECIMALS : decimals);

	std::ostringstream out;
	out.imbue(std::locale::classic());
	out << std::fixed << std::setprecision(precision) << value;
	const std::string text = out.str();

	std::string::size_type separator = text.find('.');
	if (separator == std::string::npos)
		separator = text.find(',');
	if (separator == std::string::npos)
		return CString(text.c_str());

	std::string::size_type lastDigit = text.find_last_not_of('0');
	if (lastDigit == separator)
		return CString(text.c_str(), int(separator));
	return CString(text.c_str(), int(lastDigit + 1));
}

