// Benchmark of the calibrated scopes: one wheel step on a group of three 3000-sample traces,
// each scope then painted once into a memory bitmap at the main window's grown size.
#include "framework/ui/controls/Edit.h"
#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/gdi/Dc.h"
#include "sigkit/scope/ScopeGroup.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace
{
	constexpr int POINTS = 3000;
	constexpr int WIDTH = 1200;
	constexpr int HEIGHT = 220;

	struct GroupWindow
	{
		CWnd parent;
		CCalibratedScope scopes[3];
		CScopeGroup group;

		GroupWindow()
		{
			parent.CreateEx(0, nullptr, "bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, WIDTH + 20, 3 * HEIGHT + 40), nullptr, 0);
			std::vector<double> x, y;
			double phase = 0.0;
			for (int i = 0; i < POINTS; i++)
			{
				x.push_back(phase);
				y.push_back((1.0 + 0.5 * std::cos(phase / 40.0)) * std::cos(phase));
				phase += 0.25132741232;
			}
			for (int k = 0; k < 3; k++)
			{
				CEdit edit;
				edit.Create(WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER, CRect(0, k * (HEIGHT + 4), WIDTH + 2,
					k * (HEIGHT + 4) + HEIGHT + 2), &parent, 1000 + k);
				edit.Detach();
				scopes[k].SubclassDlgItem(1000 + k, &parent);
				scopes[k].SetXType(1);
				scopes[k].SetYType(5);
				scopes[k].SetSamples(x.data(), y.data(), POINTS, 1.0 / (2.0 * M_PI * 1e5), 1.5);
				group.Attach(&scopes[k]);
			}
			group.SignalsChanged();
		}

		~GroupWindow()
		{
			for (CCalibratedScope& scope : scopes)
				scope.DestroyWindow();
			parent.DestroyWindow();
		}
	};
}

// Wheel steps in and out in turn so the view never settles at a limit.
static void BM_CalibratedScope_WheelStep3x3000(benchmark::State& state)
{
	GroupWindow window;
	CDC memory;
	memory.CreateCompatibleDC(nullptr);
	CBitmap bitmap;
	bitmap.CreateBitmap(WIDTH, HEIGHT, 1, 32, nullptr);
	CBitmap* pOld = memory.SelectObject(&bitmap);
	const CRect rc(0, 0, WIDTH, HEIGHT);
	bool bIn = true;
	for (auto _ : state)
	{
		window.group.ZoomAt(&window.scopes[1], CPoint(WIDTH / 3, HEIGHT / 2), bIn ? 0.8 : 1.25);
		bIn = !bIn;
		for (CCalibratedScope& scope : window.scopes)
			scope.PaintPicture(memory, rc, 12);
	}
	memory.SelectObject(pOld);
}
BENCHMARK(BM_CalibratedScope_WheelStep3x3000)->Unit(benchmark::kMicrosecond);
