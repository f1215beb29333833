// CSignal's text import and the Convert number-to-text rule.
#include "SignalArchive.h"

#include "framework/core/Archive.h"
#include "framework/core/Collections.h"
#include "framework/core/MemFile.h"
#include "sigkit/signal/Signal.h"
#include "tests/support/Environment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace
{
	// A record with recognisable descriptors, to see what an import leaves alone.
	void Prime(CSignal& s)
	{
		s.m_nType = 3;
		s.m_dPeriod = 9.0;
		s.m_dFrequency = 8.0;
		s.m_dStepX = 7.0;
		s.m_dAmplitude = 6.0;
		s.RedimXY(2);
		s.m_pX[0] = s.m_pY[0] = 0.0;
	}

	bool SameBits(double a, double b)
	{
		return std::memcmp(&a, &b, sizeof(double)) == 0;
	}

	void ExpectDescriptorsUnchanged(const CSignal& s)
	{
		EXPECT_EQ(s.m_dPeriod, 9.0);
		EXPECT_EQ(s.m_dFrequency, 8.0);
		EXPECT_EQ(s.m_dStepX, 7.0);
		EXPECT_EQ(s.m_dAmplitude, 6.0);
	}
}

TEST(SignalText, LineBreaksCarryNoMeaning)
{
	for (const char* text : {"0.02\n0 1.5 0.01 -1.5\n", "0.02 0 1.5 0.01 -1.5", "  0.02\r\n\r\n0   1.5\n 0.01 -1.5  \r\n"})
	{
		CSignal s;
		s.m_nType = 3;
		ImportText(s, text);
		SCOPED_TRACE(text);
		EXPECT_EQ(s.m_dPeriod, 0.02);
		EXPECT_EQ(s.m_dFrequency, 1.0 / 0.02);
		EXPECT_EQ(s.m_dStepX, 1.0);
		EXPECT_EQ(s.m_dAmplitude, 1.5);
		EXPECT_EQ(s.m_nType, 3) << "the kind is not touched";
		ASSERT_EQ(s.m_nPoints, 2u);
		EXPECT_EQ(s.m_pX[0], 0.0);
		EXPECT_EQ(s.m_pY[0], 1.5);
		EXPECT_EQ(s.m_pX[1], 0.01);
		EXPECT_EQ(s.m_pY[1], -1.5);
	}
}

TEST(SignalText, TooFewTokensAddNoSampleAndKeepDescriptors)
{
	struct Case
	{
		const char* what;
		const char* text;
		UINT points;
	};
	const Case cases[] = {
		{"empty file", "", 2},
		{"only blank lines", "\n\r\n\n", 2},
		{"one number", "5\n", 0},
		{"an X without a Y", "1 2", 0},
	};
	for (const Case& c : cases)
	{
		CSignal s;
		Prime(s);
		ImportText(s, c.text);
		SCOPED_TRACE(c.what);
		EXPECT_EQ(s.m_nPoints, c.points);
		ExpectDescriptorsUnchanged(s);
	}
}

TEST(SignalText, LinesLongerThan500CharactersAreIgnored)
{
	std::string padded = "4 1 2";
	std::string line500 = padded + std::string(500 - padded.size(), ' ');
	std::string line501 = line500 + " ";

	CSignal kept;
	ImportText(kept, line500 + "\n");
	EXPECT_EQ(kept.m_nPoints, 1u);
	EXPECT_EQ(kept.m_dPeriod, 4.0);

	CSignal skipped;
	ImportText(skipped, line501 + "\n3 5 6\n");
	ASSERT_EQ(skipped.m_nPoints, 1u);
	EXPECT_EQ(skipped.m_dPeriod, 3.0);
	EXPECT_EQ(skipped.m_pX[0], 5.0);
}

TEST(SignalText, TokensConvertLikeAtofInTheClassicLocale)
{
	// The user's locale may use a comma as decimal point; the text form never does.
	CScopedLocale italian("it_IT.UTF-8");
	if (!italian.IsActive())
		GTEST_SKIP() << "the it_IT.UTF-8 locale is not installed (tools/dev.sh test generates it)";

	CSignal s;
	ImportText(s, "1e-3 1,5 2.5x 1.5\t2.5 -7 abc +.25e1 0x 3e");

	EXPECT_EQ(s.m_dPeriod, 0.001);
	ASSERT_EQ(s.m_nPoints, 4u);
	EXPECT_EQ(s.m_pX[0], 1.0) << "a comma stops the conversion";
	EXPECT_EQ(s.m_pY[0], 2.5) << "trailing garbage is ignored";
	EXPECT_EQ(s.m_pX[1], 1.5) << "a tab belongs to its token";
	EXPECT_EQ(s.m_pY[1], -7.0);
	EXPECT_EQ(s.m_pX[2], 0.0) << "a token without a number gives 0";
	EXPECT_EQ(s.m_pY[2], 2.5);
	EXPECT_EQ(s.m_pX[3], 0.0) << "hexadecimal is not a decimal number";
	EXPECT_EQ(s.m_pY[3], 3.0) << "an exponent without digits is not part of the number";
	EXPECT_EQ(s.m_dAmplitude, 7.0);
}

TEST(SignalText, ZeroPeriodGivesInfiniteFrequency)
{
	CSignal s;
	ImportText(s, "0 1 -2");
	EXPECT_EQ(s.m_dAmplitude, 2.0);
	EXPECT_TRUE(std::isinf(s.m_dFrequency));
}

