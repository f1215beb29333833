// The tooltip of the windows that enabled tooltips for their own tools (CWnd::EnableToolTips):
// it follows the mouse input taken from the queue and shows in the program's one tooltip window.
#pragma once

#include "framework/ui/window/WndTypes.h"

// A mouse move asks the window under the mouse for its tool; a button press puts the tip away.
void RelayInputToToolTips(const MSG& msg);
// Hides the tip and forgets its tool, so that it shows again only after a new hover delay.
void CancelWindowToolTip();
// The window stops showing tooltips: its tip, if it shows one, goes.
void ForgetWindowToolTip(HWND hWnd);
// The hover delay has passed: the current tool's tip shows.
void OnToolTipHoverTimer();
