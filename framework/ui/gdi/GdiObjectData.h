// The objects behind the GDI handles and the table of live handles. A handle is the address of
// its object; a DC holding a selected object shares it, so deleting a selected object is harmless.
#pragma once

#include "framework/core/DibTypes.h"
#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/core/PixelRegion.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/gdi/GdiTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

class CGdiObject;
class DcState;

class GdiObjectData
{
public:
	explicit GdiObjectData(UINT nType);
	virtual ~GdiObjectData();

	GdiObjectData(const GdiObjectData&) = delete;
	GdiObjectData& operator=(const GdiObjectData&) = delete;

	HGDIOBJ Handle();

	const UINT m_nType;
	bool m_bStock = false;
	CGdiObject* m_pPermanent = nullptr;
	// Made by FromHandle when no object is attached; lives as long as this data.
	std::unique_ptr<CGdiObject> m_pTemporary;
};

class GdiPenData : public GdiObjectData
{
public:
	explicit GdiPenData(const LOGPEN& logPen);

	LOGPEN m_logPen;
};

class GdiBrushData : public GdiObjectData
{
public:
	explicit GdiBrushData(const LOGBRUSH& logBrush);

	LOGBRUSH m_logBrush;
	PixelImage m_pattern;	// BS_PATTERN only
};

class GdiFontData : public GdiObjectData
{
public:
	explicit GdiFontData(const LOGFONT& logFont);

	LOGFONT m_logFont;
};

class GdiBitmapData : public GdiObjectData
{
public:
	GdiBitmapData(PixelImage image, WORD nBitsPixel);
	~GdiBitmapData() override;

	// The device drawing on the pixels, made when first asked for.
	CPaintDevice* Device();

	PixelImage m_image;	// always 32 bits a pixel, whatever the bitmap's own format
	WORD m_nBitsPixel;
	std::vector<std::uint32_t> m_colorTable;	// of a DIB section of 8 bits or fewer, as 0xFFRRGGBB
	bool m_bDibSection = false;
	CSize m_dimension;
	DcState* m_pSelectedInto = nullptr;	// a bitmap is selected into one DC at a time

private:
	std::unique_ptr<CPaintDevice> m_pDevice;
};

class GdiPaletteData : public GdiObjectData
{
public:
	explicit GdiPaletteData(std::vector<PALETTEENTRY> entries);

	std::vector<PALETTEENTRY> m_entries;
};

class GdiRgnData : public GdiObjectData
{
public:
	explicit GdiRgnData(const PixelRegion& region);

	PixelRegion m_region;
};

HGDIOBJ GdiAddObject(std::shared_ptr<GdiObjectData> pData);
// Null when the handle is not a live object.
std::shared_ptr<GdiObjectData> GdiFindObject(HGDIOBJ hObject);
// Takes the handle out of the table unless it is a stock object; false when it was not live.
bool GdiRemoveObject(HGDIOBJ hObject);
// The live objects the program made, stock objects aside.
size_t GdiObjectCount();
HGDIOBJ GdiStockObject(int nIndex);
// The bitmap a memory DC holds before any other is selected.
std::shared_ptr<GdiBitmapData> GdiDefaultBitmap();

template <class T>
std::shared_ptr<T> GdiFind(HGDIOBJ hObject)
{
	return std::dynamic_pointer_cast<T>(GdiFindObject(hObject));
}

// A bitmap's pixel from a colour and back.
inline std::uint32_t GdiPixel(COLORREF crColor)
{
	return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(crColor)) << 16)
		| (static_cast<std::uint32_t>(GetGValue(crColor)) << 8) | GetBValue(crColor);
}

inline COLORREF GdiColorRef(std::uint32_t pixel)
{
	return RGB(static_cast<BYTE>(pixel >> 16), static_cast<BYTE>(pixel >> 8), static_cast<BYTE>(pixel));
}

// A bitmap's pixels of one colour.
PixelImage GdiFilledImage(int nWidth, int nHeight, COLORREF crColor);
