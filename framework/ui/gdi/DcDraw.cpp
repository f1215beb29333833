// CDC: lines, shapes, rectangle fills and single pixels.
#include "framework/ui/gdi/Dc.h"

#include "framework/ui/gdi/Brush.h"
#include "framework/ui/backend/qt/DcPaint.h"
#include "framework/ui/backend/qt/GdiRegion.h"

#include <QPolygon>

#include <algorithm>

namespace
{
	QPolygon ToQPolygon(const POINT* lpPoints, int nCount)
	{
		QPolygon polygon(nCount);
		for (int i = 0; i < nCount; ++i)
			polygon.setPoint(i, lpPoints[i].x, lpPoints[i].y);
		return polygon;
	}

	void FillSolid(DcState& state, const QRect& rect, COLORREF crColor)
	{
		QPainter* pPainter = state.Painter();
		if (pPainter != nullptr && !rect.isEmpty())
			pPainter->fillRect(rect, GdiQRgb(crColor));
	}

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
	QPoint previous = pState->Attr().ptCurrent;
	pState->Attr().ptCurrent = QPoint(x, y);
	return CPoint(previous.x(), previous.y());
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
	QPoint from = pState->Attr().ptCurrent;
	QPoint to(x, y);
	DcStrokePolyline(*pState, QPolygon({ from, to }), false);
	pState->Attr().ptCurrent = to;
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
	return CPoint(pState->Attr().ptCurrent.x(), pState->Attr().ptCurrent.y());
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || lpPoints == nullptr || nCount < 2)
		return FALSE;
	DcStrokePolyline(*pState, ToQPolygon(lpPoints, nCount), false);
	return TRUE;
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || lpPoints == nullptr || nCount < 2)
		return FALSE;
	QPolygon polygon = ToQPolygon(lpPoints, nCount);
	Qt::FillRule rule = pState->Attr().nPolyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
	DcFill(*pState, [&](QPainter& painter) { painter.drawPolygon(polygon, rule); });
	DcStrokePolyline(*pState, polygon, true);
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
	QRect area = GdiNormalizedQRect(x1, y1, x2, y2);
	QRect inside = HasNullPen(*pState) ? area.adjusted(0, 0, -1, -1) : area.adjusted(1, 1, -1, -1);
	DcFill(*pState, [&](QPainter& painter) { painter.drawRect(inside); });
	QPoint last = area.bottomRight();
	DcStrokePolyline(*pState, QPolygon({ area.topLeft(), QPoint(last.x(), area.top()), last, QPoint(area.left(), last.y()) }), true);
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
	QRect bounds = GdiNormalizedQRect(x1, y1, x2, y2).adjusted(0, 0, -1, -1);
	DcFill(*pState, [&](QPainter& painter) { painter.drawEllipse(bounds); });
	DcStroke(*pState, [&](QPainter& painter) { painter.drawEllipse(bounds); });
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
		DcFillRect(*pState, GdiQRect(*lpRect), *pData, QPainter::CompositionMode_SourceOver);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return;
	pState->Attr().crBk = crColor;
	FillSolid(*pState, GdiNormalizedQRect(*lpRect), crColor);
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
	QPainter* pPainter = pState == nullptr ? nullptr : pState->Painter(QPainter::RasterOp_SourceXorDestination);
	if (pPainter != nullptr)
		pPainter->fillRect(GdiQRect(*lpRect), Qt::white);
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
	FillSolid(*pState, QRect(x, y, cx - 1, 1), crTopLeft);
	FillSolid(*pState, QRect(x, y, 1, cy - 1), crTopLeft);
	FillSolid(*pState, QRect(x + cx - 1, y, 1, cy), crBottomRight);
	FillSolid(*pState, QRect(x, y + cy - 1, cx, 1), crBottomRight);
	pState->Attr().crBk = crBottomRight;
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
	DcState* pState = DcStateOf(this);
	QPainter* pPainter = pState == nullptr ? nullptr : pState->Painter(QPainter::RasterOp_SourceXorDestination);
	QRect rect = GdiQRect(*lpRect);
	if (pPainter == nullptr || rect.isEmpty())
		return;
	// Every other pixel of the frame, counted in device coordinates so that frames line up.
	QPoint offset = pState->LogicalToDevice();
	QPolygon dots;
	auto addDot = [&](int x, int y) {
		if (((x + offset.x() + y + offset.y()) & 1) == 0)
			dots << QPoint(x, y);
	};
	for (int x = rect.left(); x <= rect.right(); ++x)
	{
		addDot(x, rect.top());
		if (rect.bottom() != rect.top())
			addDot(x, rect.bottom());
	}
	for (int y = rect.top() + 1; y < rect.bottom(); ++y)
	{
		addDot(rect.left(), y);
		if (rect.right() != rect.left())
			addDot(rect.right(), y);
	}
	pPainter->setPen(QPen(Qt::white, 1));
	pPainter->drawPoints(dots);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || !PtVisible(x, y))
		return CLR_INVALID;
	FillSolid(*pState, QRect(x, y, 1, 1), crColor);
	return crColor;
}

COLORREF CDC::SetPixel(POINT point, COLORREF crColor)
{
	return SetPixel(point.x, point.y, crColor);
}

COLORREF CDC::GetPixel(int x, int y) const
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || pState->Image() == nullptr || !PtVisible(x, y))
		return CLR_INVALID;
	QPoint device = QPoint(x, y) + pState->LogicalToDevice();
	return GdiColorRef(pState->Image()->pixel(device));
}

COLORREF CDC::GetPixel(POINT point) const
{
	return GetPixel(point.x, point.y);
}
