// A window's menu bar: the menu the window shows across its top, the room it takes from the client
// area, and the window's menus destroyed with it.
#include "framework/ui/window/MenuBar.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/menu/Menu.h"
#include "framework/ui/menu/MenuRecord.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/MenuLoop.h"
#include "framework/ui/window/WindowRecord.h"

namespace
{

// The bar is part of the window's non-client area: the window keeps its rectangle, the client
// area gives up the bar's height and hears WM_SIZE, as on Windows.
void SetBarHeight(CWindowRecord& host, int nHeight)
{
	const CSize oldClient = host.ClientSize();
	host.m_nMenuBarHeight = nHeight;
	if (host.m_bDestroying)
	{
		return;
	}
	host.ApplyGeometry();
	const CSize newClient = host.ClientSize();
	if (newClient == oldClient)
	{
		return;
	}
	host.InvalidateClient(true);
	const WPARAM nType = host.m_bIconic ? SIZE_MINIMIZED : (host.m_bZoomed ? SIZE_MAXIMIZED : SIZE_RESTORED);
	host.Send(WM_SIZE, nType, MAKELPARAM(static_cast<WORD>(newClient.cx), static_cast<WORD>(newClient.cy)));
}

void DropBar(CWindowRecord& host)
{
	if (CMenuRecord* pOld = CMenuRecord::FromHandle(host.m_hMenu))
	{
		pOld->m_hWnd = nullptr;
		AfxGetDriver().DetachMenuBar(pOld->Handle());
	}
	host.m_hMenu = nullptr;
}

// A menu of the window is being destroyed.
void ReleaseMenu(HWND hWnd, HMENU hMenu)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	if (pHost == nullptr)
	{
		return;
	}
	if (pHost->m_hMenu == hMenu)
	{
		MenuDetachBar(*pHost);
	}
	if (pHost->m_hSystemMenu == hMenu)
	{
		pHost->m_hSystemMenu = nullptr;
	}
}

}

void MenuAttachBar(CWindowRecord& host, CMenuRecord& record)
{
	if (CWindowRecord* pOtherHost = CWindowRecord::FromHandle(record.m_hWnd))
	{
		if (pOtherHost != &host && pOtherHost->m_hMenu == record.Handle())
		{
			MenuDetachBar(*pOtherHost);
		}
	}
	DropBar(host);
	host.m_hMenu = record.Handle();
	MenuGiveToWindow(record, host.Handle());
	// One row always: where Windows wraps titles that do not fit onto more rows, the toolkit may
	// show a button that lists them.
	const int nHeight = GetSystemMetrics(SM_CYMENU);
	AfxGetDriver().AttachMenuBar(host.Handle(), record.Handle(), nHeight);
	SetBarHeight(host, nHeight);
}

void MenuDetachBar(CWindowRecord& host)
{
	DropBar(host);
	SetBarHeight(host, 0);
}

void MenuGiveToWindow(CMenuRecord& record, HWND hWnd)
{
	AfxSetMenuWindowRelease(&ReleaseMenu);
	record.m_hWnd = hWnd;
}

void MenuReleaseWindow(CWindowRecord& host)
{
	MenuDropSession(host.Handle());
	DestroyMenu(host.m_hMenu);
	DestroyMenu(host.m_hSystemMenu);
}
