// The sample grid shared by every generated signal: carrier-phase abscissa, phase reduction
// and the number of samples of a run.
#pragma once

#include "engine/ModulationParams.h"

// 2π/25 to 11 decimals: one carrier period spans 25 samples.
constexpr double PHASE_STEP = 0.25132741232;
// The turn used for phase reduction is this rounded value, not the exact 2π.
constexpr double TWO_PI = 6.283185308;
constexpr double INV_TWO_PI = 0.15915494307111402;
constexpr int MAX_SAMPLES = 3000;
constexpr int SAMPLES_PER_CARRIER_PERIOD = 25;

// Removes whole turns, truncating toward zero: a negative phase stays in (-TWO_PI, 0].
double ReducePhase(double theta);

// ⌊25·T·fp⌋ samples, at most MAX_SAMPLES; 0 when the product is negative or not a number.
int SampleCount(const ModulationParams& params);

// The time a run's samples cover, in seconds: a 25th of a carrier period each. Shorter than the
// simulation time when the samples were capped.
double ShownTime(const ModulationParams& params);
// TRUE when the simulation time needs more samples than a run holds.
bool IsTimeCapped(const ModulationParams& params);

// X(n): the abscissa after n steps, accumulated as the generators accumulate it.
double GridEnd(int n);
