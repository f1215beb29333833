// TrackPopupMenu: the choice a seam scripts or the user makes in the shown popup comes back as
// WM_COMMAND, or as the result with TPM_RETURNCMD; greyed items cannot be chosen.
#include "tests/framework_ui/menu/MenuTestSupport.h"

#include "framework/ui/testing/MenuDriving.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

namespace
{

constexpr UINT ID_COPIA = 40001;
constexpr UINT ID_INCOLLA = 40002;
constexpr UINT ID_TUTTO = 40003;
constexpr UINT CONTEXT_FLAGS = TPM_RIGHTBUTTON | TPM_LEFTALIGN;

class TrackPopupTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(m_wnd.CreateTopLevel());
		ASSERT_TRUE(m_menu.CreatePopupMenu());
		m_menu.AppendMenu(MF_STRING, ID_COPIA, "&Copia");
		m_menu.AppendMenu(MF_STRING | MF_GRAYED, ID_INCOLLA, "&Incolla");
		m_menu.AppendMenu(MF_SEPARATOR);
		m_menu.AppendMenu(MF_STRING, ID_TUTTO, "&Seleziona tutto");
		m_wnd.m_names[m_menu.m_hMenu] = "context";
	}

	// Runs the event loop until everything posted so far has been delivered.
	BOOL Settle()
	{
		m_wnd.PostMessage(WM_APP);
		return m_wnd.PumpUntilLogged("APP");
	}

	CMenuLogWindow m_wnd;
	CMenu m_menu;
};

TEST_F(TrackPopupTest, TheSeamIsAskedAfterWMInitMenuPopupAndItsChoiceArrivesAsWMCommand)
{
	CScriptedUser seam;
	seam.Then(ID_TUTTO);
	EXPECT_TRUE(m_menu.TrackPopupMenu(CONTEXT_FLAGS, 200, 150, &m_wnd));
	ASSERT_EQ(1u, seam.m_shown.size());
	const ShownRequest& request = seam.m_shown[0];
	EXPECT_EQ(ModalKind::PopupMenu, request.nKind);
	EXPECT_EQ(&m_wnd, request.pOwner);
	EXPECT_EQ(CONTEXT_FLAGS, request.nType);
	EXPECT_EQ(static_cast<void*>(m_menu.m_hMenu), request.pData);
	ASSERT_TRUE(m_wnd.PumpUntilLogged("COMMAND 40003 0 0"));
	EXPECT_EQ((std::vector<std::string>{ "ENTERMENULOOP 1", "INITMENU context", "INITMENUPOPUP context 0 0",
				  MenuSelectText(0, 0xFFFF, "null"), "EXITMENULOOP 1", "COMMAND 40003 0 0" }),
		m_wnd.LogWithoutIdle());
}

struct AnswerCase
{
	const char* pszName;
	UINT nFlags;
	INT_PTR nAnswer;
	BOOL bResult;
	bool bCommand;
};

class TrackPopupAnswerTest : public TrackPopupTest, public ::testing::WithParamInterface<AnswerCase>
{
};

TEST_P(TrackPopupAnswerTest, OnlyAnItemThatCanBeChosenIsSentOrReturned)
{
	CScriptedUser seam;
	seam.Then(GetParam().nAnswer);
	EXPECT_EQ(GetParam().bResult, m_menu.TrackPopupMenu(GetParam().nFlags, 10, 10, &m_wnd));
	ASSERT_TRUE(Settle());
	EXPECT_EQ(GetParam().bCommand ? 1 : 0, m_wnd.CountOf("COMMAND " + std::to_string(GetParam().nAnswer) + " 0 0"));
}

INSTANTIATE_TEST_SUITE_P(Answers, TrackPopupAnswerTest,
	::testing::Values(AnswerCase{ "Chosen", CONTEXT_FLAGS, ID_COPIA, TRUE, true },
		AnswerCase{ "Greyed", CONTEXT_FLAGS, ID_INCOLLA, TRUE, false },
		AnswerCase{ "NotInTheMenu", CONTEXT_FLAGS, 12345, TRUE, false },
		AnswerCase{ "Dismissed", CONTEXT_FLAGS, 0, TRUE, false },
		AnswerCase{ "Returned", CONTEXT_FLAGS | TPM_RETURNCMD, ID_COPIA, static_cast<BOOL>(ID_COPIA), false },
		AnswerCase{ "GreyedReturned", CONTEXT_FLAGS | TPM_RETURNCMD, ID_INCOLLA, 0, false },
		AnswerCase{ "Silent", CONTEXT_FLAGS | TPM_NONOTIFY, ID_COPIA, TRUE, false }),
	[](const ::testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.pszName); });

TEST_F(TrackPopupTest, WithNoNotifyTheWindowHearsNothing)
{
	CScriptedUser seam;
	seam.Then(ID_COPIA);
	EXPECT_EQ(static_cast<BOOL>(ID_COPIA), m_menu.TrackPopupMenu(TPM_NONOTIFY | TPM_RETURNCMD, 10, 10, &m_wnd));
	ASSERT_TRUE(Settle());
	EXPECT_EQ(std::vector<std::string>{ "APP" }, m_wnd.LogWithoutIdle());
}

TEST_F(TrackPopupTest, TheShownPopupIsWorkedAtIdleAndReturnsOnceClosed)
{
	const HMENU hMenu = m_menu.m_hMenu;
	UINT nOpen = 0;
	BOOL bSecondTrack = TRUE;
	AfxRunWhenIdle([&]
		{
			nOpen = AfxMenuGetOpenPopupCount();
			bSecondTrack = ::TrackPopupMenu(hMenu, 0, 10, 10, 0, m_wnd.m_hWnd, nullptr);
			AfxMenuHoverItem(hMenu, 0);
			AfxMenuClickItem(hMenu, 3);
		});
	EXPECT_TRUE(m_menu.TrackPopupMenu(CONTEXT_FLAGS, 200, 150, &m_wnd));
	EXPECT_EQ(1u, nOpen);
	EXPECT_FALSE(bSecondTrack);
	EXPECT_EQ(0u, AfxMenuGetOpenPopupCount());
	ASSERT_TRUE(m_wnd.PumpUntilLogged("COMMAND 40003 0 0"));
	EXPECT_EQ((std::vector<std::string>{ "ENTERMENULOOP 1", "INITMENU context", "INITMENUPOPUP context 0 0",
				  MenuSelectText(ID_COPIA, MF_HILITE | MF_MOUSESELECT, "context"),
				  MenuSelectText(ID_TUTTO, MF_HILITE | MF_MOUSESELECT, "context"), MenuSelectText(0, 0xFFFF, "null"),
				  "EXITMENULOOP 1", "COMMAND 40003 0 0" }),
		m_wnd.LogWithoutIdle());
}

TEST_F(TrackPopupTest, AShownPopupClosedWithoutChoiceReturnsNoCommand)
{
	AfxRunWhenIdle([] { AfxMenuCloseAll(); });
	EXPECT_EQ(0, m_menu.TrackPopupMenu(CONTEXT_FLAGS | TPM_RETURNCMD, 200, 150, &m_wnd));
	EXPECT_TRUE(m_wnd.Logged("EXITMENULOOP 1"));
}

TEST_F(TrackPopupTest, APopupWithoutAWindowIsNotShown)
{
	CScriptedUser seam;
	seam.Then(ID_COPIA);
	EXPECT_FALSE(m_menu.TrackPopupMenu(CONTEXT_FLAGS, 10, 10, nullptr));
	EXPECT_TRUE(seam.m_shown.empty());
}

}
