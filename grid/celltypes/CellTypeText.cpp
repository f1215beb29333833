// The normal type's drawing: borders, then the bitmap strip and the text, aligned, wrapped or
// cut with "...", in the cell's colours and font.
#include "grid/celltypes/CellType.h"

#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Font.h"
#include "grid/store/GridCell.h"
#include "grid/window/SheetSettings.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr int DEFAULT_TEXT_MARGIN = 4;
LPCSTR const ELLIPSIS = "...";

// Draws the cell's bitmap at the left of rc on a strip of the back colour, and takes the strip
// off rc. A bitmap taller than the cell is shrunk to fit, keeping its proportions to a percent.
void DrawBitmapStrip(CDC* pDC, RECT* pRect, CBitmap* pBitmap, COLORREF crBack)
{
	BITMAP bm = {};
	if (pBitmap->GetBitmap(&bm) == 0 || bm.bmWidth <= 0 || bm.bmHeight <= 0)
		return;
	CRect rc(*pRect);
	const int nRoom = rc.Height() - 4;
	const BOOL bStretch = bm.bmHeight > nRoom;
	int nWidth = bm.bmWidth;
	int nHeight = bm.bmHeight;
	int y = rc.top + (rc.Height() - bm.bmHeight) / 2;
	if (bStretch)
	{
		nHeight = std::max(nRoom, 0);
		nWidth = nHeight * 100 / bm.bmHeight * bm.bmWidth / 100;
		y = rc.top + 2;
	}
	const int nShown = std::max(std::min(nWidth, rc.Width() - 4), 0);
	const int nStrip = std::min(nShown + 4, rc.Width());
	pDC->FillSolidRect(rc.left, rc.top, nStrip, rc.Height(), crBack);
	if (nShown > 0 && nHeight > 0)
	{
		CDC memDC;
		memDC.CreateCompatibleDC(pDC);
		CBitmap* pOldBitmap = memDC.SelectObject(pBitmap);
		if (bStretch)
			pDC->StretchBlt(rc.left + 2, y, nShown, nHeight, &memDC, 0, 0, bm.bmWidth * nShown / nWidth, bm.bmHeight,
				SRCCOPY);
		else
			pDC->BitBlt(rc.left + 2, y, nShown, nHeight, &memDC, 0, 0, SRCCOPY);
		memDC.SelectObject(pOldBitmap);
	}
	pRect->left += nStrip;
}

// Several lines broken at word ends; the vertical alignment places the block of lines.
void DrawWrapped(CDC* pDC, const CRect& rc, const CString& str, WORD wAlign, int nMargin, int nGap)
{
	pDC->ExtTextOut(rc.left, rc.top, ETO_OPAQUE, &rc, "", 0, nullptr);
	UINT nFormat = DT_WORDBREAK | DT_NOPREFIX;
	if ((wAlign & GCA_CENTER) != 0)
		nFormat |= DT_CENTER;
	else if ((wAlign & GCA_RIGHT) != 0)
		nFormat |= DT_RIGHT;
	CRect rcText(rc.left + nMargin, rc.top + nGap, rc.right - nMargin, rc.bottom);
	CRect rcMeasure(rcText);
	const int nHeight = pDC->DrawText(str, &rcMeasure, nFormat | DT_CALCRECT);
	if ((wAlign & GCA_VCENTER) != 0)
		rcText.top = std::max(rc.top + (rc.Height() - nHeight) / 2, rc.top);
	else if ((wAlign & GCA_BOTTOM) != 0)
		rcText.top = std::max(rc.bottom - nHeight - nGap, rc.top);
	pDC->DrawText(str, &rcText, nFormat);
}

