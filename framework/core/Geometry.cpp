// Arithmetic of CSize, CPoint and CRect.
#include "framework/core/Geometry.h"

#include <algorithm>
#include <utility>

CSize::CSize()
	: SIZE{ 0, 0 }
{
}

CSize::CSize(int initCX, int initCY)
	: SIZE{ initCX, initCY }
{
}

CSize::CSize(SIZE initSize)
	: SIZE(initSize)
{
}

CSize::CSize(POINT initPt)
	: SIZE{ initPt.x, initPt.y }
{
}

void CSize::SetSize(int CX, int CY)
{
	cx = CX;
	cy = CY;
}

BOOL CSize::operator==(SIZE size) const
{
	return cx == size.cx && cy == size.cy;
}

BOOL CSize::operator!=(SIZE size) const
{
	return !(*this == size);
}

void CSize::operator+=(SIZE size)
{
	cx += size.cx;
	cy += size.cy;
}

void CSize::operator-=(SIZE size)
{
	cx -= size.cx;
	cy -= size.cy;
}

CSize CSize::operator+(SIZE size) const
{
	return CSize(cx + size.cx, cy + size.cy);
}

CSize CSize::operator-(SIZE size) const
{
	return CSize(cx - size.cx, cy - size.cy);
}

CSize CSize::operator-() const
{
	return CSize(-cx, -cy);
}

CPoint::CPoint()
	: POINT{ 0, 0 }
{
}

CPoint::CPoint(int initX, int initY)
	: POINT{ initX, initY }
{
}

CPoint::CPoint(POINT initPt)
	: POINT(initPt)
{
}

CPoint::CPoint(SIZE initSize)
	: POINT{ initSize.cx, initSize.cy }
{
}

void CPoint::SetPoint(int X, int Y)
{
	x = X;
	y = Y;
}

void CPoint::Offset(int xOffset, int yOffset)
{
	x += xOffset;
	y += yOffset;
}

void CPoint::Offset(POINT point)
{
	Offset(point.x, point.y);
}

void CPoint::Offset(SIZE size)
{
	Offset(size.cx, size.cy);
}

BOOL CPoint::operator==(POINT point) const
{
	return x == point.x && y == point.y;
}

BOOL CPoint::operator!=(POINT point) const
{
	return !(*this == point);
}

void CPoint::operator+=(SIZE size)
{
	Offset(size);
}

void CPoint::operator-=(SIZE size)
{
	Offset(-size.cx, -size.cy);
}

void CPoint::operator+=(POINT point)
{
	Offset(point);
}

void CPoint::operator-=(POINT point)
{
	Offset(-point.x, -point.y);
}

CPoint CPoint::operator+(SIZE size) const
{
	return CPoint(x + size.cx, y + size.cy);
}

CPoint CPoint::operator-(SIZE size) const
{
	return CPoint(x - size.cx, y - size.cy);
}

CPoint CPoint::operator+(POINT point) const
{
	return CPoint(x + point.x, y + point.y);
}

CSize CPoint::operator-(POINT point) const
{
	return CSize(x - point.x, y - point.y);
}

CPoint CPoint::operator-() const
{
	return CPoint(-x, -y);
}

CRect::CRect()
	: RECT{ 0, 0, 0, 0 }
{
}

CRect::CRect(int l, int t, int r, int b)
	: RECT{ l, t, r, b }
{
}

CRect::CRect(const RECT& srcRect)
	: RECT(srcRect)
{
}

CRect::CRect(LPCRECT lpSrcRect)
	: RECT(*lpSrcRect)
{
}

CRect::CRect(POINT point, SIZE size)
	: RECT{ point.x, point.y, point.x + size.cx, point.y + size.cy }
{
}

CRect::CRect(POINT topLeft, POINT bottomRight)
	: RECT{ topLeft.x, topLeft.y, bottomRight.x, bottomRight.y }
{
}

int CRect::Width() const
{
	return right - left;
}

int CRect::Height() const
{
	return bottom - top;
}

CSize CRect::Size() const
{
	return CSize(Width(), Height());
}

CPoint CRect::TopLeft() const
{
	return CPoint(left, top);
}

CPoint CRect::BottomRight() const
{
	return CPoint(right, bottom);
}

CPoint CRect::CenterPoint() const
{
	return CPoint((left + right) / 2, (top + bottom) / 2);
}

BOOL CRect::IsRectEmpty() const
{
	return right <= left || bottom <= top;
}

BOOL CRect::IsRectNull() const
{
	return left == 0 && top == 0 && right == 0 && bottom == 0;
}

BOOL CRect::PtInRect(POINT point) const
{
	return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
}

BOOL CRect::EqualRect(LPCRECT lpRect) const
{
	return left == lpRect->left && top == lpRect->top && right == lpRect->right && bottom == lpRect->bottom;
}

