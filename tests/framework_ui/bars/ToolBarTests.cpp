// CToolBar in a window: buttons and separators, images, clicks, fly-by prompts, tooltips and
// the look of pressed, checked and disabled buttons.
#include "framework/ui/bars/RepositionBars.h"
#include "framework/ui/bars/ToolBar.h"
#include "framework/ui/testing/UserDriving.h"
#include "framework/ui/window/ToolTip.h"
#include "tests/framework_ui/bars/BarTestSupport.h"

#include <gtest/gtest.h>

namespace
{

const UINT kButtons[] = { 100, ID_SEPARATOR, 101, 102 };

LPARAM At(int x, int y)
{
	return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

class ToolBarTest : public ::testing::Test
{
protected:
	ToolBarTest()
		: m_resources(3, { { 101, "Salva il segnale\nSalva segnale" } })
	{
		m_owner.CreatePopup();
		m_bar.Create(&m_owner);
		m_owner.m_hWndBar = m_bar.m_hWnd;
		m_bar.LoadBitmap(kStripId);
		m_bar.SetButtons(kButtons, 4);
		AfxRepositionBars(&m_owner, AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0);
	}

	~ToolBarTest() override
	{
		AfxHideToolTip();
	}

	void Click(int x, int y)
	{
		m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
		m_bar.SendMessage(WM_LBUTTONUP, 0, At(x, y));
	}

	void MoveTo(int x, int y)
	{
		m_bar.SendMessage(WM_MOUSEMOVE, 0, At(x, y));
	}

	CBarResources m_resources;
	CBarOwner m_owner;
	CToolBar m_bar;
};

TEST_F(ToolBarTest, CreateKeepsTheBarStyleApartFromTheWindowStyle)
{
	EXPECT_EQ(CBRS_TOP, m_bar.GetBarStyle());
	EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_VISIBLE), m_bar.GetStyle() & 0xFFFF0000);
	EXPECT_EQ(0u, m_bar.GetStyle() & CBRS_ALL);
	EXPECT_EQ(static_cast<int>(AFX_IDW_TOOLBAR), m_bar.GetDlgCtrlID());
	EXPECT_EQ(&m_owner, m_bar.GetParent());
}

TEST_F(ToolBarTest, SetButtonsGivesEachButtonTheNextImageAndSeparatorsTheirWidth)
{
	struct Expected
	{
		UINT nID;
		UINT nStyle;
		int iImage;
		CRect rect;
	};
	const Expected expected[] = {
		{ 100, TBBS_BUTTON, 0, CRect(4, 2, 27, 24) },
		{ ID_SEPARATOR, TBBS_SEPARATOR, 7, CRect(27, 2, 34, 24) },
		{ 101, TBBS_BUTTON, 1, CRect(34, 2, 57, 24) },
		{ 102, TBBS_BUTTON, 2, CRect(57, 2, 80, 24) },
	};
	ASSERT_EQ(4, m_bar.GetCount());
	for (int i = 0; i < 4; ++i)
	{
		UINT nID = 1;
		UINT nStyle = 1;
		int iImage = -1;
		m_bar.GetButtonInfo(i, nID, nStyle, iImage);
		CRect rect;
		m_bar.GetItemRect(i, &rect);
		EXPECT_EQ(expected[i].nID, nID) << i;
		EXPECT_EQ(expected[i].nStyle, nStyle) << i;
		EXPECT_EQ(expected[i].iImage, iImage) << i;
		EXPECT_EQ(expected[i].rect, rect) << i;
		EXPECT_EQ(expected[i].nID, m_bar.GetItemID(i)) << i;
	}
	EXPECT_EQ(3, m_bar.CommandToIndex(102));
	EXPECT_EQ(-1, m_bar.CommandToIndex(999));
}

TEST_F(ToolBarTest, LayoutGivesTheBarTheFullWidthAndTwentyEightPixels)
{
	CRect rcBar;
	m_bar.GetWindowRect(&rcBar);
	m_owner.ScreenToClient(&rcBar);
	EXPECT_EQ(CRect(0, 0, 200, 28), rcBar);
	EXPECT_EQ(CSize(4 + 3 * 23 + 7 + 4, 28), m_bar.CalcFixedLayout(FALSE, TRUE));
}

