// Cells and their rectangles in the cell view: which cell lies under a point and where a cell (or
// the joined block it belongs to) is drawn.
#include "grid/window/GridWindow.h"

#include "grid/window/GridJoinedBlock.h"
#include "grid/window/GridViewWalk.h"
#include "grid/window/SheetAxes.h"

#include <algorithm>
#include <climits>

namespace
{
// The position whose laid extent holds v, or -1.
long PositionAt(const GridAxis& axis, long nLocked, long nFirst, int nViewSize, int v)
{
	GridViewWalk walk(axis, nLocked, nFirst, nViewSize);
	while (walk.Next())
	{
		if (v >= walk.GetStart() && v < walk.GetEnd())
			return walk.GetPosition();
	}
	return -1;
}

int ClampToInt(long long n)
{
	return static_cast<int>(std::max<long long>(-INT_MAX, std::min<long long>(n, INT_MAX)));
}
} // namespace

int GridWindow::GetCellFromPoint(int x, int y, int* pnCol, long* pnRow, RECT* pRect)
{
	const SheetSettings& sheet = *m_pSheet;
	if (x < 0 || y < 0 || x >= sheet.m_nViewWidth || y >= sheet.m_nViewHeight)
		return 1;
	const long nCol = PositionAt(SheetColumnAxis(sheet), sheet.m_nLockedColumns, sheet.m_nLeftColumn,
		sheet.m_nViewWidth, x);
	const long nRow = PositionAt(SheetRowAxis(sheet), sheet.m_nLockedRows, sheet.m_nTopRow, sheet.m_nViewHeight, y);
	if (nCol < 0 || nRow < 0)
		return 1;
	int nFoundCol = static_cast<int>(nCol);
	long nFoundRow = nRow;
	GridCell cell;
	GetCellWithDefaults(nFoundCol, nFoundRow, &cell);
	GridCellBlock block;
	const GridCellBlock limits{0, 0, sheet.m_nColumnCount - 1, sheet.m_nRowCount - 1};
	if (sheet.m_bJoins && GridFindJoinedBlock(this, nFoundCol, nFoundRow, limits, &cell, &block))
	{
		nFoundCol = block.m_nFirstCol;
		nFoundRow = block.m_nFirstRow;
	}
	if (pnCol != nullptr)
		*pnCol = nFoundCol;
	if (pnRow != nullptr)
		*pnRow = nFoundRow;
	if (pRect != nullptr)
		GetCellRect(nFoundCol, nFoundRow, pRect);
	return 0;
}

int GridWindow::GetCellRect(int nCol, long nRow, RECT* pRect)
{
	const SheetSettings& sheet = *m_pSheet;
	if (pRect == nullptr || nCol < 0 || nCol >= sheet.m_nColumnCount || nRow < 0 || nRow >= sheet.m_nRowCount)
		return 1;
	GridCellBlock block{nCol, nRow, nCol, nRow};
	if (sheet.m_bJoins)
	{
		GridCell cell;
		GetCellWithDefaults(nCol, nRow, &cell);
		const GridCellBlock limits{0, 0, sheet.m_nColumnCount - 1, sheet.m_nRowCount - 1};
		GridFindJoinedBlock(this, nCol, nRow, limits, &cell, &block);
	}
	const SheetColumnAxis columns(sheet);
	const SheetRowAxis rows(sheet);
	const long long nLeft = GridViewOffset(columns, block.m_nFirstCol, sheet.m_nLockedColumns, sheet.m_nLeftColumn,
		sheet.m_nLockedColumnsWidth);
	const long long nTop = GridViewOffset(rows, block.m_nFirstRow, sheet.m_nLockedRows, sheet.m_nTopRow,
		sheet.m_nLockedRowsHeight);
	pRect->left = ClampToInt(nLeft);
	pRect->top = ClampToInt(nTop);
	pRect->right = ClampToInt(nLeft + GridAxisSpan(columns, block.m_nFirstCol, block.m_nLastCol + 1, LLONG_MAX));
	pRect->bottom = ClampToInt(nTop + GridAxisSpan(rows, block.m_nFirstRow, block.m_nLastRow + 1, LLONG_MAX));
	return 0;
}
