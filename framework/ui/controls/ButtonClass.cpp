// The BUTTON class: push buttons, check boxes, radio buttons and group boxes on native widgets,
// with the automatic styles' own checking, radio groups and BN_CLICKED to the parent.
#include "framework/core/ControlConstants.h"
#include "framework/ui/controls/ControlClasses.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/WindowInput.h"
#include "framework/ui/window/Wnd.h"

#include <algorithm>
#include <vector>

namespace
{

DWORD ButtonType(DWORD dwStyle)
{
	return dwStyle & BS_TYPEMASK;
}

// The other automatic radio buttons of pHost's group: the siblings from the last WS_GROUP at or
// before it up to the next WS_GROUP after it.
void UncheckGroupSiblings(CWindowRecord* pHost)
{
	if (pHost->m_pParent == nullptr)
	{
		return;
	}
	const std::vector<CWindowRecord*> siblings = pHost->m_pParent->m_children;
	auto itSelf = std::find(siblings.begin(), siblings.end(), pHost);
	if (itSelf == siblings.end())
	{
		return;
	}
	auto itFirst = itSelf;
	while (itFirst != siblings.begin() && ((*itFirst)->m_dwStyle & WS_GROUP) == 0)
	{
		--itFirst;
	}
	for (auto it = itFirst; it != siblings.end(); ++it)
	{
		if (it != itFirst && ((*it)->m_dwStyle & WS_GROUP) != 0)
		{
			break;
		}
		if (*it != pHost && (*it)->m_pClass == pHost->m_pClass && ButtonType((*it)->m_dwStyle) == BS_AUTORADIOBUTTON)
		{
			(*it)->Send(BM_SETCHECK, BST_UNCHECKED, 0);
		}
	}
}

// The check state an automatic button goes to when clicked: a check box toggles, a three-state
// one goes from cleared to checked to indeterminate, and a radio button only ever turns on.
UINT NextCheck(DWORD dwType, UINT nCheck)
{
	switch (dwType)
	{
	case BS_AUTOCHECKBOX:
		return nCheck == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
	case BS_AUTO3STATE:
		return nCheck == BST_UNCHECKED ? BST_CHECKED : (nCheck == BST_CHECKED ? BST_INDETERMINATE : BST_UNCHECKED);
	default:
		return BST_CHECKED;
	}
}

LRESULT DialogCode(DWORD dwStyle)
{
	switch (ButtonType(dwStyle))
	{
	case BS_GROUPBOX:
		return DLGC_STATIC;
	case BS_DEFPUSHBUTTON:
		return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
	case BS_PUSHBUTTON:
		return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
	case BS_RADIOBUTTON:
	case BS_AUTORADIOBUTTON:
		return DLGC_BUTTON | DLGC_RADIOBUTTON;
	default:
		return DLGC_BUTTON;
	}
}

LRESULT ButtonWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	CWindowRecord* pHost = NativeControl(hWnd);
	if (pHost == nullptr)
	{
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	}
	CDriver& driver = AfxGetDriver();
	switch (message)
	{
	case WM_NCCREATE:
		driver.SetControlColors(hWnd, ControlSystemColors(false));
		driver.SetButtonDefault(hWnd, ButtonType(pHost->m_dwStyle) == BS_DEFPUSHBUTTON);
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	case WM_SETTEXT:
		driver.SetControlText(hWnd, lParam != 0 ? reinterpret_cast<LPCTSTR>(lParam) : "");
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	case BM_GETCHECK:
		return driver.ButtonCheck(hWnd);
	case BM_SETCHECK:
		driver.SetButtonCheck(hWnd, static_cast<UINT>(wParam));
		return 0;
	case BM_GETSTATE:
		return driver.ButtonCheck(hWnd) | (driver.IsButtonPushed(hWnd) ? BST_PUSHED : 0)
			| (FocusWindow() == pHost ? BST_FOCUS : 0);
	case BM_SETSTATE:
		driver.SetButtonPushed(hWnd, wParam != 0);
		return 0;
	case BM_SETSTYLE:
		// Only the push button's default look can change: the widget's kind is fixed at creation.
		pHost->m_dwStyle = (pHost->m_dwStyle & 0xFFFF0000) | LOWORD(wParam);
		driver.SetButtonDefault(hWnd, ButtonType(pHost->m_dwStyle) == BS_DEFPUSHBUTTON);
		return 0;
	case BM_CLICK:
		if (pHost->IsEnabledForInput())
		{
			driver.ClickButton(hWnd);
		}
		return 0;
	case WM_GETDLGCODE:
		return DialogCode(pHost->m_dwStyle);
	case WM_SETFOCUS:
	case WM_KILLFOCUS:
		// The focus mark follows the framework's focus, which the toolkit's may not see in a window
		// that is not active.
		driver.ShowButtonFocusMark(hWnd, message == WM_SETFOCUS);
		return ControlDefaultProc(hWnd, message, wParam, lParam);
	case WM_MOUSEWHEEL:
		// A button has no use for the wheel: it goes on to the parent, as on Windows.
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	default:
		return ControlDefaultProc(hWnd, message, wParam, lParam);
	}
}

}

void OnToolkitButtonClicked(HWND hWnd)
{
	CWindowRecord* pHost = NativeControl(hWnd);
	if (pHost == nullptr)
	{
		return;
	}
	const DWORD dwType = ButtonType(pHost->m_dwStyle);
	if (dwType == BS_AUTOCHECKBOX || dwType == BS_AUTO3STATE || dwType == BS_AUTORADIOBUTTON)
	{
		CDriver& driver = AfxGetDriver();
		driver.SetButtonCheck(hWnd, NextCheck(dwType, driver.ButtonCheck(hWnd)));
		if (dwType == BS_AUTORADIOBUTTON)
		{
			UncheckGroupSiblings(pHost);
		}
	}
	ControlNotifyParent(hWnd, BN_CLICKED);
}

void RegisterButtonClass()
{
	WNDCLASS wc = {};
	wc.style = CS_DBLCLKS | CS_PARENTDC;
	wc.lpfnWndProc = ButtonWindowProc;
	wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
	wc.lpszClassName = "BUTTON";
	RegisterWindowClass(wc, NativeKind::Button, TRUE);
}
