// CSignal::DoSpettro: mean, amplitudes and sine-referred phases of the harmonics.
#include "sigkit/signal/Signal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace
{
	const double PI = std::acos(-1.0);

	void Sample(CSignal& s, UINT n, const std::function<double(double)>& f)
	{
		s.RedimXY(n);
		for (UINT j = 0; j < n; j++)
		{
			s.m_pX[j] = j;
			s.m_pY[j] = f(2.0 * PI * j / n);
		}
	}
}

TEST(SignalSpectrum, NoHarmonicsRequestedLeavesTheRecordAlone)
{
	CSignal s;
	Sample(s, 10, [](double) { return 1.0; });
	s.m_dMaxHarmonic = 3.0;
	s.DoSpettro(0);
	EXPECT_EQ(s.m_nHarmonics, 0u);
	EXPECT_EQ(s.m_pHarmAmp, nullptr);
	EXPECT_EQ(s.m_dMaxHarmonic, 3.0);
}

TEST(SignalSpectrum, OneEntryIsTheMeanEvenWhenNegative)
{
	CSignal s;
	Sample(s, 4, [](double t) { return -2.0 + std::cos(t); });
	s.DoSpettro(1);
	ASSERT_EQ(s.m_nHarmonics, 1u);
	EXPECT_NEAR(s.m_pHarmAmp[0], -2.0, 1e-12);
	EXPECT_EQ(s.m_pHarmPhase[0], 0.0);
	EXPECT_NEAR(s.m_dMaxHarmonic, -2.0, 1e-12);
}

TEST(SignalSpectrum, SineHasPhaseZeroAndCosinePhaseHalfPi)
{
	CSignal sine;
	Sample(sine, 100, [](double t) { return 3.0 * std::sin(t); });
	sine.DoSpettro(4);
	EXPECT_NEAR(sine.m_pHarmAmp[0], 0.0, 1e-9);
	EXPECT_NEAR(sine.m_pHarmAmp[1], 3.0, 1e-8);
	EXPECT_NEAR(sine.m_pHarmPhase[1], 0.0, 1e-8);
	EXPECT_NEAR(sine.m_pHarmAmp[2], 0.0, 1e-8);
	EXPECT_NEAR(sine.m_pHarmAmp[3], 0.0, 1e-8);
	EXPECT_NEAR(sine.m_dMaxHarmonic, 3.0, 1e-8);

	CSignal cosine;
	Sample(cosine, 100, [](double t) { return 2.0 * std::cos(2.0 * t); });
	cosine.DoSpettro(3);
	EXPECT_NEAR(cosine.m_pHarmAmp[2], 2.0, 1e-8);
	EXPECT_NEAR(cosine.m_pHarmPhase[2], 1.570796327, 1e-7);
}

TEST(SignalSpectrum, PhasesCoverEveryQuadrant)
{
	// amplitude·sin(t + phase) for phases across [−π/2, 3π/2).
	for (double phase : {-1.2, -0.3, 0.7, 2.0, 3.1, 4.4})
	{
		CSignal s;
		Sample(s, 64, [phase](double t) { return 1.5 * std::sin(t + phase); });
		s.DoSpettro(2);
		EXPECT_NEAR(s.m_pHarmAmp[1], 1.5, 1e-8) << phase;
		EXPECT_NEAR(s.m_pHarmPhase[1], phase, 1e-8) << phase;
	}

	CSignal negativeSine;
	Sample(negativeSine, 64, [](double t) { return -std::sin(t); });
	negativeSine.DoSpettro(2);
	EXPECT_NEAR(negativeSine.m_pHarmPhase[1], 3.141592654, 1e-8);
}

TEST(SignalSpectrum, ConstantSignalHasOnlyItsMean)
{
	CSignal s;
	Sample(s, 50, [](double) { return 5.0; });
	s.DoSpettro(6);
	EXPECT_NEAR(s.m_pHarmAmp[0], 5.0, 1e-12);
	for (int k = 1; k < 6; k++)
		EXPECT_NEAR(s.m_pHarmAmp[k], 0.0, 1e-8) << k;
	EXPECT_NEAR(s.m_dMaxHarmonic, 5.0, 1e-12);
}

TEST(SignalSpectrum, HarmonicsAboveHalfTheSamplesAlias)
{
	CSignal s;
	Sample(s, 8, [](double t) { return std::cos(t); });
	s.DoSpettro(8);
	EXPECT_NEAR(s.m_pHarmAmp[1], 1.0, 1e-8);
	EXPECT_NEAR(s.m_pHarmAmp[7], 1.0, 1e-8) << "harmonic 7 of 8 samples is harmonic 1 again";
}

TEST(SignalSpectrum, RecordWithoutSamplesGetsZeroHarmonicsNotNaN)
{
	CSignal s;
	s.DoSpettro(5);
	ASSERT_EQ(s.m_nHarmonics, 5u);
	for (int k = 0; k < 5; k++)
	{
		EXPECT_EQ(s.m_pHarmAmp[k], 0.0) << k;
		EXPECT_EQ(s.m_pHarmPhase[k], 0.0) << k;
	}
	EXPECT_EQ(s.m_dMaxHarmonic, 0.0);
}

// The plain definition with the Part's 2π, one sine and one cosine a term, against DoSpettro on
// signals with every harmonic present: noise, plus lines; scaled up to check large values too.
TEST(SignalSpectrum, AgreesWithTheDirectSumsToTwelveDigits)
{
	const struct
	{
		UINT n;
		UINT harmonics;
		double scale;
	} cases[] = {{1, 3, 1.0}, {2, 5, 1.0}, {7, 12, 1.0}, {100, 50, 1.0}, {100, 130, 1e6}, {1000, 1001, 1.0},
		{2999, 1600, 1.0}};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(testing::Message() << c.n << " samples, " << c.harmonics << " harmonics");
		CSignal s;
		s.RedimXY(c.n);
		unsigned seed = 12345;
		for (UINT j = 0; j < c.n; j++)
		{
			seed = seed * 1103515245u + 12345u;
			const double noise = double(seed >> 8) / double(1u << 24) - 0.5;
			const double t = 2.0 * PI * j / c.n;
			s.m_pY[j] = c.scale * (noise + 0.7 * std::cos(3 * t + 0.4) - 1.3 * std::sin(41 * t) + 0.2);
		}
		s.DoSpettro(c.harmonics);

		const double step = 6.283185308 / c.n;
		for (UINT k = 1; k < c.harmonics; k++)
		{
			double a = 0.0, b = 0.0;
			for (UINT j = 0; j < c.n; j++)
			{
				b += std::sin(double(j) * k * step) * s.m_pY[j];
				a += std::cos(double(j) * k * step) * s.m_pY[j];
			}
			a = 2.0 * a / c.n;
			b = 2.0 * b / c.n;
			const double amplitude = std::sqrt(a * a + b * b);
			ASSERT_NEAR(s.m_pHarmAmp[k], amplitude, 1e-12 * std::max(1.0, amplitude)) << k;
			// Where the amplitude is rounding noise, so is the phase.
			if (amplitude > 1e-3 * c.scale)
			{
				const double phase = b == 0.0 ? (a > 0.0 ? 1.570796327 : -1.570796327)
					: std::atan(a / b) + (b < 0.0 ? 3.141592654 : 0.0);
				ASSERT_NEAR(s.m_pHarmPhase[k], phase, 1e-12 * c.scale / amplitude) << k;
			}
		}
	}
}
