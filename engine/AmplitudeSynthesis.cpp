// The five amplitude-family generators of the modulated signal. Each product keeps the
// evaluation order the simulator has always used, so samples agree to the last bit.
#include "engine/Synthesis.h"

#include "engine/SynthesisSupport.h"

#include <cmath>

namespace
{
	// The envelope test uses the modulating sample for every variant: with m > 1 the envelope
	// is cut where Vm + Ap < 0, not folded over.
	template <typename Sample>
	double FillEnveloped(const ModulationParams& params, const CSignal& vm, CSignal& vmto, Sample sample)
	{
		const double ap = params.ampCarrier;
		return FillSamples(vmto, [&](UINT i, double x)
		{
			return vm.m_pY[i] + ap >= 0 ? sample(i, x) : 0.0;
		});
	}

	ScopeScales StorePeak(CSignal& vmto, double peak, double gridEnd)
	{
		vmto.m_dAmplitude = peak;
		return ScalesFor(peak, gridEnd);
	}

	// One cosine at the side frequency with the amplitude of one A.M. sideband, m × Ap / 2;
	// no phasing or filtering method is simulated.
	ScopeScales FillSingleSideband(const ModulationParams& params, double sideFrequency, double carrierPeriod,
		const CSignal& vm, CSignal& vmto)
	{
		const double ap = params.ampCarrier;
		const double m = params.modIndex;
		const double gridEnd = FillEnveloped(params, vm, vmto, [&](UINT, double x)
		{
			const double theta = ReducePhase(x * sideFrequency * carrierPeriod);
			return std::cos(theta) * (ap * m * 0.5);
		});
		return StorePeak(vmto, m * ap * 0.5, gridEnd);
	}
}

ScopeScales GenerateAM(const ModulationParams& params, double carrierPeriod, const CSignal& vm,
	const SamplePhases& phases, CSignal& vmto)
{
	const double ap = params.ampCarrier;
	const double fp = params.freqCarrier;
	const double gridEnd = FillEnveloped(params, vm, vmto, [&](UINT i, double x)
	{
		const double thetaP = ReducePhase(x * carrierPeriod * fp);
		return (vm.m_pY[i] + ap) * CosineOf(phases.carrierCos, i, thetaP);
	});
	return StorePeak(vmto, params.ampMod + ap, gridEnd);
}

// The factors' phases are multiplied in another order than the modulating and carrier ones, so
// they come out the same as those in only about two samples of three.
ScopeScales GenerateDSBSC(const ModulationParams& params, double carrierPeriod, const CSignal& vm,
	const SamplePhases& phases, CSignal& vmto)
{
	const double ap = params.ampCarrier;
	const double fm = params.freqMod;
	const double fp = params.freqCarrier;
	const double m = params.modIndex;
	const double gridEnd = FillEnveloped(params, vm, vmto, [&](UINT i, double x)
	{
		const double thetaM = ReducePhase(x * fm * carrierPeriod);
		const double thetaP = ReducePhase(x * fp * carrierPeriod);
		return CosineOf(phases.modulatingCos, i, thetaM) *
			CosineOf(phases.carrierCos, i, thetaP) * m * ap;
	});
	return StorePeak(vmto, m * ap, gridEnd);
}

ScopeScales GenerateSSBUSB(const ModulationParams& params, double carrierPeriod, const CSignal& vm, CSignal& vmto)
{
	return FillSingleSideband(params, params.freqMod + params.freqCarrier, carrierPeriod, vm, vmto);
}

// With fm > fp the lower side frequency is negative; ReducePhase keeps its phase in
// (-TWO_PI, 0], which has the cosine of the positive frequency fm - fp.
ScopeScales GenerateSSBLSB(const ModulationParams& params, double carrierPeriod, const CSignal& vm, CSignal& vmto)
{
	return FillSingleSideband(params, params.freqCarrier - params.freqMod, carrierPeriod, vm, vmto);
}

// Full carrier plus the upper sideband; no part of the lower sideband is generated.
ScopeScales GenerateVSB(const ModulationParams& params, double carrierPeriod, const CSignal& vm,
	const SamplePhases& phases, CSignal& vmto)
{
	const double ap = params.ampCarrier;
	const double fm = params.freqMod;
	const double fp = params.freqCarrier;
	const double m = params.modIndex;
	const double gridEnd = FillEnveloped(params, vm, vmto, [&](UINT i, double x)
	{
		const double thetaP = ReducePhase(x * carrierPeriod * fp);
		const double thetaU = ReducePhase(x * (fm + fp) * carrierPeriod);
		return ap * (CosineOf(phases.carrierCos, i, thetaP) + std::cos(thetaU) * (m * 0.5));
	});
	return StorePeak(vmto, (m * 0.5 + 1) * ap, gridEnd);
}
