// MemoryDataSource's cursor: what a paint's reading order costs in node steps, and rows that
// remember where the cursor entered them staying right while columns and rows move.
#include "grid/store/MemoryDataSource.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
	constexpr long ROWS = 30;
	constexpr int COLUMNS = 80;

	std::string Name(int nCol, long nRow)
	{
		return std::to_string(nCol) + "," + std::to_string(nRow);
	}

	void Fill(MemoryDataSource& store, int nFirstCol, int nLastCol, long nRows)
	{
		GridCell cell;
		for (long nRow = 0; nRow < nRows; nRow++)
			for (int nCol = nFirstCol; nCol <= nLastCol; nCol++)
			{
				cell.SetText(Name(nCol, nRow).c_str());
				ASSERT_EQ(0, store.SetCell(nCol, nRow, &cell));
			}
	}

	std::string Read(MemoryDataSource& store, int nCol, long nRow)
	{
		GridCell cell;
		if (store.GetCell(nCol, nRow, &cell) != 0)
			return "-";
		return std::string(cell.GetText());
	}

	// What a paint of the view asks for: every row's heading cell, then every row's cells from
	// the left column on.
	void Paint(MemoryDataSource& store, int nLeftCol, int nColumns)
	{
		for (long nRow = 0; nRow < ROWS; nRow++)
			ASSERT_EQ(Name(-1, nRow), Read(store, -1, nRow));
		for (long nRow = 0; nRow < ROWS; nRow++)
			for (int nCol = nLeftCol; nCol < nLeftCol + nColumns; nCol++)
				ASSERT_EQ(Name(nCol, nRow), Read(store, nCol, nRow));
	}

	TEST(MemoryDataSourceCursorTest, RepaintFromAnyLeftColumnCostsOneStepPerCellRead)
	{
		for (int nLeftCol : { 0, 50, 70 })
		{
			MemoryDataSource store;
			Fill(store, -1, COLUMNS - 1, ROWS);
			Paint(store, nLeftCol, 10);
			const long nBefore = store.GetCursorSteps();
			Paint(store, nLeftCol, 10);

			// Two passes down the rows and two back up, and at most one step per cell read.
			const long nCellsRead = ROWS + ROWS * 10;
			EXPECT_LE(store.GetCursorSteps() - nBefore, nCellsRead + 4 * (ROWS - 1)) << "left column " << nLeftCol;
		}
	}

	TEST(MemoryDataSourceCursorTest, RowsEnteredAtALeftColumnReadRightAfterColumnsAndRowsMove)
	{
		MemoryDataSource store;
		Fill(store, 0, COLUMNS - 1, 3);
		for (long nRow = 0; nRow < 3; nRow++)
			ASSERT_EQ(Name(50, nRow), Read(store, 50, nRow));

		ASSERT_EQ(0, store.DeleteColumn(10));
		for (long nRow = 0; nRow < 3; nRow++)
			EXPECT_EQ(Name(51, nRow), Read(store, 50, nRow));
		ASSERT_EQ(0, store.InsertColumn(5));
		for (long nRow = 0; nRow < 3; nRow++)
			EXPECT_EQ(Name(50, nRow), Read(store, 50, nRow));

		ASSERT_EQ(0, store.SortColumn(0, GRID_SORT_DESCENDING));
		for (long nRow = 0; nRow < 3; nRow++)
			EXPECT_EQ(Name(50, 2 - nRow), Read(store, 50, nRow));

		ASSERT_EQ(0, store.DeleteRow(0));
		EXPECT_EQ(Name(50, 1), Read(store, 50, 0));
	}
}
