// GridDrawList: the cell blocks the next paint of a grid area draws, with their bounding block
// for a quick test, and the joined blocks already drawn in the running paint.
#pragma once

#include "framework/core/Types.h"

#include <vector>

struct GridCellBlock
{
	int m_nFirstCol;
	long m_nFirstRow;
	int m_nLastCol;
	long m_nLastRow;
};

class GridDrawList
{
public:
	GridDrawList();

	void AddBlock(int nFirstCol, long nFirstRow, int nLastCol, long nLastRow);
	void AddAll();
	BOOL IsEmpty() const;
	BOOL Contains(int nCol, long nRow) const;
	// TRUE when the joined block with this origin was drawn already; else records it.
	BOOL CheckJoinedDrawn(int nOriginCol, long nOriginRow);
	void Clear();

private:
	std::vector<GridCellBlock> m_blocks;
	GridCellBlock m_bounds;
	std::vector<std::pair<int, long>> m_joinedDrawn;
};
