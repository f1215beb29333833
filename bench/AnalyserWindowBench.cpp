// Benchmark of the Fourier analyser's window: from reading a file of 3000 samples (an
// over-modulated A.M. signal as Ondivar saves it) to the window painted, the analysis taken over
// the whole band (H = 1500) and shown as bars, table and summary.
#include "analyser/FourierDlg.h"
#include "analyser/resources/AnalyserResourceIds.h"
#include "bench/WindowTiming.h"
#include "framework/core/Archive.h"
#include "framework/core/File.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

namespace
{
	constexpr UINT SAMPLES = 3000;
	constexpr double STEP = 0.25132741232;
	constexpr double CARRIER = 200000.0;
	constexpr double MODULATING = 10000.0;
	constexpr double INDEX = 1.5;

	// Ondivar's "A.M." over the longest run: the envelope 1 + m cos(ωm t) blanked where negative.
	std::string WriteOverModulatedFile()
	{
		CSignal signal;
		signal.RedimXY(SAMPLES);
		signal.m_nType = 3;
		signal.m_dStepX = STEP;
		signal.m_dAmplitude = 1.0 + INDEX;
		signal.m_dFrequency = CARRIER;
		signal.m_dPeriod = 0.0007;
		double x = 0.0;
		for (UINT j = 0; j < SAMPLES; j++, x += STEP)
		{
			const double dEnvelope = 1.0 + INDEX * std::cos(x * MODULATING / CARRIER);
			signal.m_pX[j] = x;
			signal.m_pY[j] = dEnvelope < 0.0 ? 0.0 : dEnvelope * std::cos(x);
		}
		const std::string strPath = (std::filesystem::temp_directory_path() / "analyser-bench.sig").string();
		CFile file;
		file.Open(strPath.c_str(), CFile::modeCreate | CFile::modeWrite);
		CArchive ar(&file, CArchive::store);
		signal.Serialize(ar);
		ar.Close();
		file.Close();
		return strPath;
	}
}

static void BM_AnalyserWindow_OpenAndPaint(benchmark::State& state)
{
	const std::string strPath = WriteOverModulatedFile();
	CFourierDlg dlg;
	dlg.Create(IDD_FOURIER);
	dlg.ShowWindow(SW_SHOW);
	dlg.ShowAllHarmonics(state.range(0) != 0);
	PaintAll(dlg);
	for (auto _ : state)
	{
		dlg.OpenSignalFile(strPath.c_str());
		PaintAll(dlg);
	}
	state.counters["samples"] = dlg.m_summary.nSamples;
	state.counters["harmonics"] = dlg.m_nHarmonics;
	state.counters["rows"] = static_cast<double>(dlg.m_rows.size());
	dlg.DestroyWindow();
	std::remove(strPath.c_str());
}
// 0: the significant rows, as the window opens; 1: every row ("Tutte le armoniche").
BENCHMARK(BM_AnalyserWindow_OpenAndPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
