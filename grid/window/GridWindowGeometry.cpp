// The grid's sizes: column widths, row heights, the heading areas, locked rows and columns, the
// tab bar, and moving a column with its data.
#include "grid/window/GridWindow.h"

#include "grid/window/GridViewWalk.h"
#include "grid/window/SheetAxes.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>

namespace
{
BOOL IsHeadingSize(int nSize)
{
	return nSize >= 0 && nSize <= GRID_MAX_HEADING_SIZE;
}

// Rescales the parts to a new total, each to the nearest pixel.
void RescaleParts(std::vector<int>& parts, int nOldTotal, int nNewTotal)
{
	if (parts.empty())
		return;
	if (nOldTotal <= 0)
	{
		std::fill(parts.begin(), parts.end(), 0);
		parts.front() = nNewTotal;
		return;
	}
	for (int& nPart : parts)
		nPart = static_cast<int>(std::lround(static_cast<double>(nPart) * nNewTotal / nOldTotal));
}
} // namespace

int GridWindow::SetColumnWidth(int nCol, int nWidth)
{
	SheetSettings& sheet = *m_pSheet;
	if (nWidth < 0)
		return 1;
	if (nCol >= 0)
	{
		if (nCol >= sheet.m_nColumnCount)
			return 1;
		sheet.m_columns[static_cast<size_t>(nCol)].m_nWidth = nWidth;
		if (nCol < sheet.m_nLockedColumns)
			RecomputeLockedSizes();
	}
	else
	{
		const size_t nIndex = static_cast<size_t>(-1 - nCol);
		if (nIndex >= sheet.m_sideHeadingColumns.size())
			return 1;
		sheet.m_sideHeadingColumns[nIndex] = nWidth;
	}
	RecomputeLastPositions();
	return 0;
}

int GridWindow::GetColumnWidth(int nCol, int* pnWidth) const
{
	const SheetSettings& sheet = *m_pSheet;
	if (pnWidth == nullptr)
		return 1;
	if (nCol >= 0)
	{
		if (nCol >= sheet.m_nColumnCount)
			return 1;
		*pnWidth = sheet.m_columns[static_cast<size_t>(nCol)].m_nWidth;
		return 0;
	}
	const size_t nIndex = static_cast<size_t>(-1 - nCol);
	if (nIndex >= sheet.m_sideHeadingColumns.size())
		return 1;
	*pnWidth = sheet.m_sideHeadingColumns[nIndex];
	return 0;
}

int GridWindow::SetRowHeight(long nRow, int nHeight)
{
	SheetSettings& sheet = *m_pSheet;
	if (nHeight < 0)
		return 1;
	if (nRow < 0)
		return SetTopHeadingRowHeight(nRow, nHeight);
	if (sheet.m_bUniformRowHeight)
		sheet.m_nDefaultRowHeight = nHeight;
	else if (nRow < sheet.m_nRowCount)
		sheet.m_rowHeights[static_cast<size_t>(nRow)] = nHeight;
	else
		return 1;
	RecomputeLockedSizes();
	RecomputeLastPositions();
	return 0;
}

int GridWindow::GetRowHeight(long nRow, long* pnHeight) const
{
	const SheetSettings& sheet = *m_pSheet;
	if (pnHeight == nullptr)
		return 1;
	if (nRow < 0)
	{
		const size_t nIndex = static_cast<size_t>(-1 - nRow);
		if (nIndex >= sheet.m_topHeadingRows.size())
			return 1;
		*pnHeight = sheet.m_topHeadingRows[nIndex];
		return 0;
	}
	if (nRow >= sheet.m_nRowCount)
		return 1;
	*pnHeight = sheet.m_bUniformRowHeight ? sheet.m_nDefaultRowHeight : sheet.m_rowHeights[static_cast<size_t>(nRow)];
	return 0;
}

int GridWindow::SetUniformRowHeight(BOOL bUniform)
{
	SheetSettings& sheet = *m_pSheet;
	sheet.m_bUniformRowHeight = bUniform ? TRUE : FALSE;
	if (bUniform)
		std::vector<int>().swap(sheet.m_rowHeights);
	else
		sheet.m_rowHeights.assign(static_cast<size_t>(sheet.m_nRowCount), sheet.m_nDefaultRowHeight);
	RecomputeLockedSizes();
	RecomputeLastPositions();
	return 0;
}

int GridWindow::SetTopHeadingHeight(int nHeight)
{
	if (!IsHeadingSize(nHeight))
		return 1;
	SheetSettings& sheet = *m_pSheet;
	RescaleParts(sheet.m_topHeadingRows, sheet.m_nTopHeadingHeight, nHeight);
	sheet.m_nTopHeadingHeight = nHeight;
	LayoutChildren();
	return 0;
}

int GridWindow::SetSideHeadingWidth(int nWidth)
{
	if (!IsHeadingSize(nWidth))
		return 1;
	SheetSettings& sheet = *m_pSheet;
	RescaleParts(sheet.m_sideHeadingColumns, sheet.m_nSideHeadingWidth, nWidth);
	sheet.m_nSideHeadingWidth = nWidth;
	LayoutChildren();
	return 0;
}

int GridWindow::SetTopHeadingRowHeight(long nRow, int nHeight)
{
	SheetSettings& sheet = *m_pSheet;
	const long nIndex = -1 - nRow;
	if (nRow >= 0 || nIndex >= static_cast<long>(sheet.m_topHeadingRows.size()))
		return 1;
	if (!IsHeadingSize(nHeight))
		return 2;
	sheet.m_topHeadingRows[static_cast<size_t>(nIndex)] = nHeight;
	// The heading area is as tall as its rows, however many there are: a total that kept its old
	// value would cut the rows off or leave a gap.
	sheet.m_nTopHeadingHeight = std::accumulate(sheet.m_topHeadingRows.begin(), sheet.m_topHeadingRows.end(), 0);
	LayoutChildren();
	return 0;
}

