// How many of the framework's resources are alive, for tests and benchmarks: a count that grows
// while windows are opened and closed again is a leak.
#pragma once

#include "framework/core/Types.h"

struct ResourceCounts
{
	UINT nWindows;	// window records, the desktop's aside
	UINT nNativeWindows;	// the toolkit's side of the windows, the desktop's surface included
	UINT nGdiObjects;	// pens, brushes, fonts, bitmaps, palettes and regions, stock objects aside
	UINT nDCs;
	UINT nTimers;	// the windows' timers
};

ResourceCounts AfxGetResourceCounts();

inline bool operator==(const ResourceCounts& a, const ResourceCounts& b)
{
	return a.nWindows == b.nWindows && a.nNativeWindows == b.nNativeWindows && a.nGdiObjects == b.nGdiObjects
		&& a.nDCs == b.nDCs && a.nTimers == b.nTimers;
}
