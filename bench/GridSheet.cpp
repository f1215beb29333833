// The benchmark sheet's texts and its filling.
#include "bench/GridSheet.h"

#include "grid/store/GridCell.h"

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
