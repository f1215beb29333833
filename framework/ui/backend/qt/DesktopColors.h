// The desktop's colour scheme changing under the program: the system colours it keeps, and the
// WM_SYSCOLORCHANGE every top-level window gets when Qt announces a new application palette.
#pragma once

#include "framework/core/Types.h"

// The colour GetSysColor gives from now on; the brush of GetSysColorBrush takes it too, as on
// Windows, where the system colour brushes follow the colours.
void StoreSysColor(int nIndex, COLORREF cr);
// Called once the Qt application exists.
void WatchDesktopColours();
