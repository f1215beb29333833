// Benchmarks of the Fourier analyser's model: a 3000-sample file opened and analysed over the whole
// band, as the analyser does before it paints (its window is measured apart).
#include "analyser/model/HarmonicTable.h"
#include "analyser/model/SignalReader.h"
#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "sigkit/signal/Signal.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
	constexpr UINT SAMPLES = 3000;

	// What Ondivar saves after an "A.M." run with m = 1.5: the envelope cut where it would be negative.
	void FillOvermodulated(CSignal& s)
	{
		s.RedimXY(SAMPLES);
		s.m_nType = 3;
		s.m_dStepX = 0.25132741232;
		s.m_dAmplitude = 1.0;
		s.m_dFrequency = 1000.0;
		s.m_dPeriod = 0.12;
		for (UINT i = 0; i < SAMPLES; i++)
		{
			const double x = i * s.m_dStepX;
			const double envelope = 1.0 + 1.5 * std::cos(x / 10.0);
			s.m_pX[i] = x;
			s.m_pY[i] = envelope >= 0.0 ? envelope * std::cos(x) : 0.0;
		}
	}

	std::string WriteSample(bool bText)
	{
		const std::string path = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp")
			+ (bText ? "/ondivar-bench-analyser.txt" : "/ondivar-bench-analyser.sig");
		CSignal s;
		FillOvermodulated(s);
		CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
		CArchive ar(&file, CArchive::store);
		if (bText)
			s.SerializeTXT(ar);
		else
			s.Serialize(ar);
		ar.Close();
		return path;
	}

	void OpenAndAnalyse(benchmark::State& state, bool bText)
	{
		const std::string path = WriteSample(bText);
		CSignal signal;
		for (auto _ : state)
		{
			SignalForm form;
			CString reason;
			if (!ReadSignalFile(path.c_str(), signal, form, reason))
				state.SkipWithError(reason);
			signal.DoSpettro(DefaultHarmonicCount(signal));
			const std::vector<HarmonicRow> rows = HarmonicRows(signal, false);
			const SignalSummary summary = SummariseSignal(signal);
			benchmark::DoNotOptimize(rows.data());
			benchmark::DoNotOptimize(summary.dDistortion);
		}
		std::remove(path.c_str());
	}
}

static void BM_Analyser_OpenSig_N3000_H1500(benchmark::State& state)
{
	OpenAndAnalyse(state, false);
}
BENCHMARK(BM_Analyser_OpenSig_N3000_H1500)->Unit(benchmark::kMillisecond);

static void BM_Analyser_OpenText_N3000_H1500(benchmark::State& state)
{
	OpenAndAnalyse(state, true);
}
BENCHMARK(BM_Analyser_OpenText_N3000_H1500)->Unit(benchmark::kMillisecond);
