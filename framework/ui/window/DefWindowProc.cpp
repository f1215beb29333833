// The generic default processing of messages: what a window does with a message that neither
// its CWnd nor its class handles.
#include "framework/ui/window/Wnd.h"

#include "framework/core/MenuConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/SystemMenu.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/WindowInput.h"
#include "framework/ui/window/WindowRecord.h"

#include <algorithm>
#include <cstring>

namespace
{

// Fills the client area with the class background: a brush, or a system colour index plus one.
LRESULT EraseWithClassBrush(CWindowRecord* pRecord, WPARAM wParam)
{
	HBRUSH hbrBackground = pRecord->m_pClass->wc.hbrBackground;
	CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
	if (hbrBackground == nullptr || pDC == nullptr)
	{
		return 0;
	}
	UINT_PTR nValue = reinterpret_cast<UINT_PTR>(hbrBackground);
	if (nValue <= static_cast<UINT_PTR>(COLOR_INFOBK + 1))
	{
		hbrBackground = GetSysColorBrush(static_cast<int>(nValue) - 1);
	}
	CSize size = pRecord->ClientSize();
	CRect rcClient(0, 0, size.cx, size.cy);
	pDC->FillRect(&rcClient, CBrush::FromHandle(hbrBackground));
	return 1;
}

LRESULT ControlColor(UINT message, WPARAM wParam)
{
	CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
	int nBackground = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX ? COLOR_WINDOW : COLOR_3DFACE;
	if (pDC != nullptr)
	{
		pDC->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
		pDC->SetBkColor(GetSysColor(nBackground));
	}
	return reinterpret_cast<LRESULT>(GetSysColorBrush(nBackground));
}

LRESULT SetCursorByClass(CWindowRecord* pRecord, WPARAM wParam, LPARAM lParam)
{
	if (pRecord->IsChildWindow() && pRecord->m_pParent != nullptr && pRecord->m_pParent->Send(WM_SETCURSOR, wParam, lParam))
	{
		return TRUE;
	}
	// The cursor is the class cursor of the window under the mouse, which wParam names.
	CWindowRecord* pUnder = CWindowRecord::FromHandle(reinterpret_cast<HWND>(wParam));
	HCURSOR hCursor = (pUnder != nullptr ? pUnder : pRecord)->m_pClass->wc.hCursor;
	if (LOWORD(static_cast<DWORD_PTR>(lParam)) == HTCLIENT && hCursor != nullptr)
	{
		SetCursor(hCursor);
		return TRUE;
	}
	return FALSE;
}

// A child lets its parent decide first, as the parent may hold the window that should activate.
LRESULT MouseActivate(CWindowRecord* pRecord, WPARAM wParam, LPARAM lParam)
{
	if (pRecord->IsChildWindow() && pRecord->m_pParent != nullptr)
	{
		LRESULT lResult = pRecord->m_pParent->Send(WM_MOUSEACTIVATE, wParam, lParam);
		if (lResult != 0)
		{
			return lResult;
		}
	}
	return MA_ACTIVATE;
}

LRESULT SystemCommand(CWindowRecord* pRecord, WPARAM wParam, LPARAM lParam)
{
	switch (wParam & 0xFFF0)
	{
	case SC_CLOSE:
		pRecord->Send(WM_CLOSE, 0, 0);
		break;
	case SC_MINIMIZE:
		pRecord->Show(true, SW_MINIMIZE);
		break;
	case SC_MAXIMIZE:
		pRecord->Show(true, SW_MAXIMIZE);
		break;
	case SC_RESTORE:
		pRecord->Show(true, SW_RESTORE);
		break;
	case SC_KEYMENU:
		MenuOpenByKey(pRecord->Handle(), lParam);
		break;
	default:
		break;
	}
	return 0;
}

}

LRESULT DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord == nullptr)
	{
		return 0;
	}
	switch (message)
	{
	case WM_NCCREATE:
		return TRUE;
	case WM_SETTEXT:
		pRecord->m_strText = lParam != 0 ? reinterpret_cast<LPCTSTR>(lParam) : "";
		if (!pRecord->IsChildWindow() && pRecord->m_bNative)
		{
			AfxGetDriver().SetNativeTitle(hWnd, pRecord->m_strText);
		}
		return TRUE;
	case WM_GETTEXT:
	{
		LPTSTR lpszBuffer = reinterpret_cast<LPTSTR>(lParam);
		if (lpszBuffer == nullptr || wParam == 0)
		{
			return 0;
		}
		size_t nCopy = std::min<size_t>(wParam - 1, static_cast<size_t>(pRecord->m_strText.GetLength()));
		std::memcpy(lpszBuffer, static_cast<LPCTSTR>(pRecord->m_strText), nCopy);
		lpszBuffer[nCopy] = '\0';
		return static_cast<LRESULT>(nCopy);
	}
	case WM_GETTEXTLENGTH:
		return pRecord->m_strText.GetLength();
	case WM_ERASEBKGND:
	case WM_ICONERASEBKGND:
		return EraseWithClassBrush(pRecord, wParam);
	case WM_PAINT:
	{
		CDC dc;
		PAINTSTRUCT ps;
		pRecord->BeginPaint(dc, ps);
		pRecord->EndPaint(dc, ps);
		return 0;
	}
	case WM_CLOSE:
		DestroyWindowRecord(pRecord);
		return 0;
	case WM_SYSCOMMAND:
		return SystemCommand(pRecord, wParam, lParam);
	case WM_SETCURSOR:
		return SetCursorByClass(pRecord, wParam, lParam);
	case WM_MOUSEACTIVATE:
		return MouseActivate(pRecord, wParam, lParam);
	case WM_MOUSEWHEEL:
		// An unhandled wheel turn travels up to the parent, as on Windows.
		return pRecord->IsChildWindow() && pRecord->m_pParent != nullptr
			? pRecord->m_pParent->Send(message, wParam, lParam)
			: 0;
	case WM_CTLCOLORMSGBOX:
	case WM_CTLCOLOREDIT:
	case WM_CTLCOLORLISTBOX:
	case WM_CTLCOLORBTN:
	case WM_CTLCOLORDLG:
	case WM_CTLCOLORSCROLLBAR:
	case WM_CTLCOLORSTATIC:
		return ControlColor(message, wParam);
	case WM_SETFONT:
		pRecord->m_hFont = reinterpret_cast<HFONT>(wParam);
		if (lParam != 0)
		{
			pRecord->InvalidateClient(true);
		}
		return 0;
	case WM_GETFONT:
		return reinterpret_cast<LRESULT>(pRecord->m_hFont);
	case WM_SETICON:
	{
		HICON& hSlot = wParam == ICON_BIG ? pRecord->m_hIconBig : pRecord->m_hIconSmall;
		HICON hOld = hSlot;
		hSlot = reinterpret_cast<HICON>(lParam);
		if (!pRecord->IsChildWindow() && pRecord->m_bNative)
		{
			AfxGetDriver().SetNativeIcons(hWnd, pRecord->m_hIconSmall, pRecord->m_hIconBig);
		}
		return reinterpret_cast<LRESULT>(hOld);
	}
	case WM_GETICON:
		return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? pRecord->m_hIconBig : pRecord->m_hIconSmall);
	case WM_QUERYDRAGICON:
		return reinterpret_cast<LRESULT>(pRecord->m_pClass->wc.hIcon);
	default:
		return 0;
	}
}