TEST_F(ToolBarTest, ButtonsShowTheirOwnImagesOnRaisedButtons)
{
	// Button 0 shows image 0 from (4 + 3, 2 + 3); button 2 shows image 1 from (34 + 3, 5).
	EXPECT_EQ(kBlack, PaintedPixel(&m_bar, 7 + 2, 5 + 4));
	EXPECT_EQ(kFace, PaintedPixel(&m_bar, 37 + 2, 5 + 4));
	EXPECT_EQ(kBlack, PaintedPixel(&m_bar, 37 + 3, 5 + 4));
	EXPECT_EQ(kWhite, PaintedPixel(&m_bar, 4, 2));
	EXPECT_EQ(kBlack, PaintedPixel(&m_bar, 26, 23));
	EXPECT_EQ(kShadow, PaintedPixel(&m_bar, 25, 22));
	// The separator is a gap of face colour; under the buttons runs the etched border.
	EXPECT_EQ(kFace, PaintedPixel(&m_bar, 30, 12));
	EXPECT_EQ(kShadow, PaintedPixel(&m_bar, 100, 26));
	EXPECT_EQ(kWhite, PaintedPixel(&m_bar, 100, 27));
}

TEST_F(ToolBarTest, DisabledButtonsShowAnEmbossedImage)
{
	m_bar.SetButtonStyle(0, TBBS_DISABLED);
	// The black square at (9..11, 9..11) turns shadow grey, with white one pixel down and right.
	EXPECT_EQ(kShadow, PaintedPixel(&m_bar, 9, 9));
	EXPECT_EQ(kShadow, PaintedPixel(&m_bar, 11, 11));
	EXPECT_EQ(kWhite, PaintedPixel(&m_bar, 12, 12));
	EXPECT_EQ(kFace, PaintedPixel(&m_bar, 8, 9));
	// The image's white pixel is not ink: nothing is drawn for it.
	EXPECT_EQ(kFace, PaintedPixel(&m_bar, 7 + 12, 5 + 10));
	EXPECT_EQ(kFace, PaintedPixel(&m_bar, 7 + 13, 5 + 11));
}

TEST_F(ToolBarTest, CheckedButtonsAreDrawnPushedOnADither)
{
	m_bar.SetButtonStyle(2, TBBS_CHECKED);
	EXPECT_EQ(kBlack, PaintedPixel(&m_bar, 34, 2));
	EXPECT_EQ(kWhite, PaintedPixel(&m_bar, 56, 23));
	// The image moves one pixel down and right.
	EXPECT_NE(kBlack, PaintedPixel(&m_bar, 40, 9));
	EXPECT_EQ(kBlack, PaintedPixel(&m_bar, 41, 10));
	EXPECT_EQ(kWhite, PaintedPixel(&m_bar, 36, 4));
	EXPECT_EQ(kFace, PaintedPixel(&m_bar, 37, 4));
}

TEST_F(ToolBarTest, ClickingAButtonSendsItsCommandToTheOwner)
{
	Click(45, 10);
	Click(10, 10);
	Click(30, 10);
	const std::vector<std::string> expected = { "command 101", "command 100" };
	EXPECT_EQ(expected, m_owner.m_log);
}

TEST_F(ToolBarTest, AButtonIsDownWhileHeldAndOnlyWithThePointerOverIt)
{
	m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(45, 10));
	EXPECT_EQ(&m_bar, CWnd::GetCapture());
	EXPECT_EQ(TBBS_PRESSED, m_bar.GetButtonStyle(2));
	EXPECT_EQ(kBlack, PaintedPixel(&m_bar, 34, 2));
	MoveTo(70, 10);
	EXPECT_EQ(TBBS_BUTTON, m_bar.GetButtonStyle(2));
	MoveTo(40, 10);
	EXPECT_EQ(TBBS_PRESSED, m_bar.GetButtonStyle(2));
	// Released away from the button: no command.
	m_bar.SendMessage(WM_LBUTTONUP, 0, At(70, 10));
	EXPECT_EQ(TBBS_BUTTON, m_bar.GetButtonStyle(2));
	EXPECT_EQ(nullptr, CWnd::GetCapture());
	EXPECT_TRUE(m_owner.m_log.empty());
}

