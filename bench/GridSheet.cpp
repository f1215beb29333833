// The benchmark sheet's texts and its filling.
#include "bench/GridSheet.h"

#include "grid/store/GridCell.h"
#include "grid/window/CellView.h"
#include "grid/window/GridWindow.h"

#include <cstdio>

void BenchCellText(int nCol, long nRow, char* pBuffer, size_t nSize)
{
	static const char s_letters[BENCH_COLUMNS] = {'A', 'B', 'C', 'D'};
	std::snprintf(pBuffer, nSize, "%c%ld", s_letters[nCol % BENCH_COLUMNS], nRow + 1);
}

void FillBenchSheet(DataSource& source)
{
	GridCell cell;
	char szText[16];
	for (long nRow = 0; nRow < BENCH_ROWS; nRow++)
		for (int nCol = 0; nCol < BENCH_COLUMNS; nCol++)
		{
			BenchCellText(nCol, nRow, szText, sizeof szText);
			cell.SetText(szText);
			source.SetCell(nCol, nRow, &cell);
		}
}

void CreateBenchGrid(CWnd& parent, GridWindow& grid)
{
	parent.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 1200, 900), nullptr, 0);
	grid.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1100, 800), &parent, 100);
	grid.SetUniformRowHeight(TRUE);
	grid.SetColumnCount(BENCH_COLUMNS, FALSE);
	grid.SetRowCount(BENCH_ROWS, FALSE);
	FillBenchSheet(grid.GetSheet()->m_defaultDataSource);
	// The grid's chrome (headings, scroll bar, border) takes what the cell view lacks.
	CRect rcView;
	grid.GetCellView()->GetClientRect(&rcView);
	grid.MoveWindow(0, 0, 1100 + BENCH_VIEW_WIDTH - rcView.Width(), 800 + BENCH_VIEW_HEIGHT - rcView.Height(), TRUE);
}
