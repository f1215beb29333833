// Runs the benchmarks inside one framework application, headless unless a platform was chosen.
#include "framework/ui/window/WinApp.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char** argv)
{
	setenv("QT_QPA_PLATFORM", "offscreen", 0);
	benchmark::Initialize(&argc, argv);
	AfxWinInit(argc, argv);
	benchmark::RunSpecifiedBenchmarks();
	benchmark::Shutdown();
	AfxWinTerm();
	return 0;
}
