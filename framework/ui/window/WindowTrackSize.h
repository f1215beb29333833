// The sizes a user may drag a window to: the window's WM_GETMINMAXINFO answer, kept by the
// native window so that the desktop enforces the minimum while the user drags.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/ui/window/WndTypes.h"

class CWindowRecord;

// Windows asks top-level windows that have a sizing border, or are overlapped, for their
// limits; other windows have none.
bool HasTrackSize(const CWindowRecord& record);

// Sends WM_GETMINMAXINFO with the defaults filled in; false when the window has no limits or
// did not survive the message.
bool QueryTrackSize(CWindowRecord& record, MINMAXINFO& info);

// The rectangle, its top-left corner kept, grown to the minimum track size where smaller.
// Unlike Windows the maximum is left to the desktop, which knows the screens.
CRect WithinTrackSize(const CRect& rcWindow, const MINMAXINFO& info);

// The native window's minimum for a window of that minimum size; (0, 0) lifts it.
void SetNativeMinimum(CWindowRecord& record, POINT ptMinTrackSize);
// The smallest window size the native window lets the desktop give, in window pixels.
CSize NativeMinimum(CWindowRecord& record);
