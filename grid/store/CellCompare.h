// The grid's default order of two cells when sorting rows.
#pragma once

class GridCell;

// Negative, zero or positive as a sorts before, with or after b; a missing cell or one without
// text sorts first. GRID_SORT_DESCENDING in nFlags reverses the order.
int CompareCellsForSort(const GridCell* pA, const GridCell* pB, int nFlags);

// Who orders two cells when a data source sorts its rows: the grid, whose comparison a derived
// grid may override.
class GridCellOrder
{
public:
	virtual int CompareCellsForSort(GridCell* pA, GridCell* pB, int nFlags) = 0;

protected:
	~GridCellOrder() = default;
};
