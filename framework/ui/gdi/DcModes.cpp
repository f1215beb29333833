// CDC: colours, drawing modes, and the origins that map logical to device coordinates.
#include "framework/ui/gdi/Dc.h"

#include "framework/ui/gdi/DcState.h"

namespace
{
	// Sets one attribute of the DC and returns its previous value, or failValue without a DC.
	template <class T>
	T Exchange(const CDC* pDC, T DcAttributes::*pMember, T value, T failValue)
	{
		DcState* pState = DcStateOf(pDC);
		if (pState == nullptr)
			return failValue;
		T previous = pState->Attr().*pMember;
		pState->Attr().*pMember = value;
		return previous;
	}

	template <class T>
	T Read(const CDC* pDC, T DcAttributes::*pMember, T failValue)
	{
		DcState* pState = DcStateOf(pDC);
		return pState == nullptr ? failValue : pState->Attr().*pMember;
	}

	CPoint SetOrigin(const CDC* pDC, CPoint DcAttributes::*pMember, const CPoint& origin)
	{
		DcState* pState = DcStateOf(pDC);
		if (pState == nullptr)
			return CPoint(0, 0);
		CPoint previous = pState->Attr().*pMember;
		pState->Attr().*pMember = origin;
		pState->ClipChanged();
		return previous;
	}

	void Shift(const CDC* pDC, LPPOINT lpPoints, int nCount, int nDirection)
	{
		DcState* pState = DcStateOf(pDC);
		if (pState == nullptr)
			return;
		CPoint offset = pState->LogicalToDevice();
		for (int i = 0; i < nCount; ++i)
		{
			lpPoints[i].x += offset.x * nDirection;
			lpPoints[i].y += offset.y * nDirection;
		}
	}
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
	return Exchange(this, &DcAttributes::crText, crColor, CLR_INVALID);
}

COLORREF CDC::GetTextColor() const
{
	return Read(this, &DcAttributes::crText, CLR_INVALID);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
	return Exchange(this, &DcAttributes::crBk, crColor, CLR_INVALID);
}

COLORREF CDC::GetBkColor() const
{
	return Read(this, &DcAttributes::crBk, CLR_INVALID);
}

int CDC::SetBkMode(int nBkMode)
{
	if (nBkMode != TRANSPARENT && nBkMode != OPAQUE)
		return 0;
	return Exchange(this, &DcAttributes::nBkMode, nBkMode, 0);
}

int CDC::GetBkMode() const
{
	return Read(this, &DcAttributes::nBkMode, 0);
}

int CDC::SetROP2(int nDrawMode)
{
	if (nDrawMode < R2_BLACK || nDrawMode > R2_WHITE)
		return 0;
	return Exchange(this, &DcAttributes::nRop2, nDrawMode, 0);
}

int CDC::GetROP2() const
{
	return Read(this, &DcAttributes::nRop2, 0);
}

int CDC::SetStretchBltMode(int nStretchMode)
{
	if (nStretchMode < BLACKONWHITE || nStretchMode > HALFTONE)
		return 0;
	return Exchange(this, &DcAttributes::nStretchMode, nStretchMode, 0);
}

int CDC::GetStretchBltMode() const
{
	return Read(this, &DcAttributes::nStretchMode, 0);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
	return Exchange(this, &DcAttributes::nTextAlign, nFlags, GDI_ERROR);
}

UINT CDC::GetTextAlign() const
{
	return Read(this, &DcAttributes::nTextAlign, GDI_ERROR);
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
	if (nPolyFillMode != ALTERNATE && nPolyFillMode != WINDING)
		return 0;
	return Exchange(this, &DcAttributes::nPolyFillMode, nPolyFillMode, 0);
}

int CDC::GetPolyFillMode() const
{
	return Read(this, &DcAttributes::nPolyFillMode, 0);
}

int CDC::GetMapMode() const
{
	return DcStateOf(this) == nullptr ? 0 : MM_TEXT;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
	return SetOrigin(this, &DcAttributes::ptViewportOrg, CPoint(x, y));
}

CPoint CDC::SetViewportOrg(POINT point)
{
	return SetViewportOrg(point.x, point.y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
	CPoint origin = GetViewportOrg();
	return SetViewportOrg(origin.x + nWidth, origin.y + nHeight);
}

CPoint CDC::GetViewportOrg() const
{
	return Read(this, &DcAttributes::ptViewportOrg, CPoint(0, 0));
}

CPoint CDC::SetWindowOrg(int x, int y)
{
	return SetOrigin(this, &DcAttributes::ptWindowOrg, CPoint(x, y));
}

CPoint CDC::SetWindowOrg(POINT point)
{
	return SetWindowOrg(point.x, point.y);
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
	CPoint origin = GetWindowOrg();
	return SetWindowOrg(origin.x + nWidth, origin.y + nHeight);
}

CPoint CDC::GetWindowOrg() const
{
	return Read(this, &DcAttributes::ptWindowOrg, CPoint(0, 0));
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
	Shift(this, lpPoints, nCount, 1);
}

void CDC::LPtoDP(LPRECT lpRect) const
{
	Shift(this, reinterpret_cast<LPPOINT>(lpRect), 2, 1);
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
	Shift(this, lpPoints, nCount, -1);
}

void CDC::DPtoLP(LPRECT lpRect) const
{
	Shift(this, reinterpret_cast<LPPOINT>(lpRect), 2, -1);
}