TEST_F(ToolBarTest, DisabledButtonsIgnoreClicksAndCheckBoxesToggle)
{
	m_bar.SetButtonStyle(0, TBBS_DISABLED);
	m_bar.SetButtonStyle(3, TBBS_CHECKBOX);
	Click(10, 10);
	Click(60, 10);
	EXPECT_EQ(TBBS_CHECKBOX | TBBS_CHECKED, m_bar.GetButtonStyle(3));
	Click(60, 10);
	EXPECT_EQ(TBBS_CHECKBOX, m_bar.GetButtonStyle(3));
	const std::vector<std::string> expected = { "command 102", "command 102" };
	EXPECT_EQ(expected, m_owner.m_log);
}

TEST_F(ToolBarTest, FlyByPromptsFollowThePointerAndPopWhenItLeaves)
{
	MoveTo(10, 10);
	EXPECT_TRUE(m_owner.m_log.empty()) << "no prompts without CBRS_FLYBY";
	MoveTo(100, 10);
	m_bar.SetBarStyle(m_bar.GetBarStyle() | CBRS_FLYBY);
	MoveTo(10, 10);
	MoveTo(12, 11);
	MoveTo(45, 10);
	m_bar.SendMessage(WM_MOUSELEAVE);
	MoveTo(60, 10);
	MoveTo(30, 10);
	const std::vector<std::string> expected = { "setmessage 100", "setmessage 101", "popmessage 57345",
		"setmessage 102", "popmessage 57345" };
	EXPECT_EQ(expected, m_owner.m_log);
}

TEST_F(ToolBarTest, ThePointerLeavingTheBarOnTheDesktopPopsThePrompt)
{
	m_bar.SetBarStyle(m_bar.GetBarStyle() | CBRS_FLYBY);
	ASSERT_TRUE(AfxSendMouseInput(&m_bar, WM_MOUSEMOVE, CPoint(45, 10)));
	ASSERT_TRUE(AfxSendMouseInput(&m_owner, WM_MOUSEMOVE, CPoint(100, 80)));
	const std::vector<std::string> expected = { "setmessage 101", "popmessage 57345" };
	EXPECT_EQ(expected, m_owner.m_log);
}

TEST_F(ToolBarTest, TooltipShowsOnceThePointerRestsAndFollowsItAtOnce)
{
	m_bar.SetBarStyle(m_bar.GetBarStyle() | CBRS_TOOLTIPS);
	m_owner.m_tips[100] = "Esci";
	m_owner.m_tips[101] = "Salva segnale";
	MoveTo(45, 10);
	EXPECT_TRUE(m_owner.m_log.empty());
	EXPECT_STREQ("", AfxGetToolTipText());
	m_bar.SendMessage(WM_TIMER, CToolBar::nIDToolTipTimer);
	EXPECT_STREQ("Salva segnale", AfxGetToolTipText());
	MoveTo(10, 10);
	EXPECT_STREQ("Esci", AfxGetToolTipText());
	m_bar.SendMessage(WM_MOUSELEAVE);
	EXPECT_STREQ("", AfxGetToolTipText());
	const std::vector<std::string> expected = { "needtextA 101 from bar", "needtextA 100 from bar" };
	EXPECT_EQ(expected, m_owner.m_log);
}

TEST_F(ToolBarTest, NoTooltipWhileTheWindowIsDisabledUnderAModalDialog)
{
	m_bar.SetBarStyle(m_bar.GetBarStyle() | CBRS_TOOLTIPS);
	m_owner.m_tips[101] = "Salva segnale";
	MoveTo(45, 10);
	m_owner.EnableWindow(FALSE);
	m_bar.SendMessage(WM_TIMER, CToolBar::nIDToolTipTimer);
	EXPECT_STREQ("", AfxGetToolTipText());
	m_owner.EnableWindow(TRUE);
	MoveTo(45, 10);
	m_bar.SendMessage(WM_TIMER, CToolBar::nIDToolTipTimer);
	EXPECT_STREQ("Salva segnale", AfxGetToolTipText());
}

