// Command update of the bars: buttons greyed for commands without a handler, checked by their
// handlers; indicator panes blanked when their handler disables them; the idle message driving it.
#include "framework/ui/bars/BarCmdUI.h"
#include "framework/ui/bars/RepositionBars.h"
#include "framework/ui/bars/StatusBar.h"
#include "framework/ui/bars/ToolBar.h"
#include "tests/framework_ui/bars/BarTestSupport.h"

#include <gtest/gtest.h>

namespace
{

constexpr UINT ID_EXIT = 100;
constexpr UINT ID_NO_HANDLER = 101;
constexpr UINT ID_CHECKED = 102;
constexpr UINT ID_INDICATOR_CLOCK = 200;

const UINT kButtons[] = { ID_EXIT, ID_SEPARATOR, ID_NO_HANDLER, ID_CHECKED };
const UINT kIndicators[] = { ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_CLOCK };

// A parent with command handlers for ID_EXIT and ID_CHECKED, update handlers for ID_CHECKED and
// the indicators, whose states the tests set, and none at all for ID_NO_HANDLER.
class CUpdateOwner : public CBarOwner
{
public:
	int m_nCheck = 1;
	BOOL m_bCapsOn = FALSE;
	BOOL m_bNumOn = FALSE;

protected:
	afx_msg void OnCommandHandled()
	{
	}

	afx_msg void OnUpdateChecked(CCmdUI* pCmdUI)
	{
		pCmdUI->SetCheck(m_nCheck);
	}

	afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI)
	{
		pCmdUI->Enable(pCmdUI->m_nID == ID_INDICATOR_CAPS ? m_bCapsOn : m_bNumOn);
	}

	afx_msg void OnUpdateClock(CCmdUI* pCmdUI)
	{
		pCmdUI->SetText("12:00");
		pCmdUI->SetCheck(1);
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdateOwner, CBarOwner)
	ON_COMMAND(ID_EXIT, OnCommandHandled)
	ON_COMMAND(ID_CHECKED, OnCommandHandled)
	ON_UPDATE_COMMAND_UI(ID_CHECKED, OnUpdateChecked)
	ON_UPDATE_COMMAND_UI_RANGE(ID_INDICATOR_CAPS, ID_INDICATOR_NUM, OnUpdateKeyIndicator)
	ON_UPDATE_COMMAND_UI(ID_INDICATOR_CLOCK, OnUpdateClock)
END_MESSAGE_MAP()

// The bars as a dialog frame makes them: each updates itself from its parent when idle.
template <class BAR>
class CIdleUpdatedBar : public BAR
{
public:
	LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
	{
		if (message == WM_IDLEUPDATECMDUI && BAR::IsWindowVisible() && BAR::GetParent() != nullptr)
		{
			BAR::OnUpdateCmdUI(BAR::GetParent(), static_cast<BOOL>(wParam));
			return 0;
		}
		return BAR::WindowProc(message, wParam, lParam);
	}
};

class BarCmdUITest : public ::testing::Test
{
protected:
	BarCmdUITest()
		: m_resources(3)
	{
		m_owner.CreatePopup();
		m_toolBar.Create(&m_owner);
		m_toolBar.LoadBitmap(kStripId);
		m_toolBar.SetButtons(kButtons, 4);
		m_statusBar.Create(&m_owner);
		m_statusBar.SetIndicators(kIndicators, 4);
		AfxRepositionBars(&m_owner, AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0);
	}

	int PaneInk(int nIndex)
	{
		CRect rcPane;
		m_statusBar.GetItemRect(nIndex, &rcPane);
		rcPane.DeflateRect(1, 1);
		return CountInk(&m_statusBar, rcPane);
	}

