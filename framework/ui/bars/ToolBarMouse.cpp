// CToolBar and the mouse: pressing and clicking buttons, fly-by prompts and tooltips.
#include "framework/ui/bars/ToolBar.h"

#include "framework/ui/bars/BarGeometry.h"
#include "framework/ui/window/ToolTip.h"
#include "framework/ui/window/UserServices.h"

namespace
{

// The prompt a frame shows when no command is under the pointer ("Pronto").
constexpr UINT IDS_IDLE_PROMPT = 0xE001;

}

CWnd* CToolBar::NotifyTarget() const
{
	return GetOwner();
}

int CToolBar::HitTest(CPoint point) const
{
	const std::vector<CRect> rects = ToolBarItemRects(ToolBarOrigin(m_dwStyle), ItemWidths(), m_sizeButton.cy);
	for (size_t i = 0; i < rects.size(); ++i)
	{
		if ((m_buttons[i].nStyle & (TBBS_SEPARATOR | TBBS_HIDDEN)) == 0 && rects[i].PtInRect(point))
		{
			return static_cast<int>(i);
		}
	}
	return -1;
}

void CToolBar::OnMouseMove(UINT, CPoint point)
{
	if (m_nPressed < 0)
	{
		TrackHover(HitTest(point));
		return;
	}
	// While held, the button looks down only with the pointer over it, as a push button does.
	CRect rcButton;
	GetItemRect(m_nPressed, &rcButton);
	const UINT nStyle = GetButtonStyle(m_nPressed) & ~TBBS_PRESSED;
	SetButtonStyle(m_nPressed, rcButton.PtInRect(point) ? nStyle | TBBS_PRESSED : nStyle);
}

void CToolBar::OnLButtonDown(UINT, CPoint point)
{
	const int nIndex = HitTest(point);
	KillTimer(nIDToolTipTimer);
	HideToolTip();
	if (nIndex < 0 || (m_buttons[nIndex].nStyle & TBBS_DISABLED) != 0)
	{
		return;
	}
	m_nPressed = nIndex;
	SetCapture();
	SetButtonStyle(nIndex, GetButtonStyle(nIndex) | TBBS_PRESSED);
}

void CToolBar::OnLButtonUp(UINT, CPoint point)
{
	if (m_nPressed < 0)
	{
		return;
	}
	const int nIndex = m_nPressed;
	m_nPressed = -1;
	ReleaseCapture();
	CRect rcButton;
	GetItemRect(nIndex, &rcButton);
	UINT nStyle = GetButtonStyle(nIndex) & ~TBBS_PRESSED;
	const bool bClicked = rcButton.PtInRect(point) != FALSE;
	if (bClicked && (nStyle & TBBS_CHECKBOX) != 0)
	{
		nStyle ^= TBBS_CHECKED;
	}
	SetButtonStyle(nIndex, nStyle);
	CWnd* pTarget = NotifyTarget();
	if (bClicked && pTarget != nullptr)
	{
		pTarget->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetItemID(nIndex)), BN_CLICKED),
			reinterpret_cast<LPARAM>(m_hWnd));
	}
}

void CToolBar::OnCaptureChanged(CWnd* pWnd)
{
	if (m_nPressed >= 0 && pWnd != this)
	{
		SetButtonStyle(m_nPressed, GetButtonStyle(m_nPressed) & ~TBBS_PRESSED);
		m_nPressed = -1;
	}
}

LRESULT CToolBar::OnMouseLeave(WPARAM, LPARAM)
{
	if (m_nPressed < 0)
	{
		TrackHover(-1);
	}
	return 0;
}

void CToolBar::OnTimer(UINT_PTR nIDEvent)
{
	if (nIDEvent != nIDToolTipTimer)
	{
		CControlBar::OnTimer(nIDEvent);
		return;
	}
	KillTimer(nIDToolTipTimer);
	// A window disabled under a modal dialog shows no tips, as on Windows.
	CWnd* pTopLevel = GetTopLevelParent();
	if (m_nHover >= 0 && (m_dwStyle & CBRS_TOOLTIPS) != 0 && (pTopLevel == nullptr || pTopLevel->IsWindowEnabled()))
	{
		ShowToolTip(m_nHover);
	}
}

void CToolBar::TrackHover(int nIndex)
{
	if (nIndex == m_nHover)
	{
		return;
	}
	const int nPrevious = m_nHover;
	m_nHover = nIndex;
	CWnd* pTarget = NotifyTarget();
	if (nIndex < 0)
	{
		KillTimer(nIDToolTipTimer);
		HideToolTip();
		if ((m_dwStyle & CBRS_FLYBY) != 0 && nPrevious >= 0 && pTarget != nullptr)
		{
			pTarget->SendMessage(WM_POPMESSAGESTRING, IDS_IDLE_PROMPT, 0);
		}
		return;
	}
	if ((m_dwStyle & CBRS_FLYBY) != 0 && pTarget != nullptr)
	{
		pTarget->SendMessage(WM_SETMESSAGESTRING, GetItemID(nIndex), 0);
	}
	if ((m_dwStyle & CBRS_TOOLTIPS) == 0)
	{
		return;
	}
	// Once a tip shows, moving to the next button changes it at once, as on Windows.
	if (m_bToolTipShown)
	{
		ShowToolTip(nIndex);
	}
	else
	{
		SetTimer(nIDToolTipTimer, nToolTipDelay, nullptr);
	}
}

void CToolBar::ShowToolTip(int nIndex)
{
	const CString strText = AfxRequestToolTipText(NotifyTarget(), this, GetItemID(nIndex));
	if (strText.IsEmpty())
	{
		HideToolTip();
		return;
	}
	CRect rcButton;
	GetItemRect(nIndex, &rcButton);
	AfxShowToolTip(this, strText, &rcButton);
	m_bToolTipShown = TRUE;
}

void CToolBar::HideToolTip()
{
	if (m_bToolTipShown)
	{
		AfxHideToolTip();
		m_bToolTipShown = FALSE;
	}
}
