// CSignal's text import and the Convert number-to-text rule.
#include "SignalArchive.h"

#include "framework/core/Archive.h"
#include "framework/core/Collections.h"
#include "framework/core/MemFile.h"
#include "sigkit/signal/Signal.h"
#include "tests/support/Environment.h"

#include <gtest/gtest.h>

#include <cmath>
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

TEST(SignalText, StoringWritesNothing)
{
	CSignal s;
	s.RedimXY(1);
	s.m_pX[0] = s.m_pY[0] = 1.0;
	CMemFile file;
	{
		CArchive ar(&file, CArchive::store);
		s.SerializeTXT(ar);
		ar.Close();
	}
	EXPECT_EQ(file.GetLength(), 0u);
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
