// In-place editing: the editor opened over a cell or a heading cell, the edit ended when the
// editor loses the focus (stored, cancelled, kept open or continued in another cell), and the
// editor closed without storing.
#include "grid/window/GridWindow.h"

#include "grid/celltypes/CellType.h"
#include "grid/store/DataSource.h"
#include "grid/window/CellView.h"
#include "grid/window/GridHeadings.h"
#include "grid/window/GridViewWalk.h"
#include "grid/window/SheetAxes.h"

#include <algorithm>
#include <climits>

namespace
{
// The editor as the grid's own kind, whose flags say how the edit ends; null for another window.
InCellEdit* AsInCellEdit(CWnd* pWnd)
{
	return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(InCellEdit)) ? static_cast<InCellEdit*>(pWnd) : nullptr;
}

int ClampToInt(long long n)
{
	return static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(n, INT_MAX)));
}

// Heading positions -count .. -1 lie edge to edge from the strip's outer side; -1, next to the
// cells, reaches the strip's inner edge.
void HeadingSpan(const std::vector<int>& sizes, long nPosition, int nStripSize, int* pnStart, int* pnEnd)
{
	const long nCount = static_cast<long>(sizes.size());
	int nStart = 0;
	for (long n = -nCount; n < nPosition; n++)
		nStart += std::max(0, sizes[static_cast<size_t>(-n - 1)]);
	const int nSize = nPosition >= -nCount ? std::max(0, sizes[static_cast<size_t>(-nPosition - 1)]) : 0;
	*pnStart = nStart;
	*pnEnd = nPosition == -1 ? std::max(nStart + nSize, nStripSize) : nStart + nSize;
}
} // namespace

BOOL GridWindow::IsEditing() const
{
	return m_editor.m_bEditing;
}

void GridWindow::GetHeadingCellRect(int nCol, long nRow, RECT* pRect)
{
	const SheetSettings& sheet = *m_pSheet;
	const BOOL bTop = nCol >= 0;
	CRect rcStrip;
	(bTop ? static_cast<CWnd*>(m_pTopHeading.get()) : m_pSideHeading.get())->GetClientRect(&rcStrip);
	long long nAlong = 0;
	long long nAlongEnd = 0;
	int nAcross = 0;
	int nAcrossEnd = 0;
	if (bTop)
	{
		const SheetColumnAxis columns(sheet);
		nAlong = GridViewOffset(columns, nCol, sheet.m_nLockedColumns, sheet.m_nLeftColumn, sheet.m_nLockedColumnsWidth);
		nAlongEnd = nAlong + columns.GetSize(nCol);
		HeadingSpan(sheet.m_topHeadingRows, nRow, rcStrip.Height(), &nAcross, &nAcrossEnd);
		*pRect = CRect(ClampToInt(nAlong), nAcross, ClampToInt(nAlongEnd), nAcrossEnd);
		return;
	}
	const SheetRowAxis rows(sheet);
	nAlong = GridViewOffset(rows, nRow, sheet.m_nLockedRows, sheet.m_nTopRow, sheet.m_nLockedRowsHeight);
	nAlongEnd = nAlong + rows.GetSize(nRow);
	HeadingSpan(sheet.m_sideHeadingColumns, nCol, rcStrip.Width(), &nAcross, &nAcrossEnd);
	*pRect = CRect(nAcross, ClampToInt(nAlong), nAcrossEnd, ClampToInt(nAlongEnd));
}

CWnd* GridWindow::GetEditHost(int nCol, long nRow, RECT* pRect)
{
	const SheetSettings& sheet = *m_pSheet;
	if (nCol < 0)
	{
		if (nRow < 0 || nRow >= sheet.m_nRowCount || -nCol > static_cast<int>(sheet.m_sideHeadingColumns.size()))
			return nullptr;
		GetHeadingCellRect(nCol, nRow, pRect);
		return m_pSideHeading.get();
	}
	if (nRow < 0)
	{
		if (nCol >= sheet.m_nColumnCount || -nRow > static_cast<long>(sheet.m_topHeadingRows.size()))
			return nullptr;
		GetHeadingCellRect(nCol, nRow, pRect);
		return m_pTopHeading.get();
	}
	return GetCellRect(nCol, nRow, pRect) == 0 ? m_pCellView.get() : nullptr;
}

