// CPoint, CSize and CRect: the Windows records with arithmetic. A rectangle holds the points
// with left <= x < right and top <= y < bottom, as on Windows.
#pragma once

#include "framework/core/Types.h"

class CSize : public SIZE
{
public:
	CSize();
	CSize(int initCX, int initCY);
	CSize(SIZE initSize);
	explicit CSize(POINT initPt);

	void SetSize(int CX, int CY);

	BOOL operator==(SIZE size) const;
	BOOL operator!=(SIZE size) const;
	void operator+=(SIZE size);
	void operator-=(SIZE size);
	CSize operator+(SIZE size) const;
	CSize operator-(SIZE size) const;
	CSize operator-() const;
};

class CPoint : public POINT
{
public:
	CPoint();
	CPoint(int initX, int initY);
	CPoint(POINT initPt);
	explicit CPoint(SIZE initSize);

	void SetPoint(int X, int Y);
	void Offset(int xOffset, int yOffset);
	void Offset(POINT point);
	void Offset(SIZE size);

	BOOL operator==(POINT point) const;
	BOOL operator!=(POINT point) const;
	void operator+=(SIZE size);
	void operator-=(SIZE size);
	void operator+=(POINT point);
	void operator-=(POINT point);
	CPoint operator+(SIZE size) const;
	CPoint operator-(SIZE size) const;
	CPoint operator+(POINT point) const;
	CSize operator-(POINT point) const;
	CPoint operator-() const;
};

class CRect : public RECT
{
public:
	CRect();
	CRect(int l, int t, int r, int b);
	CRect(const RECT& srcRect);
	CRect(LPCRECT lpSrcRect);
	CRect(POINT point, SIZE size);
	CRect(POINT topLeft, POINT bottomRight);

	int Width() const;
	int Height() const;
	CSize Size() const;
	CPoint TopLeft() const;
	CPoint BottomRight() const;
	CPoint CenterPoint() const;

	// Empty: no area (right <= left or bottom <= top). Null: all four coordinates zero.
	BOOL IsRectEmpty() const;
	BOOL IsRectNull() const;
	BOOL PtInRect(POINT point) const;
	BOOL EqualRect(LPCRECT lpRect) const;

	void SetRect(int x1, int y1, int x2, int y2);
	void SetRectEmpty();
	void CopyRect(LPCRECT lpSrcRect);
	void OffsetRect(int x, int y);
	void OffsetRect(POINT point);
	void OffsetRect(SIZE size);
	void InflateRect(int x, int y);
	void InflateRect(SIZE size);
	void InflateRect(LPCRECT lpRect);
	void InflateRect(int l, int t, int r, int b);
	void DeflateRect(int x, int y);
	void DeflateRect(SIZE size);
	void DeflateRect(LPCRECT lpRect);
	void DeflateRect(int l, int t, int r, int b);
	void NormalizeRect();

	// Both return FALSE and leave an all-zero rectangle when the result is empty; the union
	// ignores an empty operand, as on Windows.
	BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2);
	BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2);

	operator LPRECT();
	operator LPCRECT() const;

	BOOL operator==(const RECT& rect) const;
	BOOL operator!=(const RECT& rect) const;
	void operator+=(POINT point);
	void operator+=(SIZE size);
	void operator+=(LPCRECT lpRect);
	void operator-=(POINT point);
	void operator-=(SIZE size);
	void operator-=(LPCRECT lpRect);
	void operator&=(const RECT& rect);
	void operator|=(const RECT& rect);
	CRect operator+(POINT point) const;
	CRect operator-(POINT point) const;
	CRect operator+(SIZE size) const;
	CRect operator-(SIZE size) const;
	CRect operator&(const RECT& rect2) const;
	CRect operator|(const RECT& rect2) const;
};
