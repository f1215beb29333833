// CStatusBar: creation, indicators, pane information and texts.
#include "framework/ui/bars/StatusBar.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/bars/BarGeometry.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Font.h"

namespace
{

struct IndicatorText
{
	UINT nID;
	LPCTSTR lpszText;
};

// The standard indicators' Italian texts, for a program whose strings do not name them.
const IndicatorText s_indicatorTexts[] = {
	{ ID_INDICATOR_CAPS, "MAIUSC" },
	{ ID_INDICATOR_NUM, "NUM" },
	{ ID_INDICATOR_SCRL, "BLOC SCORR" },
};

CString IndicatorString(UINT nID)
{
	CString strText;
	if (strText.LoadString(nID))
	{
		return strText;
	}
	for (const IndicatorText& indicator : s_indicatorTexts)
	{
		if (indicator.nID == nID)
		{
			return CString(indicator.lpszText);
		}
	}
	return strText;
}

}

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
	ON_WM_PAINT()
	ON_WM_SIZE()
	ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

CStatusBar::CStatusBar() = default;

CStatusBar::~CStatusBar() = default;

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
	return CreateBar(pParentWnd, dwStyle, nID);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
	m_panes.clear();
	for (int i = 0; lpIDArray != nullptr && i < nIDCount; ++i)
	{
		Pane pane = { lpIDArray[i], SBPS_NOBORDERS | SBPS_STRETCH, 0, CString() };
		if (pane.nID != ID_SEPARATOR)
		{
			pane.nStyle = SBPS_NORMAL;
			pane.strText = IndicatorString(pane.nID);
			pane.cxText = TextWidth(pane.strText);
		}
		m_panes.push_back(pane);
	}
	m_nCount = static_cast<int>(m_panes.size());
	if (m_hWnd != nullptr)
	{
		Invalidate();
	}
	return lpIDArray != nullptr || nIDCount == 0;
}

int CStatusBar::TextWidth(const CString& strText)
{
	CDC dc;
	dc.CreateCompatibleDC(nullptr);
	CFont* pOld = dc.SelectObject(CFont::FromHandle(reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
	const int cx = dc.GetTextExtent(strText).cx;
	dc.SelectObject(pOld);
	return cx;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
	for (size_t i = 0; i < m_panes.size(); ++i)
	{
		if (m_panes[i].nID == nIDFind)
		{
			return static_cast<int>(i);
		}
	}
	return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
	return nIndex >= 0 && nIndex < m_nCount ? m_panes[nIndex].nID : ID_SEPARATOR;
}

std::vector<StatusPaneMetric> CStatusBar::PaneMetrics() const
{
	std::vector<StatusPaneMetric> metrics;
	metrics.reserve(m_panes.size());
	for (const Pane& pane : m_panes)
	{
		metrics.push_back({ pane.cxText, (pane.nStyle & SBPS_STRETCH) != 0 });
	}
	return metrics;
}

std::vector<CRect> CStatusBar::PaneRects() const
{
	CRect rcClient;
	GetClientRect(&rcClient);
	return StatusPaneRects(rcClient.Width(), m_dwStyle, PaneMetrics(), GripWidth());
}

int CStatusBar::GripWidth() const
{
	const CWnd* pFrame = GetTopLevelParent();
	if ((m_dwStyle & CBRS_ALIGN_BOTTOM) == 0 || pFrame == nullptr || pFrame == this)
	{
		return 0;
	}
	return (pFrame->GetStyle() & WS_THICKFRAME) != 0 && !pFrame->IsZoomed() ? STATUS_GRIP_CX : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
	if (lpRect == nullptr)
	{
		return;
	}
	*lpRect = nIndex >= 0 && nIndex < m_nCount ? PaneRects()[nIndex] : CRect(0, 0, 0, 0);
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
	if (nIndex < 0 || nIndex >= m_nCount)
	{
		nID = ID_SEPARATOR;
		nStyle = 0;
		cxWidth = 0;
		return;
	}
	nID = m_panes[nIndex].nID;
	nStyle = m_panes[nIndex].nStyle;
	cxWidth = m_panes[nIndex].cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
	if (nIndex < 0 || nIndex >= m_nCount)
	{
		return;
	}
	Pane& pane = m_panes[nIndex];
	pane.nID = nID;
	pane.nStyle = nStyle;
	pane.cxText = cxWidth;
	if (m_hWnd != nullptr)
	{
		Invalidate();
	}
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
	return nIndex >= 0 && nIndex < m_nCount ? m_panes[nIndex].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
	if (nIndex < 0 || nIndex >= m_nCount || m_panes[nIndex].nStyle == nStyle)
	{
		return;
	}
	const bool bResized = ((m_panes[nIndex].nStyle ^ nStyle) & SBPS_STRETCH) != 0;
	m_panes[nIndex].nStyle = nStyle;
	if (bResized && m_hWnd != nullptr)
	{
		Invalidate();
	}
	else
	{
		InvalidatePane(nIndex);
	}
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
	if (nIndex < 0 || nIndex >= m_nCount)
	{
		return FALSE;
	}
	const CString strText(lpszNewText != nullptr ? lpszNewText : "");
	if (m_panes[nIndex].strText == strText)
	{
		return TRUE;
	}
	m_panes[nIndex].strText = strText;
	if (bUpdate)
	{
		InvalidatePane(nIndex);
	}
	return TRUE;
}

CString CStatusBar::GetPaneText(int nIndex) const
{
	return nIndex >= 0 && nIndex < m_nCount ? m_panes[nIndex].strText : CString();
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const
{
	rString = GetPaneText(nIndex);
}

CSize CStatusBar::CalcFixedLayout(BOOL, BOOL)
{
	const std::vector<CRect> rects = StatusPaneRects(0, m_dwStyle, PaneMetrics(), 0);
	const CRect borders = ControlBarBorders(m_dwStyle);
	const int cxPanes = rects.empty() ? 0 : rects.back().right;
	return CSize(cxPanes + STATUS_INSET_X + borders.right, StatusBarHeight(m_dwStyle));
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
	Default();
	SetPaneText(0, reinterpret_cast<LPCTSTR>(lParam));
	return TRUE;
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
	CControlBar::OnSize(nType, cx, cy);
	Invalidate();
}

void CStatusBar::InvalidatePane(int nIndex)
{
	if (m_hWnd == nullptr || nIndex < 0 || nIndex >= m_nCount)
	{
		return;
	}
	CRect rcPane;
	GetItemRect(nIndex, &rcPane);
	InvalidateRect(&rcPane);
}