TEST_F(ToolBarTest, TooltipTextComesInEveryFormTheOwnerMayAnswer)
{
	struct Case
	{
		TipAnswer nAnswer;
		const char* pszShown;
		std::vector<std::string> log;
	};
	const Case cases[] = {
		{ TipAnswer::Buffer, "Salva segnale", { "needtextA 101 from bar" } },
		{ TipAnswer::Pointer, "Salva segnale", { "needtextA 101 from bar" } },
		// The whole string of the command's id, as the owner pointed at it.
		{ TipAnswer::StringId, "Salva il segnale\nSalva segnale", { "needtextA 101 from bar" } },
		{ TipAnswer::WideOnly, "Modulazione \xc3\xa8 segnale", { "needtextA 101 from bar", "needtextW 101 from bar" } },
	};
	m_bar.SetBarStyle(m_bar.GetBarStyle() | CBRS_TOOLTIPS);
	m_owner.m_tips[101] = "Salva segnale";
	m_owner.m_wideTips[101] = L"Modulazione \u00e8 segnale";
	for (const Case& c : cases)
	{
		m_owner.m_log.clear();
		m_owner.m_nAnswer = c.nAnswer;
		MoveTo(45, 10);
		m_bar.SendMessage(WM_TIMER, CToolBar::nIDToolTipTimer);
		EXPECT_STREQ(c.pszShown, AfxGetToolTipText()) << static_cast<int>(c.nAnswer);
		EXPECT_EQ(c.log, m_owner.m_log) << static_cast<int>(c.nAnswer);
		m_bar.SendMessage(WM_MOUSELEAVE);
	}
}

TEST_F(ToolBarTest, NoTooltipWithoutTextOrWithoutTheStyle)
{
	MoveTo(45, 10);
	m_bar.SendMessage(WM_TIMER, CToolBar::nIDToolTipTimer);
	EXPECT_STREQ("", AfxGetToolTipText());
	EXPECT_TRUE(m_owner.m_log.empty());
	m_bar.SendMessage(WM_MOUSELEAVE);
	m_bar.SetBarStyle(m_bar.GetBarStyle() | CBRS_TOOLTIPS);
	MoveTo(60, 10);
	m_bar.SendMessage(WM_TIMER, CToolBar::nIDToolTipTimer);
	EXPECT_STREQ("", AfxGetToolTipText());
	const std::vector<std::string> expected = { "needtextA 102 from bar", "needtextW 102 from bar" };
	EXPECT_EQ(expected, m_owner.m_log);
}

TEST(ToolBarResourceTest, LoadToolBarTakesSizesImagesAndButtonsFromTheResource)
{
	const UINT items[] = { 7, ID_SEPARATOR, 8 };
	// Images 12 pixels high, so buttons of 23 x 19.
	CBarResources resources(2, {}, { { kStripId, 16, 12, items, 3 } });
	CBarOwner owner;
	owner.CreatePopup();
	CToolBar bar;
	bar.Create(&owner);
	EXPECT_FALSE(bar.LoadToolBar(kStripId + 1));
	ASSERT_TRUE(bar.LoadToolBar(kStripId));
	ASSERT_EQ(3, bar.GetCount());
	EXPECT_EQ(8u, bar.GetItemID(2));
	CRect rect;
	bar.GetItemRect(2, &rect);
	EXPECT_EQ(CRect(34, 2, 57, 21), rect);
	EXPECT_EQ(25, bar.CalcFixedLayout(TRUE, TRUE).cy);
	AfxRepositionBars(&owner, AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0);
	EXPECT_EQ(kBlack, PaintedPixel(&bar, 37 + 3, 5 + 4));
}

TEST_F(ToolBarTest, HidingTheBarGivesItsRoomBack)
{
	CRect rcLeft;
	AfxRepositionBars(&m_owner, AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0, reposQuery, &rcLeft);
	EXPECT_EQ(CRect(0, 28, 200, 100), rcLeft);
	m_bar.ShowWindow(SW_HIDE);
	EXPECT_FALSE(m_bar.IsWindowVisible());
	AfxRepositionBars(&m_owner, AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0, reposQuery, &rcLeft);
	EXPECT_EQ(CRect(0, 0, 200, 100), rcLeft);
	m_bar.ShowWindow(SW_SHOWNA);
	EXPECT_TRUE(m_bar.IsWindowVisible());
}

}
