// A window's menus: its menu bar and its window menu, for CWnd and by handle.
#include "framework/ui/window/WindowMenus.h"

#include "framework/ui/backend/Driver.h"
#include "framework/ui/menu/Menu.h"
#include "framework/ui/menu/MenuRecord.h"
#include "framework/ui/window/MenuBar.h"
#include "framework/ui/window/SystemMenu.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/Wnd.h"

HMENU GetMenu(HWND hWnd)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	return pHost != nullptr ? pHost->m_hMenu : nullptr;
}

// Windows gives menu bars to top-level windows only.
BOOL SetMenu(HWND hWnd, HMENU hMenu)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	if (pHost == nullptr || pHost->IsChildWindow() || (hMenu != nullptr && pRecord == nullptr))
	{
		return FALSE;
	}
	if (pRecord == nullptr)
	{
		MenuDetachBar(*pHost);
	}
	else if (pHost->m_hMenu != hMenu)
	{
		MenuAttachBar(*pHost, *pRecord);
	}
	return TRUE;
}

BOOL DrawMenuBar(HWND hWnd)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(GetMenu(hWnd));
	if (pRecord == nullptr)
	{
		return FALSE;
	}
	AfxGetDriver().SyncMenu(pRecord->Handle());
	return TRUE;
}

HMENU GetSystemMenu(HWND hWnd, BOOL bRevert)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	if (pHost == nullptr)
	{
		return nullptr;
	}
	if (bRevert)
	{
		DestroyMenu(pHost->m_hSystemMenu);
		return nullptr;
	}
	return MenuSystemMenuOf(*pHost);
}

BOOL CWnd::SetMenu(CMenu* pMenu)
{
	return ::SetMenu(m_hWnd, pMenu != nullptr ? pMenu->m_hMenu : nullptr);
}

CMenu* CWnd::GetMenu() const
{
	return CMenu::FromHandle(::GetMenu(m_hWnd));
}

void CWnd::DrawMenuBar()
{
	::DrawMenuBar(m_hWnd);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
	return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}
