// Conversions between the Windows rectangles, whose right and bottom lie outside, and Qt's
// rectangles and regions.
#pragma once

#include "framework/core/GdiConstants.h"
#include "framework/core/Types.h"

#include <QRect>
#include <QRegion>

#include <algorithm>
#include <cstdlib>

inline QRect GdiQRect(int x1, int y1, int x2, int y2)
{
	return QRect(x1, y1, x2 - x1, y2 - y1);
}

inline QRect GdiQRect(const RECT& rect)
{
	return GdiQRect(rect.left, rect.top, rect.right, rect.bottom);
}

inline RECT GdiRectFromQRect(const QRect& rect)
{
	if (rect.isEmpty())
		return RECT { 0, 0, 0, 0 };
	return RECT { rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height() };
}

// Corners may come in any order, as on Windows.
inline QRect GdiNormalizedQRect(int x1, int y1, int x2, int y2)
{
	return GdiQRect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

inline QRect GdiNormalizedQRect(const RECT& rect)
{
	return GdiNormalizedQRect(rect.left, rect.top, rect.right, rect.bottom);
}

// A rectangle given by a corner and signed extents: a negative extent runs back from the
// corner's own pixel, as in a mirroring StretchBlt.
inline QRect GdiExtentRect(int x, int y, int nWidth, int nHeight)
{
	int nLeft = nWidth < 0 ? x + nWidth + 1 : x;
	int nTop = nHeight < 0 ? y + nHeight + 1 : y;
	return QRect(nLeft, nTop, std::abs(nWidth), std::abs(nHeight));
}

inline QRegion GdiRectRegion(int x1, int y1, int x2, int y2)
{
	return QRegion(GdiNormalizedQRect(x1, y1, x2, y2));
}

inline int GdiRegionKind(const QRegion& region)
{
	if (region.isEmpty())
		return NULLREGION;
	return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}
