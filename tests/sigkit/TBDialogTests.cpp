// The dialog frames with bars: room made for the bars, menu prompts and tooltips from string
// resources, bar toggles with their check marks, key indicators, and the toolbar-only frame.
#include "BitmapFiles.h"

#include "framework/core/BarConstants.h"
#include "framework/core/MenuConstants.h"
#include "framework/core/Resources.h"
#include "framework/ui/window/CmdUI.h"
#include "framework/ui/window/ToolTip.h"
#include "framework/ui/menu/Menu.h"
#include "framework/ui/testing/MenuDriving.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/system/SystemServices.h"
#include "sigkit/frames/TBBDialog.h"
#include "sigkit/frames/TBDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
	constexpr UINT IDD_FRAME = 7401;
	constexpr UINT IDR_FRAME_MENU = 7402;
	constexpr UINT IDB_FRAME_TOOLBAR = 7403;
	constexpr UINT IDC_FIELD = 7404;
	constexpr UINT ID_AMPIEZZA = 32784;
	constexpr UINT ID_FREQUENZA = 32785;

	const StringResource s_strings[] = {
		{ID_AMPIEZZA, "Simula la modulazione di ampiezza\nModulazione di Ampiezza"},
		{ID_FREQUENZA, "Simula la modulazione di frequenza"},
	};

	const MenuItemTemplate s_modulationItems[] = {
		{MF_STRING, ID_AMPIEZZA, "&Ampiezza", nullptr, 0},
		{MF_SEPARATOR, 0, nullptr, nullptr, 0},
		{MF_STRING, ID_FREQUENZA, "F&requenza", nullptr, 0},
		{MF_STRING, 4242, "Senza gestore", nullptr, 0},
	};
	const MenuItemTemplate s_viewItems[] = {
		{MF_STRING, AFX_IDW_TOOLBAR, "Barra degli &strumenti", nullptr, 0},
		{MF_STRING, AFX_IDW_STATUS_BAR, "Barra di s&tato", nullptr, 0},
	};
	const MenuItemTemplate s_menuBar[] = {
		{MF_POPUP, 0, "&Modulazione", s_modulationItems, 4},
		{MF_POPUP, 0, "&Visualizza", s_viewItems, 2},
	};
	const MenuTemplate s_menus[] = {{IDR_FRAME_MENU, s_menuBar, 2}};

	// 132 × 64 dialog units: a 198 × 104 client area with one field at its top-left corner.
	const DialogItemTemplate s_items[] = {
		{"EDIT", "", IDC_FIELD, WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, 0, 40, 12},
	};
	const DialogTemplate s_dialogs[] = {
		{IDD_FRAME, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 0, 0, 132, 64, "", "MS Sans Serif", 8, s_items, 1,
			IDR_FRAME_MENU},
	};

	const UINT s_indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS};
	const UINT s_buttons[] = {ID_AMPIEZZA, 0, ID_FREQUENZA};

	class FrameResources
	{
	public:
		FrameResources()
			: m_strip(MarkedBitmapFile(32, 15)), m_module("frame tests", TRUE, s_strings, 2)
		{
			m_bitmap = {IDB_FRAME_TOOLBAR, m_strip.data(), m_strip.size()};
			m_module.SetBitmaps(&m_bitmap, 1);
			m_module.SetDialogs(s_dialogs, 1);
			m_module.SetMenus(s_menus, 1);
			AfxAddResourceModule(&m_module);
		}
		~FrameResources() { AfxRemoveResourceModule(&m_module); }

	private:
		std::vector<BYTE> m_strip;
		BinaryResource m_bitmap;
		CResourceModule m_module;
	};

	class CModulationFrame : public CTBDialog
	{
	public:
		CModulationFrame() : CTBDialog(IDD_FRAME)
		{
			Set(s_indicators, 2, s_buttons, 3, IDB_FRAME_TOOLBAR);
		}

		int m_nAmpiezza = 0;

	protected:
		afx_msg void OnAmpiezza() { m_nAmpiezza++; }
		afx_msg void OnFrequenza() {}
		DECLARE_MESSAGE_MAP()
	};

	BEGIN_MESSAGE_MAP(CModulationFrame, CTBDialog)
		ON_COMMAND(ID_AMPIEZZA, OnAmpiezza)
		ON_COMMAND(ID_FREQUENZA, OnFrequenza)
	END_MESSAGE_MAP()

	// Runs the event loop until everything posted so far has been delivered.
	class CSettler : public CWnd
	{
	public:
		void Settle()
		{
			if (GetSafeHwnd() == nullptr)
				CreateEx(0, nullptr, "settler", WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0);
			PostMessage(WM_APP);
			RunModalLoop(MLF_NOIDLEMSG);
		}

	protected:
		afx_msg LRESULT OnSettle(WPARAM, LPARAM)
		{
			EndModalLoop(0);
			return 0;
		}
		DECLARE_MESSAGE_MAP()
	};

	BEGIN_MESSAGE_MAP(CSettler, CWnd)
		ON_MESSAGE(WM_APP, OnSettle)
	END_MESSAGE_MAP()

	class TBDialogTest : public ::testing::Test
	{
	protected:
		void SetUp() override { ASSERT_TRUE(m_frame.Create(IDD_FRAME)); }
		void TearDown() override
		{
			AfxMenuCloseAll();
			m_frame.DestroyWindow();
		}

		std::string StatusText() { return std::string(m_frame.m_wndStatusBar.GetPaneText(0)); }

		void IdleInMenu() { m_frame.SendMessage(WM_ENTERIDLE, MSGF_MENU, 0); }

		HMENU OpenPopup(UINT nPos)
		{
			EXPECT_TRUE(AfxMenuOpenBarPopup(&m_frame, nPos));
			return AfxMenuGetOpenPopup(AfxMenuGetOpenPopupCount() - 1);
		}

		UINT MenuState(UINT nID) { return m_frame.GetMenu()->GetMenuState(nID, MF_BYCOMMAND); }

		FrameResources m_resources;
		CModulationFrame m_frame;
	};
}

