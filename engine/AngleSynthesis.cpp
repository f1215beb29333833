// The frequency and phase modulation generators of the modulated signal.
#include "engine/Synthesis.h"

#include "engine/SynthesisSupport.h"

#include <cmath>

// The deviation's sine is computed afresh from the modulating phase, multiplied in another order
// than the modulating generator's; the stored Vm samples are cosines and are not used.
ScopeScales GenerateFM(const ModulationParams& params, double carrierPeriod, const SamplePhases& phases,
	CSignal& vmto)
{
	const double ap = params.ampCarrier;
	const double fm = params.freqMod;
	const double fp = params.freqCarrier;
	const double m = params.modIndex;
	WriteSignalHeader(vmto, ap, fp, params.simTime);
	const double gridEnd = FillSamples(vmto, [&](UINT i, double x)
	{
		const double thetaP = ReducePhase(x * carrierPeriod * fp);
		const double thetaM = ReducePhase(x * fm * carrierPeriod);
		const double phi = ReducePhase(thetaP + SineOf(phases.modulatingSin, i, thetaM) * m);
		return std::cos(phi) * ap;
	});
	return ScalesFor(ap, gridEnd);
}

ScopeScales GeneratePM(const ModulationParams& params, double carrierPeriod, const CSignal& vm, CSignal& vmto)
{
	const double ap = params.ampCarrier;
	const double fp = params.freqCarrier;
	WriteSignalHeader(vmto, ap, fp, params.simTime);
	const double gridEnd = FillSamples(vmto, [&](UINT i, double x)
	{
		const double thetaP = ReducePhase(x * carrierPeriod * fp);
		const double phi = ReducePhase(thetaP + vm.m_pY[i]);
		return std::cos(phi) * ap;
	});
	return ScalesFor(ap, gridEnd);
}
