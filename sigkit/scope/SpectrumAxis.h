// The spectrum scope's frequency axis as plain numbers: 1-2-5 ticks laid symmetrically about the
// carrier, their labels (absolute or as offsets from the centre) kept apart and inside the axis.
#pragma once

#include "framework/core/String.h"

#include <functional>
#include <vector>

struct SpectrumTick
{
	double dFrequency;	// Hz, absolute
	int nColumn;	// pixels from the axis' left end
	CString strLabel;	// empty where the label is left out for want of room
	int nLabelLeft;	// pixels from the axis' left end
};

struct SpectrumAxis
{
	double dStep;	// Hz between ticks; 0 for an axis with no span or no width
	BOOL bOffsets;	// the labels other than the centre's read "+10 kHz", "-10 kHz"
	std::vector<SpectrumTick> ticks;	// from left to right; the centre's is always among them
};

// The column of a frequency dOffset Hz from the centre on an axis of nWidth pixels: the centre on
// column nWidth / 2 and the offset rounded by its magnitude, so that lines at ± the same offset
// stand at the same distance either side.
int SpectrumColumn(double dOffset, double dHzPerPixel, int nWidth);

// The step of the 1-2-5 sequence after dStep (1 → 2 → 5 → 10); 0 for a step that is not positive.
double SpectrumNextStep(double dStep);

// The ticks of dCentre ± dHalfSpan laid across nWidth pixels, at dCentre + k × step. The step
// starts from ScopeDivision on the Hz per pixel and grows along the 1-2-5 sequence until the
// labels, nGap pixels apart at least, fit. Labels are absolute FormatMeasure texts when every one
// reads its frequency exactly and no two read the same; otherwise the centre keeps its absolute
// text and the others show their offset. A label that would leave [0, nWidth) is left out.
SpectrumAxis SpectrumAxisTicks(double dCentre, double dHalfSpan, int nWidth, int nGap,
	const std::function<int(const CString&)>& labelWidth);
