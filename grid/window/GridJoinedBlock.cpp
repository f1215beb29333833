// Resolving a cell's joined block from its origin's offsets, clamped to the area's cells.
#include "grid/window/GridJoinedBlock.h"

#include "grid/store/GridCell.h"
#include "grid/window/GridWindow.h"

#include <algorithm>

namespace
{
	template <class T>
	T Clamp(long long n, T nLow, T nHigh)
	{
		return static_cast<T>(std::max<long long>(nLow, std::min<long long>(n, nHigh)));
	}
}

BOOL GridFindJoinedBlock(GridWindow* pGrid, int nCol, long nRow, const GridCellBlock& limits, GridCell* pCell,
	GridCellBlock* pBlock)
{
	BOOL bOrigin = FALSE;
	int nColOffset = 0;
	long nRowOffset = 0;
	if (!pCell->GetJoin(&bOrigin, &nColOffset, &nRowOffset))
		return FALSE;
	int nOriginCol = nCol;
	long nOriginRow = nRow;
	if (!bOrigin)
	{
		// A member points back to its origin, which lies above and to the left of it.
		nOriginCol = Clamp<int>(static_cast<long long>(nCol) + nColOffset, limits.m_nFirstCol, nCol);
		nOriginRow = Clamp<long>(static_cast<long long>(nRow) + nRowOffset, limits.m_nFirstRow, nRow);
		pGrid->GetCellWithDefaults(nOriginCol, nOriginRow, pCell);
		if (!pCell->GetJoin(&bOrigin, &nColOffset, &nRowOffset) || !bOrigin)
		{
			pGrid->GetCellWithDefaults(nCol, nRow, pCell);
			return FALSE;
		}
	}
	const GridCellBlock block{nOriginCol, nOriginRow,
		Clamp<int>(static_cast<long long>(nOriginCol) + nColOffset, nOriginCol, limits.m_nLastCol),
		Clamp<long>(static_cast<long long>(nOriginRow) + nRowOffset, nOriginRow, limits.m_nLastRow)};
	if (nCol > block.m_nLastCol || nRow > block.m_nLastRow)
	{
		// The origin's block does not reach this member: the member is drawn on its own.
		pGrid->GetCellWithDefaults(nCol, nRow, pCell);
		return FALSE;
	}
	*pBlock = block;
	return TRUE;
}
