// Text that runs on from the nearest non-empty cell on the left into empty cells, drawn piece by
// piece by each empty cell it crosses.
#include "grid/celltypes/CellType.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Font.h"
#include "grid/store/DataSource.h"
#include "grid/store/GridCell.h"
#include "grid/window/GridWindow.h"
#include "grid/window/SheetSettings.h"

namespace
{

// Only a plain, left-aligned single line can run on: wrapped, cut, centred or right-aligned
// text stays in its own cell, and so does a joined cell's.
BOOL IsPlainLine(const GridCell& cell)
{
	return cell.GetCellTypeStyle() == 0 && !cell.IsSet(GCP_JOIN)
		&& (cell.GetAlignment() & (GCA_RIGHT | GCA_CENTER)) == 0;
}

int ColumnWidth(const GridWindow* pGrid, int nCol)
{
	int nWidth = 0;
	return pGrid->GetColumnWidth(nCol, &nWidth) == 0 ? nWidth : 0;
}

}

int CellType::FindGridColumn(DataSource* pSource, int nDataColumn, int nBefore) const
{
	for (int nCol = nBefore - 1; nCol >= 0; --nCol)
	{
		if (m_pGrid->GetColumnDataSource(nCol) == pSource && m_pGrid->GetDataSourceColumn(nCol) == nDataColumn)
			return nCol;
	}
	return -1;
}

BOOL CellType::FindOverflowSource(CDC* pDC, int nCol, long nRow, GridCell* pCell, GridCell* pSource, int* pnShift)
{
	const SheetSettings* pSheet = GetSheet();
	if (pSheet == nullptr || !pSheet->m_bTextOverflow || !m_bOverflow || m_bDrawingScaled || nCol <= 0 || nRow < 0
		|| pCell->GetCellTypeStyle() != 0 || pCell->IsSet(GCP_JOIN))
		return FALSE;
	DataSource* pData = m_pGrid->GetColumnDataSource(nCol);
	int nDataColumn = m_pGrid->GetDataSourceColumn(nCol);
	if (pData == nullptr || pData->PreviousNonEmptyColumn(&nDataColumn, nRow) != 0)
		return FALSE;
	const int nFrom = FindGridColumn(pData, nDataColumn, nCol);
	if (nFrom < 0)
		return FALSE;
	m_pGrid->GetCellWithDefaults(nFrom, nRow, pSource);
	const CellType* pSourceType = m_pGrid->GetCellType(pSource->GetCellType());
	if (pSourceType == nullptr || !pSourceType->m_bOverflow || !IsPlainLine(*pSource))
		return FALSE;

	CFont* pOldFont = pSource->GetFont() != nullptr ? pDC->SelectObject(pSource->GetFont()) : nullptr;
	const int nTextWidth = pDC->GetTextExtent(pSource->GetText()).cx;
	if (pOldFont != nullptr)
		pDC->SelectObject(pOldFont);
	if (nTextWidth <= ColumnWidth(m_pGrid, nFrom) - pSheet->m_nTextMargin)
		return FALSE;
	// The text reaches this cell only when it is still longer than every column it crossed.
	const int nNeeded = pSheet->m_nTextMargin + nTextWidth;
	int nCrossed = 0;
	for (int nCrossCol = nFrom; nCrossCol < nCol; ++nCrossCol)
	{
		nCrossed += ColumnWidth(m_pGrid, nCrossCol);
		if (nCrossed >= nNeeded)
			return FALSE;
	}
	*pnShift = nCrossed;
	return TRUE;
}
