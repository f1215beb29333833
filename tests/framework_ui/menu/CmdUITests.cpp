// Command updates: DoUpdate asking a target's map, the update pass over a popup before it opens
// (greying, checks, texts, popups through their first command, system commands), items of
// windows, and WM_IDLEUPDATECMDUI reaching a bar's window while a modal loop idles.
#include "tests/framework_ui/menu/MenuTestSupport.h"

#include "framework/core/ControlConstants.h"
#include "framework/ui/testing/MenuDriving.h"
#include "framework/ui/window/CmdUI.h"
#include "tests/support/EventPump.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

namespace
{

// Writes down what an update handler asks of the item, as a bar's own CCmdUI would act on it.
class CRecordingCmdUI : public CCmdUI
{
public:
	void Enable(BOOL bOn) override
	{
		m_bEnableChanged = TRUE;
		m_calls.push_back(bOn ? "Enable 1" : "Enable 0");
	}

	void SetCheck(int nCheck) override
	{
		m_calls.push_back("Check " + std::to_string(nCheck));
	}

	std::vector<std::string> m_calls;
};

constexpr UINT ID_COMMAND_ONLY = 1;
constexpr UINT ID_UPDATE_ENABLES = 2;
constexpr UINT ID_UPDATE_CHECKS = 3;
constexpr UINT ID_UPDATE_PASSES = 4;
constexpr UINT ID_NOTHING = 5;

class CUpdateTarget : public CCmdTarget
{
protected:
	afx_msg void OnCommand()
	{
	}

	afx_msg void OnUpdateEnables(CCmdUI* pCmdUI)
	{
		pCmdUI->Enable(FALSE);
	}

	afx_msg void OnUpdateChecks(CCmdUI* pCmdUI)
	{
		pCmdUI->SetCheck(1);
	}

	afx_msg void OnUpdatePasses(CCmdUI* pCmdUI)
	{
		pCmdUI->ContinueRouting();
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdateTarget, CCmdTarget)
	ON_COMMAND(ID_COMMAND_ONLY, OnCommand)
	ON_UPDATE_COMMAND_UI(ID_UPDATE_ENABLES, OnUpdateEnables)
	ON_UPDATE_COMMAND_UI(ID_UPDATE_CHECKS, OnUpdateChecks)
	ON_COMMAND(ID_UPDATE_CHECKS, OnCommand)
	ON_UPDATE_COMMAND_UI(ID_UPDATE_PASSES, OnUpdatePasses)
END_MESSAGE_MAP()

struct DoUpdateCase
{
	const char* pszName;
	UINT nID;
	BOOL bDisableIfNoHndler;
	BOOL bHandled;
	std::vector<std::string> calls;
};

class DoUpdateTest : public ::testing::TestWithParam<DoUpdateCase>
{
};

TEST_P(DoUpdateTest, TheUpdateHandlerDecidesElseTheCommandHandlerEnables)
{
	CUpdateTarget target;
	CRecordingCmdUI state;
	state.m_nID = GetParam().nID;
	EXPECT_EQ(GetParam().bHandled, state.DoUpdate(&target, GetParam().bDisableIfNoHndler));
	EXPECT_EQ(GetParam().calls, state.m_calls);
}

INSTANTIATE_TEST_SUITE_P(Handlers, DoUpdateTest,
	::testing::Values(DoUpdateCase{ "CommandOnly", ID_COMMAND_ONLY, TRUE, FALSE, { "Enable 1" } },
		DoUpdateCase{ "CommandOnlyNoAuto", ID_COMMAND_ONLY, FALSE, FALSE, {} },
		DoUpdateCase{ "UpdateEnables", ID_UPDATE_ENABLES, TRUE, TRUE, { "Enable 0" } },
		DoUpdateCase{ "UpdateChecksOnly", ID_UPDATE_CHECKS, TRUE, TRUE, { "Check 1", "Enable 1" } },
		DoUpdateCase{ "UpdateGivesUp", ID_UPDATE_PASSES, TRUE, FALSE, { "Enable 0" } },
		DoUpdateCase{ "NoHandler", ID_NOTHING, TRUE, FALSE, { "Enable 0" } },
		DoUpdateCase{ "NoHandlerNoAuto", ID_NOTHING, FALSE, FALSE, {} },
		DoUpdateCase{ "NoCommand", 0, TRUE, TRUE, {} }),
	[](const ::testing::TestParamInfo<DoUpdateCase>& info) { return std::string(info.param.pszName); });

constexpr UINT ID_LAST_PROGRAM_COMMAND = 0xEFFF;

class CCommandWindow : public CMenuLogWindow
{
public:
	BOOL m_bAltro = FALSE;
	int m_nSalva = 0;

protected:
	afx_msg void OnSalva()
	{
		++m_nSalva;
	}

