// Helpers of the menu tests: a resource module with a test menu, and a top-level window that
// writes down the messages of the menu loop in words, naming menus as the test named them.
#pragma once

#include "framework/core/Resources.h"
#include "framework/ui/menu/Menu.h"
#include "framework/ui/window/WindowMenus.h"
#include "framework/ui/window/Wnd.h"

#include <map>
#include <string>
#include <vector>

// Commands of the test menu.
constexpr UINT ID_SALVA = 32798;
constexpr UINT ID_SALVA_NOME = 32799;
constexpr UINT ID_ESCI = 1;
constexpr UINT ID_AMPIEZZA = 32784;
constexpr UINT ID_FREQUENZA = 32785;
constexpr UINT ID_FASE = 32786;
constexpr UINT ID_PRIMO = 32790;
constexpr UINT ID_SECONDO = 32791;
constexpr UINT ID_ABOUT = 57664;
constexpr UINT IDR_TEST_MENU = 900;

// Menu 900: "&File" (Salva, Salva con Nome, -, Esci), "&Modulazione" (Ampiezza, Frequenza
// checked, Fase greyed, -, "A&ltro" opening Primo and Secondo), "&?" (Informazioni).
class CMenuResources
{
public:
	CMenuResources();
	~CMenuResources();

	CMenuResources(const CMenuResources&) = delete;
	CMenuResources& operator=(const CMenuResources&) = delete;

private:
	CResourceModule m_module;
};

// The words a message is written down in; menus are named by the window's m_names.
std::string MenuSelectText(UINT nItem, UINT nFlags, const std::string& strMenu);

class CMenuLogWindow : public CWnd
{
public:
	BOOL CreateTopLevel(DWORD dwStyle = WS_POPUP | WS_VISIBLE, const CRect& rect = CRect(100, 100, 400, 300));
	// Loads menu 900 as the window's menu bar and names it "bar", its popups "File",
	// "Modulazione", "?" and the popup of "A&ltro" "Altro".
	HMENU SetTestMenu();
	std::string NameOf(HMENU hMenu) const;
	// The entries for one message, ignoring WM_ENTERIDLE, which comes whenever the loop idles.
	std::vector<std::string> LogWithoutIdle() const;
	bool Logged(const std::string& strEntry) const;
	int CountOf(const std::string& strEntry) const;
	// Runs the event loop until the entry is written down; FALSE if it never is.
	BOOL PumpUntilLogged(const std::string& strEntry) const;

	std::vector<std::string> m_log;
	std::map<HMENU, std::string> m_names;
	HWND m_hIdleWindow = nullptr;	// lParam of the last WM_ENTERIDLE

protected:
	LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
