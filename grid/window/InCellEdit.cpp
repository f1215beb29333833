// The grid's in-place editor: the keys that leave it, the characters the grid and the data
// source may change or refuse, and the growth over the neighbouring cells as the text lengthens.
#include "grid/window/InCellEdit.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/UserServices.h"
#include "grid/store/DataSource.h"
#include "grid/window/CellView.h"
#include "grid/window/GridWindow.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(InCellEdit, CEdit)

BEGIN_MESSAGE_MAP(InCellEdit, CEdit)
	ON_WM_SETFOCUS()
	ON_WM_KILLFOCUS()
	ON_WM_KEYDOWN()
	ON_WM_CHAR()
	ON_WM_GETDLGCODE()
	ON_WM_SETCURSOR()
	ON_CONTROL_REFLECT(EN_CHANGE, OnTextChange)
END_MESSAGE_MAP()

namespace
{
// Measured after the text so that the editor widens a little before the text reaches its edge.
constexpr char GROW_SLACK[] = " X X";
// The text starts this far inside the editor's left edge.
constexpr int TEXT_INSET = 2;
// The edit's own margins above and below its text.
constexpr int EDIT_MARGINS = 4;
}

InCellEdit::InCellEdit()
	: m_nEditCol(-1)
	, m_nEditRow(-1)
	, m_bEditing(FALSE)
	, m_pHost(nullptr)
	, m_pEditWindow(nullptr)
	, m_bCancel(FALSE)
	, m_bContinue(FALSE)
	, m_nNextCol(-1)
	, m_nNextRow(-1)
	, m_nStartHeight(0)
	, m_bAutoGrow(TRUE)
	, m_pGrid(nullptr)
{
}

void InCellEdit::SetGrid(GridWindow* pGrid)
{
	m_pGrid = pGrid;
}

InCellEdit* InCellEdit::GetSession() const
{
	return m_pGrid != nullptr ? m_pGrid->GetEditor() : nullptr;
}

BOOL InCellEdit::ContinuesAfterKey(UINT)
{
	return FALSE;
}

void InCellEdit::RememberHeight(int nHeight)
{
	m_nStartHeight = nHeight + EDIT_MARGINS;
}

void InCellEdit::OnSetFocus(CWnd* pOldWnd)
{
	CEdit::OnSetFocus(pOldWnd);
	CRect rcClient;
	GetClientRect(&rcClient);
	RememberHeight(rcClient.Height());
	GrowToFit();
	SetSel(0, -1);
	SendMessage(EM_SCROLLCARET);
}

void InCellEdit::OnKillFocus(CWnd* pNewWnd)
{
	CEdit::OnKillFocus(pNewWnd);
	if (m_pGrid != nullptr)
		m_pGrid->EndEdit(pNewWnd);
}

void InCellEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
	const InCellEdit* pSession = GetSession();
	if (pSession == nullptr || (nChar != VK_TAB && nChar != VK_RETURN && nChar != VK_ESCAPE))
	{
		CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
		return;
	}
	if (nChar == VK_TAB)
	{
		const int nStep = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
		m_nNextCol = std::max(0, pSession->m_nEditCol + nStep);
		m_nNextRow = pSession->m_nEditRow;
	}
	else if (nChar == VK_RETURN)
	{
		m_nNextCol = pSession->m_nEditCol;
		m_nNextRow = pSession->m_nEditRow;
	}
	else
		m_bCancel = TRUE;
	m_bContinue = nChar != VK_ESCAPE && ContinuesAfterKey(nChar);
	m_pGrid->SetFocus();
}

void InCellEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
	const InCellEdit* pSession = GetSession();
	if (pSession == nullptr || !pSession->m_bEditing)
	{
		CEdit::OnChar(nChar, nRepCnt, nFlags);
		return;
	}
	UINT nKey = nChar;
	const int nCol = pSession->m_nEditCol;
	const long nRow = pSession->m_nEditRow;
	DataSource* pSource = m_pGrid->GetColumnDataSource(nCol);
	if (pSource->AllowEditChar(m_pGrid->GetDataSourceColumn(nCol), nRow, this, &nKey) == 0
		|| m_pGrid->AllowEditChar(nCol, nRow, this, &nKey) == 0)
		return;
	// The keys that leave the editor have done their work on the key press.
	if (nKey == 0 || nKey == '\t' || nKey == '\r' || nKey == 0x1B)
		return;
	if (nKey == nChar)
		CEdit::OnChar(nChar, nRepCnt, nFlags);
	else
		DefWindowProc(WM_CHAR, nKey, MAKELPARAM(nRepCnt, nFlags));
}

UINT InCellEdit::OnGetDlgCode()
{
	UINT nCode = CEdit::OnGetDlgCode();
	// The dialog would take these keys for its own navigation and buttons.
	if (GetKeyState(VK_TAB) < 0)
		nCode |= DLGC_WANTTAB;
	if (GetKeyState(VK_RETURN) < 0 || GetKeyState(VK_ESCAPE) < 0)
		nCode |= DLGC_WANTALLKEYS;
	return nCode;
}

BOOL InCellEdit::OnSetCursor(CWnd*, UINT, UINT)
{
	::SetCursor(::LoadCursor(nullptr, IDC_IBEAM));
	return TRUE;
}

void InCellEdit::OnTextChange()
{
	if (IsWindowVisible())
		GrowToFit();
}

void InCellEdit::GrowToFit()
{
	CWnd* pHost = GetParent();
	if (!m_bAutoGrow || pHost == nullptr || m_pGrid == nullptr)
		return;
	CRect rcEditor;
	GetWindowRect(&rcEditor);
	pHost->ScreenToClient(&rcEditor);
	CRect rcHost;
	pHost->GetClientRect(&rcHost);

	CString strText;
	GetWindowText(strText);
	strText += GROW_SLACK;
	CRect rcNeeded(rcEditor.left + TEXT_INSET, rcEditor.top, rcHost.right, rcEditor.top);
	{
		CClientDC dc(this);
		CFont* pFont = GetFont();
		if (pFont != nullptr)
			dc.SelectObject(pFont);
		dc.DrawText(strText, &rcNeeded, DT_CALCRECT | DT_WORDBREAK);
	}

	// In the cell view the editor stops at cell edges; a heading has no cells to follow.
	const BOOL bInCells = pHost == static_cast<CWnd*>(m_pGrid->GetCellView());
	const auto CellEdge = [&](int x, int y, BOOL bRight, int nFallback) {
		int nCol = 0;
		long nRow = 0;
		RECT rcCell = {};
		if (!bInCells || m_pGrid->GetCellFromPoint(x, y, &nCol, &nRow, &rcCell) != 0)
			return nFallback;
		return static_cast<int>(bRight ? rcCell.right : rcCell.bottom);
	};
	CRect rcNew = rcEditor;
	if (rcNeeded.right > rcEditor.right)
		rcNew.right = std::min<int>(CellEdge(rcNeeded.right, rcEditor.top, TRUE, rcNeeded.right), rcHost.right);
	if (rcNeeded.Height() > m_nStartHeight)
	{
		const int nNeededBottom = rcEditor.top + rcNeeded.Height();
		rcNew.bottom = std::min<int>(CellEdge(rcEditor.left, nNeededBottom, FALSE, nNeededBottom), rcHost.bottom - 1);
	}
	rcNew.right = std::max(rcNew.right, rcEditor.right);
	rcNew.bottom = std::max(rcNew.bottom, rcEditor.bottom);
	if (rcNew == rcEditor)
		return;
	MoveWindow(&rcNew, TRUE);
	RememberHeight(rcNew.Height());
}
