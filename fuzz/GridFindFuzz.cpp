// Replaces every match of a text in a memory store filled from the input, the way the grid's
// replace-all walks the store: down one column or across the rows. Each cell found must be the
// next match in the walk's order, no match may be missed, and only the matches may change.
#include "fuzz/FuzzSupport.h"
#include "fuzz/GridTable.h"

#include "grid/store/DataSource.h"
#include "grid/store/GridCell.h"
#include "grid/store/MemoryDataSource.h"

#include <cctype>
#include <utility>

namespace
{
	bool SameNoCase(const std::string& a, const std::string& b)
	{
		if (a.size() != b.size())
			return false;
		for (size_t i = 0; i < a.size(); i++)
		{
			const unsigned char ca = (unsigned char)a[i], cb = (unsigned char)b[i];
			const bool bLetters = ca < 0x80 && cb < 0x80;
			if (bLetters ? std::tolower(ca) != std::tolower(cb) : ca != cb)
				return false;
		}
		return true;
	}

	// A part of a text is looked for with its case, whatever the case flag says.
	bool Matches(const TableCell& cell, const std::string& strFind, int nFlags)
	{
		if (!cell.bPresent)
			return false;
		if (nFlags & GRID_FIND_PART)
			return cell.strText.find(strFind) != std::string::npos;
		if (nFlags & GRID_FIND_NOCASE)
			return SameNoCase(cell.strText, strFind);
		return cell.strText == strFind;
	}

	// The cells a replace-all reaches, in the order it reaches them.
	std::vector<std::pair<int, long>> Walk(const CellTable& table, int nColumn, int nFlags)
	{
		std::vector<std::pair<int, long>> cells;
		for (size_t nIndex = 1; nIndex < table.rows.size(); nIndex++)
		{
			for (int nCol = 0; nCol < table.nColumns; nCol++)
			{
				if ((nFlags & GRID_FIND_ACROSS) || nCol == nColumn)
					cells.emplace_back(nCol, table.RowNumber(nIndex));
			}
		}
		return cells;
	}

	std::string Line(const uint8_t*& pData, const uint8_t* pEnd)
	{
		std::string strLine;
		while (pData < pEnd && *pData != '\n')
			strLine += char(*pData++);
		if (pData < pEnd)
			pData++;
		return std::string(strLine.c_str());
	}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
	if (nSize < 2)
		return 0;
	const int nFlags = pData[0] & (GRID_FIND_PART | GRID_FIND_NOCASE | GRID_FIND_UP | GRID_FIND_ACROSS);
	const int nColumn = pData[1] % 8 - 1;
	const uint8_t* pText = pData + 2;
	const uint8_t* pEnd = pData + nSize;
	const std::string strFind = Line(pText, pEnd);
	const std::string strReplace = Line(pText, pEnd);
	CellTable expected = ParseTable(pText, size_t(pEnd - pText));

	MemoryDataSource store;
	StoreTable(expected, store);
	std::vector<std::pair<int, long>> matches;
	for (const std::pair<int, long>& cell : Walk(expected, nColumn, nFlags))
	{
		if (Matches(expected.rows[size_t(cell.second + 1)][size_t(cell.first)], strFind, nFlags))
			matches.push_back(cell);
	}

	int nCol = (nFlags & GRID_FIND_ACROSS) ? -1 : nColumn;
	long nRow = (nFlags & GRID_FIND_ACROSS) ? 0 : -1;
	size_t nFound = 0;
	while (store.FindNext(strFind.c_str(), &nCol, &nRow, nFlags) == 0)
	{
		FUZZ_CHECK(nFound < matches.size());
		FUZZ_CHECK(matches[nFound] == std::make_pair(nCol, nRow));
		nFound++;
		GridCell cell;
		FUZZ_CHECK(store.GetCell(nCol, nRow, &cell) == 0);
		cell.SetText(strReplace.c_str());
		FUZZ_CHECK(store.SetCell(nCol, nRow, &cell) == 0);
		// Setting a text makes the cell a text cell, as in the grid's replace.
		TableCell& replaced = expected.rows[size_t(nRow + 1)][size_t(nCol)];
		replaced.strText = strReplace;
		replaced.nDataType = GCD_TEXT;
	}
	FUZZ_CHECK(nFound == matches.size());
	FUZZ_CHECK(ReadTable(store, expected).rows == expected.rows);
	return 0;
}
