// The checked bitmap reader: file and info headers, colour table, rows and their pixels.
#include "framework/core/DibParser.h"

#include <cstring>

namespace
{

constexpr size_t INFO_HEADER_OFFSET = DIB_FILE_HEADER_SIZE;
constexpr size_t COLOR_TABLE_OFFSET = DIB_FILE_HEADER_SIZE + DIB_INFO_HEADER_SIZE;

// Fields are read byte by byte: the file is little-endian and its fields are not aligned.
WORD ReadWord(const BYTE* p)
{
	return static_cast<WORD>(p[0] | (p[1] << 8));
}

DWORD ReadDword(const BYTE* p)
{
	return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16)
		| (static_cast<DWORD>(p[3]) << 24);
}

LONG ReadLong(const BYTE* p)
{
	return static_cast<LONG>(ReadDword(p));
}

BITMAPINFOHEADER ReadInfoHeader(const BYTE* p)
{
	BITMAPINFOHEADER header;
	header.biSize = ReadDword(p);
	header.biWidth = ReadLong(p + 4);
	header.biHeight = ReadLong(p + 8);
	header.biPlanes = ReadWord(p + 12);
	header.biBitCount = ReadWord(p + 14);
	header.biCompression = ReadDword(p + 16);
	header.biSizeImage = ReadDword(p + 20);
	header.biXPelsPerMeter = ReadLong(p + 24);
	header.biYPelsPerMeter = ReadLong(p + 28);
	header.biClrUsed = ReadDword(p + 32);
	header.biClrImportant = ReadDword(p + 36);
	return header;
}

bool IsSupportedBitCount(WORD wBitCount)
{
	return wBitCount == 1 || wBitCount == 4 || wBitCount == 8 || wBitCount == 16 || wBitCount == 24
		|| wBitCount == 32;
}

// Only called on a checked header, whose height lies within ±DIB_MAX_DIMENSION.
size_t RowCount(const BITMAPINFOHEADER& header)
{
	return static_cast<size_t>(header.biHeight < 0 ? -header.biHeight : header.biHeight);
}

BYTE Widen5(int n)
{
	return static_cast<BYTE>((n << 3) | (n >> 2));
}

}

const BYTE* DibView::RowFromTop(size_t nRow) const
{
	const size_t nStored = info.bmiHeader.biHeight < 0 ? nRow : nRows - 1 - nRow;
	return pBits + nStored * nRowSize;
}

void DibView::ReadRow(size_t nRow, RGBQUAD* pPixels) const
{
	const BYTE* pRow = RowFromTop(nRow);
	const WORD wBitCount = info.bmiHeader.biBitCount;
	const LONG nWidth = info.bmiHeader.biWidth;
	for (LONG x = 0; x < nWidth; x++)
	{
		RGBQUAD& pixel = pPixels[x];
		switch (wBitCount)
		{
		case 1:
		case 4:
		case 8:
		{
			const int nPerByte = 8 / wBitCount;
			const int nShift = 8 - wBitCount * (x % nPerByte + 1);
			const DWORD nIndex = static_cast<DWORD>(pRow[x / nPerByte] >> nShift) & ((1u << wBitCount) - 1);
			// Entries past nColors are zero: black, as for an index the table lacks.
			pixel = info.bmiColors[nIndex];
			pixel.rgbReserved = 0;
			break;
		}
		case 16:
		{
			const int nValue = pRow[2 * x] | (pRow[2 * x + 1] << 8);
			pixel = { Widen5(nValue & 0x1F), Widen5((nValue >> 5) & 0x1F), Widen5((nValue >> 10) & 0x1F), 0 };
			break;
		}
		case 24:
			pixel = { pRow[3 * x], pRow[3 * x + 1], pRow[3 * x + 2], 0 };
			break;
		default:
			pixel = { pRow[4 * x], pRow[4 * x + 1], pRow[4 * x + 2], 0 };
			break;
		}
	}
}

ULONGLONG DibRowSize(WORD wBitCount, LONG nWidth)
{
	if (nWidth < 1)
		return 0;
	const ULONGLONG nBits = static_cast<ULONGLONG>(wBitCount) * static_cast<ULONGLONG>(nWidth);
	return (nBits + 31) / 32 * 4;
}

