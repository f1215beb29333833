// Painting and resizing a window in a benchmark.
#include "bench/WindowTiming.h"

#include "framework/ui/window/Wnd.h"

void PaintAll(CWnd& wnd)
{
	wnd.UpdateWindow();
	for (CWnd* pChild = wnd.GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetNextWindow())
		PaintAll(*pChild);
}

void TimeResizeToFullHD(benchmark::State& state, CWnd& wnd)
{
	CRect rcOpening;
	wnd.GetWindowRect(&rcOpening);
	PaintAll(wnd);
	for (auto _ : state)
	{
		state.PauseTiming();
		wnd.SetWindowPos(nullptr, 0, 0, rcOpening.Width(), rcOpening.Height(), SWP_NOMOVE | SWP_NOZORDER);
		PaintAll(wnd);
		state.ResumeTiming();
		wnd.SetWindowPos(nullptr, 0, 0, 1920, 1080, SWP_NOMOVE | SWP_NOZORDER);
		PaintAll(wnd);
	}
}
