// The 1-2-5 division of a scope's scale and the texts of its measures.
#include "sigkit/scope/ScopeScale.h"

#include <cmath>
#include <string>

namespace
{
	const char* const PREFIXES[] = { "p", "n", "\xC2\xB5", "m", "", "k", "M", "G" };
	constexpr int LOWEST_EXPONENT = -12;
	constexpr int HIGHEST_EXPONENT = 9;
	constexpr int SIGNIFICANT_DIGITS = 4;
	// Numbers run from 0,5 to 499,9 before the prefix changes, so a 1-2-5 step of 0.5 reads
	// "0,5 V" and 0.2 reads "200 mV".
	constexpr double LOWEST_MANTISSA = 0.5;

	// The magnitude rounded to the digits kept, as "12,34" without trailing zeros. Built from an
	// integer so the decimal separator does not depend on the C locale.
	std::string RoundedDigits(double dMagnitude, int nDecimals)
	{
		long long nScaled = std::llround(dMagnitude * std::pow(10.0, nDecimals));
		while (nDecimals > 0 && nScaled % 10 == 0)
		{
			nScaled /= 10;
			nDecimals--;
		}
		std::string digits = std::to_string(nScaled);
		if (nDecimals == 0)
			return digits;
		if (static_cast<int>(digits.size()) <= nDecimals)
			digits.insert(0, nDecimals + 1 - digits.size(), '0');
		digits.insert(digits.size() - nDecimals, 1, ',');
		return digits;
	}

	int DecimalsFor(double dMagnitude)
	{
		const int nIntegerDigits = static_cast<int>(std::floor(std::log10(dMagnitude))) + 1;
		return nIntegerDigits >= SIGNIFICANT_DIGITS ? 0 : SIGNIFICANT_DIGITS - nIntegerDigits;
	}
}

double ScopeDivision(double dUnitsPerPixel)
{
	if (!std::isfinite(dUnitsPerPixel) || dUnitsPerPixel <= 0.0)
		return 0.0;
	const double dTarget = dUnitsPerPixel * SCOPE_DIVISION_PIXELS;
	const double dDecade = std::pow(10.0, std::floor(std::log10(dTarget)));
	// The candidates bracket the target on either side of its decade.
	const double aFactors[] = { 0.5, 1.0, 2.0, 5.0, 10.0 };
	double dBest = 0.0;
	double dBestDistance = HUGE_VAL;
	for (double dFactor : aFactors)
	{
		const double dStep = dFactor * dDecade;
		const double dDistance = std::fabs(std::log(dStep / dTarget));
		if (dDistance <= dBestDistance)
		{
			dBest = dStep;
			dBestDistance = dDistance;
		}
	}
	return dBest;
}

namespace
{
	// The exponent (a multiple of 3) that puts the magnitude in [0,5; 500) once rounded to the
	// digits kept.
	int PrefixExponent(double dMagnitude)
	{
		int nExponent = static_cast<int>(std::floor(std::log10(dMagnitude / LOWEST_MANTISSA) / 3.0)) * 3;
		nExponent = nExponent < LOWEST_EXPONENT ? LOWEST_EXPONENT : nExponent > HIGHEST_EXPONENT ? HIGHEST_EXPONENT : nExponent;
		double dScaled = dMagnitude / std::pow(10.0, nExponent);
		// log10 may land a hair off at the band's ends, and rounding may carry past its top: move
		// the prefix so the number stays within [0.5, 500).
		if (dScaled < LOWEST_MANTISSA && nExponent > LOWEST_EXPONENT)
		{
			nExponent -= 3;
			dScaled *= 1000.0;
		}
		const int nDecimals = DecimalsFor(dScaled);
		if (std::round(dScaled * std::pow(10.0, nDecimals)) >= 1000.0 * LOWEST_MANTISSA * std::pow(10.0, nDecimals)
			&& nExponent < HIGHEST_EXPONENT)
			nExponent += 3;
		return nExponent;
	}

	// The value in units of 10^nExponent with the decimals the reference value needs there.
	CString MeasureText(double dValue, int nExponent, double dReference, const std::string& unit)
	{
		const double dScaled = std::fabs(dValue) / std::pow(10.0, nExponent);
		const double dReferenceScaled = std::fabs(dReference) / std::pow(10.0, nExponent);
		std::string number = dScaled > 0.0 ? RoundedDigits(dScaled, DecimalsFor(dReferenceScaled)) : "0";
		if (number != "0" && dValue < 0.0)
			number.insert(0, 1, '-');
		// Zero reads the same on every axis.
		const std::string prefix = dScaled > 0.0 ? PREFIXES[(nExponent - LOWEST_EXPONENT) / 3] : "";
		if (prefix.empty() && unit.empty())
			return CString(number.c_str());
		return CString((number + " " + prefix + unit).c_str());
	}
}

CString FormatMeasure(double dValue, LPCTSTR lpszUnit)
{
	if (!std::isfinite(dValue))
		return CString();
	const double dMagnitude = std::fabs(dValue);
	return MeasureText(dValue, dMagnitude > 0.0 ? PrefixExponent(dMagnitude) : 0, dValue, lpszUnit != nullptr ? lpszUnit : "");
}

CString FormatMeasureLike(double dValue, double dScale, LPCTSTR lpszUnit)
{
	if (!std::isfinite(dValue) || !std::isfinite(dScale))
		return CString();
	const double dMagnitude = std::fabs(dScale);
	if (dMagnitude == 0.0)
		return FormatMeasure(dValue, lpszUnit);
	return MeasureText(dValue, PrefixExponent(dMagnitude), dScale, lpszUnit != nullptr ? lpszUnit : "");
}

CString FormatNumber(double dValue)
{
	if (!std::isfinite(dValue))
		return CString();
	const double dMagnitude = std::fabs(dValue);
	std::string number = dMagnitude > 0.0 ? RoundedDigits(dMagnitude, DecimalsFor(dMagnitude)) : "0";
	if (number != "0" && dValue < 0.0)
		number.insert(0, 1, '-');
	return CString(number.c_str());
}

CString FormatPerDivision(double dStep, LPCTSTR lpszUnit)
{
	CString text = FormatMeasure(dStep, lpszUnit);
	if (!text.IsEmpty())
		text += "/div";
	return text;
}
