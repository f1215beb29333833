// The objects behind the GDI handles and the table of live handles. A handle is the address of
// its object; a DC holding a selected object shares it, so deleting a selected object is harmless.
#pragma once

#include "framework/core/DibTypes.h"
#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/ui/gdi/GdiTypes.h"

#include <QImage>
#include <QRegion>
#include <QVector>

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
	QImage m_pattern;	// BS_PATTERN only
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
	GdiBitmapData(const QImage& image, WORD nBitsPixel);

	QImage m_image;	// always Format_RGB32, whatever the bitmap's own format
	WORD m_nBitsPixel;
	QVector<QRgb> m_colorTable;	// of a DIB section of 8 bits or fewer
	bool m_bDibSection = false;
	CSize m_dimension;
	DcState* m_pSelectedInto = nullptr;	// a bitmap is selected into one DC at a time
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
	explicit GdiRgnData(const QRegion& region);

	QRegion m_region;
};

HGDIOBJ GdiAddObject(std::shared_ptr<GdiObjectData> pData);
// Null when the handle is not a live object.
std::shared_ptr<GdiObjectData> GdiFindObject(HGDIOBJ hObject);
// Takes the handle out of the table unless it is a stock object; false when it was not live.
bool GdiRemoveObject(HGDIOBJ hObject);
HGDIOBJ GdiStockObject(int nIndex);
// The bitmap a memory DC holds before any other is selected.
std::shared_ptr<GdiBitmapData> GdiDefaultBitmap();

template <class T>
std::shared_ptr<T> GdiFind(HGDIOBJ hObject)
{
	return std::dynamic_pointer_cast<T>(GdiFindObject(hObject));
}

QRgb GdiQRgb(COLORREF crColor);
COLORREF GdiColorRef(QRgb rgb);
