// The blocks of a sheet's selection.
#include "grid/window/SelectionList.h"

#include <algorithm>

SelectionList::SelectionList()
	: m_nStyle(0)
	, m_nLastMoveCol(-1)
	, m_nLastMoveRow(-1)
{
}

void SelectionList::Clear()
{
	m_blocks.clear();
	m_nLastMoveCol = -1;
	m_nLastMoveRow = -1;
}

void SelectionList::StartBlock(int nCol, long nRow, int nColumnCount)
{
	GridSelectionBlock block{nCol, nRow, nCol, nRow, nCol, nRow, nCol, nRow, 1};
	Normalise(block, nColumnCount, m_nStyle);
	m_blocks.push_back(block);
}

BOOL SelectionList::ExtendLastBlock(int nCol, long nRow, int nColumnCount, GridSelectionChange* pChange)
{
	if (m_blocks.empty())
		return FALSE;
	GridSelectionBlock& block = m_blocks.back();
	const GridSelectionBlock before = block;
	block.m_nCornerCol = nCol;
	block.m_nCornerRow = nRow;
	Normalise(block, nColumnCount, m_nStyle);
	if (pChange == nullptr)
		return TRUE;
	pChange->m_nBands = 0;
	// Both shapes share the anchor, so every cell selected in one and not the other lies in a row
	// between the two corners' rows or in a column between their columns.
	const int nUnionFirstCol = std::min(before.m_nFirstCol, block.m_nFirstCol);
	const int nUnionLastCol = std::max(before.m_nLastCol, block.m_nLastCol);
	const long nUnionFirstRow = std::min(before.m_nFirstRow, block.m_nFirstRow);
	const long nUnionLastRow = std::max(before.m_nLastRow, block.m_nLastRow);
	if (before.m_nFirstRow != block.m_nFirstRow || before.m_nLastRow != block.m_nLastRow)
		pChange->m_bands[pChange->m_nBands++] = GridCellBlock{nUnionFirstCol,
			std::min(before.m_nCornerRow, block.m_nCornerRow), nUnionLastCol,
			std::max(before.m_nCornerRow, block.m_nCornerRow)};
	if (before.m_nFirstCol != block.m_nFirstCol || before.m_nLastCol != block.m_nLastCol)
		pChange->m_bands[pChange->m_nBands++] = GridCellBlock{std::min(before.m_nCornerCol, block.m_nCornerCol),
			nUnionFirstRow, std::max(before.m_nCornerCol, block.m_nCornerCol), nUnionLastRow};
	return TRUE;
}

int SelectionList::Contains(int nCol, long nRow) const
{
	int nFound = 0;
	for (size_t i = 0; i < m_blocks.size(); ++i)
	{
		const GridSelectionBlock& block = m_blocks[i];
		if (nCol < block.m_nFirstCol || nCol > block.m_nLastCol || nRow < block.m_nFirstRow || nRow > block.m_nLastRow)
			continue;
		nFound = static_cast<int>(i) + 1;
		if (m_nStyle & GRID_SELECT_FIRST_BLOCK)
			break;
	}
	return nFound;
}

int SelectionList::GetBlockCount() const
{
	return static_cast<int>(m_blocks.size());
}

const GridSelectionBlock* SelectionList::GetBlock(int nIndex) const
{
	if (nIndex < 0 || nIndex >= GetBlockCount())
		return nullptr;
	return &m_blocks[static_cast<size_t>(nIndex)];
}

const GridSelectionBlock* SelectionList::GetLastBlock() const
{
	return m_blocks.empty() ? nullptr : &m_blocks.back();
}

BOOL SelectionList::GetBoundingBlock(int* pnFirstCol, long* pnFirstRow, int* pnLastCol, long* pnLastRow) const
{
	if (m_blocks.empty())
		return FALSE;
	*pnFirstCol = m_blocks.front().m_nFirstCol;
	*pnFirstRow = m_blocks.front().m_nFirstRow;
	*pnLastCol = m_blocks.front().m_nLastCol;
	*pnLastRow = m_blocks.front().m_nLastRow;
	for (const GridSelectionBlock& block : m_blocks)
	{
		*pnFirstCol = std::min(*pnFirstCol, block.m_nFirstCol);
		*pnFirstRow = std::min(*pnFirstRow, block.m_nFirstRow);
		*pnLastCol = std::max(*pnLastCol, block.m_nLastCol);
		*pnLastRow = std::max(*pnLastRow, block.m_nLastRow);
	}
	return TRUE;
}

void SelectionList::Normalise(GridSelectionBlock& block, int nColumnCount, int nStyle)
{
	block.m_nFirstCol = std::min(block.m_nAnchorCol, block.m_nCornerCol);
	block.m_nLastCol = std::max(block.m_nAnchorCol, block.m_nCornerCol);
	block.m_nFirstRow = std::min(block.m_nAnchorRow, block.m_nCornerRow);
	block.m_nLastRow = std::max(block.m_nAnchorRow, block.m_nCornerRow);
	if (nStyle & GRID_SELECT_WHOLE_ROWS)
	{
		block.m_nFirstCol = 0;
		block.m_nLastCol = std::max(0, nColumnCount - 1);
	}
}
