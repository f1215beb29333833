// Bessel coefficients Jn(m) of the angle-modulation spectrum: the truncated power series the
// spectrum has always shown, and an accurate value where that series breaks down.
#pragma once

// The series stops at the first term below this magnitude, which is not added.
constexpr double SERIES_TERM_MIN = 1e-6;
constexpr int SERIES_MAX_TERM = 100;

// Σj (-1)^j (m/2)^(2j+n) / (j! (j+n)!) for j up to SERIES_MAX_TERM, truncated as above.
double BesselSeries(int n, double m);

// Jn(m) for the line list: the series value wherever its rounding error stays below its
// truncation error, otherwise an accurate Jn(m).
double BesselCoefficient(int n, double m);

// Whether BesselCoefficient(n, m) gives the accurate Jn(m) instead of the series.
bool BesselSeriesReplaced(int n, double m);
