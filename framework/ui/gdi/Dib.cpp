// Device-independent bitmaps drawn on DCs and read back from bitmaps.
#include "framework/ui/gdi/Dib.h"

#include "framework/core/DibParser.h"
#include "framework/ui/backend/qt/DcPaint.h"
#include "framework/ui/backend/qt/GdiDib.h"
#include "framework/ui/backend/qt/GdiRegion.h"

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
	QImage band = GdiImageFromDib(lpbmi, lpvBits, nBand);
	if (band.isNull())
		return 0;
	// Where the band's rows sit among all the DIB's rows, counted from the top.
	int nBandTop = header.biHeight > 0 ? nRows - static_cast<int>(uStartScan) - nBand : static_cast<int>(uStartScan);
	int nWidth = static_cast<int>(dwWidth);
	int nHeight = static_cast<int>(dwHeight);
	QRect source(xSrc, TopRow(header, ySrc, nHeight), nWidth, nHeight);
	QRect available = source & QRect(0, nBandTop, band.width(), nBand);
	if (QPainter* pPainter = pState->Painter(QPainter::CompositionMode_Source); pPainter != nullptr && !available.isEmpty())
	{
		QPoint target(xDest + available.x() - source.x(), yDest + available.y() - source.y());
		pPainter->drawImage(target, band, available.translated(0, -nBandTop));
	}
	return nBand;
}

int StretchDIBits(HDC hdc, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
	int nSrcWidth, int nSrcHeight, const void* lpBits, const BITMAPINFO* lpbmi, UINT iUsage, DWORD dwRop)
{
	DcState* pState = DcFind(hdc);
	QPainter::CompositionMode mode;
	if (pState == nullptr || lpbmi == nullptr || iUsage != DIB_RGB_COLORS || !GdiSourceRopMode(dwRop, &mode))
		return 0;
	const BITMAPINFOHEADER& header = lpbmi->bmiHeader;
	QImage picture = GdiImageFromDib(lpbmi, lpBits, Rows(header));
	if (picture.isNull())
		return 0;
	int nSrcRows = std::abs(nSrcHeight);
	QRect source = GdiExtentRect(xSrc, 0, nSrcWidth, nSrcRows);
	source.moveTop(TopRow(header, ySrc, nSrcRows));
	QRect target = GdiExtentRect(xDest, yDest, nDestWidth, nDestHeight);
	bool bMirrorX = (nDestWidth < 0) != (nSrcWidth < 0);
	bool bMirrorY = (nDestHeight < 0) != (nSrcHeight < 0);
	QImage part = picture.copy(source);
	if (bMirrorX || bMirrorY)
		part = part.mirrored(bMirrorX, bMirrorY);
	if (QPainter* pPainter = pState->Painter(mode))
	{
		pPainter->setRenderHint(QPainter::SmoothPixmapTransform, pState->Attr().nStretchMode == HALFTONE);
		pPainter->drawImage(target, part);
	}
	return nSrcRows;
}

int GetDIBits(HDC hdc, HBITMAP hbm, UINT uStartScan, UINT cScanLines, LPVOID lpvBits, LPBITMAPINFO lpbmi,
	UINT uUsage)
{
	std::shared_ptr<GdiBitmapData> pBitmap = GdiFind<GdiBitmapData>(reinterpret_cast<HGDIOBJ>(hbm));
	if (DcFind(hdc) == nullptr || pBitmap == nullptr || lpbmi == nullptr || uUsage != DIB_RGB_COLORS)
		return 0;
	BITMAPINFOHEADER& header = lpbmi->bmiHeader;
	const QImage& image = pBitmap->m_image;
	int nRows = image.height();
	if (lpvBits == nullptr && header.biBitCount == 0)
	{
		header.biWidth = image.width();
		header.biHeight = nRows;
		header.biPlanes = 1;
		header.biBitCount = pBitmap->m_nBitsPixel;
		header.biCompression = BI_RGB;
		header.biSizeImage = static_cast<DWORD>(DibRowSize(header.biBitCount, image.width()) * nRows);
		header.biClrUsed = 0;
		return nRows;
	}
	int nBitCount = header.biBitCount;
	if (nBitCount != 1 && nBitCount != 4 && nBitCount != 8 && nBitCount != 16 && nBitCount != 24 && nBitCount != 32)
		return 0;
	// The bitmap's own colour table when it fits, else the standard one for that depth.
	QVector<QRgb> colorTable;
	if (nBitCount <= 8)
	{
		colorTable = pBitmap->m_colorTable;
		if (colorTable.isEmpty() || colorTable.size() > (1 << nBitCount))
			colorTable = GdiDefaultColorTable(nBitCount);
		for (int i = 0; i < (1 << nBitCount); ++i)
		{
			QRgb colour = i < colorTable.size() ? colorTable[i] : qRgb(0, 0, 0);
			lpbmi->bmiColors[i] = RGBQUAD { static_cast<BYTE>(qBlue(colour)), static_cast<BYTE>(qGreen(colour)),
				static_cast<BYTE>(qRed(colour)), 0 };
		}
	}
	size_t nRowBytes = static_cast<size_t>(DibRowSize(static_cast<WORD>(nBitCount), image.width()));
	header.biWidth = image.width();
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
