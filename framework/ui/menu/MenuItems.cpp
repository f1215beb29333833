// The menu functions on items: adding, changing and removing them, their states and texts. An
// item is named by its position, or by its command id searched depth first through the popups.
#include "framework/ui/menu/Menu.h"

#include "framework/ui/menu/MenuRecord.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr UINT NO_ITEM = 0xFFFFFFFF;
// Deep enough for any real menu; a popup holding its own ancestor does not lead the search round forever.
constexpr int MAX_POPUP_DEPTH = 32;

struct ItemPlace
{
	CMenuRecord* pMenu;
	size_t nPos;
};

bool IsCommand(const MenuItemRecord& item)
{
	return (item.nFlags & (MF_POPUP | MF_SEPARATOR)) == 0;
}

bool FindCommand(CMenuRecord* pRecord, UINT nID, int nDepth, ItemPlace& place)
{
	for (size_t i = 0; i < pRecord->Items().size(); ++i)
	{
		const MenuItemRecord& item = pRecord->Items()[i];
		if (IsCommand(item) && item.nID == nID)
		{
			place = { pRecord, i };
			return true;
		}
		CMenuRecord* pSubMenu = CMenuRecord::SubMenuOf(item);
		if (pSubMenu != nullptr && nDepth < MAX_POPUP_DEPTH && FindCommand(pSubMenu, nID, nDepth + 1, place))
		{
			return true;
		}
	}
	return false;
}

bool FindItem(HMENU hMenu, UINT nItem, UINT nFlags, ItemPlace& place)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	if (pRecord == nullptr)
	{
		return false;
	}
	if ((nFlags & MF_BYPOSITION) == 0)
	{
		return FindCommand(pRecord, nItem, 0, place);
	}
	if (nItem >= pRecord->Items().size())
	{
		return false;
	}
	place = { pRecord, nItem };
	return true;
}

// The item that AppendMenu, InsertMenu and ModifyMenu describe with their flags, id and text.
// Bitmaps and owner-drawn items are not drawn: they show no text.
bool MakeItem(CMenuRecord& holder, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem, MenuItemRecord& item)
{
	item = MenuItemRecord{ nFlags & ~MF_BYPOSITION, 0, CString(), nullptr, false };
	if ((nFlags & MF_SEPARATOR) != 0)
	{
		return true;
	}
	if ((nFlags & (MF_BITMAP | MF_OWNERDRAW)) == 0 && lpszNewItem != nullptr)
	{
		item.strText = lpszNewItem;
	}
	if ((nFlags & MF_POPUP) == 0)
	{
		item.nID = static_cast<UINT>(nIDNewItem);
		return true;
	}
	CMenuRecord* pSubMenu = CMenuRecord::FromHandle(reinterpret_cast<HMENU>(nIDNewItem));
	if (pSubMenu == nullptr || pSubMenu == &holder)
	{
		return false;
	}
	item.hSubMenu = pSubMenu->Handle();
	pSubMenu->m_hParent = holder.Handle();
	return true;
}

BOOL InsertAt(CMenuRecord& holder, size_t nPos, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
	MenuItemRecord item;
	if (!MakeItem(holder, nFlags, nIDNewItem, lpszNewItem, item))
	{
		return FALSE;
	}
	holder.ChangeItems([nPos, &item](std::vector<MenuItemRecord>& items)
	{
		items.insert(items.begin() + static_cast<std::ptrdiff_t>(nPos), item);
	});
	return TRUE;
}

// Takes the item out of its menu; its popup, if any, is left to the caller.
MenuItemRecord TakeItem(const ItemPlace& place)
{
	MenuItemRecord item = place.pMenu->Items()[place.nPos];
	place.pMenu->ChangeItems([&place](std::vector<MenuItemRecord>& items)
	{
		items.erase(items.begin() + static_cast<std::ptrdiff_t>(place.nPos));
	});
	return item;
}

// Sets the bits of mask in the item to bits; returns their previous value, or NO_ITEM.
UINT ChangeState(HMENU hMenu, UINT nItem, UINT nFlags, UINT nMask, UINT nBits)
{
	ItemPlace place = {};
	if (!FindItem(hMenu, nItem, nFlags, place))
	{
		return NO_ITEM;
	}
	const UINT nPrevious = place.pMenu->Items()[place.nPos].nFlags & nMask;
	place.pMenu->ChangeItems([&place, nMask, nBits](std::vector<MenuItemRecord>& items)
	{
		MenuItemRecord& item = items[place.nPos];
		item.nFlags = (item.nFlags & ~nMask) | (nBits & nMask);
		if ((nMask & MF_CHECKED) != 0)
		{
			item.bRadio = false;
		}
	});
	return nPrevious;
}

}

BOOL AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	return pRecord != nullptr && InsertAt(*pRecord, pRecord->Items().size(), uFlags, uIDNewItem, lpNewItem);
}

// By position, a position past the end (0xFFFFFFFF, say) appends; by command, the new item goes
// before that command's item, in whichever popup holds it.
BOOL InsertMenu(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	if (pRecord == nullptr)
	{
		return FALSE;
	}
	ItemPlace place = { pRecord, std::min<size_t>(uPosition, pRecord->Items().size()) };
	if ((uFlags & MF_BYPOSITION) == 0 && !FindCommand(pRecord, uPosition, 0, place))
	{
		return FALSE;
	}
	return InsertAt(*place.pMenu, place.nPos, uFlags, uIDNewItem, lpNewItem);
}

