// The figures a course asks of a modulated signal's spectrum (band, powers, efficiency, index,
// deviation), computed from the parameter record and the lines the spectrum window shows.
#pragma once

#include "engine/ModulationParams.h"
#include "engine/SpectralLines.h"

#include <vector>

// The fields of the other family stay zero, and so does every field before a run.
struct SpectrumFigures
{
	bool angle;              // FM or PM
	// Both families (Hz): AM family 2 fm (A.M., D.S.B.-S.C.), fm (S.S.B. either side, V.S.B. as
	// built here: carrier + upper line only); angle: the band that holds the lines shown,
	// 2 (L − 1) fm (the 1 % rule, L = AngleSpectralLines' count; 0 for a lone carrier).
	double bandwidth;
	// Amplitude family, watts on 1 ohm: carrier Ap²/2 (0 when the carrier is suppressed), the
	// side lines Σ a²/2, efficiency = side / (carrier + side) as a fraction 0…1.
	double carrierPower;
	double sidebandPower;
	double efficiency;
	// Angle family: β = m, Δf = β fm, Carson 2 (Δf + fm), the share of the unmodulated power
	// Ap²/2 found in the lines shown (Σ shown a²/2 over Ap²/2, as a fraction), total power Ap²/2.
	double index;
	double peakDeviation;
	double carsonBandwidth;
	double shownPowerShare;
	double totalPower;
	// A shown line lies below 0 Hz (fp − n fm < 0 for a shown order, or an S.S.B.-L.S.B. line
	// with fm > fp, etc.).
	bool negativeFrequencies;
	// Some shown order's coefficient is the accurate value, not the series (large index).
	bool accurateValues;
};

SpectrumFigures ComputeSpectrumFigures(const ModulationParams& params);
// The same from the angle lines already computed for the record (ignored for the amplitude family).
SpectrumFigures ComputeSpectrumFigures(const ModulationParams& params, const std::vector<AngleLine>& angleLines);
