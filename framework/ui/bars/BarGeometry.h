// The geometry of control bars as plain functions: borders, toolbar items, status-bar panes and
// the slices bars take off their parent's client area.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Types.h"

#include <vector>

// Classic Windows metrics. A bar draws a 2-pixel etched line on each side its CBRS_BORDER_ bits
// name. A toolbar has 4 pixels inside its borders on the left and right and 2 above and below its
// buttons, so a top toolbar of 23 x 22 buttons is 2 + 22 + 2 + 2 = 28 pixels high. A status bar
// has 2 pixels inside on the left and right and 1 above and below its 16-pixel panes, which are
// 2 pixels apart: a bottom status bar is 2 + 1 + 16 + 1 = 20 pixels high.
constexpr int BAR_BORDER = 2;
constexpr int TOOLBAR_INSET_X = 4;
constexpr int TOOLBAR_INSET_Y = 2;
constexpr int TOOLBAR_BUTTON_CX = 23;
constexpr int TOOLBAR_BUTTON_CY = 22;
constexpr int TOOLBAR_IMAGE_CX = 16;
constexpr int TOOLBAR_IMAGE_CY = 15;
constexpr int TOOLBAR_SEPARATOR_CX = 7;
// A button is at least this much larger than its image: its two edges and the press offset.
constexpr int TOOLBAR_BUTTON_MARGIN_CX = 7;
constexpr int TOOLBAR_BUTTON_MARGIN_CY = 6;
// A toolbar resource's buttons are its images grown by this much each way (23 x 22 for 16 x 15).
constexpr int TOOLBAR_RESOURCE_MARGIN = 7;
constexpr int STATUS_INSET_X = 2;
constexpr int STATUS_INSET_Y = 1;
constexpr int STATUS_PANE_CY = 16;
constexpr int STATUS_PANE_GAP = 2;
// A pane is its text width plus a 1-pixel edge and 2 pixels of space on each side.
constexpr int STATUS_PANE_MARGIN = 3;
constexpr int STATUS_GRIP_CX = 16;

// The thickness of the bar's borders on each side (left, top, right, bottom).
CRect ControlBarBorders(DWORD dwBarStyle);

// Where a toolbar's first item starts, inside its borders.
CPoint ToolBarOrigin(DWORD dwBarStyle);
// The items of a horizontal toolbar side by side from ptOrigin: item i is widths[i] wide (the
// button width, or a separator's own) and cyButton high.
std::vector<CRect> ToolBarItemRects(CPoint ptOrigin, const std::vector<int>& widths, int cyButton);
// The size a horizontal toolbar needs for those items.
CSize ToolBarFixedSize(DWORD dwBarStyle, const std::vector<int>& widths, int cyButton);

struct StatusPaneMetric
{
	int cxWidth;	// the text width; a stretching pane's least width
	BOOL bStretch;
};

int StatusBarHeight(DWORD dwBarStyle);
// The panes of a status bar cxBar wide, left to right; stretching panes share what the others
// leave (the first of them takes the odd pixels), and cxGrip pixels stay free at the right for
// the size grip.
std::vector<CRect> StatusPaneRects(int cxBar, DWORD dwBarStyle, const std::vector<StatusPaneMetric>& panes,
	int cxGrip);

// A bar aligned by dwAlign (CBRS_ALIGN_TOP, _BOTTOM, _LEFT or _RIGHT) of the given size takes its
// slice off the edge of rcFree, which shrinks. A stretched bar spans the whole free width (or
// height, for a vertical bar). Returns the bar's rectangle; an unaligned bar takes nothing.
CRect TakeBarSlice(RECT& rcFree, DWORD dwAlign, CSize size, BOOL bStretch);
