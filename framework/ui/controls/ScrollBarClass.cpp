// The SCROLLBAR class: it keeps the Windows scroll information and, like the Windows control,
// does not move itself: it reports the user's actions on its native bar to the parent with
// WM_HSCROLL or WM_VSCROLL, and the parent sets the new position.
#include "framework/core/ControlConstants.h"
#include "framework/ui/controls/ControlClasses.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/Wnd.h"

#include <algorithm>
#include <map>

namespace
{

struct ScrollBarState
{
	SCROLLINFO info = { sizeof(SCROLLINFO), SIF_ALL, 0, 100, 0, 0, 0 };
	// An action happened since the button went down: its release ends the scrolling.
	bool bScrolled = false;
};

std::map<HWND, ScrollBarState>& States()
{
	static std::map<HWND, ScrollBarState> s_states;
	return s_states;
}

int MaxPosition(const SCROLLINFO& info)
{
	return std::max(info.nMin, info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0));
}

void ShowInfo(HWND hWnd, const SCROLLINFO& info)
{
	AfxGetDriver().SetScrollBarState(hWnd, info.nMin, MaxPosition(info), static_cast<int>(info.nPage), info.nPos);
}

void SendScroll(HWND hWnd, UINT nCode, int nPos)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	if (pHost == nullptr || pHost->m_pParent == nullptr)
	{
		return;
	}
	const UINT message = (pHost->m_dwStyle & SBS_VERT) != 0 ? WM_VSCROLL : WM_HSCROLL;
	pHost->m_pParent->Send(message, MAKEWPARAM(static_cast<WORD>(nCode), static_cast<WORD>(nPos)),
		reinterpret_cast<LPARAM>(hWnd));
}

LRESULT SetInfo(HWND hWnd, const SCROLLINFO* pInfo)
{
	SCROLLINFO& info = States()[hWnd].info;
	if (pInfo == nullptr)
	{
		return info.nPos;
	}
	if ((pInfo->fMask & SIF_RANGE) != 0)
	{
		info.nMin = pInfo->nMin;
		info.nMax = pInfo->nMax;
	}
	if ((pInfo->fMask & SIF_PAGE) != 0)
	{
		info.nPage = pInfo->nPage;
	}
	if ((pInfo->fMask & SIF_POS) != 0)
	{
		info.nPos = pInfo->nPos;
	}
	// Windows keeps the page within the range and the position where the page still fits.
	const UINT nRange = static_cast<UINT>(std::max(info.nMax - info.nMin + 1, 0));
	info.nPage = std::min(info.nPage, nRange);
	info.nPos = std::clamp(info.nPos, info.nMin, MaxPosition(info));
	ShowInfo(hWnd, info);
	return info.nPos;
}

LRESULT GetInfo(HWND hWnd, SCROLLINFO* pInfo)
{
	if (pInfo == nullptr)
	{
		return FALSE;
	}
	const SCROLLINFO& info = States()[hWnd].info;
	if ((pInfo->fMask & SIF_RANGE) != 0)
	{
		pInfo->nMin = info.nMin;
		pInfo->nMax = info.nMax;
	}
	if ((pInfo->fMask & SIF_PAGE) != 0)
	{
		pInfo->nPage = info.nPage;
	}
	if ((pInfo->fMask & SIF_POS) != 0)
	{
		pInfo->nPos = info.nPos;
	}
	if ((pInfo->fMask & SIF_TRACKPOS) != 0)
	{
		pInfo->nTrackPos = AfxGetDriver().IsScrollBarThumbHeld(hWnd) ? info.nTrackPos : info.nPos;
	}
	return TRUE;
}

// SBM_SETPOS and SBM_SETRANGE(REDRAW) return the position from before.
LRESULT SetPart(HWND hWnd, UINT nMask, int nPos, int nMin, int nMax)
{
	const int nOld = States()[hWnd].info.nPos;
	SCROLLINFO info = { sizeof(SCROLLINFO), nMask, nMin, nMax, 0, nPos, 0 };
	SetInfo(hWnd, &info);
	return nOld;
}

LRESULT ScrollBarWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	if (NativeControl(hWnd) == nullptr)
	{
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	}
	switch (message)
	{
	case WM_NCCREATE:
		States()[hWnd] = ScrollBarState();
		ShowInfo(hWnd, States()[hWnd].info);
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	case WM_NCDESTROY:
		States().erase(hWnd);
		return ControlDefaultProc(hWnd, message, wParam, lParam);
	case SBM_SETSCROLLINFO:
		return SetInfo(hWnd, reinterpret_cast<const SCROLLINFO*>(lParam));
	case SBM_GETSCROLLINFO:
		return GetInfo(hWnd, reinterpret_cast<SCROLLINFO*>(lParam));
	case SBM_SETPOS:
		return SetPart(hWnd, SIF_POS, static_cast<int>(wParam), 0, 0);
	case SBM_GETPOS:
		return States()[hWnd].info.nPos;
	case SBM_SETRANGE:
	case SBM_SETRANGEREDRAW:
		return SetPart(hWnd, SIF_RANGE, 0, static_cast<int>(wParam), static_cast<int>(lParam));
	case SBM_GETRANGE:
		if (wParam != 0)
		{
			*reinterpret_cast<int*>(wParam) = States()[hWnd].info.nMin;
		}
		if (lParam != 0)
		{
			*reinterpret_cast<int*>(lParam) = States()[hWnd].info.nMax;
		}
		return 0;
	case WM_LBUTTONUP:
		// A dragged thumb ends its scrolling when the widget reports the release.
		if (States()[hWnd].bScrolled && !AfxGetDriver().IsScrollBarThumbHeld(hWnd))
		{
			States()[hWnd].bScrolled = false;
			SendScroll(hWnd, SB_ENDSCROLL, 0);
		}
		return ControlDefaultProc(hWnd, message, wParam, lParam);
	default:
		return ControlDefaultProc(hWnd, message, wParam, lParam);
	}
}

}

void OnToolkitScrollBarAction(HWND hWnd, UINT nCode, int nPos)
{
	if (NativeControl(hWnd) == nullptr)
	{
		return;
	}
	ScrollBarState& state = States()[hWnd];
	state.bScrolled = true;
	if (nCode == SB_THUMBTRACK)
	{
		state.info.nTrackPos = nPos;
		SendScroll(hWnd, SB_THUMBTRACK, nPos);
		return;
	}
	SendScroll(hWnd, nCode, 0);
}

void OnToolkitScrollThumbReleased(HWND hWnd)
{
	if (NativeControl(hWnd) == nullptr)
	{
		return;
	}
	States()[hWnd].bScrolled = false;
	SendScroll(hWnd, SB_THUMBPOSITION, States()[hWnd].info.nTrackPos);
	SendScroll(hWnd, SB_ENDSCROLL, 0);
	if (NativeControl(hWnd) != nullptr)
	{
		// The thumb goes back to the position the parent set, wherever it was dropped.
		ShowInfo(hWnd, States()[hWnd].info);
	}
}

void RegisterScrollBarClass()
{
	WNDCLASS wc = {};
	wc.style = CS_DBLCLKS | CS_PARENTDC;
	wc.lpfnWndProc = ScrollBarWindowProc;
	wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
	wc.lpszClassName = "SCROLLBAR";
	RegisterWindowClass(wc, NativeKind::ScrollBar, TRUE);
}
