// SelectionList: the blocks of cells selected in a sheet, each from an anchor to a moving corner.
#pragma once

#include "framework/core/Types.h"
#include "grid/window/GridDrawList.h"

#include <vector>

struct GridSelectionBlock
{
	int m_nAnchorCol;
	long m_nAnchorRow;
	int m_nCornerCol;
	long m_nCornerRow;
	int m_nFirstCol;
	long m_nFirstRow;
	int m_nLastCol;
	long m_nLastRow;
	int m_nValue;
};

// The cells whose selected look a move of the corner changed: at most a band of rows and a band
// of columns.
struct GridSelectionChange
{
	int m_nBands = 0;
	GridCellBlock m_bands[2] = {};
};

// Style bits.
constexpr int GRID_SELECT_WHOLE_ROWS = 0x2;
constexpr int GRID_SELECT_FIRST_BLOCK = 0x10;

class SelectionList
{
public:
	SelectionList();

	// Frees the blocks and forgets the last move.
	void Clear();
	// A block of the single cell (or its whole row with GRID_SELECT_WHOLE_ROWS).
	void StartBlock(int nCol, long nRow, int nColumnCount);
	// Moves the last block's corner and tells which cells changed; FALSE without a block.
	BOOL ExtendLastBlock(int nCol, long nRow, int nColumnCount, GridSelectionChange* pChange = nullptr);
	// 0 when no block holds the cell, else the holding block's index plus one.
	int Contains(int nCol, long nRow) const;
	int GetBlockCount() const;
	const GridSelectionBlock* GetBlock(int nIndex) const;
	const GridSelectionBlock* GetLastBlock() const;
	// FALSE when there is no block.
	BOOL GetBoundingBlock(int* pnFirstCol, long* pnFirstRow, int* pnLastCol, long* pnLastRow) const;

	int m_nStyle;
	// The cell the selection last went to (-1 before any): a commit that finds the target still
	// there, such as a scroll of the view, leaves the selection alone.
	int m_nLastMoveCol;
	long m_nLastMoveRow;

private:
	static void Normalise(GridSelectionBlock& block, int nColumnCount, int nStyle);

	std::vector<GridSelectionBlock> m_blocks;
};
