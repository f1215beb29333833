// Where the analyser window's controls go in the client area left between its bars: the
// template's arrangement, with the two scopes and the table sharing what the area gains.
#pragma once

#include "framework/core/Geometry.h"

constexpr int FOURIER_SUMMARY_COUNT = 6;

struct FourierControls
{
	CRect rcSignalLabel;
	CRect rcSignalScope;
	CRect rcHarmonicsLabel;
	CRect rcHarmonicsScope;
	CRect rcTable;
	// Beside the table, top to bottom.
	CRect rcSummary[FOURIER_SUMMARY_COUNT];
};

// The controls as the template places them, relative to the top-left corner of the area
// between the bars, and the size of that area.
struct FourierTemplate
{
	FourierControls controls;
	CSize sizeArea;
};

// The controls for an area of the window. The labels keep their heights, the gaps stay, the
// summary keeps its size beside the table's right edge; everything else follows the width. A
// taller area is shared by the two scopes and the table in thirds, a lower one is taken from
// the two scopes alone (halves), so the table always has the summary's height. Shares are
// rounded down at each boundary, a pixel that does not divide going to the lower control. At
// the template's size every rectangle is the template's.
FourierControls LayOutFourierWindow(const FourierTemplate& layoutTemplate, const CRect& rcArea);

// The smallest area that leaves each scope half its template height and the table half its
// template width.
CSize MinimumFourierArea(const FourierTemplate& layoutTemplate);
