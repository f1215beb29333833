// The 1-2-5 division chosen for a scale and the Italian texts of measures, against values worked
// out by hand.
#include "sigkit/scope/ScopeScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

TEST(ScopeScaleTest, DivisionIsTheOneTwoFiveStepNearestFiftySixPixels)
{
	struct Case
	{
		double dUnitsPerPixel;
		double dExpected;
	};
	const double dNaN = std::numeric_limits<double>::quiet_NaN();
	const double dInfinity = std::numeric_limits<double>::infinity();
	const Case cases[] =
	{
		{ 1.0, 50.0 },
		{ 0.01, 0.5 },
		{ 1e-6, 50e-6 },
		{ 0.0125, 0.5 },	// 40 px for 0.5 beats 80 px for 1
		{ 0.03, 2.0 },
		{ 0.06, 5.0 },
		{ 0.0, 0.0 },
		{ dNaN, 0.0 },
		{ dInfinity, 0.0 },
	};
	for (const Case& c : cases)
		EXPECT_NEAR(ScopeDivision(c.dUnitsPerPixel), c.dExpected, c.dExpected * 1e-12) << c.dUnitsPerPixel;

	for (double dUnitsPerPixel = 1e-9; dUnitsPerPixel < 1e6; dUnitsPerPixel *= 1.07)
	{
		const double dStep = ScopeDivision(dUnitsPerPixel);
		const double dMantissa = dStep / std::pow(10.0, std::floor(std::log10(dStep) + 1e-9));
		const bool bOneTwoFive = std::fabs(dMantissa - 1.0) < 1e-6 || std::fabs(dMantissa - 2.0) < 1e-6
			|| std::fabs(dMantissa - 5.0) < 1e-6;
		EXPECT_TRUE(bOneTwoFive) << dUnitsPerPixel << " gives " << dStep;
		EXPECT_GE(dStep / dUnitsPerPixel, 35.0) << dUnitsPerPixel;
		EXPECT_LE(dStep / dUnitsPerPixel, 90.0) << dUnitsPerPixel;
	}
}

TEST(ScopeScaleTest, MeasuresReadWithAnSiPrefixAndADecimalComma)
{
	struct Case
	{
		double dValue;
		const char* lpszUnit;
		const char* lpszExpected;
	};
	const Case cases[] =
	{
		{ 0.5, "V", "0,5 V" },
		{ 20e-6, "s", "20 \xC2\xB5s" },
		{ 1.2e-3, "s", "1,2 ms" },
		{ -3e-3, "V", "-3 mV" },
		{ 250e3, "Hz", "250 kHz" },
		{ 0.0, "V", "0 V" },
		{ 1e-3, "s", "1 ms" },
		{ 5e12, "Hz", "5000 GHz" },
		{ 1e-13, "V", "0,1 pV" },
		{ 12.3456, "V", "12,35 V" },
		{ 0.2, "V", "200 mV" },
		{ 0.8734, "V", "0,8734 V" },
		{ 499.96, "V", "0,5 kV" },
		{ 0.00049996, "s", "0,5 ms" },
		{ 0.5, "", "0,5" },
		{ 1500.0, "", "1,5 k" },
		{ std::numeric_limits<double>::quiet_NaN(), "V", "" },
	};
	for (const Case& c : cases)
		EXPECT_EQ(std::string(FormatMeasure(c.dValue, c.lpszUnit)), c.lpszExpected) << c.dValue;

	EXPECT_EQ(std::string(FormatPerDivision(0.5, "V")), "0,5 V/div");
	EXPECT_EQ(std::string(FormatPerDivision(20e-6, "s")), "20 \xC2\xB5s/div");
	// A modulation index has no unit and takes no prefix.
	EXPECT_EQ(std::string(FormatNumber(0.2)), "0,2");
	EXPECT_EQ(std::string(FormatNumber(1500.0)), "1500");
	EXPECT_EQ(std::string(FormatNumber(-0.0031416)), "-0,003142");

	// One axis, one prefix: its labels read in the unit of its largest.
	EXPECT_EQ(std::string(FormatMeasureLike(0.4, 1.2, "V")), "0,4 V");
	EXPECT_EQ(std::string(FormatMeasureLike(900e3, 1.8e6, "Hz")), "0,9 MHz");
	EXPECT_EQ(std::string(FormatMeasureLike(-20e3, 50e3, "Hz")), "-20 kHz");
	EXPECT_EQ(std::string(FormatMeasureLike(0.0, 2e-3, "V")), "0 V");
	EXPECT_EQ(std::string(FormatMeasureLike(199.5e3, 200e3, "Hz")), "199,5 kHz");
}
