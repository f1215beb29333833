// The modulating and carrier generators, the dispatch to the modulated-signal generators and
// a whole run.
#include "engine/Synthesis.h"

#include "engine/SynthesisSupport.h"

#include <cmath>

ScopeScales GenerateModulating(const ModulationParams& params, double carrierPeriod, CSignal& vm)
{
	const double am = params.ampMod;
	const double fm = params.freqMod;
	WriteSignalHeader(vm, am, fm, params.simTime);
	// PM is driven by a sine so that its phase deviation starts at 0; the others by a cosine.
	const bool sine = params.kind == MOD_PM;
	FillSamples(vm, [&](UINT, double x)
	{
		const double theta = ReducePhase(x * carrierPeriod * fm);
		return sine ? am * std::sin(theta) : am * std::cos(theta);
	});
	return ScalesFor(am, vm.m_nPoints);
}

ScopeScales GenerateCarrier(const ModulationParams& params, double carrierPeriod, CSignal& vp)
{
	const double ap = params.ampCarrier;
	const double fp = params.freqCarrier;
	WriteSignalHeader(vp, ap, fp, params.simTime);
	FillSamples(vp, [&](UINT, double x)
	{
		return ap * std::cos(ReducePhase(x * carrierPeriod * fp));
	});
	return ScalesFor(ap, vp.m_nPoints);
}

void WriteModulatedHeader(const ModulationParams& params, CSignal& vmto)
{
	WriteSignalHeader(vmto, params.ampCarrier, params.freqCarrier, params.simTime);
}

ScopeScales GenerateModulated(const ModulationParams& params, double carrierPeriod, const CSignal& vm, CSignal& vmto)
{
	if (params.kind == MOD_FM)
		return GenerateFM(params, carrierPeriod, vmto);
	if (params.kind == MOD_PM)
		return GeneratePM(params, carrierPeriod, vm, vmto);

	WriteModulatedHeader(params, vmto);
	switch (params.kind)
	{
	case MOD_AM:
		return GenerateAM(params, carrierPeriod, vm, vmto);
	case MOD_DSB_SC:
		return GenerateDSBSC(params, carrierPeriod, vm, vmto);
	case MOD_SSB_USB:
		return GenerateSSBUSB(params, carrierPeriod, vm, vmto);
	case MOD_SSB_LSB:
		return GenerateSSBLSB(params, carrierPeriod, vm, vmto);
	case MOD_VSB:
		return GenerateVSB(params, carrierPeriod, vm, vmto);
	default:
		// No variant chosen yet: a flat trace rather than arrays that were never written.
		FillSamples(vmto, [](UINT, double) { return 0.0; });
		return ScalesFor(params.ampCarrier, vmto.m_nPoints);
	}
}

SynthesisScales RunSynthesis(const ModulationParams& params, CSignal& vm, CSignal& vp, CSignal& vmto)
{
	const double carrierPeriod = 1.0 / params.freqCarrier;
	const UINT n = static_cast<UINT>(SampleCount(params));
	vm.RedimXY(n);
	vp.RedimXY(n);
	vmto.RedimXY(n);
	SynthesisScales scales;
	scales.modulating = GenerateModulating(params, carrierPeriod, vm);
	scales.carrier = GenerateCarrier(params, carrierPeriod, vp);
	scales.modulated = GenerateModulated(params, carrierPeriod, vm, vmto);
	return scales;
}
