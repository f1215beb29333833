// Answering the find/replace dialog: each command searches the current sheet's stored texts
// from the current cell, moves the current cell to what it finds and replaces it when asked.
#include "grid/window/GridWindow.h"

#include "framework/ui/services/FindReplaceDialog.h"
#include "grid/store/DataSource.h"

namespace
{
	int SearchFlags(const CFindReplaceDialog& dialog, BOOL bAcrossColumns)
	{
		int nFlags = 0;
		if (!dialog.MatchCase())
			nFlags |= GRID_FIND_NOCASE;
		if (!dialog.MatchWholeWord())
			nFlags |= GRID_FIND_PART;
		if (!dialog.SearchDown())
			nFlags |= GRID_FIND_UP;
		if (bAcrossColumns)
			nFlags |= GRID_FIND_ACROSS;
		return nFlags;
	}

	// The grid column that shows a column of the sheet's store (moved columns keep their data), or -1.
	int GridColumnShowing(GridWindow& grid, int nDataColumn)
	{
		DataSource* pStore = &grid.GetSheet()->m_defaultDataSource;
		for (int nCol = 0; nCol < grid.GetColumnCount(); ++nCol)
		{
			if (grid.GetDataSourceColumn(nCol) == nDataColumn && grid.GetColumnDataSource(nCol) == pStore)
				return nCol;
		}
		return -1;
	}

	// Finds the next match after (*pnCol, *pnRow) that the grid shows: the store also keeps heading
	// cells and cells past the row count, which the current cell cannot reach.
	BOOL FindShownCell(GridWindow& grid, LPCSTR lpszText, int nFlags, int* pnCol, long* pnRow)
	{
		DataSource& store = grid.GetSheet()->m_defaultDataSource;
		int nDataColumn = grid.GetDataSourceColumn(*pnCol);
		long nRow = *pnRow;
		while (store.FindNext(lpszText, &nDataColumn, &nRow, nFlags) == 0)
		{
			const int nCol = GridColumnShowing(grid, nDataColumn);
			if (nCol >= 0 && nRow >= 0 && nRow < grid.GetRowCount())
			{
				*pnCol = nCol;
				*pnRow = nRow;
				return TRUE;
			}
		}
		return FALSE;
	}
}

void GridWindow::SetFindDialog(CFindReplaceDialog* pDialog)
{
	m_pFindDialog = pDialog;
}

CFindReplaceDialog* GridWindow::GetFindDialog() const
{
	return m_pFindDialog;
}

void GridWindow::SetFindAcrossColumns(BOOL bAcross)
{
	m_bFindAcrossColumns = bAcross ? TRUE : FALSE;
}

LRESULT GridWindow::OnFindReplace(WPARAM, LPARAM)
{
	if (m_pFindDialog == nullptr || m_pFindDialog->GetSafeHwnd() == nullptr)
		return 0;
	const int nCurrentCol = m_pSheet->m_nCurrentColumn;
	const long nCurrentRow = m_pSheet->m_nCurrentRow;
	if (m_pFindDialog->IsTerminating())
	{
		// The dialog deletes itself as it closes, so the grid lets go of it here.
		if (m_pFloatingWindow == m_pFindDialog)
			m_pFloatingWindow = nullptr;
		m_pFindDialog = nullptr;
		m_bForceFocusFrame = FALSE;
		RedrawRange(nCurrentCol, nCurrentRow, nCurrentCol, nCurrentRow);
		return 1;
	}

	// The dialog has the keyboard: the frame shows the user where the search starts and stops.
	if (!m_bForceFocusFrame)
	{
		m_bForceFocusFrame = TRUE;
		RedrawRange(nCurrentCol, nCurrentRow, nCurrentCol, nCurrentRow);
	}
	const CString strFind = m_pFindDialog->GetFindString();
	const int nFlags = SearchFlags(*m_pFindDialog, m_bFindAcrossColumns);
	const BOOL bReplaceAll = m_pFindDialog->ReplaceAll();
	int nCol = nCurrentCol;
	long nRow = nCurrentRow;
	// Replacing all means every match, the ones above the current cell too: that search starts
	// before the first row, of the current column or of the sheet.
	if (bReplaceAll)
	{
		nCol = m_bFindAcrossColumns ? -1 : nCurrentCol;
		nRow = m_bFindAcrossColumns ? 0 : -1;
	}
	if (!FindShownCell(*this, strFind, nFlags, &nCol, &nRow))
	{
		// Owned by the dialog, so that the keyboard goes back to it for the next try.
		m_pFindDialog->MessageBox("Item not found", "Not Found", MB_OK);
		return 1;
	}

	// A replacement goes to the cell that matched, also when the search ran across columns.
	const CString strReplace = m_pFindDialog->GetReplaceString();
	if (bReplaceAll)
	{
		int nLastCol = nCol;
		long nLastRow = nRow;
		do
		{
			nLastCol = nCol;
			nLastRow = nRow;
			SetCellText(nCol, nRow, strReplace);
		} while (FindShownCell(*this, strFind, nFlags, &nCol, &nRow));
		GotoCell(nLastCol, nLastRow);
		RedrawAll();
		return 1;
	}
	GotoCell(nCol, nRow);
	if (m_pFindDialog->ReplaceCurrent())
	{
		SetCellText(nCol, nRow, strReplace);
		RedrawRange(nCol, nRow, nCol, nRow);
	}
	return 1;
}
