// What an HMENU points at: the menu's items as the Windows platform keeps them, the menu and the
// window it belongs to, and the CMenu attached. The toolkit's widgets for it are the driver's.
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

#include <functional>
#include <memory>
#include <vector>

class CMenu;

struct HMENU__
{
};

struct MenuItemRecord
{
	UINT nFlags;	// MF_POPUP, MF_SEPARATOR, MF_GRAYED, MF_DISABLED, MF_CHECKED, ...
	UINT nID;	// the command; 0 for a separator and for an item that opens a popup
	CString strText;
	HMENU hSubMenu;	// the popup the item opens
	bool bRadio;	// checked with a bullet
};

class CMenuRecord : public HMENU__
{
public:
	explicit CMenuRecord(bool bPopup);
	~CMenuRecord();

	CMenuRecord(const CMenuRecord&) = delete;
	CMenuRecord& operator=(const CMenuRecord&) = delete;

	// Null for a handle that is not (or no longer) a menu.
	static CMenuRecord* FromHandle(HMENU hMenu);
	HMENU Handle();
	CMenu* TemporaryMenu();

	const std::vector<MenuItemRecord>& Items() const;
	// Every change to the items goes through here, and the driver then shows them as they are.
	void ChangeItems(const std::function<void(std::vector<MenuItemRecord>&)>& fnChange);
	// The popup an item opens, when it opens one that still exists.
	static CMenuRecord* SubMenuOf(const MenuItemRecord& item);

	// The window whose menu bar or window menu this is, found from a popup through its parents.
	HWND OwnerWindow() const;
	// The position of pSubMenu's item in this menu, or -1.
	int PositionOf(const CMenuRecord* pSubMenu) const;

	bool m_bPopup;
	bool m_bSystemMenu;
	HMENU m_hParent;	// the menu that last took this popup as an item
	HWND m_hWnd;	// set on a window's menu bar and window menu, by the window layer
	CMenu* m_pMenuObject;	// the permanent CMenu attached, if any

private:
	friend void DestroyMenuRecord(CMenuRecord* pRecord);

	std::vector<MenuItemRecord> m_items;
	std::unique_ptr<CMenu> m_pTempMenu;
};

// Destroys the menu, its popups and their widgets; a CMenu attached to any of them lets go. A
// window's menu is first taken off the window by the window layer's release function.
void DestroyMenuRecord(CMenuRecord* pRecord);

// The window layer's part in destroying a menu whose m_hWnd it set: the window no longer shows it.
using MenuWindowRelease = void (*)(HWND hWnd, HMENU hMenu);
void AfxSetMenuWindowRelease(MenuWindowRelease pfnRelease);
