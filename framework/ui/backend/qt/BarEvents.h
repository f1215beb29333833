// What the bars hear from Qt beyond the window messages: the pointer leaving the bar.
#pragma once

#include "framework/ui/window/WndTypes.h"

// From now on the window receives WM_MOUSELEAVE whenever the pointer leaves it, as a window that
// asked Windows to track the mouse does.
void TrackBarMouseLeave(HWND hWnd);
