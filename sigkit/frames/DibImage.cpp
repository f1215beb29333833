// CDibImage: conversion from bitmaps, .bmp files read and written, palette and drawing.
#include "sigkit/frames/DibImage.h"

#include "framework/core/Exceptions.h"
#include "framework/core/File.h"
#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Dib.h"
#include "framework/ui/gdi/Palette.h"
#include "sigkit/frames/DibFile.h"

#include <cstring>
#include <memory>
#include <vector>

namespace
{
	// Files larger than this are refused before anything is read: no bitmap the dialogs show
	// comes near it.
	constexpr ULONGLONG MAX_FILE_SIZE = 256ull * 1024 * 1024;

	DWORD InfoBlockSize(int nColorEntries)
	{
		return DWORD(sizeof(BITMAPINFOHEADER) + sizeof(RGBQUAD) * nColorEntries);
	}
}

CDibImage::CDibImage() : m_pBMI(nullptr), m_pBits(nullptr), m_pPalette(nullptr), m_bFromFile(FALSE)
{
}

CDibImage::~CDibImage()
{
	Empty();
}

void CDibImage::Empty()
{
	delete[] reinterpret_cast<BYTE*>(m_pBMI);
	delete[] m_pBits;
	delete m_pPalette;
	m_pBMI = nullptr;
	m_pBits = nullptr;
	m_pPalette = nullptr;
}

BOOL CDibImage::IsEmpty() const
{
	return m_pBMI == nullptr || m_pBits == nullptr;
}

int CDibImage::GetWidth() const
{
	return m_pBMI != nullptr ? int(m_pBMI->bmiHeader.biWidth) : 0;
}

int CDibImage::GetHeight() const
{
	return m_pBMI != nullptr ? int(m_pBMI->bmiHeader.biHeight) : 0;
}

CPalette* CDibImage::GetPalette() const
{
	return m_pPalette;
}

const CString& CDibImage::GetLastError() const
{
	return m_strError;
}

BOOL CDibImage::Fail(LPCTSTR lpszReason)
{
	Empty();
	m_strError = lpszReason;
	return FALSE;
}

void CDibImage::CreatePalette()
{
	delete m_pPalette;
	m_pPalette = nullptr;
	const BITMAPINFOHEADER& header = m_pBMI->bmiHeader;
	const DWORD nTableEntries = m_bFromFile ? DIB_MAX_COLORS : DWORD(DibColorTableEntries(header.biBitCount));
	const std::vector<PALETTEENTRY> entries = DibPaletteEntries(header, m_pBMI->bmiColors, int(nTableEntries));
	if (entries.empty())
		return;

	std::vector<BYTE> block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * entries.size());
	LOGPALETTE* pLogPalette = reinterpret_cast<LOGPALETTE*>(block.data());
	pLogPalette->palVersion = DIB_PALETTE_VERSION;
	pLogPalette->palNumEntries = WORD(entries.size());
	std::memcpy(pLogPalette->palPalEntry, entries.data(), sizeof(PALETTEENTRY) * entries.size());
	std::unique_ptr<CPalette> pPalette(new CPalette);
	if (pPalette->CreatePalette(pLogPalette))
		m_pPalette = pPalette.release();
}

BOOL CDibImage::CreateFromBitmap(CDC* pDC, HBITMAP hBitmap)
{
	Empty();
	BITMAP bm;
	if (hBitmap == nullptr || CBitmap::FromHandle(hBitmap)->GetBitmap(&bm) == 0)
		return Fail("Error:not a bitmap\n");

	const WORD wBitCount = bm.bmBitsPixel <= 8 ? bm.bmBitsPixel : 24;
	const WORD wStoredBits = bm.bmBitsPixel <= 8 ? 8 : 24;
	const ULONGLONG nRowSize = DibRowSize(wStoredBits, bm.bmWidth);
	const ULONGLONG nImageSize = nRowSize * ULONGLONG(bm.bmHeight > 0 ? bm.bmHeight : 0);
	if (nImageSize == 0 || nImageSize > MAX_FILE_SIZE)
		return Fail("could not allocate data storage\n");

	const int nColorEntries = DibColorTableEntries(wBitCount);
	m_pBits = AfxNewArray<BYTE>(size_t(nImageSize));
	BYTE* pInfo = AfxNewArray<BYTE>(InfoBlockSize(nColorEntries));
	std::memset(pInfo, 0, InfoBlockSize(nColorEntries));
	m_pBMI = reinterpret_cast<BITMAPINFO*>(pInfo);

	BITMAPINFOHEADER& header = m_pBMI->bmiHeader;
	header.biSize = sizeof(BITMAPINFOHEADER);
	header.biWidth = bm.bmWidth;
	header.biHeight = bm.bmHeight;
	header.biPlanes = bm.bmPlanes;
	header.biBitCount = wBitCount;
	header.biCompression = BI_RGB;
	header.biSizeImage = DWORD(nImageSize);

	const int nRows = ::GetDIBits(pDC->GetSafeHdc(), hBitmap, 0, UINT(bm.bmHeight), m_pBits, m_pBMI, DIB_RGB_COLORS);
	if (nRows < bm.bmHeight)
		return Fail("call to GetDIBits did not return full number of requested scan lines\n");

	m_bFromFile = FALSE;
	CreatePalette();
	return TRUE;
}

