// Line lists of the spectrum window for both modulation families.
#include "engine/SpectralLines.h"

#include "engine/Bessel.h"

#include <cmath>

namespace
{
	// Only guards the int conversion: indices up to 60 need 72 orders.
	constexpr double MAX_ORDER_COUNT = 1000.0;
}

std::vector<double> AmplitudeSideLines(const ModulationParams& params)
{
	const double fm = params.freqMod;
	const double fp = params.freqCarrier;
	const double side = params.ampCarrier * params.modIndex * 0.5;
	switch (params.kind)
	{
	case MOD_AM:
	case MOD_DSB_SC:
		return { fp - fm, side, fm + fp, side };
	case MOD_SSB_USB:
	case MOD_VSB:
		return { fm + fp, side };
	case MOD_SSB_LSB:
		return { fp - fm, side };
	default:
		return {};
	}
}

bool HasCarrierLine(int32_t kind)
{
	return kind == MOD_AM || kind == MOD_VSB;
}

int AngleOrderCount(double m)
{
	const double count = m - std::pow(m, 0.27) * -2.4 - -5.0;
	double whole;
	std::modf(count, &whole);
	if (std::isnan(whole) || whole <= 0.0)
		return 0;
	if (whole > MAX_ORDER_COUNT)
		return static_cast<int>(MAX_ORDER_COUNT);
	return static_cast<int>(whole);
}

std::vector<double> AngleCoefficients(double m)
{
	// At m = 0 the series is exactly 1 for order 0 and 0 beyond.
	std::vector<double> coefficients = BesselCoefficients(AngleOrderCount(m), m);
	size_t lineCount = 0;
	for (size_t n = 0; n < coefficients.size(); ++n)
	{
		if (std::fabs(coefficients[n]) < SIGNIFICANT_LINE)
			coefficients[n] = 0.0;
		if (coefficients[n] != 0.0)
			lineCount = n + 1;
	}
	coefficients.resize(lineCount);
	return coefficients;
}

std::vector<AngleLine> AngleSpectralLines(const ModulationParams& params)
{
	const std::vector<double> coefficients = AngleCoefficients(params.modIndex);
	std::vector<AngleLine> lines;
	lines.reserve(coefficients.size());
	for (double c : coefficients)
		lines.push_back({ std::fabs(c) * params.ampCarrier, c < 0.0 });
	return lines;
}

double UpperLinePhase(const AngleLine& line)
{
	return line.negative ? 180.0 : 0.0;
}

// J-n(m) = (-1)^n Jn(m): an odd order turns the lower line over.
double LowerLinePhase(int n, const AngleLine& line)
{
	const double turn = n % 2 != 0 ? 180.0 : 0.0;
	return std::fabs(turn - UpperLinePhase(line));
}
