// Device-independent bitmaps to and from the RGB32 images that bitmaps and surfaces keep.
#pragma once

#include "framework/core/DibTypes.h"

#include <QImage>
#include <QVector>

#include <cstddef>

// nRows stored rows of a DIB in the layout *pInfo describes, as an image whose first row is
// the topmost of them. A null image for a header DibCheckHeader refuses.
QImage GdiImageFromDib(const BITMAPINFO* pInfo, const void* pBits, int nRows);

// A .bmp file held in memory, read by DibParseFile; false when it refuses the file. The colour
// table is the file's own up to 8 bits per pixel, else empty.
bool GdiReadBmpFile(const BYTE* pData, size_t nSize, QImage* pImage, WORD* pBitCount, QVector<QRgb>* pColorTable);

// Writes the image's row nRow (counted from the top) in nBitCount bits per pixel; indexed
// formats take the nearest entry of colorTable.
void GdiWriteDibRow(const QImage& image, int nRow, int nBitCount, const QVector<QRgb>& colorTable, BYTE* pRow);
// The colour table GetDIBits gives for nBitCount bits when the bitmap has none of its own.
QVector<QRgb> GdiDefaultColorTable(int nBitCount);
