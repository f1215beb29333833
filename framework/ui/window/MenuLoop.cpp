// The menu loop of a window and the messages it sends. The toolkit's popups do not block, so the
// loop is a state kept between the toolkit's reports; WM_ENTERIDLE goes out when the event loop is
// about to wait.
#include "framework/ui/window/MenuLoop.h"

#include "framework/core/MenuConstants.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/menu/MenuRecord.h"
#include "framework/ui/window/EventLoops.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/Wnd.h"

#include <algorithm>
#include <memory>

namespace
{

struct MenuSession
{
	unsigned long nSerial;
	HWND hWnd;
	bool bTrackPopup;
	bool bNotify;
	bool bClosed;	// every popup has closed
	HMENU hInitialisedRoot;	// its WM_INITMENUPOPUP went out before it was shown
	std::vector<HMENU> openPopups;
	HMENU hHovered;	// the item last reported in WM_MENUSELECT
	int nHovered;
	bool bChosen;
	UINT nChosenID;
	bool bChosenFromSystemMenu;
};

std::unique_ptr<MenuSession> s_pSession;
unsigned long s_nSerial = 0;
bool s_bMouseInput = false;

bool IsCurrent(unsigned long nSerial)
{
	return s_pSession != nullptr && s_pSession->nSerial == nSerial;
}

// Sends to the window of the loop; the loop may have ended when this returns.
void Notify(UINT message, WPARAM wParam, LPARAM lParam)
{
	if (s_pSession != nullptr && s_pSession->bNotify)
	{
		::SendMessage(s_pSession->hWnd, message, wParam, lParam);
	}
}

// The HIWORD of WM_MENUSELECT for the item at nPos.
UINT SelectFlags(const CMenuRecord& record, size_t nPos)
{
	const UINT nState = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW;
	UINT nFlags = (record.Items()[nPos].nFlags & nState) | MF_HILITE;
	if (s_bMouseInput)
	{
		nFlags |= MF_MOUSESELECT;
	}
	if (record.m_bSystemMenu)
	{
		nFlags |= MF_SYSMENU;
	}
	return nFlags;
}

// The LOWORD of WM_MENUSELECT: the command, or the position of an item that opens a popup.
UINT SelectItem(const CMenuRecord& record, size_t nPos)
{
	const MenuItemRecord& item = record.Items()[nPos];
	return (item.nFlags & MF_POPUP) != 0 ? static_cast<UINT>(nPos) : item.nID;
}

// WM_ENTERIDLE is due the next time the event loop waits.
void AwaitIdle()
{
	AfxGetDriver().RequestMenuIdle();
}

// Switching from one popup to another hides the first before it shows the second, so the loop
// looks again once the toolkit is done before deciding that everything has closed.
void CheckClosed(unsigned long nSerial)
{
	if (!IsCurrent(nSerial) || !s_pSession->openPopups.empty() || s_pSession->bClosed)
	{
		return;
	}
	s_pSession->bClosed = true;
	if (s_pSession->bTrackPopup)
	{
		AfxCheckLoops();
		return;
	}
	const HWND hWnd = s_pSession->hWnd;
	bool bSystemMenu = false;
	const UINT nID = MenuEndSession(&bSystemMenu);
	// Windows posts the command once the menu loop is over.
	if (nID != 0 && bSystemMenu)
	{
		::PostMessage(hWnd, WM_SYSCOMMAND, nID, 0);
	}
	else if (nID != 0)
	{
		::PostMessage(hWnd, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(nID), 0), 0);
	}
}

}

BOOL MenuBeginSession(HWND hWnd, HMENU hMenu, bool bTrackPopup, bool bNotify)
{
	if (s_pSession != nullptr || !::IsWindow(hWnd))
	{
		return FALSE;
	}
	s_pSession = std::make_unique<MenuSession>();
	s_pSession->nSerial = ++s_nSerial;
	s_pSession->hWnd = hWnd;
	s_pSession->bTrackPopup = bTrackPopup;
	s_pSession->bNotify = bNotify;
	s_pSession->bClosed = false;
	s_pSession->hInitialisedRoot = nullptr;
	s_pSession->hHovered = nullptr;
	s_pSession->nHovered = -1;
	s_pSession->bChosen = false;
	s_pSession->nChosenID = 0;
	s_pSession->bChosenFromSystemMenu = false;
	const unsigned long nSerial = s_pSession->nSerial;
	AwaitIdle();
	Notify(WM_ENTERMENULOOP, bTrackPopup ? TRUE : FALSE, 0);
	if (IsCurrent(nSerial))
	{
		Notify(WM_INITMENU, reinterpret_cast<WPARAM>(hMenu), 0);
	}
	return IsCurrent(nSerial);
}

void MenuInitRootPopup(HMENU hMenu)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	if (s_pSession == nullptr || pRecord == nullptr)
	{
		return;
	}
	s_pSession->hInitialisedRoot = hMenu;
	Notify(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(0, pRecord->m_bSystemMenu ? TRUE : FALSE));
}

bool MenuSessionOpen()
{
	return s_pSession != nullptr && !s_pSession->bClosed && ::IsWindow(s_pSession->hWnd);
}

UINT MenuSessionChoice()
{
	return s_pSession != nullptr && s_pSession->bChosen ? s_pSession->nChosenID : 0;
}