int GridWindow::SetSideHeadingColumnWidth(int nCol, int nWidth)
{
	SheetSettings& sheet = *m_pSheet;
	const int nIndex = -1 - nCol;
	if (nCol >= 0 || nIndex >= static_cast<int>(sheet.m_sideHeadingColumns.size()))
		return 1;
	if (!IsHeadingSize(nWidth))
		return 2;
	sheet.m_sideHeadingColumns[static_cast<size_t>(nIndex)] = nWidth;
	sheet.m_nSideHeadingWidth =
		std::accumulate(sheet.m_sideHeadingColumns.begin(), sheet.m_sideHeadingColumns.end(), 0);
	LayoutChildren();
	return 0;
}

int GridWindow::SetTopHeadingRows(int nCount)
{
	SheetSettings& sheet = *m_pSheet;
	if (nCount < 1 || nCount > GRID_MAX_HEADING_SIZE)
		return 1;
	sheet.m_topHeadingRows.resize(static_cast<size_t>(nCount), sheet.m_nDefaultRowHeight);
	sheet.m_nTopHeadingHeight = std::accumulate(sheet.m_topHeadingRows.begin(), sheet.m_topHeadingRows.end(), 0);
	LayoutChildren();
	return 0;
}

int GridWindow::SetSideHeadingColumns(int nCount)
{
	SheetSettings& sheet = *m_pSheet;
	if (nCount < 1 || nCount > GRID_MAX_HEADING_SIZE)
		return 1;
	sheet.m_sideHeadingColumns.resize(static_cast<size_t>(nCount), sheet.m_sideHeadingColumns.front());
	sheet.m_nSideHeadingWidth =
		std::accumulate(sheet.m_sideHeadingColumns.begin(), sheet.m_sideHeadingColumns.end(), 0);
	LayoutChildren();
	return 0;
}

int GridWindow::SetLockedColumns(int nCount)
{
	if (nCount < 0 || nCount > m_pSheet->m_nColumnCount)
		return 1;
	m_pSheet->m_nLockedColumns = nCount;
	RecomputeLockedSizes();
	RecomputeLastPositions();
	LayoutChildren();
	return 0;
}

int GridWindow::SetLockedRows(long nCount)
{
	if (nCount < 0 || nCount > m_pSheet->m_nRowCount)
		return 1;
	m_pSheet->m_nLockedRows = nCount;
	RecomputeLockedSizes();
	RecomputeLastPositions();
	LayoutChildren();
	return 0;
}

int GridWindow::SetTabBarWidth(int nWidth)
{
	if (nWidth < 0)
		return 1;
	m_pSheet->m_nTabBarWidth = nWidth;
	LayoutChildren();
	return 0;
}

void GridWindow::RecomputeLockedSizes()
{
	SheetSettings& sheet = *m_pSheet;
	sheet.m_nLockedColumns = std::min(sheet.m_nLockedColumns, sheet.m_nColumnCount);
	sheet.m_nLockedRows = std::min(sheet.m_nLockedRows, sheet.m_nRowCount);
	const long long nWidth = GridAxisSpan(SheetColumnAxis(sheet), 0, sheet.m_nLockedColumns, INT_MAX);
	const long long nHeight = GridAxisSpan(SheetRowAxis(sheet), 0, sheet.m_nLockedRows, INT_MAX);
	sheet.m_nLockedColumnsWidth = static_cast<int>(std::min<long long>(nWidth, INT_MAX));
	sheet.m_nLockedRowsHeight = static_cast<int>(std::min<long long>(nHeight, INT_MAX));
}

int GridWindow::MoveColumn(int nFrom, int nTo, BOOL bBefore)
{
	SheetSettings& sheet = *m_pSheet;
	// The column ends up just before the insertion point, which may be past the last column.
	const int nInsertion = bBefore ? nTo : nTo + 1;
	if (nFrom < 0 || nFrom >= sheet.m_nColumnCount || nInsertion < 0 || nInsertion > sheet.m_nColumnCount)
		return 1;
	if (nInsertion == nFrom || nInsertion == nFrom + 1)
		return 0;
	const int nLanding = nInsertion > nFrom ? nInsertion - 1 : nInsertion;
	auto itFrom = sheet.m_columns.begin() + nFrom;
	auto itLanding = sheet.m_columns.begin() + nLanding;
	if (nLanding > nFrom)
		std::rotate(itFrom, itFrom + 1, itLanding + 1);
	else
		std::rotate(itLanding, itFrom, itFrom + 1);
	// The current cell stays on its data, which now lies in another column.
	auto fnFollow = [nFrom, nLanding](int& nCol) {
		if (nCol == nFrom)
			nCol = nLanding;
		else if (nFrom < nCol && nCol <= nLanding)
			nCol--;
		else if (nLanding <= nCol && nCol < nFrom)
			nCol++;
	};
	fnFollow(sheet.m_nCurrentColumn);
	fnFollow(sheet.m_nPrevCurrentColumn);
	fnFollow(sheet.m_nTargetColumn);
	// Blocks hold positions, not data: kept, they would cover other columns than were selected.
	sheet.m_selection.Clear();
	RecomputeLockedSizes();
	RecomputeLastPositions();
	RedrawAll();
	return 0;
}

int GridWindow::GetCurrentColumn() const
{
	return m_pSheet->m_nCurrentColumn;
}

long GridWindow::GetCurrentRow() const
{
	return m_pSheet->m_nCurrentRow;
}
