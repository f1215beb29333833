// Costs of a full synthesis run per modulation kind and of the angle-family line list.
#include "engine/SpectralLines.h"
#include "engine/Synthesis.h"
#include "sigkit/signal/Signal.h"

#include <benchmark/benchmark.h>

namespace
{
	// A simulation long enough to reach the sample cap of 3000.
	void SynthesisRun(benchmark::State& state)
	{
		ModulationParams params;
		params.ampMod = 0.5;
		params.freqMod = 10000.0;
		params.ampCarrier = 1.0;
		params.simTime = 0.001;
		params.freqCarrier = 200000.0;
		params.kind = static_cast<int32_t>(state.range(0));
		params.modIndex = ModulationIndex(params);
		CSignal vm;
		CSignal vp;
		CSignal vmto;
		for (auto _ : state)
		{
			const SynthesisScales scales = RunSynthesis(params, vm, vp, vmto);
			benchmark::DoNotOptimize(scales);
			benchmark::DoNotOptimize(vmto.m_pY[vmto.m_nPoints - 1]);
		}
		state.SetItemsProcessed(state.iterations() * vmto.m_nPoints);
	}

	void AngleLineList(benchmark::State& state)
	{
		ModulationParams params;
		params.kind = MOD_FM;
		params.ampCarrier = 1.0;
		params.modIndex = static_cast<double>(state.range(0));
		for (auto _ : state)
		{
			std::vector<AngleLine> lines = AngleSpectralLines(params);
			benchmark::DoNotOptimize(lines.data());
		}
	}
}

BENCHMARK(SynthesisRun)
	->ArgName("kind")
	->Arg(MOD_AM)
	->Arg(MOD_DSB_SC)
	->Arg(MOD_SSB_USB)
	->Arg(MOD_SSB_LSB)
	->Arg(MOD_VSB)
	->Arg(MOD_FM)
	->Arg(MOD_PM);
BENCHMARK(AngleLineList)->ArgName("m")->Arg(1)->Arg(60);