void CRect::SetRect(int x1, int y1, int x2, int y2)
{
	left = x1;
	top = y1;
	right = x2;
	bottom = y2;
}

void CRect::SetRectEmpty()
{
	SetRect(0, 0, 0, 0);
}

void CRect::CopyRect(LPCRECT lpSrcRect)
{
	*static_cast<RECT*>(this) = *lpSrcRect;
}

void CRect::OffsetRect(int x, int y)
{
	left += x;
	right += x;
	top += y;
	bottom += y;
}

void CRect::OffsetRect(POINT point)
{
	OffsetRect(point.x, point.y);
}

void CRect::OffsetRect(SIZE size)
{
	OffsetRect(size.cx, size.cy);
}

void CRect::InflateRect(int x, int y)
{
	InflateRect(x, y, x, y);
}

void CRect::InflateRect(SIZE size)
{
	InflateRect(size.cx, size.cy);
}

void CRect::InflateRect(LPCRECT lpRect)
{
	InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CRect::InflateRect(int l, int t, int r, int b)
{
	left -= l;
	top -= t;
	right += r;
	bottom += b;
}

void CRect::DeflateRect(int x, int y)
{
	InflateRect(-x, -y);
}

void CRect::DeflateRect(SIZE size)
{
	InflateRect(-size.cx, -size.cy);
}

void CRect::DeflateRect(LPCRECT lpRect)
{
	InflateRect(-lpRect->left, -lpRect->top, -lpRect->right, -lpRect->bottom);
}

void CRect::DeflateRect(int l, int t, int r, int b)
{
	InflateRect(-l, -t, -r, -b);
}

void CRect::NormalizeRect()
{
	if (left > right)
		std::swap(left, right);
	if (top > bottom)
		std::swap(top, bottom);
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
	const CRect result(std::max(lpRect1->left, lpRect2->left), std::max(lpRect1->top, lpRect2->top),
		std::min(lpRect1->right, lpRect2->right), std::min(lpRect1->bottom, lpRect2->bottom));
	if (result.IsRectEmpty())
	{
		SetRectEmpty();
		return FALSE;
	}
	CopyRect(&result);
	return TRUE;
}

BOOL CRect::UnionRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
	const CRect rect1(lpRect1);
	const CRect rect2(lpRect2);
	if (rect1.IsRectEmpty() && rect2.IsRectEmpty())
	{
		SetRectEmpty();
		return FALSE;
	}
	if (rect1.IsRectEmpty())
		CopyRect(&rect2);
	else if (rect2.IsRectEmpty())
		CopyRect(&rect1);
	else
	{
		SetRect(std::min(rect1.left, rect2.left), std::min(rect1.top, rect2.top),
			std::max(rect1.right, rect2.right), std::max(rect1.bottom, rect2.bottom));
	}
	return TRUE;
}

CRect::operator LPRECT()
{
	return this;
}

CRect::operator LPCRECT() const
{
	return this;
}

BOOL CRect::operator==(const RECT& rect) const
{
	return EqualRect(&rect);
}

BOOL CRect::operator!=(const RECT& rect) const
{
	return !EqualRect(&rect);
}

void CRect::operator+=(POINT point)
{
	OffsetRect(point);
}

void CRect::operator+=(SIZE size)
{
	OffsetRect(size);
}

void CRect::operator+=(LPCRECT lpRect)
{
	InflateRect(lpRect);
}

void CRect::operator-=(POINT point)
{
	OffsetRect(-point.x, -point.y);
}

void CRect::operator-=(SIZE size)
{
	OffsetRect(-size.cx, -size.cy);
}

void CRect::operator-=(LPCRECT lpRect)
{
	DeflateRect(lpRect);
}

void CRect::operator&=(const RECT& rect)
{
	const CRect current(*this);
	IntersectRect(&current, &rect);
}

void CRect::operator|=(const RECT& rect)
{
	const CRect current(*this);
	UnionRect(&current, &rect);
}

CRect CRect::operator+(POINT point) const
{
	CRect rect(*this);
	rect.OffsetRect(point);
	return rect;
}

CRect CRect::operator-(POINT point) const
{
	CRect rect(*this);
	rect.OffsetRect(-point.x, -point.y);
	return rect;
}

CRect CRect::operator+(SIZE size) const
{
	CRect rect(*this);
	rect.OffsetRect(size);
	return rect;
}

CRect CRect::operator-(SIZE size) const
{
	CRect rect(*this);
	rect.OffsetRect(-size.cx, -size.cy);
	return rect;
}

CRect CRect::operator&(const RECT& rect2) const
{
	CRect rect;
	rect.IntersectRect(this, &rect2);
	return rect;
}

CRect CRect::operator|(const RECT& rect2) const
{
	CRect rect;
	rect.UnionRect(this, &rect2);
	return rect;
}
