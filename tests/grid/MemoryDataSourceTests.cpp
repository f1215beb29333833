// MemoryDataSource: cells read and written anywhere, heading cells included, whatever order the
// cursor is walked in, and rows and columns inserted and deleted around them.
#include "grid/store/MemoryDataSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
	std::string Name(int nCol, long nRow)
	{
		return std::to_string(nCol) + "," + std::to_string(nRow);
	}

	void Put(MemoryDataSource& store, int nCol, long nRow, const std::string& text)
	{
		GridCell cell;
		cell.SetText(text.c_str());
		ASSERT_EQ(0, store.SetCell(nCol, nRow, &cell));
	}

	// The cell's text, or "-" when the store has no cell there.
	std::string Read(MemoryDataSource& store, int nCol, long nRow)
	{
		GridCell cell;
		if (store.GetCell(nCol, nRow, &cell) != 0)
			return "-";
		return std::string(cell.GetText());
	}

	// The texts of columns first..last of a row, "-" for missing cells.
	std::string RowText(MemoryDataSource& store, long nRow, int nFirst, int nLast)
	{
		std::string text;
		for (int nCol = nFirst; nCol <= nLast; nCol++)
			text += (nCol > nFirst ? " " : "") + Read(store, nCol, nRow);
		return text;
	}

	TEST(MemoryDataSourceTest, CellNeverSetIsNotReadAndLeavesTheCellAlone)
	{
		MemoryDataSource store;
		GridCell cell;
		cell.SetText("mine");
		EXPECT_EQ(1, store.GetCell(0, 0, &cell));
		Put(store, 3, 1, "far");
		EXPECT_EQ(1, store.GetCell(1, 1, &cell));
		EXPECT_EQ(1, store.GetCell(4, 1, &cell));
		EXPECT_EQ(1, store.GetCell(0, 2, &cell));
		EXPECT_EQ(1, store.GetCell(0, -1, &cell));
		EXPECT_STREQ("mine", cell.GetText());
		EXPECT_EQ(GCP_TEXT | GCP_DATATYPE, cell.GetMask());
	}

	TEST(MemoryDataSourceTest, CellReadsBackWithItsProperties)
	{
		MemoryDataSource store;
		GridCell cell;
		cell.SetDecimals(1);
		cell.SetNumber(2.34);
		cell.SetBackColor(RGB(1, 2, 3));
		ASSERT_EQ(0, store.SetCell(2, 5, &cell));

		GridCell read;
		read.SetAlignment(GCA_CENTER);
		ASSERT_EQ(0, store.GetCell(2, 5, &read));
		EXPECT_STREQ("2.3", read.GetText());
		EXPECT_EQ(GCD_NUMBER, read.GetDataType());
		EXPECT_EQ(RGB(1, 2, 3), read.GetBackColor(0));
		EXPECT_EQ(GCA_CENTER, read.GetAlignment());
	}

	TEST(MemoryDataSourceTest, SettingAgainReplacesTheStoredCell)
	{
		MemoryDataSource store;
		GridCell cell;
		cell.SetText("a");
		cell.SetReadOnly(TRUE);
		store.SetCell(0, 0, &cell);
		Put(store, 0, 0, "b");

		GridCell read;
		ASSERT_EQ(0, store.GetCell(0, 0, &read));
		EXPECT_STREQ("b", read.GetText());
		EXPECT_FALSE(read.IsReadOnly());
	}

	TEST(MemoryDataSourceTest, HeadingCellsLiveBesideDataCells)
	{
		MemoryDataSource store;
		Put(store, 1, -1, "top");
		Put(store, -1, 2, "side");
		Put(store, -1, -1, "corner");
		Put(store, -2, -3, "outer");
		Put(store, 0, 0, "data");

		EXPECT_EQ("top", Read(store, 1, -1));
		EXPECT_EQ("side", Read(store, -1, 2));
		EXPECT_EQ("corner", Read(store, -1, -1));
		EXPECT_EQ("outer", Read(store, -2, -3));
		EXPECT_EQ("data", Read(store, 0, 0));
		EXPECT_EQ("-", Read(store, 0, -1));
		EXPECT_EQ("-", Read(store, -3, -3));
	}

	TEST(MemoryDataSourceTest, CursorGivesTheRightCellsInAnyOrder)
	{
		MemoryDataSource store;
		for (long nRow = -2; nRow < 6; nRow++)
			for (int nCol = -2; nCol < 6; nCol++)
				Put(store, nCol, nRow, Name(nCol, nRow));

		std::vector<std::pair<int, long>> order;
		for (long nRow = 5; nRow >= -2; nRow--)
			for (int nCol = -2; nCol < 6; nCol++)
				order.push_back({ nCol, nRow });
		for (int nCol = 5; nCol >= -2; nCol--)
			for (long nRow = -2; nRow < 6; nRow++)
				order.push_back({ nCol, nRow });
		for (int i = 0; i < 64; i++)
			order.push_back({ (i * 5) % 8 - 2, static_cast<long>((i * 3) % 8 - 2) });

		for (const auto& position : order)
			ASSERT_EQ(Name(position.first, position.second), Read(store, position.first, position.second));
	}

	TEST(MemoryDataSourceTest, InsertRowShiftsTheRowsAfterIt)
	{
		MemoryDataSource store;
		for (long nRow = -1; nRow < 3; nRow++)
			Put(store, 0, nRow, Name(0, nRow));

		EXPECT_EQ(1, store.InsertRow(3));
		ASSERT_EQ(0, store.InsertRow(1));
		EXPECT_EQ("0,-1", Read(store, 0, -1));
		EXPECT_EQ("0,0", Read(store, 0, 0));
		EXPECT_EQ("-", Read(store, 0, 1));
		EXPECT_EQ("0,1", Read(store, 0, 2));
		EXPECT_EQ("0,2", Read(store, 0, 3));

		ASSERT_EQ(0, store.InsertRow(0));
		EXPECT_EQ("0,-1", Read(store, 0, -1));
		EXPECT_EQ("-", Read(store, 0, 0));
		EXPECT_EQ("0,0", Read(store, 0, 1));
	}

	TEST(MemoryDataSourceTest, InsertHeadingRowMovesOuterHeadingsOutwards)
	{
		MemoryDataSource store;
		Put(store, 0, -1, "h1");
		Put(store, 0, 0, "data");
		ASSERT_EQ(0, store.InsertRow(-1));
		EXPECT_EQ("-", Read(store, 0, -1));
		EXPECT_EQ("h1", Read(store, 0, -2));
		EXPECT_EQ("data", Read(store, 0, 0));
	}

	TEST(MemoryDataSourceTest, DeleteRowPullsTheRowsAfterItUp)
	{
		MemoryDataSource store;
		for (long nRow = -2; nRow < 4; nRow++)
			Put(store, 1, nRow, Name(1, nRow));

		ASSERT_EQ(0, store.DeleteRow(1));
		EXPECT_EQ("1,0 1,2 1,3 -", Read(store, 1, 0) + " " + Read(store, 1, 1) + " " + Read(store, 1, 2) + " " + Read(store, 1, 3));
		ASSERT_EQ(0, store.DeleteRow(-1));
		EXPECT_EQ("1,-2", Read(store, 1, -1));
		EXPECT_EQ("-", Read(store, 1, -2));
		EXPECT_EQ("1,0", Read(store, 1, 0));
		EXPECT_EQ(1, store.DeleteRow(7));

		for (long nRow = 2; nRow >= -1; nRow--)
			store.DeleteRow(nRow);
		EXPECT_EQ(1, store.DeleteRow(0));
		Put(store, 0, 1, "again");
		EXPECT_EQ("again", Read(store, 0, 1));
	}

	TEST(MemoryDataSourceTest, InsertColumnShiftsEveryRowThatReachesIt)
	{
		MemoryDataSource store;
		for (int nCol = -1; nCol < 3; nCol++)
			Put(store, nCol, 0, Name(nCol, 0));
		Put(store, 0, 1, "short");

		ASSERT_EQ(0, store.InsertColumn(1));
		EXPECT_EQ("-1,0 0,0 - 1,0 2,0", RowText(store, 0, -1, 3));
		EXPECT_EQ("short - -", RowText(store, 1, 0, 2));

		ASSERT_EQ(0, store.InsertColumn(0));
		EXPECT_EQ("-1,0 - 0,0 -", RowText(store, 0, -1, 2));
		EXPECT_EQ("- short", RowText(store, 1, 0, 1));

		ASSERT_EQ(0, store.InsertColumn(-1));
		EXPECT_EQ("-1,0 - - 0,0", RowText(store, 0, -2, 1));
	}

	TEST(MemoryDataSourceTest, DeleteColumnPullsTheColumnsAfterItLeft)
	{
		MemoryDataSource store;
		for (int nCol = -2; nCol < 4; nCol++)
			Put(store, nCol, 0, Name(nCol, 0));
		Put(store, 0, 1, "a");
		Put(store, 1, 1, "b");

		ASSERT_EQ(0, store.DeleteColumn(1));
		EXPECT_EQ("-2,0 -1,0 0,0 2,0 3,0 -", RowText(store, 0, -2, 3));
		EXPECT_EQ("a -", RowText(store, 1, 0, 1));

		ASSERT_EQ(0, store.DeleteColumn(0));
		EXPECT_EQ("-2,0 -1,0 2,0 3,0", RowText(store, 0, -2, 1));
		EXPECT_EQ("- -", RowText(store, 1, 0, 1));

		ASSERT_EQ(0, store.DeleteColumn(-1));
		EXPECT_EQ("- -2,0 2,0", RowText(store, 0, -2, 0));
		Put(store, 0, 1, "new");
		EXPECT_EQ("new", Read(store, 0, 1));
	}

	TEST(MemoryDataSourceTest, DeleteCellAndDeleteAll)
	{
		MemoryDataSource store;
		Put(store, 0, 0, "a");
		Put(store, 1, 0, "b");
		ASSERT_EQ(0, store.DeleteCell(0, 0));
		EXPECT_EQ(1, store.DeleteCell(0, 0));
		EXPECT_EQ("- b", RowText(store, 0, 0, 1));

		ASSERT_EQ(0, store.DeleteAll());
		EXPECT_EQ("-", Read(store, 1, 0));
		Put(store, -1, -1, "corner");
		EXPECT_EQ("corner", Read(store, -1, -1));
	}
}
