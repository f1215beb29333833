// The harmonic table of signals whose lines are known on paper, the duration of both forms, the
// summary and the CSV text.
#include "analyser/model/HarmonicTable.h"

#include "analyser/model/SignalReader.h"
#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "sigkit/signal/Signal.h"
#include "tests/support/Environment.h"
#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

namespace
{
	const double PI = std::acos(-1.0);
	const double ONDIVAR_STEP = 0.25132741232;

	// Reads the file as the analyser does and analyses the whole band.
	void ReadAndAnalyse(const std::string& path, SignalForm expectedForm, CSignal& signal)
	{
		SignalForm form;
		CString reason;
		ASSERT_TRUE(ReadSignalFile(path.c_str(), signal, form, reason)) << LPCSTR(reason);
		EXPECT_EQ(form, expectedForm);
		signal.DoSpettro(DefaultHarmonicCount(signal));
	}
}

TEST(HarmonicTable, DurationFollowsTheForm)
{
	struct Case
	{
		const char* what;
		double dStepX;
		UINT nPoints;
		double dFrequency;
		double dPeriod;
		double duration;
	};
	const Case cases[] = {
		// 25 samples a carrier period: 3000 samples of a 1 kHz carrier last 0.12 s.
		{"3000 carrier phases at 1 kHz", ONDIVAR_STEP, 3000, 1000.0, 0.1234, 0.12},
		{"2500 carrier phases at 20 kHz", ONDIVAR_STEP, 2500, 20000.0, 0.005, 0.005},
		{"text, its period", 1.0, 100, 50.0, 0.02, 0.02},
		{"text whose period is not one over its frequency", 1.0, 7, 9.0, 3.0, 3.0},
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(c.what);
		CSignal s;
		s.RedimXY(c.nPoints);
		s.m_dStepX = c.dStepX;
		s.m_dFrequency = c.dFrequency;
		s.m_dPeriod = c.dPeriod;
		EXPECT_NEAR(SignalDuration(s), c.duration, c.duration * 1e-15);
	}

	for (UINT n : {3000u, 7u, 1u})
	{
		CSignal s;
		s.RedimXY(n);
		EXPECT_EQ(DefaultHarmonicCount(s), n == 1 ? 1u : n / 2) << n;
	}
}

// A square wave, +1 for the first half of its N samples and -1 for the second, has on N samples
// the odd harmonics 4 / (N sin(πk/N)) at the phase πk/N, and no even ones (worked out from the
// geometric sums of its discrete transform).
TEST(HarmonicTable, SquareWaveInTheTextForm)
{
	const UINT n = 100;
	std::string text = "0.02\n";
	for (UINT j = 0; j < n; j++)
		text += std::to_string(j) + (j < n / 2 ? " 1\n" : " -1\n");
	CScratchFolder folder;
	ASSERT_TRUE(WriteFile(folder.Path("quadra.txt"), text));
	CSignal signal;
	ReadAndAnalyse(folder.Path("quadra.txt"), SignalForm::Text, signal);

	const std::vector<HarmonicRow> all = HarmonicRows(signal, true);
	ASSERT_EQ(all.size(), 50u);
	for (UINT k = 0; k < 50; k++)
	{
		SCOPED_TRACE(k);
		EXPECT_EQ(all[k].nHarmonic, k);
		EXPECT_NEAR(all[k].dFrequency, 50.0 * k, 1e-9);
		const double expected = k % 2 == 1 ? 4.0 / (n * std::sin(PI * k / n)) : 0.0;
		EXPECT_NEAR(all[k].dAmplitude, expected, 1e-9);
		if (k % 2 == 1)
		{
			EXPECT_NEAR(all[k].dPhaseDegrees, 180.0 * k / n, 1e-5);
		}
	}
	EXPECT_EQ(all[0].dPhaseDegrees, 0.0);

	// Every odd harmonic is above 1 % of the first; the even ones are rounding noise.
	const std::vector<HarmonicRow> shown = HarmonicRows(signal, false);
	ASSERT_EQ(shown.size(), 26u);
	EXPECT_EQ(shown[0].nHarmonic, 0u);
	for (UINT i = 1; i < shown.size(); i++)
		EXPECT_EQ(shown[i].nHarmonic, 2 * i - 1);

	// The samples' mean square is 1, all of it in the 49 rows past the mean.
	double largestThree = 0.0;
	for (UINT k : {1u, 3u, 5u})
		largestThree += 8.0 / (n * n * std::pow(std::sin(PI * k / n), 2));
	const SignalSummary summary = SummariseSignal(signal);
	EXPECT_EQ(summary.nSamples, n);
	EXPECT_EQ(summary.dDuration, 0.02);
	EXPECT_NEAR(summary.dResolution, 50.0, 1e-12);
	EXPECT_EQ(summary.nLargest, 1u);
	EXPECT_NEAR(summary.dLargestAmplitude, 4.0 / (n * std::sin(PI / n)), 1e-9);
	EXPECT_NEAR(summary.dLargestFrequency, 50.0, 1e-12);
	EXPECT_NEAR(summary.dDistortion, 1.0 - largestThree, 1e-9);
}

