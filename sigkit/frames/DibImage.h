// CDibImage: a packed device-independent bitmap (info block, colour table, rows) with its
// palette, made from a bitmap resource or read from a .bmp file, and drawn on a DC.
#pragma once

#include "framework/core/DibTypes.h"
#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/core/String.h"

class CDC;
class CFile;
class CPalette;

class CDibImage
{
public:
	CDibImage();
	virtual ~CDibImage();

	CDibImage(const CDibImage&) = delete;
	CDibImage& operator=(const CDibImage&) = delete;

	// Copies a part of the image to the device; source coordinates count from the top.
	virtual BOOL Paint(CDC* pDC, const CRect& rcDest, const CRect& rcSource);
	virtual BOOL Stretch(CDC* pDC, int x, int y, int nWidth, int nHeight);
	virtual BOOL Draw(CDC* pDC, int x, int y);
	virtual BOOL Load(LPCTSTR lpszPath);
	virtual BOOL Read(CFile& file);
	virtual BOOL Save(LPCTSTR lpszPath);
	virtual BOOL Write(CFile& file);

	// Converts a bitmap into the packed form: 8 bits per pixel with a colour table for bitmaps of
	// 8 bits or fewer, 24 bits otherwise.
	BOOL CreateFromBitmap(CDC* pDC, HBITMAP hBitmap);
	void Empty();

	BOOL IsEmpty() const;
	int GetWidth() const;
	int GetHeight() const;
	CPalette* GetPalette() const;
	// Why the last Read or conversion failed; never shown to the user.
	const CString& GetLastError() const;

	BITMAPINFO* m_pBMI;
	BYTE* m_pBits;
	CPalette* m_pPalette;
	BOOL m_bFromFile;

private:
	BOOL Fail(LPCTSTR lpszReason);
	void CreatePalette();
	CPalette* SelectPalette(CDC* pDC);

	CString m_strError;
};