	afx_msg void OnOther()
	{
	}

	afx_msg void OnUpdateSalvaNome(CCmdUI* pCmdUI)
	{
		pCmdUI->SetText("Salva &come...");
	}

	afx_msg void OnUpdateAmpiezza(CCmdUI* pCmdUI)
	{
		pCmdUI->SetRadio(TRUE);
	}

	afx_msg void OnUpdateFrequenza(CCmdUI* pCmdUI)
	{
		pCmdUI->Enable(TRUE);
		pCmdUI->SetCheck(0);
	}

	afx_msg void OnUpdatePrimo(CCmdUI* pCmdUI)
	{
		pCmdUI->Enable(m_bAltro);
		pCmdUI->SetCheck(1);
	}

	afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
	{
		if (!bSysMenu)
		{
			AfxUpdateMenuPopup(pPopupMenu, this);
		}
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWindow, CMenuLogWindow)
	ON_COMMAND(ID_SALVA, OnSalva)
	ON_COMMAND(ID_ESCI, OnOther)
	ON_COMMAND(ID_AMPIEZZA, OnOther)
	ON_UPDATE_COMMAND_UI(ID_SALVA_NOME, OnUpdateSalvaNome)
	ON_UPDATE_COMMAND_UI(ID_AMPIEZZA, OnUpdateAmpiezza)
	ON_UPDATE_COMMAND_UI(ID_FREQUENZA, OnUpdateFrequenza)
	ON_UPDATE_COMMAND_UI(ID_PRIMO, OnUpdatePrimo)
	ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

class MenuUpdateTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(m_wnd.CreateTopLevel());
		m_hBar = m_wnd.SetTestMenu();
		ASSERT_NE(nullptr, m_hBar);
		m_pFile = CMenu::FromHandle(::GetSubMenu(m_hBar, 0));
		m_pModulazione = CMenu::FromHandle(::GetSubMenu(m_hBar, 1));
	}

	void TearDown() override
	{
		AfxMenuCloseAll();
	}

