// The time window a calibrated scope shows, in seconds: zoom, pan, the mapping to pixel columns,
// the min-max envelope of a trace per column, values between samples and cursor arithmetic.
#pragma once

#include "framework/core/Types.h"

#include <vector>

struct ScopeTimeWindow
{
	double dStart;
	double dEnd;
};

inline double ScopeSpan(const ScopeTimeWindow& window)
{
	return window.dEnd - window.dStart;
}

// Zooms by dFactor (below 1 zooms in) keeping dAnchor on the same place of the window. The span
// stays between dMinSpan and the whole span, and the window within the whole one.
ScopeTimeWindow ZoomTimeWindow(const ScopeTimeWindow& window, double dAnchor, double dFactor,
	const ScopeTimeWindow& whole, double dMinSpan);
// Moves the window later by dShift seconds (earlier when negative), stopping at the whole's ends.
ScopeTimeWindow PanTimeWindow(const ScopeTimeWindow& window, double dShift, const ScopeTimeWindow& whole);

// The window laid over nWidth columns: column 0 starts at dStart and column nWidth at dEnd.
double ScopeTimeToColumn(const ScopeTimeWindow& window, int nWidth, double dTime);
double ScopeColumnToTime(const ScopeTimeWindow& window, int nWidth, double dColumn);

struct ScopeColumnRange
{
	BOOL bEmpty;	// no sample falls in the column
	double dMin;
	double dMax;
};

// For nCount samples at ascending times pTimes with values pValues, the smallest and largest
// value of the samples whose time falls in each of nColumns columns of the window (column c
// holds the times mapping to [c, c + 1)).
std::vector<ScopeColumnRange> ScopeMinMaxColumns(const double* pTimes, const double* pValues, int nCount,
	const ScopeTimeWindow& window, int nColumns);

// The value at dTime, interpolated linearly between the neighbouring samples; FALSE before the
// first sample or after the last.
BOOL ScopeValueAt(const double* pTimes, const double* pValues, int nCount, double dTime, double& dValue);

// Between two cursors: Δt = tB − tA, and the frequency 1/|Δt|, none when Δt is 0.
BOOL ScopeCursorFrequency(double dTimeA, double dTimeB, double& dFrequency);