BOOL CDibImage::Load(LPCTSTR lpszPath)
{
	CFile file;
	if (!file.Open(lpszPath, CFile::modeRead))
		return Fail("Error:could not open the file\n");
	return Read(file);
}

// The whole file is read into memory first, bounded by its length, and checked before any of
// it is kept: a damaged file leaves the image empty.
BOOL CDibImage::Read(CFile& file)
{
	Empty();
	const ULONGLONG nPosition = file.GetPosition();
	const ULONGLONG nLength = file.GetLength();
	const ULONGLONG nAvailable = nLength > nPosition ? nLength - nPosition : 0;
	if (nAvailable > MAX_FILE_SIZE)
		return Fail("Error:file too large for a bitmap\n");

	std::vector<BYTE> data(static_cast<size_t>(nAvailable));
	if (!data.empty() && file.Read(data.data(), UINT(data.size())) != data.size())
		return Fail("Error:could not read the whole file\n");

	DibFileContents contents;
	CString strError;
	if (!ParseDibFile(data.data(), data.size(), contents, strError))
		return Fail(strError);

	BYTE* pInfo = AfxNewArray<BYTE>(sizeof(DibInfoBlock));
	std::memcpy(pInfo, &contents.info, sizeof(DibInfoBlock));
	m_pBMI = reinterpret_cast<BITMAPINFO*>(pInfo);
	m_pBits = AfxNewArray<BYTE>(contents.bits.size());
	std::memcpy(m_pBits, contents.bits.data(), contents.bits.size());
	m_bFromFile = TRUE;
	CreatePalette();
	return TRUE;
}

BOOL CDibImage::Save(LPCTSTR lpszPath)
{
	CFile file;
	if (!file.Open(lpszPath, CFile::modeCreate | CFile::modeWrite))
		return FALSE;
	return Write(file);
}

BOOL CDibImage::Write(CFile& file)
{
	if (IsEmpty())
		return FALSE;
	const BITMAPINFOHEADER& header = m_pBMI->bmiHeader;
	const int nColorEntries = DibColorTableEntries(header.biBitCount);
	const DWORD nInfoSize = InfoBlockSize(nColorEntries);
	const DWORD nImageSize = DWORD(DibRowSize(header.biBitCount, header.biWidth) * ULONGLONG(header.biHeight));

	// Above 8 bits a colour table is only a hint for palette displays, and the image makes no
	// palette from it: none is written, so the header counts none, the layout every reader knows.
	BITMAPINFOHEADER written = header;
	if (nColorEntries == 0)
	{
		written.biClrUsed = 0;
		written.biClrImportant = 0;
	}

	BITMAPFILEHEADER fileHeader;
	std::memset(&fileHeader, 0, sizeof fileHeader);
	fileHeader.bfType = DIB_FILE_TYPE;
	fileHeader.bfOffBits = DWORD(sizeof(BITMAPFILEHEADER)) + nInfoSize;
	fileHeader.bfSize = fileHeader.bfOffBits + nImageSize;
	file.Write(&fileHeader, sizeof fileHeader);
	file.Write(&written, sizeof written);
	if (nColorEntries > 0)
		file.Write(m_pBMI->bmiColors, nInfoSize - DWORD(sizeof written));
	file.Write(m_pBits, nImageSize);
	return TRUE;
}

CPalette* CDibImage::SelectPalette(CDC* pDC)
{
	if (m_pPalette == nullptr)
		return nullptr;
	CPalette* pOld = pDC->SelectPalette(m_pPalette, FALSE);
	pDC->RealizePalette();
	pDC->SetStretchBltMode(COLORONCOLOR);
	return pOld;
}

BOOL CDibImage::Paint(CDC* pDC, const CRect& rcDest, const CRect& rcSource)
{
	if (IsEmpty())
		return FALSE;
	CPalette* pOld = SelectPalette(pDC);
	const int nRows = ::SetDIBitsToDevice(pDC->GetSafeHdc(), rcDest.left, rcDest.top, DWORD(rcDest.Width()),
		DWORD(rcDest.Height()), rcSource.left, GetHeight() - rcSource.bottom, 0, UINT(GetHeight()), m_pBits, m_pBMI,
		DIB_RGB_COLORS);
	if (m_pPalette != nullptr)
		pDC->SelectPalette(pOld, FALSE);
	return nRows > 0;
}

BOOL CDibImage::Stretch(CDC* pDC, int x, int y, int nWidth, int nHeight)
{
	if (IsEmpty())
		return FALSE;
	CPalette* pOld = SelectPalette(pDC);
	const int nRows = ::StretchDIBits(pDC->GetSafeHdc(), x, y, nWidth, nHeight, 0, 0, GetWidth(), GetHeight(),
		m_pBits, m_pBMI, DIB_RGB_COLORS, SRCCOPY);
	if (m_pPalette != nullptr)
		pDC->SelectPalette(pOld, FALSE);
	return nRows > 0;
}

BOOL CDibImage::Draw(CDC* pDC, int x, int y)
{
	return Stretch(pDC, x, y, GetWidth(), GetHeight());
}
