// The driver's drawing on Qt: devices, fills, pixels, shapes, block transfers and scrolling, each
// through the one painter of its device.
#include "framework/ui/backend/qt/QtDriver.h"

#include "framework/ui/backend/qt/DcBackend.h"
#include "framework/ui/backend/qt/QtPaintDevice.h"
#include "framework/ui/backend/qt/gdi/QtGdi.h"

#include <QPaintEngine>
#include <QPolygon>

#include <algorithm>
#include <cstdlib>

namespace
{
	CQtPaintDevice* QtDevice(CPaintDevice* pDevice)
	{
		return static_cast<CQtPaintDevice*>(pDevice);
	}

	QPainter* PainterFor(const DrawTarget& target, QPainter::CompositionMode mode)
	{
		return target.pDevice == nullptr ? nullptr : QtDevice(target.pDevice)->Painter(target, mode);
	}

	QColor ToQColor(COLORREF crColor)
	{
		return QColor(GetRValue(crColor), GetGValue(crColor), GetBValue(crColor));
	}

	QPolygon ToQPolygon(const POINT* pPoints, int nPoints)
	{
		QPolygon polygon(nPoints);
		for (int i = 0; i < nPoints; ++i)
			polygon.setPoint(i, pPoints[i].x, pPoints[i].y);
		return polygon;
	}

	// Ellipses are drawn inside their bounds, whose right and bottom lie outside.
	QRect EllipseBounds(const CRect& rcBounds)
	{
		return QRect(rcBounds.left, rcBounds.top, rcBounds.Width() - 1, rcBounds.Height() - 1);
	}

	// Copies the part of the picture to draw first: the source may be the very device drawn on.
	void DrawPicture(const DrawTarget& target, const CRect& rcDest, const QImage& source, const CRect& rcSource,
		bool bMirrorX, bool bMirrorY, DWORD dwRop, bool bSmooth)
	{
		QImage picture = source.copy(GdiQRect(rcSource));
		// A negative width or height mirrors the picture, as on Windows.
		if (bMirrorX || bMirrorY)
			picture = picture.mirrored(bMirrorX, bMirrorY);
		QPainter* pPainter = PainterFor(target, GdiSourceRopMode(dwRop));
		if (pPainter == nullptr)
			return;
		pPainter->setRenderHint(QPainter::SmoothPixmapTransform, bSmooth);
		pPainter->drawImage(GdiQRect(rcDest), picture);
	}

	int PrinterPageCaps(const QPaintDevice& device, int nIndex)
	{
		switch (nIndex)
		{
		case TECHNOLOGY:
			return DT_RASPRINTER;
		case HORZSIZE:
			return device.widthMM();
		case VERTSIZE:
			return device.heightMM();
		case HORZRES:
			return device.width();
		case VERTRES:
			return device.height();
		case PHYSICALWIDTH:
		case PHYSICALHEIGHT:
		case PHYSICALOFFSETX:
		case PHYSICALOFFSETY:
			// Only the device knows the margins it cannot print on; without it, the sheet is the printable area.
			if (const PrinterPaper* pPaper = dynamic_cast<const PrinterPaper*>(&device))
				return pPaper->PhysicalCaps(nIndex);
			return nIndex == PHYSICALWIDTH ? device.width() : nIndex == PHYSICALHEIGHT ? device.height() : 0;
		case LOGPIXELSX:
			return device.logicalDpiX();
		case LOGPIXELSY:
			return device.logicalDpiY();
		case RASTERCAPS:
			return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
		default:
			return -1;
		}
	}

	// Each straight run of neighbouring pixels as one rectangle on the pixel grid: a vector picture
	// would hold a point as a square centred on the grid's corner, half a pixel out, and one
	// element for every pixel of a dashed line.
	void FillPixelRuns(QPainter& painter, const POINT* pPoints, int nPoints, const QColor& color)
	{
		int i = 0;
		while (i < nPoints)
		{
			int j = i + 1;
			const int dx = j < nPoints ? pPoints[j].x - pPoints[i].x : 0;
			const int dy = j < nPoints ? pPoints[j].y - pPoints[i].y : 0;
			if (std::abs(dx) + std::abs(dy) == 1)
			{
				while (j < nPoints && pPoints[j].x - pPoints[j - 1].x == dx && pPoints[j].y - pPoints[j - 1].y == dy)
					++j;
			}
			const QPoint ptFirst(pPoints[i].x, pPoints[i].y);
			const QPoint ptLast(pPoints[j - 1].x, pPoints[j - 1].y);
			painter.fillRect(QRect(ptFirst, ptLast).normalized(), color);
			i = j;
		}
	}
}

