// Reading the process's memory and the framework's resources during a benchmark session.
#include "bench/ProcessMemory.h"

#include "framework/ui/testing/SurfaceAccess.h"

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace
{

long ResidentBytes()
{
	long nPages = 0;
	long nResident = 0;
	if (FILE* pFile = std::fopen("/proc/self/statm", "r"))
	{
		if (std::fscanf(pFile, "%ld %ld", &nPages, &nResident) != 2)
			nResident = 0;
		std::fclose(pFile);
	}
	return nResident * sysconf(_SC_PAGESIZE);
}

// The heap in use, as opposed to what the allocator keeps from the system.
size_t HeapInUse()
{
	const struct mallinfo2 info = mallinfo2();
	return info.uordblks + info.hblkhd;
}

void ReportCount(benchmark::State& state, const char* pszName, UINT nWarm, UINT nEnd)
{
	state.counters[std::string(pszName) + "_warm"] = nWarm;
	state.counters[std::string(pszName) + "_end"] = nEnd;
}

}

ProcessMemory ReadProcessMemory()
{
	return ProcessMemory {ResidentBytes(), HeapInUse(), GetStyleCacheMegabytes(), AfxGetResourceCounts()};
}

void ReportMemory(benchmark::State& state, const ProcessMemory& warm, const ProcessMemory& end)
{
	state.counters["rss_growth_kb"] = static_cast<double>(end.nResident - warm.nResident) / 1024.0;
	state.counters["heap_growth_kb"] = (static_cast<double>(end.nHeapInUse) - static_cast<double>(warm.nHeapInUse)) / 1024.0;
	state.counters["style_cache_growth_mb"] = static_cast<double>(end.nStyleCacheMegabytes)
		- static_cast<double>(warm.nStyleCacheMegabytes);
	ReportCount(state, "windows", warm.counts.nWindows, end.counts.nWindows);
	ReportCount(state, "native_windows", warm.counts.nNativeWindows, end.counts.nNativeWindows);
	ReportCount(state, "gdi_objects", warm.counts.nGdiObjects, end.counts.nGdiObjects);
	ReportCount(state, "dcs", warm.counts.nDCs, end.counts.nDCs);
	ReportCount(state, "timers", warm.counts.nTimers, end.counts.nTimers);
}
