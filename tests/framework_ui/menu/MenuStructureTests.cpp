// Menus as data: loading a template with mnemonics, separators and nested popups, changing items
// by position and by command, their states and texts, and CMenu's hold on its handle.
#include "tests/framework_ui/menu/MenuTestSupport.h"

#include <gtest/gtest.h>

namespace
{

constexpr UINT NO_ITEM = 0xFFFFFFFF;

std::vector<UINT> IdsOf(HMENU hMenu)
{
	std::vector<UINT> ids;
	for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
	{
		ids.push_back(::GetMenuItemID(hMenu, i));
	}
	return ids;
}

std::vector<std::string> TextsOf(HMENU hMenu)
{
	std::vector<std::string> texts;
	CMenu* pMenu = CMenu::FromHandle(hMenu);
	for (UINT i = 0; i < pMenu->GetMenuItemCount(); ++i)
	{
		CString strText;
		pMenu->GetMenuString(i, strText, MF_BYPOSITION);
		texts.push_back(static_cast<LPCTSTR>(strText));
	}
	return texts;
}

struct PopupCase
{
	const char* pszName;
	std::vector<int> path;	// positions from the menu bar down
	std::vector<UINT> ids;
	std::vector<std::string> texts;
};

class MenuTemplateTest : public ::testing::TestWithParam<PopupCase>
{
protected:
	CMenuResources m_resources;
};

TEST_P(MenuTemplateTest, PopupHoldsTheTemplatesItems)
{
	CMenu menu;
	ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
	HMENU hMenu = menu.m_hMenu;
	for (int nPos : GetParam().path)
	{
		hMenu = ::GetSubMenu(hMenu, nPos);
		ASSERT_NE(nullptr, hMenu);
	}
	EXPECT_EQ(GetParam().ids, IdsOf(hMenu));
	EXPECT_EQ(GetParam().texts, TextsOf(hMenu));
}

INSTANTIATE_TEST_SUITE_P(Menu900, MenuTemplateTest,
	::testing::Values(PopupCase{ "Bar", {}, { NO_ITEM, NO_ITEM, NO_ITEM }, { "&File", "&Modulazione", "&?" } },
		PopupCase{ "File", { 0 }, { ID_SALVA, ID_SALVA_NOME, 0, ID_ESCI },
			{ "&Salva\tCtrl+S", "Salva con &Nome...", "", "&Esci" } },
		PopupCase{ "Modulazione", { 1 }, { ID_AMPIEZZA, ID_FREQUENZA, ID_FASE, 0, NO_ITEM },
			{ "&Ampiezza", "F&requenza", "&Fase", "", "A&ltro" } },
		PopupCase{ "Altro", { 1, 4 }, { ID_PRIMO, ID_SECONDO }, { "&Primo", "&Secondo" } },
		PopupCase{ "Help", { 2 }, { ID_ABOUT }, { "Infor&mazioni su Ondivar..." } }),
	[](const ::testing::TestParamInfo<PopupCase>& info) { return std::string(info.param.pszName); });

TEST(MenuTemplateStateTest, StatesComeFromTheTemplateAndPopupsCountTheirItems)
{
	CMenuResources resources;
	CMenu menu;
	ASSERT_TRUE(menu.LoadMenu("#900"));
	CMenu* pModulazione = menu.GetSubMenu(1);
	EXPECT_EQ(MF_STRING, pModulazione->GetMenuState(ID_AMPIEZZA, MF_BYCOMMAND));
	EXPECT_EQ(MF_CHECKED, pModulazione->GetMenuState(ID_FREQUENZA, MF_BYCOMMAND));
	EXPECT_EQ(MF_GRAYED, menu.GetMenuState(ID_FASE, MF_BYCOMMAND));
	EXPECT_EQ(MF_SEPARATOR, pModulazione->GetMenuState(3, MF_BYPOSITION));
	EXPECT_EQ(MF_POPUP | (2u << 8), pModulazione->GetMenuState(4, MF_BYPOSITION));
	EXPECT_EQ(NO_ITEM, menu.GetMenuState(12345, MF_BYCOMMAND));
}

TEST(MenuTemplateStateTest, UnknownTemplatesLoadNothing)
{
	CMenuResources resources;
	CMenu menu;
	EXPECT_FALSE(menu.LoadMenu(901));
	EXPECT_FALSE(menu.LoadMenu("Menu900"));
	EXPECT_EQ(nullptr, ::LoadMenu(nullptr, "#901"));
	EXPECT_TRUE(menu.LoadMenu(MAKEINTRESOURCE(IDR_TEST_MENU)));
	// A CMenu holds one menu at a time.
	EXPECT_FALSE(menu.LoadMenu(IDR_TEST_MENU));
}

TEST(MenuItemTest, ItemsGoInByPositionOrBeforeACommandInWhicheverPopupHoldsIt)
{
	CMenuResources resources;
	CMenu menu;
	ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
	HMENU hAltro = ::GetSubMenu(::GetSubMenu(menu, 1), 4);
	EXPECT_TRUE(menu.InsertMenu(ID_SECONDO, MF_BYCOMMAND | MF_STRING, 40000, "&Nuovo"));
	EXPECT_EQ((std::vector<UINT>{ ID_PRIMO, 40000, ID_SECONDO }), IdsOf(hAltro));
	EXPECT_TRUE(::InsertMenu(hAltro, 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr));
	EXPECT_TRUE(::InsertMenu(hAltro, NO_ITEM, MF_BYPOSITION | MF_STRING, 40001, "Ultimo"));
	EXPECT_TRUE(::AppendMenu(hAltro, MF_STRING | MF_GRAYED, 40002, "Aggiunto"));
	EXPECT_EQ((std::vector<UINT>{ 0, ID_PRIMO, 40000, ID_SECONDO, 40001, 40002 }), IdsOf(hAltro));
	EXPECT_EQ(MF_GRAYED, ::GetMenuState(hAltro, 40002, MF_BYCOMMAND));
	EXPECT_FALSE(menu.InsertMenu(12345, MF_BYCOMMAND | MF_STRING, 40003, "Dove?"));
	EXPECT_FALSE(::AppendMenu(nullptr, MF_STRING, 40004, "Nessun menu"));
}

TEST(MenuItemTest, DeleteDestroysAPopupRemoveKeepsIt)
{
	CMenuResources resources;
	CMenu menu;
	ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
	HMENU hFile = ::GetSubMenu(menu, 0);
	HMENU hModulazione = ::GetSubMenu(menu, 1);
	HMENU hAltro = ::GetSubMenu(hModulazione, 4);
	EXPECT_TRUE(menu.RemoveMenu(0, MF_BYPOSITION));
	EXPECT_TRUE(::IsMenu(hFile));
	EXPECT_TRUE(menu.DeleteMenu(0, MF_BYPOSITION));
	EXPECT_FALSE(::IsMenu(hModulazione));
	EXPECT_FALSE(::IsMenu(hAltro));
	EXPECT_EQ((std::vector<std::string>{ "&?" }), TextsOf(menu));
	EXPECT_FALSE(menu.DeleteMenu(5, MF_BYPOSITION));
	EXPECT_TRUE(::DestroyMenu(hFile));
	EXPECT_FALSE(::DestroyMenu(hFile));
}

TEST(MenuItemTest, ModifyReplacesTheItemAndDestroysAPopupItNoLongerOpens)
{
	CMenuResources resources;
	CMenu menu;
	ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
	HMENU hModulazione = ::GetSubMenu(menu, 1);
	HMENU hAltro = ::GetSubMenu(hModulazione, 4);
	EXPECT_TRUE(menu.ModifyMenu(ID_AMPIEZZA, MF_BYCOMMAND | MF_STRING | MF_CHECKED, 40000, "A&M"));
	EXPECT_EQ(40000u, ::GetMenuItemID(hModulazione, 0));
	EXPECT_EQ(MF_CHECKED, ::GetMenuState(hModulazione, 0, MF_BYPOSITION));
	EXPECT_TRUE(::ModifyMenu(hModulazione, 4, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(hAltro), "Altro"));
	EXPECT_TRUE(::IsMenu(hAltro));
	EXPECT_EQ((std::vector<std::string>{ "A&M", "F&requenza", "&Fase", "", "Altro" }), TextsOf(hModulazione));
	EXPECT_TRUE(::ModifyMenu(hModulazione, 4, MF_BYPOSITION | MF_STRING, 40001, "Niente"));
	EXPECT_FALSE(::IsMenu(hAltro));
	EXPECT_EQ(40001u, ::GetMenuItemID(hModulazione, 4));
	// A popup cannot hold itself.
	EXPECT_FALSE(::AppendMenu(hModulazione, MF_POPUP, reinterpret_cast<UINT_PTR>(hModulazione), "Io"));
}

TEST(MenuStateTest, EnableAndCheckReturnThePreviousStateFoundThroughPopups)
{
	CMenuResources resources;
	CMenu menu;
	ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
	EXPECT_EQ(MF_ENABLED, menu.EnableMenuItem(ID_PRIMO, MF_BYCOMMAND | MF_GRAYED));
	EXPECT_EQ(MF_GRAYED, menu.EnableMenuItem(ID_PRIMO, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED));
	EXPECT_EQ(MF_DISABLED | MF_GRAYED, menu.EnableMenuItem(ID_PRIMO, MF_BYCOMMAND | MF_ENABLED));
	EXPECT_EQ(MF_CHECKED, menu.CheckMenuItem(ID_FREQUENZA, MF_BYCOMMAND | MF_UNCHECKED));
	EXPECT_EQ(MF_UNCHECKED, menu.CheckMenuItem(ID_FREQUENZA, MF_BYCOMMAND | MF_CHECKED));
	EXPECT_EQ(MF_CHECKED, ::GetMenuState(menu, ID_FREQUENZA, MF_BYCOMMAND));
	EXPECT_EQ(NO_ITEM, menu.EnableMenuItem(12345, MF_BYCOMMAND | MF_GRAYED));
	EXPECT_EQ(NO_ITEM, menu.CheckMenuItem(7, MF_BYPOSITION | MF_CHECKED));
	// The title of a popup is an item of the menu bar like any other.
	EXPECT_EQ(MF_ENABLED, menu.EnableMenuItem(1, MF_BYPOSITION | MF_GRAYED));
	EXPECT_EQ(MF_POPUP | MF_GRAYED | (5u << 8), menu.GetMenuState(1, MF_BYPOSITION));
}

TEST(MenuStateTest, RadioCheckClearsTheOtherItemsOfItsRangeOnly)
{
	CMenuResources resources;
	CMenu menu;
	ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
	CMenu* pModulazione = menu.GetSubMenu(1);
	EXPECT_TRUE(menu.CheckMenuRadioItem(ID_AMPIEZZA, ID_FASE, ID_AMPIEZZA, MF_BYCOMMAND));
	EXPECT_EQ(MF_CHECKED, pModulazione->GetMenuState(ID_AMPIEZZA, MF_BYCOMMAND));
	EXPECT_EQ(MF_UNCHECKED, pModulazione->GetMenuState(ID_FREQUENZA, MF_BYCOMMAND));
	pModulazione->CheckMenuItem(ID_FREQUENZA, MF_BYCOMMAND | MF_CHECKED);
	EXPECT_TRUE(pModulazione->CheckMenuRadioItem(2, 2, 2, MF_BYPOSITION));
	EXPECT_EQ(MF_CHECKED | MF_GRAYED, pModulazione->GetMenuState(ID_FASE, MF_BYCOMMAND));
	EXPECT_EQ(MF_CHECKED, pModulazione->GetMenuState(ID_AMPIEZZA, MF_BYCOMMAND));
	EXPECT_EQ(MF_CHECKED, pModulazione->GetMenuState(ID_FREQUENZA, MF_BYCOMMAND));
	EXPECT_FALSE(menu.CheckMenuRadioItem(ID_AMPIEZZA, ID_FASE, 12345, MF_BYCOMMAND));
}

TEST(MenuStateTest, MenuStringsAreCutToTheBufferAndMeasuredWithout)
{
	CMenuResources resources;
	CMenu menu;
	ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
	char szText[6];
	EXPECT_EQ(5, menu.GetMenuString(ID_SALVA, szText, sizeof(szText), MF_BYCOMMAND));
	EXPECT_STREQ("&Salv", szText);
	EXPECT_EQ(13, menu.GetMenuString(ID_SALVA, nullptr, 0, MF_BYCOMMAND));
	EXPECT_EQ(0, menu.GetMenuString(12345, szText, sizeof(szText), MF_BYCOMMAND));
	CString strText("old");
	EXPECT_EQ(0, menu.GetMenuString(0, strText, MF_BYCOMMAND));
	EXPECT_TRUE(strText.IsEmpty());
}

TEST(MenuStateTest, OutOfRangePositionsNameNoItem)
{
	CMenuResources resources;
	CMenu menu;
	ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
	EXPECT_EQ(NO_ITEM, menu.GetMenuItemID(3));
	EXPECT_EQ(NO_ITEM, menu.GetMenuItemID(-1));
	EXPECT_EQ(nullptr, menu.GetSubMenu(3));
	EXPECT_EQ(nullptr, menu.GetSubMenu(0)->GetSubMenu(0));
	EXPECT_EQ(-1, ::GetMenuItemCount(nullptr));
}

TEST(MenuObjectTest, AnAttachedMenuIsTheOneFromHandleGivesAndGoesWithTheObject)
{
	HMENU hMenu = nullptr;
	{
		CMenu menu;
		ASSERT_TRUE(menu.CreatePopupMenu());
		hMenu = menu.m_hMenu;
		EXPECT_EQ(&menu, CMenu::FromHandle(hMenu));
		EXPECT_EQ(&menu, CMenu::FromHandlePermanent(hMenu));
		CMenu other;
		EXPECT_FALSE(other.Attach(hMenu));
	}
	EXPECT_FALSE(::IsMenu(hMenu));
	EXPECT_EQ(nullptr, CMenu::FromHandle(hMenu));
}

TEST(MenuObjectTest, ADetachedMenuLivesOnWithATemporaryObject)
{
	HMENU hMenu = nullptr;
	{
		CMenu menu;
		ASSERT_TRUE(menu.CreateMenu());
		hMenu = menu.Detach();
	}
	ASSERT_TRUE(::IsMenu(hMenu));
	CMenu* pTemporary = CMenu::FromHandle(hMenu);
	ASSERT_NE(nullptr, pTemporary);
	EXPECT_EQ(pTemporary, CMenu::FromHandle(hMenu));
	EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(hMenu));
	EXPECT_EQ(hMenu, pTemporary->m_hMenu);
	EXPECT_TRUE(pTemporary->DestroyMenu());
	EXPECT_FALSE(::IsMenu(hMenu));
}

TEST(MenuObjectTest, AMenuDestroyedWithItsParentLetsItsObjectGo)
{
	CMenu popup;
	ASSERT_TRUE(popup.CreatePopupMenu());
	HMENU hBar = ::CreateMenu();
	ASSERT_TRUE(::AppendMenu(hBar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup.m_hMenu), "&Popup"));
	EXPECT_TRUE(::DestroyMenu(hBar));
	EXPECT_EQ(nullptr, popup.m_hMenu);
}

}
