// The truncated Bessel series, the accurate Bessel values and the coefficients used by the
// spectral lines.
#include "engine/Bessel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
	// Above this term size the sum's rounding (about 1e-16 of its largest term) outgrows the
	// series' own truncation error of 1e-6; at order 0 that happens from m = 25.08 on.
	constexpr double LARGEST_EXACT_TERM = 1e9;

	// Orders above max(count, |m|) where the backward recurrence starts. Checked against
	// 30-digit values for |m| up to 60 and orders up to 80: 40 keeps every value within 3e-16,
	// 30 does not (1e-11 where the order is close to m).
	constexpr int RECURRENCE_START_MARGIN = 50;
	// The recurrence takes about |m| steps; an index this large never reaches a line list.
	constexpr double MAX_RECURRENCE_START = 1e6;
	// The unnormalised values grow by up to 2k/|m| a step; they are scaled down before they
	// can overflow.
	constexpr double RESCALE_ABOVE = 1e250;
	constexpr double RECURRENCE_SEED = 1e-30;

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

// Miller's method: J(k-1) = (2k/x) J(k) - J(k+1), run downwards from an order where Jk(x) is
// negligible, gives values proportional to Jk(x); J0 + 2 Σ J2k = 1 fixes the factor.
std::vector<double> AccurateBessel(int count, double m)
{
	std::vector<double> values(static_cast<size_t>(std::max(count, 0)), 0.0);
	if (values.empty())
		return values;
	const double x = std::fabs(m);
	if (x == 0.0)
	{
		values[0] = 1.0;
		return values;
	}
	const double startOrder = std::max(static_cast<double>(count), x) + RECURRENCE_START_MARGIN;
	if (!(startOrder <= MAX_RECURRENCE_START))
	{
		std::fill(values.begin(), values.end(), std::numeric_limits<double>::quiet_NaN());
		return values;
	}

	double above = 0.0;
	double current = RECURRENCE_SEED;
	double evenSum = 0.0;
	for (int k = static_cast<int>(startOrder); k > 0; --k)
	{
		if (k < count)
			values[k] = current;
		if (k % 2 == 0)
			evenSum += current;
		const double below = 2.0 * k / x * current - above;
		above = current;
		current = below;
		if (std::fabs(current) > RESCALE_ABOVE)
		{
			for (int i = k; i < count; ++i)
				values[i] /= RESCALE_ABOVE;
			above /= RESCALE_ABOVE;
			current /= RESCALE_ABOVE;
			evenSum /= RESCALE_ABOVE;
		}
	}
	values[0] = current;
	const double norm = current + 2.0 * evenSum;
	for (size_t n = 0; n < values.size(); ++n)
	{
		values[n] /= norm;
		// Jn(-m) = (-1)^n Jn(m).
		if (m < 0.0 && n % 2 != 0)
			values[n] = -values[n];
	}
	return values;
}

bool BesselSeriesReplaced(double m)
{
	// The largest term of order n+1 is below the geometric mean of two terms of order n, so
	// order 0 holds the largest term of all.
	double largestTerm;
	SumSeries(0, m, largestTerm, LARGEST_EXACT_TERM);
	return SeriesBrokenDown(largestTerm);
}

double BesselCoefficient(int n, double m)
{
	return BesselSeriesReplaced(m) ? AccurateBessel(n + 1, m)[n] : BesselSeries(n, m);
}

std::vector<double> BesselCoefficients(int count, double m)
{
	// Deciding sums order 0 already; a series that held was summed to its end.
	double largestTerm;
	const double order0 = SumSeries(0, m, largestTerm, LARGEST_EXACT_TERM);
	if (SeriesBrokenDown(largestTerm))
		return AccurateBessel(count, m);
	std::vector<double> coefficients(static_cast<size_t>(std::max(count, 0)), 0.0);
	for (int n = 0; n < count; ++n)
		coefficients[n] = n == 0 ? order0 : BesselSeries(n, m);
	return coefficients;
}
