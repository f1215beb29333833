// The modulating and carrier generators, the flat trace of an unchosen variant and the scales
// a generated signal keeps.
#include "engine/Synthesis.h"

#include "engine/SynthesisSupport.h"

#include <cmath>

ScopeScales GenerateModulating(const ModulationParams& params, double carrierPeriod, CSignal& vm,
	SamplePhases& phases)
{
	const double am = params.ampMod;
	const double fm = params.freqMod;
	WriteSignalHeader(vm, am, fm, params.simTime);
	// PM is driven by a sine so that its phase deviation starts at 0; the others by a cosine.
	// FM's deviation wants the sine of much the same phase, and both together cost little more
	// than one.
	const bool sine = params.kind == MOD_PM;
	const bool both = params.kind == MOD_FM;
	KeepValues(phases.modulatingCos, !sine, vm.m_nPoints);
	KeepValues(phases.modulatingSin, both, vm.m_nPoints);
	const double gridEnd = FillSamples(vm, [&](UINT i, double x)
	{
		const double theta = ReducePhase(x * carrierPeriod * fm);
		if (sine)
			return am * std::sin(theta);
		double cosine;
		if (both)
		{
			::sincos(theta, &phases.modulatingSin.values[i], &cosine);
			phases.modulatingSin.phases[i] = theta;
		}
		else
			cosine = std::cos(theta);
		phases.modulatingCos.phases[i] = theta;
		phases.modulatingCos.values[i] = cosine;
		return am * cosine;
	});
	return ScalesFor(am, gridEnd);
}

ScopeScales GenerateCarrier(const ModulationParams& params, double carrierPeriod, CSignal& vp, SamplePhases& phases)
{
	const double ap = params.ampCarrier;
	const double fp = params.freqCarrier;
	WriteSignalHeader(vp, ap, fp, params.simTime);
	KeepValues(phases.carrierCos, true, vp.m_nPoints);
	const double gridEnd = FillSamples(vp, [&](UINT i, double x)
	{
		const double theta = ReducePhase(x * carrierPeriod * fp);
		phases.carrierCos.phases[i] = theta;
		phases.carrierCos.values[i] = std::cos(theta);
		return ap * phases.carrierCos.values[i];
	});
	return ScalesFor(ap, gridEnd);
}

void WriteModulatedHeader(const ModulationParams& params, CSignal& vmto)
{
	WriteSignalHeader(vmto, params.ampCarrier, params.freqCarrier, params.simTime);
}

ScopeScales GenerateFlat(const ModulationParams& params, CSignal& vmto)
{
	return ScalesFor(params.ampCarrier, FillSamples(vmto, [](UINT, double) { return 0.0; }));
}

ScopeScales ScalesOf(const CSignal& signal)
{
	return ScalesFor(signal.m_dAmplitude, GridEnd(static_cast<int>(signal.m_nPoints)));
}