// "A.M." with m = 1.5 as Ondivar saves it: Ap = 1, fp = 1 kHz, fm = 10 Hz, 0.1 s. The envelope
// 1 + m cos θ is cut to 0 where it would be negative, beyond θ0 = arccos(-1/m); its Fourier
// coefficients are c0 = (θ0 + m sin θ0) / π, c1 = 2 / π (sin θ0 + m (θ0 / 2 + sin 2θ0 / 4)) and, for
// n ≥ 2, cn = 2 / π (sin nθ0 / n + m / 2 (sin (n-1)θ0 / (n-1) + sin (n+1)θ0 / (n+1))). The carrier
// is c0 and the lines at fp ± n fm are |cn| / 2.
TEST(HarmonicTable, OvermodulatedAmHasItsDistortionLines)
{
	const double m = 1.5;
	const UINT n = 2500;
	CScratchFolder folder;
	const std::string path = folder.Path("am.sig");
	double meanSquare = 0.0;
	{
		CSignal am;
		am.RedimXY(n);
		am.m_nType = 3;
		am.m_dStepX = ONDIVAR_STEP;
		am.m_dAmplitude = 1.0;
		am.m_dFrequency = 1000.0;
		am.m_dPeriod = 0.1;
		for (UINT i = 0; i < n; i++)
		{
			const double x = i * ONDIVAR_STEP;
			const double envelope = 1.0 + m * std::cos(x * 0.01);
			am.m_pX[i] = x;
			am.m_pY[i] = envelope >= 0.0 ? envelope * std::cos(x) : 0.0;
			meanSquare += am.m_pY[i] * am.m_pY[i] / n;
		}
		CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
		CArchive ar(&file, CArchive::store);
		am.Serialize(ar);
	}
	CSignal signal;
	ReadAndAnalyse(path, SignalForm::Binary, signal);

	const double theta0 = std::acos(-1.0 / m);
	auto line = [&](int order)
	{
		if (order == 0)
			return (theta0 + m * std::sin(theta0)) / PI;
		if (order == 1)
			return (std::sin(theta0) + m * (theta0 / 2 + std::sin(2 * theta0) / 4)) / PI;
		return std::fabs(std::sin(order * theta0) / order
			+ m / 2 * (std::sin((order - 1) * theta0) / (order - 1) + std::sin((order + 1) * theta0) / (order + 1))) / PI;
	};

	// Lines beyond fp ± 4 fm are below 1 % of the carrier.
	const std::vector<HarmonicRow> rows = HarmonicRows(signal, false);
	std::set<UINT> shown;
	for (const HarmonicRow& row : rows)
		shown.insert(row.nHarmonic);
	EXPECT_EQ(shown, (std::set<UINT>{0, 96, 97, 98, 99, 100, 101, 102, 103, 104}));
	ASSERT_EQ(rows.size(), 10u);
	for (UINT i = 1; i < rows.size(); i++)
	{
		const int order = std::abs(int(rows[i].nHarmonic) - 100);
		SCOPED_TRACE(rows[i].nHarmonic);
		EXPECT_NEAR(rows[i].dFrequency, 10.0 * rows[i].nHarmonic, 1e-9);
		EXPECT_NEAR(rows[i].dAmplitude, line(order), 5e-5);
	}

	// The carrier and the two side lines hold all but the distortion's power.
	const double largestThree = line(0) * line(0) / 2 + 2 * line(1) * line(1) / 2;
	const SignalSummary summary = SummariseSignal(signal);
	EXPECT_EQ(summary.nSamples, n);
	EXPECT_NEAR(summary.dDuration, 0.1, 1e-15);
	EXPECT_EQ(summary.nLargest, 100u);
	EXPECT_NEAR(summary.dLargestFrequency, 1000.0, 1e-9);
	EXPECT_NEAR(summary.dLargestAmplitude, line(0), 5e-5);
	EXPECT_NEAR(summary.dDistortion, 1.0 - largestThree / meanSquare, 5e-5);
	EXPECT_GT(summary.dDistortion, 0.006);
}

