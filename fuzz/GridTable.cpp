// Parsing fuzz input into a table of cells, and moving the table into and out of the memory store.
#include "fuzz/GridTable.h"

#include "grid/store/GridCell.h"
#include "grid/store/MemoryDataSource.h"

#include <algorithm>
#include <tuple>

namespace
{
	constexpr size_t MAX_ROWS = 24;
	constexpr size_t MAX_COLUMNS = 6;

	TableCell ParseCell(const std::string& strText)
	{
		TableCell cell;
		if (strText.empty())
			return cell;
		cell.bPresent = true;
		cell.nDataType = GCD_TEXT;
		cell.strText = strText;
		if (strText[0] == '#' || strText[0] == '=')
		{
			cell.nDataType = strText[0] == '#' ? GCD_NUMBER : GCD_TEXT;
			cell.strText.erase(0, 1);
		}
		return cell;
	}

	// A cell's text ends at its first NUL, as the store keeps C strings.
	std::vector<std::string> Split(const std::string& strLine, char cSeparator)
	{
		std::vector<std::string> parts(1);
		for (char c : strLine)
		{
			if (c == cSeparator)
				parts.emplace_back();
			else
				parts.back() += c;
		}
		for (std::string& part : parts)
			part.resize(std::char_traits<char>::length(part.c_str()));
		return parts;
	}
}

bool TableCell::operator==(const TableCell& other) const
{
	return bPresent == other.bPresent && nDataType == other.nDataType && strText == other.strText;
}

bool TableCell::operator<(const TableCell& other) const
{
	return std::tie(bPresent, nDataType, strText) < std::tie(other.bPresent, other.nDataType, other.strText);
}

CellTable ParseTable(const uint8_t* pData, size_t nSize)
{
	CellTable table;
	const std::string strText(reinterpret_cast<const char*>(pData), nSize);
	for (const std::string& strLine : Split(strText, '\n'))
	{
		if (table.rows.size() == MAX_ROWS)
			break;
		std::vector<TableCell> row;
		for (const std::string& strCell : Split(strLine, '\t'))
		{
			if (row.size() < MAX_COLUMNS)
				row.push_back(ParseCell(strCell));
		}
		table.nColumns = std::max(table.nColumns, int(row.size()));
		table.rows.push_back(row);
	}
	for (std::vector<TableCell>& row : table.rows)
		row.resize(size_t(table.nColumns));
	// The store has no row past its last cell, so trailing rows without cells are not the table's.
	while (table.rows.size() > 1 && std::none_of(table.rows.back().begin(), table.rows.back().end(),
		[](const TableCell& cell) { return cell.bPresent; }))
		table.rows.pop_back();
	return table;
}

void StoreTable(const CellTable& table, MemoryDataSource& store)
{
	for (size_t nIndex = 0; nIndex < table.rows.size(); nIndex++)
	{
		for (int nCol = 0; nCol < table.nColumns; nCol++)
		{
			const TableCell& cell = table.rows[nIndex][size_t(nCol)];
			if (!cell.bPresent)
				continue;
			GridCell gridCell;
			gridCell.SetText(cell.strText.c_str());
			gridCell.SetDataType(cell.nDataType);
			store.SetCell(nCol, table.RowNumber(nIndex), &gridCell);
		}
	}
}

CellTable ReadTable(MemoryDataSource& store, const CellTable& shape)
{
	CellTable table;
	table.nColumns = shape.nColumns;
	for (size_t nIndex = 0; nIndex < shape.rows.size(); nIndex++)
	{
		std::vector<TableCell> row(size_t(shape.nColumns));
		for (int nCol = 0; nCol < shape.nColumns; nCol++)
		{
			GridCell gridCell;
			if (store.GetCell(nCol, shape.RowNumber(nIndex), &gridCell) != 0)
				continue;
			TableCell& cell = row[size_t(nCol)];
			cell.bPresent = true;
			cell.nDataType = gridCell.GetDataType();
			cell.strText = LPCSTR(gridCell.GetText());
		}
		table.rows.push_back(row);
	}
	return table;
}
