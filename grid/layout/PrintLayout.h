// The grid's print pagination as plain functions: how many screen pixels of cells a page holds,
// the scales and edges that carry screen pixels onto the printer, and the pages a block of cells
// takes, numbered across first.
#pragma once

#include "framework/core/Geometry.h"
#include "grid/layout/GridLayout.h"

#include <vector>

// The printer as its device capabilities give it: pixels (HORZRES, VERTRES) and millimetres
// (HORZSIZE, VERTSIZE).
struct GridPrintDevice
{
	int nHorzRes;
	int nVertRes;
	int nHorzSize;
	int nVertSize;
};

// Millimetres left blank on each side of the page.
struct GridPrintMargins
{
	int nLeft;
	int nTop;
	int nRight;
	int nBottom;
};

// Screen pixels of cells one page holds: the printable millimetres at 3.79 pixels a millimetre
// across and 3.78 down, truncated, less the headings printed on every page (0 when they are not).
CSize GridPrintableScreenSize(const GridPrintDevice& device, const GridPrintMargins& margins, int nSideHeadingWidth,
	int nTopHeadingHeight);

struct GridPrintScale
{
	// Printer pixels per screen pixel.
	double dColumnScale;
	double dRowScale;
	// The printable area in printer pixels.
	CRect rcEdges;
};

// The scales come from the whole printable area, headings or not, so a page of cells with its
// headings stays within the margins and the print keeps its size whichever headings are printed.
// Zero scales for a page with no printable area.
GridPrintScale GridPrintScaleFor(const GridPrintDevice& device, const GridPrintMargins& margins);

// A run of columns (or rows) printed together, first and last included.
struct GridPrintSpan
{
	long nFirst;
	long nLast;
};

// Splits nFirst .. nLast into runs that fit nAvail pixels each. A run ends before the position
// that makes it overflow; a position at least nAvail wide gets a run of its own, cut at the edge.
std::vector<GridPrintSpan> GridPrintBreaks(const GridAxis& axis, long nFirst, long nLast, long long nAvail);

struct GridPrintPage
{
	int nPage;
	int nFirstCol;
	int nLastCol;
	long nFirstRow;
	long nLastRow;
};

// Every row band with every column page, numbered across first: page = column page + (band - 1)
// x column pages.
std::vector<GridPrintPage> GridPrintPages(const std::vector<GridPrintSpan>& columnPages,
	const std::vector<GridPrintSpan>& rowBands);
