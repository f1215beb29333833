// The table of live menus, their relations, and destroying a menu with its popups.
#include "framework/ui/backend/qt/MenuRecord.h"

#include "framework/ui/menu/Menu.h"
#include "framework/ui/backend/qt/MenuBar.h"
#include "framework/ui/backend/qt/MenuWidgets.h"
#include "framework/ui/window/WindowRecord.h"

#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace
{

std::vector<CMenuRecord*>& Registry()
{
	static std::vector<CMenuRecord*> s_menus;
	return s_menus;
}

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
	if (CWindowRecord* pHost = CWindowRecord::FromHandle(pRecord->m_hWnd))
	{
		if (pHost->m_hMenu == hMenu)
		{
			MenuDetachBar(*pHost);
		}
		if (pHost->m_hSystemMenu == hMenu)
		{
			pHost->m_hSystemMenu = nullptr;
		}
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
	MenuDisposeWidget(pRecord->m_pBar);
	MenuDisposeWidget(pRecord->m_pPopup);
	delete pRecord;
}
