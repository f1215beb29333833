// Painting the sheet tab bar: trapezoid tabs hanging from the bar's top edge, the current one
// white, open towards the sheet above and drawn last, and the grip of the bar's right edge.
#include "grid/window/SheetTabBar.h"

#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Pen.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/system/SystemServices.h"

namespace
{
	constexpr COLORREF BLACK = RGB(0, 0, 0);
	constexpr COLORREF WHITE = RGB(255, 255, 255);
	// How far each side of a tab leans in from its top corners to its bottom ones.
	constexpr int TAB_SLANT = 6;
}

void SheetTabBar::OnPaint()
{
	CPaintDC dc(this);
	CRect rc;
	GetClientRect(&rc);
	const int nSaved = dc.SaveDC();
	dc.FillSolidRect(&rc, GetSysColor(COLOR_BTNFACE));
	DrawEdgeGrip(&dc, rc);

	const int nStrip = GetStripWidth();
	dc.IntersectClipRect(0, 0, nStrip, rc.bottom);
	CPen penBlack(PS_SOLID, 1, BLACK);
	dc.SelectObject(&penBlack);
	// The bar's top line parts it from the sheet above; only the current tab breaks it.
	dc.MoveTo(0, 0);
	dc.LineTo(nStrip, 0);
	dc.SelectObject(&m_font);
	dc.SetBkMode(TRANSPARENT);
	int nLeft = GetTabLeft(m_nFirstTab) - m_nScrollOffset;
	for (int i = m_nFirstTab; i < m_nTabCount && nLeft < nStrip; ++i)
	{
		if (i != m_nCurrentTab)
			DrawTab(&dc, i, nLeft, rc.Height(), FALSE);
		nLeft += m_tabs[i].m_nWidth;
	}
	if (m_nCurrentTab >= 0 && m_nCurrentTab < m_nTabCount)
		DrawTab(&dc, m_nCurrentTab, GetTabLeft(m_nCurrentTab) - m_nScrollOffset, rc.Height(), TRUE);
	dc.RestoreDC(nSaved);
}

void SheetTabBar::DrawTab(CDC* pDC, int nTab, int nLeft, int nHeight, BOOL bCurrent) const
{
	const GridSheetTab& tab = m_tabs[nTab];
	const int nRight = nLeft + tab.m_nWidth;
	const int nBottom = nHeight - 1;
	const POINT outline[4] = {
		{nLeft, 0}, {nLeft + TAB_SLANT, nBottom}, {nRight - TAB_SLANT, nBottom}, {nRight, 0}};
	CPen penBlack(PS_SOLID, 1, BLACK);
	CPen penWhite(PS_SOLID, 1, WHITE);
	CPen penShadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
	CBrush brush(bCurrent ? WHITE : tab.m_crBack);
	CPen* pOldPen = pDC->SelectObject(&penBlack);
	CBrush* pOldBrush = pDC->SelectObject(&brush);
	pDC->Polygon(outline, 4);
	if (bCurrent)
	{
		// Open at the top: the current tab continues the sheet it shows.
		pDC->SelectObject(&penWhite);
		pDC->MoveTo(nLeft + 1, 0);
		pDC->LineTo(nRight, 0);
	}
	else
	{
		// Lit from the left, shaded along the bottom, like the other raised parts of the grid.
		pDC->SelectObject(&penWhite);
		pDC->MoveTo(nLeft + 2, 1);
		pDC->LineTo(nLeft + TAB_SLANT + 1, nBottom);
		pDC->SelectObject(&penShadow);
		pDC->MoveTo(nLeft + TAB_SLANT + 1, nBottom - 1);
		pDC->LineTo(nRight - TAB_SLANT, nBottom - 1);
	}
	pDC->SelectObject(pOldPen);
	pDC->SelectObject(pOldBrush);
	pDC->SetTextColor(tab.m_crText);
	const CSize size = pDC->GetTextExtent(tab.m_strLabel);
	pDC->TextOut(nLeft + LABEL_INDENT, (nHeight - size.cy) / 2, tab.m_strLabel);
}

void SheetTabBar::DrawEdgeGrip(CDC* pDC, const CRect& rcClient) const
{
	// Two raised lines mark the edge that widens the bar.
	CPen penWhite(PS_SOLID, 1, WHITE);
	CPen penShadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
	const int x = rcClient.right - EDGE_GRIP + 1;
	CPen* pOldPen = pDC->SelectObject(&penWhite);
	pDC->MoveTo(x, 1);
	pDC->LineTo(x, rcClient.bottom - 1);
	pDC->SelectObject(&penShadow);
	pDC->MoveTo(x + 1, 1);
	pDC->LineTo(x + 1, rcClient.bottom - 1);
	pDC->SelectObject(pOldPen);
}
