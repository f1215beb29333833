// The harmonic table and summary of signals whose lines are known on paper, in either form (and so
// with either duration rule), and the CSV text.
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
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace
{
	const double PI = std::acos(-1.0);
	const double ONDIVAR_STEP = 0.25132741232;

	// Reads the file as the analyser does and analyses the whole band.
	void ReadAndAnalyse(const std::string& path, CSignal& signal)
	{
		SignalForm form;
		CString reason;
		ASSERT_TRUE(ReadSignalFile(path.c_str(), signal, form, reason)) << LPCSTR(reason);
		signal.DoSpettro(DefaultHarmonicCount(signal));
	}

	std::set<UINT> Shown(const CSignal& analysed)
	{
		std::set<UINT> shown;
		for (const HarmonicRow& row : HarmonicRows(analysed, false))
			shown.insert(row.nHarmonic);
		return shown;
	}
}

// A square wave, +1 for the first half of its N samples and -1 for the second, has on N samples
// the odd harmonics 4 / (N sin(πk/N)) at the phase πk/N, and no even ones (from the geometric
// sums of its discrete transform); its mean square, 1, is all in those harmonics.
TEST(HarmonicTable, SquareWaveInTheTextForm)
{
	const UINT n = 100;
	std::string text = "0.02\n";
	for (UINT j = 0; j < n; j++)
		text += std::to_string(j) + (j < n / 2 ? " 1\n" : " -1\n");
	CScratchFolder folder;
	ASSERT_TRUE(WriteFile(folder.Path("quadra.txt"), text));
	CSignal signal;
	ReadAndAnalyse(folder.Path("quadra.txt"), signal);

	const std::vector<HarmonicRow> all = HarmonicRows(signal, true);
	ASSERT_EQ(all.size(), 50u);
	std::set<UINT> odd = {0};
	for (UINT k = 1; k < 50; k += 2)
	{
		odd.insert(k);
		EXPECT_NEAR(all[k].dAmplitude, 4.0 / (n * std::sin(PI * k / n)), 1e-9) << k;
		EXPECT_NEAR(all[k].dPhaseDegrees, 180.0 * k / n, 1e-5) << k;
		EXPECT_NEAR(all[k - 1].dAmplitude, 0.0, 1e-9) << k - 1;
	}
	EXPECT_EQ(Shown(signal), odd) << "every odd harmonic is above 1 % of the first";

	double largestThree = 0.0;
	for (UINT k : {1u, 3u, 5u})
		largestThree += 8.0 / (n * n * std::pow(std::sin(PI * k / n), 2));
	const SignalSummary summary = SummariseSignal(signal);
	EXPECT_EQ(summary.dDuration, 0.02);
	EXPECT_NEAR(summary.dResolution, 50.0, 1e-12);
	EXPECT_NEAR(summary.dLargestFrequency, 50.0, 1e-12);
	EXPECT_NEAR(summary.dDistortion, 1.0 - largestThree, 1e-9);
}

// "A.M." with m = 1.5 as Ondivar saves it: Ap = 1, fp = 1 kHz, fm = 10 Hz, 0.1 s. The envelope
// 1 + m cos θ is cut to 0 beyond θ0 = arccos(-1/m); its Fourier coefficients are
// c0 = (θ0 + m sin θ0) / π, c1 = (2 / π) (sin θ0 + m (θ0 / 2 + sin 2θ0 / 4)) and, for n ≥ 2,
// cn = (2 / π) (sin nθ0 / n + m / 2 (sin (n-1)θ0 / (n-1) + sin (n+1)θ0 / (n+1))). The carrier is c0,
// the lines at fp ± n fm are |cn| / 2; those past fp ± 4 fm are below 1 % of the carrier.
TEST(HarmonicTable, OvermodulatedAmHasItsDistortionLines)
{
	const double m = 1.5;
	const UINT n = 2500;
	CScratchFolder folder;
	const std::string path = folder.Path("am.sig");
	{
		CSignal am;
		am.RedimXY(n);
		am.m_dStepX = ONDIVAR_STEP;
		am.m_dFrequency = 1000.0;
		for (UINT i = 0; i < n; i++)
		{
			const double envelope = 1.0 + m * std::cos(i * ONDIVAR_STEP * 0.01);
			am.m_pX[i] = i * ONDIVAR_STEP;
			am.m_pY[i] = envelope >= 0.0 ? envelope * std::cos(am.m_pX[i]) : 0.0;
		}
		CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
		CArchive ar(&file, CArchive::store);
		am.Serialize(ar);
	}
	CSignal signal;
	ReadAndAnalyse(path, signal);

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

	EXPECT_EQ(Shown(signal), (std::set<UINT>{0, 96, 97, 98, 99, 100, 101, 102, 103, 104}));
	for (const HarmonicRow& row : HarmonicRows(signal, false))
	{
		if (row.nHarmonic == 0)
			continue;
		EXPECT_NEAR(row.dFrequency, 10.0 * row.nHarmonic, 1e-9);
		EXPECT_NEAR(row.dAmplitude, line(std::abs(int(row.nHarmonic) - 100)), 5e-5) << row.nHarmonic;
	}
	EXPECT_NEAR(SummariseSignal(signal).dDuration, 0.1, 1e-15);
	EXPECT_NEAR(SummariseSignal(signal).dLargestFrequency, 1000.0, 1e-9);
}

// A mean of -2 is the largest component, so 1 % of it is 0.02; the phases DoSpettro gives a
// cosine, a negative sine and a negative cosine read whole degrees.
TEST(HarmonicTable, TheMeanCountsByItsSizeAndPhasesReadWholeDegrees)
{
	CSignal s;
	s.m_dStepX = 1.0;
	s.m_dPeriod = 0.5;
	s.RedimArmoniche(5);
	const double amplitudes[] = {-2.0, 0.0201, 0.0, 0.0199, 1.0};
	const double phases[] = {0.0, 1.570796327, 0.0, 3.141592654, -1.570796327};
	std::memcpy(s.m_pHarmAmp, amplitudes, sizeof(amplitudes));
	std::memcpy(s.m_pHarmPhase, phases, sizeof(phases));
	EXPECT_EQ(Shown(s), (std::set<UINT>{0, 1, 4}));
	const std::vector<HarmonicRow> all = HarmonicRows(s, true);
	EXPECT_EQ(all[1].dPhaseDegrees, 90.0);
	EXPECT_EQ(all[3].dPhaseDegrees, 180.0);
	EXPECT_EQ(all[4].dPhaseDegrees, -90.0);
	EXPECT_EQ(SummariseSignal(s).nLargest, 0u);
}

TEST(HarmonicTable, CsvReadsBackExactlyWithPointDecimals)
{
	// The user's locale may write decimal commas; the table never does.
	CScopedLocale italian("it_IT.UTF-8");
	const CString csv = HarmonicTableCsv({{0, 0.0, -0.5, 0.0}, {1, 50.0, 0.1, -90.0},
		{3, 150.00000000000003, 1.0 / 3.0, 179.99999999999997}, {12, 600.0, 2.5e-7, -0.0}});
	EXPECT_STREQ(LPCSTR(csv),
		"armonica,frequenza_hz,ampiezza,fase_gradi\n"
		"0,0,-0.5,0\n"
		"1,50,0.10000000000000001,-90\n"
		"3,150.00000000000003,0.33333333333333331,179.99999999999997\n"
		"12,600,2.4999999999999999e-07,-0\n");
}
