// Bessel coefficients and the line lists of both modulation families.
#include "engine/Bessel.h"
#include "engine/SpectralLines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
	ModulationParams Lines(int32_t kind, double m, double ap, double fm = 10000.0, double fp = 200000.0)
	{
		ModulationParams params;
		params.kind = kind;
		params.modIndex = m;
		params.ampCarrier = ap;
		params.freqMod = fm;
		params.freqCarrier = fp;
		return params;
	}
}

TEST(BesselSeries, KeepsItsTruncationAtSmallIndex)
{
	// Exact values are 0.7651976866, 0.4400505857, 0.1149034849 and 0.0195633540: the series
	// stops at its first term below 1e-6 and shows it in the 7th decimal.
	EXPECT_NEAR(BesselSeries(0, 1.0), 0.7651977539, 5e-11);
	EXPECT_NEAR(BesselSeries(1, 1.0), 0.4400499132, 5e-11);
	EXPECT_NEAR(BesselSeries(2, 1.0), 0.1149034288, 5e-11);
	EXPECT_NEAR(BesselSeries(3, 1.0), 0.0195638021, 5e-11);
	EXPECT_EQ(BesselSeries(0, 0.0), 1.0);
	EXPECT_EQ(BesselSeries(2, 0.0), 0.0);
}

TEST(BesselCoefficient, IsTheSeriesWhileItHoldsAndAccurateBeyond)
{
	for (double m : { 0.1, 1.0, 2.405, 5.0, 12.0, 20.0, 25.0 })
		for (int n = 0; n < 40; ++n)
			ASSERT_EQ(BesselCoefficient(n, m), BesselSeries(n, m)) << "n " << n << " m " << m;

	struct Reference
	{
		int n;
		double m, value;
	};
	for (const Reference& r : { Reference{ 0, 40.0, 0.0073668906 }, Reference{ 0, 60.0, -0.0914718041 },
			 Reference{ 1, 60.0, 0.0465983838 }, Reference{ 60, 60.0, 0.1142520822 } })
		EXPECT_NEAR(BesselCoefficient(r.n, r.m), r.value, 5e-10) << "n " << r.n << " m " << r.m;
	// The series alone is lost there.
	EXPECT_GT(std::fabs(BesselSeries(0, 60.0)), 1e6);
}

TEST(AngleSpectralLines, OrderCountGrowsWithTheIndex)
{
	EXPECT_EQ(AngleOrderCount(60.0), 72);
	EXPECT_EQ(AngleOrderCount(1.0), 8);
	EXPECT_EQ(AngleOrderCount(0.0), 5);
	EXPECT_EQ(AngleOrderCount(std::nan("")), 0);
	EXPECT_EQ(AngleOrderCount(-3.0), 0);
}

TEST(AngleSpectralLines, IndexTable)
{
	struct Case
	{
		double m;
		int orders;
		std::vector<double> coefficients;
	};
	const Case cases[] = {
		{ 0.1, 6, { 0.9975, 0.0499 } },
		{ 0.5, 7, { 0.9385, 0.2423, 0.0306 } },
		{ 1.0, 8, { 0.7652, 0.4400, 0.1149, 0.0196 } },
		{ 2.405, 10, { 0.0, 0.5191, 0.4318, 0.1990, 0.0648, 0.0164 } },
		{ 5.0, 13, { -0.1776, -0.3276, 0.0466, 0.3648, 0.3912, 0.2611, 0.1310, 0.0534, 0.0184 } },
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(c.m);
		EXPECT_EQ(AngleOrderCount(c.m), c.orders);
		const std::vector<double> coefficients = AngleCoefficients(c.m);
		ASSERT_EQ(coefficients.size(), c.coefficients.size());
		for (size_t n = 0; n < coefficients.size(); ++n)
			EXPECT_NEAR(coefficients[n], c.coefficients[n], 5e-5) << n;
	}
	EXPECT_EQ(AngleCoefficients(2.405)[0], 0.0);
}

TEST(AngleSpectralLines, AmplitudesAndPhases)
{
	const std::vector<AngleLine> lines = AngleSpectralLines(Lines(MOD_FM, 5.0, 2.0));
	ASSERT_EQ(lines.size(), 9u);
	struct Expected
	{
		double amplitude, upper, lower;
	};
	const Expected expected[] = {
		{ 0.35519, 180.0, 180.0 }, { 0.65516, 180.0, 0.0 }, { 0.09313, 0.0, 0.0 }, { 0.72966, 0.0, 180.0 },
	};
	for (int n = 0; n < 4; ++n)
	{
		EXPECT_NEAR(lines[n].amplitude, expected[n].amplitude, 2e-5) << n;
		EXPECT_EQ(UpperLinePhase(lines[n]), expected[n].upper) << n;
		EXPECT_EQ(LowerLinePhase(n, lines[n]), expected[n].lower) << n;
	}

	const std::vector<AngleLine> zeroed = AngleSpectralLines(Lines(MOD_PM, 2.405, 1.0));
	ASSERT_EQ(zeroed.size(), 6u);
	EXPECT_EQ(zeroed[0].amplitude, 0.0);
	EXPECT_EQ(UpperLinePhase(zeroed[0]), 0.0);
}

TEST(AngleSpectralLines, SmallAndZeroIndexKeepOnlyTheCarrier)
{
	for (double m : { 0.0075, 0.0 })
	{
		const std::vector<AngleLine> lines = AngleSpectralLines(Lines(MOD_FM, m, 3.0));
		ASSERT_EQ(lines.size(), 1u) << m;
		EXPECT_NEAR(lines[0].amplitude, 3.0, 1e-4) << m;
		EXPECT_FALSE(lines[0].negative) << m;
	}
}

TEST(AngleSpectralLines, LargeIndexConservesPower)
{
	// J0² + 2 Σ Jn² = 1; the lines dropped below 0.01 take away less than 72 × 2e-4.
	const std::vector<double> c = AngleCoefficients(60.0);
	ASSERT_GT(c.size(), 55u);
	ASSERT_LE(c.size(), 72u);
	double power = c[0] * c[0];
	for (size_t n = 1; n < c.size(); ++n)
	{
		ASSERT_LT(std::fabs(c[n]), 0.2) << n;
		power += 2.0 * c[n] * c[n];
	}
	EXPECT_NEAR(power, 1.0, 0.015);
}

TEST(AmplitudeSideLines, EveryVariant)
{
	struct Case
	{
		int32_t kind;
		bool carrier;
		std::vector<double> lines;
	};
	const Case cases[] = {
		{ MOD_AM, true, { 190000.0, 0.25, 210000.0, 0.25 } },
		{ MOD_DSB_SC, false, { 190000.0, 0.25, 210000.0, 0.25 } },
		{ MOD_SSB_USB, false, { 210000.0, 0.25 } },
		{ MOD_SSB_LSB, false, { 190000.0, 0.25 } },
		{ MOD_VSB, true, { 210000.0, 0.25 } },
	};
	for (const Case& c : cases)
	{
		EXPECT_EQ(AmplitudeSideLines(Lines(c.kind, 0.5, 1.0)), c.lines) << c.kind;
		EXPECT_EQ(HasCarrierLine(c.kind), c.carrier) << c.kind;
	}
	EXPECT_EQ(AmplitudeSideLines(Lines(MOD_SSB_LSB, 0.8, 1.5, 30000.0, 10000.0)),
		(std::vector<double>{ -20000.0, 1.5 * 0.8 * 0.5 }));
	EXPECT_FALSE(HasCarrierLine(MOD_FM));
}