// One line placed by the alignment; nShift moves left-aligned text left, for text that runs on
// from a column to the left. nGap keeps the text off the top and bottom edges.
void DrawLine(CDC* pDC, const CRect& rc, const CString& str, WORD wAlign, int nStyle, int nMargin, int nGap,
	int nShift)
{
	const CSize extent = pDC->GetTextExtent(str);
	int y = rc.top + nGap;
	if ((wAlign & GCA_VCENTER) != 0)
		y = rc.top + (rc.Height() - extent.cy) / 2;
	else if ((wAlign & GCA_BOTTOM) != 0)
		y = rc.bottom - extent.cy - nGap;
	if ((nStyle & GCS_ELLIPSIS) != 0 && extent.cx > rc.Width() - 6)
	{
		// A cut text shows its beginning, whatever its alignment.
		const CSize dots = pDC->GetTextExtent(ELLIPSIS);
		CRect rcText(rc);
		rcText.right = std::max(rc.right - dots.cx - 3, rc.left);
		pDC->ExtTextOut(rc.left + nMargin, y, ETO_OPAQUE | ETO_CLIPPED, &rcText, str, nullptr);
		// The dots keep a pixel apart from the cut text, which may end in the middle of a letter.
		const CRect rcDots(rcText.right, rc.top, rc.right, rc.bottom);
		pDC->ExtTextOut(rcDots.left + 1, y, ETO_OPAQUE | ETO_CLIPPED, &rcDots, ELLIPSIS, nullptr);
		return;
	}
	int x = rc.left + nMargin - nShift;
	if ((wAlign & GCA_CENTER) != 0)
		x = rc.left + (rc.Width() - extent.cx) / 2;
	else if ((wAlign & GCA_RIGHT) != 0)
		x = rc.right - nMargin - extent.cx;
	pDC->ExtTextOut(x, y, ETO_OPAQUE | ETO_CLIPPED, &rc, str, nullptr);
}

}

void CellType::Draw(CDC* pDC, RECT* pRect, int nCol, long nRow, GridCell* pCell, int nSelected, BOOL bCurrent)
{
	CRect rc(*pRect);
	DrawBorders(pDC, &rc, pCell);
	DrawText(pDC, &rc, nCol, nRow, pCell, nSelected, bCurrent);
}

void CellType::DrawText(CDC* pDC, RECT* pRect, int nCol, long nRow, GridCell* pCell, int nSelected, BOOL bCurrent)
{
	CRect rc(*pRect);
	if (rc.IsRectEmpty())
		return;
	const SheetSettings* pSheet = GetSheet();
	// Printed, the margins grow with the cell so that the text keeps clear of the lines.
	const double dScale = m_bDrawingScaled ? m_dDrawingScale : 1.0;
	const int nMargin = static_cast<int>(
		std::lround((pSheet != nullptr ? pSheet->m_nTextMargin : DEFAULT_TEXT_MARGIN) * dScale));
	const int nGap = std::max(1, static_cast<int>(std::lround(dScale)));
	const BOOL bHighlighted = IsHighlighted(nSelected, bCurrent);
	COLORREF crText;
	COLORREF crBack;
	GetColors(pCell, bHighlighted, &crText, &crBack);

	CString str = GetDrawnString(pCell);
	CFont* pFont = pCell->GetFont();
	WORD wAlign = pCell->GetAlignment();
	int nShift = 0;
	GridCell source;
	if (str.IsEmpty() && FindOverflowSource(pDC, nCol, nRow, pCell, &source, &nShift))
	{
		// The pieces of the text must line up: the source's font, colour and vertical place.
		str = source.GetText();
		pFont = source.GetFont();
		wAlign = static_cast<WORD>(source.GetAlignment() & (GCA_VCENTER | GCA_BOTTOM));
		if (!bHighlighted)
		{
			COLORREF crSourceBack;
			GetColors(&source, FALSE, &crText, &crSourceBack);
		}
	}

	CFont* pOldFont = pFont != nullptr ? pDC->SelectObject(pFont) : nullptr;
	if (pCell->GetBitmap() != nullptr)
		DrawBitmapStrip(pDC, &rc, pCell->GetBitmap(), crBack);
	pDC->SetTextColor(crText);
	pDC->SetBkColor(crBack);
	if (!rc.IsRectEmpty())
	{
		if ((pCell->GetCellTypeStyle() & GCS_WORDWRAP) != 0)
			DrawWrapped(pDC, rc, str, wAlign, nMargin, nGap);
		else
			DrawLine(pDC, rc, str, wAlign, pCell->GetCellTypeStyle(), nMargin, nGap, nShift);
	}
	if (pOldFont != nullptr)
		pDC->SelectObject(pOldFont);
}
