// The sheet every grid benchmark measures: a million rows of four short texts, the same content
// for the grid and for the table view it is compared with.
#pragma once

#include "grid/store/DataSource.h"

class CWnd;
class GridWindow;

#include <cstddef>

constexpr long BENCH_ROWS = 1000000;
constexpr int BENCH_COLUMNS = 4;
constexpr int BENCH_VIEW_WIDTH = 1000;
constexpr int BENCH_VIEW_HEIGHT = 700;

// Writes the text of cell (nCol, nRow) into a buffer of at least 16 bytes: at most 15 characters.
void BenchCellText(int nCol, long nRow, char* pBuffer, size_t nSize);

// Sets every cell of the sheet in the data source, row by row.
void FillBenchSheet(DataSource& source);

// Creates the top-level parent and in it the grid on the filled sheet, in uniform row height,
// its cell view sized to BENCH_VIEW_WIDTH x BENCH_VIEW_HEIGHT.
void CreateBenchGrid(CWnd& parent, GridWindow& grid);
