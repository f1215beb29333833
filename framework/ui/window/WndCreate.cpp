// Creating and destroying windows: CreateEx builds the window of a registered class, attaches the
// CWnd before WM_NCCREATE and WM_CREATE, and DestroyWindow takes it down with its children.
#include "framework/ui/window/Wnd.h"

#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/WindowTrackSize.h"

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
	CWindowRecord* pParent = CWindowRecord::FromHandle(cs.hwndParent);
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
	CWindowRecord* pRecord = new CWindowRecord(pClass, dwFinalStyle & ~WS_VISIBLE, cs.dwExStyle, nID, pParent);
	pRecord->m_strText = cs.lpszName != nullptr ? cs.lpszName : "";
	pRecord->m_rcWindow.SetRect(nLeft, nTop, nLeft + nCx, nTop + nCy);
	HWND hWnd = pRecord->Handle();
	Attach(hWnd);
	CreateNativeWindowFor(*pRecord);
	// The first message a sizeable window gets, as on Windows: its limits bound the size it is
	// created with.
	MINMAXINFO info;
	if (QueryTrackSize(*pRecord, info))
	{
		pRecord->m_rcWindow = WithinTrackSize(pRecord->m_rcWindow, info);
		pRecord->ApplyGeometry();
		SetNativeMinimum(*pRecord, info.ptMinTrackSize);
	}
	if (!IsWindow(hWnd))
	{
		return FALSE;
	}
	cs.style = static_cast<LONG>(pRecord->m_dwStyle);
	if (!pRecord->Send(WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))
		|| (IsWindow(hWnd) && pRecord->Send(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1))
	{
		if (CWindowRecord* pFailed = CWindowRecord::FromHandle(hWnd))
		{
			DestroyWindowRecord(pFailed);
		}
		return FALSE;
	}
	if (!IsWindow(hWnd))
	{
		return FALSE;
	}
	CSize size = pRecord->ClientSize();
	pRecord->Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<WORD>(size.cx), static_cast<WORD>(size.cy)));
	CRect margins = pRecord->NonClientMargins();
	CPoint origin = pRecord->m_rcWindow.TopLeft() + CPoint(margins.left, margins.top);
	pRecord->Send(WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(origin.x), static_cast<WORD>(origin.y)));
	if ((dwFinalStyle & WS_VISIBLE) != 0 && IsWindow(hWnd))
	{
		pRecord->Show(true, SW_SHOW);
	}
	return IsWindow(hWnd);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&)
{
	return TRUE;
}

BOOL CWnd::DestroyWindow()
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return FALSE;
	}
	DestroyWindowRecord(pRecord);
	return TRUE;
}

void CWnd::PostNcDestroy()
{
}
