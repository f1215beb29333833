// CStatusBar painting: sunken (or raised, or borderless) panes on the button face, their texts,
// and the size grip.
#include "framework/ui/bars/StatusBar.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/system/SystemServices.h"

void CStatusBar::OnPaint()
{
	CPaintDC dc(this);
	CRect rcClient;
	GetClientRect(&rcClient);
	CRect rcInside = rcClient;
	DrawBackground(&dc, rcInside);
	CFont* pOldFont = dc.SelectObject(CFont::FromHandle(reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
	dc.SetBkMode(TRANSPARENT);
	dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
	const std::vector<CRect> rects = PaneRects();
	for (size_t i = 0; i < m_panes.size(); ++i)
	{
		const Pane& pane = m_panes[i];
		const CRect& rcPane = rects[i];
		if ((pane.nStyle & SBPS_NOBORDERS) == 0)
		{
			const bool bPopOut = (pane.nStyle & SBPS_POPOUT) != 0;
			dc.Draw3dRect(&rcPane, GetSysColor(bPopOut ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW),
				GetSysColor(bPopOut ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
		}
		if ((pane.nStyle & SBPS_DISABLED) == 0 && !pane.strText.IsEmpty())
		{
			CRect rcText = rcPane;
			rcText.DeflateRect(STATUS_PANE_MARGIN, 1);
			dc.DrawText(pane.strText, &rcText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
		}
	}
	dc.SelectObject(pOldFont);
	if (GripWidth() != 0)
	{
		DrawGrip(&dc, rcClient);
	}
}

// Three diagonal ridges in the bottom-right corner, each a white line above two grey ones.
void CStatusBar::DrawGrip(CDC* pDC, const CRect& rcClient)
{
	const COLORREF crHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
	const COLORREF crShadow = GetSysColor(COLOR_BTNSHADOW);
	for (int nRidge = 0; nRidge < 3; ++nRidge)
	{
		for (int nLine = 0; nLine < 3; ++nLine)
		{
			// The pixels at this distance from the corner, counted along both axes.
			const int nDistance = 4 * nRidge + nLine + 1;
			for (int dx = 0; dx <= nDistance; ++dx)
			{
				pDC->SetPixel(rcClient.right - 1 - dx, rcClient.bottom - 1 - (nDistance - dx),
					nLine == 0 ? crHighlight : crShadow);
			}
		}
	}
}
