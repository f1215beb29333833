// The modulating and carrier generators, the flat trace of an unchosen variant and the scales
// a generated signal keeps.
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

ScopeScales GenerateFlat(const ModulationParams& params, CSignal& vmto)
{
	FillSamples(vmto, [](UINT, double) { return 0.0; });
	return ScalesFor(params.ampCarrier, vmto.m_nPoints);
}

ScopeScales ScalesOf(const CSignal& signal)
{
	return ScalesFor(signal.m_dAmplitude, signal.m_nPoints);
}
