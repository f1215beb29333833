// CDC::DrawEdge: the raised and sunken borders of 3-D controls in the system colours.
#include "framework/ui/gdi/Dc.h"

#include "framework/ui/system/SystemServices.h"

namespace
{
	struct BorderColours
	{
		int nTopLeft;
		int nBottomRight;
	};

	// The colours of the outer (first) or inner line of an edge; false when the edge has none.
	bool ColoursOf(UINT nEdge, UINT nRaised, UINT nSunken, bool bOuter, BorderColours* pColours)
	{
		if (nEdge & nRaised)
			*pColours = bOuter ? BorderColours { COLOR_3DLIGHT, COLOR_3DDKSHADOW } : BorderColours { COLOR_3DHILIGHT, COLOR_3DSHADOW };
		else if (nEdge & nSunken)
			*pColours = bOuter ? BorderColours { COLOR_3DSHADOW, COLOR_3DHILIGHT } : BorderColours { COLOR_3DDKSHADOW, COLOR_3DLIGHT };
		else
			return false;
		return true;
	}

	// One line on each side asked for, then the rectangle moves inside it. The top and left
	// lines stop short of the far corners, which belong to the bottom and right lines.
	void DrawBorder(CDC& dc, CRect& rect, const BorderColours& colours, UINT nFlags)
	{
		COLORREF crBackground = dc.GetBkColor();
		COLORREF crTopLeft = GetSysColor(colours.nTopLeft);
		COLORREF crBottomRight = GetSysColor(colours.nBottomRight);
		if (nFlags & BF_TOP)
			dc.FillSolidRect(rect.left, rect.top, rect.Width() - 1, 1, crTopLeft);
		if (nFlags & BF_LEFT)
			dc.FillSolidRect(rect.left, rect.top, 1, rect.Height() - 1, crTopLeft);
		if (nFlags & BF_RIGHT)
			dc.FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), crBottomRight);
		if (nFlags & BF_BOTTOM)
			dc.FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, crBottomRight);
		dc.SetBkColor(crBackground);
		rect.DeflateRect((nFlags & BF_LEFT) ? 1 : 0, (nFlags & BF_TOP) ? 1 : 0, (nFlags & BF_RIGHT) ? 1 : 0,
			(nFlags & BF_BOTTOM) ? 1 : 0);
	}
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
	if (m_hDC == nullptr || lpRect == nullptr)
		return FALSE;
	CRect rect(*lpRect);
	BorderColours colours;
	if (ColoursOf(nEdge, BDR_RAISEDOUTER, BDR_SUNKENOUTER, true, &colours))
		DrawBorder(*this, rect, colours, nFlags);
	if (ColoursOf(nEdge, BDR_RAISEDINNER, BDR_SUNKENINNER, false, &colours))
		DrawBorder(*this, rect, colours, nFlags);
	if (nFlags & BF_MIDDLE)
	{
		COLORREF crBackground = GetBkColor();
		FillSolidRect(&rect, GetSysColor(COLOR_3DFACE));
		SetBkColor(crBackground);
	}
	if (nFlags & BF_ADJUST)
		*lpRect = rect;
	return TRUE;
}
