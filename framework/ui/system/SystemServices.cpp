// System colours and metrics, key state, the clock and the beep.
#include "framework/ui/system/SystemServices.h"

#include "framework/ui/backend/Driver.h"

#include <bitset>
#include <chrono>
#include <thread>

namespace
{

// The classic (Windows 95) scheme, until the desktop changes it.
COLORREF s_sysColors[] = {
	RGB(192, 192, 192),	// COLOR_SCROLLBAR
	RGB(0, 128, 128),	// COLOR_BACKGROUND
	RGB(0, 0, 128),	// COLOR_ACTIVECAPTION
	RGB(128, 128, 128),	// COLOR_INACTIVECAPTION
	RGB(192, 192, 192),	// COLOR_MENU
	RGB(255, 255, 255),	// COLOR_WINDOW
	RGB(0, 0, 0),	// COLOR_WINDOWFRAME
	RGB(0, 0, 0),	// COLOR_MENUTEXT
	RGB(0, 0, 0),	// COLOR_WINDOWTEXT
	RGB(255, 255, 255),	// COLOR_CAPTIONTEXT
	RGB(192, 192, 192),	// COLOR_ACTIVEBORDER
	RGB(192, 192, 192),	// COLOR_INACTIVEBORDER
	RGB(128, 128, 128),	// COLOR_APPWORKSPACE
	RGB(0, 0, 128),	// COLOR_HIGHLIGHT
	RGB(255, 255, 255),	// COLOR_HIGHLIGHTTEXT
	RGB(192, 192, 192),	// COLOR_BTNFACE
	RGB(128, 128, 128),	// COLOR_BTNSHADOW
	RGB(128, 128, 128),	// COLOR_GRAYTEXT
	RGB(0, 0, 0),	// COLOR_BTNTEXT
	RGB(192, 192, 192),	// COLOR_INACTIVECAPTIONTEXT
	RGB(255, 255, 255),	// COLOR_BTNHIGHLIGHT
	RGB(0, 0, 0),	// COLOR_3DDKSHADOW
	RGB(192, 192, 192),	// COLOR_3DLIGHT
	RGB(0, 0, 0),	// COLOR_INFOTEXT
	RGB(255, 255, 225),	// COLOR_INFOBK
};

constexpr int SYS_COLOR_COUNT = static_cast<int>(sizeof(s_sysColors) / sizeof(s_sysColors[0]));

std::bitset<256> s_keysDown;

CSize ScreenSize()
{
	CDriver& driver = AfxGetDriver();
	return driver.IsToolkitRunning() ? driver.ScreenSize() : CSize(1024, 768);
}

}

COLORREF GetSysColor(int nIndex)
{
	return nIndex >= 0 && nIndex < SYS_COLOR_COUNT ? s_sysColors[nIndex] : 0;
}

void AfxStoreSysColor(int nIndex, COLORREF cr)
{
	if (nIndex >= 0 && nIndex < SYS_COLOR_COUNT)
	{
		s_sysColors[nIndex] = cr;
	}
}

int GetSystemMetrics(int nIndex)
{
	switch (nIndex)
	{
	case SM_CXSCREEN:
	case SM_CXFULLSCREEN:
		return ScreenSize().cx;
	case SM_CYSCREEN:
	case SM_CYFULLSCREEN:
		return ScreenSize().cy;
	case SM_CXVSCROLL:
	case SM_CYHSCROLL:
	case SM_CYVSCROLL:
	case SM_CXHSCROLL:
	case SM_CYVTHUMB:
	case SM_CXHTHUMB:
	case SM_CXSMICON:
	case SM_CYSMICON:
		return 16;
	case SM_CYCAPTION:
		return 18;
	case SM_CXBORDER:
	case SM_CYBORDER:
	case SM_MOUSEPRESENT:
		return 1;
	case SM_CXEDGE:
	case SM_CYEDGE:
		return 2;
	case SM_CXDLGFRAME:
	case SM_CYDLGFRAME:
		return 3;
	case SM_CXFRAME:
	case SM_CYFRAME:
	case SM_CXDOUBLECLK:
	case SM_CYDOUBLECLK:
		return 4;
	case SM_CYMENU:
		return 19;
	case SM_CXICON:
	case SM_CYICON:
	case SM_CXCURSOR:
	case SM_CYCURSOR:
		return 32;
	case SM_CXMIN:
		return 112;
	case SM_CYMIN:
		return 27;
	default:
		return 0;
	}
}

short GetKeyState(int nVirtKey)
{
	constexpr unsigned short KEY_DOWN = 0x8000;
	constexpr unsigned short KEY_TOGGLED = 0x0001;
	CDriver& driver = AfxGetDriver();
	bool bDown = false;
	switch (nVirtKey)
	{
	// The keys as the last input read left them, not as they are now: a quick Ctrl+F is often
	// released before its F is handled.
	case VK_SHIFT:
	case VK_CONTROL:
	case VK_MENU:
	case VK_LBUTTON:
	case VK_RBUTTON:
	case VK_MBUTTON:
		bDown = driver.IsToolkitRunning() && driver.IsKeyHeld(nVirtKey);
		break;
	case VK_CAPITAL:
	case VK_NUMLOCK:
	case VK_SCROLL:
		return static_cast<short>(driver.IsToolkitRunning() && driver.IsLockKeyOn(nVirtKey) ? KEY_TOGGLED : 0);
	default:
		bDown = nVirtKey >= 0 && static_cast<size_t>(nVirtKey) < s_keysDown.size()
			&& s_keysDown.test(static_cast<size_t>(nVirtKey));
		break;
	}
	return static_cast<short>(bDown ? KEY_DOWN : 0);
}

void AfxNoteKeyInput(UINT message, WPARAM nVirtKey)
{
	if (nVirtKey >= s_keysDown.size())
	{
		return;
	}
	if (message == WM_KEYDOWN)
	{
		s_keysDown.set(nVirtKey);
	}
	else if (message == WM_KEYUP)
	{
		s_keysDown.reset(nVirtKey);
	}
}

BOOL MessageBeep(UINT)
{
	AfxGetDriver().Beep();
	return TRUE;
}

DWORD GetTickCount()
{
	static const std::chrono::steady_clock::time_point s_start = std::chrono::steady_clock::now();
	return static_cast<DWORD>(
		std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - s_start).count());
}

void Sleep(DWORD dwMilliseconds)
{
	std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}
