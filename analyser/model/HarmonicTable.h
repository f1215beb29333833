// What the analyser shows of an analysed signal: its duration, the rows of its harmonic table,
// a summary, and the table as CSV. Plain functions of the record, without any window.
#pragma once

#include "framework/core/String.h"
#include "framework/core/Types.h"

#include <vector>

class CSignal;

// One row of the table: row 0 is the mean value (frequency 0, phase 0), row k harmonic k.
struct HarmonicRow
{
	UINT nHarmonic;
	double dFrequency;	// k / D, in hertz, D being the signal's duration
	double dAmplitude;
	double dPhaseDegrees;	// DoSpettro's phase, in degrees
};

struct SignalSummary
{
	UINT nSamples;
	double dDuration;	// seconds
	double dResolution;	// 1 / D, hertz
	UINT nLargest;	// the row of the largest component
	double dLargestAmplitude;
	double dLargestFrequency;
	// The share of the signal's power outside its three largest components, 0 to 1.
	double dDistortion;
};

// The record's duration D in seconds: for samples whose X values are carrier phases (a step of
// 0.25132741232, the carrier frequency in m_dFrequency), N × step / (2π × frequency); for the text
// form (step 1.0), its period.
double SignalDuration(const CSignal& signal);
// The harmonic count that covers the whole band: N / 2 (at least 1).
UINT DefaultHarmonicCount(const CSignal& signal);
// The rows of a record DoSpettro has analysed: every one with bAll, else the significant ones
// (amplitude at least 1 % of the largest component, the mean counted by its size) and the mean always.
std::vector<HarmonicRow> HarmonicRows(const CSignal& analysed, bool bAll);
SignalSummary SummariseSignal(const CSignal& analysed);
// "armonica,frequenza_hz,ampiezza,fase_gradi", then one line a row, each ending in a line feed:
// point decimals, 17 significant digits, so that every number reads back to the same double.
CString HarmonicTableCsv(const std::vector<HarmonicRow>& rows);
