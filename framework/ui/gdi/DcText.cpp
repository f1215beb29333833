// CDC: TextOut, ExtTextOut, text extents and metrics.
#include "framework/ui/gdi/Dc.h"

#include "framework/ui/gdi/DcPaint.h"
#include "framework/ui/gdi/DcText.h"
#include "framework/ui/gdi/GdiRegion.h"

#include <algorithm>
#include <cstring>

namespace
{
	DeviceFontMetrics MetricsOf(DcState& state)
	{
		return AfxGetDriver().FontMetrics(state.Attr().pFont->m_logFont, state.Device());
	}

	// The top left of the text's cell for a reference point under the DC's text alignment.
	CPoint CellOrigin(DcState& state, int x, int y, int nWidth)
	{
		const DcCell cell = DcCellOf(state);
		UINT nAlign = state.Attr().nTextAlign;
		if ((nAlign & TA_CENTER) == TA_CENTER)
			x -= nWidth / 2;
		else if (nAlign & TA_RIGHT)
			x -= nWidth;
		if ((nAlign & TA_BASELINE) == TA_BASELINE)
			y -= cell.nAscent;
		else if (nAlign & TA_BOTTOM)
			y -= cell.Height();
		return CPoint(x, y);
	}

	CSize Extent(const CDC* pDC, LPCTSTR lpszString, int nCount)
	{
		DcState* pState = DcStateOf(pDC);
		if (pState == nullptr)
			return CSize(0, 0);
		return CSize(DcTextWidth(*pState, lpszString, DcTextLength(lpszString, nCount)), DcCellOf(*pState).Height());
	}
}

DcCell DcCellOf(DcState& state)
{
	const DeviceFontMetrics metrics = MetricsOf(state);
	return { metrics.nAscent, metrics.nDescent };
}

int DcTextLength(LPCTSTR lpsz, int nCount)
{
	if (lpsz == nullptr)
		return 0;
	return nCount < 0 ? static_cast<int>(std::strlen(lpsz)) : nCount;
}

int DcTextWidth(DcState& state, LPCTSTR lpsz, int nCount, const int* lpDx)
{
	return AfxGetDriver().TextWidth(state.Attr().pFont->m_logFont, state.Device(), lpsz, nCount, lpDx);
}

void DcDrawRun(DcState& state, const CPoint& ptCell, LPCTSTR lpsz, int nCount, const int* lpDx, const CRect* pClip)
{
	const DrawTarget* pTarget = state.Target();
	if (pTarget != nullptr && nCount > 0)
		AfxGetDriver().DrawTextRun(*pTarget, state.Attr().pFont->m_logFont, ptCell, lpsz, nCount, lpDx, state.Attr().crText, pClip);
}

void DcFillBackground(DcState& state, const CRect& rect, const CRect* pClip)
{
	CRect fill = rect;
	if (pClip != nullptr)
		fill.IntersectRect(&rect, pClip);
	DcFillSolid(state, fill, state.Attr().crBk);
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
	return ExtTextOut(x, y, 0, nullptr, lpszString, static_cast<UINT>(nCount), nullptr);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
	return TextOut(x, y, str, str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
	LPINT lpDxWidths)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return FALSE;
	const int nLength = DcTextLength(lpszString, lpszString == nullptr ? 0 : static_cast<int>(nCount));
	bool bUpdateCP = (pState->Attr().nTextAlign & TA_UPDATECP) != 0;
	if (bUpdateCP)
	{
		x = pState->Attr().ptCurrent.x;
		y = pState->Attr().ptCurrent.y;
	}
	int nWidth = DcTextWidth(*pState, lpszString, nLength, lpDxWidths);
	const CPoint origin = CellOrigin(*pState, x, y, nWidth);
	if (pState->Target() != nullptr)
	{
		if ((nOptions & ETO_OPAQUE) && lpRect != nullptr)
			DcFillSolid(*pState, GdiNormalizedRect(*lpRect), pState->Attr().crBk);
		const CRect clip = lpRect != nullptr ? CRect(*lpRect) : CRect();
		const CRect* pClip = (nOptions & ETO_CLIPPED) && lpRect != nullptr ? &clip : nullptr;
		if (pState->Attr().nBkMode == OPAQUE && nLength > 0)
			DcFillBackground(*pState, CRect(origin.x, origin.y, origin.x + nWidth, origin.y + DcCellOf(*pState).Height()), pClip);
		DcDrawRun(*pState, origin, lpszString, nLength, lpDxWidths, pClip);
	}
	if (bUpdateCP)
		pState->Attr().ptCurrent.x += nWidth;
	return TRUE;
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
	return ExtTextOut(x, y, nOptions, lpRect, str, static_cast<UINT>(str.GetLength()), lpDxWidths);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
	return Extent(this, lpszString, nCount);
}

CSize CDC::GetTextExtent(const CString& str) const
{
	return GetTextExtent(str, str.GetLength());
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
	return Extent(this, lpszString, nCount);
}

CSize CDC::GetOutputTextExtent(const CString& str) const
{
	return GetOutputTextExtent(str, str.GetLength());
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || lpMetrics == nullptr)
		return FALSE;
	const DeviceFontMetrics metrics = MetricsOf(*pState);
	const LOGFONT& logFont = pState->Attr().pFont->m_logFont;
	std::memset(lpMetrics, 0, sizeof(TEXTMETRIC));
	lpMetrics->tmAscent = metrics.nAscent;
	lpMetrics->tmDescent = metrics.nDescent;
	lpMetrics->tmHeight = metrics.nAscent + metrics.nDescent;
	lpMetrics->tmInternalLeading = lpMetrics->tmHeight - metrics.nPixelSize;
	lpMetrics->tmExternalLeading = std::max(0, metrics.nExternalLeading);
	lpMetrics->tmAveCharWidth = metrics.nAveCharWidth;
	lpMetrics->tmMaxCharWidth = metrics.nMaxCharWidth;
	lpMetrics->tmWeight = metrics.nWeight;
	lpMetrics->tmDigitizedAspectX = GetDeviceCaps(LOGPIXELSX);
	lpMetrics->tmDigitizedAspectY = GetDeviceCaps(LOGPIXELSY);
	lpMetrics->tmFirstChar = ' ';
	lpMetrics->tmLastChar = '~';
	lpMetrics->tmDefaultChar = '?';
	lpMetrics->tmBreakChar = ' ';
	lpMetrics->tmItalic = logFont.lfItalic;
	lpMetrics->tmUnderlined = logFont.lfUnderline;
	lpMetrics->tmStruckOut = logFont.lfStrikeOut;
	// The "fixed pitch" bit is set for variable-pitch fonts, as on Windows.
	BYTE nPitch = metrics.bFixedPitch ? 0 : TMPF_FIXED_PITCH;
	lpMetrics->tmPitchAndFamily = static_cast<BYTE>(nPitch | TMPF_TRUETYPE | (logFont.lfPitchAndFamily & 0xF0));
	lpMetrics->tmCharSet = logFont.lfCharSet;
	return TRUE;
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
{
	return GetTextMetrics(lpMetrics);
}
