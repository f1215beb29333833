// The spectrum window's layout at any size.
#include "app/SpectrumLayout.h"

namespace
{
	int TemplateGapAboveTable(const SpectrumLayout& controls)
	{
		return controls.rcTable.top - controls.rcLabels[SPECTRUM_LABEL_COUNT - 1].bottom;
	}

	// Floor division, so that a loss of an odd pixel is taken from the bars as a gain goes to the table.
	int FloorShare(int nChange, int nPart, int nWhole)
	{
		if (nWhole <= 0)
			return 0;
		const long long product = static_cast<long long>(nChange) * nPart;
		long long share = product / nWhole;
		if (product % nWhole != 0 && product < 0)
			share--;
		return static_cast<int>(share);
	}
}

int SpectrumFiguresRoom(const SpectrumTemplate& layoutTemplate, int nFiguresHeight)
{
	return nFiguresHeight > 0 ? nFiguresHeight + TemplateGapAboveTable(layoutTemplate.controls) : 0;
}

SpectrumLayout LayOutSpectrumWindow(const SpectrumTemplate& layoutTemplate, const CRect& rcArea, int nFiguresHeight)
{
	const SpectrumLayout& from = layoutTemplate.controls;
	const int nRoom = SpectrumFiguresRoom(layoutTemplate, nFiguresHeight);
	const int nWider = rcArea.Width() - layoutTemplate.sizeArea.cx;
	const int nTaller = rcArea.Height() - layoutTemplate.sizeArea.cy - nRoom;
	const int nScopeShare = FloorShare(nTaller, from.rcScope.Height(), from.rcScope.Height() + from.rcTable.Height());
	const int nLeftWider = FloorShare(nWider, 1, 2);

	SpectrumLayout layout = from;
	layout.rcScope.right += nWider;
	layout.rcScope.bottom += nScopeShare;
	for (int k = 0; k < SPECTRUM_LABEL_COUNT; k++)
	{
		CRect& rc = layout.rcLabels[k];
		rc.OffsetRect(0, nScopeShare);
		if (k < 2)
			rc.right += nLeftWider;
		else
		{
			rc.left += nLeftWider;
			rc.right += nWider;
		}
	}
	layout.rcTable.top += nScopeShare + nRoom;
	layout.rcTable.right += nWider;
	layout.rcTable.bottom += nTaller + nRoom;
	layout.rcScope.OffsetRect(rcArea.left, rcArea.top);
	layout.rcTable.OffsetRect(rcArea.left, rcArea.top);
	for (CRect& rc : layout.rcLabels)
		rc.OffsetRect(rcArea.left, rcArea.top);
	for (int k = 0; k < 2; k++)
	{
		layout.rcFigures[k].SetRectEmpty();
		if (nRoom == 0)
			continue;
		const CRect& rcAbove = layout.rcLabels[2 * k + 1];
		const int nTop = rcAbove.bottom + TemplateGapAboveTable(from);
		layout.rcFigures[k] = CRect(rcAbove.left, nTop, rcAbove.right, nTop + nFiguresHeight);
	}
	return layout;
}

CSize MinimumSpectrumArea(const SpectrumTemplate& layoutTemplate, int nFiguresHeight)
{
	const SpectrumLayout& from = layoutTemplate.controls;
	return CSize(layoutTemplate.sizeArea.cx - from.rcScope.Width() / 2,
		layoutTemplate.sizeArea.cy + SpectrumFiguresRoom(layoutTemplate, nFiguresHeight)
			- (from.rcScope.Height() + from.rcTable.Height()) / 2);
}
