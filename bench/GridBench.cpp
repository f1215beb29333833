// The grid on a million rows of four short texts in uniform row height: filling the memory store,
// the heap it takes per cell, a full paint of a 1000 × 700 cell view, scrolling by a row, by a
// page and to the last row, the keyboard's Ctrl+End and PageDown, and the same paint by the toolkit's table view for comparison.
#include "bench/GridSheet.h"
#include "bench/peers/TableViewPeer.h"
#include "framework/core/ControlConstants.h"
#include "framework/ui/testing/UserDriving.h"
#include "grid/window/CellView.h"
#include "grid/window/GridScrollBars.h"
#include "grid/window/GridWindow.h"
#include "grid/window/SheetSettings.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>

namespace
{
	size_t HeapInUse()
	{
		const struct mallinfo2 info = mallinfo2();
		return info.uordblks + info.hblkhd;
	}

	// A filled grid in a top-level window, its cell view sized to 1000 × 700, made once for
	// every paint and scroll benchmark: filling takes longer than all of them together.
	class BenchGrid
	{
	public:
		BenchGrid()
		{
			CreateBenchGrid(m_parent, *m_pGrid);
			Paint();
		}

		~BenchGrid()
		{
			m_pGrid->DestroyWindow();
			m_parent.DestroyWindow();
		}

		void Paint()
		{
			m_pGrid->RedrawAll();
			m_pGrid->GetCellView()->UpdateWindow();
		}

		void Scroll(UINT nCode)
		{
			m_pGrid->SendMessage(WM_VSCROLL, MAKEWPARAM(nCode, 0),
				reinterpret_cast<LPARAM>(m_pGrid->GetVScrollBar()->GetSafeHwnd()));
			m_pGrid->GetCellView()->UpdateWindow();
		}

		// A key pressed and let go in the cell view, as the keyboard sends it.
		void Key(UINT nKey, BOOL bControl)
		{
			CellView* pView = m_pGrid->GetCellView();
			// Offscreen no key can be held down: Ctrl comes as the modifier of a desktop mouse event.
			AfxSendMouseInput(pView, WM_MOUSEMOVE, CPoint(5, 5), bControl ? MK_CONTROL : 0);
			pView->SendMessage(WM_KEYDOWN, nKey, 1);
			pView->SendMessage(WM_KEYUP, nKey, 1);
			pView->UpdateWindow();
		}

		void GoHome()
		{
			m_pGrid->GotoCell(0, 0);
			m_pGrid->GetCellView()->UpdateWindow();
		}

		long CurrentRow() const
		{
			return m_pGrid->GetCurrentRow();
		}

		long TopRow() const
		{
			return m_pGrid->GetSheet()->m_nTopRow;
		}

		CSize ViewSize() const
		{
			CRect rcView;
			m_pGrid->GetCellView()->GetClientRect(&rcView);
			return rcView.Size();
		}

	private:
		CWnd m_parent;
		std::unique_ptr<GridWindow> m_pGrid{new GridWindow};
	};

	BenchGrid& SharedGrid()
	{
		static BenchGrid grid;
		return grid;
	}
}

static void BM_Grid_Fill(benchmark::State& state)
{
	for (auto _ : state)
	{
		MemoryDataSource store;
		FillBenchSheet(store);
		state.PauseTiming();
		store.DeleteAll();
		state.ResumeTiming();
	}
	state.counters["cells"] = static_cast<double>(BENCH_ROWS) * BENCH_COLUMNS;
}
BENCHMARK(BM_Grid_Fill)->Unit(benchmark::kMillisecond)->Iterations(1);

static void BM_Grid_MemoryPerCell(benchmark::State& state)
{
	size_t nGrowth = 0;
	for (auto _ : state)
	{
		const size_t nBefore = HeapInUse();
		MemoryDataSource store;
		FillBenchSheet(store);
		nGrowth = HeapInUse() - nBefore;
		state.PauseTiming();
		store.DeleteAll();
		state.ResumeTiming();
	}
	state.counters["bytes_per_cell"] = static_cast<double>(nGrowth) / (static_cast<double>(BENCH_ROWS) * BENCH_COLUMNS);
	state.counters["sizeof_GridCell"] = sizeof(GridCell);
	state.counters["sizeof_CString"] = sizeof(CString);
}
BENCHMARK(BM_Grid_MemoryPerCell)->Unit(benchmark::kMillisecond)->Iterations(1);

