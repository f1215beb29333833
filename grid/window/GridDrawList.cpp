// The draw list of a grid area: blocks to draw, their bounds, and the joined blocks drawn so far.
#include "grid/window/GridDrawList.h"

#include <algorithm>
#include <climits>

namespace
{
	BOOL BlockHolds(const GridCellBlock& block, int nCol, long nRow)
	{
		return nCol >= block.m_nFirstCol && nCol <= block.m_nLastCol && nRow >= block.m_nFirstRow
			&& nRow <= block.m_nLastRow;
	}

	BOOL BlockCovers(const GridCellBlock& outer, const GridCellBlock& inner)
	{
		return inner.m_nFirstCol >= outer.m_nFirstCol && inner.m_nLastCol <= outer.m_nLastCol
			&& inner.m_nFirstRow >= outer.m_nFirstRow && inner.m_nLastRow <= outer.m_nLastRow;
	}
}

GridDrawList::GridDrawList()
	: m_bounds{0, 0, -1, -1}
{
}

void GridDrawList::AddBlock(int nFirstCol, long nFirstRow, int nLastCol, long nLastRow)
{
	const GridCellBlock block{std::min(nFirstCol, nLastCol), std::min(nFirstRow, nLastRow),
		std::max(nFirstCol, nLastCol), std::max(nFirstRow, nLastRow)};
	// Marking the same cells again, as every keystroke that redraws the current cell does, must
	// not make the list grow.
	for (const GridCellBlock& held : m_blocks)
	{
		if (BlockCovers(held, block))
			return;
	}
	if (m_blocks.empty())
	{
		m_bounds = block;
	}
	else
	{
		m_bounds.m_nFirstCol = std::min(m_bounds.m_nFirstCol, block.m_nFirstCol);
		m_bounds.m_nFirstRow = std::min(m_bounds.m_nFirstRow, block.m_nFirstRow);
		m_bounds.m_nLastCol = std::max(m_bounds.m_nLastCol, block.m_nLastCol);
		m_bounds.m_nLastRow = std::max(m_bounds.m_nLastRow, block.m_nLastRow);
	}
	m_blocks.push_back(block);
}

void GridDrawList::AddAll()
{
	m_blocks.clear();
	AddBlock(INT_MIN, LONG_MIN, INT_MAX, LONG_MAX);
}

BOOL GridDrawList::IsEmpty() const
{
	return m_blocks.empty();
}

BOOL GridDrawList::Contains(int nCol, long nRow) const
{
	if (m_blocks.empty() || !BlockHolds(m_bounds, nCol, nRow))
		return FALSE;
	return std::any_of(m_blocks.begin(), m_blocks.end(),
		[&](const GridCellBlock& block) { return BlockHolds(block, nCol, nRow); });
}

BOOL GridDrawList::CheckJoinedDrawn(int nOriginCol, long nOriginRow)
{
	const std::pair<int, long> origin(nOriginCol, nOriginRow);
	if (std::find(m_joinedDrawn.begin(), m_joinedDrawn.end(), origin) != m_joinedDrawn.end())
		return TRUE;
	m_joinedDrawn.push_back(origin);
	return FALSE;
}

void GridDrawList::Clear()
{
	m_blocks.clear();
	m_joinedDrawn.clear();
	m_bounds = GridCellBlock{0, 0, -1, -1};
}
