// Synthesis of the three waveforms of a run: the modulating signal Vm, the carrier Vp and the
// modulated signal Vmto for every modulation kind, on the shared carrier-phase grid.
#pragma once

#include "engine/ModulationParams.h"

#include <vector>

class CSignal;

// What a generated signal's scope is given: Y range 2.2 × peak, X range 1.01 × X(N).
struct ScopeScales
{
	double yRange;
	double xRange;
};

// What the library gave for the phase a generator reduced at each sample, with that phase; empty
// when the generator took no such value.
struct PhaseValues
{
	std::vector<double> phases;
	std::vector<double> values;
};

// The modulating and carrier generators keep the values they took. A modulated generator whose
// own phase comes out bit for bit the same takes the value instead of calling the library again:
// most of a run's cost is those calls. The sine of the modulating phase is kept for FM only.
struct SamplePhases
{
	PhaseValues modulatingCos;
	PhaseValues modulatingSin;
	PhaseValues carrierCos;
};

// Every generator fills the signal's m_nPoints samples (the caller has sized it with RedimXY),
// writes its header and returns its scope's scales. carrierPeriod is 1/fp. The modulating and
// carrier generators keep their values in phases for the modulated generator of the run, which
// takes a value only for its own phase: phases kept by another run cost speed, never a bit.
ScopeScales GenerateModulating(const ModulationParams& params, double carrierPeriod, CSignal& vm,
	SamplePhases& phases);
ScopeScales GenerateCarrier(const ModulationParams& params, double carrierPeriod, CSignal& vp, SamplePhases& phases);

// The modulated signal's header as every kind starts it: the carrier's amplitude and frequency.
void WriteModulatedHeader(const ModulationParams& params, CSignal& vmto);

// Amplitude family: each variant expects the family header already written, blanks every
// sample whose envelope Vm + Ap is negative and stores its peak in m_dAmplitude.
ScopeScales GenerateAM(const ModulationParams& params, double carrierPeriod, const CSignal& vm,
	const SamplePhases& phases, CSignal& vmto);
ScopeScales GenerateDSBSC(const ModulationParams& params, double carrierPeriod, const CSignal& vm,
	const SamplePhases& phases, CSignal& vmto);
ScopeScales GenerateSSBUSB(const ModulationParams& params, double carrierPeriod, const CSignal& vm, CSignal& vmto);
ScopeScales GenerateSSBLSB(const ModulationParams& params, double carrierPeriod, const CSignal& vm, CSignal& vmto);
ScopeScales GenerateVSB(const ModulationParams& params, double carrierPeriod, const CSignal& vm,
	const SamplePhases& phases, CSignal& vmto);
// The amplitude family before a variant is chosen: a flat trace rather than arrays never written.
ScopeScales GenerateFlat(const ModulationParams& params, CSignal& vmto);

ScopeScales GenerateFM(const ModulationParams& params, double carrierPeriod, const SamplePhases& phases,
	CSignal& vmto);
// The phase deviation is the stored modulating sample (a sine, KP = 1).
ScopeScales GeneratePM(const ModulationParams& params, double carrierPeriod, const CSignal& vm, CSignal& vmto);

// The scales of a generated signal as its generator returned them, from what the signal keeps
// (its peak in m_dAmplitude and its sample count): a scope can be given them again later.
ScopeScales ScalesOf(const CSignal& signal);
