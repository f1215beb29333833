// Shared processing of the standard controls, and their classes registered when the framework
// loads, as the system's predefined classes exist on Windows before any program runs.
#include "framework/ui/backend/qt/ControlSupport.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/GdiBackend.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/Wnd.h"

#include <QPalette>

#include <algorithm>
#include <vector>

namespace
{

QColor SysQColor(int nIndex)
{
	const COLORREF cr = GetSysColor(nIndex);
	return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

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
	if (message == WM_SETFONT && NativeWidget(pHost->Handle()) != nullptr)
	{
		NativeWidget(pHost->Handle())->setFont(GdiQFont(reinterpret_cast<HFONT>(wParam)));
	}
	return ::DefWindowProc(hWnd, message, wParam, lParam);
}

void ControlApplyPalette(QWidget* pWidget, bool bWindowBackground)
{
	QPalette palette = pWidget->palette();
	const QColor face = SysQColor(COLOR_BTNFACE);
	const QColor base = bWindowBackground ? SysQColor(COLOR_WINDOW) : face;
	palette.setColor(QPalette::Window, face);
	palette.setColor(QPalette::Button, face);
	palette.setColor(QPalette::Base, base);
	palette.setColor(QPalette::Text, SysQColor(COLOR_WINDOWTEXT));
	palette.setColor(QPalette::WindowText, SysQColor(COLOR_WINDOWTEXT));
	palette.setColor(QPalette::ButtonText, SysQColor(COLOR_BTNTEXT));
	palette.setColor(QPalette::Highlight, SysQColor(COLOR_HIGHLIGHT));
	palette.setColor(QPalette::HighlightedText, SysQColor(COLOR_HIGHLIGHTTEXT));
	// A disabled control shows grey text on the button face, as on Windows.
	palette.setColor(QPalette::Disabled, QPalette::Base, face);
	palette.setColor(QPalette::Disabled, QPalette::Text, SysQColor(COLOR_GRAYTEXT));
	palette.setColor(QPalette::Disabled, QPalette::WindowText, SysQColor(COLOR_GRAYTEXT));
	palette.setColor(QPalette::Disabled, QPalette::ButtonText, SysQColor(COLOR_GRAYTEXT));
	pWidget->setPalette(palette);
}

QPalette ControlSharedPalette(const QPalette& palette)
{
	// A handful of colour sets at most: the controls' colours are the system's, which never change.
	static std::vector<QPalette> s_palettes;
	auto it = std::find(s_palettes.begin(), s_palettes.end(), palette);
	if (it == s_palettes.end())
	{
		s_palettes.push_back(palette);
		it = s_palettes.end() - 1;
	}
	QPalette shared = *it;
	// The group is the widget's state (disabled, inactive), kept outside the shared data.
	shared.setCurrentColorGroup(palette.currentColorGroup());
	return shared;
}
