// CToolBar: creation, images, buttons and their styles.
#include "framework/ui/bars/ToolBar.h"

#include "framework/core/Resources.h"
#include "framework/ui/bars/BarGeometry.h"
#include "framework/ui/gdi/Dc.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
	ON_WM_PAINT()
	ON_WM_MOUSEMOVE()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_CAPTURECHANGED()
	ON_WM_TIMER()
	ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

CToolBar::CToolBar()
	: m_sizeButton(TOOLBAR_BUTTON_CX, TOOLBAR_BUTTON_CY), m_sizeImage(TOOLBAR_IMAGE_CX, TOOLBAR_IMAGE_CY),
	m_sizeStrip(0, 0), m_nHover(-1), m_nPressed(-1), m_bToolTipShown(FALSE)
{
}

CToolBar::~CToolBar()
{
	HideToolTip();
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
	return CreateBar(pParentWnd, dwStyle, nID);
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
	if (sizeButton.cx - sizeImage.cx < TOOLBAR_BUTTON_MARGIN_CX || sizeButton.cy - sizeImage.cy < TOOLBAR_BUTTON_MARGIN_CY)
	{
		return;
	}
	m_sizeButton = sizeButton;
	m_sizeImage = sizeImage;
	if (m_hWnd != nullptr)
	{
		Invalidate();
	}
}

BOOL CToolBar::LoadBitmap(UINT nIDResource)
{
	m_bitmap.DeleteObject();
	m_ink.clear();
	m_sizeStrip = CSize(0, 0);
	if (!m_bitmap.LoadBitmap(nIDResource))
	{
		return FALSE;
	}
	BITMAP bm = {};
	m_bitmap.GetBitmap(&bm);
	m_sizeStrip = CSize(bm.bmWidth, bm.bmHeight);
	// Read once here, so that painting a disabled button needs no pixel reads.
	CDC dcImages;
	dcImages.CreateCompatibleDC(nullptr);
	CBitmap* pOld = dcImages.SelectObject(&m_bitmap);
	m_ink.resize(static_cast<size_t>(bm.bmWidth) * static_cast<size_t>(bm.bmHeight));
	for (int y = 0; y < bm.bmHeight; ++y)
	{
		for (int x = 0; x < bm.bmWidth; ++x)
		{
			const COLORREF cr = dcImages.GetPixel(x, y);
			m_ink[static_cast<size_t>(y) * bm.bmWidth + x] = cr != RGB(192, 192, 192) && cr != RGB(255, 255, 255);
		}
	}
	dcImages.SelectObject(pOld);
	if (m_hWnd != nullptr)
	{
		Invalidate();
	}
	return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
	HideToolTip();
	m_buttons.clear();
	int iImage = 0;
	for (int i = 0; i < nIDCount; ++i)
	{
		const UINT nID = lpIDArray != nullptr ? lpIDArray[i] : ID_SEPARATOR;
		if (nID == ID_SEPARATOR)
		{
			m_buttons.push_back({ ID_SEPARATOR, TBBS_SEPARATOR, TOOLBAR_SEPARATOR_CX });
		}
		else
		{
			m_buttons.push_back({ nID, TBBS_BUTTON, iImage++ });
		}
	}
	m_nCount = static_cast<int>(m_buttons.size());
	m_nHover = -1;
	m_nPressed = -1;
	if (m_hWnd != nullptr)
	{
		Invalidate();
	}
	return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
	const ToolbarTemplate* pTemplate = AfxFindToolbarTemplate(nIDResource);
	if (pTemplate == nullptr)
	{
		return FALSE;
	}
	const CSize sizeImage(pTemplate->wWidth, pTemplate->wHeight);
	SetSizes(CSize(sizeImage.cx + TOOLBAR_RESOURCE_MARGIN, sizeImage.cy + TOOLBAR_RESOURCE_MARGIN), sizeImage);
	return LoadBitmap(nIDResource) && SetButtons(pTemplate->pItems, static_cast<int>(pTemplate->nItems));
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
	for (size_t i = 0; i < m_buttons.size(); ++i)
	{
		if (m_buttons[i].nID == nIDFind)
		{
			return static_cast<int>(i);
		}
	}
	return -1;
}

UINT CToolBar::GetItemID(int nIndex) const
{
	return nIndex >= 0 && nIndex < m_nCount ? m_buttons[nIndex].nID : ID_SEPARATOR;
}

std::vector<int> CToolBar::ItemWidths() const
{
	std::vector<int> widths;
	widths.reserve(m_buttons.size());
	for (const Button& button : m_buttons)
	{
		int cx = (button.nStyle & TBBS_SEPARATOR) != 0 ? button.iImage : m_sizeButton.cx;
		widths.push_back((button.nStyle & TBBS_HIDDEN) != 0 ? 0 : cx);
	}
	return widths;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
	if (lpRect == nullptr)
	{
		return;
	}
	if (nIndex < 0 || nIndex >= m_nCount)
	{
		*lpRect = CRect(0, 0, 0, 0);
		return;
	}
	*lpRect = ToolBarItemRects(ToolBarOrigin(m_dwStyle), ItemWidths(), m_sizeButton.cy)[nIndex];
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
	return nIndex >= 0 && nIndex < m_nCount ? m_buttons[nIndex].nStyle : 0;
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
	if (nIndex < 0 || nIndex >= m_nCount || m_buttons[nIndex].nStyle == nStyle)
	{
		return;
	}
	const bool bResized = ((m_buttons[nIndex].nStyle ^ nStyle) & (TBBS_SEPARATOR | TBBS_HIDDEN)) != 0;
	m_buttons[nIndex].nStyle = nStyle;
	if (bResized && m_hWnd != nullptr)
	{
		Invalidate();
	}
	else
	{
		InvalidateButton(nIndex);
	}
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
	if (nIndex < 0 || nIndex >= m_nCount)
	{
		nID = ID_SEPARATOR;
		nStyle = 0;
		iImage = 0;
		return;
	}
	nID = m_buttons[nIndex].nID;
	nStyle = m_buttons[nIndex].nStyle;
	iImage = m_buttons[nIndex].iImage;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
	if (nIndex < 0 || nIndex >= m_nCount)
	{
		return;
	}
	m_buttons[nIndex] = { nID, nStyle, iImage };
	if (m_hWnd != nullptr)
	{
		Invalidate();
	}
}

// The buttons stay in one row whatever the bar's side.
CSize CToolBar::CalcFixedLayout(BOOL, BOOL)
{
	return ToolBarFixedSize(m_dwStyle, ItemWidths(), m_sizeButton.cy);
}

void CToolBar::InvalidateButton(int nIndex)
{
	if (m_hWnd == nullptr || nIndex < 0 || nIndex >= m_nCount)
	{
		return;
	}
	CRect rcButton;
	GetItemRect(nIndex, &rcButton);
	InvalidateRect(&rcButton);
}
