// Text on a DC: runs of the framework's UTF-8 text measured and drawn by the driver in the DC's font.
#pragma once

#include "framework/ui/gdi/DcState.h"

// The character cell of the DC's font. Windows' cell holds every glyph whole, so the descent is
// rounded up: glyphs such as parentheses reach below the rounded descent of the Liberation fonts.
struct DcCell
{
	int nAscent;
	int nDescent;

	int Height() const
	{
		return nAscent + nDescent;
	}
};
DcCell DcCellOf(DcState& state);
// nCount bytes of lpsz, or up to its NUL when nCount is negative; none for a null string.
int DcTextLength(LPCTSTR lpsz, int nCount);
// The width the text takes, following lpDx when given.
int DcTextWidth(DcState& state, LPCTSTR lpsz, int nCount, const int* lpDx = nullptr);
// Draws text in the DC's font and text colour with the top left of its cell at a point, clipped to
// *pClip when given; lpDx, when given, holds the advance of each character (of each byte for
// ASCII, as on Windows). The background is not touched.
void DcDrawRun(DcState& state, const CPoint& ptCell, LPCTSTR lpsz, int nCount, const int* lpDx, const CRect* pClip);
// Fills a rectangle with the background colour, clipped to *pClip when given.
void DcFillBackground(DcState& state, const CRect& rect, const CRect* pClip);
