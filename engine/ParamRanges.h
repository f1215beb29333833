// The values of each modulation parameter that a run accepts: within them no sample, scope scale
// or spectral line overflows, and every value reads as a short text on the scopes and in print.
#pragma once

struct ParamRange
{
	double min;
	double max;
};

// A microvolt to a megavolt: the texts with SI prefixes stay short, and the largest peak, a
// V.S.B. signal at index 60, is 31 MV.
constexpr ParamRange AMPLITUDE_RANGE = {1e-6, 1e6};
// A microhertz to a terahertz: side lines up to 73 THz, phases below 1e21 rad before reduction.
constexpr ParamRange FREQUENCY_RANGE = {1e-6, 1e12};
// The lower end is the positive check's; the upper one keeps the sample count's products finite
// (below 1e38) and the time's text short, however the samples are capped.
constexpr ParamRange SIM_TIME_RANGE = {0.0, 1e6};

// The time raised to one period of the slowest modulating tone must still be accepted.
static_assert(1.0 / FREQUENCY_RANGE.min <= SIM_TIME_RANGE.max, "the shortest time must fit the range");

// NaN is outside every range.
inline bool IsInRange(double value, const ParamRange& range)
{
	return value >= range.min && value <= range.max;
}
