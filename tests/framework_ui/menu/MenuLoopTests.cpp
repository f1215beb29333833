// The menu loop of a window's menu bar as the window hears it: opening, hovering, choosing and
// closing as recorded message sequences, WM_ENTERIDLE while a menu is open, and the menu keys.
#include "tests/framework_ui/menu/MenuTestSupport.h"

#include "framework/ui/testing/MenuDriving.h"
#include "tests/support/EventPump.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

constexpr UINT MOUSE = MF_HILITE | MF_MOUSESELECT;
const std::string CLOSED = MenuSelectText(0, 0xFFFF, "null");

class MenuLoopTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(m_wnd.CreateTopLevel());
		m_hBar = m_wnd.SetTestMenu();
		ASSERT_NE(nullptr, m_hBar);
		m_hFile = ::GetSubMenu(m_hBar, 0);
		m_hModulazione = ::GetSubMenu(m_hBar, 1);
		m_hAltro = ::GetSubMenu(m_hModulazione, 4);
	}

	void TearDown() override
	{
		AfxMenuCloseAll();
	}

	// Runs the event loop until everything posted so far has been delivered.
	BOOL Settle()
	{
		m_wnd.PostMessage(WM_APP);
		return m_wnd.PumpUntilLogged("APP");
	}

	CMenuResources m_resources;
	CMenuLogWindow m_wnd;
	HMENU m_hBar = nullptr;
	HMENU m_hFile = nullptr;
	HMENU m_hModulazione = nullptr;
	HMENU m_hAltro = nullptr;
};

TEST_F(MenuLoopTest, OpenHoverAndChooseIsOneSequenceEndingInTheCommand)
{
	ASSERT_TRUE(AfxMenuOpenBarPopup(&m_wnd, 0));
	EXPECT_EQ(1u, AfxMenuGetOpenPopupCount());
	EXPECT_EQ(m_hFile, AfxMenuGetOpenPopup(0));
	ASSERT_TRUE(AfxMenuHoverItem(m_hFile, 1));
	ASSERT_TRUE(AfxMenuClickItem(m_hFile, 0));
	ASSERT_TRUE(m_wnd.PumpUntilLogged("COMMAND 32798 0 0"));
	EXPECT_EQ((std::vector<std::string>{ "ENTERMENULOOP 0", "INITMENU bar", MenuSelectText(0, MF_POPUP | MOUSE, "bar"),
				  "INITMENUPOPUP File 0 0", MenuSelectText(ID_SALVA_NOME, MOUSE, "File"),
				  MenuSelectText(ID_SALVA, MOUSE, "File"), CLOSED, "EXITMENULOOP 0", "COMMAND 32798 0 0" }),
		m_wnd.LogWithoutIdle());
	EXPECT_EQ(0u, AfxMenuGetOpenPopupCount());
}

TEST_F(MenuLoopTest, GreyedItemsAndSeparatorsAreSelectedButCannotBeChosen)
{
	ASSERT_TRUE(AfxMenuOpenBarPopup(&m_wnd, 1));
	m_wnd.m_log.clear();
	AfxMenuHoverItem(m_hModulazione, 2);
	AfxMenuHoverItem(m_hModulazione, 3);
	AfxMenuHoverItem(m_hModulazione, 1);
	AfxMenuClickItem(m_hModulazione, 2);
	AfxMenuClickItem(m_hModulazione, 3);
	EXPECT_EQ(1u, AfxMenuGetOpenPopupCount());
	AfxMenuCloseAll();
	ASSERT_TRUE(Settle());
	EXPECT_EQ((std::vector<std::string>{ MenuSelectText(ID_FASE, MF_GRAYED | MOUSE, "Modulazione"),
				  MenuSelectText(0, MF_SEPARATOR | MOUSE, "Modulazione"),
				  MenuSelectText(ID_FREQUENZA, MF_CHECKED | MOUSE, "Modulazione"),
				  MenuSelectText(ID_FASE, MF_GRAYED | MOUSE, "Modulazione"),
				  MenuSelectText(0, MF_SEPARATOR | MOUSE, "Modulazione"), CLOSED, "EXITMENULOOP 0", "APP" }),
		m_wnd.LogWithoutIdle());
}

TEST_F(MenuLoopTest, APopupInAPopupIsSelectedByPositionAndInitialisedWithIt)
{
	ASSERT_TRUE(AfxMenuOpenBarPopup(&m_wnd, 1));
	m_wnd.m_log.clear();
	ASSERT_TRUE(AfxMenuHoverItem(m_hModulazione, 4));
	ASSERT_EQ(2u, AfxMenuGetOpenPopupCount());
	EXPECT_EQ(m_hAltro, AfxMenuGetOpenPopup(1));
	ASSERT_TRUE(AfxMenuClickItem(m_hAltro, 1));
	ASSERT_TRUE(m_wnd.PumpUntilLogged("COMMAND 32791 0 0"));
	EXPECT_EQ((std::vector<std::string>{ MenuSelectText(4, MF_POPUP | MOUSE, "Modulazione"), "INITMENUPOPUP Altro 4 0",
				  MenuSelectText(ID_SECONDO, MOUSE, "Altro"), CLOSED, "EXITMENULOOP 0", "COMMAND 32791 0 0" }),
		m_wnd.LogWithoutIdle());
}

