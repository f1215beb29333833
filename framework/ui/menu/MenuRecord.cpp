// The table of live menus, their relations, the one door of changes to their items, and
// destroying a menu with its popups.
#include "framework/ui/menu/MenuRecord.h"

#include "framework/core/MenuConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/menu/Menu.h"

#include <algorithm>

namespace
{

std::vector<CMenuRecord*>& Registry()
{
	static std::vector<CMenuRecord*> s_menus;
	return s_menus;
}

MenuWindowRelease s_pfnWindowRelease = nullptr;

}

CMenuRecord::CMenuRecord(bool bPopup)
	: m_bPopup(bPopup)
	, m_bSystemMenu(false)
	, m_hParent(nullptr)
	, m_hWnd(nullptr)
	, m_pMenuObject(nullptr)
{
	Registry().push_back(this);
}

CMenuRecord::~CMenuRecord()
{
	auto& menus = Registry();
	menus.erase(std::remove(menus.begin(), menus.end(), this), menus.end());
	// The temporary CMenu must not destroy the menu a second time.
	if (m_pTempMenu != nullptr)
	{
		m_pTempMenu->m_hMenu = nullptr;
	}
}

CMenuRecord* CMenuRecord::FromHandle(HMENU hMenu)
{
	if (hMenu == nullptr)
	{
		return nullptr;
	}
	const auto& menus = Registry();
	auto it = std::find(menus.begin(), menus.end(), static_cast<CMenuRecord*>(hMenu));
	return it != menus.end() ? *it : nullptr;
}

HMENU CMenuRecord::Handle()
{
	return this;
}

CMenu* CMenuRecord::TemporaryMenu()
{
	if (m_pTempMenu == nullptr)
	{
		m_pTempMenu = std::make_unique<CMenu>();
		m_pTempMenu->m_hMenu = Handle();
	}
	return m_pTempMenu.get();
}

const std::vector<MenuItemRecord>& CMenuRecord::Items() const
{
	return m_items;
}

void CMenuRecord::ChangeItems(const std::function<void(std::vector<MenuItemRecord>&)>& fnChange)
{
	fnChange(m_items);
	AfxGetDriver().SyncMenu(Handle());
}

CMenuRecord* CMenuRecord::SubMenuOf(const MenuItemRecord& item)
{
	return (item.nFlags & MF_POPUP) != 0 ? FromHandle(item.hSubMenu) : nullptr;
}

HWND CMenuRecord::OwnerWindow() const
{
	const CMenuRecord* pRecord = this;
	// A popup taken by several menus in turn could lead round in a circle; the depth is bounded.
	for (size_t nDepth = 0; pRecord != nullptr && nDepth <= Registry().size(); ++nDepth)
	{
		if (pRecord->m_hWnd != nullptr)
		{
			return pRecord->m_hWnd;
		}
		pRecord = FromHandle(pRecord->m_hParent);
	}
	return nullptr;
}

int CMenuRecord::PositionOf(const CMenuRecord* pSubMenu) const
{
	for (size_t i = 0; i < m_items.size(); ++i)
	{
		if (m_items[i].hSubMenu == pSubMenu)
		{
			return static_cast<int>(i);
		}
	}
	return -1;
}

void DestroyMenuRecord(CMenuRecord* pRecord)
{
	HMENU hMenu = pRecord->Handle();
	if (pRecord->m_hWnd != nullptr && s_pfnWindowRelease != nullptr)
	{
		s_pfnWindowRelease(pRecord->m_hWnd, hMenu);
	}
	// Taking the items first ends the walk should a popup hold one of its own ancestors.
	const std::vector<MenuItemRecord> items = std::move(pRecord->m_items);
	pRecord->m_items.clear();
	for (const MenuItemRecord& item : items)
	{
		if (CMenuRecord* pSubMenu = CMenuRecord::FromHandle(item.hSubMenu))
		{
			DestroyMenuRecord(pSubMenu);
		}
	}
	if (CMenuRecord::FromHandle(hMenu) == nullptr)
	{
		return;
	}
	if (pRecord->m_pMenuObject != nullptr)
	{
		pRecord->m_pMenuObject->m_hMenu = nullptr;
	}
	CMenuRecord* pParent = CMenuRecord::FromHandle(pRecord->m_hParent);
	const bool bStillHeld = pParent != nullptr && pParent->PositionOf(pRecord) >= 0;
	AfxGetDriver().DestroyMenuWidgets(hMenu);
	delete pRecord;
	// A menu still holding the popup shows its item as one that opens nothing.
	if (bStillHeld)
	{
		AfxGetDriver().SyncMenu(pParent->Handle());
	}
}

void AfxSetMenuWindowRelease(MenuWindowRelease pfnRelease)
{
	s_pfnWindowRelease = pfnRelease;
}
