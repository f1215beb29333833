// MemoryDataSource's cursor: what a paint's reading order costs in node steps, and rows that
// remember where the cursor entered them staying right while columns and rows move, and the
// first and last rows a step away however rows are inserted and deleted.
#include "grid/store/MemoryDataSource.h"

#include <gtest/gtest.h>

#include <deque>
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

	TEST(MemoryDataSourceCursorTest, FirstAndLastRowsStayOneStepAwayAsRowsComeAndGo)
	{
		MemoryDataSource store;
		std::deque<std::string> rows;
		long nFirst = -2;
		GridCell cell;
		for (long nRow = nFirst; nRow < 1000; nRow++)
		{
			rows.push_back(Name(0, nRow));
			cell.SetText(rows.back().c_str());
			ASSERT_EQ(0, store.SetCell(0, nRow, &cell));
		}

		auto checkEnds = [&](const char* pszAfter)
		{
			const long nLast = nFirst + static_cast<long>(rows.size()) - 1;
			ASSERT_EQ(rows[500], Read(store, 0, nFirst + 500)) << pszAfter;
			long nBefore = store.GetCursorSteps();
			EXPECT_EQ(rows.back(), Read(store, 0, nLast)) << pszAfter;
			EXPECT_LE(store.GetCursorSteps() - nBefore, 1) << pszAfter;
			EXPECT_EQ("-", Read(store, 0, nLast + 1)) << pszAfter;
			ASSERT_EQ(rows[500], Read(store, 0, nFirst + 500)) << pszAfter;
			nBefore = store.GetCursorSteps();
			EXPECT_EQ(rows.front(), Read(store, 0, nFirst)) << pszAfter;
			EXPECT_LE(store.GetCursorSteps() - nBefore, 1) << pszAfter;
			EXPECT_EQ("-", Read(store, 0, nFirst - 1)) << pszAfter;
		};
		checkEnds("filling");

		ASSERT_EQ(0, store.InsertRow(0));
		rows.insert(rows.begin() + (0 - nFirst), "-");
		checkEnds("inserting row 0");
		ASSERT_EQ(0, store.DeleteRow(1000));
		rows.erase(rows.begin() + (1000 - nFirst));
		checkEnds("deleting the last row");
		ASSERT_EQ(0, store.InsertRow(-2));
		rows.insert(rows.begin() + (-2 - nFirst) + 1, "-");
		nFirst--;
		checkEnds("inserting heading row -2");
		ASSERT_EQ(0, store.DeleteRow(nFirst));
		rows.pop_front();
		nFirst++;
		checkEnds("deleting the outermost heading row");
	}
}
