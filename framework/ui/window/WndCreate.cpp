// Creating and destroying windows: CreateEx builds the window of a registered class, attaches the
// CWnd before WM_NCCREATE and WM_CREATE, and DestroyWindow takes it down with its children.
#include "framework/ui/window/Wnd.h"

#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/backend/qt/WindowTrackSize.h"

namespace
{

// The size Windows picks for a CW_USEDEFAULT window is the desktop's; ours is fixed.
constexpr int DEFAULT_WIDTH = 640;
constexpr int DEFAULT_HEIGHT = 480;

}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
	UINT nID)
{
	return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
	CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
	return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
		rect.bottom - rect.top, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
		reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
	int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
	if (m_hWnd != nullptr)
	{
		return FALSE;
	}
	CREATESTRUCT cs = {};
	cs.lpCreateParams = lpParam;
	cs.hMenu = nIDorHMenu;
	cs.hwndParent = hWndParent;
	cs.cx = nWidth;
	cs.cy = nHeight;
	cs.x = x;
	cs.y = y;
	cs.style = static_cast<LONG>(dwStyle);
	cs.lpszName = lpszWindowName;
	cs.lpszClass = lpszClassName;
	cs.dwExStyle = dwExStyle;
	if (!PreCreateWindow(cs))
	{
		PostNcDestroy();
		return FALSE;
	}
	const WindowClassRecord* pClass = FindWindowClass(cs.lpszClass);
	CWindowHost* pParent = CWindowHost::FromHandle(cs.hwndParent);
	DWORD dwFinalStyle = static_cast<DWORD>(cs.style);
	bool bChild = (dwFinalStyle & WS_CHILD) != 0;
	if (pClass == nullptr || (bChild && pParent == nullptr))
	{
		return FALSE;
	}
	int nLeft = cs.x == CW_USEDEFAULT ? 0 : cs.x;
	int nTop = cs.y == CW_USEDEFAULT ? 0 : cs.y;
	int nCx = cs.cx == CW_USEDEFAULT ? DEFAULT_WIDTH : cs.cx;
	int nCy = cs.cy == CW_USEDEFAULT ? DEFAULT_HEIGHT : cs.cy;
	UINT nID = bChild ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(cs.hMenu)) : 0;
	CWindowHost* pHost = new CWindowHost(pClass, dwFinalStyle & ~WS_VISIBLE, cs.dwExStyle, nID, pParent);
	pHost->m_strText = cs.lpszName != nullptr ? cs.lpszName : "";
	pHost->m_rcWindow.SetRect(nLeft, nTop, nLeft + nCx, nTop + nCy);
	HWND hWnd = pHost->Handle();
	Attach(hWnd);
	CreateHostWidget(*pHost);
	// The first message a sizeable window gets, as on Windows: its limits bound the size it is
	// created with.
	MINMAXINFO info;
	if (QueryTrackSize(*pHost, info))
	{
		pHost->m_rcWindow = WithinTrackSize(pHost->m_rcWindow, info);
		pHost->ApplyGeometryToWidget();
		SetWidgetMinimum(*pHost, info.ptMinTrackSize);
	}
	if (!IsWindow(hWnd))
	{
		return FALSE;
	}
	cs.style = static_cast<LONG>(pHost->m_dwStyle);
	if (!pHost->Send(WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))
		|| (IsWindow(hWnd) && pHost->Send(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1))
	{
		if (CWindowHost* pFailed = CWindowHost::FromHandle(hWnd))
		{
			DestroyHost(pFailed);
		}
		return FALSE;
	}
	if (!IsWindow(hWnd))
	{
		return FALSE;
	}
	CSize size = pHost->ClientSize();
	pHost->Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<WORD>(size.cx), static_cast<WORD>(size.cy)));
	CRect margins = pHost->NonClientMargins();
	CPoint origin = pHost->m_rcWindow.TopLeft() + CPoint(margins.left, margins.top);
	pHost->Send(WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(origin.x), static_cast<WORD>(origin.y)));
	if ((dwFinalStyle & WS_VISIBLE) != 0 && IsWindow(hWnd))
	{
		pHost->Show(true, SW_SHOW);
	}
	return IsWindow(hWnd);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&)
{
	return TRUE;
}

BOOL CWnd::DestroyWindow()
{
	CWindowHost* pHost = CWindowHost::FromHandle(m_hWnd);
	if (pHost == nullptr)
	{
		return FALSE;
	}
	DestroyHost(pHost);
	return TRUE;
}

void CWnd::PostNcDestroy()
{
}
