// CMenu: attaching to menu handles; every operation is the handle function of the same name.
#include "framework/ui/menu/Menu.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/menu/MenuRecord.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

CMenu::CMenu()
	: m_hMenu(nullptr)
{
}

CMenu::~CMenu()
{
	DestroyMenu();
}

CMenu::operator HMENU() const
{
	return m_hMenu;
}

HMENU CMenu::GetSafeHmenu() const
{
	return m_hMenu;
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	if (pRecord == nullptr)
	{
		return nullptr;
	}
	return pRecord->m_pMenuObject != nullptr ? pRecord->m_pMenuObject : pRecord->TemporaryMenu();
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	return pRecord != nullptr ? pRecord->m_pMenuObject : nullptr;
}

BOOL CMenu::Attach(HMENU hNewMenu)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hNewMenu);
	if (pRecord == nullptr || m_hMenu != nullptr || pRecord->m_pMenuObject != nullptr)
	{
		return FALSE;
	}
	pRecord->m_pMenuObject = this;
	m_hMenu = hNewMenu;
	return TRUE;
}

HMENU CMenu::Detach()
{
	HMENU hMenu = m_hMenu;
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	if (pRecord != nullptr && pRecord->m_pMenuObject == this)
	{
		pRecord->m_pMenuObject = nullptr;
	}
	m_hMenu = nullptr;
	return hMenu;
}

BOOL CMenu::CreateMenu()
{
	return m_hMenu == nullptr && Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
	return m_hMenu == nullptr && Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
	return LoadMenu(MAKEINTRESOURCE(nIDResource));
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
	return m_hMenu == nullptr && Attach(::LoadMenu(nullptr, lpszResourceName));
}

// A temporary CMenu goes with its menu, so nothing of this object is used after the call.
BOOL CMenu::DestroyMenu()
{
	HMENU hMenu = Detach();
	return hMenu != nullptr && ::DestroyMenu(hMenu);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
	return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
	return ::InsertMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
	return ::ModifyMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
	return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
	return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
	return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
	return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDCheckItem, UINT nFlags)
{
	return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDCheckItem, nFlags);
}

UINT CMenu::GetMenuItemCount() const
{
	return static_cast<UINT>(::GetMenuItemCount(m_hMenu));
}

UINT CMenu::GetMenuItemID(int nPos) const
{
	return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
	return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const
{
	return ::GetMenuString(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
	rString.Empty();
	const int nLength = ::GetMenuString(m_hMenu, nIDItem, nullptr, 0, nFlags);
	if (nLength <= 0)
	{
		return 0;
	}
	const int nCopied = ::GetMenuString(m_hMenu, nIDItem, rString.GetBuffer(nLength), nLength + 1, nFlags);
	rString.ReleaseBuffer(nCopied);
	return nCopied;
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
	return FromHandle(::GetSubMenu(m_hMenu, nPos));
}
