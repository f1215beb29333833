// A table of cells read from fuzz input, the model the grid targets check the memory store
// against: one line a row (the first is the heading row -1), cells separated by tabs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class MemoryDataSource;

struct TableCell
{
	bool bPresent = false;
	int nDataType = 0;
	std::string strText;

	bool operator==(const TableCell& other) const;
	bool operator<(const TableCell& other) const;
};

// rows[0] is the heading row -1, rows[1] row 0, and so on; every row has the same column count.
struct CellTable
{
	std::vector<std::vector<TableCell>> rows;
	int nColumns = 0;

	long RowNumber(size_t nIndex) const
	{
		return long(nIndex) - 1;
	}
};

// An empty cell text leaves the cell missing; "#" before a text makes it a number cell and "="
// a text cell, so that an empty text can be set too. The table is cut to a few rows and columns,
// as the sort is quadratic in rows.
CellTable ParseTable(const uint8_t* pData, size_t nSize);
void StoreTable(const CellTable& table, MemoryDataSource& store);
// The store's cells over the table's rows and columns.
CellTable ReadTable(MemoryDataSource& store, const CellTable& shape);
