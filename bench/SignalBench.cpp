// Benchmarks of CSignal: harmonic analysis and the .sig file written and read back.
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

	void FillModulated(CSignal& s)
	{
		s.RedimXY(SAMPLES);
		double x = 0.0;
		for (UINT i = 0; i < SAMPLES; i++)
		{
			s.m_pX[i] = x;
			s.m_pY[i] = (1.0 + 0.5 * std::cos(x / 20.0)) * std::cos(x);
			x += 0.25132741232;
		}
	}

	std::string TempPath()
	{
		return std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/ondivar-bench.sig";
	}
}

static void BM_DoSpettro_N3000_H100(benchmark::State& state)
{
	CSignal s;
	FillModulated(s);
	for (auto _ : state)
	{
		s.DoSpettro(100);
		benchmark::DoNotOptimize(s.m_dMaxHarmonic);
	}
}
BENCHMARK(BM_DoSpettro_N3000_H100)->Unit(benchmark::kMillisecond);

// The whole band of a 3000-sample file, as the Fourier analyser asks for it.
static void BM_DoSpettro_N3000_H1500(benchmark::State& state)
{
	CSignal s;
	FillModulated(s);
	for (auto _ : state)
	{
		s.DoSpettro(SAMPLES / 2);
		benchmark::DoNotOptimize(s.m_dMaxHarmonic);
	}
}
BENCHMARK(BM_DoSpettro_N3000_H1500)->Unit(benchmark::kMillisecond);

static void BM_SigFile_Write3000(benchmark::State& state)
{
	CSignal s;
	FillModulated(s);
	const std::string path = TempPath();
	for (auto _ : state)
	{
		CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
		CArchive ar(&file, CArchive::store, 4096);
		s.Serialize(ar);
		ar.Close();
		file.Close();
	}
	std::remove(path.c_str());
}
BENCHMARK(BM_SigFile_Write3000)->Unit(benchmark::kMicrosecond);

static void BM_SigFile_Read3000(benchmark::State& state)
{
	const std::string path = TempPath();
	{
		CSignal s;
		FillModulated(s);
		CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
		CArchive ar(&file, CArchive::store, 4096);
		s.Serialize(ar);
		ar.Close();
	}
	CSignal loaded;
	for (auto _ : state)
	{
		CFile file(path.c_str(), CFile::modeRead);
		CArchive ar(&file, CArchive::load, 4096);
		loaded.Serialize(ar);
		benchmark::DoNotOptimize(loaded.m_pY[SAMPLES - 1]);
	}
	std::remove(path.c_str());
}
BENCHMARK(BM_SigFile_Read3000)->Unit(benchmark::kMicrosecond);
