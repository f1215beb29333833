// Where the spectrum window's controls go in the client area below its toolbar: the template's
// arrangement, with the bars and the table sharing what the area gains or loses, and room for
// the figures' panel between the labels and the table when it shows.
#pragma once

#include "framework/core/Geometry.h"

constexpr int SPECTRUM_LABEL_COUNT = 4;

// Labels 0 and 1 stand in the left column (modulating frequency and amplitude), 2 and 3 in the
// right one (carrier frequency and amplitude).
struct SpectrumLayout
{
	CRect rcScope;
	CRect rcLabels[SPECTRUM_LABEL_COUNT];
	// The figures' two columns; empty rectangles when the panel is hidden.
	CRect rcFigures[2];
	CRect rcTable;
};

// The controls as the template places them, relative to the top-left corner of the area below
// the toolbar, and the size of that area.
struct SpectrumTemplate
{
	SpectrumLayout controls;
	CSize sizeArea;
};

// The room the panel of nFiguresHeight pixels takes from the bars and the table: its height and
// the template's gap above the table; 0 without a panel.
int SpectrumFiguresRoom(const SpectrumTemplate& layoutTemplate, int nFiguresHeight);

// The controls for an area of the window: everything keeps its template margins to the edges,
// the labels their heights; the bars and the table share the change in height in the template's
// proportion of their heights, the label columns share the change in width equally. At the
// template's size and without a panel every rectangle is the template's.
SpectrumLayout LayOutSpectrumWindow(const SpectrumTemplate& layoutTemplate, const CRect& rcArea, int nFiguresHeight);

// The smallest area that leaves the bars and the table at least half their template sizes.
CSize MinimumSpectrumArea(const SpectrumTemplate& layoutTemplate, int nFiguresHeight);
