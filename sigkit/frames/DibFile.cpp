// Bitmap files read for the image class, with the reasons it gives for a refused file.
#include "sigkit/frames/DibFile.h"

#include "framework/core/Exceptions.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace
{

LPCSTR FaultText(DibFault fault)
{
	switch (fault)
	{
	case DibFault::None:
		break;
	case DibFault::ShortFileHeader:
		return "Error:File too short for a bitmap file header\n";
	case DibFault::NotBitmap:
		return "Error:Unexpected file type, not a DIB\n";
	case DibFault::ShortInfoHeader:
		return "Error:File too short for a bitmap info header\n";
	case DibFault::OtherInfoHeader:
		return "Error:OS2 PM BMP Format not supported\n";
	case DibFault::BadWidth:
		return "Error:Bitmap width out of range\n";
	case DibFault::BadHeight:
		return "Error:Bitmap height out of range\n";
	case DibFault::BadBitCount:
		return "Error:Unsupported number of bits per pixel\n";
	case DibFault::Compressed:
		return "Error:Compressed bitmaps not supported\n";
	case DibFault::ColorTableTooLarge:
		return "Error:Colour table larger than the bitmap can use\n";
	case DibFault::OffsetPastEnd:
		return "Error:Pixel offset beyond the end of the file\n";
	case DibFault::ColorTableOverlapsRows:
		return "Error:Colour table runs past the pixel offset\n";
	case DibFault::ShortRows:
		return "Error:File too short for its pixel rows\n";
	}
	return "";
}

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
	DibView view;
	if (const DibFault fault = DibParseFile(pData, nSize, view); fault != DibFault::None)
	{
		strError = FaultText(fault);
		return FALSE;
	}

	// The parser has checked that the rows lie within the file, so this many bytes exist.
	const size_t nImageSize = view.nRowSize * view.nRows;
	std::vector<BYTE> bits;
	try
	{
		bits.resize(nImageSize);
	}
	catch (const std::bad_alloc&)
	{
		AfxThrowMemoryException();
	}
	for (size_t nRow = 0; nRow < view.nRows; nRow++)
		std::memcpy(bits.data() + nRow * view.nRowSize, view.RowFromTop(view.nRows - 1 - nRow), view.nRowSize);

	contents.info = view.info;
	contents.info.bmiHeader.biHeight = static_cast<LONG>(view.nRows);
	contents.info.bmiHeader.biSizeImage = static_cast<DWORD>(nImageSize);
	contents.bits.swap(bits);
	strError.Empty();
	return TRUE;
}
