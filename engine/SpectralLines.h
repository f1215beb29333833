// Spectral lines of the modulated signal, computed from the parameter record: side lines of
// the amplitude family and Bessel lines of frequency and phase modulation.
#pragma once

#include "engine/ModulationParams.h"

#include <vector>

// Bessel coefficients below this magnitude give no line.
constexpr double SIGNIFICANT_LINE = 0.01;

// Side lines of an amplitude-family kind as (frequency in Hz, amplitude) pairs, flattened;
// the carrier line is not among them.
std::vector<double> AmplitudeSideLines(const ModulationParams& params);

// Whether the consumer puts the carrier line (fp, Ap) in front of the side lines.
bool HasCarrierLine(int32_t kind);

// Orders examined for index m: the integer part of m + 2.4·m^0.27 + 5.
int AngleOrderCount(double m);

// Thresholded coefficients c0 … c(L-1), L being one past the highest order that gives a line;
// zeroed lower orders stay in place.
std::vector<double> AngleCoefficients(double m);

// Order n of an angle-modulated spectrum: the carrier (n = 0) or the lines at fp ± n·fm.
struct AngleLine
{
	double amplitude;
	bool negative;
};

std::vector<AngleLine> AngleSpectralLines(const ModulationParams& params);

// Phases in degrees of the upper line (or the carrier) and of the lower line of order n.
double UpperLinePhase(const AngleLine& line);
double LowerLinePhase(int n, const AngleLine& line);