int GridWindow::StartEdit(int nCol, long nRow, UINT nInitialChar)
{
	if (GetSafeHwnd() == nullptr || m_editor.GetSafeHwnd() == nullptr)
		return 1;
	// A running edit ends first, as if the user had left it for the cell view.
	if (m_editor.m_bEditing)
	{
		m_pCellView->SetFocus();
		if (m_editor.m_bEditing)
			return 2;
	}
	SheetSettings& sheet = *m_pSheet;
	m_editor.m_bEditing = TRUE;
	const auto Refuse = [this](int nResult) {
		m_editor.m_bEditing = FALSE;
		return nResult;
	};

	int nFirstCol = 0;
	long nFirstRow = 0;
	int nLastCol = 0;
	long nLastRow = 0;
	if (sheet.m_selection.GetBoundingBlock(&nFirstCol, &nFirstRow, &nLastCol, &nLastRow))
	{
		sheet.m_selection.Clear();
		if (nFirstCol != nLastCol || nFirstRow != nLastRow || nFirstCol != nCol || nFirstRow != nRow)
			RedrawRange(nFirstCol, nFirstRow, nLastCol, nLastRow);
	}
	if (nCol >= 0 && nRow >= 0)
	{
		if (nCol != sheet.m_nCurrentColumn || nRow != sheet.m_nCurrentRow)
		{
			const int nMoved = GotoCell(nCol, nRow);
			if (nMoved != 0)
				return Refuse(nMoved);
			// A joined block is edited in its origin, where the move landed.
			nCol = sheet.m_nCurrentColumn;
			nRow = sheet.m_nCurrentRow;
		}
		else
		{
			// The view may have scrolled away from the current cell.
			sheet.m_nTargetColumn = nCol;
			sheet.m_nTargetRow = nRow;
			ScrollTargetIntoView(TRUE, TRUE);
			CommitChanges();
		}
	}

	GridCell& cell = m_editor.m_cell;
	GetCellWithDefaults(nCol, nRow, &cell);
	CellType* pType = GetCellType(cell.GetCellType());
	if (!pType->m_bEditable)
		return Refuse(1);
	CRect rcEdit;
	CWnd* pHost = GetEditHost(nCol, nRow, &rcEdit);
	if (pHost == nullptr || cell.IsReadOnly())
		return Refuse(1);
	rcEdit.right -= 1;
	rcEdit.bottom -= 1;
	pType->GetEditArea(&rcEdit);

	const CString strText = cell.GetText();
	m_editor.SetWindowText(strText);
	CWnd* pEditor = sheet.m_pEditor != nullptr ? sheet.m_pEditor : &m_editor;
	if (GetColumnDataSource(nCol)->AllowEditStart(GetDataSourceColumn(nCol), nRow, pEditor) == 0
		|| AllowEditStart(nCol, nRow, &pEditor) == 0 || pEditor == nullptr || pEditor->GetSafeHwnd() == nullptr)
		return Refuse(1);

	m_editor.m_nEditCol = nCol;
	m_editor.m_nEditRow = nRow;
	m_editor.m_pHost = pHost;
	m_editor.m_pEditWindow = pEditor;
	if (InCellEdit* pInCell = AsInCellEdit(pEditor))
	{
		pInCell->m_bCancel = FALSE;
		pInCell->m_bContinue = FALSE;
		pInCell->m_nNextCol = nCol;
		pInCell->m_nNextRow = nRow;
	}
	if (pEditor == &m_editor)
	{
		// The text stays where the cell shows it: a number edited at the right edge stays there.
		const WORD nAlign = cell.GetAlignment();
		const DWORD dwAlign = (nAlign & GCA_RIGHT) != 0 ? ES_RIGHT : (nAlign & GCA_CENTER) != 0 ? ES_CENTER : 0;
		m_editor.ModifyStyle(ES_RIGHT | ES_CENTER, dwAlign);
	}
	pEditor->SetWindowText(strText);
	CFont* pFont = cell.GetFont() != nullptr ? cell.GetFont() : sheet.m_pDefaultFont;
	pEditor->SetFont(pFont, FALSE);
	pEditor->SetParent(pHost);
	pEditor->SetWindowPos(&CWnd::wndTop, rcEdit.left, rcEdit.top, rcEdit.Width(), rcEdit.Height(), SWP_SHOWWINDOW);
	pEditor->SetFocus();
	if (nInitialChar > 0 && m_editor.m_bEditing)
		pEditor->SendMessage(WM_CHAR, nInitialChar, 1);
	return 0;
}

