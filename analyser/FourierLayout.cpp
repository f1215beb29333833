// The analyser window's layout arithmetic.
#include "analyser/FourierLayout.h"

#include <algorithm>

namespace
{
	// Division rounding toward minus infinity, so that shrinking shares out as growing does.
	int FloorDiv(int nValue, int nDivisor)
	{
		const int nQuotient = nValue / nDivisor;
		return nQuotient * nDivisor > nValue ? nQuotient - 1 : nQuotient;
	}

	CRect Placed(const CRect& rcTemplate, const CRect& rcArea, int nRight, int nWider, int nDown, int nTaller)
	{
		CRect rc(rcTemplate);
		rc.OffsetRect(rcArea.left + nRight, rcArea.top + nDown);
		rc.right = std::max(rc.right + nWider, rc.left);
		rc.bottom = std::max(rc.bottom + nTaller, rc.top);
		return rc;
	}
}

FourierControls LayOutFourierWindow(const FourierTemplate& layoutTemplate, const CRect& rcArea)
{
	const FourierControls& from = layoutTemplate.controls;
	const int nWider = rcArea.Width() - layoutTemplate.sizeArea.cx;
	const int nGain = rcArea.Height() - layoutTemplate.sizeArea.cy;
	const int nShares = nGain > 0 ? 3 : 2;
	// What the controls above the harmonics scope, and above the table, gain together.
	const int nAboveHarmonics = FloorDiv(nGain, nShares);
	const int nAboveTable = FloorDiv(nGain * 2, nShares);

	FourierControls to;
	to.rcSignalLabel = Placed(from.rcSignalLabel, rcArea, 0, nWider, 0, 0);
	to.rcSignalScope = Placed(from.rcSignalScope, rcArea, 0, nWider, 0, nAboveHarmonics);
	to.rcHarmonicsLabel = Placed(from.rcHarmonicsLabel, rcArea, 0, nWider, nAboveHarmonics, 0);
	to.rcHarmonicsScope =
		Placed(from.rcHarmonicsScope, rcArea, 0, nWider, nAboveHarmonics, nAboveTable - nAboveHarmonics);
	to.rcTable = Placed(from.rcTable, rcArea, 0, nWider, nAboveTable, nGain - nAboveTable);
	for (int k = 0; k < FOURIER_SUMMARY_COUNT; k++)
		to.rcSummary[k] = Placed(from.rcSummary[k], rcArea, nWider, 0, nAboveTable, 0);
	return to;
}

CSize MinimumFourierArea(const FourierTemplate& layoutTemplate)
{
	const FourierControls& controls = layoutTemplate.controls;
	const int nLowest = std::min(controls.rcSignalScope.Height(), controls.rcHarmonicsScope.Height());
	return CSize(layoutTemplate.sizeArea.cx - controls.rcTable.Width() / 2,
		layoutTemplate.sizeArea.cy - 2 * (nLowest / 2));
}