	CMenuResources m_resources;
	CCommandWindow m_wnd;
	HMENU m_hBar = nullptr;
	CMenu* m_pFile = nullptr;
	CMenu* m_pModulazione = nullptr;
};

TEST_F(MenuUpdateTest, CommandsWithoutHandlersAreGreyedSystemCommandsNever)
{
	m_pFile->AppendMenu(MF_STRING, ID_LAST_PROGRAM_COMMAND, "Ultimo comando");
	m_pFile->AppendMenu(MF_STRING | MF_GRAYED, SC_CLOSE, "&Chiudi");
	AfxUpdateMenuPopup(m_pFile, &m_wnd);
	EXPECT_EQ(MF_ENABLED, m_pFile->GetMenuState(ID_SALVA, MF_BYCOMMAND));
	EXPECT_EQ(MF_GRAYED | MF_DISABLED, m_pFile->GetMenuState(ID_SALVA_NOME, MF_BYCOMMAND));
	EXPECT_EQ(MF_ENABLED, m_pFile->GetMenuState(ID_ESCI, MF_BYCOMMAND));
	EXPECT_EQ(MF_GRAYED | MF_DISABLED, m_pFile->GetMenuState(ID_LAST_PROGRAM_COMMAND, MF_BYCOMMAND));
	// The pass leaves a system command as it is, greyed or not.
	EXPECT_EQ(MF_GRAYED, m_pFile->GetMenuState(SC_CLOSE, MF_BYCOMMAND));
	// Without automatic disabling the pass leaves unhandled commands as they are.
	m_pFile->EnableMenuItem(ID_LAST_PROGRAM_COMMAND, MF_BYCOMMAND | MF_ENABLED);
	AfxUpdateMenuPopup(m_pFile, &m_wnd, FALSE);
	EXPECT_EQ(MF_ENABLED, m_pFile->GetMenuState(ID_LAST_PROGRAM_COMMAND, MF_BYCOMMAND));
}

TEST_F(MenuUpdateTest, HandlersSetChecksRadiosAndTexts)
{
	AfxUpdateMenuPopup(m_pFile, &m_wnd);
	AfxUpdateMenuPopup(m_pModulazione, &m_wnd);
	CString strText;
	m_pFile->GetMenuString(ID_SALVA_NOME, strText, MF_BYCOMMAND);
	EXPECT_STREQ("Salva &come...", strText);
	EXPECT_EQ(MF_CHECKED, m_pModulazione->GetMenuState(ID_AMPIEZZA, MF_BYCOMMAND));
	EXPECT_EQ(MF_UNCHECKED, m_pModulazione->GetMenuState(ID_FREQUENZA, MF_BYCOMMAND));
	EXPECT_EQ(MF_GRAYED | MF_DISABLED, m_pModulazione->GetMenuState(ID_FASE, MF_BYCOMMAND));
}

// The first command of a popup speaks for the item that opens it; the popup is never greyed for
// want of a handler, and has no check mark.
TEST_F(MenuUpdateTest, AnItemOpeningAPopupIsUpdatedThroughItsFirstCommand)
{
	CMenu* pAltro = m_pModulazione->GetSubMenu(4);
	AfxUpdateMenuPopup(m_pModulazione, &m_wnd);
	EXPECT_EQ(MF_POPUP | MF_GRAYED | MF_DISABLED | (2u << 8), m_pModulazione->GetMenuState(4, MF_BYPOSITION));
	EXPECT_EQ(MF_UNCHECKED, pAltro->GetMenuState(ID_PRIMO, MF_BYCOMMAND));
	m_wnd.m_bAltro = TRUE;
	AfxUpdateMenuPopup(m_pModulazione, &m_wnd);
	EXPECT_EQ(MF_POPUP | (2u << 8), m_pModulazione->GetMenuState(4, MF_BYPOSITION));
	pAltro->ModifyMenu(0, MF_BYPOSITION | MF_STRING, ID_NOTHING, "Senza gestore");
	AfxUpdateMenuPopup(m_pModulazione, &m_wnd);
	EXPECT_EQ(MF_POPUP | (2u << 8), m_pModulazione->GetMenuState(4, MF_BYPOSITION));
	EXPECT_EQ(MF_ENABLED, pAltro->GetMenuState(ID_NOTHING, MF_BYCOMMAND));
}

class CSelfRemovingWindow : public CMenuLogWindow
{
protected:
	afx_msg void OnUpdateSalvaNome(CCmdUI* pCmdUI)
	{
		pCmdUI->m_pMenu->DeleteMenu(pCmdUI->m_nIndex, MF_BYPOSITION);
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfRemovingWindow, CMenuLogWindow)
	ON_UPDATE_COMMAND_UI(ID_SALVA_NOME, OnUpdateSalvaNome)
END_MESSAGE_MAP()

TEST(MenuUpdatePassTest, AnItemRemovedByItsHandlerLeavesTheNextOneUpdated)
{
	CMenuResources resources;
	CSelfRemovingWindow wnd;
	ASSERT_TRUE(wnd.CreateTopLevel());
	CMenu* pFile = CMenu::FromHandle(::GetSubMenu(wnd.SetTestMenu(), 0));
	pFile->InsertMenu(2, MF_BYPOSITION | MF_STRING, ID_NOTHING, "Dopo");
	AfxUpdateMenuPopup(pFile, &wnd);
	EXPECT_EQ(4u, pFile->GetMenuItemCount());
	EXPECT_EQ(ID_NOTHING, pFile->GetMenuItemID(1));
	EXPECT_EQ(MF_GRAYED | MF_DISABLED, pFile->GetMenuState(ID_NOTHING, MF_BYCOMMAND));
	EXPECT_EQ(MF_GRAYED | MF_DISABLED, pFile->GetMenuState(ID_ESCI, MF_BYCOMMAND));
}

TEST_F(MenuUpdateTest, OpeningAPopupRunsThePassAndAChosenCommandReachesItsHandler)
{
	ASSERT_TRUE(AfxMenuOpenBarPopup(&m_wnd, 0));
	EXPECT_EQ(MF_GRAYED | MF_DISABLED, m_pFile->GetMenuState(ID_SALVA_NOME, MF_BYCOMMAND));
	AfxMenuClickItem(m_pFile->m_hMenu, 1);
	EXPECT_EQ(1u, AfxMenuGetOpenPopupCount());
	AfxMenuClickItem(m_pFile->m_hMenu, 0);
	ASSERT_TRUE(PumpUntil([this] { return m_wnd.m_nSalva > 0; }));
	EXPECT_EQ(1, m_wnd.m_nSalva);
	EXPECT_EQ(0, m_wnd.CountOf("COMMAND 32799 0 0"));
}

TEST(CmdUIWindowTest, AWindowItemIsEnabledCheckedAndRetitled)
{
	CTestWindow parent;
	ASSERT_TRUE(parent.CreatePopup(CRect(0, 0, 200, 100)));
	CTestWindow box;
	ASSERT_TRUE(box.CreateChild(&parent, CRect(10, 10, 110, 30), 1000, WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0,
		"BUTTON"));
	CCmdUI state;
	state.m_pOther = &box;
	state.Enable(FALSE);
	EXPECT_FALSE(box.IsWindowEnabled());
	EXPECT_TRUE(state.m_bEnableChanged);
	state.SetCheck(1);
	EXPECT_EQ(static_cast<LRESULT>(BST_CHECKED), box.SendMessage(BM_GETCHECK));
	state.SetText("Casella");
	CString strText;
	box.GetWindowText(strText);
	EXPECT_STREQ("Casella", strText);
}

// What a toolbar does with WM_IDLEUPDATECMDUI: it updates its items from the window it sits in.
class CBarLikeWindow : public CTestWindow
{
public:
	std::vector<WPARAM> m_flags;
	std::vector<std::string> m_calls;

protected:
	afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
	{
		m_flags.push_back(wParam);
		for (UINT nID : { ID_SALVA, ID_FREQUENZA, ID_AMPIEZZA })
		{
			CRecordingCmdUI state;
			state.m_nID = nID;
			state.m_pOther = this;
			state.DoUpdate(GetTopLevelParent(), static_cast<BOOL>(wParam));
			for (const std::string& strCall : state.m_calls)
			{
				m_calls.push_back(std::to_string(nID) + " " + strCall);
			}
		}
		GetTopLevelParent()->EndModalLoop(IDOK);
		return 0;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBarLikeWindow, CTestWindow)
	ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

class CFrameLikeWindow : public CTestWindow
{
protected:
	afx_msg void OnSalva()
	{
	}