TEST(SignalText, SetValuesTakesTheShorterArray)
{
	CStringArray x, y;
	x.Add("1");
	x.Add("2");
	x.Add("3");
	y.Add("-4");
	y.Add("0.5");
	CSignal s;
	s.SetValues(x, y, CString("0.25"));
	ASSERT_EQ(s.m_nPoints, 2u);
	EXPECT_EQ(s.m_pX[1], 2.0);
	EXPECT_EQ(s.m_dAmplitude, 4.0);
	EXPECT_EQ(s.m_dFrequency, 4.0);
}

// No decimal number reads back as a NaN; "nan" does through this conversion, with its sign.
TEST(SignalText, StoringWritesThePeriodThenOnePairALine)
{
	CSignal s;
	s.m_dPeriod = 0.02;
	s.RedimXY(2);
	s.m_pX[0] = 0.0;
	s.m_pY[0] = 1.5;
	s.m_pX[1] = -std::numeric_limits<double>::quiet_NaN();
	s.m_pY[1] = -0.1;
	const std::string text = ExportText(s);
	EXPECT_EQ(text, "0.02\n0 1.5\n-nan -0.10000000000000001\n");

	CSignal loaded;
	ImportText(loaded, text);
	ASSERT_EQ(loaded.m_nPoints, 2u);
	EXPECT_TRUE(std::isnan(loaded.m_pX[1]) && std::signbit(loaded.m_pX[1]));
}

TEST(SignalText, StoringThenLoadingGivesBackEveryDoubleBitForBit)
{
	const double inf = std::numeric_limits<double>::infinity();
	const double largest = std::numeric_limits<double>::max();
	// Subnormals, the extremes, a negative zero, and numbers whose shortest text has 17 digits.
	const double xs[] = {-0.0, 4.9406564584124654e-324, 2.2250738585072009e-308, 1e308, inf, -inf,
		0.30000000000000004, 1.0000000000000002};
	const double ys[] = {1.0 / 3.0, -largest, 2.2250738585072014e-308, -4.9406564584124654e-324, 1e-300,
		6.02214076e23, -0.1, 123456.78901234567};
	const UINT n = sizeof(xs) / sizeof(xs[0]);

	// The classic locale first, then one whose decimal point is a comma.
	for (const char* locale : {"C", "it_IT.UTF-8"})
	{
		CScopedLocale user(locale);
		if (!user.IsActive())
			GTEST_SKIP() << "the it_IT.UTF-8 locale is not installed (tools/dev.sh test generates it)";
		CSignal stored;
		stored.m_dPeriod = 0.30000000000000004;
		stored.RedimXY(n);
		std::copy(xs, xs + n, stored.m_pX);
		std::copy(ys, ys + n, stored.m_pY);
		const std::string text = ExportText(stored);
		CSignal loaded;
		ImportText(loaded, text);

		ASSERT_EQ(loaded.m_nPoints, n) << locale;
		EXPECT_TRUE(SameBits(loaded.m_dPeriod, 0.30000000000000004));
		for (UINT i = 0; i < n; i++)
			EXPECT_TRUE(SameBits(loaded.m_pX[i], xs[i]) && SameBits(loaded.m_pY[i], ys[i])) << locale << ", " << i;
		EXPECT_EQ(loaded.m_dStepX, 1.0);
		EXPECT_EQ(loaded.m_dAmplitude, largest);
		EXPECT_EQ(loaded.m_dFrequency, 1.0 / 0.30000000000000004);
		EXPECT_EQ(text.find(','), std::string::npos);
		EXPECT_LE(text.size(), 50 * (n + 1)) << "lines of under 50 characters";
	}
}

TEST(SignalConvert, FixedPointWithTrailingZerosRemoved)
{
	const double inf = std::numeric_limits<double>::infinity();
	struct Case
	{
		double value;
		int decimals;
		std::string text;
	};
	const Case cases[] = {
		{3.14159, 3, "3.142"},
		{2.5, 4, "2.5"},
		{7.0, 2, "7"},
		{12.0, 0, "12"},
		{-0.001, 2, "-0"},
		{100.0, 3, "100"},
		{190000.0, 4, "190000"},
		{0.25, 10, "0.25"},
		{-1.5, 1, "-1.5"},
		{0.0914718041, 4, "0.0915"},
		{2.5, -3, "2"},
		{inf, 3, "inf"},
		{-inf, 0, "-inf"},
		{0.1, 2000, "0.1000000000000000055511151231257827021181583404541015625"},
	};
	for (const Case& c : cases)
		EXPECT_EQ(std::string(CSignal::Convert(c.value, c.decimals)), c.text) << c.value << " with " << c.decimals;

	const std::string huge(CSignal::Convert(1e300, 3));
	EXPECT_EQ(huge.size(), 301u);
	EXPECT_EQ(huge.compare(0, 20, "10000000000000000525"), 0) << huge;

	const std::string nan = std::string(CSignal::Convert(std::numeric_limits<double>::quiet_NaN(), 3));
	EXPECT_NE(nan.find("nan"), std::string::npos);
}

TEST(SignalConvert, IgnoresTheUserLocale)
{
	CScopedLocale italian("it_IT.UTF-8");
	if (!italian.IsActive())
		GTEST_SKIP() << "the it_IT.UTF-8 locale is not installed (tools/dev.sh test generates it)";
	EXPECT_EQ(std::string(CSignal::Convert(0.5, 3)), "0.5");
}
