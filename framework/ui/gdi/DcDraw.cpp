// CDC: lines, shapes, rectangle fills and single pixels.
#include "framework/ui/gdi/Dc.h"

#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/DcPaint.h"
#include "framework/ui/gdi/GdiRegion.h"

#include <vector>

namespace
{
	bool HasNullPen(const DcState& state)
	{
		return (state.Attr().pPen->m_logPen.lopnStyle & PS_STYLE_MASK) == PS_NULL;
	}
}

CPoint CDC::MoveTo(int x, int y)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return CPoint(0, 0);
	CPoint previous = pState->Attr().ptCurrent;
	pState->Attr().ptCurrent = CPoint(x, y);
	return previous;
}

CPoint CDC::MoveTo(POINT point)
{
	return MoveTo(point.x, point.y);
}

BOOL CDC::LineTo(int x, int y)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return FALSE;
	const POINT points[2] = { pState->Attr().ptCurrent, POINT { x, y } };
	DcStrokePolyline(*pState, points, 2, false);
	pState->Attr().ptCurrent = CPoint(x, y);
	return TRUE;
}

BOOL CDC::LineTo(POINT point)
{
	return LineTo(point.x, point.y);
}

CPoint CDC::GetCurrentPosition() const
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return CPoint(0, 0);
	return pState->Attr().ptCurrent;
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || lpPoints == nullptr || nCount < 2)
		return FALSE;
	DcStrokePolyline(*pState, lpPoints, nCount, false);
	return TRUE;
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || lpPoints == nullptr || nCount < 2)
		return FALSE;
	DcFillShape(*pState, DrawShape { DrawShape::Polygon, CRect(), lpPoints, nCount, pState->Attr().nPolyFillMode == WINDING });
	DcStrokePolyline(*pState, lpPoints, nCount, true);
	return TRUE;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return FALSE;
	// The right and bottom edges lie outside. The brush fills inside the outline; with a null
	// pen it also fills the outline's place on the left and top but stays one pixel short on
	// the right and bottom, as on Windows.
	const CRect area = GdiNormalizedRect(x1, y1, x2, y2);
	const CRect inside = HasNullPen(*pState) ? CRect(area.left, area.top, area.right - 1, area.bottom - 1)
											 : CRect(area.left + 1, area.top + 1, area.right - 1, area.bottom - 1);
	DcFillShape(*pState, DrawShape { DrawShape::Rectangle, inside, nullptr, 0, false });
	const POINT corners[4] = { { area.left, area.top }, { area.right - 1, area.top }, { area.right - 1, area.bottom - 1 },
		{ area.left, area.bottom - 1 } };
	DcStrokePolyline(*pState, corners, 4, true);
	return TRUE;
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
	return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return FALSE;
	const DrawShape shape { DrawShape::Ellipse, GdiNormalizedRect(x1, y1, x2, y2), nullptr, 0, false };
	DcFillShape(*pState, shape);
	DcStrokeShape(*pState, shape);
	return TRUE;
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
	return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
	DcState* pState = DcStateOf(this);
	std::shared_ptr<GdiBrushData> pData = GdiFind<GdiBrushData>(pBrush == nullptr ? nullptr : pBrush->m_hObject);
	if (pState != nullptr && pData != nullptr)
		DcFillRect(*pState, *lpRect, *pData, R2_COPYPEN);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return;
	pState->Attr().crBk = crColor;
	DcFillSolid(*pState, GdiNormalizedRect(*lpRect), crColor);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor)
{
	CRect rect(x, y, x + cx, y + cy);
	FillSolidRect(&rect, crColor);
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
	const RECT& r = *lpRect;
	if (r.right <= r.left || r.bottom <= r.top)
		return;
	CRect edges[4] = {
		CRect(r.left, r.top, r.right, r.top + 1),
		CRect(r.left, r.bottom - 1, r.right, r.bottom),
		CRect(r.left, r.top, r.left + 1, r.bottom),
		CRect(r.right - 1, r.top, r.right, r.bottom) };
	for (const CRect& edge : edges)
		FillRect(&edge, pBrush);
}

void CDC::InvertRect(LPCRECT lpRect)
{
	DcState* pState = DcStateOf(this);
	const DrawTarget* pTarget = pState == nullptr ? nullptr : pState->Target();
	if (pTarget == nullptr)
		return;
	const CRect rect(*lpRect);
	AfxGetDriver().FillRects(*pTarget, &rect, 1, DrawFill { BS_SOLID, RGB(255, 255, 255), 0, nullptr }, R2_XORPEN);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF crTopLeft, COLORREF crBottomRight)
{
	Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, crTopLeft,
		crBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF crTopLeft, COLORREF crBottomRight)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return;
	// The top and left edges stop one pixel short of the far corners, which belong to the
	// bottom and right edges.
	DcFillSolid(*pState, CRect(x, y, x + cx - 1, y + 1), crTopLeft);
	DcFillSolid(*pState, CRect(x, y, x + 1, y + cy - 1), crTopLeft);
	DcFillSolid(*pState, CRect(x + cx - 1, y, x + cx, y + cy), crBottomRight);
	DcFillSolid(*pState, CRect(x, y + cy - 1, x + cx, y + cy), crBottomRight);
	pState->Attr().crBk = crBottomRight;
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
	DcState* pState = DcStateOf(this);
	const DrawTarget* pTarget = pState == nullptr ? nullptr : pState->Target();
	const CRect rect(*lpRect);
	if (pTarget == nullptr || rect.IsRectEmpty())
		return;
	// Every other pixel of the frame, counted in device coordinates so that frames line up.
	const CPoint offset = pState->LogicalToDevice();
	std::vector<POINT> dots;
	auto addDot = [&](int x, int y) {
		if (((x + offset.x + y + offset.y) & 1) == 0)
			dots.push_back(POINT { x, y });
	};
	const int nRight = rect.right - 1;
	const int nBottom = rect.bottom - 1;
	for (int x = rect.left; x <= nRight; ++x)
	{
		addDot(x, rect.top);
		if (nBottom != rect.top)
			addDot(x, nBottom);
	}
	for (int y = rect.top + 1; y < nBottom; ++y)
	{
		addDot(rect.left, y);
		if (nRight != rect.left)
			addDot(nRight, y);
	}
	AfxGetDriver().SetPixels(*pTarget, dots.data(), static_cast<int>(dots.size()), RGB(255, 255, 255), R2_XORPEN);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || !PtVisible(x, y))
		return CLR_INVALID;
	DcFillSolid(*pState, CRect(x, y, x + 1, y + 1), crColor);
	return crColor;
}

COLORREF CDC::SetPixel(POINT point, COLORREF crColor)
{
	return SetPixel(point.x, point.y, crColor);
}

COLORREF CDC::GetPixel(int x, int y) const
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || !PtVisible(x, y))
		return CLR_INVALID;
	const CPoint device = CPoint(x, y) + pState->LogicalToDevice();
	if (pState->IsMemory())
	{
		const PixelImage& image = pState->Attr().pBitmap->m_image;
		return GdiColorRef(image.pixels[static_cast<size_t>(device.y) * static_cast<size_t>(image.nWidth) + static_cast<size_t>(device.x)]);
	}
	return pState->Device() == nullptr ? CLR_INVALID : AfxGetDriver().DevicePixel(pState->Device(), device);
}

COLORREF CDC::GetPixel(POINT point) const
{
	return GetPixel(point.x, point.y);
}