UINT MenuEndSession(bool* pbSystemMenu)
{
	if (s_pSession == nullptr)
	{
		return 0;
	}
	// The loop is over before the window hears of it, so its handlers may open menus again.
	std::unique_ptr<MenuSession> pSession = std::move(s_pSession);
	if (pSession->bNotify && ::IsWindow(pSession->hWnd))
	{
		::SendMessage(pSession->hWnd, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
		::SendMessage(pSession->hWnd, WM_EXITMENULOOP, pSession->bTrackPopup ? TRUE : FALSE, 0);
	}
	if (pbSystemMenu != nullptr)
	{
		*pbSystemMenu = pSession->bChosenFromSystemMenu;
	}
	return pSession->bChosen ? pSession->nChosenID : 0;
}

void MenuDropSession(HWND hWnd)
{
	if (s_pSession != nullptr && s_pSession->hWnd == hWnd)
	{
		s_pSession.reset();
	}
}

std::vector<HMENU> MenuOpenPopups()
{
	return s_pSession != nullptr ? s_pSession->openPopups : std::vector<HMENU>();
}

void OnToolkitMenuPopupShowing(HMENU hMenu)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	if (pRecord == nullptr)
	{
		return;
	}
	// A popup of the menu bar opening starts the window's menu loop.
	if (s_pSession == nullptr)
	{
		const HWND hWnd = pRecord->OwnerWindow();
		CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
		if (pHost == nullptr || !MenuBeginSession(hWnd, pHost->m_hMenu, false, true))
		{
			return;
		}
	}
	if (s_pSession->bClosed)
	{
		return;
	}
	const unsigned long nSerial = s_pSession->nSerial;
	s_pSession->openPopups.push_back(hMenu);
	AwaitIdle();
	s_pSession->hHovered = nullptr;
	if (hMenu != s_pSession->hInitialisedRoot)
	{
		CMenuRecord* pParent = CMenuRecord::FromHandle(pRecord->m_hParent);
		const int nPos = pParent != nullptr ? pParent->PositionOf(pRecord) : -1;
		// The toolkit reports no hovering over the titles of a menu bar: the title is selected as its
		// popup opens.
		if (nPos >= 0 && !pParent->m_bPopup)
		{
			Notify(WM_MENUSELECT,
				MAKEWPARAM(static_cast<WORD>(nPos), static_cast<WORD>(SelectFlags(*pParent, static_cast<size_t>(nPos)))),
				reinterpret_cast<LPARAM>(pParent->Handle()));
		}
		if (IsCurrent(nSerial) && CMenuRecord::FromHandle(hMenu) != nullptr)
		{
			Notify(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu),
				MAKELPARAM(static_cast<WORD>(std::max(nPos, 0)), pRecord->m_bSystemMenu ? TRUE : FALSE));
		}
	}
}

void OnToolkitMenuPopupHiding(HMENU hMenu)
{
	if (s_pSession == nullptr)
	{
		return;
	}
	std::vector<HMENU>& open = s_pSession->openPopups;
	open.erase(std::remove(open.begin(), open.end(), hMenu), open.end());
	if (open.empty())
	{
		const unsigned long nSerial = s_pSession->nSerial;
		AfxGetDriver().CallSoon([nSerial] { CheckClosed(nSerial); });
	}
}

void OnToolkitMenuItemHovered(HMENU hMenu, int nPos)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	if (s_pSession == nullptr || s_pSession->bClosed || pRecord == nullptr)
	{
		return;
	}
	if (nPos < 0 || static_cast<size_t>(nPos) >= pRecord->Items().size())
	{
		s_pSession->hHovered = nullptr;
		return;
	}
	if (s_pSession->hHovered == hMenu && s_pSession->nHovered == nPos)
	{
		return;
	}
	s_pSession->hHovered = hMenu;
	s_pSession->nHovered = nPos;
	AwaitIdle();
	const size_t nItem = static_cast<size_t>(nPos);
	Notify(WM_MENUSELECT,
		MAKEWPARAM(static_cast<WORD>(SelectItem(*pRecord, nItem)), static_cast<WORD>(SelectFlags(*pRecord, nItem))),
		reinterpret_cast<LPARAM>(hMenu));
}

void OnToolkitMenuItemChosen(HMENU hMenu, int nPos)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	if (pRecord == nullptr || nPos < 0 || static_cast<size_t>(nPos) >= pRecord->Items().size())
	{
		return;
	}
	const MenuItemRecord& item = pRecord->Items()[static_cast<size_t>(nPos)];
	if ((item.nFlags & (MF_POPUP | MF_SEPARATOR | MF_GRAYED | MF_DISABLED)) != 0)
	{
		return;
	}
	// A title of the menu bar that is a command of its own opens no popup, and so no loop.
	if (s_pSession == nullptr)
	{
		::PostMessage(pRecord->OwnerWindow(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(item.nID), 0), 0);
		return;
	}
	s_pSession->bChosen = true;
	s_pSession->nChosenID = item.nID;
	s_pSession->bChosenFromSystemMenu = pRecord->m_bSystemMenu;
}

void MenuNoteInput(bool bMouse)
{
	s_bMouseInput = bMouse;
}

void OnToolkitMenuInput(bool bMouse)
{
	MenuNoteInput(bMouse);
}

void OnToolkitMenuIdle()
{
	if (s_pSession != nullptr && !s_pSession->bClosed)
	{
		Notify(WM_ENTERIDLE, MSGF_MENU, reinterpret_cast<LPARAM>(s_pSession->hWnd));
	}
}
