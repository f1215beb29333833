// Bitmap (.bmp) files as the image class keeps them, read through the framework's checked
// parser, and the palette numbers derived from a bitmap header.
#pragma once

#include "framework/core/DibParser.h"
#include "framework/core/DibTypes.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

#include <vector>

constexpr WORD DIB_PALETTE_VERSION = 0x300;

struct DibFileContents
{
	DibInfoBlock info;
	std::vector<BYTE> bits;	// the rows, bottom row first, each DibRowSize bytes
};

// Colour-table entries of a bitmap converted to a DIB: 2, 16 or 256 for 1, 4 or 8 bits, else 0.
int DibColorTableEntries(WORD wBitCount);

// One palette entry per colour (at most nColors of the table are read), flags 0; no entries
// when the bitmap has more than 8 bits per pixel.
std::vector<PALETTEENTRY> DibPaletteEntries(const BITMAPINFOHEADER& header, const RGBQUAD* pColors, int nColors);

// Parses a whole bitmap file held in memory with DibParseFile; a refused file fails with a
// one-line reason in strError. A top-down file (negative height) is turned bottom-up: its rows
// are reversed and the height made positive, so every image is kept the same way. Colour
// entries beyond those in the file are zero, biSizeImage is set to the size of the rows kept
// and bytes after them are ignored. On failure contents is left as it was.
BOOL ParseDibFile(const BYTE* pData, size_t nSize, DibFileContents& contents, CString& strError);
