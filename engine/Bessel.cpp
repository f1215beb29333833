// The truncated Bessel series and the coefficient used by the spectral lines.
#include "engine/Bessel.h"

#include <cmath>

namespace
{
	// Above this term size the sum's rounding (about 1e-16 of its largest term) outgrows the
	// series' own truncation error of 1e-6; that happens from m ≈ 26 on.
	constexpr double LARGEST_EXACT_TERM = 1e9;

	// Recomputed as a product every time, like the series always did; overflow gives +inf,
	// which ends the series.
	double Factorial(int n)
	{
		double product = 1.0;
		for (int k = 2; k <= n; ++k)
			product *= k;
		return product;
	}

	// Stops as soon as a term's size passes dGiveUpAbove: the sum is then of no use, and the
	// largest term is already known to be past it.
	double SumSeries(int n, double m, double& largestTerm, double dGiveUpAbove = HUGE_VAL)
	{
		const double half = m * 0.5;
		double sum = n == 0 ? 1.0 : std::pow(half, n) / Factorial(n);
		largestTerm = std::fabs(sum);
		for (int j = 1; j <= SERIES_MAX_TERM && largestTerm <= dGiveUpAbove; ++j)
		{
			const double jf = Factorial(j);
			const double jnf = Factorial(j + n);
			const double term = std::pow(half, 2 * j + n) * std::pow(-1.0, j) / (jnf * jf);
			if (std::isnan(term) || std::fabs(term) < SERIES_TERM_MIN)
				break;
			sum += term;
			if (std::fabs(term) > largestTerm)
				largestTerm = std::fabs(term);
		}
		return sum;
	}

	bool SeriesBrokenDown(double largestTerm)
	{
		return largestTerm > LARGEST_EXACT_TERM;
	}
}

double BesselSeries(int n, double m)
{
	double largestTerm;
	return SumSeries(n, m, largestTerm);
}

double BesselCoefficient(int n, double m)
{
	double largestTerm;
	const double series = SumSeries(n, m, largestTerm, LARGEST_EXACT_TERM);
	if (!SeriesBrokenDown(largestTerm))
		return series;
	// Jn(-m) = (-1)^n Jn(m); the library function takes non-negative arguments only.
	const double value = std::cyl_bessel_j(static_cast<double>(n), std::fabs(m));
	return m < 0.0 && n % 2 != 0 ? -value : value;
}

bool BesselSeriesReplaced(int n, double m)
{
	double largestTerm;
	SumSeries(n, m, largestTerm, LARGEST_EXACT_TERM);
	return SeriesBrokenDown(largestTerm);
}
