// The window menu: its standard commands by window style and state, items the program appends,
// opening it with the keyboard's SC_KEYMENU, and its commands arriving as WM_SYSCOMMAND.
#include "tests/framework_ui/menu/MenuTestSupport.h"

#include "framework/ui/testing/MenuDriving.h"
#include "tests/support/EventPump.h"

#include <gtest/gtest.h>

namespace
{

constexpr UINT IDM_ABOUTBOX = 16;
constexpr DWORD DIALOG_STYLE = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
constexpr UINT SYSTEM_MOUSE = MF_HILITE | MF_MOUSESELECT | MF_SYSMENU;

std::vector<UINT> IdsOf(HMENU hMenu)
{
	std::vector<UINT> ids;
	for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
	{
		ids.push_back(::GetMenuItemID(hMenu, i));
	}
	return ids;
}

struct StyleCase
{
	const char* pszName;
	DWORD dwStyle;
	std::vector<UINT> ids;
};

class SystemMenuStyleTest : public ::testing::TestWithParam<StyleCase>
{
};

TEST_P(SystemMenuStyleTest, TheWindowMenuHoldsTheCommandsTheStyleAllows)
{
	CMenuLogWindow wnd;
	ASSERT_TRUE(wnd.CreateTopLevel(GetParam().dwStyle));
	CMenu* pSystemMenu = wnd.GetSystemMenu(FALSE);
	ASSERT_NE(nullptr, pSystemMenu);
	EXPECT_EQ(GetParam().ids, IdsOf(pSystemMenu->m_hMenu));
	EXPECT_EQ(pSystemMenu, wnd.GetSystemMenu(FALSE));
	CString strText;
	pSystemMenu->GetMenuString(SC_CLOSE, strText, MF_BYCOMMAND);
	EXPECT_STREQ("&Chiudi\tAlt+F4", strText);
}

INSTANTIATE_TEST_SUITE_P(Styles, SystemMenuStyleTest,
	::testing::Values(StyleCase{ "Dialog", DIALOG_STYLE, { SC_MOVE, 0, SC_CLOSE } },
		StyleCase{ "Sizable", DIALOG_STYLE | WS_THICKFRAME, { SC_MOVE, SC_SIZE, 0, SC_CLOSE } },
		StyleCase{ "Minimizable", DIALOG_STYLE | WS_MINIMIZEBOX, { SC_RESTORE, SC_MOVE, SC_MINIMIZE, 0, SC_CLOSE } },
		StyleCase{ "Overlapped", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
			{ SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, 0, SC_CLOSE } }),
	[](const ::testing::TestParamInfo<StyleCase>& info) { return std::string(info.param.pszName); });

TEST(SystemMenuTest, AWindowWithoutSystemMenuStyleHasNone)
{
	CMenuLogWindow wnd;
	ASSERT_TRUE(wnd.CreateTopLevel(WS_POPUP | WS_CAPTION | WS_VISIBLE));
	EXPECT_EQ(nullptr, wnd.GetSystemMenu(FALSE));
	wnd.SendMessage(WM_SYSCOMMAND, SC_KEYMENU, ' ');
	EXPECT_EQ(0u, AfxMenuGetOpenPopupCount());
}

TEST(SystemMenuTest, AnAppendedItemOpenedWithAltSpaceSendsWMSysCommand)
{
	CMenuLogWindow wnd;
	ASSERT_TRUE(wnd.CreateTopLevel(DIALOG_STYLE));
	CMenu* pSystemMenu = wnd.GetSystemMenu(FALSE);
	ASSERT_NE(nullptr, pSystemMenu);
	pSystemMenu->AppendMenu(MF_SEPARATOR);
	pSystemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, "Infor&mazioni su Ondivar");
	wnd.m_names[pSystemMenu->m_hMenu] = "system";
	wnd.SendMessage(WM_SYSCOMMAND, SC_KEYMENU, ' ');
	ASSERT_EQ(1u, AfxMenuGetOpenPopupCount());
	EXPECT_EQ(pSystemMenu->m_hMenu, AfxMenuGetOpenPopup(0));
	ASSERT_TRUE(AfxMenuClickItem(pSystemMenu->m_hMenu, 4));
	ASSERT_TRUE(wnd.PumpUntilLogged("SYSCOMMAND 16"));
	EXPECT_EQ((std::vector<std::string>{ "SYSCOMMAND 61696", "ENTERMENULOOP 0", "INITMENU system", "INITMENUPOPUP system 0 1",
				  MenuSelectText(IDM_ABOUTBOX, SYSTEM_MOUSE, "system"), MenuSelectText(0, 0xFFFF, "null"),
				  "EXITMENULOOP 0", "SYSCOMMAND 16" }),
		wnd.LogWithoutIdle());
}

TEST(SystemMenuTest, ChoosingCloseClosesTheWindow)
{
	CMenuLogWindow wnd;
	ASSERT_TRUE(wnd.CreateTopLevel(DIALOG_STYLE));
	wnd.SendMessage(WM_SYSCOMMAND, SC_KEYMENU, ' ');
	ASSERT_TRUE(AfxMenuClickItem(wnd.GetSystemMenu(FALSE)->m_hMenu, 2));
	ASSERT_TRUE(PumpUntil([&wnd] { return wnd.m_hWnd == nullptr; }));
	EXPECT_TRUE(wnd.Logged("SYSCOMMAND " + std::to_string(SC_CLOSE)));
}

TEST(SystemMenuTest, StandardCommandsAreGreyedAsTheWindowsStateMakesThemPointless)
{
	CMenuLogWindow wnd;
	ASSERT_TRUE(wnd.CreateTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE));
	HMENU hSystemMenu = wnd.GetSystemMenu(FALSE)->m_hMenu;
	const UINT commands[] = { SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE };
	auto greyed = [&]
	{
		std::vector<bool> states;
		for (UINT nID : commands)
		{
			states.push_back((::GetMenuState(hSystemMenu, nID, MF_BYCOMMAND) & MF_GRAYED) != 0);
		}
		return states;
	};
	wnd.SendMessage(WM_SYSCOMMAND, SC_KEYMENU, ' ');
	AfxMenuCloseAll();
	EXPECT_EQ((std::vector<bool>{ true, false, false, false, false, false }), greyed());
	ASSERT_TRUE(PumpUntil([&wnd] { return wnd.Logged("EXITMENULOOP 0"); }));
	wnd.ShowWindow(SW_MAXIMIZE);
	wnd.SendMessage(WM_SYSCOMMAND, SC_KEYMENU, ' ');
	AfxMenuCloseAll();
	EXPECT_EQ((std::vector<bool>{ false, true, true, false, true, false }), greyed());
}

TEST(SystemMenuTest, RevertingDropsTheProgramsItems)
{
	CMenuLogWindow wnd;
	ASSERT_TRUE(wnd.CreateTopLevel(DIALOG_STYLE));
	HMENU hChanged = wnd.GetSystemMenu(FALSE)->m_hMenu;
	::AppendMenu(hChanged, MF_STRING, IDM_ABOUTBOX, "Infor&mazioni su Ondivar");
	EXPECT_EQ(nullptr, wnd.GetSystemMenu(TRUE));
	EXPECT_FALSE(::IsMenu(hChanged));
	EXPECT_EQ(0xFFFFFFFF, wnd.GetSystemMenu(FALSE)->GetMenuState(IDM_ABOUTBOX, MF_BYCOMMAND));
}

}
