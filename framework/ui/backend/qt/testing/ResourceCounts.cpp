// The framework's resource counts, read from the tables of windows, GDI objects and DCs.
#include "framework/ui/testing/ResourceCounts.h"

#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/gdi/DcState.h"
#include "framework/ui/gdi/GdiObjectData.h"
#include "framework/ui/window/WindowRecord.h"

ResourceCounts AfxGetResourceCounts()
{
	ResourceCounts counts {};
	CWindowRecord* pDesktop = CWindowRecord::Desktop();
	for (const CWindowRecord* pRecord : CWindowRecord::LiveWindows())
	{
		if (pRecord == pDesktop)
			continue;
		++counts.nWindows;
		counts.nTimers += static_cast<UINT>(pRecord->m_timers.size());
	}
	counts.nNativeWindows = static_cast<UINT>(NativeWindowCount());
	counts.nGdiObjects = static_cast<UINT>(GdiObjectCount());
	counts.nDCs = static_cast<UINT>(DcCount());
	return counts;
}
