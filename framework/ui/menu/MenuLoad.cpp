// Making and destroying menus: empty menu bars and popups, and menu bars from menu templates.
#include "framework/ui/menu/Menu.h"

#include "framework/core/Resources.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/menu/MenuRecord.h"

#include <cstdlib>

namespace
{

HMENU BuildMenu(HMENU hMenu, const MenuItemTemplate* pItems, UINT nItems)
{
	for (UINT i = 0; i < nItems; ++i)
	{
		const MenuItemTemplate& item = pItems[i];
		UINT_PTR nIDNewItem = item.nID;
		if ((item.nFlags & MF_POPUP) != 0)
		{
			nIDNewItem = reinterpret_cast<UINT_PTR>(BuildMenu(::CreatePopupMenu(), item.pItems, item.nItems));
		}
		::AppendMenu(hMenu, item.nFlags, nIDNewItem, item.lpszText);
	}
	return hMenu;
}

// A resource name is MAKEINTRESOURCE(id) or "#id"; templates have no other names.
UINT ResourceID(LPCTSTR lpszName)
{
	if (IS_INTRESOURCE(lpszName))
	{
		return LOWORD(reinterpret_cast<UINT_PTR>(lpszName));
	}
	return lpszName[0] == '#' ? static_cast<UINT>(std::strtoul(lpszName + 1, nullptr, 10)) : 0;
}

}

HMENU CreateMenu()
{
	return (new CMenuRecord(false))->Handle();
}

HMENU CreatePopupMenu()
{
	return (new CMenuRecord(true))->Handle();
}

HMENU LoadMenu(HINSTANCE, LPCTSTR lpMenuName)
{
	const MenuTemplate* pTemplate = lpMenuName != nullptr ? AfxFindMenuTemplate(ResourceID(lpMenuName)) : nullptr;
	return pTemplate != nullptr ? BuildMenu(::CreateMenu(), pTemplate->pItems, pTemplate->nItems) : nullptr;
}

BOOL DestroyMenu(HMENU hMenu)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	if (pRecord == nullptr)
	{
		return FALSE;
	}
	DestroyMenuRecord(pRecord);
	return TRUE;
}

BOOL IsMenu(HMENU hMenu)
{
	return CMenuRecord::FromHandle(hMenu) != nullptr;
}
