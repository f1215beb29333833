// Cell tooltips: with the sheet's switch on, the cell under the mouse is the tool, and its tip's
// text is the grid's ProvideTooltipText, cut to what a tip holds.
#include "grid/window/CellView.h"

#include "framework/ui/bars/BarTypes.h"
#include "framework/ui/window/ToolInfo.h"
#include "grid/window/GridWindow.h"

#include <cstring>

namespace
{
// A tip holds 79 characters and the terminator.
constexpr size_t MAX_TIP_TEXT = 79;

// The longest head of the text that fits, not cutting a character's UTF-8 bytes apart.
size_t TipLength(LPCTSTR lpszText)
{
	size_t nLength = std::strlen(lpszText);
	if (nLength <= MAX_TIP_TEXT)
		return nLength;
	nLength = MAX_TIP_TEXT;
	while (nLength > 0 && (static_cast<unsigned char>(lpszText[nLength]) & 0xC0) == 0x80)
		--nLength;
	return nLength;
}
}

INT_PTR CellView::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
	if (m_pGrid == nullptr || m_pSheet == nullptr || !m_pSheet->m_bCellTooltips)
		return -1;
	int nCol = 0;
	long nRow = 0;
	RECT rc = {};
	if (m_pGrid->GetCellFromPoint(point.x, point.y, &nCol, &nRow, &rc) != 0)
	{
		m_nTipColumn = -1;
		return -1;
	}
	// A tip belongs to its cell: moving on to another cell takes it away until the mouse rests.
	if (nCol != m_nTipColumn || nRow != m_nTipRow)
		CancelToolTips();
	m_nTipColumn = nCol;
	m_nTipRow = nRow;
	pTI->hwnd = m_hWnd;
	pTI->uId = static_cast<UINT_PTR>(GRID_ID_CELLVIEW);
	pTI->rect = rc;
	pTI->lpszText = LPSTR_TEXTCALLBACK;
	// Columns stay below 2^15, so every cell has a hit of its own.
	return (static_cast<INT_PTR>(nRow) << 15) | nCol;
}

BOOL CellView::OnNeedToolTipText(UINT, NMHDR* pNMHDR, LRESULT*)
{
	TOOLTIPTEXTA* pRequest = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
	pRequest->szText[0] = 0;
	if (m_pGrid == nullptr || m_nTipColumn < 0)
		return TRUE;
	CString strText;
	if (m_pGrid->ProvideTooltipText(m_nTipColumn, m_nTipRow, GRID_SECTION_CELLS, &strText) == 0)
		return TRUE;
	const size_t nLength = TipLength(strText);
	std::memcpy(pRequest->szText, static_cast<LPCTSTR>(strText), nLength);
	pRequest->szText[nLength] = 0;
	return TRUE;
}
