// MemoryDataSource: sorting whole rows by one or several columns, finding texts down a column
// or across rows, and the previous non-empty column of a row.
#include "grid/store/MemoryDataSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
	void Put(MemoryDataSource& store, int nCol, long nRow, const char* text, int nDataType = GCD_TEXT)
	{
		GridCell cell;
		cell.SetText(text);
		cell.SetDataType(nDataType);
		ASSERT_EQ(0, store.SetCell(nCol, nRow, &cell));
	}

	std::string Read(MemoryDataSource& store, int nCol, long nRow)
	{
		GridCell cell;
		if (store.GetCell(nCol, nRow, &cell) != 0)
			return "-";
		return std::string(cell.GetText());
	}

	// Column nCol of rows 0..nRows-1 joined by spaces.
	std::string Column(MemoryDataSource& store, int nCol, long nRows)
	{
		std::string text;
		for (long nRow = 0; nRow < nRows; nRow++)
			text += (nRow > 0 ? " " : "") + Read(store, nCol, nRow);
		return text;
	}

	TEST(MemoryDataSourceSortTest, OneColumnAscendingAndDescending)
	{
		MemoryDataSource store;
		Put(store, 0, -1, "heading");
		const char* texts[] = { "beta", "alpha", "gamma" };
		for (long nRow = 0; nRow < 3; nRow++)
		{
			Put(store, 0, nRow, texts[nRow]);
			Put(store, 1, nRow, std::to_string(nRow).c_str());
		}

		ASSERT_EQ(0, store.SortColumn(0, 0));
		EXPECT_EQ("alpha beta gamma", Column(store, 0, 3));
		EXPECT_EQ("1 0 2", Column(store, 1, 3));
		EXPECT_EQ("heading", Read(store, 0, -1));

		ASSERT_EQ(0, store.SortColumn(0, GRID_SORT_DESCENDING));
		EXPECT_EQ("gamma beta alpha", Column(store, 0, 3));
		EXPECT_EQ("2 0 1", Column(store, 1, 3));
	}

	TEST(MemoryDataSourceSortTest, LaterColumnsBreakTiesAndMissingCellsComeFirst)
	{
		MemoryDataSource store;
		const char* rows[][2] = { { "b", "2" }, { "a", "9" }, { "b", "1" }, { "a", "3" } };
		for (long nRow = 0; nRow < 4; nRow++)
		{
			Put(store, 0, nRow, rows[nRow][0]);
			Put(store, 1, nRow, rows[nRow][1]);
		}
		Put(store, 1, 4, "0");

		const int columns[] = { 0, 1 };
		ASSERT_EQ(0, store.SortMulti(columns, 2, 0));
		EXPECT_EQ("- a a b b", Column(store, 0, 5));
		EXPECT_EQ("0 3 9 1 2", Column(store, 1, 5));

		EXPECT_EQ(1, store.SortMulti(columns, 0, 0));
		EXPECT_EQ(1, store.SortMulti(nullptr, 2, 0));
	}

	TEST(MemoryDataSourceSortTest, NumbersSortByValueAndTextByBytes)
	{
		MemoryDataSource store;
		const char* numbers[] = { "10", "9", "-1.5", "100" };
		for (long nRow = 0; nRow < 4; nRow++)
		{
			Put(store, 0, nRow, numbers[nRow], GCD_NUMBER);
			Put(store, 1, nRow, numbers[nRow]);
		}
		ASSERT_EQ(0, store.SortColumn(0, 0));
		EXPECT_EQ("-1.5 9 10 100", Column(store, 0, 4));
		ASSERT_EQ(0, store.SortColumn(1, 0));
		EXPECT_EQ("-1.5 10 100 9", Column(store, 1, 4));
	}

	// The first cell's type decides a comparison, so "10" as a number sorts after the text "9" and
	// the text "9" after "10": the sort must still end, every row whole.
	TEST(MemoryDataSourceSortTest, AColumnOfMixedTypesEndsWithEveryRowWhole)
	{
		MemoryDataSource store;
		Put(store, 0, -1, "heading");
		const char* rows[][3] = { { "10", "a" }, { "9", "b" }, { "1", "c" } };
		const int types[] = { GCD_NUMBER, GCD_TEXT, GCD_NUMBER };
		for (long nRow = 0; nRow < 3; nRow++)
		{
			Put(store, 0, nRow, rows[nRow][0], types[nRow]);
			Put(store, 1, nRow, rows[nRow][1]);
		}

		ASSERT_EQ(0, store.SortColumn(0, 0));
		std::vector<std::string> pairs;
		for (long nRow = 0; nRow < 3; nRow++)
			pairs.push_back(Read(store, 0, nRow) + Read(store, 1, nRow));
		std::sort(pairs.begin(), pairs.end());
		EXPECT_EQ((std::vector<std::string>{ "10a", "1c", "9b" }), pairs);
		EXPECT_EQ("heading", Read(store, 0, -1));
	}

	struct FindCase
	{
		const char* text;
		int flags;
		int startCol;
		long startRow;
		int result;
		int col;
		long row;
	};

	class MemoryDataSourceFindTest : public ::testing::TestWithParam<FindCase>
	{
	protected:
		// Column 0: Alpha, alpha, Alphabet, beta; column 1: -, alpha, -, gamma; heading "alpha".
		void SetUp() override
		{
			Put(m_store, 0, -1, "alpha");
			Put(m_store, 0, 0, "Alpha");
			Put(m_store, 0, 1, "alpha");
			Put(m_store, 1, 1, "alpha");
			Put(m_store, 0, 2, "Alphabet");
			Put(m_store, 0, 3, "beta");
			Put(m_store, 1, 3, "gamma");
		}

		MemoryDataSource m_store;
	};

	TEST_P(MemoryDataSourceFindTest, FindsTheNextMatch)
	{
		const FindCase& test = GetParam();
		int nCol = test.startCol;
		long nRow = test.startRow;
		EXPECT_EQ(test.result, m_store.FindNext(test.text, &nCol, &nRow, test.flags));
		EXPECT_EQ(test.col, nCol);
		EXPECT_EQ(test.row, nRow);
	}

	INSTANTIATE_TEST_SUITE_P(Cases, MemoryDataSourceFindTest, ::testing::Values(
		FindCase{ "alpha", 0, 0, -1, 0, 0, 1 },
		FindCase{ "alpha", 0, 0, 1, 1, 0, 1 },
		FindCase{ "alpha", GRID_FIND_NOCASE, 0, -1, 0, 0, 0 },
		FindCase{ "ALPHA", GRID_FIND_NOCASE, 0, 0, 0, 0, 1 },
		FindCase{ "ALPHA", GRID_FIND_NOCASE, 0, 1, 1, 0, 1 },
		FindCase{ "lph", GRID_FIND_PART, 0, 1, 0, 0, 2 },
		FindCase{ "LPH", GRID_FIND_PART, 0, -1, 1, 0, -1 },
		FindCase{ "bet", GRID_FIND_PART | GRID_FIND_NOCASE, 0, -1, 0, 0, 2 },
		FindCase{ "alpha", 0, 1, -1, 0, 1, 1 },
		FindCase{ "alpha", GRID_FIND_ACROSS, 0, 1, 0, 1, 1 },
		FindCase{ "alpha", GRID_FIND_ACROSS, 1, 1, 1, 1, 1 },
		FindCase{ "gamma", GRID_FIND_ACROSS, 5, 0, 0, 1, 3 },
		FindCase{ "beta", GRID_FIND_ACROSS, -1, -7, 0, 0, 3 },
		FindCase{ "alpha", 0, 0, -5, 0, 0, -1 },
		FindCase{ "beta", 0, 0, 3, 1, 0, 3 }));

	TEST_F(MemoryDataSourceFindTest, FindFirstStartsBeforeTheFirstDataRow)
	{
		int nCol = 0;
		long nRow = 3;
		ASSERT_EQ(0, m_store.FindFirst("alpha", &nCol, &nRow, 0));
		EXPECT_EQ(0, nCol);
		EXPECT_EQ(1, nRow);

		nCol = 4;
		nRow = 3;
		ASSERT_EQ(0, m_store.FindFirst("Alpha", &nCol, &nRow, GRID_FIND_ACROSS));
		EXPECT_EQ(0, nCol);
		EXPECT_EQ(0, nRow);

		EXPECT_EQ(1, m_store.FindFirst("delta", &nCol, &nRow, GRID_FIND_PART));
		EXPECT_EQ(0, nCol);
		EXPECT_EQ(0, nRow);
	}

	struct PreviousCase
	{
		int col;
		long row;
		int result;
		int found;
	};

	class PreviousNonEmptyColumnTest : public ::testing::TestWithParam<PreviousCase>
	{
	};

	TEST_P(PreviousNonEmptyColumnTest, LooksLeftOfTheColumn)
	{
		// Row 0: heading "h" at -1, "a" at 0, empty text at 2, "d" at 3, column 5 set and
		// cleared, nothing at 1 and 4. Row 1: "x" at -2 only.
		MemoryDataSource store;
		Put(store, -1, 0, "h");
		Put(store, 0, 0, "a");
		Put(store, 2, 0, "");
		Put(store, 3, 0, "d");
		Put(store, 5, 0, "e");
		store.DeleteCell(5, 0);
		Put(store, -2, 1, "x");

		int nCol = GetParam().col;
		EXPECT_EQ(GetParam().result, store.PreviousNonEmptyColumn(&nCol, GetParam().row));
		EXPECT_EQ(GetParam().found, nCol);
	}

	INSTANTIATE_TEST_SUITE_P(Cases, PreviousNonEmptyColumnTest, ::testing::Values(
		PreviousCase{ 3, 0, 0, 0 },
		PreviousCase{ 4, 0, 0, 3 },
		PreviousCase{ 9, 0, 0, 3 },
		PreviousCase{ 1, 0, 0, 0 },
		PreviousCase{ 0, 0, 1, 0 },
		PreviousCase{ -1, 0, 1, -1 },
		PreviousCase{ 0, 1, 1, 0 },
		PreviousCase{ -1, 1, 0, -2 },
		PreviousCase{ 2, 7, 1, 2 }));
}
