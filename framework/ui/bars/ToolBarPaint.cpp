// CToolBar painting: classic raised buttons, pushed when pressed or checked, with embossed
// images when disabled.
#include "framework/ui/bars/ToolBar.h"

#include "framework/ui/bars/BarGeometry.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/system/SystemServices.h"

void CToolBar::OnPaint()
{
	CPaintDC dc(this);
	CRect rcClient;
	GetClientRect(&rcClient);
	DrawBackground(&dc, rcClient);
	CDC dcImages;
	dcImages.CreateCompatibleDC(&dc);
	CBitmap* pOld = m_bitmap.GetSafeHandle() != nullptr ? dcImages.SelectObject(&m_bitmap) : nullptr;
	const std::vector<CRect> rects = ToolBarItemRects(ToolBarOrigin(m_dwStyle), ItemWidths(), m_sizeButton.cy);
	for (size_t i = 0; i < m_buttons.size(); ++i)
	{
		const Button& button = m_buttons[i];
		if ((button.nStyle & (TBBS_SEPARATOR | TBBS_HIDDEN)) != 0)
		{
			continue;
		}
		DrawButton(&dc, rects[i], button);
		if (pOld != nullptr)
		{
			const BOOL bPushed = (button.nStyle & (TBBS_PRESSED | TBBS_CHECKED)) != 0;
			const CPoint ptImage(rects[i].left + (m_sizeButton.cx - m_sizeImage.cx) / 2 + (bPushed ? 1 : 0),
				rects[i].top + (m_sizeButton.cy - m_sizeImage.cy) / 2 + (bPushed ? 1 : 0));
			DrawImage(&dc, &dcImages, ptImage, button.iImage, (button.nStyle & TBBS_DISABLED) != 0);
		}
	}
	if (pOld != nullptr)
	{
		dcImages.SelectObject(pOld);
	}
}

void CToolBar::DrawButton(CDC* pDC, const CRect& rcButton, const Button& button)
{
	const COLORREF crFace = GetSysColor(COLOR_BTNFACE);
	const COLORREF crHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
	const COLORREF crShadow = GetSysColor(COLOR_BTNSHADOW);
	const COLORREF crDark = GetSysColor(COLOR_3DDKSHADOW);
	CRect rc = rcButton;
	// A white and black outline with a grey inner shadow, turned over while the button is down.
	if ((button.nStyle & (TBBS_PRESSED | TBBS_CHECKED)) != 0)
	{
		pDC->Draw3dRect(&rc, crDark, crHighlight);
		rc.DeflateRect(1, 1);
		pDC->Draw3dRect(&rc, crShadow, crFace);
	}
	else
	{
		pDC->Draw3dRect(&rc, crHighlight, crDark);
		rc.DeflateRect(1, 1);
		pDC->Draw3dRect(&rc, crFace, crShadow);
	}
	rc.DeflateRect(1, 1);
	// A checked button that is not held down shows a dither of white over the face.
	if ((button.nStyle & TBBS_CHECKED) != 0 && (button.nStyle & TBBS_PRESSED) == 0)
	{
		for (int y = rc.top; y < rc.bottom; ++y)
		{
			for (int x = rc.left + (y - rc.top) % 2; x < rc.right; x += 2)
			{
				pDC->SetPixel(x, y, crHighlight);
			}
		}
	}
}

void CToolBar::DrawImage(CDC* pDC, CDC* pImages, CPoint ptAt, int iImage, BOOL bDisabled)
{
	const int xSource = iImage * m_sizeImage.cx;
	if (iImage < 0 || xSource + m_sizeImage.cx > m_sizeStrip.cx || m_sizeImage.cy > m_sizeStrip.cy)
	{
		return;
	}
	if (!bDisabled)
	{
		pDC->BitBlt(ptAt.x, ptAt.y, m_sizeImage.cx, m_sizeImage.cy, pImages, xSource, 0, SRCCOPY);
		return;
	}
	// Embossed: every inked pixel in white one pixel down and right, then in shadow grey in place.
	const COLORREF crPasses[2] = { GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW) };
	for (int nPass = 0; nPass < 2; ++nPass)
	{
		const int nOffset = nPass == 0 ? 1 : 0;
		for (int y = 0; y < m_sizeImage.cy; ++y)
		{
			for (int x = 0; x < m_sizeImage.cx; ++x)
			{
				if (m_ink[static_cast<size_t>(y) * m_sizeStrip.cx + xSource + x])
				{
					pDC->SetPixel(ptAt.x + x + nOffset, ptAt.y + y + nOffset, crPasses[nPass]);
				}
			}
		}
	}
}
