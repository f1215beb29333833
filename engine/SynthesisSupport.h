// Steps shared by the generators: the signal header, the sample loop on the accumulated
// grid and the scope scales.
#pragma once

#include "engine/Synthesis.h"
#include "engine/TimeBase.h"
#include "sigkit/signal/Signal.h"

// Header of a generated signal; the period field carries the simulation time.
inline void WriteSignalHeader(CSignal& signal, double amplitude, double frequency, double simTime)
{
	signal.m_nType = 3;
	signal.m_dStepX = PHASE_STEP;
	signal.m_dAmplitude = amplitude;
	signal.m_dFrequency = frequency;
	signal.m_dPeriod = simTime;
}

// Fills X with the grid, accumulated step by step rather than as i × PHASE_STEP, and Y with
// sample(i, x).
template <typename Sample>
void FillSamples(CSignal& signal, Sample sample)
{
	double x = 0.0;
	for (UINT i = 0; i < signal.m_nPoints; ++i)
	{
		signal.m_pX[i] = x;
		signal.m_pY[i] = sample(i, x);
		x += PHASE_STEP;
	}
}

inline ScopeScales ScalesFor(double peak, UINT nPoints)
{
	return { peak * 2.2, GridEnd(static_cast<int>(nPoints)) * 1.01 };
}
