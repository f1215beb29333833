// Bitmap (.bmp) files read from memory: the checked parse of header, colour table and pixel
// rows that the image class loads from, and the numbers derived from a bitmap header.
#pragma once

#include "framework/core/DibTypes.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

#include <vector>

constexpr WORD DIB_FILE_TYPE = 0x4D42;	// "BM"
constexpr size_t DIB_FILE_HEADER_SIZE = 14;
constexpr DWORD DIB_INFO_HEADER_SIZE = 40;
constexpr int DIB_MAX_COLORS = 256;
// Larger sides are refused as damaged rather than attempted.
constexpr LONG DIB_MAX_DIMENSION = 32767;
constexpr WORD DIB_PALETTE_VERSION = 0x300;

// The info block as the image class keeps it: header and room for a full colour table.
struct DibInfoBlock
{
	BITMAPINFOHEADER bmiHeader;
	RGBQUAD bmiColors[DIB_MAX_COLORS];
};

static_assert(sizeof(DibInfoBlock) == 1064, "the info block is the header and 256 colour entries");

struct DibFileContents
{
	DibInfoBlock info;
	std::vector<BYTE> bits;	// the rows, bottom row first, each DibRowSize bytes
};

// Bytes in one pixel row: bit count × width rounded up to whole 32-bit words; 0 for a width
// below 1. Wide, so that no header can overflow it.
ULONGLONG DibRowSize(WORD wBitCount, LONG nWidth);

// biClrUsed, or 2 to the power of the bit count when that is 0 and the bit count is at most 8.
DWORD DibColorCount(const BITMAPINFOHEADER& header);

// Colour-table entries of a bitmap converted to a DIB: 2, 16 or 256 for 1, 4 or 8 bits, else 0.
int DibColorTableEntries(WORD wBitCount);

// One palette entry per colour (at most nColors of the table are read), flags 0; no entries
// when the bitmap has more than 8 bits per pixel.
std::vector<PALETTEENTRY> DibPaletteEntries(const BITMAPINFOHEADER& header, const RGBQUAD* pColors, int nColors);

// Parses a whole bitmap file held in memory. Only uncompressed files with the 40-byte header
// and 1, 4, 8, 16, 24 or 32 bits per pixel are accepted; anything else, or any size that does
// not fit the file, fails with a one-line reason in strError and reads nothing beyond nSize.
// A top-down file (negative height) is turned bottom-up: its rows are reversed and the height
// made positive, so every image is kept the same way. Colour entries beyond those in the file
// are zero, biSizeImage is set to the size of the rows kept and bytes after them are ignored.
// On failure contents is left as it was.
BOOL ParseDibFile(const BYTE* pData, size_t nSize, DibFileContents& contents, CString& strError);