static void BM_Grid_PaintAll(benchmark::State& state)
{
	BenchGrid& grid = SharedGrid();
	for (auto _ : state)
		grid.Paint();
	state.counters["view_width"] = grid.ViewSize().cx;
	state.counters["view_height"] = grid.ViewSize().cy;
}
BENCHMARK(BM_Grid_PaintAll)->Unit(benchmark::kMillisecond);

static void BM_TableView_PaintAll(benchmark::State& state)
{
	TableViewPeer peer;
	for (auto _ : state)
		peer.PaintAll();
	state.counters["view_width"] = peer.GetViewportWidth();
	state.counters["view_height"] = peer.GetViewportHeight();
}
BENCHMARK(BM_TableView_PaintAll)->Unit(benchmark::kMillisecond);

// Both paints in turn in one loop, so that a machine shared with others slows both alike and the
// ratio holds however busy it is.
static void BM_Grid_PaintRatioToTableView(benchmark::State& state)
{
	using Clock = std::chrono::steady_clock;
	BenchGrid& grid = SharedGrid();
	TableViewPeer peer;
	Clock::duration gridTime{};
	Clock::duration peerTime{};
	for (auto _ : state)
	{
		const Clock::time_point start = Clock::now();
		grid.Paint();
		const Clock::time_point middle = Clock::now();
		peer.PaintAll();
		gridTime += middle - start;
		peerTime += Clock::now() - middle;
	}
	state.counters["grid_over_table_view"] =
		std::chrono::duration<double>(gridTime).count() / std::chrono::duration<double>(peerTime).count();
}
BENCHMARK(BM_Grid_PaintRatioToTableView)->Unit(benchmark::kMillisecond);

// Scrolls one way from the top, going back there (untimed) before the sheet's end is reached.
static void BM_Grid_Scroll(benchmark::State& state, UINT nCode)
{
	BenchGrid& grid = SharedGrid();
	grid.Scroll(SB_TOP);
	for (auto _ : state)
	{
		if (grid.TopRow() > BENCH_ROWS - 1000)
		{
			state.PauseTiming();
			grid.Scroll(SB_TOP);
			state.ResumeTiming();
		}
		grid.Scroll(nCode);
	}
}
BENCHMARK_CAPTURE(BM_Grid_Scroll, line_down, static_cast<UINT>(SB_LINEDOWN))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Grid_Scroll, page_down, static_cast<UINT>(SB_PAGEDOWN))->Unit(benchmark::kMillisecond);

static void BM_Grid_ScrollToBottom(benchmark::State& state)
{
	BenchGrid& grid = SharedGrid();
	for (auto _ : state)
	{
		state.PauseTiming();
		grid.Scroll(SB_TOP);
		state.ResumeTiming();
		grid.Scroll(SB_BOTTOM);
	}
	state.counters["top_row"] = grid.TopRow();
}
BENCHMARK(BM_Grid_ScrollToBottom)->Unit(benchmark::kMillisecond);

// The keyboard's way to the end: the last row made current, the view moved there and painted.
static void BM_Grid_CtrlEnd(benchmark::State& state)
{
	BenchGrid& grid = SharedGrid();
	for (auto _ : state)
	{
		state.PauseTiming();
		grid.GoHome();
		state.ResumeTiming();
		grid.Key(VK_END, TRUE);
	}
	state.counters["current_row"] = static_cast<double>(grid.CurrentRow());
}
BENCHMARK(BM_Grid_CtrlEnd)->Unit(benchmark::kMillisecond);

static void BM_Grid_PageDownKey(benchmark::State& state)
{
	BenchGrid& grid = SharedGrid();
	grid.GoHome();
	for (auto _ : state)
	{
		if (grid.CurrentRow() > BENCH_ROWS - 1000)
		{
			state.PauseTiming();
			grid.GoHome();
			state.ResumeTiming();
		}
		grid.Key(VK_NEXT, FALSE);
	}
	state.counters["current_row"] = static_cast<double>(grid.CurrentRow());
}
BENCHMARK(BM_Grid_PageDownKey)->Unit(benchmark::kMillisecond);
