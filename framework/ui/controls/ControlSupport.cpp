// Shared processing of the standard controls, and their classes registered when the framework
// loads, as the system's predefined classes exist on Windows before any program runs.
#include "framework/ui/controls/ControlClasses.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/Wnd.h"

namespace
{

bool IsInputMessage(UINT message)
{
	return (message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL) || message == WM_KEYDOWN || message == WM_KEYUP
		|| message == WM_CHAR || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || message == WM_SYSCHAR;
}

struct ControlClassRegistration
{
	ControlClassRegistration()
	{
		RegisterEditClass();
		RegisterButtonClass();
		RegisterStaticClass();
		RegisterListBoxClass();
		RegisterScrollBarClass();
	}
};

const ControlClassRegistration s_registration;

}

void ControlNotifyParent(HWND hWnd, UINT nCode)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	if (pHost == nullptr || !pHost->IsChildWindow() || pHost->m_pParent == nullptr)
	{
		return;
	}
	pHost->m_pParent->Send(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(pHost->m_nID), static_cast<WORD>(nCode)),
		reinterpret_cast<LPARAM>(hWnd));
}

HBRUSH ControlAskColor(HWND hWnd, UINT nCtlColorMessage, HDC hDC)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	if (pHost == nullptr || pHost->m_pParent == nullptr)
	{
		return reinterpret_cast<HBRUSH>(::DefWindowProc(hWnd, nCtlColorMessage, reinterpret_cast<WPARAM>(hDC), 0));
	}
	return reinterpret_cast<HBRUSH>(
		pHost->m_pParent->Send(nCtlColorMessage, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hWnd)));
}

LRESULT ControlDefaultProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	if (pHost == nullptr)
	{
		return 0;
	}
	if (IsInputMessage(message))
	{
		pHost->PassInputToNative();
		return 0;
	}
	if (message == WM_SETFONT && pHost->m_bNative)
	{
		AfxGetDriver().SetControlFont(hWnd, reinterpret_cast<HFONT>(wParam));
	}
	return ::DefWindowProc(hWnd, message, wParam, lParam);
}

CWindowRecord* NativeControl(HWND hWnd)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	return pHost != nullptr && pHost->m_bNative ? pHost : nullptr;
}

ControlColors ControlSystemColors(bool bWindowBackground)
{
	ControlColors colors = {};
	colors.crFace = GetSysColor(COLOR_BTNFACE);
	colors.crBackground = bWindowBackground ? GetSysColor(COLOR_WINDOW) : colors.crFace;
	colors.crText = GetSysColor(COLOR_WINDOWTEXT);
	colors.crButtonText = GetSysColor(COLOR_BTNTEXT);
	colors.crHighlight = GetSysColor(COLOR_HIGHLIGHT);
	colors.crHighlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
	colors.crGrayText = GetSysColor(COLOR_GRAYTEXT);
	return colors;
}
