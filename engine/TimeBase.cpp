// Sample count and grid end of the sample grid.
#include "engine/TimeBase.h"

#include <cmath>

namespace
{
	// Whole samples the simulation time asks for, before the cap.
	double WholeSamplesAsked(const ModulationParams& params)
	{
		const double fm = params.freqMod;
		const double fp = params.freqCarrier;
		// This order, in which fm cancels out, decides the samples on either side of a boundary.
		const double count = (params.simTime / (1.0 / fm)) * ((fp / fm) * SAMPLES_PER_CARRIER_PERIOD);
		double whole;
		std::modf(count, &whole);
		return whole;
	}
}

int SampleCount(const ModulationParams& params)
{
	const double whole = WholeSamplesAsked(params);
	// Capped while still a double: huge or infinite products must not reach the int conversion.
	if (std::isnan(whole) || whole <= 0.0)
		return 0;
	if (whole > MAX_SAMPLES)
		return MAX_SAMPLES;
	return static_cast<int>(whole);
}

double ShownTime(const ModulationParams& params)
{
	return SampleCount(params) / (SAMPLES_PER_CARRIER_PERIOD * params.freqCarrier);
}

bool IsTimeCapped(const ModulationParams& params)
{
	return WholeSamplesAsked(params) > MAX_SAMPLES;
}

double GridEnd(int n)
{
	double x = 0.0;
	for (int i = 0; i < n; ++i)
		x += PHASE_STEP;
	return x;
}
