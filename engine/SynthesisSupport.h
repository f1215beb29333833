// Steps shared by the generators: the signal header, the sample loop on the accumulated
// grid and the scope scales.
#pragma once

#include "engine/Synthesis.h"
#include "engine/TimeBase.h"
#include "engine/TwoCores.h"
#include "sigkit/signal/Signal.h"

#include <cmath>
#include <cstdint>
#include <cstring>

// Header of a generated signal; the period field carries the simulation time.
inline void WriteSignalHeader(CSignal& signal, double amplitude, double frequency, double simTime)
{
	signal.m_nType = 3;
	signal.m_dStepX = PHASE_STEP;
	signal.m_dAmplitude = amplitude;
	signal.m_dFrequency = frequency;
	signal.m_dPeriod = simTime;
}

// From this many samples on, a fill is shared between the two cores: below it the hand-over, a
// few microseconds, costs more than half the fill.
constexpr UINT SHARED_FILL_SAMPLES = 512;

// Fills X with the grid, accumulated step by step rather than as i × PHASE_STEP, and Y with
// sample(i, x); returns the abscissa one step past the last sample, X(m_nPoints). A long fill's
// second half runs on the other core from X(n / 2), accumulated there by the same steps, so every
// sample is what one loop would give; sample must therefore only write its own index.
template <typename Sample>
double FillSamples(CSignal& signal, Sample sample)
{
	const auto fill = [&signal, &sample](UINT first, UINT last, double x)
	{
		for (UINT i = first; i < last; ++i)
		{
			signal.m_pX[i] = x;
			signal.m_pY[i] = sample(i, x);
			x += PHASE_STEP;
		}
		return x;
	};
	const UINT n = signal.m_nPoints;
	if (n < SHARED_FILL_SAMPLES)
		return fill(0, n, 0.0);
	const UINT half = n / 2;
	double end = 0.0;
	RunOnTwoCores([&] { end = fill(half, n, GridEnd(static_cast<int>(half))); }, [&] { fill(0, half, 0.0); });
	return end;
}

// gridEnd is X(N), as FillSamples returns it.
inline ScopeScales ScalesFor(double peak, double gridEnd)
{
	return { peak * 2.2, gridEnd * 1.01 };
}

// Bit for bit, so that a sine is not taken for that of a zero of the other sign.
inline bool SameBits(double a, double b)
{
	uint64_t bitsA;
	uint64_t bitsB;
	std::memcpy(&bitsA, &a, sizeof a);
	std::memcpy(&bitsB, &b, sizeof b);
	return bitsA == bitsB;
}

// The value kept for sample i when its phase was theta, else the library's.
inline double CosineOf(const PhaseValues& known, UINT i, double theta)
{
	return i < known.values.size() && SameBits(theta, known.phases[i]) ? known.values[i] : std::cos(theta);
}

inline double SineOf(const PhaseValues& known, UINT i, double theta)
{
	return i < known.values.size() && SameBits(theta, known.phases[i]) ? known.values[i] : std::sin(theta);
}

// Sizes a generator's kept values for n samples, or empties them when it takes none.
inline void KeepValues(PhaseValues& known, bool keep, UINT n)
{
	known.phases.resize(keep ? n : 0);
	known.values.resize(keep ? n : 0);
}
