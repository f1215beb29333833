// What an HMENU points at: the menu's items as the Windows platform keeps them, and the Qt
// widget that shows the menu, a menu bar inside a window or a popup.
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

#include <QPointer>

#include <memory>
#include <vector>

class CMenu;
class QMenu;
class QMenuBar;

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

	// The window whose menu bar or window menu this is, found from a popup through its parents.
	HWND OwnerWindow() const;
	// The position of pSubMenu's item in this menu, or -1.
	int PositionOf(const CMenuRecord* pSubMenu) const;

	bool m_bPopup;
	bool m_bSystemMenu;
	std::vector<MenuItemRecord> m_items;
	HMENU m_hParent;	// the menu that last took this popup as an item
	HWND m_hWnd;	// set on a window's menu bar and window menu
	CMenu* m_pMenuObject;	// the permanent CMenu attached, if any
	QPointer<QMenuBar> m_pBar;
	QPointer<QMenu> m_pPopup;

private:
	std::unique_ptr<CMenu> m_pTempMenu;
};

// Destroys the menu, its popups and their widgets; a CMenu attached to any of them lets go.
void DestroyMenuRecord(CMenuRecord* pRecord);
