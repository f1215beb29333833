// Number text of the data exchange: the shortest general form on display, and which typed texts
// count as numbers.
#include "framework/ui/dialog/NumberText.h"
#include "tests/support/Environment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{

TEST(NumberTextTest, ShowsTheShortestGeneralForm)
{
	const struct
	{
		double value;
		const char* pszText;
	} cases[] = {
		{ 1.0, "1" },
		{ 200000.0, "200000" },
		{ 0.5, "0.5" },
		{ 10000.0, "10000" },
		{ 0.0002, "0.0002" },
		{ 0.0001, "0.0001" },
		{ 1.0 / 10000.0, "0.0001" },
		{ 0.00005, "5e-05" },
		{ -7.5, "-7.5" },
		{ 0.0, "0" },
		{ 1e20, "1e+20" },
		{ 123456789012345.0, "123456789012345" },
		{ 0.1 + 0.2, "0.30000000000000004" },
		{ 1.0 / 3.0, "0.3333333333333333" },
	};
	for (const auto& c : cases)
	{
		EXPECT_STREQ(static_cast<LPCTSTR>(AfxFormatDouble(c.value)), c.pszText) << c.value;
	}
}

TEST(NumberTextTest, DisplayedTextReadsBackAsTheSameDouble)
{
	for (double value : { 0.1 + 0.2, 1.0 / 3.0, 2.0 / 3.0 * 1e-7, 6.02214076e23, 5e-324, 1.7976931348623157e308 })
	{
		double readBack = 0.0;
		ASSERT_TRUE(AfxParseDouble(AfxFormatDouble(value), &readBack)) << value;
		EXPECT_EQ(readBack, value);
	}
}

TEST(NumberTextTest, AcceptsDecimalNumbersWithBlanksAround)
{
	const struct
	{
		const char* pszText;
		double value;
	} cases[] = {
		{ "1", 1.0 },
		{ "0.5", 0.5 },
		{ "2e5", 200000.0 },
		{ "2E-3", 0.002 },
		{ " 3 ", 3.0 },
		{ "\t-4.25", -4.25 },
		{ "+6", 6.0 },
		{ ".5", 0.5 },
		{ "7.", 7.0 },
		// The Italian decimal comma stands for the point.
		{ "1,5", 1.5 },
		{ " 1,5 ", 1.5 },
		{ "-1,5e3", -1500.0 },
		{ ",25", 0.25 },
		{ "0,0002", 0.0002 },
	};
	for (const auto& c : cases)
	{
		double value = -1.0;
		EXPECT_TRUE(AfxParseDouble(c.pszText, &value)) << c.pszText;
		EXPECT_EQ(value, c.value) << c.pszText;
	}
}

TEST(NumberTextTest, RefusesWhatIsNotOneFiniteDecimalNumber)
{
	// One decimal separator at most: a second one, or a thousands separator, is not a number here.
	for (const char* pszText : { "abc", "nan", "NaN", "inf", "-inf", "infinity", "", "   ", "1 2", "5x",
			 "0x10", "e5", "-", "+-1", "1e999", "--1", "1,5,0", "1.5,0", "1,,5", "1.000,5", "1,000.5", "1e3,5",
			 ",", "-,", "1, 5" })
	{
		double value = 42.0;
		EXPECT_FALSE(AfxParseDouble(pszText, &value)) << '"' << pszText << '"';
		EXPECT_EQ(value, 42.0) << pszText;
	}
	double value = 0.0;
	EXPECT_FALSE(AfxParseDouble(nullptr, &value));
}

TEST(NumberTextTest, IgnoresTheUserLocale)
{
	// An Italian locale writes a comma; the exchange reads both separators and shows the point
	// whatever the locale is.
	CScopedLocale italian("it_IT.UTF-8");
	double value = 0.0;
	EXPECT_TRUE(AfxParseDouble("0.25", &value));
	EXPECT_EQ(value, 0.25);
	value = 0.0;
	EXPECT_TRUE(AfxParseDouble("0,25", &value));
	EXPECT_EQ(value, 0.25);
	EXPECT_FALSE(AfxParseDouble("1.000,25", &value));
	EXPECT_STREQ(static_cast<LPCTSTR>(AfxFormatDouble(0.25)), "0.25");
	if (!italian.IsActive())
	{
		GTEST_SKIP() << "no Italian locale installed; checked in the C locale only";
	}
}

TEST(NumberTextTest, IntegersWithinRange)
{
	int value = 0;
	EXPECT_TRUE(AfxParseInt(" -12 ", &value));
	EXPECT_EQ(value, -12);
	EXPECT_TRUE(AfxParseInt("2147483647", &value));
	EXPECT_EQ(value, 2147483647);
	for (const char* pszText : { "2147483648", "1.5", "", "x", "1e3" })
	{
		EXPECT_FALSE(AfxParseInt(pszText, &value)) << pszText;
	}
	EXPECT_STREQ(static_cast<LPCTSTR>(AfxFormatInt(-2147483647 - 1)), "-2147483648");
}

}
