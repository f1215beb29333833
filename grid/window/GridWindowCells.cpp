// The grid's counts and cells: the column table and row heights, and reading and writing cells
// through the data source each column names.
#include "grid/window/GridWindow.h"

#include "grid/store/DataSource.h"
#include "grid/window/SheetAxes.h"

#include <algorithm>

namespace
{
// After a count changes: the current, last reported and target positions stay inside it, and a
// sheet that had no current position gets the first one.
template <class T>
void FitPositions(T nCount, T& nCurrent, T& nPrevious, T& nTarget)
{
	nCurrent = std::min(nCurrent, nCount - 1);
	nPrevious = std::min(nPrevious, nCount - 1);
	nTarget = std::min(nTarget, nCount - 1);
	if (nCurrent < 0 && nCount > 0)
		nCurrent = nTarget = 0;
}
} // namespace

int GridWindow::SetRowCount(long nRows, BOOL bRedraw)
{
	if (nRows < 0)
		return 1;
	SheetSettings& sheet = *m_pSheet;
	if (nRows > GRID_MAX_VARIABLE_ROWS && !sheet.m_bUniformRowHeight)
		SetUniformRowHeight(TRUE);
	if (!sheet.m_bUniformRowHeight)
		sheet.m_rowHeights.resize(static_cast<size_t>(nRows), sheet.m_nDefaultRowHeight);
	sheet.m_nRowCount = nRows;

	RecomputeLastPositions();
	FitPositions(nRows, sheet.m_nCurrentRow, sheet.m_nPrevCurrentRow, sheet.m_nTargetRow);
	RecomputeLockedSizes();
	if (bRedraw)
		LayoutChildren();
	return 0;
}

long GridWindow::GetRowCount() const
{
	return m_pSheet->m_nRowCount;
}

int GridWindow::SetColumnCount(int nCols, BOOL bRedraw)
{
	if (nCols < 0 || nCols > GRID_MAX_COLUMNS)
		return 1;
	SheetSettings& sheet = *m_pSheet;
	const int nOld = static_cast<int>(sheet.m_columns.size());
	sheet.m_columns.resize(static_cast<size_t>(nCols));
	for (int nCol = nOld; nCol < nCols; ++nCol)
	{
		GridColumn& column = sheet.m_columns[static_cast<size_t>(nCol)];
		column.m_nWidth = sheet.m_nDefaultColumnWidth;
		column.m_pDataSource = nullptr;
		column.m_pDefaultCell = std::make_unique<GridCell>();
		column.m_pDefaultCell->CopyFrom(sheet.m_defaultCell);
		column.m_nDataColumn = nCol;
	}
	sheet.m_nColumnCount = nCols;

	RecomputeLastPositions();
	FitPositions(nCols, sheet.m_nCurrentColumn, sheet.m_nPrevCurrentColumn, sheet.m_nTargetColumn);
	RecomputeLockedSizes();
	if (bRedraw)
		LayoutChildren();
	return 0;
}

int GridWindow::GetColumnCount() const
{
	return m_pSheet->m_nColumnCount;
}

DataSource* GridWindow::GetColumnDataSource(int nCol) const
{
	if (nCol >= 0 && nCol < m_pSheet->m_nColumnCount)
	{
		DataSource* pSource = m_pSheet->m_columns[static_cast<size_t>(nCol)].m_pDataSource;
		if (pSource != nullptr)
			return pSource;
	}
	return &m_pSheet->m_defaultDataSource;
}

int GridWindow::GetDataSourceColumn(int nCol) const
{
	if (nCol >= 0 && nCol < m_pSheet->m_nColumnCount)
		return m_pSheet->m_columns[static_cast<size_t>(nCol)].m_nDataColumn;
	return nCol;
}

int GridWindow::GetCell(int nCol, long nRow, GridCell* pCell)
{
	if (pCell == nullptr || nCol >= m_pSheet->m_nColumnCount)
		return 1;
	pCell->SetMask(0);
	return GetColumnDataSource(nCol)->GetCell(GetDataSourceColumn(nCol), nRow, pCell);
}

int GridWindow::GetCellWithDefaults(int nCol, long nRow, GridCell* pCell)
{
	if (pCell == nullptr)
		return 1;
	const SheetSettings& sheet = *m_pSheet;
	pCell->ClearAll();
	if (nCol < 0 || nRow < 0 || nCol >= sheet.m_nColumnCount)
		pCell->CopyFrom(sheet.m_headingDefaultCell);
	else
		pCell->CopyFrom(*sheet.m_columns[static_cast<size_t>(nCol)].m_pDefaultCell);
	if (nRow >= sheet.m_nRowCount)
		return 0;

	// The store merges what it holds over the defaults.
	GetColumnDataSource(nCol)->GetCell(GetDataSourceColumn(nCol), nRow, pCell);
	ProvideCell(nCol, nRow, pCell);
	if (pCell->IsSet(GCP_HANDLER) && pCell->GetHandler() != nullptr)
		pCell->GetHandler()->OnCellAssembled(pCell);
	if (pCell->IsSet(GCP_SOURCECELL) && pCell->GetSourceCell() != nullptr)
		pCell->MergeFrom(*pCell->GetSourceCell());
	return 0;
}

int GridWindow::SetCell(int nCol, long nRow, GridCell* pCell)
{
	// A column past the count has no record to name its data source: refused rather than read
	// past the column table.
	if (pCell == nullptr || nCol >= m_pSheet->m_nColumnCount)
		return 1;
	NotifyCellStore(nCol, nRow, pCell);
	return GetColumnDataSource(nCol)->SetCell(GetDataSourceColumn(nCol), nRow, pCell);
}

int GridWindow::SetCellText(int nCol, long nRow, LPCSTR lpszText)
{
	if (nCol >= m_pSheet->m_nColumnCount)
		return 1;
	GetCell(nCol, nRow, &m_scratchCell);
	m_scratchCell.SetText(lpszText);
	return SetCell(nCol, nRow, &m_scratchCell);
}

int GridWindow::SetDefaultFont(CFont* pFont)
{
	if (pFont == nullptr)
		return 1;
	m_pSheet->m_pDefaultFont = pFont;
	return 0;
}
