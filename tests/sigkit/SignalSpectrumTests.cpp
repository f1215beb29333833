// CSignal::DoSpettro: mean, amplitudes and sine-referred phases of the harmonics.
#include "sigkit/signal/Signal.h"

#include <gtest/gtest.h>

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
