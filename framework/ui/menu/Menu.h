// CMenu: the framework object attached to a menu handle, a menu bar or a popup, and the menu
// functions of the Windows API that work on handles; those that need a window are in
// window/WindowMenus.h.
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/MenuConstants.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

class CWnd;

class CMenu : public CObject
{
	DECLARE_DYNCREATE(CMenu)

public:
	CMenu();
	// Destroys the attached menu, as the Windows framework does; Detach a menu that must outlive
	// the object (one given to a window, for instance).
	~CMenu() override;

	CMenu(const CMenu&) = delete;
	CMenu& operator=(const CMenu&) = delete;

	HMENU m_hMenu;

	operator HMENU() const;
	HMENU GetSafeHmenu() const;
	// The CMenu attached to hMenu, or a temporary one that lives as long as the menu; null for a
	// handle that is not a menu.
	static CMenu* FromHandle(HMENU hMenu);
	static CMenu* FromHandlePermanent(HMENU hMenu);
	BOOL Attach(HMENU hNewMenu);
	HMENU Detach();

	// A menu bar (CreateMenu) or a popup (CreatePopupMenu), empty; or a menu bar from a menu
	// template found by id along the resource chain ("#129" or MAKEINTRESOURCE(129) as a name).
	BOOL CreateMenu();
	BOOL CreatePopupMenu();
	BOOL LoadMenu(UINT nIDResource);
	BOOL LoadMenu(LPCTSTR lpszResourceName);
	// Destroys the menu and its popups.
	BOOL DestroyMenu();

	// Items. With MF_POPUP nIDNewItem is the popup's HMENU; MF_BYPOSITION in nFlags names the item
	// by position, otherwise by command id. DeleteMenu destroys an item's popup, RemoveMenu keeps it.
	BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
	BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
	BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
	BOOL DeleteMenu(UINT nPosition, UINT nFlags);
	BOOL RemoveMenu(UINT nPosition, UINT nFlags);

	// The previous state (MF_GRAYED, MF_DISABLED, MF_CHECKED), or 0xFFFFFFFF for no such item.
	UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
	UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
	// Checks nIDCheckItem with a bullet and unchecks the other items from nIDFirst to nIDLast.
	BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDCheckItem, UINT nFlags);

	UINT GetMenuItemCount() const;
	// 0 for a separator, 0xFFFFFFFF for an item that opens a popup (or no item at nPos).
	UINT GetMenuItemID(int nPos) const;
	// The item's MF_ flags; for a popup, its item count in the high byte.
	UINT GetMenuState(UINT nID, UINT nFlags) const;
	int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const;
	int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
	CMenu* GetSubMenu(int nPos) const;

	// Shows the popup at (x, y) on the screen and returns once it closes; the item chosen is sent
	// to pWnd as WM_COMMAND. Goes through the modal seam, which may choose for the user. It needs
	// a window, so it is defined beside the menu loop, in window/TrackPopup.cpp.
	BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);
};

HMENU CreateMenu();
HMENU CreatePopupMenu();
// hInstance is ignored: templates are found along the resource chain.
HMENU LoadMenu(HINSTANCE hInstance, LPCTSTR lpMenuName);
BOOL DestroyMenu(HMENU hMenu);
BOOL IsMenu(HMENU hMenu);

BOOL AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem);
BOOL InsertMenu(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem);
BOOL ModifyMenu(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem);
BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags);
BOOL RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags);
UINT EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable);
DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck);
BOOL CheckMenuRadioItem(HMENU hMenu, UINT first, UINT last, UINT check, UINT flags);
// -1 for a handle that is not a menu.
int GetMenuItemCount(HMENU hMenu);
UINT GetMenuItemID(HMENU hMenu, int nPos);
UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags);
int GetMenuString(HMENU hMenu, UINT uIDItem, LPTSTR lpString, int cchMax, UINT flags);
HMENU GetSubMenu(HMENU hMenu, int nPos);
