// Where the main window's three labels and three scopes go in the client area left between
// its bars: the template's arrangement, with the scopes sharing what the area gains or loses.
#pragma once

#include "framework/core/Geometry.h"

constexpr int MAIN_SCOPE_COUNT = 3;

// Label k names scope k, which lies below it; top to bottom Vm, Vp, Vmto.
struct MainLayout
{
	CRect rcLabels[MAIN_SCOPE_COUNT];
	CRect rcScopes[MAIN_SCOPE_COUNT];
};

// The controls as the template places them, relative to the top-left corner of the area
// between the bars, and the size of that area.
struct MainTemplate
{
	MainLayout controls;
	CSize sizeArea;
};

// The controls for an area of the window: each keeps its template margins to the left and right
// edges, the labels keep their heights and the gaps stay; the scopes grow or shrink by equal
// shares of the change in height, rounded down at each boundary between them (a pixel gained
// that does not divide goes to the lower scopes, one lost is taken from the upper). At the
// template's size every rectangle is the template's.
MainLayout LayOutMainWindow(const MainTemplate& layoutTemplate, const CRect& rcArea);

// The smallest area that leaves every scope at least half its template width and height.
CSize MinimumMainArea(const MainTemplate& layoutTemplate);
