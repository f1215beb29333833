// CSignal::DoSpettro: Fourier series of the samples taken as exactly one period.
#include "sigkit/signal/Signal.h"

#include <algorithm>
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

	// Σ sin(j·k·step)·y[j] and Σ cos(j·k·step)·y[j] with a sine and a cosine for about 2√n angles
	// instead of n each, the cost of the analysis. The samples go in blocks of about √n: the angle θ
	// of sample j0 + m is that of j0, θ0, plus that of m, φ, plus a residue ε = (θ - θ0) - φ that
	// both subtractions give exactly (each takes two numbers within a factor of two of each other).
	// To within ε², far below a double's precision, sin θ = sin θ0 (cos φ - ε sin φ) + cos θ0
	// (sin φ + ε cos φ), and cos θ likewise: each term stays within a few units in the last place of
	// the direct sin θ and cos θ however long the record, with nothing carried from block to block.
	class CHarmonicSums
	{
	public:
		CHarmonicSums(const double* y, UINT n, double step)
			: m_y(y), m_n(n), m_step(step), m_nBlock(UINT(std::ceil(std::sqrt(double(n))))),
			  m_sin(m_nBlock), m_cos(m_nBlock), m_angle(m_nBlock)
		{
		}

		void Sum(UINT k, double& sinSum, double& cosSum)
		{
			const double dk = k;
			for (UINT m = 0; m < m_nBlock; m++)
			{
				m_angle[m] = Angle(m, dk);
				m_sin[m] = std::sin(m_angle[m]);
				m_cos[m] = std::cos(m_angle[m]);
			}
			sinSum = cosSum = 0.0;
			for (UINT j0 = 0; j0 < m_n; j0 += m_nBlock)
			{
				const double first = j0;
				const double theta0 = Angle(first, dk);
				const UINT count = std::min(m_nBlock, m_n - j0);
				double cosPart = 0.0;
				double sinPart = 0.0;
				const double* y = m_y + j0;
				const double* angle = m_angle.data();
				const double* sine = m_sin.data();
				const double* cosine = m_cos.data();
				// The block's terms are summed in as many lanes as the processor has: only the
				// order of a few dozen additions changes, far inside the analysis's accuracy.
#pragma omp simd reduction(+ : cosPart, sinPart)
				for (int m = 0; m < int(count); m++)
				{
					const double residue = (Angle(first + m, dk) - theta0) - angle[m];
					cosPart += (cosine[m] - residue * sine[m]) * y[m];
					sinPart += (sine[m] + residue * cosine[m]) * y[m];
				}
				const double s0 = std::sin(theta0);
				const double c0 = std::cos(theta0);
				sinSum = sinSum + (s0 * cosPart + c0 * sinPart);
				cosSum = cosSum + (c0 * cosPart - s0 * sinPart);
			}
		}

	private:
		// The direct evaluation's angle, bit for bit: j·k is exact, or rounded once either way. The
		// index comes as a double (a whole number, exact far past any record's length) because
		// the block's int offsets convert to doubles in vector lanes and unsigned ones do not.
		double Angle(double j, double dk) const
		{
			return j * dk * m_step;
		}

		const double* m_y;
		UINT m_n;
		double m_step;
		UINT m_nBlock;
		std::vector<double> m_sin;	// of the angles within a block
		std::vector<double> m_cos;
		std::vector<double> m_angle;
	};
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
	CHarmonicSums sums(m_pY, n, step);
	for (UINT k = 1; k < nHarmonics && n > 0; k++)
	{
		sums.Sum(k, sinSums[k], cosSums[k]);
		sinSums[k] = 2.0 * sinSums[k] / n;
		cosSums[k] = 2.0 * cosSums[k] / n;

		m_pHarmAmp[k] = std::sqrt(sinSums[k] * sinSums[k] + cosSums[k] * cosSums[k]);
		if (m_pHarmAmp[k] > largest)
			largest = m_pHarmAmp[k];
		m_pHarmPhase[k] = HarmonicPhase(cosSums[k], sinSums[k]);
	}
	m_dMaxHarmonic = largest;
}
