// Bessel coefficients Jn(m) of the angle-modulation spectrum: the truncated power series the
// spectrum has always shown, and an accurate value where that series breaks down.
#pragma once

#include <vector>

// The series stops at the first term below this magnitude, which is not added.
constexpr double SERIES_TERM_MIN = 1e-6;
constexpr int SERIES_MAX_TERM = 100;

// Σj (-1)^j (m/2)^(2j+n) / (j! (j+n)!) for j up to SERIES_MAX_TERM, truncated as above.
double BesselSeries(int n, double m);

// J0(m) … J(count-1)(m) to within about 1e-15 for orders up to 80 and |m| up to 60, all from
// one backward recurrence.
std::vector<double> AccurateBessel(int count, double m);

// Whether the series breaks down at index m, its rounding error outgrowing its truncation error.
// Decided for the whole index, so that one spectrum never mixes the series' 7th-decimal
// artefact with exact values.
bool BesselSeriesReplaced(double m);

// Jn(m) for the line list: the series where it holds at index m, otherwise the accurate Jn(m).
double BesselCoefficient(int n, double m);

// BesselCoefficient(n, m) for n = 0 … count-1, the accurate values from one recurrence.
std::vector<double> BesselCoefficients(int count, double m);
