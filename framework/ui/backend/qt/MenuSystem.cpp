// The window menu with the standard commands, and the menu keys: Alt+Space, F10 and Alt with the
// letter a menu-bar title marks, all arriving as WM_SYSCOMMAND with SC_KEYMENU.
#include "framework/ui/backend/qt/MenuSystem.h"

#include "framework/core/MenuConstants.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/menu/Menu.h"
#include "framework/ui/backend/qt/MenuRecord.h"
#include "framework/ui/backend/qt/MenuSession.h"
#include "framework/ui/backend/qt/MenuWidgets.h"
#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/Wnd.h"

#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

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
	pRecord->m_hWnd = host.Handle();
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
	if (hMenu == nullptr || NativeWidget(host.Handle()) == nullptr || !host.IsVisibleOnScreen())
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
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	QMenu* pMenu = pHost != nullptr && pRecord != nullptr && MenuSessionOpen() ? MenuPopupWidget(*pRecord) : nullptr;
	if (pMenu != nullptr)
	{
		// At the window's top-left corner, where Windows has the window menu's icon.
		const CPoint ptClient = pHost->ClientOriginOnScreen();
		pMenu->popup(QPoint(ptClient.x, ptClient.y - pHost->m_nMenuBarHeight));
	}
	if (pMenu == nullptr || !pMenu->isVisible())
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
	for (size_t i = 0; i < bar.m_items.size(); ++i)
	{
		const MenuItemRecord& item = bar.m_items[i];
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
	QAction* pTitle = nPos >= 0 ? bar.m_pBar->actions().value(nPos) : nullptr;
	if (pTitle == nullptr)
	{
		MessageBeep(MB_OK);
		return;
	}
	bar.m_pBar->setActiveAction(pTitle);
	// As with Alt and a letter, the popup opens with its first item selected.
	QMenu* pMenu = pTitle->menu();
	if (pMenu == nullptr || !pMenu->isVisible())
	{
		return;
	}
	for (QAction* pAction : pMenu->actions())
	{
		if (!pAction->isSeparator() && pAction->isEnabled())
		{
			pMenu->setActiveAction(pAction);
			return;
		}
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
	CMenuRecord* pBar = CMenuRecord::FromHandle(pHost->m_hMenu);
	if (pBar != nullptr && pBar->m_pBar != nullptr)
	{
		OpenBarTitle(*pBar, nKey);
	}
}

void MenuInstallWindowKeys(HWND hWnd, QWidget* pWidget)
{
	QShortcut* pShortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), pWidget);
	pShortcut->setContext(Qt::WindowShortcut);
	QObject::connect(pShortcut, &QShortcut::activated, pShortcut,
		[hWnd] { ::SendMessage(hWnd, WM_SYSCOMMAND, SC_KEYMENU, ' '); });
}
