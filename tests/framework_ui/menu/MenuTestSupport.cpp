// The test menu's resource module and the window that writes down the menu loop's messages.
#include "tests/framework_ui/menu/MenuTestSupport.h"

#include "tests/support/EventPump.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace
{

const MenuItemTemplate s_file[] = {
	{ MF_STRING, ID_SALVA, "&Salva\tCtrl+S", nullptr, 0 },
	{ MF_STRING, ID_SALVA_NOME, "Salva con &Nome...", nullptr, 0 },
	{ MF_SEPARATOR, 0, nullptr, nullptr, 0 },
	{ MF_STRING, ID_ESCI, "&Esci", nullptr, 0 },
};

const MenuItemTemplate s_altro[] = {
	{ MF_STRING, ID_PRIMO, "&Primo", nullptr, 0 },
	{ MF_STRING, ID_SECONDO, "&Secondo", nullptr, 0 },
};

const MenuItemTemplate s_modulazione[] = {
	{ MF_STRING, ID_AMPIEZZA, "&Ampiezza", nullptr, 0 },
	{ MF_STRING | MF_CHECKED, ID_FREQUENZA, "F&requenza", nullptr, 0 },
	{ MF_STRING | MF_GRAYED, ID_FASE, "&Fase", nullptr, 0 },
	{ MF_SEPARATOR, 0, nullptr, nullptr, 0 },
	{ MF_POPUP, 0, "A&ltro", s_altro, std::size(s_altro) },
};

const MenuItemTemplate s_help[] = {
	{ MF_STRING, ID_ABOUT, "Infor&mazioni su Ondivar...", nullptr, 0 },
};

const MenuItemTemplate s_bar[] = {
	{ MF_POPUP, 0, "&File", s_file, std::size(s_file) },
	{ MF_POPUP, 0, "&Modulazione", s_modulazione, std::size(s_modulazione) },
	{ MF_POPUP, 0, "&?", s_help, std::size(s_help) },
};

const MenuTemplate s_menus[] = {
	{ IDR_TEST_MENU, s_bar, std::size(s_bar) },
};

const StringResource s_strings[] = {
	{ 1, "unused" },
};

}

CMenuResources::CMenuResources()
	: m_module("menu tests", TRUE, s_strings, 1)
{
	m_module.SetMenus(s_menus, std::size(s_menus));
	AfxAddResourceModule(&m_module);
}

CMenuResources::~CMenuResources()
{
	AfxRemoveResourceModule(&m_module);
}

std::string MenuSelectText(UINT nItem, UINT nFlags, const std::string& strMenu)
{
	char szFlags[16];
	std::snprintf(szFlags, sizeof(szFlags), "0x%04X", nFlags);
	return "MENUSELECT " + std::to_string(nItem) + " " + szFlags + " " + strMenu;
}

BOOL CMenuLogWindow::CreateTopLevel(DWORD dwStyle, const CRect& rect)
{
	return CreateEx(0, nullptr, "menus", dwStyle, rect, nullptr, 0);
}

HMENU CMenuLogWindow::SetTestMenu()
{
	HMENU hMenu = ::LoadMenu(nullptr, MAKEINTRESOURCE(IDR_TEST_MENU));
	if (hMenu == nullptr || !::SetMenu(m_hWnd, hMenu))
	{
		return nullptr;
	}
	m_names[hMenu] = "bar";
	m_names[::GetSubMenu(hMenu, 0)] = "File";
	m_names[::GetSubMenu(hMenu, 1)] = "Modulazione";
	m_names[::GetSubMenu(hMenu, 2)] = "?";
	m_names[::GetSubMenu(::GetSubMenu(hMenu, 1), 4)] = "Altro";
	return hMenu;
}

std::string CMenuLogWindow::NameOf(HMENU hMenu) const
{
	if (hMenu == nullptr)
	{
		return "null";
	}
	auto it = m_names.find(hMenu);
	return it != m_names.end() ? it->second : "unnamed";
}

std::vector<std::string> CMenuLogWindow::LogWithoutIdle() const
{
	std::vector<std::string> log;
	std::copy_if(m_log.begin(), m_log.end(), std::back_inserter(log),
		[](const std::string& strEntry) { return strEntry.rfind("ENTERIDLE", 0) != 0; });
	return log;
}

bool CMenuLogWindow::Logged(const std::string& strEntry) const
{
	return CountOf(strEntry) > 0;
}

int CMenuLogWindow::CountOf(const std::string& strEntry) const
{
	return static_cast<int>(std::count(m_log.begin(), m_log.end(), strEntry));
}

BOOL CMenuLogWindow::PumpUntilLogged(const std::string& strEntry) const
{
	return PumpUntil([this, strEntry] { return Logged(strEntry); });
}

LRESULT CMenuLogWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
	const std::string strW = std::to_string(wParam);
	switch (message)
	{
	case WM_ENTERMENULOOP:
		m_log.push_back("ENTERMENULOOP " + strW);
		break;
	case WM_EXITMENULOOP:
		m_log.push_back("EXITMENULOOP " + strW);
		break;
	case WM_INITMENU:
		m_log.push_back("INITMENU " + NameOf(reinterpret_cast<HMENU>(wParam)));
		break;
	case WM_INITMENUPOPUP:
		m_log.push_back("INITMENUPOPUP " + NameOf(reinterpret_cast<HMENU>(wParam)) + " "
			+ std::to_string(LOWORD(static_cast<DWORD_PTR>(lParam))) + " "
			+ std::to_string(HIWORD(static_cast<DWORD_PTR>(lParam))));
		break;
	case WM_MENUSELECT:
		m_log.push_back(MenuSelectText(LOWORD(wParam), HIWORD(wParam), NameOf(reinterpret_cast<HMENU>(lParam))));
		break;
	case WM_ENTERIDLE:
		m_log.push_back("ENTERIDLE " + strW);
		m_hIdleWindow = reinterpret_cast<HWND>(lParam);
		break;
	case WM_COMMAND:
		m_log.push_back("COMMAND " + std::to_string(LOWORD(wParam)) + " " + std::to_string(HIWORD(wParam)) + " "
			+ std::to_string(lParam));
		break;
	case WM_SYSCOMMAND:
		m_log.push_back("SYSCOMMAND " + strW);
		break;
	case WM_APP:
		m_log.push_back("APP");
		break;
	default:
		break;
	}
	return CWnd::WindowProc(message, wParam, lParam);
}
