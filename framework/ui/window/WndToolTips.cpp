// CWnd's tooltips for its own tools: the switch, the default hit test and the cancel.
#include "framework/ui/window/Wnd.h"

#include "framework/ui/window/WindowToolTips.h"

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
	const BOOL bWasEnabled = (m_nFlags & WF_TOOLTIPS) != 0;
	if (bEnable)
	{
		m_nFlags |= WF_TOOLTIPS;
	}
	else
	{
		m_nFlags &= ~WF_TOOLTIPS;
		ForgetWindowToolTip(m_hWnd);
	}
	return bWasEnabled;
}

INT_PTR CWnd::OnToolHitTest(CPoint, TOOLINFO*) const
{
	return -1;
}

void CWnd::CancelToolTips(BOOL)
{
	CancelWindowToolTip();
}
