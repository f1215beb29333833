// Laying out a window's control bars along its edges and its left-over window in what remains.
#pragma once

#include "framework/ui/bars/BarTypes.h"

class CWnd;

// Sends WM_SIZEPARENT to each child of pWnd whose id lies in nIDFirst..nIDLast, in child order:
// each visible bar takes its slice off the client area (lpRectClient when given), and the child
// nIDLeftOver, if any, fills the rest. With reposQuery nothing moves and lpRectParam receives
// what is left (with bStretch FALSE: the bars' total size at 0, 0); with reposExtra lpRectParam
// holds margins kept free around the left-over window. Unlike Windows, an nIDLeftOver of 0 names
// no window, so that children without an id of their own stay where they are.
void AfxRepositionBars(CWnd* pWnd, UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
	LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr, BOOL bStretch = TRUE);
