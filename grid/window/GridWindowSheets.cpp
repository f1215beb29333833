// The grid's sheets: each has its own settings, store and geometry; every operation works on the
// current one.
#include "grid/window/GridWindow.h"

#include "grid/window/CellView.h"
#include "grid/window/GridScrollBars.h"
#include "grid/window/SheetTabBar.h"

#include <algorithm>

int GridWindow::SetSheetCount(int nSheets)
{
	if (nSheets < 1 || nSheets > GRID_MAX_SHEETS)
		return 1;
	const int nOld = static_cast<int>(m_sheets.size());
	const int nWasCurrent = nOld > 0 ? m_nCurrentSheet : 0;
	if (nSheets < nOld)
		m_sheets.resize(static_cast<size_t>(nSheets));

	for (int nSheet = nOld; nSheet < nSheets; ++nSheet)
	{
		m_sheets.push_back(std::make_unique<SheetSettings>());
		SheetSettings* pNew = m_sheets.back().get();
		pNew->m_pEditor = &m_editor;
		pNew->m_defaultDataSource.AttachToGrid(this, 0);
		pNew->m_defaultDataSource.SetCellOrder(this);
		// The new sheet is current while its creation is announced, so the override can set it up.
		m_pSheet = pNew;
		m_nCurrentSheet = nSheet;
		NotifySheetCreated(nSheet);
	}

	m_nCurrentSheet = std::min(nWasCurrent, nSheets - 1);
	m_pSheet = m_sheets[static_cast<size_t>(m_nCurrentSheet)].get();
	if (m_pCellView != nullptr)
		PointChildrenAtSheet();
	if (nWasCurrent >= nSheets && GetSafeHwnd() != nullptr)
		SelectSheet(m_nCurrentSheet, TRUE);
	return 0;
}

int GridWindow::GetSheetCount() const
{
	return static_cast<int>(m_sheets.size());
}

int GridWindow::SelectSheet(int nSheet, BOOL bRedraw)
{
	if (nSheet < 0 || nSheet >= GetSheetCount())
		return 1;
	const BOOL bWasPainting = m_bPaintingEnabled;
	if (!bRedraw)
		m_bPaintingEnabled = FALSE;
	if (m_pCellView->GetSafeHwnd() != nullptr)
		m_pCellView->SetFocus();
	// Taking the focus ended the edit; one a veto kept open cannot follow to another sheet.
	CloseEditor();

	SheetSettings* pNew = m_sheets[static_cast<size_t>(nSheet)].get();
	// The tab bar belongs to the grid, not to a sheet: its width goes with the switch.
	pNew->m_nTabBarWidth = m_pSheet->m_nTabBarWidth;
	m_nCurrentSheet = nSheet;
	m_pSheet = pNew;
	PointChildrenAtSheet();
	m_pSheet->m_nPrevTopRow = -1;
	m_pSheet->m_nPrevLeftColumn = -1;
	LayoutChildren();
	m_bPaintingEnabled = bWasPainting;
	return 0;
}

int GridWindow::GetCurrentSheet() const
{
	return m_nCurrentSheet;
}

SheetSettings* GridWindow::GetSheet() const
{
	return m_pSheet;
}
