// The sample grid shared by every generated signal: carrier-phase abscissa, phase reduction
// and the number of samples of a run.
#pragma once

#include "engine/ModulationParams.h"

#include <cmath>
#include <cstdint>

// 2π/25 to 11 decimals: one carrier period spans 25 samples.
constexpr double PHASE_STEP = 0.25132741232;
// The turn used for phase reduction is this rounded value, not the exact 2π.
constexpr double TWO_PI = 6.283185308;
constexpr double INV_TWO_PI = 0.15915494307111402;
constexpr int MAX_SAMPLES = 3000;
constexpr int SAMPLES_PER_CARRIER_PERIOD = 25;

// Removes whole turns, truncating toward zero: a negative phase stays in (-TWO_PI, 0]. Inline,
// and the turns taken through a 64-bit integer rather than a library call: it runs for every
// phase of every sample. The turns are those std::modf gives, sign of zero included; from 2^52
// on a double is already whole, and a NaN or an infinity is kept as it is.
inline double ReducePhase(double theta)
{
	const double t = theta * INV_TWO_PI;
	const double turns = std::fabs(t) < 4503599627370496.0 ? std::copysign(double(int64_t(t)), t) : t;
	return theta - turns * TWO_PI;
}

// ⌊25·T·fp⌋ samples, at most MAX_SAMPLES; 0 when the product is negative or not a number.
int SampleCount(const ModulationParams& params);

// The time a run's samples cover, in seconds: a 25th of a carrier period each. Shorter than the
// simulation time when the samples were capped.
double ShownTime(const ModulationParams& params);
// TRUE when the simulation time needs more samples than a run holds.
bool IsTimeCapped(const ModulationParams& params);

// X(n): the abscissa after n steps, accumulated as the generators accumulate it.
double GridEnd(int n);
