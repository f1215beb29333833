// The checked bitmap-file parse and the numbers derived from a bitmap header.
#include "sigkit/frames/DibFile.h"

#include "framework/core/Exceptions.h"

#include <algorithm>
#include <cstring>
#include <new>

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

BOOL IsSupportedBitCount(WORD wBitCount)
{
	return wBitCount == 1 || wBitCount == 4 || wBitCount == 8 || wBitCount == 16 || wBitCount == 24
		|| wBitCount == 32;
}

BOOL Fail(CString& strError, LPCSTR lpszReason)
{
	strError = lpszReason;
	return FALSE;
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

int DibColorTableEntries(WORD wBitCount)
{
	switch (wBitCount)
	{
	case 1:
		return 2;
	case 4:
		return 16;
	case 8:
		return 256;
	default:
		return 0;
	}
}

std::vector<PALETTEENTRY> DibPaletteEntries(const BITMAPINFOHEADER& header, const RGBQUAD* pColors, int nColors)
{
	std::vector<PALETTEENTRY> entries;
	if (header.biBitCount > 8 || pColors == nullptr || nColors < 1)
		return entries;
	const DWORD nCount = std::min(DibColorCount(header), static_cast<DWORD>(nColors));
	for (DWORD i = 0; i < nCount; i++)
		entries.push_back({ pColors[i].rgbRed, pColors[i].rgbGreen, pColors[i].rgbBlue, 0 });
	return entries;
}

BOOL ParseDibFile(const BYTE* pData, size_t nSize, DibFileContents& contents, CString& strError)
{
	if (pData == nullptr || nSize < DIB_FILE_HEADER_SIZE)
		return Fail(strError, "Error:File too short for a bitmap file header\n");
	if (ReadWord(pData) != DIB_FILE_TYPE)
		return Fail(strError, "Error:Unexpected file type, not a DIB\n");
	const DWORD nOffBits = ReadDword(pData + 10);
	if (nSize < INFO_HEADER_OFFSET + 4)
		return Fail(strError, "Error:File too short for a bitmap info header\n");
	if (ReadDword(pData + INFO_HEADER_OFFSET) != DIB_INFO_HEADER_SIZE)
		return Fail(strError, "Error:OS2 PM BMP Format not supported\n");
	if (nSize < COLOR_TABLE_OFFSET)
		return Fail(strError, "Error:File too short for a bitmap info header\n");

	BITMAPINFOHEADER header = ReadInfoHeader(pData + INFO_HEADER_OFFSET);
	if (header.biWidth < 1 || header.biWidth > DIB_MAX_DIMENSION)
		return Fail(strError, "Error:Bitmap width out of range\n");
	if (header.biHeight == 0 || header.biHeight > DIB_MAX_DIMENSION || header.biHeight < -DIB_MAX_DIMENSION)
		return Fail(strError, "Error:Bitmap height out of range\n");
	if (!IsSupportedBitCount(header.biBitCount))
		return Fail(strError, "Error:Unsupported number of bits per pixel\n");
	if (header.biCompression != BI_RGB)
		return Fail(strError, "Error:Compressed bitmaps not supported\n");

	const DWORD nMaxColors = header.biBitCount <= 8 ? static_cast<DWORD>(1) << header.biBitCount : DIB_MAX_COLORS;
	const DWORD nColors = DibColorCount(header);
	if (nColors > nMaxColors)
		return Fail(strError, "Error:Colour table larger than the bitmap can use\n");
	if (nOffBits > nSize)
		return Fail(strError, "Error:Pixel offset beyond the end of the file\n");
	if (COLOR_TABLE_OFFSET + 4 * static_cast<size_t>(nColors) > nOffBits)
		return Fail(strError, "Error:Colour table runs past the pixel offset\n");

	const BOOL bTopDown = header.biHeight < 0;
	const size_t nRows = static_cast<size_t>(bTopDown ? -header.biHeight : header.biHeight);
	const ULONGLONG nRowSize = DibRowSize(header.biBitCount, header.biWidth);
	const ULONGLONG nImageSize = nRowSize * nRows;
	if (nImageSize > nSize - nOffBits)
		return Fail(strError, "Error:File too short for its pixel rows\n");

	std::vector<BYTE> bits;
	try
	{
		bits.resize(static_cast<size_t>(nImageSize));
	}
	catch (const std::bad_alloc&)
	{
		AfxThrowMemoryException();
	}
	const BYTE* pRows = pData + nOffBits;
	for (size_t nRow = 0; nRow < nRows; nRow++)
	{
		const size_t nSource = bTopDown ? nRows - 1 - nRow : nRow;
		std::memcpy(bits.data() + nRow * nRowSize, pRows + nSource * nRowSize, static_cast<size_t>(nRowSize));
	}

	header.biHeight = static_cast<LONG>(nRows);
	header.biSizeImage = static_cast<DWORD>(nImageSize);
	std::memset(&contents.info, 0, sizeof contents.info);
	contents.info.bmiHeader = header;
	for (DWORD i = 0; i < nColors; i++)
	{
		const BYTE* pEntry = pData + COLOR_TABLE_OFFSET + 4 * i;
		contents.info.bmiColors[i] = { pEntry[0], pEntry[1], pEntry[2], pEntry[3] };
	}
	contents.bits.swap(bits);
	strError.Empty();
	return TRUE;
}
