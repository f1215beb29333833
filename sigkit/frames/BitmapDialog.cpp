// CBitmapDialog: loading the background, painting it and making controls transparent over it.
#include "sigkit/frames/BitmapDialog.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/gdi/Palette.h"
#include "framework/ui/window/PaintDC.h"

BEGIN_MESSAGE_MAP(CBitmapDialog, CDialog)
	ON_WM_ERASEBKGND()
	ON_WM_CTLCOLOR()
	ON_WM_QUERYNEWPALETTE()
	ON_WM_PALETTECHANGED()
END_MESSAGE_MAP()

CBitmapDialog::CBitmapDialog()
{
	CommonConstruct();
}

CBitmapDialog::CBitmapDialog(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent)
{
	CommonConstruct();
}

CBitmapDialog::CBitmapDialog(LPCTSTR lpszTemplateName, CWnd* pParent) : CDialog(lpszTemplateName, pParent)
{
	CommonConstruct();
}

CBitmapDialog::~CBitmapDialog()
{
	m_brHollow.DeleteObject();
}

void CBitmapDialog::CommonConstruct()
{
	m_nBitmapMode = BITMAP_MODE_TILE;
	m_brHollow.CreateStockObject(HOLLOW_BRUSH);
}

BOOL CBitmapDialog::SetBitmap(UINT nIDResource, int nMode)
{
	m_nBitmapMode = nMode;
	HBITMAP hBitmap = AfxLoadDIBSection(nIDResource);
	if (hBitmap == nullptr)
		return FALSE;
	CBitmap bitmap;
	bitmap.Attach(hBitmap);
	CWindowDC dc(CWnd::GetDesktopWindow());
	const BOOL bLoaded = m_dib.CreateFromBitmap(&dc, hBitmap);
	bitmap.DeleteObject();
	return bLoaded;
}

void CBitmapDialog::DoDataExchange(CDataExchange* pDX)
{
	CDialog::DoDataExchange(pDX);
}

BOOL CBitmapDialog::OnEraseBkgnd(CDC* pDC)
{
	if (m_dib.IsEmpty())
		return CDialog::OnEraseBkgnd(pDC);

	CRect rcClient;
	GetClientRect(&rcClient);
	const int nWidth = m_dib.GetWidth();
	const int nHeight = m_dib.GetHeight();
	if (m_nBitmapMode == BITMAP_MODE_STRETCH)
		m_dib.Stretch(pDC, 0, 0, rcClient.Width(), rcClient.Height());
	else if (m_nBitmapMode == BITMAP_MODE_CENTER)
	{
		CDialog::OnEraseBkgnd(pDC);
		m_dib.Draw(pDC, (rcClient.Width() - nWidth) / 2, (rcClient.Height() - nHeight) / 2);
	}
	else
	{
		for (int y = 0; y < rcClient.Height(); y += nHeight)
			for (int x = 0; x < rcClient.Width(); x += nWidth)
				m_dib.Draw(pDC, x, y);
	}
	return TRUE;
}

HBRUSH CBitmapDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
	if (!m_dib.IsEmpty() && (nCtlColor == CTLCOLOR_BTN || nCtlColor == CTLCOLOR_STATIC))
	{
		pDC->SetBkMode(TRANSPARENT);
		return static_cast<HBRUSH>(m_brHollow);
	}
	return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

BOOL CBitmapDialog::OnQueryNewPalette()
{
	CPalette* pPalette = m_dib.GetPalette();
	if (pPalette == nullptr || GetSafeHwnd() == nullptr)
		return CDialog::OnQueryNewPalette();

	CClientDC dc(this);
	CPalette* pOld = dc.SelectPalette(pPalette, FALSE);
	const UINT nChanged = dc.RealizePalette();
	dc.SelectPalette(pOld, FALSE);
	if (nChanged == 0)
		return FALSE;
	Invalidate();
	return TRUE;
}

void CBitmapDialog::OnPaletteChanged(CWnd* pFocusWnd)
{
	CPalette* pPalette = m_dib.GetPalette();
	if (pPalette == nullptr || GetSafeHwnd() == nullptr || pFocusWnd == this || IsChild(pFocusWnd))
	{
		CDialog::OnPaletteChanged(pFocusWnd);
		return;
	}
	CClientDC dc(this);
	CPalette* pOld = dc.SelectPalette(pPalette, TRUE);
	if (dc.RealizePalette() != 0)
		Invalidate();
	dc.SelectPalette(pOld, TRUE);
}
