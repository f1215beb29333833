// CDC: the program's clipping region and the questions of what is visible.
#include "framework/ui/gdi/Dc.h"

#include "framework/ui/gdi/Rgn.h"
#include "framework/ui/gdi/DcState.h"
#include "framework/ui/gdi/GdiRegion.h"

namespace
{
	// Combines the program's clipping with a region in device coordinates.
	int Combine(const CDC* pDC, const PixelRegion& region, int nMode)
	{
		DcState* pState = DcStateOf(pDC);
		if (pState == nullptr)
			return ERROR;
		DcAttributes& attr = pState->Attr();
		// Without a clipping region of its own, the DC clips to its whole surface.
		PixelRegion current = attr.bClip ? attr.rgnClip : PixelRegion(pState->Bounds());
		switch (nMode)
		{
		case RGN_AND:
			attr.rgnClip = current & region;
			break;
		case RGN_OR:
			attr.rgnClip = current | region;
			break;
		case RGN_XOR:
			attr.rgnClip = current ^ region;
			break;
		case RGN_DIFF:
			attr.rgnClip = current - region;
			break;
		case RGN_COPY:
			attr.rgnClip = region;
			break;
		default:
			return ERROR;
		}
		attr.bClip = true;
		pState->ClipChanged();
		return GdiRegionKind(pState->VisibleRegion());
	}

	PixelRegion LogicalRectRegion(const CDC* pDC, int x1, int y1, int x2, int y2)
	{
		CRect rect(x1, y1, x2, y2);
		pDC->LPtoDP(&rect);
		return GdiRectRegion(rect.left, rect.top, rect.right, rect.bottom);
	}
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
	return Combine(this, LogicalRectRegion(this, x1, y1, x2, y2), RGN_AND);
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
	return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
	return Combine(this, LogicalRectRegion(this, x1, y1, x2, y2), RGN_DIFF);
}

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
	return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
	return SelectClipRgn(pRgn, RGN_COPY);
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return ERROR;
	if (pRgn == nullptr)
	{
		if (nMode != RGN_COPY)
			return ERROR;
		pState->Attr().bClip = false;
		pState->Attr().rgnClip = PixelRegion();
		pState->ClipChanged();
		return GdiRegionKind(pState->VisibleRegion());
	}
	std::shared_ptr<GdiRgnData> pData = GdiFind<GdiRgnData>(pRgn->m_hObject);
	if (pData == nullptr)
		return ERROR;
	return Combine(this, pData->m_region, nMode);
}

int CDC::GetClipBox(LPRECT lpRect) const
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return ERROR;
	PixelRegion visible = pState->VisibleRegion();
	*lpRect = visible.BoundingRect();
	if (!visible.IsEmpty())
		DPtoLP(lpRect);
	return GdiRegionKind(visible);
}

BOOL CDC::PtVisible(int x, int y) const
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return FALSE;
	return pState->VisibleRegion().Contains(CPoint(x, y) + pState->LogicalToDevice());
}

BOOL CDC::RectVisible(LPCRECT lpRect) const
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return FALSE;
	CRect rect = GdiNormalizedRect(*lpRect);
	rect.OffsetRect(pState->LogicalToDevice());
	return pState->VisibleRegion().Intersects(rect);
}