std::unique_ptr<CPaintDevice> CQtDriver::CreateBitmapDevice(PixelImage& image)
{
	return std::make_unique<CQtPaintDevice>(image);
}

CSize CQtDriver::DeviceSize(CPaintDevice* pDevice)
{
	QPaintDevice* pQtDevice = QtDevice(pDevice)->Device();
	return pQtDevice == nullptr ? CSize(0, 0) : CSize(pQtDevice->width(), pQtDevice->height());
}

int CQtDriver::PrinterCaps(CPaintDevice* pDevice, int nIndex)
{
	const CQtPaintDevice* pQtDevice = QtDevice(pDevice);
	return pQtDevice->IsPrinter() ? PrinterPageCaps(*pQtDevice->Device(), nIndex) : -1;
}

void CQtDriver::EndDrawing(CPaintDevice* pDevice)
{
	QtDevice(pDevice)->EndPainting();
}

COLORREF CQtDriver::DevicePixel(CPaintDevice* pDevice, const CPoint& ptDevice)
{
	const QImage* pImage = QtDevice(pDevice)->Image();
	if (pImage == nullptr || !pImage->valid(ptDevice.x, ptDevice.y))
		return CLR_INVALID;
	const QRgb rgb = pImage->pixel(ptDevice.x, ptDevice.y);
	return RGB(static_cast<BYTE>(qRed(rgb)), static_cast<BYTE>(qGreen(rgb)), static_cast<BYTE>(qBlue(rgb)));
}

void CQtDriver::FillRects(const DrawTarget& target, const CRect* pRects, int nRects, const DrawFill& fill, int nMix)
{
	QPainter* pPainter = PainterFor(target, GdiMixMode(nMix));
	if (pPainter == nullptr)
		return;
	if (fill.nStyle == BS_SOLID && pPainter->paintEngine()->type() == QPaintEngine::Raster)
	{
		const QColor color = ToQColor(fill.crColor);
		for (int i = 0; i < nRects; ++i)
			pPainter->fillRect(GdiQRect(pRects[i]), color);
		return;
	}
	if (fill.nStyle == BS_SOLID)
	{
		// fillRect would set and put back the pen and brush around every rectangle of a grid's
		// borders, and a printer's engine would write its state out twice for each.
		pPainter->setPen(Qt::NoPen);
		pPainter->setBrush(GdiSolidBrush(fill.crColor));
		for (int i = 0; i < nRects; ++i)
			pPainter->drawRect(GdiQRect(pRects[i]));
		return;
	}
	// Patterns line up with the device's origin, not the logical one.
	pPainter->setBrushOrigin(-target.ptOrigin.x, -target.ptOrigin.y);
	const QBrush brush = GdiFillBrush(fill, false);
	for (int i = 0; i < nRects; ++i)
		pPainter->fillRect(GdiQRect(pRects[i]), brush);
}

DeviceScanLines CQtDriver::DevicePixels(CPaintDevice* pDevice)
{
	return QtDevice(pDevice)->ScanLines();
}

void CQtDriver::SetPixels(const DrawTarget& target, const POINT* pPoints, int nPoints, COLORREF crColor, int nMix)
{
	QPainter* pPainter = PainterFor(target, GdiMixMode(nMix));
	if (pPainter == nullptr)
		return;
	if (pPainter->paintEngine()->type() == QPaintEngine::SVG)
	{
		FillPixelRuns(*pPainter, pPoints, nPoints, ToQColor(crColor));
		return;
	}
	pPainter->setPen(QPen(QBrush(ToQColor(crColor)), 1, Qt::SolidLine, Qt::SquareCap));
	pPainter->setBrush(Qt::NoBrush);
	pPainter->drawPoints(ToQPolygon(pPoints, nPoints));
}

