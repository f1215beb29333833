// Records the bars exchange with their owner: the layout parameters of WM_SIZEPARENT (the tooltip
// text requests are the window layer's, in ToolInfo.h).
#pragma once

#include "framework/core/BarConstants.h"
#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/ui/window/ToolInfo.h"
#include "framework/ui/window/WndTypes.h"

// WM_SIZEPARENT's lParam. Each bar takes its slice off rect (the parent's client area still
// free) and moves there unless bQuery is set.
struct AFX_SIZEPARENTPARAMS
{
	RECT rect;
	SIZE sizeTotal;	// the space taken by the bars so far
	BOOL bStretch;	// horizontal bars span the whole width, vertical ones the whole height
	BOOL bQuery;
};

// RepositionBars modes
constexpr UINT reposDefault = 0;
constexpr UINT reposQuery = 1;
// lpRectParam holds margins kept free around the left-over window.
constexpr UINT reposExtra = 2;
