// The parameter record, the phase reduction and the sample count of a run.
#include "engine/ModulationParams.h"
#include "engine/TimeBase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
	ModulationParams Timing(double simTime, double freqCarrier, double freqMod)
	{
		ModulationParams params;
		params.simTime = simTime;
		params.freqCarrier = freqCarrier;
		params.freqMod = freqMod;
		return params;
	}
}

TEST(ModulationParams, StartsUnsetAndTellsFamiliesByLowestBit)
{
	const ModulationParams params;
	EXPECT_TRUE(IsParamUnset(params.ampMod));
	EXPECT_TRUE(IsParamUnset(params.freqCarrier));
	EXPECT_TRUE(IsParamUnset(params.modIndex));
	EXPECT_EQ(params.kind, MOD_NONE);
	EXPECT_FALSE(IsParamUnset(-0.9999999999999999));
	EXPECT_FALSE(IsParamUnset(1.0));

	for (int32_t kind : { MOD_AM_FAMILY, MOD_AM, MOD_DSB_SC, MOD_SSB_USB, MOD_SSB_LSB, MOD_VSB })
		EXPECT_TRUE(IsAmplitudeFamily(kind)) << kind;
	for (int32_t kind : { MOD_NONE, MOD_FM, MOD_PM })
		EXPECT_FALSE(IsAmplitudeFamily(kind)) << kind;
}

TEST(ModulationParams, IndexFollowsTheFamily)
{
	ModulationParams params;
	params.ampMod = 5.0;
	params.freqMod = 10000.0;
	params.ampCarrier = 2.0;
	params.kind = MOD_VSB;
	EXPECT_EQ(ModulationIndex(params), 2.5);
	params.kind = MOD_FM;
	EXPECT_EQ(ModulationIndex(params), 7.5);
	params.kind = MOD_PM;
	EXPECT_EQ(ModulationIndex(params), 5.0);
	// Multiplying before dividing is part of the definition.
	params.ampMod = 0.1;
	params.freqMod = 9000.0;
	params.kind = MOD_FM;
	EXPECT_EQ(ModulationIndex(params), 0.16666666666666666);
	EXPECT_NE(ModulationIndex(params), 0.1 / 9000.0 * 15000.0);
}

TEST(ReducePhase, TruncatesTowardZero)
{
	EXPECT_EQ(ReducePhase(0.0), 0.0);
	EXPECT_EQ(ReducePhase(1.0), 1.0);
	EXPECT_EQ(ReducePhase(-1.0), -1.0);
	EXPECT_EQ(ReducePhase(7.0), 7.0 - 6.283185308);
	EXPECT_EQ(ReducePhase(-7.0), -7.0 + 6.283185308);
	EXPECT_EQ(ReducePhase(-20.0), -20.0 - (-3.0) * 6.283185308);
	for (double theta = -300.0; theta < 0.0; theta += 0.37)
	{
		const double reduced = ReducePhase(theta);
		EXPECT_GT(reduced, -TWO_PI) << theta;
		EXPECT_LE(reduced, 0.0) << theta;
	}
}

TEST(SampleCount, FollowsTheStatedOrderAndLimits)
{
	const double inf = std::numeric_limits<double>::infinity();
	const double nan = std::numeric_limits<double>::quiet_NaN();
	struct Case
	{
		double simTime, freqCarrier, freqMod;
		int expected;
	};
	const Case cases[] = {
		{ 0.0002, 200000.0, 10000.0, 1000 },
		{ 0.0001, 100.0, 10000.0, 0 },
		{ 1.0, 200000.0, 10000.0, 3000 },
		{ 0.00012, 1000000.0, 10000.0, 3000 },
		{ 0.00013, 1000000.0, 10000.0, 3000 },
		// 25·T·fp is 208 exactly, the stated order gives 207.99999999999997.
		{ 0.00026, 32000.0, 1000.0, 207 },
		{ 1e6, 1e6, 1.0, 3000 },
		{ 1e300, 1e300, 1.0, 3000 },
		{ inf, 200000.0, 10000.0, 3000 },
		{ nan, 200000.0, 10000.0, 0 },
		{ 0.0002, 200000.0, nan, 0 },
		{ -0.0002, 200000.0, 10000.0, 0 },
		{ 0.0002, -inf, 10000.0, 0 },
	};
	for (const Case& c : cases)
		EXPECT_EQ(SampleCount(Timing(c.simTime, c.freqCarrier, c.freqMod)), c.expected)
			<< "T " << c.simTime << " fp " << c.freqCarrier << " fm " << c.freqMod;
}

TEST(GridEnd, AccumulatesSteps)
{
	EXPECT_EQ(GridEnd(0), 0.0);
	EXPECT_EQ(GridEnd(1), PHASE_STEP);
	EXPECT_EQ(GridEnd(1000), 251.32741231999637);
	EXPECT_NE(GridEnd(1000), 1000 * PHASE_STEP);
	EXPECT_EQ(GridEnd(1000) * 1.01, 253.84068644319635);
}

// A 1 MHz carrier with 3 ms asked for fills the 3000 samples in 0.12 ms; exactly 3000 samples
// asked for are not capped.
TEST(ShownTime, IsWhatTheCappedSamplesCover)
{
	struct Case
	{
		double simTime, freqCarrier, freqMod;
		double shown;
		bool capped;
	};
	const Case cases[] = {
		{ 0.003, 1e6, 1000.0, 0.00012, true },
		{ 0.003, 40000.0, 1000.0, 0.003, false },
		{ 0.0031, 40000.0, 1000.0, 0.003, true },
		{ 0.0002, 200000.0, 10000.0, 0.0002, false },
		{ 0.0001, 100.0, 10000.0, 0.0, false },
	};
	for (const Case& c : cases)
	{
		const ModulationParams params = Timing(c.simTime, c.freqCarrier, c.freqMod);
		EXPECT_NEAR(ShownTime(params), c.shown, c.shown * 1e-12) << c.simTime << " " << c.freqCarrier;
		EXPECT_EQ(IsTimeCapped(params), c.capped) << c.simTime << " " << c.freqCarrier;
	}
}