void GridWindow::EndEdit(CWnd* pNewFocus)
{
	InCellEdit& session = m_editor;
	if (!session.m_bEditing || session.m_pEditWindow == nullptr)
		return;
	CWnd* pEditor = session.m_pEditWindow;
	InCellEdit* pInCell = AsInCellEdit(pEditor);
	// Another application or another of the program's windows took the focus: the user went
	// elsewhere, and the text is not stored behind their back.
	const BOOL bStaysInGrid = pNewFocus != nullptr && (pNewFocus == this || IsChild(pNewFocus));
	const BOOL bCancel = !bStaysInGrid || (pInCell != nullptr && pInCell->m_bCancel);
	const int nCol = session.m_nEditCol;
	const long nRow = session.m_nEditRow;
	CString strText;
	pEditor->GetWindowText(strText);

	if (GetColumnDataSource(nCol)->AllowEditEnd(GetDataSourceColumn(nCol), nRow, pEditor, strText, bCancel) == 0
		|| AllowEditEnd(nCol, nRow, pEditor, strText, bCancel) == 0)
	{
		if (pInCell != nullptr)
			pInCell->m_bCancel = pInCell->m_bContinue = FALSE;
		if (nCol >= 0 && nRow >= 0)
			GotoCell(nCol, nRow);
		pEditor->SetFocus();
		return;
	}

	session.m_bEditing = FALSE;
	pEditor->ShowWindow(SW_HIDE);
	// The program lost the focus to another application. The window would give it back to the
	// hidden editor on return, and keys would go nowhere; the cells are to have it then.
	if (pNewFocus == nullptr && CWnd::GetActiveWindow() != GetTopLevelParent() && m_pCellView->GetSafeHwnd() != nullptr)
		m_pCellView->SetFocus();
	if (!bCancel && nCol < GetColumnCount())
	{
		SetCellText(nCol, nRow, strText);
		if (nCol >= 0 && nRow >= 0)
			RedrawRange(nCol, nRow, nCol, nRow);
		else
			RedrawAll();
	}

	const BOOL bContinue = !bCancel && pInCell != nullptr && pInCell->m_bContinue && session.m_pHost == m_pCellView.get();
	if (!bContinue || GetColumnCount() == 0 || GetRowCount() == 0)
		return;
	int nNextCol = pInCell->m_nNextCol;
	long nNextRow = pInCell->m_nNextRow;
	if (nNextCol < 0)
		nNextCol = GetColumnCount() - 1;
	else if (nNextCol >= GetColumnCount())
		nNextCol = 0;
	if (nNextRow < 0)
		nNextRow = GetRowCount() - 1;
	else if (nNextRow >= GetRowCount())
		nNextRow = 0;
	// Where to go next is a move of the current cell: asked in grid columns, as the move itself is.
	if (m_pSheet->m_defaultDataSource.AllowEditContinue(nCol, nRow, &nNextCol, &nNextRow) == 0
		|| ChooseNextEditCell(nCol, nRow, &nNextCol, &nNextRow) == 0)
		return;
	StartEdit(nNextCol, nNextRow, 0);
}

void GridWindow::CloseEditor()
{
	InCellEdit& session = m_editor;
	if (!session.m_bEditing)
		return;
	// Cleared first: the focus leaving the editor below must not store its text.
	session.m_bEditing = FALSE;
	CWnd* pEditor = session.m_pEditWindow;
	if (pEditor == nullptr || pEditor->GetSafeHwnd() == nullptr)
		return;
	const BOOL bHadFocus = CWnd::GetFocus() == pEditor;
	if (bHadFocus && m_pCellView->GetSafeHwnd() != nullptr)
		m_pCellView->SetFocus();
	pEditor->ShowWindow(SW_HIDE);
}
