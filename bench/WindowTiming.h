// Timing a window as the user sees it: what reaches the screen, and a resize to full HD.
#pragma once

#include <benchmark/benchmark.h>

class CWnd;

// The window's own paint, then every control's and their children's.
void PaintAll(CWnd& wnd);

// Times the window going from the size it has now to 1920 × 1080 (frame included) and being
// painted; the way back is not timed.
void TimeResizeToFullHD(benchmark::State& state, CWnd& wnd);
