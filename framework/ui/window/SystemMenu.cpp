// The window menu with the standard commands, and the menu keys: Alt+Space, F10 and Alt with the
// letter a menu-bar title marks, all arriving as WM_SYSCOMMAND with SC_KEYMENU.
#include "framework/ui/window/SystemMenu.h"

#include "framework/core/MenuConstants.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/menu/Menu.h"
#include "framework/ui/menu/MenuRecord.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/MenuBar.h"
#include "framework/ui/window/MenuLoop.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/Wnd.h"

#include <cctype>
#include <utility>

namespace
{

struct SystemCommandItem
{
	UINT nID;	// 0 for the separator
	LPCSTR lpszText;
	DWORD dwStyleWanted;	// the item is there when the window has any of these styles, or always for 0
};

const SystemCommandItem s_systemItems[] = {
	{ SC_RESTORE, "&Ripristina", WS_MINIMIZEBOX | WS_MAXIMIZEBOX },
	{ SC_MOVE, "&Sposta", 0 },
	{ SC_SIZE, "Ridi&mensiona", WS_THICKFRAME },
	{ SC_MINIMIZE, "Riduci a &icona", WS_MINIMIZEBOX },
	{ SC_MAXIMIZE, "Ingr&andisci", WS_MAXIMIZEBOX },
	{ 0, nullptr, 0 },
	{ SC_CLOSE, "&Chiudi\tAlt+F4", 0 },
};

HMENU MakeSystemMenu(CWindowRecord& host)
{
	const HMENU hMenu = ::CreatePopupMenu();
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	pRecord->m_bSystemMenu = true;
	MenuGiveToWindow(*pRecord, host.Handle());
	for (const SystemCommandItem& item : s_systemItems)
	{
		if (item.nID == 0)
		{
			::AppendMenu(hMenu, MF_SEPARATOR, 0, nullptr);
		}
		else if (item.dwStyleWanted == 0 || (host.m_dwStyle & item.dwStyleWanted) != 0)
		{
			::AppendMenu(hMenu, MF_STRING, item.nID, item.lpszText);
		}
	}
	return hMenu;
}

// The standard commands are greyed as the window's state makes them pointless, as on Windows.
void UpdateSystemMenu(const CWindowRecord& host, HMENU hMenu)
{
	const bool bIconic = host.m_bIconic;
	const bool bZoomed = host.m_bZoomed;
	const std::pair<UINT, bool> states[] = {
		{ SC_RESTORE, bIconic || bZoomed },
		{ SC_MOVE, !bZoomed },
		{ SC_SIZE, !bIconic && !bZoomed },
		{ SC_MINIMIZE, !bIconic },
		{ SC_MAXIMIZE, !bZoomed },
	};
	for (const auto& state : states)
	{
		::EnableMenuItem(hMenu, state.first, MF_BYCOMMAND | (state.second ? MF_ENABLED : MF_GRAYED));
	}
}

void OpenSystemMenu(CWindowRecord& host)
{
	const HWND hWnd = host.Handle();
	const HMENU hMenu = MenuSystemMenuOf(host);
	if (hMenu == nullptr || !host.m_bNative || !host.IsVisibleOnScreen())
	{
		return;
	}
	UpdateSystemMenu(host, hMenu);
	if (!MenuBeginSession(hWnd, hMenu, false, true))
	{
		return;
	}
	MenuInitRootPopup(hMenu);
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	bool bShown = false;
	if (pHost != nullptr && ::IsMenu(hMenu) && MenuSessionOpen())
	{
		// At the window's top-left corner, where Windows has the window menu's icon.
		const CPoint ptClient = pHost->ClientOriginOnScreen();
		bShown = AfxGetDriver().ShowMenuPopup(hMenu, CPoint(ptClient.x, ptClient.y - pHost->m_nMenuBarHeight));
	}
	if (!bShown)
	{
		MenuEndSession();
	}
}

// The letter after a single '&', in lower case; 0 for none.
int MnemonicOf(const CString& strText)
{
	LPCTSTR psz = strText;
	for (int i = 0; psz[i] != '\0' && psz[i + 1] != '\0'; ++i)
	{
		if (psz[i] == '&' && psz[i + 1] == '&')
		{
			++i;
		}
		else if (psz[i] == '&')
		{
			return std::tolower(static_cast<unsigned char>(psz[i + 1]));
		}
	}
	return 0;
}

// The first title that opens a popup and is not greyed, with the mnemonic nKey unless it is 0.
int TitleFor(const CMenuRecord& bar, int nKey)
{
	for (size_t i = 0; i < bar.Items().size(); ++i)
	{
		const MenuItemRecord& item = bar.Items()[i];
		const bool bOpens = (item.nFlags & MF_POPUP) != 0 && (item.nFlags & (MF_GRAYED | MF_DISABLED)) == 0;
		if (bOpens && (nKey == 0 || MnemonicOf(item.strText) == std::tolower(nKey)))
		{
			return static_cast<int>(i);
		}
	}
	return -1;
}

void OpenBarTitle(CMenuRecord& bar, int nKey)
{
	const int nPos = TitleFor(bar, nKey);
	if (nPos < 0 || !AfxGetDriver().OpenMenuBarTitle(bar.Handle(), nPos))
	{
		MessageBeep(MB_OK);
	}
}

}

HMENU MenuSystemMenuOf(CWindowRecord& host)
{
	if (host.IsChildWindow() || (host.m_dwStyle & WS_SYSMENU) == 0)
	{
		return nullptr;
	}
	if (host.m_hSystemMenu == nullptr)
	{
		host.m_hSystemMenu = MakeSystemMenu(host);
	}
	return host.m_hSystemMenu;
}

void MenuOpenByKey(HWND hWnd, LPARAM lParam)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	if (pHost == nullptr || MenuSessionOpen())
	{
		return;
	}
	pHost = pHost->TopLevel();
	MenuNoteInput(false);
	const int nKey = LOWORD(static_cast<DWORD_PTR>(lParam));
	if (nKey == ' ')
	{
		OpenSystemMenu(*pHost);
		return;
	}
	if (CMenuRecord* pBar = CMenuRecord::FromHandle(pHost->m_hMenu))
	{
		OpenBarTitle(*pBar, nKey);
	}
}

void OnToolkitMenuKey(HWND hWnd, ToolkitMenuKey nKey)
{
	::SendMessage(hWnd, WM_SYSCOMMAND, SC_KEYMENU, nKey == ToolkitMenuKey::WindowMenu ? ' ' : 0);
}
