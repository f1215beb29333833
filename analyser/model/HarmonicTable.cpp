// The analysed record as the analyser shows it: duration, table rows, summary and CSV.
#include "analyser/model/HarmonicTable.h"

#include "sigkit/signal/Signal.h"
#include "sigkit/signal/ValueText.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

namespace
{
	// The constants of the analysis and of the sample grid: with them the phase DoSpettro gives a
	// cosine reads exactly 90°, and 25 samples make one carrier period.
	constexpr double TWO_PI = 6.283185308;
	constexpr double PI = 3.141592654;
	constexpr double IMPORTED_STEP = 1.0;
	constexpr double SIGNIFICANT_SHARE = 0.01;

	// The mean counts by its size whatever its sign.
	double Magnitude(const CSignal& analysed, UINT k)
	{
		return k == 0 ? std::fabs(analysed.m_pHarmAmp[0]) : analysed.m_pHarmAmp[k];
	}

	double Power(const CSignal& analysed, UINT k)
	{
		const double a = analysed.m_pHarmAmp[k];
		return k == 0 ? a * a : a * a / 2.0;
	}

	double LargestMagnitude(const CSignal& analysed)
	{
		double largest = 0.0;
		for (UINT k = 0; k < analysed.m_nHarmonics; k++)
			largest = std::max(largest, Magnitude(analysed, k));
		return largest;
	}

	// The power outside the three largest components, summed from the others so that it is never
	// below zero.
	double PowerOutsideLargestThree(const CSignal& analysed, double& total)
	{
		std::vector<double> powers(analysed.m_nHarmonics);
		total = 0.0;
		for (UINT k = 0; k < analysed.m_nHarmonics; k++)
		{
			powers[k] = Power(analysed, k);
			total += powers[k];
		}
		const size_t largest = std::min<size_t>(3, powers.size());
		std::partial_sort(powers.begin(), powers.begin() + largest, powers.end(), std::greater<double>());
		return std::accumulate(powers.begin() + largest, powers.end(), 0.0);
	}

	// The mean's row is at 0 Hz even when the duration is not a usable number.
	double HarmonicFrequency(UINT k, double duration)
	{
		return k == 0 ? 0.0 : k / duration;
	}
}

double SignalDuration(const CSignal& signal)
{
	if (signal.m_dStepX == IMPORTED_STEP)
		return signal.m_dPeriod;
	return signal.m_nPoints * signal.m_dStepX / (TWO_PI * signal.m_dFrequency);
}

UINT DefaultHarmonicCount(const CSignal& signal)
{
	return std::max(1u, signal.m_nPoints / 2);
}

std::vector<HarmonicRow> HarmonicRows(const CSignal& analysed, bool bAll)
{
	const double duration = SignalDuration(analysed);
	const double threshold = SIGNIFICANT_SHARE * LargestMagnitude(analysed);
	std::vector<HarmonicRow> rows;
	for (UINT k = 0; k < analysed.m_nHarmonics; k++)
	{
		const double amplitude = analysed.m_pHarmAmp[k];
		if (bAll || k == 0 || (amplitude >= threshold && amplitude > 0.0))
			rows.push_back({k, HarmonicFrequency(k, duration), amplitude, analysed.m_pHarmPhase[k] / PI * 180.0});
	}
	return rows;
}

SignalSummary SummariseSignal(const CSignal& analysed)
{
	SignalSummary summary = {};
	summary.nSamples = analysed.m_nPoints;
	summary.dDuration = SignalDuration(analysed);
	summary.dResolution = 1.0 / summary.dDuration;
	for (UINT k = 1; k < analysed.m_nHarmonics; k++)
	{
		if (Magnitude(analysed, k) > Magnitude(analysed, summary.nLargest))
			summary.nLargest = k;
	}
	if (analysed.m_nHarmonics > 0)
	{
		summary.dLargestAmplitude = analysed.m_pHarmAmp[summary.nLargest];
		summary.dLargestFrequency = HarmonicFrequency(summary.nLargest, summary.dDuration);
		double total;
		const double outside = PowerOutsideLargestThree(analysed, total);
		summary.dDistortion = total > 0.0 ? outside / total : 0.0;
	}
	return summary;
}

CString HarmonicTableCsv(const std::vector<HarmonicRow>& rows)
{
	CString csv = "armonica,frequenza_hz,ampiezza,fase_gradi\n";
	for (const HarmonicRow& row : rows)
	{
		CString line;
		line.Format("%u,%s,%s,%s\n", row.nHarmonic, LPCSTR(DoubleToText(row.dFrequency)),
			LPCSTR(DoubleToText(row.dAmplitude)), LPCSTR(DoubleToText(row.dPhaseDegrees)));
		csv += line;
	}
	return csv;
}
