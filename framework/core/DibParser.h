// The one checked reader of device-independent bitmaps, from a .bmp file's bytes or from a header
// and rows in memory, and the row-size rule that every reader and writer of bitmaps shares.
#pragma once

#include "framework/core/DibTypes.h"
#include "framework/core/Types.h"

#include <cstddef>

constexpr WORD DIB_FILE_TYPE = 0x4D42;	// "BM"
constexpr size_t DIB_FILE_HEADER_SIZE = 14;
constexpr DWORD DIB_INFO_HEADER_SIZE = 40;
constexpr int DIB_MAX_COLORS = 256;
// Larger sides are refused as damaged rather than attempted.
constexpr LONG DIB_MAX_DIMENSION = 32767;

// A header with room for a full colour table.
struct DibInfoBlock
{
	BITMAPINFOHEADER bmiHeader;
	RGBQUAD bmiColors[DIB_MAX_COLORS];
};

static_assert(sizeof(DibInfoBlock) == 1064, "the info block is the header and 256 colour entries");

// Why a bitmap is refused; the checks run in this order and the first one failing is reported.
enum class DibFault
{
	None,
	ShortFileHeader,
	NotBitmap,	// the file type is not "BM"
	ShortInfoHeader,
	OtherInfoHeader,	// a core (OS/2) or later header instead of the 40-byte one
	BadWidth,
	BadHeight,
	BadBitCount,
	Compressed,
	ColorTableTooLarge,
	OffsetPastEnd,
	ColorTableOverlapsRows,
	ShortRows,
};

// A checked bitmap: its header and colour table copied, its rows left where they are.
struct DibView
{
	DibInfoBlock info;	// the header as given, height negative for top-down rows; missing colours zero
	DWORD nColors;	// colour entries that came with the header
	const BYTE* pBits;	// the first stored row
	size_t nRowSize;
	size_t nRows;	// rows stored at pBits

	// Row nRow counted from the top, whichever way the rows are stored.
	const BYTE* RowFromTop(size_t nRow) const;
	// The colours of the row's pixels, biWidth of them; an index past the colour table is black.
	// Sixteen bits are five a channel, widened so that full intensity stays full.
	void ReadRow(size_t nRow, RGBQUAD* pPixels) const;
};

// Bytes in one stored row: bit count × width rounded up to whole 32-bit words; 0 for a width
// below 1. Wide, so that no header can overflow it.
ULONGLONG DibRowSize(WORD wBitCount, LONG nWidth);

// biClrUsed, or 2 to the power of the bit count when that is 0 and the bit count is at most 8.
DWORD DibColorCount(const BITMAPINFOHEADER& header);

// The layout fields of a header: width 1 to DIB_MAX_DIMENSION, height as large either way but
// not 0, 1, 4, 8, 16, 24 or 32 bits uncompressed, and no more colours than the bit count can
// address (256 above 8 bits).
DibFault DibCheckHeader(const BITMAPINFOHEADER& header);

// A whole .bmp file of nSize bytes: the 40-byte header only, every size and offset checked
// against nSize before it is used, so nothing beyond it is read. Bytes after the rows are
// ignored. The view points into pData and is written only on success.
DibFault DibParseFile(const BYTE* pData, size_t nSize, DibView& view);

// nRows rows at pBits with the header and colour table at pInfo, as DIB functions are handed
// them; how many bytes there are is the caller's word, as on Windows. Above 8 bits no colour
// table is read, since no pixel uses it.
DibFault DibParseMemory(const BITMAPINFO* pInfo, const void* pBits, size_t nRows, DibView& view);
