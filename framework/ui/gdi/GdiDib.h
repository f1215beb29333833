// Device-independent bitmaps to and from the 32-bit pixels that bitmaps keep.
#pragma once

#include "framework/core/DibTypes.h"
#include "framework/ui/backend/Driver.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// nRows stored rows of a DIB in the layout *pInfo describes, as an image whose first row is
// the topmost of them. An empty image for a header DibCheckHeader refuses.
PixelImage GdiImageFromDib(const BITMAPINFO* pInfo, const void* pBits, int nRows);

// A .bmp file held in memory, read by DibParseFile; false when it refuses the file. The colour
// table is the file's own up to 8 bits per pixel, else empty.
bool GdiReadBmpFile(const BYTE* pData, size_t nSize, PixelImage* pImage, WORD* pBitCount, std::vector<std::uint32_t>* pColorTable);

// Writes the image's row nRow (counted from the top) in nBitCount bits per pixel; indexed
// formats take the nearest entry of colorTable.
void GdiWriteDibRow(const PixelImage& image, int nRow, int nBitCount, const std::vector<std::uint32_t>& colorTable, BYTE* pRow);
// The colour table GetDIBits gives for nBitCount bits when the bitmap has none of its own.
std::vector<std::uint32_t> GdiDefaultColorTable(int nBitCount);
