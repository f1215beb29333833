// Reading a window's surface, for tests: what the window has painted, pixel by pixel, in client
// coordinates; and how much the style keeps of what it drew.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Types.h"

class CWnd;

// CLR_INVALID outside the client area or for a window that does not exist.
COLORREF GetSurfacePixel(CWnd* pWnd, int x, int y);
CSize GetSurfaceSize(CWnd* pWnd);

// The size of the cache where the style keeps the pieces of controls it has drawn, in megabytes
// rounded up. Controls drawn again as they were, in a dialog opened again, find their pieces there.
UINT GetStyleCacheMegabytes();
