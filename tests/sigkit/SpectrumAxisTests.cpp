// The spectrum scope's frequency ticks against axes worked out by hand, with labels measured as
// 6 pixels a character and kept 6 pixels apart.
#include "sigkit/scope/SpectrumAxis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(SpectrumAxisTest, TicksStandSymmetricallyAtOneTwoFiveStepsWithLabelsThatFit)
{
	// The axis asked for, then the step, the kind of labels, the first shown label's column and
	// the labels shown, left to right.
	struct Case
	{
		double dCentre, dHalfSpan;
		int nWidth;
		double dStep;
		BOOL bOffsets;
		int nFirstLabelColumn;
		std::vector<std::string> labels;
	};
	const Case cases[] =
	{
		// 100 Hz a pixel: 5 kHz is 50 px; the end labels would stick out.
		{ 200e3, 25e3, 500, 5e3, FALSE, 50,
			{ "180 kHz", "185 kHz", "190 kHz", "195 kHz", "200 kHz", "205 kHz", "210 kHz", "215 kHz", "220 kHz" } },
		// 5 kHz would be 40 px, too close for 42 px labels: 10 kHz.
		{ 200e3, 25e3, 400, 10e3, FALSE, 40, { "180 kHz", "190 kHz", "200 kHz", "210 kHz", "220 kHz" } },
		// "455,1 kHz" misreads 455 123 Hz: offsets, and the centre's wide label pushes 1 kHz to 2 kHz.
		{ 455123.0, 5e3, 500, 2e3, TRUE, 50, { "-4 kHz", "-2 kHz", "455,1 kHz", "+2 kHz", "+4 kHz" } },
		// A deviation past the carrier reaches below 0 Hz.
		{ 10e3, 50e3, 500, 10e3, FALSE, 50,
			{ "-30 kHz", "-20 kHz", "-10 kHz", "0 Hz", "10 kHz", "20 kHz", "30 kHz", "40 kHz", "50 kHz" } },
		// The half-span is no whole number of steps and the width is odd; at 1 kHz the last two
		// labels touch, so 2 kHz.
		{ 1e6, 2.7e3, 301, 2e3, FALSE, 39, { "0,998 MHz", "1 MHz", "1,002 MHz" } },
		{ 1e6, 0.0, 500, 0.0, FALSE, 0, {} },
	};
	for (const Case& c : cases)
	{
		const SpectrumAxis axis = SpectrumAxisTicks(c.dCentre, c.dHalfSpan, c.nWidth, 6,
			[](const CString& strLabel) { return 6 * strLabel.GetLength(); });
		EXPECT_NEAR(axis.dStep, c.dStep, 1e-9) << c.dCentre;
		EXPECT_EQ(axis.bOffsets, c.bOffsets) << c.dCentre;
		std::vector<std::string> labels;
		int nFirstLabelColumn = 0;
		const size_t nTicks = axis.ticks.size();
		for (size_t i = 0; i < nTicks; i++)
		{
			const SpectrumTick& tick = axis.ticks[i];
			const SpectrumTick& mirror = axis.ticks[nTicks - 1 - i];
			EXPECT_EQ(tick.nColumn + mirror.nColumn, c.nWidth / 2 * 2) << c.dCentre << " tick " << i;
			if (tick.strLabel.IsEmpty())
				continue;
			if (labels.empty())
				nFirstLabelColumn = tick.nColumn;
			labels.push_back(static_cast<LPCTSTR>(tick.strLabel));
		}
		EXPECT_EQ(labels, c.labels) << c.dCentre;
		EXPECT_EQ(nFirstLabelColumn, c.nFirstLabelColumn) << c.dCentre;
	}
}
