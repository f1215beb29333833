// CBitmap: a bitmap a memory DC can draw into, loaded from the resource chain or created empty.
#pragma once

#include "framework/core/DibTypes.h"
#include "framework/core/Geometry.h"
#include "framework/ui/gdi/GdiObject.h"

class CDC;

class CBitmap : public CGdiObject
{
	DECLARE_DYNAMIC(CBitmap)

public:
	CBitmap();

	static CBitmap* FromHandle(HBITMAP hBitmap);
	operator HBITMAP() const;
	// Windows passes a bitmap handle where any object handle goes; ours are distinct types.
	using CGdiObject::Attach;
	BOOL Attach(HBITMAP hBitmap);

	// A device bitmap with the screen's format, from the .bmp bytes of the resource nIDResource.
	BOOL LoadBitmap(UINT nIDResource);
	// Rows are word-aligned and top-down, as on Windows; 1, 24 and 32 bits per pixel are supported.
	// lpBits may be null: the bitmap then starts black.
	BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
	// Windows makes a monochrome bitmap for a memory DC still holding its default bitmap; ours
	// always has the screen's format.
	BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);

	int GetBitmap(BITMAP* pBitMap) const;
	CSize SetBitmapDimension(int nWidth, int nHeight);
	CSize GetBitmapDimension() const;
};

// A DIB section from the resource nIDResource: it keeps the file's bits per pixel and colour
// table, so that GetDIBits gives back the file's rows. Null when there is no such resource.
HBITMAP AfxLoadDIBSection(UINT nIDResource);
