// The main window's layout arithmetic.
#include "app/MainLayout.h"

#include <algorithm>

namespace
{
	// Division rounding toward minus infinity, so that shrinking shares out as growing does.
	int FloorDiv(int nValue, int nDivisor)
	{
		const int nQuotient = nValue / nDivisor;
		return nQuotient * nDivisor > nValue ? nQuotient - 1 : nQuotient;
	}

	// Pixels that the scopes above scope k (k of them) gain together.
	int GainAbove(int nGain, int k)
	{
		return FloorDiv(nGain * k, MAIN_SCOPE_COUNT);
	}

	CRect Placed(const CRect& rcTemplate, const CRect& rcArea, int nWider, int nDown, int nTaller)
	{
		CRect rc(rcTemplate);
		rc.OffsetRect(rcArea.left, rcArea.top + nDown);
		rc.right += nWider;
		rc.bottom += nTaller;
		rc.right = std::max(rc.right, rc.left);
		rc.bottom = std::max(rc.bottom, rc.top);
		return rc;
	}
}

MainLayout LayOutMainWindow(const MainTemplate& layoutTemplate, const CRect& rcArea)
{
	const int nWider = rcArea.Width() - layoutTemplate.sizeArea.cx;
	const int nGain = rcArea.Height() - layoutTemplate.sizeArea.cy;
	MainLayout layout;
	for (int k = 0; k < MAIN_SCOPE_COUNT; k++)
	{
		const int nDown = GainAbove(nGain, k);
		const int nTaller = GainAbove(nGain, k + 1) - nDown;
		layout.rcLabels[k] = Placed(layoutTemplate.controls.rcLabels[k], rcArea, nWider, nDown, 0);
		layout.rcScopes[k] = Placed(layoutTemplate.controls.rcScopes[k], rcArea, nWider, nDown, nTaller);
	}
	return layout;
}

// Each scope gives up the same share, half the lowest scope's height, so no scope falls below
// half its own.
CSize MinimumMainArea(const MainTemplate& layoutTemplate)
{
	int nLowest = layoutTemplate.controls.rcScopes[0].Height();
	int nNarrowest = layoutTemplate.controls.rcScopes[0].Width();
	for (const CRect& rcScope : layoutTemplate.controls.rcScopes)
	{
		nLowest = std::min(nLowest, rcScope.Height());
		nNarrowest = std::min(nNarrowest, rcScope.Width());
	}
	return CSize(layoutTemplate.sizeArea.cx - nNarrowest / 2,
		layoutTemplate.sizeArea.cy - MAIN_SCOPE_COUNT * (nLowest / 2));
}
