// In-place editing on a grid of a thousand rows of four short texts: an edit started on the next
// cell down and stored by giving the focus back to the cells, with and without ten characters
// typed on the way (each one measured for the editor's growth), the cell view repainted each time.
#include "bench/GridSheet.h"
#include "grid/window/CellView.h"
#include "grid/window/GridWindow.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace
{
constexpr long EDIT_ROWS = 1000;

class EditBenchGrid
{
public:
	EditBenchGrid()
	{
		m_parent.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 600), nullptr, 0);
		m_pGrid->Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 700, 500), &m_parent, 100);
		m_pGrid->SetColumnCount(BENCH_COLUMNS, FALSE);
		m_pGrid->SetRowCount(EDIT_ROWS, TRUE);
		char szText[16];
		for (long nRow = 0; nRow < EDIT_ROWS; nRow++)
		{
			for (int nCol = 0; nCol < BENCH_COLUMNS; nCol++)
			{
				BenchCellText(nCol, nRow, szText, sizeof(szText));
				m_pGrid->SetCellText(nCol, nRow, szText);
			}
		}
		m_pGrid->GetCellView()->SetFocus();
		m_pGrid->GetCellView()->UpdateWindow();
	}

	~EditBenchGrid()
	{
		m_pGrid->DestroyWindow();
		m_parent.DestroyWindow();
	}

	// Edits the next cell of the column, wrapping to the top, and stores what was typed.
	void EditNextCell(int nTyped)
	{
		m_nRow = (m_nRow + 1) % EDIT_ROWS;
		m_pGrid->StartEdit(1, m_nRow, 'e');
		InCellEdit* pEditor = m_pGrid->GetEditor();
		for (int n = 0; n < nTyped; n++)
			pEditor->SendMessage(WM_CHAR, 'a' + n, 1);
		m_pGrid->GetCellView()->SetFocus();
		m_pGrid->GetCellView()->UpdateWindow();
	}

	BOOL IsEditing() const { return m_pGrid->IsEditing(); }

private:
	CWnd m_parent;
	std::unique_ptr<GridWindow> m_pGrid{new GridWindow};
	long m_nRow = 0;
};
} // namespace

static void BM_GridEdit_StartAndStore(benchmark::State& state)
{
	EditBenchGrid grid;
	const int nTyped = static_cast<int>(state.range(0));
	for (auto _ : state)
		grid.EditNextCell(nTyped);
	if (grid.IsEditing())
		state.SkipWithError("the edit did not end");
	state.counters["typed"] = nTyped;
}
BENCHMARK(BM_GridEdit_StartAndStore)->Arg(0)->Arg(10)->Unit(benchmark::kMicrosecond);
