// Sorts a memory store filled from the input by the columns the input picks. The rows must come
// out as the same rows, the heading row where it was, and, where every sorted column holds one
// data type and no NaN, in order: missing cells first, then empty ones, then numbers by value or
// text by its bytes.
#include "fuzz/FuzzSupport.h"
#include "fuzz/GridTable.h"

#include "grid/store/DataSource.h"
#include "grid/store/GridCell.h"
#include "grid/store/MemoryDataSource.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{
	double Number(const TableCell& cell)
	{
		return std::strtod(cell.strText.c_str(), nullptr);
	}

	int Order(const TableCell& a, const TableCell& b)
	{
		// Missing cells first, then cells without text, then the rest.
		const int nRankA = !a.bPresent ? 0 : (a.strText.empty() ? 1 : 2);
		const int nRankB = !b.bPresent ? 0 : (b.strText.empty() ? 1 : 2);
		if (nRankA < 2 || nRankB < 2)
			return nRankA < nRankB ? -1 : (nRankA > nRankB ? 1 : 0);
		if (a.nDataType == GCD_NUMBER)
			return Number(a) < Number(b) ? -1 : (Number(b) < Number(a) ? 1 : 0);
		const int n = a.strText.compare(b.strText);
		return n < 0 ? -1 : (n > 0 ? 1 : 0);
	}

	// One data type among the column's texts, and no number that is NaN: an order exists.
	bool Orderable(const CellTable& table, int nCol)
	{
		int nType = 0;
		for (size_t nIndex = 1; nIndex < table.rows.size(); nIndex++)
		{
			const TableCell& cell = table.rows[nIndex][size_t(nCol)];
			if (!cell.bPresent || cell.strText.empty())
				continue;
			if (nType != 0 && cell.nDataType != nType)
				return false;
			nType = cell.nDataType;
			if (nType == GCD_NUMBER && std::isnan(Number(cell)))
				return false;
		}
		return true;
	}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
	if (nSize < 2)
		return 0;
	const int nFlags = (pData[0] & 1) ? GRID_SORT_DESCENDING : 0;
	const int nCount = 1 + pData[1] % 4;
	if (nSize < size_t(2 + nCount))
		return 0;
	int cols[4];
	for (int i = 0; i < nCount; i++)
		cols[i] = pData[2 + i] % 8 - 1;
	const CellTable table = ParseTable(pData + 2 + nCount, nSize - 2 - size_t(nCount));

	MemoryDataSource store;
	StoreTable(table, store);
	FUZZ_CHECK(store.SortMulti(cols, nCount, nFlags) == 0);
	const CellTable sorted = ReadTable(store, table);

	FUZZ_CHECK(sorted.rows.empty() || sorted.rows[0] == table.rows[0]);
	std::vector<std::vector<TableCell>> before(table.rows.begin() + (table.rows.empty() ? 0 : 1), table.rows.end());
	std::vector<std::vector<TableCell>> after(sorted.rows.begin() + (sorted.rows.empty() ? 0 : 1), sorted.rows.end());
	std::sort(before.begin(), before.end());
	std::sort(after.begin(), after.end());
	FUZZ_CHECK(before == after);

	for (int i = 0; i < nCount; i++)
	{
		if (cols[i] >= 0 && cols[i] < table.nColumns && !Orderable(table, cols[i]))
			return 0;
	}
	for (size_t nIndex = 2; nIndex < sorted.rows.size(); nIndex++)
	{
		int nOrder = 0;
		for (int i = 0; i < nCount && nOrder == 0; i++)
		{
			if (cols[i] < 0 || cols[i] >= table.nColumns)
				continue;
			const TableCell& a = sorted.rows[nIndex - 1][size_t(cols[i])];
			const TableCell& b = sorted.rows[nIndex][size_t(cols[i])];
			nOrder = nFlags & GRID_SORT_DESCENDING ? Order(b, a) : Order(a, b);
		}
		FUZZ_CHECK(nOrder <= 0);
	}
	return 0;
}