DWORD DibColorCount(const BITMAPINFOHEADER& header)
{
	if (header.biClrUsed != 0)
		return header.biClrUsed;
	return header.biBitCount <= 8 ? static_cast<DWORD>(1) << header.biBitCount : 0;
}

DibFault DibCheckHeader(const BITMAPINFOHEADER& header)
{
	if (header.biWidth < 1 || header.biWidth > DIB_MAX_DIMENSION)
		return DibFault::BadWidth;
	if (header.biHeight == 0 || header.biHeight > DIB_MAX_DIMENSION || header.biHeight < -DIB_MAX_DIMENSION)
		return DibFault::BadHeight;
	if (!IsSupportedBitCount(header.biBitCount))
		return DibFault::BadBitCount;
	if (header.biCompression != BI_RGB)
		return DibFault::Compressed;
	const DWORD nMaxColors = header.biBitCount <= 8 ? static_cast<DWORD>(1) << header.biBitCount : DIB_MAX_COLORS;
	if (DibColorCount(header) > nMaxColors)
		return DibFault::ColorTableTooLarge;
	return DibFault::None;
}

DibFault DibParseFile(const BYTE* pData, size_t nSize, DibView& view)
{
	if (pData == nullptr || nSize < DIB_FILE_HEADER_SIZE)
		return DibFault::ShortFileHeader;
	if (ReadWord(pData) != DIB_FILE_TYPE)
		return DibFault::NotBitmap;
	const DWORD nOffBits = ReadDword(pData + 10);
	if (nSize < INFO_HEADER_OFFSET + 4)
		return DibFault::ShortInfoHeader;
	if (ReadDword(pData + INFO_HEADER_OFFSET) != DIB_INFO_HEADER_SIZE)
		return DibFault::OtherInfoHeader;
	if (nSize < COLOR_TABLE_OFFSET)
		return DibFault::ShortInfoHeader;

	const BITMAPINFOHEADER header = ReadInfoHeader(pData + INFO_HEADER_OFFSET);
	if (const DibFault fault = DibCheckHeader(header); fault != DibFault::None)
		return fault;
	const DWORD nColors = DibColorCount(header);
	if (nOffBits > nSize)
		return DibFault::OffsetPastEnd;
	if (COLOR_TABLE_OFFSET + 4 * static_cast<size_t>(nColors) > nOffBits)
		return DibFault::ColorTableOverlapsRows;
	// At most 131068 bytes a row and 32767 rows: the product cannot overflow.
	const ULONGLONG nRowSize = DibRowSize(header.biBitCount, header.biWidth);
	const size_t nRows = RowCount(header);
	if (nRowSize * nRows > nSize - nOffBits)
		return DibFault::ShortRows;

	std::memset(&view.info, 0, sizeof view.info);
	view.info.bmiHeader = header;
	for (DWORD i = 0; i < nColors; i++)
	{
		const BYTE* pEntry = pData + COLOR_TABLE_OFFSET + 4 * i;
		view.info.bmiColors[i] = { pEntry[0], pEntry[1], pEntry[2], pEntry[3] };
	}
	view.nColors = nColors;
	view.pBits = pData + nOffBits;
	view.nRowSize = static_cast<size_t>(nRowSize);
	view.nRows = nRows;
	return DibFault::None;
}

DibFault DibParseMemory(const BITMAPINFO* pInfo, const void* pBits, size_t nRows, DibView& view)
{
	if (pInfo == nullptr)
		return DibFault::ShortInfoHeader;
	const BITMAPINFOHEADER& header = pInfo->bmiHeader;
	if (const DibFault fault = DibCheckHeader(header); fault != DibFault::None)
		return fault;
	if (nRows > RowCount(header))
		return DibFault::BadHeight;
	if (pBits == nullptr || nRows == 0)
		return DibFault::ShortRows;

	const DWORD nColors = header.biBitCount <= 8 ? DibColorCount(header) : 0;
	std::memset(&view.info, 0, sizeof view.info);
	view.info.bmiHeader = header;
	std::memcpy(view.info.bmiColors, pInfo->bmiColors, sizeof(RGBQUAD) * nColors);
	view.nColors = nColors;
	view.pBits = static_cast<const BYTE*>(pBits);
	view.nRowSize = static_cast<size_t>(DibRowSize(header.biBitCount, header.biWidth));
	view.nRows = nRows;
	return DibFault::None;
}
