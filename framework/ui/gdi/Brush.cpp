// CBrush: creation and the logical record of brushes.
#include "framework/ui/gdi/Brush.h"

#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/gdi/GdiObjectData.h"
#include "framework/ui/system/SystemServices.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush::CBrush()
{
}

CBrush::CBrush(COLORREF crColor)
{
	CreateSolidBrush(crColor);
}

CBrush::CBrush(int nIndex, COLORREF crColor)
{
	CreateHatchBrush(nIndex, crColor);
}

CBrush::CBrush(CBitmap* pBitmap)
{
	CreatePatternBrush(pBitmap);
}

CBrush* CBrush::FromHandle(HBRUSH hBrush)
{
	return static_cast<CBrush*>(CGdiObject::FromHandle(reinterpret_cast<HGDIOBJ>(hBrush)));
}

CBrush::operator HBRUSH() const
{
	return reinterpret_cast<HBRUSH>(m_hObject);
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
	LOGBRUSH logBrush = { BS_SOLID, crColor, 0 };
	return CreateBrushIndirect(&logBrush);
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
	LOGBRUSH logBrush = { BS_HATCHED, crColor, static_cast<UINT_PTR>(nIndex) };
	return CreateBrushIndirect(&logBrush);
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
	std::shared_ptr<GdiBitmapData> pBitmapData = GdiFind<GdiBitmapData>(pBitmap == nullptr ? nullptr : pBitmap->m_hObject);
	if (pBitmapData == nullptr)
		return FALSE;
	LOGBRUSH logBrush = { BS_PATTERN, 0, reinterpret_cast<UINT_PTR>(pBitmap->m_hObject) };
	auto pData = std::make_shared<GdiBrushData>(logBrush);
	pData->m_pattern = pBitmapData->m_image;
	return Attach(GdiAddObject(std::move(pData)));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
	if (lpLogBrush == nullptr)
		return FALSE;
	switch (lpLogBrush->lbStyle)
	{
	case BS_SOLID:
	case BS_NULL:
		break;
	case BS_HATCHED:
		if (lpLogBrush->lbHatch > static_cast<UINT_PTR>(HS_DIAGCROSS))
			return FALSE;
		break;
	default:
		// Pattern brushes need the bitmap itself: CreatePatternBrush.
		return FALSE;
	}
	return Attach(GdiAddObject(std::make_shared<GdiBrushData>(*lpLogBrush)));
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
	return CreateSolidBrush(GetSysColor(nIndex));
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const
{
	return GetObject(sizeof(LOGBRUSH), pLogBrush);
}

namespace
{

// Created once and never freed: handles given out must stay valid for the whole run.
constexpr int SYS_COLOR_BRUSHES = COLOR_INFOBK + 1;
CBrush* s_sysColorBrushes[SYS_COLOR_BRUSHES] = {};

}

HBRUSH GetSysColorBrush(int nIndex)
{
	if (nIndex < 0 || nIndex >= SYS_COLOR_BRUSHES)
	{
		return nullptr;
	}
	if (s_sysColorBrushes[nIndex] == nullptr)
	{
		s_sysColorBrushes[nIndex] = new CBrush(GetSysColor(nIndex));
	}
	return static_cast<HBRUSH>(*s_sysColorBrushes[nIndex]);
}

void AfxSyncSysColorBrush(int nIndex)
{
	if (nIndex < 0 || nIndex >= SYS_COLOR_BRUSHES || s_sysColorBrushes[nIndex] == nullptr)
	{
		return;
	}
	if (std::shared_ptr<GdiBrushData> pBrush = GdiFind<GdiBrushData>(s_sysColorBrushes[nIndex]->m_hObject))
	{
		pBrush->m_logBrush.lbColor = GetSysColor(nIndex);
	}
}
