// The table of live GDI handles and the stock objects.
#include "framework/ui/gdi/GdiObjectData.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/GdiObject.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace
{
	typedef std::unordered_map<HGDIOBJ, std::shared_ptr<GdiObjectData>> ObjectTable;

	// Never destroyed: objects with static storage may still delete their handles at exit.
	ObjectTable& Objects()
	{
		static ObjectTable& table = *new ObjectTable;
		return table;
	}

	std::shared_ptr<GdiObjectData> MakePen(int nStyle, COLORREF crColor)
	{
		LOGPEN logPen = { static_cast<UINT>(nStyle), { 1, 0 }, crColor };
		return std::make_shared<GdiPenData>(logPen);
	}

	std::shared_ptr<GdiObjectData> MakeBrush(UINT nStyle, COLORREF crColor)
	{
		LOGBRUSH logBrush = { nStyle, crColor, 0 };
		return std::make_shared<GdiBrushData>(logBrush);
	}

	std::shared_ptr<GdiObjectData> MakeFont(int nHeight, int nWeight, BYTE nPitchAndFamily, LPCSTR lpszFace)
	{
		LOGFONT logFont;
		std::memset(&logFont, 0, sizeof(logFont));
		logFont.lfHeight = nHeight;
		logFont.lfWeight = nWeight;
		logFont.lfPitchAndFamily = nPitchAndFamily;
		std::strncpy(logFont.lfFaceName, lpszFace, LF_FACESIZE - 1);
		return std::make_shared<GdiFontData>(logFont);
	}

	// The twenty static colours of the Windows default palette.
	std::shared_ptr<GdiObjectData> MakeDefaultPalette()
	{
		static const BYTE colours[20][3] = {
			{ 0, 0, 0 }, { 128, 0, 0 }, { 0, 128, 0 }, { 128, 128, 0 }, { 0, 0, 128 },
			{ 128, 0, 128 }, { 0, 128, 128 }, { 192, 192, 192 }, { 192, 220, 192 }, { 166, 202, 240 },
			{ 255, 251, 240 }, { 160, 160, 164 }, { 128, 128, 128 }, { 255, 0, 0 }, { 0, 255, 0 },
			{ 255, 255, 0 }, { 0, 0, 255 }, { 255, 0, 255 }, { 0, 255, 255 }, { 255, 255, 255 } };
		std::vector<PALETTEENTRY> entries;
		for (const BYTE* c : colours)
			entries.push_back(PALETTEENTRY { c[0], c[1], c[2], 0 });
		return std::make_shared<GdiPaletteData>(entries);
	}

	std::shared_ptr<GdiObjectData> MakeStockObject(int nIndex)
	{
		switch (nIndex)
		{
		case WHITE_BRUSH:
			return MakeBrush(BS_SOLID, RGB(255, 255, 255));
		case LTGRAY_BRUSH:
			return MakeBrush(BS_SOLID, RGB(192, 192, 192));
		case GRAY_BRUSH:
			return MakeBrush(BS_SOLID, RGB(128, 128, 128));
		case DKGRAY_BRUSH:
			return MakeBrush(BS_SOLID, RGB(64, 64, 64));
		case BLACK_BRUSH:
			return MakeBrush(BS_SOLID, RGB(0, 0, 0));
		case NULL_BRUSH:
			return MakeBrush(BS_NULL, RGB(0, 0, 0));
		case WHITE_PEN:
			return MakePen(PS_SOLID, RGB(255, 255, 255));
		case BLACK_PEN:
			return MakePen(PS_SOLID, RGB(0, 0, 0));
		case NULL_PEN:
			return MakePen(PS_NULL, RGB(0, 0, 0));
		case OEM_FIXED_FONT:
			return MakeFont(12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Terminal");
		case ANSI_FIXED_FONT:
			return MakeFont(13, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier");
		case ANSI_VAR_FONT:
			return MakeFont(13, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif");
		case SYSTEM_FONT:
		case DEVICE_DEFAULT_FONT:
			return MakeFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System");
		case SYSTEM_FIXED_FONT:
			return MakeFont(15, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Fixedsys");
		case DEFAULT_GUI_FONT:
			return MakeFont(-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Shell Dlg");
		case DEFAULT_PALETTE:
			return MakeDefaultPalette();
		default:
			return nullptr;
		}
	}
}

GdiObjectData::GdiObjectData(UINT nType)
	: m_nType(nType)
{
}

GdiObjectData::~GdiObjectData()
{
	// The temporary wrapper must not delete the handle on its way out.
	if (m_pTemporary)
		m_pTemporary->m_hObject = nullptr;
}

HGDIOBJ GdiObjectData::Handle()
{
	return reinterpret_cast<HGDIOBJ>(this);
}

GdiPenData::GdiPenData(const LOGPEN& logPen)
	: GdiObjectData(OBJ_PEN), m_logPen(logPen)
{
}

GdiBrushData::GdiBrushData(const LOGBRUSH& logBrush)
	: GdiObjectData(OBJ_BRUSH), m_logBrush(logBrush)
{
}

GdiFontData::GdiFontData(const LOGFONT& logFont)
	: GdiObjectData(OBJ_FONT), m_logFont(logFont)
{
	m_logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
}

GdiBitmapData::GdiBitmapData(PixelImage image, WORD nBitsPixel)
	: GdiObjectData(OBJ_BITMAP), m_image(std::move(image)), m_nBitsPixel(nBitsPixel)
{
}

GdiBitmapData::~GdiBitmapData() = default;

CPaintDevice* GdiBitmapData::Device()
{
	if (m_pDevice == nullptr)
		m_pDevice = AfxGetDriver().CreateBitmapDevice(m_image);
	return m_pDevice.get();
}

GdiPaletteData::GdiPaletteData(std::vector<PALETTEENTRY> entries)
	: GdiObjectData(OBJ_PAL), m_entries(std::move(entries))
{
}

GdiRgnData::GdiRgnData(const PixelRegion& region)
	: GdiObjectData(OBJ_REGION), m_region(region)
{
}

HGDIOBJ GdiAddObject(std::shared_ptr<GdiObjectData> pData)
{
	HGDIOBJ hObject = pData->Handle();
	Objects()[hObject] = std::move(pData);
	return hObject;
}

std::shared_ptr<GdiObjectData> GdiFindObject(HGDIOBJ hObject)
{
	ObjectTable& objects = Objects();
	auto it = objects.find(hObject);
	return it == objects.end() ? nullptr : it->second;
}

bool GdiRemoveObject(HGDIOBJ hObject)
{
	ObjectTable& objects = Objects();
	auto it = objects.find(hObject);
	if (it == objects.end())
		return false;
	if (!it->second->m_bStock)
	{
		// The data may outlive the table entry inside a DC; it must not name a wrapper any more.
		std::shared_ptr<GdiObjectData> pData = std::move(it->second);
		objects.erase(it);
		pData->m_pPermanent = nullptr;
	}
	return true;
}

size_t GdiObjectCount()
{
	const ObjectTable& objects = Objects();
	return static_cast<size_t>(std::count_if(objects.begin(), objects.end(),
		[](const ObjectTable::value_type& entry) { return !entry.second->m_bStock; }));
}

HGDIOBJ GdiStockObject(int nIndex)
{
	static HGDIOBJ handles[DEFAULT_GUI_FONT + 1] = {};
	if (nIndex < 0 || nIndex > DEFAULT_GUI_FONT)
		return nullptr;
	if (handles[nIndex] == nullptr)
	{
		std::shared_ptr<GdiObjectData> pData = MakeStockObject(nIndex);
		if (pData == nullptr)
			return nullptr;
		pData->m_bStock = true;
		handles[nIndex] = GdiAddObject(std::move(pData));
	}
	return handles[nIndex];
}

std::shared_ptr<GdiBitmapData> GdiDefaultBitmap()
{
	static std::shared_ptr<GdiBitmapData>& pBitmap = *new std::shared_ptr<GdiBitmapData>([] {
		auto pData = std::make_shared<GdiBitmapData>(GdiFilledImage(1, 1, RGB(0, 0, 0)), 1);
		pData->m_bStock = true;
		GdiAddObject(pData);
		return pData;
	}());
	return pBitmap;
}

PixelImage GdiFilledImage(int nWidth, int nHeight, COLORREF crColor)
{
	PixelImage image;
	// Past 2 GiB of pixels there is no bitmap, as a toolkit's images have none.
	if (nWidth <= 0 || nHeight <= 0 || static_cast<long long>(nWidth) * nHeight > (1LL << 29))
		return image;
	image.nWidth = nWidth;
	image.nHeight = nHeight;
	image.pixels.assign(static_cast<size_t>(nWidth) * static_cast<size_t>(nHeight), GdiPixel(crColor));
	return image;
}
