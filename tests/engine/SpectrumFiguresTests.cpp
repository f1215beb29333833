// The spectrum's figures of both modulation families against values worked out by hand.
#include "engine/SpectrumFigures.h"

#include <gtest/gtest.h>

TEST(SpectrumFigures, AmplitudeFamily)
{
	struct Case
	{
		int32_t kind;
		double m, ap, fm, fp, bandwidth, carrier, side, efficiency;
		bool negative;
	};
	// Side lines of Ap m / 2 each: 0.25 for Ap = 1, m = 0.5, that is 0.03125 W a line.
	const Case cases[] = {
		{ MOD_AM, 0.5, 1.0, 10000.0, 200000.0, 20000.0, 0.5, 0.0625, 1.0 / 9.0, false },
		{ MOD_DSB_SC, 0.5, 1.0, 10000.0, 200000.0, 20000.0, 0.0, 0.0625, 1.0, false },
		{ MOD_SSB_USB, 0.5, 1.0, 10000.0, 200000.0, 10000.0, 0.0, 0.03125, 1.0, false },
		{ MOD_VSB, 0.5, 1.0, 10000.0, 200000.0, 10000.0, 0.5, 0.03125, 1.0 / 17.0, false },
		// One line of 0.6 V at −20 kHz.
		{ MOD_SSB_LSB, 0.8, 1.5, 30000.0, 10000.0, 30000.0, 0.0, 0.18, 1.0, true },
		// No modulation: the side lines at −20 kHz carry nothing and are not drawn.
		{ MOD_AM, 0.0, 1.0, 30000.0, 10000.0, 60000.0, 0.5, 0.0, 0.0, false },
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(testing::Message() << "kind " << c.kind << " m " << c.m << " fm " << c.fm);
		const SpectrumFigures f
			= ComputeSpectrumFigures(ModulationParams{ PARAM_UNSET, c.fm, c.ap, PARAM_UNSET, c.fp, c.kind, c.m });
		EXPECT_FALSE(f.angle);
		EXPECT_DOUBLE_EQ(f.bandwidth, c.bandwidth);
		EXPECT_DOUBLE_EQ(f.carrierPower, c.carrier);
		EXPECT_DOUBLE_EQ(f.sidebandPower, c.side);
		EXPECT_NEAR(f.efficiency, c.efficiency, 1e-12);
		EXPECT_EQ(f.negativeFrequencies, c.negative);
		EXPECT_FALSE(f.accurateValues);
	}
}

TEST(SpectrumFigures, AngleFamily)
{
	struct Case
	{
		int32_t kind;
		double m, ap, fm, fp, deviation, carson, bandwidth, share, total;
		bool negative, accurate;
	};
	// Shares from Jn tables: m = 1 gives 0.7652² + 2 (0.4401² + 0.1149² + 0.0196²) ≈ 0.99999;
	// m = 5 keeps orders 0…8, m = 40 orders 0…45, each losing less than 1e-3 of the power.
	const Case cases[] = {
		{ MOD_FM, 5.0, 1.0, 10000.0, 20000.0, 50000.0, 120000.0, 160000.0, 0.99993, 0.5, true, false },
		{ MOD_PM, 5.0, 1.0, 10000.0, 80000.0, 50000.0, 120000.0, 160000.0, 0.99993, 0.5, false, false },
		{ MOD_PM, 1.0, 2.0, 10000.0, 200000.0, 10000.0, 40000.0, 60000.0, 0.99999, 2.0, false, false },
		{ MOD_FM, 40.0, 1.0, 1000.0, 44000.0, 40000.0, 82000.0, 90000.0, 0.99963, 0.5, true, true },
		{ MOD_FM, 0.0, 3.0, 5000.0, 100000.0, 0.0, 10000.0, 0.0, 1.0, 4.5, false, false },
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(testing::Message() << "kind " << c.kind << " m " << c.m << " fp " << c.fp);
		const SpectrumFigures f
			= ComputeSpectrumFigures(ModulationParams{ PARAM_UNSET, c.fm, c.ap, PARAM_UNSET, c.fp, c.kind, c.m });
		EXPECT_TRUE(f.angle);
		EXPECT_EQ(f.index, c.m);
		EXPECT_DOUBLE_EQ(f.peakDeviation, c.deviation);
		EXPECT_DOUBLE_EQ(f.carsonBandwidth, c.carson);
		EXPECT_DOUBLE_EQ(f.bandwidth, c.bandwidth);
		EXPECT_NEAR(f.shownPowerShare, c.share, 1e-3);
		EXPECT_DOUBLE_EQ(f.totalPower, c.total);
		EXPECT_EQ(f.negativeFrequencies, c.negative);
		EXPECT_EQ(f.accurateValues, c.accurate);
	}
}
