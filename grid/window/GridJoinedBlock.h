// Where the joined block of a cell lies, kept inside the cells an area can draw: offsets that
// point past the last column or row, or before the first, stop at the area's edge.
#pragma once

#include "grid/window/GridDrawList.h"

class GridCell;
class GridWindow;

// pCell holds the assembled cell (nCol, nRow). When it belongs to a joined block that holds it,
// returns TRUE with the block in *pBlock and pCell re-assembled as the block's origin, which is
// the cell drawn over the block. FALSE for a cell drawn alone.
BOOL GridFindJoinedBlock(GridWindow* pGrid, int nCol, long nRow, const GridCellBlock& limits, GridCell* pCell,
	GridCellBlock* pBlock);
