// Arithmetic of a calibrated scope's time window.
#include "sigkit/scope/ScopeView.h"

#include <algorithm>
#include <cmath>

namespace
{
	// Slides the window, keeping its span, to lie within the whole one.
	ScopeTimeWindow KeepWithin(double dStart, double dSpan, const ScopeTimeWindow& whole)
	{
		if (dSpan >= ScopeSpan(whole))
			return whole;
		dStart = std::max(whole.dStart, std::min(dStart, whole.dEnd - dSpan));
		return ScopeTimeWindow{ dStart, dStart + dSpan };
	}
}

ScopeTimeWindow ZoomTimeWindow(const ScopeTimeWindow& window, double dAnchor, double dFactor,
	const ScopeTimeWindow& whole, double dMinSpan)
{
	const double dSpan = ScopeSpan(window);
	if (!(dFactor > 0.0) || !(dSpan > 0.0))
		return KeepWithin(window.dStart, dSpan, whole);
	const double dNewSpan = std::min(ScopeSpan(whole), std::max(dMinSpan, dSpan * dFactor));
	const double dAnchorShare = (dAnchor - window.dStart) / dSpan;
	return KeepWithin(dAnchor - dAnchorShare * dNewSpan, dNewSpan, whole);
}

ScopeTimeWindow PanTimeWindow(const ScopeTimeWindow& window, double dShift, const ScopeTimeWindow& whole)
{
	return KeepWithin(window.dStart + dShift, ScopeSpan(window), whole);
}

double ScopeTimeToColumn(const ScopeTimeWindow& window, int nWidth, double dTime)
{
	return (dTime - window.dStart) * nWidth / ScopeSpan(window);
}

double ScopeColumnToTime(const ScopeTimeWindow& window, int nWidth, double dColumn)
{
	return window.dStart + dColumn * ScopeSpan(window) / nWidth;
}

std::vector<ScopeColumnRange> ScopeMinMaxColumns(const double* pTimes, const double* pValues, int nCount,
	const ScopeTimeWindow& window, int nColumns)
{
	std::vector<ScopeColumnRange> columns(std::max(nColumns, 0), ScopeColumnRange{ TRUE, 0.0, 0.0 });
	if (nColumns <= 0 || !(ScopeSpan(window) > 0.0))
		return columns;
	const int nFirst = static_cast<int>(std::lower_bound(pTimes, pTimes + nCount, window.dStart) - pTimes);
	for (int i = nFirst; i < nCount; i++)
	{
		const double dColumn = std::floor(ScopeTimeToColumn(window, nColumns, pTimes[i]));
		if (dColumn >= nColumns)
			break;
		if (dColumn < 0.0)
			continue;
		ScopeColumnRange& range = columns[static_cast<size_t>(dColumn)];
		if (range.bEmpty)
			range = ScopeColumnRange{ FALSE, pValues[i], pValues[i] };
		else
		{
			range.dMin = std::min(range.dMin, pValues[i]);
			range.dMax = std::max(range.dMax, pValues[i]);
		}
	}
	return columns;
}

BOOL ScopeValueAt(const double* pTimes, const double* pValues, int nCount, double dTime, double& dValue)
{
	if (nCount <= 0 || !(dTime >= pTimes[0]) || !(dTime <= pTimes[nCount - 1]))
		return FALSE;
	const int nAfter = static_cast<int>(std::upper_bound(pTimes, pTimes + nCount, dTime) - pTimes);
	if (nAfter >= nCount)
	{
		dValue = pValues[nCount - 1];
		return TRUE;
	}
	const int nBefore = nAfter - 1;
	const double dShare = (dTime - pTimes[nBefore]) / (pTimes[nAfter] - pTimes[nBefore]);
	dValue = pValues[nBefore] + dShare * (pValues[nAfter] - pValues[nBefore]);
	return TRUE;
}

BOOL ScopeCursorFrequency(double dTimeA, double dTimeB, double& dFrequency)
{
	const double dDelta = dTimeB - dTimeA;
	if (dDelta == 0.0 || !std::isfinite(dDelta))
		return FALSE;
	dFrequency = 1.0 / std::fabs(dDelta);
	return TRUE;
}