TEST_F(MenuLoopTest, ClosingWithoutChoosingEndsTheLoopWithNoCommand)
{
	ASSERT_TRUE(AfxMenuOpenBarPopup(&m_wnd, 0));
	AfxMenuHoverItem(m_hFile, 0);
	AfxMenuCloseAll();
	ASSERT_TRUE(Settle());
	const std::vector<std::string> log = m_wnd.LogWithoutIdle();
	EXPECT_EQ((std::vector<std::string>{ CLOSED, "EXITMENULOOP 0", "APP" }),
		std::vector<std::string>(log.end() - 3, log.end()));
	EXPECT_EQ(0, m_wnd.CountOf("COMMAND 32798 0 0"));
}

// Qt closes one popup before it opens the next: the loop goes on through the switch.
TEST_F(MenuLoopTest, MovingToAnotherTitleStaysInTheSameLoop)
{
	ASSERT_TRUE(AfxMenuOpenBarPopup(&m_wnd, 0));
	ASSERT_TRUE(AfxMenuOpenBarPopup(&m_wnd, 1));
	ASSERT_TRUE(Settle());
	EXPECT_EQ(m_hModulazione, AfxMenuGetOpenPopup(0));
	EXPECT_EQ((std::vector<std::string>{ "ENTERMENULOOP 0", "INITMENU bar", MenuSelectText(0, MF_POPUP | MOUSE, "bar"),
				  "INITMENUPOPUP File 0 0", MenuSelectText(1, MF_POPUP | MOUSE, "bar"), "INITMENUPOPUP Modulazione 1 0",
				  "APP" }),
		m_wnd.LogWithoutIdle());
}

TEST_F(MenuLoopTest, TheWindowHearsWMEnterIdleAfterOpeningAndAfterEachHover)
{
	ASSERT_TRUE(AfxMenuOpenBarPopup(&m_wnd, 0));
	ASSERT_TRUE(m_wnd.PumpUntilLogged("ENTERIDLE 2"));
	EXPECT_EQ(m_wnd.m_hWnd, m_wnd.m_hIdleWindow);
	for (UINT nPos : { 0u, 1u, 3u })
	{
		const int nBefore = m_wnd.CountOf("ENTERIDLE 2");
		AfxMenuHoverItem(m_hFile, nPos);
		ASSERT_TRUE(PumpUntil([&] { return m_wnd.CountOf("ENTERIDLE 2") > nBefore; })) << nPos;
		EXPECT_EQ(1u, AfxMenuGetOpenPopupCount());
	}
	AfxMenuCloseAll();
	ASSERT_TRUE(Settle());
	const auto itExit = std::find(m_wnd.m_log.begin(), m_wnd.m_log.end(), "EXITMENULOOP 0");
	EXPECT_EQ(m_wnd.m_log.end(), std::find(itExit, m_wnd.m_log.end(), "ENTERIDLE 2"));
}

struct KeyCase
{
	const char* pszName;
	int nKey;
	int nPopup;	// position of the title that opens, -1 for none
};

class MenuKeyTest : public MenuLoopTest, public ::testing::WithParamInterface<KeyCase>
{
};

// WM_SYSCOMMAND with SC_KEYMENU is what Alt with a letter, and F10, come to on Windows.
TEST_P(MenuKeyTest, KeyMenuOpensTheTitleItsLetterMarksWithTheFirstItemSelected)
{
	m_wnd.SendMessage(WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(GetParam().nKey));
	if (GetParam().nPopup < 0)
	{
		EXPECT_EQ(0u, AfxMenuGetOpenPopupCount());
		return;
	}
	HMENU hPopup = ::GetSubMenu(m_hBar, GetParam().nPopup);
	ASSERT_EQ(1u, AfxMenuGetOpenPopupCount());
	EXPECT_EQ(hPopup, AfxMenuGetOpenPopup(0));
	const std::string strPopup = m_wnd.NameOf(hPopup);
	EXPECT_EQ((std::vector<std::string>{ "SYSCOMMAND 61696", "ENTERMENULOOP 0", "INITMENU bar",
				  MenuSelectText(static_cast<UINT>(GetParam().nPopup), MF_POPUP | MF_HILITE, "bar"),
				  "INITMENUPOPUP " + strPopup + " " + std::to_string(GetParam().nPopup) + " 0",
				  MenuSelectText(::GetMenuItemID(hPopup, 0), MF_HILITE, strPopup) }),
		m_wnd.LogWithoutIdle());
}

INSTANTIATE_TEST_SUITE_P(Keys, MenuKeyTest,
	::testing::Values(KeyCase{ "Lower", 'm', 1 }, KeyCase{ "Upper", 'F', 0 }, KeyCase{ "Question", '?', 2 },
		KeyCase{ "F10", 0, 0 }, KeyCase{ "Unmarked", 'z', -1 }, KeyCase{ "NotFirstLetter", 'o', -1 }),
	[](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.pszName); });

TEST_F(MenuLoopTest, AGreyedTitleDoesNotOpen)
{
	::EnableMenuItem(m_hBar, 1, MF_BYPOSITION | MF_GRAYED);
	m_wnd.SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 'm');
	EXPECT_EQ(0u, AfxMenuGetOpenPopupCount());
	EXPECT_FALSE(AfxMenuOpenBarPopup(&m_wnd, 1));
}

}
