// CDC: block transfers between DCs, pattern fills, scrolling of a surface's pixels and icons.
#include "framework/ui/gdi/Dc.h"

#include "framework/ui/gdi/Rgn.h"
#include "framework/ui/backend/qt/DcPaint.h"
#include "framework/ui/backend/qt/GdiBackend.h"
#include "framework/ui/backend/qt/GdiRegion.h"

#include <cstdlib>

namespace
{
	bool UsesSource(DWORD dwRop)
	{
		QPainter::CompositionMode mode;
		return GdiSourceRopMode(dwRop, &mode);
	}

	// A negative width or height mirrors the picture, as on Windows.
	QImage Oriented(const QImage& image, bool bMirrorX, bool bMirrorY)
	{
		return bMirrorX || bMirrorY ? image.mirrored(bMirrorX, bMirrorY) : image;
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
	QPainter::CompositionMode mode;
	if (!GdiSourceRopMode(dwRop, &mode))
		return PatBlt(x, y, nWidth, nHeight, dwRop);
	DcState* pState = DcStateOf(this);
	DcState* pSource = DcStateOf(pSrcDC);
	QImage* pSourceImage = pSource == nullptr ? nullptr : pSource->Image();
	if (pState == nullptr || pSourceImage == nullptr)
		return FALSE;
	QRect source = GdiExtentRect(xSrc, ySrc, nSrcWidth, nSrcHeight).translated(pSource->LogicalToDevice());
	QRect target = GdiExtentRect(x, y, nWidth, nHeight);
	// Copied first: the source may be the very surface being drawn on.
	QImage picture = Oriented(pSourceImage->copy(source), (nWidth < 0) != (nSrcWidth < 0), (nHeight < 0) != (nSrcHeight < 0));
	QPainter* pPainter = pState->Painter(mode);
	if (pPainter == nullptr)
		return FALSE;
	pPainter->setRenderHint(QPainter::SmoothPixmapTransform, pState->Attr().nStretchMode == HALFTONE);
	pPainter->drawImage(target, picture);
	return TRUE;
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return FALSE;
	QRect target = GdiNormalizedQRect(x, y, x + nWidth, y + nHeight);
	switch (dwRop)
	{
	case PATCOPY:
		DcFillRect(*pState, target, *pState->Attr().pBrush, QPainter::CompositionMode_SourceOver);
		return TRUE;
	case PATINVERT:
		DcFillRect(*pState, target, *pState->Attr().pBrush, QPainter::RasterOp_SourceXorDestination);
		return TRUE;
	case DSTINVERT:
		if (QPainter* pPainter = pState->Painter(QPainter::RasterOp_SourceXorDestination))
			pPainter->fillRect(target, Qt::white);
		return TRUE;
	case BLACKNESS:
	case WHITENESS:
		if (QPainter* pPainter = pState->Painter())
			pPainter->fillRect(target, dwRop == BLACKNESS ? Qt::black : Qt::white);
		return TRUE;
	default:
		return FALSE;
	}
}

BOOL CDC::ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* pRgnUpdate, LPRECT lpRectUpdate)
{
	DcState* pState = DcStateOf(this);
	QImage* pImage = pState == nullptr ? nullptr : pState->Image();
	if (pImage == nullptr)
		return FALSE;
	// Everything in device coordinates.
	QPoint offset = pState->LogicalToDevice();
	QPoint shift(dx, dy);
	QRect scroll = lpRectScroll == nullptr ? pState->Bounds() : GdiQRect(*lpRectScroll).translated(offset);
	QRect clip = lpRectClip == nullptr ? pState->Bounds() : GdiQRect(*lpRectClip).translated(offset);
	QRegion visible = pState->VisibleRegion();
	QRegion reached = QRegion(clip) & visible;

	QImage moved = pImage->copy(scroll);
	if (QPainter* pPainter = pState->Painter(QPainter::CompositionMode_Source))
	{
		pPainter->save();
		pPainter->resetTransform();
		pPainter->setClipRegion(reached);
		pPainter->drawImage(scroll.topLeft() + shift, moved);
		pPainter->restore();
	}

	// Pixels that received a visible source are valid; the rest of what was reached is to be repainted.
	QRegion valid = (QRegion(scroll) & visible).translated(shift) & reached;
	QRegion update = ((QRegion(scroll) | QRegion(scroll.translated(shift))) & reached) - valid;
	update.translate(-offset);
	if (pRgnUpdate != nullptr)
	{
		if (pRgnUpdate->m_hObject == nullptr)
			pRgnUpdate->CreateRectRgn(0, 0, 0, 0);
		GdiSetRegion(*pRgnUpdate, update);
	}
	if (lpRectUpdate != nullptr)
		*lpRectUpdate = GdiRectFromQRect(update.boundingRect());
	return TRUE;
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
	DcState* pState = DcStateOf(this);
	QImage image = GdiIconImage(hIcon);
	if (pState == nullptr || image.isNull())
		return FALSE;
	if (QPainter* pPainter = pState->Painter())
		pPainter->drawImage(QPoint(x, y), image);
	return TRUE;
}

BOOL CDC::DrawIcon(POINT point, HICON hIcon)
{
	return DrawIcon(point.x, point.y, hIcon);
}