	afx_msg void OnUpdateFrequenza(CCmdUI* pCmdUI)
	{
		pCmdUI->SetCheck(1);
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFrameLikeWindow, CTestWindow)
	ON_COMMAND(ID_SALVA, OnSalva)
	ON_UPDATE_COMMAND_UI(ID_FREQUENZA, OnUpdateFrequenza)
END_MESSAGE_MAP()

TEST(IdleUpdateTest, AModalLoopAtRestUpdatesABarNestedInItsWindow)
{
	CFrameLikeWindow frame;
	ASSERT_TRUE(frame.CreatePopup(CRect(0, 0, 300, 200)));
	CTestWindow panel;
	ASSERT_TRUE(panel.CreateChild(&frame, CRect(0, 0, 300, 200), 100));
	CBarLikeWindow bar;
	ASSERT_TRUE(bar.CreateChild(&panel, CRect(0, 0, 300, 28), 0xE800));
	EXPECT_EQ(IDOK, frame.RunModalLoop());
	EXPECT_EQ(std::vector<WPARAM>{ TRUE }, bar.m_flags);
	EXPECT_EQ((std::vector<std::string>{ "32798 Enable 1", "32785 Check 1", "32785 Enable 0", "32784 Enable 0" }),
		bar.m_calls);
}

}
