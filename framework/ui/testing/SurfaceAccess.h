// Reading a window's surface, for tests: what the window has painted, pixel by pixel, in client
// coordinates; the smallest size the desktop lets a user drag a window to; and how much the style
// keeps of what it drew.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Types.h"

class CWnd;

// CLR_INVALID outside the client area or for a window that does not exist.
COLORREF GetSurfacePixel(CWnd* pWnd, int x, int y);
CSize GetSurfaceSize(CWnd* pWnd);
// What the window shows at the point, in client coordinates: its surface with the child windows
// drawn over it as they are stacked, or a native control's own drawing; CLR_INVALID outside the
// client area.
COLORREF GetShownPixel(CWnd* pWnd, int x, int y);
// In window pixels; the frame alone when the window set no minimum.
CSize GetDesktopMinimumSize(CWnd* pWnd);

// The size of the cache where the style keeps the pieces of controls it has drawn, in megabytes
// rounded up. Controls drawn again as they were, in a dialog opened again, find their pieces there.
UINT GetStyleCacheMegabytes();
