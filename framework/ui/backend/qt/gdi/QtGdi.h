// What the Qt drawing code shares: the framework's rectangles, regions, pictures, fills and mixes
// as Qt's.
#pragma once

#include "framework/ui/backend/Driver.h"

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QRegion>

// Right and bottom lie outside a RECT: a QRect of the same pixels.
inline QRect GdiQRect(const RECT& rect)
{
	return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

QRegion GdiQRegion(const PixelRegion& region);
PixelRegion GdiPixelRegion(const QRegion& region);
// The pixels of a picture the model keeps, without copying them: the picture must outlive the image.
QImage GdiWrapImage(const PixelImage& image);
// The brush of a fill; a pattern's pixels are copied when bKeep, for a brush that outlives the fill.
QBrush GdiFillBrush(const DrawFill& fill, bool bKeep);
// The brush and the one-pixel pen of a colour, the same objects while the colour stays the same: a
// painter takes an object it already holds without marking its state changed, and a printer's
// engine writes its whole drawing state again after every change.
const QBrush& GdiSolidBrush(COLORREF crColor);
const QPen& GdiSolidPen(COLORREF crColor);
// The composition mode of a mix mode (R2_*) or of a raster operation that reads a source.
QPainter::CompositionMode GdiMixMode(int nMix);
QPainter::CompositionMode GdiSourceRopMode(DWORD dwRop);
