// CDC: block transfers between DCs, pattern fills, scrolling of a surface's pixels and icons.
#include "framework/ui/gdi/Dc.h"

#include "framework/ui/gdi/DcPaint.h"
#include "framework/ui/gdi/GdiRegion.h"
#include "framework/ui/gdi/Rgn.h"

namespace
{
	bool UsesSource(DWORD dwRop)
	{
		return dwRop == SRCCOPY || dwRop == SRCPAINT || dwRop == SRCAND || dwRop == SRCINVERT || dwRop == NOTSRCCOPY;
	}
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
	if (!UsesSource(dwRop))
		return PatBlt(x, y, nWidth, nHeight, dwRop);
	return StretchBlt(x, y, nWidth, nHeight, pSrcDC, xSrc, ySrc, nWidth, nHeight, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
	int nSrcHeight, DWORD dwRop)
{
	if (!UsesSource(dwRop))
		return PatBlt(x, y, nWidth, nHeight, dwRop);
	DcState* pState = DcStateOf(this);
	DcState* pSource = DcStateOf(pSrcDC);
	const DrawTarget* pTarget = pState == nullptr ? nullptr : pState->Target();
	if (pTarget == nullptr || pSource == nullptr || pSource->Device() == nullptr)
		return FALSE;
	CRect source = GdiExtentRect(xSrc, ySrc, nSrcWidth, nSrcHeight);
	source.OffsetRect(pSource->LogicalToDevice());
	const CRect target = GdiExtentRect(x, y, nWidth, nHeight);
	// A negative width or height mirrors the picture, as on Windows.
	return AfxGetDriver().CopyDevicePixels(*pTarget, target, pSource->Device(), source, (nWidth < 0) != (nSrcWidth < 0),
			   (nHeight < 0) != (nSrcHeight < 0), dwRop, pState->Attr().nStretchMode == HALFTONE)
		? TRUE
		: FALSE;
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return FALSE;
	const CRect target = GdiNormalizedRect(x, y, x + nWidth, y + nHeight);
	switch (dwRop)
	{
	case PATCOPY:
		DcFillRect(*pState, target, *pState->Attr().pBrush, R2_COPYPEN);
		return TRUE;
	case PATINVERT:
		DcFillRect(*pState, target, *pState->Attr().pBrush, R2_XORPEN);
		return TRUE;
	case DSTINVERT:
		DcFillSolid(*pState, target, RGB(255, 255, 255), R2_XORPEN);
		return TRUE;
	case BLACKNESS:
	case WHITENESS:
		DcFillSolid(*pState, target, dwRop == BLACKNESS ? RGB(0, 0, 0) : RGB(255, 255, 255));
		return TRUE;
	default:
		return FALSE;
	}
}

BOOL CDC::ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* pRgnUpdate, LPRECT lpRectUpdate)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return FALSE;
	// Everything in device coordinates.
	const CPoint offset = pState->LogicalToDevice();
	const CPoint shift(dx, dy);
	CRect scroll = lpRectScroll == nullptr ? pState->Bounds() : CRect(*lpRectScroll) + offset;
	CRect clip = lpRectClip == nullptr ? pState->Bounds() : CRect(*lpRectClip) + offset;
	const PixelRegion visible = pState->VisibleRegion();
	const PixelRegion reached = PixelRegion(clip) & visible;

	if (const DrawTarget* pTarget = pState->Target())
	{
		if (!AfxGetDriver().ScrollDevicePixels(*pTarget, scroll, shift, reached))
			return FALSE;
	}
	else if (!pState->IsMemory())
	{
		return FALSE;
	}

	// Pixels that received a visible source are valid; the rest of what was reached is to be repainted.
	PixelRegion valid = PixelRegion(scroll) & visible;
	valid.Offset(dx, dy);
	valid &= reached;
	PixelRegion update = ((PixelRegion(scroll) | PixelRegion(scroll + shift)) & reached) - valid;
	update.Offset(-offset.x, -offset.y);
	if (pRgnUpdate != nullptr)
	{
		if (pRgnUpdate->m_hObject == nullptr)
			pRgnUpdate->CreateRectRgn(0, 0, 0, 0);
		if (std::shared_ptr<GdiRgnData> pData = GdiFind<GdiRgnData>(pRgnUpdate->m_hObject))
			pData->m_region = update;
	}
	if (lpRectUpdate != nullptr)
		*lpRectUpdate = update.BoundingRect();
	return TRUE;
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return FALSE;
	const DrawTarget* pTarget = pState->Target();
	const DrawTarget none { nullptr, CPoint(0, 0), nullptr, 0 };
	return AfxGetDriver().DrawIcon(pTarget != nullptr ? *pTarget : none, CPoint(x, y), hIcon) ? TRUE : FALSE;
}

BOOL CDC::DrawIcon(POINT point, HICON hIcon)
{
	return DrawIcon(point.x, point.y, hIcon);
}