void CQtDriver::FillShape(const DrawTarget& target, const DrawShape& shape, const DrawFill& fill, int nMix)
{
	QPainter* pPainter = PainterFor(target, GdiMixMode(nMix));
	if (pPainter == nullptr)
		return;
	pPainter->setPen(Qt::NoPen);
	pPainter->setBrush(GdiFillBrush(fill, false));
	pPainter->setBrushOrigin(-target.ptOrigin.x, -target.ptOrigin.y);
	switch (shape.nKind)
	{
	case DrawShape::Rectangle:
		pPainter->drawRect(GdiQRect(shape.rcBounds));
		break;
	case DrawShape::Ellipse:
		pPainter->drawEllipse(EllipseBounds(shape.rcBounds));
		break;
	case DrawShape::Polygon:
	case DrawShape::Polyline:
		pPainter->drawPolygon(ToQPolygon(shape.pPoints, shape.nPoints), shape.bWinding ? Qt::WindingFill : Qt::OddEvenFill);
		break;
	}
}

void CQtDriver::StrokeShape(const DrawTarget& target, const DrawShape& shape, const DrawPen& pen, int nMix)
{
	QPainter* pPainter = PainterFor(target, GdiMixMode(nMix));
	if (pPainter == nullptr)
		return;
	// A flat cap leaves the end point of a 1-pixel line undrawn, as Windows does; wide pens have
	// round ends and joins on Windows.
	const bool bThin = pen.nWidth <= 1;
	QPen qpen(QBrush(ToQColor(pen.crColor)), std::max(1, pen.nWidth), Qt::SolidLine, bThin ? Qt::FlatCap : Qt::RoundCap,
		bThin ? Qt::MiterJoin : Qt::RoundJoin);
	if (pen.nDashes > 0)
		qpen.setDashPattern(QVector<qreal>(pen.pDashes, pen.pDashes + pen.nDashes));
	pPainter->setPen(qpen);
	pPainter->setBrush(Qt::NoBrush);
	switch (shape.nKind)
	{
	case DrawShape::Rectangle:
		pPainter->drawRect(GdiQRect(shape.rcBounds));
		break;
	case DrawShape::Ellipse:
		pPainter->drawEllipse(EllipseBounds(shape.rcBounds));
		break;
	case DrawShape::Polygon:
		pPainter->drawPolygon(ToQPolygon(shape.pPoints, shape.nPoints));
		break;
	case DrawShape::Polyline:
		pPainter->drawPolyline(ToQPolygon(shape.pPoints, shape.nPoints));
		break;
	}
}

bool CQtDriver::CopyDevicePixels(const DrawTarget& target, const CRect& rcDest, CPaintDevice* pSource,
	const CRect& rcSource, bool bMirrorX, bool bMirrorY, DWORD dwRop, bool bSmooth)
{
	const QImage* pImage = QtDevice(pSource)->Image();
	if (pImage == nullptr || target.pDevice == nullptr)
		return false;
	DrawPicture(target, rcDest, *pImage, rcSource, bMirrorX, bMirrorY, dwRop, bSmooth);
	return true;
}

void CQtDriver::DrawPixelImage(const DrawTarget& target, const CRect& rcDest, const PixelImage& image,
	const CRect& rcSource, bool bMirrorX, bool bMirrorY, DWORD dwRop, bool bSmooth)
{
	DrawPicture(target, rcDest, GdiWrapImage(image), rcSource, bMirrorX, bMirrorY, dwRop, bSmooth);
}

bool CQtDriver::ScrollDevicePixels(const DrawTarget& target, const CRect& rcScroll, const CPoint& ptShift,
	const PixelRegion& reached)
{
	const QImage* pImage = QtDevice(target.pDevice)->Image();
	if (pImage == nullptr)
		return false;
	const QImage moved = pImage->copy(GdiQRect(rcScroll));
	if (QPainter* pPainter = PainterFor(target, QPainter::CompositionMode_Source))
	{
		pPainter->save();
		pPainter->resetTransform();
		pPainter->setClipRegion(GdiQRegion(reached));
		pPainter->drawImage(QPoint(rcScroll.left + ptShift.x, rcScroll.top + ptShift.y), moved);
		pPainter->restore();
	}
	return true;
}
