// Benchmarks of CEditScope: converting a 3000-point signal to a trace, and a full repaint.
#include "framework/ui/controls/Edit.h"
#include "sigkit/scope/EditScope.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace
{
	constexpr int POINTS = 3000;

	struct Sine
	{
		std::vector<double> x, y;

		Sine()
		{
			double phase = 0.0;
			for (int i = 0; i < POINTS; i++)
			{
				x.push_back(phase);
				y.push_back(std::cos(phase));
				phase += 0.25132741232;
			}
		}
	};

	// A scope of the main window's size, subclassing a bordered EDIT in an offscreen parent.
	struct ScopeWindow
	{
		CWnd parent;
		CEditScope scope;

		ScopeWindow()
		{
			parent.CreateEx(0, nullptr, "bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, 700, 200), nullptr, 0);
			CEdit edit;
			edit.Create(WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER, CRect(0, 0, 642, 162), &parent, 1000);
			edit.Detach();
			scope.SubclassDlgItem(1000, &parent);
			scope.SetXType(1);
			scope.SetYType(5);
		}

		~ScopeWindow()
		{
			scope.DestroyWindow();
			parent.DestroyWindow();
		}
	};
}

static void BM_Scope_PlaySignal3000(benchmark::State& state)
{
	Sine sine;
	ScopeWindow window;
	window.scope.SetYScaleTo(2.2);
	window.scope.SetXScaleTo(sine.x.back() * 1.01);
	for (auto _ : state)
	{
		window.scope.PlaySignal(sine.x.data(), sine.y.data(), POINTS);
		benchmark::DoNotOptimize(window.scope.m_aXPixels.GetSize());
	}
}
BENCHMARK(BM_Scope_PlaySignal3000)->Unit(benchmark::kMicrosecond);

static void BM_Scope_FullRepaint3000(benchmark::State& state)
{
	Sine sine;
	ScopeWindow window;
	window.scope.SetYScaleTo(2.2);
	window.scope.SetXScaleTo(sine.x.back() * 1.01);
	window.scope.PlaySignal(sine.x.data(), sine.y.data(), POINTS);
	for (auto _ : state)
	{
		window.scope.InvalidateRect(nullptr, TRUE);
		window.scope.UpdateWindow();
	}
}
BENCHMARK(BM_Scope_FullRepaint3000)->Unit(benchmark::kMicrosecond);
