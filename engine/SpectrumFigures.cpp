// The spectrum's figures for both modulation families, from the same line lists the spectrum
// window draws, so that the figures always describe what is on screen.
#include "engine/SpectrumFigures.h"

#include "engine/Bessel.h"
#include "engine/SpectralLines.h"

#include <vector>

namespace
{
	double LinePower(double amplitude)
	{
		return amplitude * amplitude * 0.5;
	}

	double AmplitudeBandwidth(const ModulationParams& params)
	{
		switch (params.kind)
		{
		case MOD_AM:
		case MOD_DSB_SC:
			return 2.0 * params.freqMod;
		case MOD_SSB_USB:
		case MOD_SSB_LSB:
		case MOD_VSB:
			return params.freqMod;
		default:
			return 0.0;
		}
	}

	void AmplitudeFigures(const ModulationParams& params, SpectrumFigures& figures)
	{
		figures.bandwidth = AmplitudeBandwidth(params);
		if (HasCarrierLine(params.kind))
			figures.carrierPower = LinePower(params.ampCarrier);
		const std::vector<double> lines = AmplitudeSideLines(params);
		for (size_t i = 0; i + 1 < lines.size(); i += 2)
		{
			figures.sidebandPower += LinePower(lines[i + 1]);
			if (lines[i] < 0.0 && lines[i + 1] != 0.0)
				figures.negativeFrequencies = true;
		}
		const double total = figures.carrierPower + figures.sidebandPower;
		// A record with no power at all has no efficiency to speak of; 0 rather than 0/0.
		figures.efficiency = total > 0.0 ? figures.sidebandPower / total : 0.0;
	}

	void AngleFigures(const ModulationParams& params, const std::vector<AngleLine>& lines, SpectrumFigures& figures)
	{
		const double fm = params.freqMod;
		const double fp = params.freqCarrier;
		figures.index = params.modIndex;
		figures.peakDeviation = figures.index * fm;
		figures.carsonBandwidth = 2.0 * (figures.peakDeviation + fm);
		figures.totalPower = LinePower(params.ampCarrier);

		double shownPower = 0.0;
		for (size_t n = 0; n < lines.size(); ++n)
		{
			// Every order past the carrier is a pair of lines, fp + n fm and fp − n fm.
			shownPower += LinePower(lines[n].amplitude) * (n == 0 ? 1.0 : 2.0);
			// A zeroed order is listed but draws no line, so it raises no note.
			if (lines[n].amplitude == 0.0)
				continue;
			if (fp - static_cast<double>(n) * fm < 0.0)
				figures.negativeFrequencies = true;
			// The series is replaced for every order of an index or for none.
			if (!figures.accurateValues && BesselSeriesReplaced(params.modIndex))
				figures.accurateValues = true;
		}
		if (!lines.empty())
			figures.bandwidth = 2.0 * static_cast<double>(lines.size() - 1) * fm;
		figures.shownPowerShare = figures.totalPower > 0.0 ? shownPower / figures.totalPower : 0.0;
	}
}

SpectrumFigures ComputeSpectrumFigures(const ModulationParams& params)
{
	const bool angle = params.kind == MOD_FM || params.kind == MOD_PM;
	return ComputeSpectrumFigures(params, angle ? AngleSpectralLines(params) : std::vector<AngleLine>());
}

SpectrumFigures ComputeSpectrumFigures(const ModulationParams& params, const std::vector<AngleLine>& angleLines)
{
	SpectrumFigures figures{};
	figures.angle = params.kind == MOD_FM || params.kind == MOD_PM;
	if (figures.angle)
		AngleFigures(params, angleLines, figures);
	else if (IsAmplitudeFamily(params.kind))
		AmplitudeFigures(params, figures);
	return figures;
}
