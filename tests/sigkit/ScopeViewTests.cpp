// The calibrated scope's time window: zoom and pan limits, the min-max columns of a trace against
// sample ranges counted by hand, values between samples and the cursor frequency.
#include "sigkit/scope/ScopeView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

TEST(ScopeViewTest, ZoomKeepsTheAnchorAndStaysWithinTheWholeAndAboveTheShortestSpan)
{
	struct Case
	{
		ScopeTimeWindow window;
		double dAnchor;
		double dFactor;
		ScopeTimeWindow expected;
	};
	const ScopeTimeWindow whole = { 0.0, 10.0 };
	const Case cases[] =
	{
		{ { 0.0, 10.0 }, 5.0, 0.5, { 2.5, 7.5 } },
		{ { 0.0, 10.0 }, 0.0, 0.5, { 0.0, 5.0 } },
		{ { 0.0, 10.0 }, 8.0, 0.5, { 4.0, 9.0 } },
		{ { 2.0, 4.0 }, 3.0, 0.1, { 2.5, 3.5 } },	// no shorter than the shortest span, 1
		{ { 2.0, 4.0 }, 2.5, 100.0, { 0.0, 10.0 } },
		{ { 8.0, 10.0 }, 9.5, 4.0, { 2.0, 10.0 } },	// would end at 11.5
		{ { 0.0, 2.0 }, 1.0, 2.0, { 0.0, 4.0 } },	// would start at -1
	};
	for (const Case& c : cases)
	{
		const ScopeTimeWindow zoomed = ZoomTimeWindow(c.window, c.dAnchor, c.dFactor, whole, 1.0);
		EXPECT_DOUBLE_EQ(zoomed.dStart, c.expected.dStart) << c.dAnchor << " x " << c.dFactor;
		EXPECT_DOUBLE_EQ(zoomed.dEnd, c.expected.dEnd) << c.dAnchor << " x " << c.dFactor;
	}

	EXPECT_DOUBLE_EQ(PanTimeWindow({ 2.0, 4.0 }, 10.0, whole).dStart, 8.0);
	EXPECT_DOUBLE_EQ(PanTimeWindow({ 2.0, 4.0 }, -5.0, whole).dStart, 0.0);
}

TEST(ScopeViewTest, MinMaxColumnsHoldTheSamplesFallingInEachColumn)
{
	// 3000 samples 10 µs apart; the window starts half a step after sample 300 and each of its 200
	// columns is 9 steps wide, so column c holds samples 301 + 9c to 309 + 9c.
	std::vector<double> times, values;
	for (int i = 0; i < 3000; i++)
	{
		times.push_back(i * 1e-5);
		values.push_back(std::sin(i * 0.037) + 0.3 * std::cos(i * 1.9));
	}
	const ScopeTimeWindow window = { 300.5e-5, 300.5e-5 + 200 * 9e-5 };
	const std::vector<ScopeColumnRange> columns = ScopeMinMaxColumns(times.data(), values.data(), 3000, window, 200);
	ASSERT_EQ(columns.size(), 200u);
	for (int c = 0; c < 200; c++)
	{
		const auto first = values.begin() + 301 + 9 * c;
		ASSERT_FALSE(columns[c].bEmpty) << c;
		EXPECT_EQ(columns[c].dMin, *std::min_element(first, first + 9)) << c;
		EXPECT_EQ(columns[c].dMax, *std::max_element(first, first + 9)) << c;
	}

	// Past the last sample the columns are empty.
	const std::vector<ScopeColumnRange> tail = ScopeMinMaxColumns(times.data(), values.data(), 3000,
		{ 2989.5e-5, 3009.5e-5 }, 20);
	EXPECT_FALSE(tail[9].bEmpty);
	EXPECT_EQ(tail[9].dMax, values[2999]);
	EXPECT_TRUE(tail[10].bEmpty);
}

TEST(ScopeViewTest, ValuesBetweenSamplesAndCursorFrequency)
{
	const double times[] = { 0.0, 1.0, 2.0, 4.0 };
	const double values[] = { 0.0, 10.0, -10.0, 30.0 };
	double dValue = 0.0;
	EXPECT_TRUE(ScopeValueAt(times, values, 4, 3.0, dValue));
	EXPECT_DOUBLE_EQ(dValue, 10.0);
	EXPECT_TRUE(ScopeValueAt(times, values, 4, 4.0, dValue));
	EXPECT_DOUBLE_EQ(dValue, 30.0) << "the last sample itself";
	EXPECT_FALSE(ScopeValueAt(times, values, 4, -0.1, dValue));
	EXPECT_FALSE(ScopeValueAt(times, values, 4, 4.1, dValue));

	double dFrequency = 0.0;
	EXPECT_TRUE(ScopeCursorFrequency(3.5e-4, 1e-4, dFrequency));
	EXPECT_NEAR(dFrequency, 4000.0, 1e-6) << "B before A";
	EXPECT_FALSE(ScopeCursorFrequency(2e-4, 2e-4, dFrequency));
}