	CBarResources m_resources;
	CUpdateOwner m_owner;
	CIdleUpdatedBar<CToolBar> m_toolBar;
	CIdleUpdatedBar<CStatusBar> m_statusBar;
};

TEST_F(BarCmdUITest, ButtonsWithoutAHandlerAreGreyedAndHandlersCheckTheirs)
{
	m_toolBar.OnUpdateCmdUI(&m_owner, TRUE);
	EXPECT_EQ(TBBS_BUTTON, m_toolBar.GetButtonStyle(0));
	EXPECT_EQ(TBBS_SEPARATOR, m_toolBar.GetButtonStyle(1));
	EXPECT_EQ(TBBS_DISABLED, m_toolBar.GetButtonStyle(2));
	EXPECT_EQ(TBBS_CHECKBOX | TBBS_CHECKED, m_toolBar.GetButtonStyle(3));
	// Button 2 shows image 1 embossed; button 3 shows image 2 pushed one pixel.
	EXPECT_EQ(kShadow, PaintedPixel(&m_toolBar, 37 + 3, 5 + 4));
	EXPECT_EQ(kBlack, PaintedPixel(&m_toolBar, 60 + 4 + 1, 5 + 4 + 1));
	m_owner.m_nCheck = 2;
	m_toolBar.OnUpdateCmdUI(&m_owner, TRUE);
	EXPECT_EQ(TBBS_CHECKBOX | TBBS_INDETERMINATE, m_toolBar.GetButtonStyle(3));
	m_owner.m_nCheck = 0;
	m_toolBar.OnUpdateCmdUI(&m_owner, TRUE);
	EXPECT_EQ(TBBS_CHECKBOX, m_toolBar.GetButtonStyle(3));
}

TEST_F(BarCmdUITest, WithoutAutomaticDisablingButtonsKeepTheirState)
{
	m_toolBar.SetButtonStyle(2, TBBS_PRESSED);
	m_toolBar.OnUpdateCmdUI(&m_owner, FALSE);
	EXPECT_EQ(TBBS_PRESSED, m_toolBar.GetButtonStyle(2));
	// Disabling a button that is down lets it up.
	m_toolBar.OnUpdateCmdUI(&m_owner, TRUE);
	EXPECT_EQ(TBBS_DISABLED, m_toolBar.GetButtonStyle(2));
}

TEST_F(BarCmdUITest, IndicatorsAreBlankWhileTheirHandlersDisableThem)
{
	m_statusBar.SetPaneText(0, "Pronto");
	m_owner.m_bCapsOn = TRUE;
	m_statusBar.OnUpdateCmdUI(&m_owner, TRUE);
	EXPECT_EQ(SBPS_NORMAL, m_statusBar.GetPaneStyle(1));
	EXPECT_EQ(SBPS_DISABLED, m_statusBar.GetPaneStyle(2));
	EXPECT_GT(PaneInk(1), 0);
	EXPECT_EQ(0, PaneInk(2));
	EXPECT_STREQ("NUM", m_statusBar.GetPaneText(2));
	// The message pane has no handler and is never disabled for it.
	EXPECT_EQ(SBPS_NOBORDERS | SBPS_STRETCH, m_statusBar.GetPaneStyle(0));
	EXPECT_GT(PaneInk(0), 0);
	m_owner.m_bCapsOn = FALSE;
	m_owner.m_bNumOn = TRUE;
	m_statusBar.OnUpdateCmdUI(&m_owner, TRUE);
	EXPECT_EQ(0, PaneInk(1));
	EXPECT_GT(PaneInk(2), 0);
}

TEST_F(BarCmdUITest, PaneHandlersSetTextsAndPopPanesOut)
{
	m_statusBar.OnUpdateCmdUI(&m_owner, TRUE);
	EXPECT_STREQ("12:00", m_statusBar.GetPaneText(3));
	EXPECT_EQ(SBPS_POPOUT, m_statusBar.GetPaneStyle(3));
	CRect rcClock;
	m_statusBar.GetItemRect(3, &rcClock);
	EXPECT_EQ(kWhite, PaintedPixel(&m_statusBar, rcClock.left, rcClock.top));
}

TEST_F(BarCmdUITest, TheIdleMessageUpdatesVisibleBarsFromTheirParent)
{
	m_owner.SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
	EXPECT_EQ(TBBS_DISABLED, m_toolBar.GetButtonStyle(2));
	EXPECT_EQ(SBPS_DISABLED, m_statusBar.GetPaneStyle(1));
	m_owner.m_bCapsOn = TRUE;
	m_statusBar.ShowWindow(SW_HIDE);
	m_owner.SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
	EXPECT_EQ(SBPS_DISABLED, m_statusBar.GetPaneStyle(1));
}

}
