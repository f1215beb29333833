// What the process holds at one moment of a long session (resident memory, heap in use, the
// style's cache, the framework's live windows, GDI objects and timers) and the counters a session
// reports from two such moments.
#pragma once

#include "framework/ui/testing/ResourceCounts.h"

#include <benchmark/benchmark.h>

#include <cstddef>

struct ProcessMemory
{
	long nResident;
	size_t nHeapInUse;
	UINT nStyleCacheMegabytes;
	ResourceCounts counts;
};

ProcessMemory ReadProcessMemory();

// The growth from the end of the warm-up to the end of the session, and the resources alive at
// both, as the benchmark's counters.
void ReportMemory(benchmark::State& state, const ProcessMemory& warm, const ProcessMemory& end);
