// What the desktop's window manager is asked to put around a top-level window, from the window's
// styles alone: the kind of window, its caption buttons and whether it can be resized.
#pragma once

#include "framework/core/Types.h"
#include "framework/ui/backend/Driver.h"

DesktopFrame AfxDesktopFrameOf(DWORD dwStyle, DWORD dwExStyle, bool bOwned);
