// Device-independent bitmaps drawn on DCs and read back from bitmaps.
#include "framework/ui/gdi/Dib.h"

#include "framework/core/DibParser.h"
#include "framework/ui/gdi/DcState.h"
#include "framework/ui/gdi/GdiDib.h"
#include "framework/ui/gdi/GdiRegion.h"

#include <algorithm>
#include <cstdlib>

namespace
{
	int Rows(const BITMAPINFOHEADER& header)
	{
		return std::abs(header.biHeight);
	}

	// The first image row of a source rectangle whose corner y is counted the DIB's way: from
	// the bottom of a bottom-up DIB, from the top of a top-down one.
	int TopRow(const BITMAPINFOHEADER& header, int ySrc, int nHeight)
	{
		return header.biHeight > 0 ? Rows(header) - ySrc - nHeight : ySrc;
	}

	bool UsesSource(DWORD dwRop)
	{
		return dwRop == SRCCOPY || dwRop == SRCPAINT || dwRop == SRCAND || dwRop == SRCINVERT || dwRop == NOTSRCCOPY;
	}
}

int SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD dwWidth, DWORD dwHeight, int xSrc, int ySrc,
	UINT uStartScan, UINT cScanLines, const void* lpvBits, const BITMAPINFO* lpbmi, UINT fuColorUse)
{
	DcState* pState = DcFind(hdc);
	if (pState == nullptr || lpbmi == nullptr || fuColorUse != DIB_RGB_COLORS)
		return 0;
	const BITMAPINFOHEADER& header = lpbmi->bmiHeader;
	int nRows = Rows(header);
	int nBand = std::min(static_cast<int>(cScanLines), nRows - static_cast<int>(uStartScan));
	PixelImage band = GdiImageFromDib(lpbmi, lpvBits, nBand);
	if (band.pixels.empty())
		return 0;
	// Where the band's rows sit among all the DIB's rows, counted from the top.
	int nBandTop = header.biHeight > 0 ? nRows - static_cast<int>(uStartScan) - nBand : static_cast<int>(uStartScan);
	int nWidth = static_cast<int>(dwWidth);
	int nHeight = static_cast<int>(dwHeight);
	const int nTop = TopRow(header, ySrc, nHeight);
	const CRect source(xSrc, nTop, xSrc + nWidth, nTop + nHeight);
	CRect available;
	available.IntersectRect(&source, CRect(0, nBandTop, band.nWidth, nBandTop + nBand));
	const DrawTarget* pTarget = pState->Target();
	if (pTarget != nullptr && !available.IsRectEmpty())
	{
		CRect target(available);
		target.OffsetRect(xDest - source.left, yDest - source.top);
		available.OffsetRect(0, -nBandTop);
		AfxGetDriver().DrawPixelImage(*pTarget, target, band, available, false, false, SRCCOPY, false);
	}
	return nBand;
}

int StretchDIBits(HDC hdc, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
	int nSrcWidth, int nSrcHeight, const void* lpBits, const BITMAPINFO* lpbmi, UINT iUsage, DWORD dwRop)
{
	DcState* pState = DcFind(hdc);
	if (pState == nullptr || lpbmi == nullptr || iUsage != DIB_RGB_COLORS || !UsesSource(dwRop))
		return 0;
	const BITMAPINFOHEADER& header = lpbmi->bmiHeader;
	PixelImage picture = GdiImageFromDib(lpbmi, lpBits, Rows(header));
	if (picture.pixels.empty())
		return 0;
	int nSrcRows = std::abs(nSrcHeight);
	CRect source = GdiExtentRect(xSrc, 0, nSrcWidth, nSrcRows);
	source.OffsetRect(0, TopRow(header, ySrc, nSrcRows));
	const CRect target = GdiExtentRect(xDest, yDest, nDestWidth, nDestHeight);
	bool bMirrorX = (nDestWidth < 0) != (nSrcWidth < 0);
	bool bMirrorY = (nDestHeight < 0) != (nSrcHeight < 0);
	if (const DrawTarget* pTarget = pState->Target())
		AfxGetDriver().DrawPixelImage(*pTarget, target, picture, source, bMirrorX, bMirrorY, dwRop, pState->Attr().nStretchMode == HALFTONE);
	return nSrcRows;
}

int GetDIBits(HDC hdc, HBITMAP hbm, UINT uStartScan, UINT cScanLines, LPVOID lpvBits, LPBITMAPINFO lpbmi,
	UINT uUsage)
{
	std::shared_ptr<GdiBitmapData> pBitmap = GdiFind<GdiBitmapData>(reinterpret_cast<HGDIOBJ>(hbm));
	if (DcFind(hdc) == nullptr || pBitmap == nullptr || lpbmi == nullptr || uUsage != DIB_RGB_COLORS)
		return 0;
	BITMAPINFOHEADER& header = lpbmi->bmiHeader;
	const PixelImage& image = pBitmap->m_image;
	int nRows = image.nHeight;
	if (lpvBits == nullptr && header.biBitCount == 0)
	{
		header.biWidth = image.nWidth;
		header.biHeight = nRows;
		header.biPlanes = 1;
		header.biBitCount = pBitmap->m_nBitsPixel;
		header.biCompression = BI_RGB;
		header.biSizeImage = static_cast<DWORD>(DibRowSize(header.biBitCount, image.nWidth) * nRows);
		header.biClrUsed = 0;
		return nRows;
	}
	int nBitCount = header.biBitCount;
	if (nBitCount != 1 && nBitCount != 4 && nBitCount != 8 && nBitCount != 16 && nBitCount != 24 && nBitCount != 32)
		return 0;
	// The bitmap's own colour table when it fits, else the standard one for that depth.
	std::vector<std::uint32_t> colorTable;
	if (nBitCount <= 8)
	{
		const size_t nEntries = static_cast<size_t>(1) << nBitCount;
		colorTable = pBitmap->m_colorTable;
		if (colorTable.empty() || colorTable.size() > nEntries)
			colorTable = GdiDefaultColorTable(nBitCount);
		for (size_t i = 0; i < nEntries; ++i)
		{
			const std::uint32_t colour = i < colorTable.size() ? colorTable[i] : 0;
			lpbmi->bmiColors[i] = RGBQUAD { static_cast<BYTE>(colour), static_cast<BYTE>(colour >> 8), static_cast<BYTE>(colour >> 16), 0 };
		}
	}
	size_t nRowBytes = static_cast<size_t>(DibRowSize(static_cast<WORD>(nBitCount), image.nWidth));
	header.biWidth = image.nWidth;
	header.biCompression = BI_RGB;
	header.biSizeImage = static_cast<DWORD>(nRowBytes * nRows);
	header.biClrUsed = 0;
	if (lpvBits == nullptr)
		return nRows;
	bool bBottomUp = header.biHeight > 0;
	int nCopied = 0;
	for (int nStored = static_cast<int>(uStartScan); nStored < nRows && nCopied < static_cast<int>(cScanLines); ++nStored, ++nCopied)
	{
		BYTE* pRow = static_cast<BYTE*>(lpvBits) + static_cast<size_t>(nCopied) * nRowBytes;
		GdiWriteDibRow(image, bBottomUp ? nRows - 1 - nStored : nStored, nBitCount, colorTable, pRow);
	}
	return nCopied;
}