TEST_F(TBDialogTest, BarsGetRoomAndEveryControlMovesDownByTheToolbar)
{
	CRect rcToolBar, rcStatusBar, rcClient, rcField;
	m_frame.m_wndToolBar.GetWindowRect(&rcToolBar);
	m_frame.m_wndStatusBar.GetWindowRect(&rcStatusBar);
	m_frame.GetClientRect(&rcClient);
	m_frame.GetDlgItem(IDC_FIELD)->GetWindowRect(&rcField);
	m_frame.ScreenToClient(&rcField);
	m_frame.ScreenToClient(&rcStatusBar);

	EXPECT_EQ(rcToolBar.Height(), 28);
	EXPECT_EQ(rcClient.Width(), 198);
	EXPECT_EQ(rcClient.Height(), 104 + 28 + rcStatusBar.Height());
	EXPECT_GT(rcStatusBar.Height(), 0);
	EXPECT_EQ(rcField.top, 28);
	EXPECT_EQ(rcField.left, 0);
	EXPECT_EQ(rcStatusBar.bottom, rcClient.bottom);
	EXPECT_EQ(StatusText(), "Pronto");

	CRect rcWindow;
	m_frame.GetWindowRect(&rcWindow);
	EXPECT_LE(std::abs(rcWindow.CenterPoint().x - GetSystemMetrics(SM_CXSCREEN) / 2), 1) << "centred";
}

TEST_F(TBDialogTest, PaintingErasesTheDialogFace)
{
	m_frame.InvalidateRect(nullptr, TRUE);
	m_frame.UpdateWindow();
	EXPECT_EQ(GetSurfacePixel(&m_frame, 150, 80), GetSysColor(COLOR_BTNFACE));
}

TEST_F(TBDialogTest, HoveredItemsPutTheirPromptOnTheStatusBarUntilTheMenuCloses)
{
	HMENU hPopup = OpenPopup(0);
	ASSERT_TRUE(AfxMenuHoverItem(hPopup, 0));
	EXPECT_EQ(m_frame.m_nIDTracking, ID_AMPIEZZA);
	IdleInMenu();
	EXPECT_EQ(StatusText(), "Simula la modulazione di ampiezza");

	ASSERT_TRUE(AfxMenuHoverItem(hPopup, 1));
	IdleInMenu();
	EXPECT_EQ(m_frame.m_nIDTracking, 0u);
	EXPECT_EQ(StatusText(), "Simula la modulazione di ampiezza") << "a separator leaves the text";

	ASSERT_TRUE(AfxMenuHoverItem(hPopup, 2));
	IdleInMenu();
	EXPECT_EQ(StatusText(), "Simula la modulazione di frequenza") << "a string without a line feed is all prompt";

	AfxMenuCloseAll();
	CSettler settler;
	settler.Settle();
	EXPECT_EQ(StatusText(), "Pronto");
	settler.DestroyWindow();
}

TEST_F(TBDialogTest, MenuSelectMapsSystemCommandsAndPopups)
{
	m_frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(0xF060, 0), 0);
	EXPECT_EQ(m_frame.m_nIDTracking, 0xEF06u) << "SC_CLOSE prompts with its framework string";
	m_frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_AMPIEZZA, MF_POPUP), 0);
	EXPECT_EQ(m_frame.m_nIDTracking, 0u);
	m_frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(0xF1F0, 0), 0);
	EXPECT_EQ(m_frame.m_nIDTracking, 0xF1F0u);
}

