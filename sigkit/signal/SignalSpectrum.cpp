// CSignal::DoSpettro: Fourier series of the samples taken as exactly one period.
#include "sigkit/signal/Signal.h"

#include <cmath>
#include <vector>

namespace
{
	// The rounded constants are part of the results the analysis has always produced.
	constexpr double SPECTRUM_TWO_PI = 6.283185308;
	constexpr double SPECTRUM_PI = 3.141592654;
	constexpr double SPECTRUM_HALF_PI = 1.570796327;

	// Phase of a harmonic referred to a sine, from its cosine sum a and sine sum b.
	double HarmonicPhase(double a, double b)
	{
		if (b == 0.0)
		{
			if (a > 0.0)
				return SPECTRUM_HALF_PI;
			if (a < 0.0)
				return -SPECTRUM_HALF_PI;
			return 0.0;
		}
		if (a == 0.0)
			return b > 0.0 ? 0.0 : SPECTRUM_PI;
		if (b > 0.0)
			return std::atan(a / b);
		return std::atan(a / b) + SPECTRUM_PI;
	}
}

void CSignal::DoSpettro(UINT nHarmonics)
{
	if (nHarmonics == 0)
		return;

	const UINT n = m_nPoints;
	const double step = SPECTRUM_TWO_PI / n;
	RedimArmoniche(nHarmonics);
	std::vector<double> cosSums(nHarmonics, 0.0);
	std::vector<double> sinSums(nHarmonics, 0.0);
	for (UINT k = 0; k < nHarmonics; k++)
		m_pHarmAmp[k] = m_pHarmPhase[k] = 0.0;

	for (UINT j = 0; j < n; j++)
		cosSums[0] = cosSums[0] + m_pY[j] / n;
	m_pHarmAmp[0] = cosSums[0];
	double largest = cosSums[0];

	// Without samples every harmonic stays 0 instead of becoming 0/0.
	for (UINT k = 1; k < nHarmonics && n > 0; k++)
	{
		for (UINT j = 0; j < n; j++)
			sinSums[k] = sinSums[k] + std::sin(double(ULONGLONG(j) * k) * step) * m_pY[j];
		sinSums[k] = 2.0 * sinSums[k] / n;
		for (UINT j = 0; j < n; j++)
			cosSums[k] = cosSums[k] + std::cos(double(ULONGLONG(j) * k) * step) * m_pY[j];
		cosSums[k] = 2.0 * cosSums[k] / n;

		m_pHarmAmp[k] = std::sqrt(sinSums[k] * sinSums[k] + cosSums[k] * cosSums[k]);
		if (m_pHarmAmp[k] > largest)
			largest = m_pHarmAmp[k];
		m_pHarmPhase[k] = HarmonicPhase(cosSums[k], sinSums[k]);
	}
	m_dMaxHarmonic = largest;
}
