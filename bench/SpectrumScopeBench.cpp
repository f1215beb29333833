// Benchmark of the calibrated spectrum: the 143 lines of an angle modulation of index 60 painted
// once into a memory bitmap of 1920 × 500.
#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/gdi/Dc.h"
#include "sigkit/scope/SpectrumScope.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace
{
	constexpr int WIDTH = 1920;
	constexpr int HEIGHT = 500;
	constexpr double INDEX = 60.0;
	// Orders up to the index and a little past it carry the lines worth drawing: 143 bars.
	constexpr int HIGHEST_ORDER = 71;
	constexpr double CARRIER = 1e6;
	constexpr double MODULATING = 1e3;
}

static void BM_SpectrumScope_Paint143Bars(benchmark::State& state)
{
	std::vector<SpectrumBar> bars;
	for (int n = -HIGHEST_ORDER; n <= HIGHEST_ORDER; n++)
		bars.push_back({ CARRIER + n * MODULATING, std::fabs(std::cyl_bessel_j(std::abs(n), INDEX)), n == 0 });
	CSpectrumScope scope;
	scope.SetBars(bars, CARRIER, 1.1 * HIGHEST_ORDER * MODULATING);
	scope.SetHighlightedBar(HIGHEST_ORDER + 3);
	CDC memory;
	memory.CreateCompatibleDC(nullptr);
	CBitmap bitmap;
	bitmap.CreateBitmap(WIDTH, HEIGHT, 1, 32, nullptr);
	CBitmap* pOld = memory.SelectObject(&bitmap);
	const CRect rc(0, 0, WIDTH, HEIGHT);
	for (auto _ : state)
		scope.PaintPicture(memory, rc, SCOPE_SCREEN_TEXT_HEIGHT);
	memory.SelectObject(pOld);
}
BENCHMARK(BM_SpectrumScope_Paint143Bars)->Unit(benchmark::kMicrosecond);
