// The scope's picture as drawing commands: grid, axes and traces from the stored pixels and the
// client rectangle, so that painting is a loop of MoveTo and LineTo with the named pen.
#pragma once

#include "framework/core/Collections.h"
#include "framework/core/Geometry.h"
#include "framework/core/Types.h"

#include <vector>

constexpr COLORREF SCOPE_BACKGROUND_COLOR = RGB(0, 0, 0);
constexpr COLORREF SCOPE_GRID_COLOR = RGB(0, 128, 0);
constexpr COLORREF SCOPE_TRACE_COLOR = RGB(0, 255, 0);
constexpr COLORREF SCOPE_AXIS_COLOR = RGB(255, 0, 0);

// Solid pens of width 1; bar-mode guide lines use the grid pen.
enum class ScopePen
{
	Grid,
	Trace,
	Axis,
};

COLORREF ScopePenColor(ScopePen pen);

enum class ScopeDraw
{
	MoveTo,
	LineTo,
};

struct ScopeCommand
{
	ScopeDraw draw;
	ScopePen pen;
	CPoint pt;
};

typedef std::vector<ScopeCommand> ScopeCommandList;

// What a repaint reads from the control.
struct ScopePaintState
{
	CRect rcClient;	// the whole client rectangle, not the display rectangle
	int nXAxis;	// row of the horizontal axis
	int nYAxis;	// column of the vertical axis
	int nXGrid;	// pixels between vertical grid lines, 0 for none
	int nYGrid;	// pixels between horizontal grid lines, 0 for none
	BOOL bDisplayAxis;
	int nPlayMode;
	int nStartDisplay;
	int nEndDisplay;
};

// Lines are left out where they would have no length: a line leaves its end point undrawn, so
// on Windows such a line paints nothing.

// Positions axis, axis − step, … down to nLow, then axis + step, … up to nHigh, all within
// [nLow, nHigh]. No positions when the step is not positive.
std::vector<int> ScopeGridPositions(int nAxis, int nStep, int nLow, int nHigh);

// Vertical then horizontal grid lines over the whole client rectangle, then the two axes in red
// when they are displayed: horizontal first, vertical second.
void BuildGridCommands(const ScopePaintState& state, ScopeCommandList& commands);

// Rows above the top are drawn on the top edge and rows below the bottom on the bottom edge.
int ScopeClampRow(int nRow, const CRect& rcClient);

// One trace joined point to point. Points left or right of the client rectangle are skipped;
// drawing starts with a move to the first visible point, and a visible point after skipped
// ones is joined to the last visible point before them.
void BuildPolylineCommands(const CWordArray& aColumns, const CWordArray& aRows, const CRect& rcClient,
	ScopeCommandList& commands);

// As the polyline, but a change of row is drawn as a staircase: across to the midpoint
// M = previous column + (column − previous column) / 2, up or down, then across. The previous
// point is the stored one before this one, visible or not, with its row unclamped.
void BuildStepCommands(const CWordArray& aColumns, const CWordArray& aRows, const CRect& rcClient,
	ScopeCommandList& commands);

// One vertical bar per visible point from the horizontal axis to its clamped row, after a
// full-height guide line through its column, broken at the axis; the column of the
// vertical axis gets no guide line.
void BuildBarCommands(const CWordArray& aColumns, const CWordArray& aRows, const ScopePaintState& state,
	ScopeCommandList& commands);

// Traces nStartDisplay to nEndDisplay (within those stored) in the play mode's style: bars for
// mode 2, steps for mode 3, a polyline for any other mode.
void BuildTraceCommands(const CObArray& aXPixels, const CObArray& aYPixels, const ScopePaintState& state,
	ScopeCommandList& commands);