TEST(HarmonicTable, SignificanceCountsTheMeanBySizeAndShowsItAlways)
{
	// A mean of -2 is the largest component: 1 % of it is 0.02.
	CSignal s;
	s.m_dStepX = 1.0;
	s.m_dPeriod = 0.5;
	s.RedimArmoniche(5);
	const double amplitudes[] = {-2.0, 0.0201, 0.0, 0.0199, 1.0};
	// The phases DoSpettro gives a cosine, a negative sine and a negative cosine.
	const double phases[] = {0.0, 1.570796327, 0.0, 3.141592654, -1.570796327};
	for (UINT k = 0; k < 5; k++)
	{
		s.m_pHarmAmp[k] = amplitudes[k];
		s.m_pHarmPhase[k] = phases[k];
	}
	std::vector<UINT> shown;
	std::vector<double> degrees;
	for (const HarmonicRow& row : HarmonicRows(s, false))
	{
		shown.push_back(row.nHarmonic);
		degrees.push_back(row.dPhaseDegrees);
	}
	EXPECT_EQ(shown, (std::vector<UINT>{0, 1, 4}));
	EXPECT_EQ(degrees, (std::vector<double>{0.0, 90.0, -90.0})) << "whole degrees, exactly";
	EXPECT_EQ(HarmonicRows(s, true)[3].dPhaseDegrees, 180.0);
	EXPECT_EQ(HarmonicRows(s, true).size(), 5u);
	EXPECT_EQ(SummariseSignal(s).nLargest, 0u);
	EXPECT_EQ(SummariseSignal(s).dLargestFrequency, 0.0);

	// Nothing at all: the mean alone, no distortion.
	for (UINT k = 0; k < 5; k++)
		s.m_pHarmAmp[k] = 0.0;
	EXPECT_EQ(HarmonicRows(s, false).size(), 1u);
	EXPECT_EQ(SummariseSignal(s).dDistortion, 0.0);
}

TEST(HarmonicTable, CsvReadsBackExactlyWithPointDecimals)
{
	// The user's locale writes decimal commas; the table never does.
	CScopedLocale italian("it_IT.UTF-8");
	const std::vector<HarmonicRow> rows = {
		{0, 0.0, -0.5, 0.0},
		{1, 50.0, 0.1, -90.0},
		{3, 150.00000000000003, 1.0 / 3.0, 179.99999999999997},
		{12, 600.0, 2.5e-7, -0.0},
	};
	const CString csv = HarmonicTableCsv(rows);
	EXPECT_STREQ(LPCSTR(csv),
		"armonica,frequenza_hz,ampiezza,fase_gradi\n"
		"0,0,-0.5,0\n"
		"1,50,0.10000000000000001,-90\n"
		"3,150.00000000000003,0.33333333333333331,179.99999999999997\n"
		"12,600,2.4999999999999999e-07,-0\n");
	EXPECT_STREQ(LPCSTR(HarmonicTableCsv({})), "armonica,frequenza_hz,ampiezza,fase_gradi\n");
}
