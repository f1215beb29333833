// Menus between the model and the toolkit: a change to the items of an open popup shows at once,
// the menu keys the toolkit reports open the right menu, and a tracked popup's corner.
#include "tests/framework_ui/menu/MenuTestSupport.h"

#include "framework/ui/backend/Driver.h"
#include "framework/ui/testing/MenuDriving.h"
#include "framework/ui/window/MenuLoop.h"
#include "tests/support/EventPump.h"

#include <gtest/gtest.h>

namespace
{

constexpr UINT ID_NUOVO = 32800;
constexpr UINT MOUSE = MF_HILITE | MF_MOUSESELECT;

class OpenPopupChangeTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(m_wnd.CreateTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE));
		m_hBar = m_wnd.SetTestMenu();
		ASSERT_NE(nullptr, m_hBar);
		m_hFile = ::GetSubMenu(m_hBar, 0);
		m_hModulazione = ::GetSubMenu(m_hBar, 1);
	}

	void TearDown() override
	{
		AfxMenuCloseAll();
	}

	CMenuResources m_resources;
	CMenuLogWindow m_wnd;
	HMENU m_hBar = nullptr;
	HMENU m_hFile = nullptr;
	HMENU m_hModulazione = nullptr;
};

TEST_F(OpenPopupChangeTest, AnItemAppendedWhileThePopupIsOpenCanBeHoveredAndChosen)
{
	ASSERT_TRUE(AfxMenuOpenBarPopup(&m_wnd, 0));
	ASSERT_TRUE(::AppendMenu(m_hFile, MF_STRING, ID_NUOVO, "&Nuovo"));
	m_wnd.m_log.clear();
	ASSERT_TRUE(AfxMenuHoverItem(m_hFile, 4));
	EXPECT_EQ(std::vector<std::string>{ MenuSelectText(ID_NUOVO, MOUSE, "File") }, m_wnd.LogWithoutIdle());
	ASSERT_TRUE(AfxMenuClickItem(m_hFile, 4));
	EXPECT_TRUE(m_wnd.PumpUntilLogged("COMMAND " + std::to_string(ID_NUOVO) + " 0 0"));
}

// A greyed item does nothing when clicked: the popup stays open, as on Windows.
TEST_F(OpenPopupChangeTest, AnItemGreyedWhileThePopupIsOpenNoLongerClosesIt)
{
	ASSERT_TRUE(AfxMenuOpenBarPopup(&m_wnd, 0));
	::EnableMenuItem(m_hFile, ID_SALVA, MF_BYCOMMAND | MF_GRAYED);
	ASSERT_TRUE(AfxMenuClickItem(m_hFile, 0));
	EXPECT_EQ(1u, AfxMenuGetOpenPopupCount());
	EXPECT_EQ(0, m_wnd.CountOf("COMMAND " + std::to_string(ID_SALVA) + " 0 0"));
}

// The item of a popup destroyed under its menu stays where it was and opens nothing.
TEST_F(OpenPopupChangeTest, APopupDestroyedUnderItsMenuLeavesItsItemInPlace)
{
	ASSERT_TRUE(::DestroyMenu(::GetSubMenu(m_hModulazione, 4)));
	ASSERT_TRUE(AfxMenuOpenBarPopup(&m_wnd, 1));
	m_wnd.m_log.clear();
	ASSERT_TRUE(AfxMenuHoverItem(m_hModulazione, 4));
	EXPECT_EQ(std::vector<std::string>{ MenuSelectText(4, MF_POPUP | MOUSE, "Modulazione") }, m_wnd.LogWithoutIdle());
	EXPECT_EQ(1u, AfxMenuGetOpenPopupCount());
}

struct KeyCase
{
	const char* pszName;
	ToolkitMenuKey nKey;
	int nBarPopup;	// the position of the title whose popup opens, -1 for the window menu
};

class ToolkitMenuKeyTest : public OpenPopupChangeTest, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(ToolkitMenuKeyTest, TheKeyOpensItsMenu)
{
	OnToolkitMenuKey(m_wnd.m_hWnd, GetParam().nKey);
	const HMENU hExpected =
		GetParam().nBarPopup < 0 ? m_wnd.GetSystemMenu(FALSE)->m_hMenu : ::GetSubMenu(m_hBar, GetParam().nBarPopup);
	ASSERT_EQ(1u, AfxMenuGetOpenPopupCount());
	EXPECT_EQ(hExpected, AfxMenuGetOpenPopup(0));
	EXPECT_EQ(1, m_wnd.CountOf("SYSCOMMAND " + std::to_string(SC_KEYMENU)));
}

INSTANTIATE_TEST_SUITE_P(Keys, ToolkitMenuKeyTest,
	::testing::Values(KeyCase{ "AltSpace", ToolkitMenuKey::WindowMenu, -1 }, KeyCase{ "F10", ToolkitMenuKey::MenuBar, 0 }),
	[](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.pszName); });

struct OriginCase
{
	const char* pszName;
	UINT nFlags;
	CPoint ptOrigin;
};

class TrackedOriginTest : public ::testing::TestWithParam<OriginCase>
{
};

// A popup 120 by 61 pixels tracked at (300, 200).
TEST_P(TrackedOriginTest, ThePopupsCornerFollowsTheAlignment)
{
	EXPECT_EQ(GetParam().ptOrigin, MenuTrackedOrigin(CSize(120, 61), GetParam().nFlags, CPoint(300, 200)));
}

INSTANTIATE_TEST_SUITE_P(Alignments, TrackedOriginTest,
	::testing::Values(OriginCase{ "LeftTop", TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, CPoint(300, 200) },
		OriginCase{ "RightBottom", TPM_RIGHTALIGN | TPM_BOTTOMALIGN, CPoint(180, 139) },
		OriginCase{ "Centred", TPM_CENTERALIGN | TPM_VCENTERALIGN, CPoint(240, 170) },
		OriginCase{ "RightCentred", TPM_RIGHTALIGN | TPM_VCENTERALIGN, CPoint(180, 170) }),
	[](const ::testing::TestParamInfo<OriginCase>& info) { return std::string(info.param.pszName); });

}
