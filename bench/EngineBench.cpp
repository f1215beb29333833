// Costs of a full synthesis run per modulation kind and of the angle-family line list.
#include "engine/SpectralLines.h"
#include "engine/Synthesis.h"
#include "engine/TimeBase.h"
#include "sigkit/signal/Signal.h"

#include <benchmark/benchmark.h>

namespace
{
	// The modulated signal's generator of each kind, after the amplitude family's header.
	ScopeScales GenerateModulated(const ModulationParams& params, double carrierPeriod, const CSignal& vm,
		const SamplePhases& phases, CSignal& vmto)
	{
		switch (params.kind)
		{
		case MOD_FM:
			return GenerateFM(params, carrierPeriod, phases, vmto);
		case MOD_PM:
			return GeneratePM(params, carrierPeriod, vm, vmto);
		default:
			break;
		}
		WriteModulatedHeader(params, vmto);
		switch (params.kind)
		{
		case MOD_DSB_SC:
			return GenerateDSBSC(params, carrierPeriod, vm, phases, vmto);
		case MOD_SSB_USB:
			return GenerateSSBUSB(params, carrierPeriod, vm, vmto);
		case MOD_SSB_LSB:
			return GenerateSSBLSB(params, carrierPeriod, vm, vmto);
		case MOD_VSB:
			return GenerateVSB(params, carrierPeriod, vm, phases, vmto);
		default:
			return GenerateAM(params, carrierPeriod, vm, phases, vmto);
		}
	}

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
		SamplePhases phases;
		const double carrierPeriod = 1.0 / params.freqCarrier;
		for (auto _ : state)
		{
			const UINT n = static_cast<UINT>(SampleCount(params));
			vm.RedimXY(n);
			vp.RedimXY(n);
			vmto.RedimXY(n);
			benchmark::DoNotOptimize(GenerateModulating(params, carrierPeriod, vm, phases));
			benchmark::DoNotOptimize(GenerateCarrier(params, carrierPeriod, vp, phases));
			benchmark::DoNotOptimize(GenerateModulated(params, carrierPeriod, vm, phases, vmto));
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
