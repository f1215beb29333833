// CControlBar: creation with a bar style, the etched borders and the bar's slice of its parent.
#include "framework/ui/bars/ControlBar.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/bars/BarGeometry.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/gdi/Brush.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
	ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CControlBar::CControlBar()
	: m_dwStyle(0), m_nCount(0)
{
}

CControlBar::~CControlBar() = default;

void CControlBar::SetBarStyle(DWORD dwStyle)
{
	if (m_dwStyle != dwStyle)
	{
		m_dwStyle = dwStyle;
		if (m_hWnd != nullptr)
		{
			Invalidate();
		}
	}
}

DWORD CControlBar::GetBarStyle()
{
	return m_dwStyle;
}

int CControlBar::GetCount() const
{
	return m_nCount;
}

CSize CControlBar::CalcFixedLayout(BOOL, BOOL)
{
	const CRect borders = ControlBarBorders(m_dwStyle);
	return CSize(borders.left + borders.right, borders.top + borders.bottom);
}

BOOL CControlBar::CreateBar(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
	m_dwStyle = dwStyle & CBRS_ALL;
	LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
	if (!CreateEx(0, lpszClass, nullptr, dwStyle & ~CBRS_ALL, CRect(0, 0, 0, 0), pParentWnd, nID))
	{
		return FALSE;
	}
	// The bar hears of the pointer leaving it, for its fly-by prompts, as a window that asked
	// Windows to track the mouse does.
	AfxGetDriver().TrackMouseLeave(m_hWnd);
	return TRUE;
}

void CControlBar::DrawBackground(CDC* pDC, CRect& rect)
{
	pDC->FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
	const CRect borders = ControlBarBorders(m_dwStyle);
	const UINT nSides = (borders.left != 0 ? BF_LEFT : 0) | (borders.top != 0 ? BF_TOP : 0)
		| (borders.right != 0 ? BF_RIGHT : 0) | (borders.bottom != 0 ? BF_BOTTOM : 0);
	if (nSides != 0)
	{
		pDC->DrawEdge(&rect, EDGE_ETCHED, nSides | BF_ADJUST);
	}
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
	AFX_SIZEPARENTPARAMS* pParams = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
	// A hidden bar takes no room; the window style counts, so that a parent not shown yet can
	// lay out its bars.
	if (pParams == nullptr || (GetStyle() & WS_VISIBLE) == 0 || (m_dwStyle & CBRS_ALIGN_ANY) == 0)
	{
		return 0;
	}
	const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
	const CSize size = CalcFixedLayout(pParams->bStretch, bHorz);
	const CRect rcBar = TakeBarSlice(pParams->rect, m_dwStyle & CBRS_ALIGN_ANY, size, pParams->bStretch);
	if (bHorz)
	{
		pParams->sizeTotal.cy += rcBar.Height();
		pParams->sizeTotal.cx = std::max<LONG>(pParams->sizeTotal.cx, rcBar.Width());
	}
	else
	{
		pParams->sizeTotal.cx += rcBar.Width();
		pParams->sizeTotal.cy = std::max<LONG>(pParams->sizeTotal.cy, rcBar.Height());
	}
	if (!pParams->bQuery)
	{
		MoveWindow(&rcBar);
		Invalidate();
	}
	return 0;
}
