// Rectangles and regions as the GDI calls take them: corners in any order, extents that run
// backwards, and the kind of a region.
#pragma once

#include "framework/core/GdiConstants.h"
#include "framework/core/PixelRegion.h"

#include <algorithm>
#include <cstdlib>

// Corners may come in any order, as on Windows.
inline CRect GdiNormalizedRect(int x1, int y1, int x2, int y2)
{
	return CRect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

inline CRect GdiNormalizedRect(const RECT& rect)
{
	return GdiNormalizedRect(rect.left, rect.top, rect.right, rect.bottom);
}

// A rectangle given by a corner and signed extents: a negative extent runs back from the
// corner's own pixel, as in a mirroring StretchBlt.
inline CRect GdiExtentRect(int x, int y, int nWidth, int nHeight)
{
	int nLeft = nWidth < 0 ? x + nWidth + 1 : x;
	int nTop = nHeight < 0 ? y + nHeight + 1 : y;
	return CRect(nLeft, nTop, nLeft + std::abs(nWidth), nTop + std::abs(nHeight));
}

inline PixelRegion GdiRectRegion(int x1, int y1, int x2, int y2)
{
	return PixelRegion(GdiNormalizedRect(x1, y1, x2, y2));
}

inline int GdiRegionKind(const PixelRegion& region)
{
	if (region.IsEmpty())
		return NULLREGION;
	return region.RectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}
