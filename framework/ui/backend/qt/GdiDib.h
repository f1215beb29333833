// Device-independent bitmaps to and from the RGB32 images that bitmaps and surfaces keep.
#pragma once

#include "framework/core/DibTypes.h"

#include <QImage>
#include <QVector>

#include <cstddef>

// Bytes of one stored row: whole double words, as on Windows.
int GdiDibRowBytes(int nWidth, int nBitCount);
// Entries of the colour table that follows the header (0 above 8 bits per pixel).
int GdiDibColorCount(const BITMAPINFOHEADER& header);

// nRows stored rows of a DIB in the layout *pInfo describes, as an image whose first row is
// the topmost of them. A null image for a format not supported (compressed, 16 bits with
// bit fields, a bit count other than 1, 4, 8, 16, 24 or 32).
QImage GdiImageFromDib(const BITMAPINFO* pInfo, const void* pBits, int nRows);
// The colour table that follows the header, as Qt colours.
QVector<QRgb> GdiDibColorTable(const BITMAPINFO* pInfo);

// A .bmp file held in memory; false when it is damaged or of a format not supported.
bool GdiReadBmpFile(const BYTE* pData, size_t nSize, QImage* pImage, WORD* pBitCount, QVector<QRgb>* pColorTable);

// Writes the image's row nRow (counted from the top) in nBitCount bits per pixel; indexed
// formats take the nearest entry of colorTable.
void GdiWriteDibRow(const QImage& image, int nRow, int nBitCount, const QVector<QRgb>& colorTable, BYTE* pRow);
// The colour table GetDIBits gives for nBitCount bits when the bitmap has none of its own.
QVector<QRgb> GdiDefaultColorTable(int nBitCount);
