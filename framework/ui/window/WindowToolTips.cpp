// The current tool of the windows that show tooltips, the hover delay before its tip shows and
// the request for its text.
#include "framework/ui/window/WindowToolTips.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/window/ToolTip.h"
#include "framework/ui/window/Wnd.h"

#include <cstdlib>

namespace
{

// The toolbar's delay, so that all the program's tips come alike.
constexpr UINT HOVER_DELAY = 500;
// The framework's own timer that waits for the hover delay.
constexpr UINT_PTR HOVER_TIMER = 1;

struct CurrentTool
{
	HWND hWndOwner = nullptr;	// the window that enabled tooltips; it answers TTN_NEEDTEXT
	HWND hWndTool = nullptr;	// the window the tool's rectangle belongs to
	INT_PTR nHit = -1;
	UINT_PTR uId = 0;
	CRect rcTool;
	CString strText;
	bool bAskForText = false;
	bool bShown = false;
};

CurrentTool s_tool;

void FreeToolText(TOOLINFO& ti)
{
	if (ti.lpszText != nullptr && ti.lpszText != LPSTR_TEXTCALLBACK)
	{
		std::free(ti.lpszText);
	}
	ti.lpszText = nullptr;
}

void ShowCurrentTool()
{
	CWnd* pOwner = CWnd::FromHandle(s_tool.hWndOwner);
	CWnd* pToolWnd = CWnd::FromHandle(s_tool.hWndTool);
	if (pOwner == nullptr || pToolWnd == nullptr)
	{
		return;
	}
	const CString strText = s_tool.bAskForText
		? AfxRequestToolTipText(pOwner, pOwner, static_cast<UINT>(s_tool.uId))
		: s_tool.strText;
	if (strText.IsEmpty())
	{
		return;
	}
	AfxShowToolTip(pToolWnd, strText, &s_tool.rcTool);
	s_tool.bShown = true;
}

void StartHoverDelay()
{
	AfxGetDriver().StartTimer(nullptr, HOVER_TIMER, HOVER_DELAY);
}

void StopHoverDelay()
{
	AfxGetDriver().StopTimer(nullptr, HOVER_TIMER);
}

bool IsButtonPress(UINT message)
{
	return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN
		|| message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
}

void TakeTool(HWND hWndOwner, INT_PTR nHit, TOOLINFO& ti)
{
	const bool bWasShown = s_tool.bShown;
	s_tool.hWndOwner = hWndOwner;
	s_tool.hWndTool = ti.hwnd != nullptr ? ti.hwnd : hWndOwner;
	s_tool.nHit = nHit;
	s_tool.uId = ti.uId;
	s_tool.rcTool = ti.rect;
	s_tool.bAskForText = ti.lpszText == LPSTR_TEXTCALLBACK;
	s_tool.strText = ti.lpszText != nullptr && !s_tool.bAskForText ? CString(ti.lpszText) : CString();
	s_tool.bShown = false;
	// A tip already on screen moves to the new tool at once, as on Windows.
	if (bWasShown)
	{
		StopHoverDelay();
		ShowCurrentTool();
	}
	else
	{
		StartHoverDelay();
	}
}

}

void RelayInputToToolTips(const MSG& msg)
{
	if (msg.message != WM_MOUSEMOVE && !IsButtonPress(msg.message))
	{
		return;
	}
	CWnd* pWnd = CWnd::FromHandlePermanent(msg.hwnd);
	if (pWnd == nullptr || (pWnd->m_nFlags & WF_TOOLTIPS) == 0 || msg.message != WM_MOUSEMOVE)
	{
		if (s_tool.hWndOwner != nullptr)
		{
			CancelWindowToolTip();
		}
		return;
	}
	TOOLINFO ti = {};
	ti.cbSize = sizeof(ti);
	const INT_PTR nHit = pWnd->OnToolHitTest(AfxPointFromLParam(msg.lParam), &ti);
	if (nHit == -1)
	{
		FreeToolText(ti);
		CancelWindowToolTip();
		return;
	}
	if (s_tool.hWndOwner != msg.hwnd || s_tool.nHit != nHit)
	{
		TakeTool(msg.hwnd, nHit, ti);
	}
	FreeToolText(ti);
}

void CancelWindowToolTip()
{
	if (s_tool.hWndOwner == nullptr)
	{
		return;
	}
	StopHoverDelay();
	if (s_tool.bShown)
	{
		AfxHideToolTip();
	}
	s_tool = CurrentTool();
}

void ForgetWindowToolTip(HWND hWnd)
{
	if (s_tool.hWndOwner == hWnd)
	{
		CancelWindowToolTip();
	}
}

void OnToolTipHoverTimer()
{
	StopHoverDelay();
	ShowCurrentTool();
}
