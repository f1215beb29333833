// Selecting by dragging past the bottom of a 1000 × 700 cell view on the million-row sheet: each
// step of the drag loop stretches the selection by a row, scrolls the view by it and draws the
// row uncovered, with the loop pumping messages between steps.
#include "bench/GridSheet.h"
#include "framework/ui/window/MessagePump.h"
#include "framework/ui/testing/UserDriving.h"
#include "grid/window/CellView.h"
#include "grid/window/GridWindow.h"
#include "grid/window/SheetSettings.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace
{
	constexpr int STEPS_PER_DRAG = 50;

	// Releases the mouse once the drag has scrolled the view the wanted number of rows.
	class DragCountingGrid : public GridWindow
	{
	public:
		void NotifyTopRow(long, long) override
		{
			if (++m_nSteps == STEPS_PER_DRAG)
				GetCellView()->PostMessage(WM_LBUTTONUP, 0, 0);
		}

		int m_nSteps = 0;
	};

	class DragBenchGrid
	{
	public:
		DragBenchGrid()
		{
			CreateBenchGrid(m_parent, *m_pGrid);
			SheetSettings& sheet = *m_pGrid->GetSheet();
			sheet.m_bMultipleSelection = TRUE;
			// No waiting between steps: the benchmark measures the work of a step.
			sheet.m_nDragScrollDelay = 0;
			m_pGrid->RedrawAll();
			m_pGrid->GetCellView()->UpdateWindow();
		}

		~DragBenchGrid()
		{
			m_pGrid->DestroyWindow();
			m_parent.DestroyWindow();
		}

		// A press on the last whole row shown, from a view scrolled back to the top.
		void PressNearTheBottom()
		{
			m_pGrid->SetTopRow(0);
			const SheetSettings& sheet = *m_pGrid->GetSheet();
			const int y = (sheet.m_nViewHeight / sheet.m_nDefaultRowHeight - 1) * sheet.m_nDefaultRowHeight + 5;
			AfxSendMouseInput(m_pGrid->GetCellView(), WM_LBUTTONDOWN, CPoint(100, y), MK_LBUTTON);
			m_pGrid->GetCellView()->UpdateWindow();
			m_pGrid->m_nSteps = 0;
		}

		// The mouse goes just below the view and rests there until the release is posted.
		void DragBelow()
		{
			AfxSendMouseInput(m_pGrid->GetCellView(), WM_MOUSEMOVE, CPoint(100, m_pGrid->GetSheet()->m_nViewHeight + 5),
				MK_LBUTTON);
			MSG msg;
			while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
				DispatchMessage(&msg);
		}

		int Steps() const { return m_pGrid->m_nSteps; }
		long SelectedRows() const
		{
			const GridSelectionBlock* pBlock = m_pGrid->GetSheet()->m_selection.GetLastBlock();
			return pBlock != nullptr ? pBlock->m_nLastRow - pBlock->m_nFirstRow + 1 : 0;
		}

	private:
		CWnd m_parent;
		std::unique_ptr<DragCountingGrid> m_pGrid{new DragCountingGrid};
	};
}

static void BM_Grid_DragSelectStep(benchmark::State& state)
{
	DragBenchGrid grid;
	long nSteps = 0;
	for (auto _ : state)
	{
		state.PauseTiming();
		grid.PressNearTheBottom();
		state.ResumeTiming();
		grid.DragBelow();
		nSteps += grid.Steps();
	}
	// Items are steps: a step's time is the inverse of their rate.
	state.SetItemsProcessed(nSteps);
	state.counters["steps_per_drag"] = grid.Steps();
	state.counters["selected_rows"] = static_cast<double>(grid.SelectedRows());
}
BENCHMARK(BM_Grid_DragSelectStep)->Unit(benchmark::kMillisecond);
