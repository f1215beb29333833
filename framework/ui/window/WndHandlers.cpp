// The default message handlers of CWnd: each passes its message on to the window's default
// processing, so a derived handler can call its base class's handler.
#include "framework/ui/window/Wnd.h"

int CWnd::OnCreate(LPCREATESTRUCT)
{
	return static_cast<int>(Default());
}

void CWnd::OnDestroy()
{
	Default();
}

void CWnd::OnNcDestroy()
{
	Default();
}

void CWnd::OnPaint()
{
	Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
	return static_cast<BOOL>(Default());
}

void CWnd::OnIconEraseBkgnd(CDC*)
{
	Default();
}

void CWnd::OnSize(UINT, int, int)
{
	Default();
}

void CWnd::OnMove(int, int)
{
	Default();
}

void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
	Default();
}

void CWnd::OnTimer(UINT_PTR)
{
	Default();
}

void CWnd::OnClose()
{
	Default();
}

void CWnd::OnShowWindow(BOOL, UINT)
{
	Default();
}

void CWnd::OnEnable(BOOL)
{
	Default();
}

void CWnd::OnMouseMove(UINT, CPoint)
{
	Default();
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
	Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
	Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
	Default();
}

void CWnd::OnRButtonDown(UINT, CPoint)
{
	Default();
}

void CWnd::OnRButtonUp(UINT, CPoint)
{
	Default();
}

void CWnd::OnRButtonDblClk(UINT, CPoint)
{
	Default();
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
	Default();
}

void CWnd::OnKeyUp(UINT, UINT, UINT)
{
	Default();
}

void CWnd::OnChar(UINT, UINT, UINT)
{
	Default();
}

BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
	return static_cast<BOOL>(Default());
}

void CWnd::OnDropFiles(HDROP)
{
	Default();
}

void CWnd::OnSetFocus(CWnd*)
{
	Default();
}

void CWnd::OnKillFocus(CWnd*)
{
	Default();
}

void CWnd::OnCaptureChanged(CWnd*)
{
	Default();
}

UINT CWnd::OnGetDlgCode()
{
	return static_cast<UINT>(Default());
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
	return static_cast<BOOL>(Default());
}

int CWnd::OnMouseActivate(CWnd*, UINT, UINT)
{
	return static_cast<int>(Default());
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
	return reinterpret_cast<HBRUSH>(Default());
}

BOOL CWnd::OnQueryNewPalette()
{
	return static_cast<BOOL>(Default());
}

void CWnd::OnPaletteChanged(CWnd*)
{
	Default();
}

// Only top-level windows hear of new system colours; each passes the news to all the windows in it.
void CWnd::OnSysColorChange()
{
	if ((GetStyle() & WS_CHILD) == 0)
	{
		SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE, FALSE);
	}
	Default();
}

void CWnd::OnSysCommand(UINT, LPARAM)
{
	Default();
}

HCURSOR CWnd::OnQueryDragIcon()
{
	return reinterpret_cast<HCURSOR>(Default());
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar*)
{
	Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar*)
{
	Default();
}

void CWnd::OnMenuSelect(UINT, UINT, HMENU)
{
	Default();
}

void CWnd::OnEnterIdle(UINT, CWnd*)
{
	Default();
}

void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL)
{
	Default();
}
