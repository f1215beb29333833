// The spectrum's figures in words: whole panels of lines for records of both families.
#include "app/SpectrumFigureTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(SpectrumFigureLines, PanelsOfBothFamilies)
{
	struct Case
	{
		int32_t kind;
		double m, ap, fm, fp;
		std::vector<std::string> lines;
	};
	const Case cases[] = {
		{ MOD_AM, 0.5, 1.0, 10000.0, 200000.0,
			{ "Banda: 20 kHz (2 fm)", "Potenza portante: 0,5 W", "Potenza bande laterali: 62,5 mW",
				"Efficienza: 11,11 %" } },
		{ MOD_SSB_LSB, 0.8, 1.5, 30000.0, 10000.0,
			{ "Banda: 30 kHz (fm)", "Potenza portante: 0 W (soppressa)", "Potenza banda laterale: 180 mW",
				"Efficienza: 100 %", "Frequenze negative nello spettro: fm supera fp." } },
		{ MOD_FM, 40.0, 1.0, 1000.0, 44000.0,
			{ "Indice β = 40", "Deviazione di picco Δf = β fm = 40 kHz", "Banda di Carson 2 (Δf + fm) = 82 kHz",
				"Banda delle righe mostrate (1 %) = 90 kHz", "Potenza nelle righe mostrate: 99,96 %",
				"Alcune righe cadono a frequenze negative: metà della banda supera fp.",
				"Indice elevato: le ampiezze sono calcolate con precisione, perché la serie perde cifre "
				"significative." } },
	};
	for (const Case& c : cases)
	{
		const ModulationParams params{ PARAM_UNSET, c.fm, c.ap, PARAM_UNSET, c.fp, c.kind, c.m };
		std::vector<std::string> lines;
		for (const CString& str : SpectrumFigureLines(params, ComputeSpectrumFigures(params)))
			lines.push_back(static_cast<LPCTSTR>(str));
		EXPECT_EQ(lines, c.lines) << "kind " << c.kind << " m " << c.m;
	}
}
