// The spectrum's figures as the lines of the window's panel, measures in the Italian format with
// SI prefixes.
#include "app/SpectrumFigureTexts.h"

#include "sigkit/scope/ScopeScale.h"

#include <cmath>

namespace
{
	// Two decimals are what a course quotes; trailing zeros go as in every other measure.
	CString Percent(double dFraction)
	{
		return FormatNumber(std::round(dFraction * 10000.0) / 100.0) + " %";
	}

	bool HasTwoSideBands(int32_t kind)
	{
		return kind == MOD_AM || kind == MOD_DSB_SC;
	}

	void AddAmplitudeLines(const ModulationParams& params, const SpectrumFigures& figures, std::vector<CString>& lines)
	{
		const bool bTwoSides = HasTwoSideBands(params.kind);
		lines.push_back("Banda: " + FormatMeasure(figures.bandwidth, "Hz") + (bTwoSides ? " (2 fm)" : " (fm)"));
		CString strCarrier = "Potenza portante: " + FormatMeasure(figures.carrierPower, "W");
		if (figures.carrierPower == 0.0)
			strCarrier += " (soppressa)";
		lines.push_back(strCarrier);
		lines.push_back((bTwoSides ? "Potenza bande laterali: " : "Potenza banda laterale: ")
			+ FormatMeasure(figures.sidebandPower, "W"));
		lines.push_back("Efficienza: " + Percent(figures.efficiency));
		if (figures.negativeFrequencies)
			lines.push_back("Frequenze negative nello spettro: fm supera fp.");
	}

	void AddAngleLines(const SpectrumFigures& figures, std::vector<CString>& lines)
	{
		lines.push_back("Indice β = " + FormatNumber(figures.index));
		lines.push_back("Deviazione di picco Δf = β fm = " + FormatMeasure(figures.peakDeviation, "Hz"));
		lines.push_back("Banda di Carson 2 (Δf + fm) = " + FormatMeasure(figures.carsonBandwidth, "Hz"));
		lines.push_back("Banda delle righe mostrate (1 %) = " + FormatMeasure(figures.bandwidth, "Hz"));
		lines.push_back("Potenza nelle righe mostrate: " + Percent(figures.shownPowerShare));
		if (figures.negativeFrequencies)
			lines.push_back("Alcune righe cadono a frequenze negative: metà della banda supera fp.");
		if (figures.accurateValues)
			lines.push_back("Indice elevato: le ampiezze sono calcolate con precisione, "
							"perché la serie perde cifre significative.");
	}
}

std::vector<CString> SpectrumFigureLines(const ModulationParams& params, const SpectrumFigures& figures)
{
	std::vector<CString> lines;
	if (figures.angle)
		AddAngleLines(figures, lines);
	else if (IsAmplitudeFamily(params.kind))
		AddAmplitudeLines(params, figures, lines);
	return lines;
}