TEST_F(TBDialogTest, PopupUpdateGreysCommandsWithoutHandlers)
{
	OpenPopup(0);
	EXPECT_EQ(MenuState(ID_AMPIEZZA) & MF_GRAYED, 0u);
	EXPECT_NE(MenuState(4242) & MF_GRAYED, 0u);
}

TEST_F(TBDialogTest, ToolbarTooltipIsTheSecondLineOfTheCommandString)
{
	CToolBar& bar = m_frame.m_wndToolBar;
	CRect rcButton;
	bar.GetItemRect(0, &rcButton);
	bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcButton.CenterPoint().x, rcButton.CenterPoint().y));
	EXPECT_EQ(StatusText(), "Simula la modulazione di ampiezza") << "fly-by prompt";
	bar.SendMessage(WM_TIMER, CToolBar::nIDToolTipTimer);
	EXPECT_STREQ(AfxGetToolTipText(), "Modulazione di Ampiezza");

	bar.GetItemRect(2, &rcButton);
	bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcButton.CenterPoint().x, rcButton.CenterPoint().y));
	EXPECT_STREQ(AfxGetToolTipText(), "") << "a string without a second line gives no tooltip";

	bar.SendMessage(WM_MOUSELEAVE);
	EXPECT_EQ(StatusText(), "Pronto");
}

TEST_F(TBDialogTest, BarCommandsToggleTheBarsAndTheCheckMarksFollow)
{
	HMENU hView = OpenPopup(1);
	ASSERT_NE(hView, nullptr);
	EXPECT_NE(MenuState(AFX_IDW_STATUS_BAR) & MF_CHECKED, 0u);
	AfxMenuCloseAll();

	m_frame.SendMessage(WM_COMMAND, AFX_IDW_STATUS_BAR);
	EXPECT_FALSE(m_frame.m_wndStatusBar.IsWindowVisible());
	OpenPopup(1);
	EXPECT_EQ(MenuState(AFX_IDW_STATUS_BAR) & MF_CHECKED, 0u);
	AfxMenuCloseAll();

	m_frame.SendMessage(WM_COMMAND, AFX_IDW_STATUS_BAR);
	EXPECT_TRUE(m_frame.m_wndStatusBar.IsWindowVisible());

	m_frame.SendMessage(WM_COMMAND, AFX_IDW_TOOLBAR);
	EXPECT_FALSE(m_frame.m_wndToolBar.IsWindowVisible());
	OpenPopup(1);
	EXPECT_EQ(MenuState(AFX_IDW_TOOLBAR) & MF_CHECKED, 0u);
	EXPECT_NE(MenuState(AFX_IDW_STATUS_BAR) & MF_CHECKED, 0u);
}

TEST_F(TBDialogTest, IdleUpdateBlanksTheCapsIndicatorWhileCapsLockIsOff)
{
	m_frame.SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE);
	const UINT nStyle = m_frame.m_wndStatusBar.GetPaneStyle(1);
	EXPECT_EQ((nStyle & SBPS_DISABLED) != 0, (GetKeyState(VK_CAPITAL) & 1) == 0);
	EXPECT_EQ(m_frame.m_wndToolBar.GetButtonStyle(0) & TBBS_DISABLED, 0u) << "a command with a handler stays enabled";
}

namespace
{
	class CSpectrumFrame : public CTBBDialog
	{
	public:
		CSpectrumFrame() : CTBBDialog(IDD_FRAME) { Set(s_buttons, 3, IDB_FRAME_TOOLBAR); }
	};
}

TEST(TBBDialogTest, ToolbarOnlyFrameMakesRoomAndTogglesItsBar)
{
	FrameResources resources;
	CSpectrumFrame frame;
	ASSERT_TRUE(frame.Create(IDD_FRAME));
	CRect rcClient, rcField;
	frame.GetClientRect(&rcClient);
	frame.GetDlgItem(IDC_FIELD)->GetWindowRect(&rcField);
	frame.ScreenToClient(&rcField);
	EXPECT_EQ(rcClient.Height(), 104 + 28);
	EXPECT_EQ(rcField.top, 28);

	frame.SendMessage(WM_COMMAND, AFX_IDW_TOOLBAR);
	EXPECT_FALSE(frame.m_wndToolBar.IsWindowVisible());
	frame.SendMessage(WM_COMMAND, AFX_IDW_TOOLBAR);
	EXPECT_TRUE(frame.m_wndToolBar.IsWindowVisible());

	// Fly-by prompts have nowhere to go and change nothing.
	EXPECT_EQ(frame.SendMessage(WM_SETMESSAGESTRING, ID_AMPIEZZA), 0);
	frame.DestroyWindow();
}
