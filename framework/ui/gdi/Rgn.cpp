// CRgn: rectangle regions and their combinations.
#include "framework/ui/gdi/Rgn.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/GdiObjectData.h"
#include "framework/ui/gdi/GdiRegion.h"

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

namespace
{
	std::shared_ptr<GdiRgnData> RegionOf(const CGdiObject* pObject)
	{
		return GdiFind<GdiRgnData>(pObject == nullptr ? nullptr : pObject->m_hObject);
	}
}

CRgn::CRgn()
{
}

CRgn* CRgn::FromHandle(HRGN hRgn)
{
	return static_cast<CRgn*>(CGdiObject::FromHandle(reinterpret_cast<HGDIOBJ>(hRgn)));
}

CRgn::operator HRGN() const
{
	return reinterpret_cast<HRGN>(m_hObject);
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
	return Attach(GdiAddObject(std::make_shared<GdiRgnData>(GdiRectRegion(x1, y1, x2, y2))));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
	return CreateRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
	std::shared_ptr<GdiRgnData> pData = RegionOf(this);
	if (pData != nullptr)
		pData->m_region = GdiRectRegion(x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT lpRect)
{
	SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode)
{
	std::shared_ptr<GdiRgnData> pData = RegionOf(this);
	std::shared_ptr<GdiRgnData> pData1 = RegionOf(pRgn1);
	std::shared_ptr<GdiRgnData> pData2 = RegionOf(pRgn2);
	if (pData == nullptr || pData1 == nullptr || (pData2 == nullptr && nCombineMode != RGN_COPY))
		return ERROR;
	switch (nCombineMode)
	{
	case RGN_AND:
		pData->m_region = pData1->m_region & pData2->m_region;
		break;
	case RGN_OR:
		pData->m_region = pData1->m_region | pData2->m_region;
		break;
	case RGN_XOR:
		pData->m_region = pData1->m_region ^ pData2->m_region;
		break;
	case RGN_DIFF:
		pData->m_region = pData1->m_region - pData2->m_region;
		break;
	case RGN_COPY:
		pData->m_region = pData1->m_region;
		break;
	default:
		return ERROR;
	}
	return GdiRegionKind(pData->m_region);
}

int CRgn::CopyRgn(CRgn* pRgnSrc)
{
	return CombineRgn(pRgnSrc, nullptr, RGN_COPY);
}

int CRgn::OffsetRgn(int x, int y)
{
	std::shared_ptr<GdiRgnData> pData = RegionOf(this);
	if (pData == nullptr)
		return ERROR;
	pData->m_region.Offset(x, y);
	return GdiRegionKind(pData->m_region);
}

int CRgn::GetRgnBox(LPRECT lpRect) const
{
	std::shared_ptr<GdiRgnData> pData = RegionOf(this);
	if (pData == nullptr)
		return ERROR;
	*lpRect = pData->m_region.BoundingRect();
	return GdiRegionKind(pData->m_region);
}

BOOL CRgn::EqualRgn(CRgn* pRgn) const
{
	std::shared_ptr<GdiRgnData> pData = RegionOf(this);
	std::shared_ptr<GdiRgnData> pOther = RegionOf(pRgn);
	return pData != nullptr && pOther != nullptr && pData->m_region == pOther->m_region;
}

BOOL CRgn::PtInRegion(int x, int y) const
{
	std::shared_ptr<GdiRgnData> pData = RegionOf(this);
	return pData != nullptr && pData->m_region.Contains(CPoint(x, y));
}

BOOL CRgn::PtInRegion(POINT point) const
{
	return PtInRegion(point.x, point.y);
}

BOOL CRgn::RectInRegion(LPCRECT lpRect) const
{
	std::shared_ptr<GdiRgnData> pData = RegionOf(this);
	return pData != nullptr && pData->m_region.Intersects(*lpRect);
}