// Replacing an item that opens a popup destroys that popup, as on Windows, unless the new item
// opens the same one.
BOOL ModifyMenu(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem)
{
	ItemPlace place = {};
	MenuItemRecord item;
	if (!FindItem(hMenu, uPosition, uFlags, place) || !MakeItem(*place.pMenu, uFlags, uIDNewItem, lpNewItem, item))
	{
		return FALSE;
	}
	const MenuItemRecord& old = place.pMenu->Items()[place.nPos];
	CMenuRecord* pOldSubMenu = CMenuRecord::SubMenuOf(old);
	if (pOldSubMenu != nullptr && old.hSubMenu == item.hSubMenu)
	{
		pOldSubMenu = nullptr;
	}
	place.pMenu->ChangeItems([&place, &item](std::vector<MenuItemRecord>& items) { items[place.nPos] = item; });
	if (pOldSubMenu != nullptr)
	{
		DestroyMenuRecord(pOldSubMenu);
	}
	return TRUE;
}

BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags)
{
	ItemPlace place = {};
	if (!FindItem(hMenu, uPosition, uFlags, place))
	{
		return FALSE;
	}
	const MenuItemRecord item = TakeItem(place);
	if (CMenuRecord* pSubMenu = CMenuRecord::SubMenuOf(item))
	{
		DestroyMenuRecord(pSubMenu);
	}
	return TRUE;
}

BOOL RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags)
{
	ItemPlace place = {};
	if (!FindItem(hMenu, uPosition, uFlags, place))
	{
		return FALSE;
	}
	const MenuItemRecord item = TakeItem(place);
	CMenuRecord* pSubMenu = CMenuRecord::SubMenuOf(item);
	if (pSubMenu != nullptr && pSubMenu->m_hParent == place.pMenu->Handle())
	{
		pSubMenu->m_hParent = nullptr;
	}
	return TRUE;
}

UINT EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable)
{
	return ChangeState(hMenu, uIDEnableItem, uEnable, MF_GRAYED | MF_DISABLED, uEnable);
}

DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck)
{
	return ChangeState(hMenu, uIDCheckItem, uCheck, MF_CHECKED, uCheck);
}

// The group is the items from first to last (positions or commands) in the menu holding check.
BOOL CheckMenuRadioItem(HMENU hMenu, UINT first, UINT last, UINT check, UINT flags)
{
	ItemPlace place = {};
	if (!FindItem(hMenu, check, flags, place))
	{
		return FALSE;
	}
	place.pMenu->ChangeItems([&place, first, last, flags](std::vector<MenuItemRecord>& items)
	{
		for (size_t i = 0; i < items.size(); ++i)
		{
			const UINT nKey = (flags & MF_BYPOSITION) != 0 ? static_cast<UINT>(i) : items[i].nID;
			if (!IsCommand(items[i]) || nKey < first || nKey > last)
			{
				continue;
			}
			const bool bChecked = i == place.nPos;
			items[i].nFlags = bChecked ? items[i].nFlags | MF_CHECKED : items[i].nFlags & ~MF_CHECKED;
			items[i].bRadio = bChecked;
		}
	});
	return TRUE;
}

int GetMenuItemCount(HMENU hMenu)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	return pRecord != nullptr ? static_cast<int>(pRecord->Items().size()) : -1;
}

UINT GetMenuItemID(HMENU hMenu, int nPos)
{
	ItemPlace place = {};
	if (nPos < 0 || !FindItem(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION, place))
	{
		return NO_ITEM;
	}
	const MenuItemRecord& item = place.pMenu->Items()[place.nPos];
	return (item.nFlags & MF_POPUP) != 0 ? NO_ITEM : item.nID;
}

UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags)
{
	ItemPlace place = {};
	if (!FindItem(hMenu, uId, uFlags, place))
	{
		return NO_ITEM;
	}
	const MenuItemRecord& item = place.pMenu->Items()[place.nPos];
	const UINT nState = item.nFlags & ~(MF_BITMAP | MF_OWNERDRAW);
	if (CMenuRecord* pSubMenu = CMenuRecord::SubMenuOf(item))
	{
		return (static_cast<UINT>(pSubMenu->Items().size()) << 8) | (nState & 0xFF);
	}
	return nState;
}

// The number of characters copied, without the terminating NUL; with no buffer, the text's length.
int GetMenuString(HMENU hMenu, UINT uIDItem, LPTSTR lpString, int cchMax, UINT flags)
{
	ItemPlace place = {};
	if (!FindItem(hMenu, uIDItem, flags, place))
	{
		return 0;
	}
	const CString& strText = place.pMenu->Items()[place.nPos].strText;
	if (lpString == nullptr || cchMax <= 0)
	{
		return strText.GetLength();
	}
	const int nCopy = std::min(strText.GetLength(), cchMax - 1);
	std::memcpy(lpString, static_cast<LPCTSTR>(strText), static_cast<size_t>(nCopy));
	lpString[nCopy] = '\0';
	return nCopy;
}

HMENU GetSubMenu(HMENU hMenu, int nPos)
{
	ItemPlace place = {};
	if (nPos < 0 || !FindItem(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION, place))
	{
		return nullptr;
	}
	CMenuRecord* pSubMenu = CMenuRecord::SubMenuOf(place.pMenu->Items()[place.nPos]);
	return pSubMenu != nullptr ? pSubMenu->Handle() : nullptr;
}
