// CGdiObject: attaching wrappers to handles, temporary wrappers, deletion and logical records.
#include "framework/ui/gdi/GdiObject.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/gdi/Palette.h"
#include "framework/ui/gdi/Pen.h"
#include "framework/ui/gdi/Rgn.h"
#include "framework/ui/gdi/GdiObjectData.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

namespace
{
	CGdiObject* MakeWrapper(UINT nType)
	{
		switch (nType)
		{
		case OBJ_PEN:
			return new CPen;
		case OBJ_BRUSH:
			return new CBrush;
		case OBJ_FONT:
			return new CFont;
		case OBJ_BITMAP:
			return new CBitmap;
		case OBJ_PAL:
			return new CPalette;
		case OBJ_REGION:
			return new CRgn;
		default:
			return new CGdiObject;
		}
	}

	int CopyRecord(const void* pRecord, int nSize, int nCount, LPVOID lpObject)
	{
		if (lpObject == nullptr)
			return nSize;
		int nCopied = std::min(nSize, std::max(nCount, 0));
		std::memcpy(lpObject, pRecord, static_cast<size_t>(nCopied));
		return nCopied;
	}
}

CGdiObject::CGdiObject()
	: m_hObject(nullptr)
{
}

CGdiObject::~CGdiObject()
{
	DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
	return m_hObject;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
	std::shared_ptr<GdiObjectData> pData = GdiFindObject(hObject);
	if (pData == nullptr)
		return nullptr;
	if (pData->m_pPermanent != nullptr)
		return pData->m_pPermanent;
	if (pData->m_pTemporary == nullptr)
	{
		pData->m_pTemporary.reset(MakeWrapper(pData->m_nType));
		pData->m_pTemporary->m_hObject = hObject;
	}
	return pData->m_pTemporary.get();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
	std::shared_ptr<GdiObjectData> pData = GdiFindObject(hObject);
	if (pData == nullptr || m_hObject != nullptr)
		return FALSE;
	m_hObject = hObject;
	if (pData->m_pPermanent == nullptr)
		pData->m_pPermanent = this;
	return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
	HGDIOBJ hObject = m_hObject;
	std::shared_ptr<GdiObjectData> pData = GdiFindObject(hObject);
	if (pData != nullptr && pData->m_pPermanent == this)
		pData->m_pPermanent = nullptr;
	m_hObject = nullptr;
	return hObject;
}

BOOL CGdiObject::DeleteObject()
{
	if (m_hObject == nullptr)
		return FALSE;
	return ::DeleteObject(Detach());
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
	return Attach(GdiStockObject(nIndex));
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
	return ::GetObject(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
	return ::GetObjectType(m_hObject);
}

HGDIOBJ GetStockObject(int nIndex)
{
	return GdiStockObject(nIndex);
}

BOOL DeleteObject(HGDIOBJ hObject)
{
	return GdiRemoveObject(hObject) ? TRUE : FALSE;
}

int GetObject(HGDIOBJ hObject, int nCount, LPVOID lpObject)
{
	std::shared_ptr<GdiObjectData> pData = GdiFindObject(hObject);
	if (pData == nullptr)
		return 0;
	switch (pData->m_nType)
	{
	case OBJ_PEN:
	{
		const LOGPEN& logPen = static_cast<GdiPenData&>(*pData).m_logPen;
		return CopyRecord(&logPen, sizeof(logPen), nCount, lpObject);
	}
	case OBJ_BRUSH:
	{
		const LOGBRUSH& logBrush = static_cast<GdiBrushData&>(*pData).m_logBrush;
		return CopyRecord(&logBrush, sizeof(logBrush), nCount, lpObject);
	}
	case OBJ_FONT:
	{
		const LOGFONT& logFont = static_cast<GdiFontData&>(*pData).m_logFont;
		return CopyRecord(&logFont, sizeof(logFont), nCount, lpObject);
	}
	case OBJ_BITMAP:
	{
		const GdiBitmapData& bitmap = static_cast<GdiBitmapData&>(*pData);
		BITMAP bm;
		bm.bmType = 0;
		bm.bmWidth = bitmap.m_image.nWidth;
		bm.bmHeight = bitmap.m_image.nHeight;
		// Device bitmaps have rows rounded to words, DIB sections to double words.
		int nAlignBits = bitmap.m_bDibSection ? 32 : 16;
		bm.bmWidthBytes = (bm.bmWidth * bitmap.m_nBitsPixel + nAlignBits - 1) / nAlignBits * (nAlignBits / 8);
		bm.bmPlanes = 1;
		bm.bmBitsPixel = bitmap.m_nBitsPixel;
		bm.bmBits = nullptr;
		return CopyRecord(&bm, sizeof(bm), nCount, lpObject);
	}
	case OBJ_PAL:
	{
		WORD nEntries = static_cast<WORD>(static_cast<GdiPaletteData&>(*pData).m_entries.size());
		return CopyRecord(&nEntries, sizeof(nEntries), nCount, lpObject);
	}
	default:
		return 0;
	}
}

UINT GetObjectType(HGDIOBJ hObject)
{
	std::shared_ptr<GdiObjectData> pData = GdiFindObject(hObject);
	return pData == nullptr ? 0 : pData->m_nType;
}
