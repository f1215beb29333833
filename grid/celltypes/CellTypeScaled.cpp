// Drawing for the printer with the font scaled to the printed row, and the size a cell's text
// asks for.
#include "grid/celltypes/CellType.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/gdi/Gdi.h"
#include "grid/store/GridCell.h"
#include "grid/window/GridWindow.h"
#include "grid/window/SheetSettings.h"

#include <cmath>

namespace
{

// Heading rows -1, -2 ... have heights of their own.
long RowHeightOf(const GridWindow* pGrid, long nRow)
{
	if (pGrid == nullptr)
		return 0;
	if (nRow < 0)
	{
		const SheetSettings* pSheet = pGrid->GetSheet();
		const size_t nIndex = static_cast<size_t>(-nRow - 1);
		return nIndex < pSheet->m_topHeadingRows.size() ? pSheet->m_topHeadingRows[nIndex]
														: pSheet->m_nTopHeadingHeight;
	}
	long nHeight = 0;
	return pGrid->GetRowHeight(nRow, &nHeight) == 0 ? nHeight : 0;
}

// The font to scale: the cell's or the sheet's, else whatever the DC holds, else the GUI font.
void BaseLogFont(CDC* pDC, CFont* pFont, LOGFONT* pLogFont)
{
	if (pFont != nullptr && pFont->GetLogFont(pLogFont) != 0)
		return;
	CFont* pCurrent = pDC->GetCurrentFont();
	if (pCurrent != nullptr && pCurrent->GetLogFont(pLogFont) != 0)
		return;
	CFont::FromHandle(reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)))->GetLogFont(pLogFont);
}

LONG Scaled(LONG nValue, double dFactor)
{
	return static_cast<LONG>(std::lround(nValue * dFactor));
}

}

void CellType::DrawScaled(CDC* pDC, RECT* pRect, int nCol, long nRow, GridCell* pCell)
{
	const long nRowHeight = RowHeightOf(m_pGrid, nRow);
	const double dFactor = nRowHeight > 0 ? static_cast<double>(pRect->bottom - pRect->top) / nRowHeight : 1.0;
	LOGFONT logFont = {};
	BaseLogFont(pDC, GetCellFont(pCell), &logFont);
	logFont.lfHeight = Scaled(logFont.lfHeight, dFactor);
	logFont.lfWidth = Scaled(logFont.lfWidth, dFactor);
	CFont scaledFont;
	scaledFont.CreateFontIndirect(&logFont);

	const BOOL bHadFont = pCell->IsSet(GCP_FONT);
	CFont* pCellFont = pCell->GetFont();
	pCell->SetFont(&scaledFont);
	m_bDrawingScaled = TRUE;
	m_dDrawingScale = dFactor;
	Draw(pDC, pRect, nCol, nRow, pCell, 0, FALSE);
	m_bDrawingScaled = FALSE;
	m_dDrawingScale = 1.0;
	if (bHadFont)
		pCell->SetFont(pCellFont);
	else
		pCell->SetMask(pCell->GetMask() & ~GCP_FONT);
}

void CellType::BestSize(CDC* pDC, SIZE* pSize, GridCell* pCell)
{
	const CString str = GetDrawnString(pCell);
	if (str.IsEmpty())
	{
		pSize->cx = 9;
		pSize->cy = 5;
		return;
	}
	CFont* pFont = GetCellFont(pCell);
	CFont* pOldFont = pFont != nullptr ? pDC->SelectObject(pFont) : nullptr;
	const CSize extent = pDC->GetTextExtent(str);
	if (pOldFont != nullptr)
		pDC->SelectObject(pOldFont);
	pSize->cx = extent.cx + 6;
	pSize->cy = extent.cy + 2;
}
