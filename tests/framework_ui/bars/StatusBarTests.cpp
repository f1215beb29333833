// CStatusBar in a window: indicators and their texts, pane geometry with a stretching pane,
// pane texts, disabled panes and the size grip.
#include "framework/ui/bars/RepositionBars.h"
#include "framework/ui/bars/StatusBar.h"
#include "tests/framework_ui/bars/BarTestSupport.h"

#include <gtest/gtest.h>

namespace
{

const UINT kIndicators[] = { ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM };

class StatusBarTest : public ::testing::Test
{
protected:
	void Open(DWORD dwOwnerStyle = WS_POPUP | WS_VISIBLE)
	{
		m_owner.CreatePopup(dwOwnerStyle);
		m_bar.Create(&m_owner);
		m_bar.SetIndicators(kIndicators, 3);
		AfxRepositionBars(&m_owner, AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0);
	}

	// Fixed widths, so that the geometry does not depend on the font's measures.
	void FixWidths()
	{
		m_bar.SetPaneInfo(0, ID_SEPARATOR, SBPS_STRETCH, 0);
		m_bar.SetPaneInfo(1, ID_INDICATOR_CAPS, SBPS_NORMAL, 40);
		m_bar.SetPaneInfo(2, ID_INDICATOR_NUM, SBPS_NORMAL, 20);
	}

	CRect PaneRect(int nIndex)
	{
		CRect rect;
		m_bar.GetItemRect(nIndex, &rect);
		return rect;
	}

	CBarOwner m_owner;
	CStatusBar m_bar;
};

TEST_F(StatusBarTest, IndicatorsTakeTheirTextsAndTheMessagePaneStretches)
{
	Open();
	EXPECT_EQ(CBRS_BOTTOM, m_bar.GetBarStyle());
	EXPECT_EQ(static_cast<int>(AFX_IDW_STATUS_BAR), m_bar.GetDlgCtrlID());
	ASSERT_EQ(3, m_bar.GetCount());
	UINT nID = 1;
	UINT nStyle = 0;
	int cxWidth = -1;
	m_bar.GetPaneInfo(0, nID, nStyle, cxWidth);
	EXPECT_EQ(ID_SEPARATOR, nID);
	EXPECT_EQ(SBPS_NOBORDERS | SBPS_STRETCH, nStyle);
	EXPECT_EQ(0, cxWidth);
	m_bar.GetPaneInfo(1, nID, nStyle, cxWidth);
	EXPECT_EQ(ID_INDICATOR_CAPS, nID);
	EXPECT_EQ(SBPS_NORMAL, nStyle);
	EXPECT_GT(cxWidth, 0);
	EXPECT_STREQ("MAIUSC", m_bar.GetPaneText(1));
	EXPECT_STREQ("NUM", m_bar.GetPaneText(2));
	EXPECT_EQ(2, m_bar.CommandToIndex(ID_INDICATOR_NUM));
	EXPECT_EQ(-1, m_bar.CommandToIndex(ID_INDICATOR_SCRL));
	EXPECT_EQ(ID_INDICATOR_CAPS, m_bar.GetItemID(1));
}

TEST_F(StatusBarTest, TheProgramsStringsNameTheIndicators)
{
	CBarResources resources(1, { { ID_INDICATOR_CAPS, "CAPS" } });
	Open();
	EXPECT_STREQ("CAPS", m_bar.GetPaneText(1));
	EXPECT_STREQ("NUM", m_bar.GetPaneText(2));
}

TEST_F(StatusBarTest, TheBarTakesTwentyPixelsAtTheBottomAndItsPanesShareTheWidth)
{
	Open();
	FixWidths();
	CRect rcBar;
	m_bar.GetWindowRect(&rcBar);
	m_owner.ScreenToClient(&rcBar);
	EXPECT_EQ(CRect(0, 80, 200, 100), rcBar);
	EXPECT_EQ(CRect(2, 3, 122, 19), PaneRect(0));
	EXPECT_EQ(CRect(124, 3, 170, 19), PaneRect(1));
	EXPECT_EQ(CRect(172, 3, 198, 19), PaneRect(2));
	// Sunken panes with the face between them.
	EXPECT_EQ(kShadow, PaintedPixel(&m_bar, 2, 3));
	EXPECT_EQ(kFace, PaintedPixel(&m_bar, 122, 10));
	EXPECT_EQ(kShadow, PaintedPixel(&m_bar, 124, 3));
	EXPECT_EQ(kWhite, PaintedPixel(&m_bar, 169, 18));
}

TEST_F(StatusBarTest, AWindowWithASizingBorderLeavesRoomForTheGrip)
{
	Open(WS_POPUP | WS_VISIBLE | WS_THICKFRAME);
	FixWidths();
	CRect rcClient;
	m_bar.GetClientRect(&rcClient);
	const int cx = rcClient.Width();
	EXPECT_EQ(CRect(cx - 2 - 16 - 26, 3, cx - 2 - 16, 19), PaneRect(2));
	EXPECT_EQ(kWhite, PaintedPixel(&m_bar, cx - 1, rcClient.bottom - 2));
	EXPECT_EQ(kShadow, PaintedPixel(&m_bar, cx - 1, rcClient.bottom - 3));
}

TEST_F(StatusBarTest, PaneTextsAndTheWindowTextOfTheFirstPane)
{
	Open();
	EXPECT_TRUE(m_bar.SetPaneText(2, "N"));
	EXPECT_STREQ("N", m_bar.GetPaneText(2));
	EXPECT_FALSE(m_bar.SetPaneText(3, "x"));
	m_bar.SetWindowText("Pronto");
	EXPECT_STREQ("Pronto", m_bar.GetPaneText(0));
	CString strText;
	m_bar.GetWindowText(strText);
	EXPECT_STREQ("Pronto", strText);
}

TEST_F(StatusBarTest, ADisabledPaneShowsNoText)
{
	Open();
	FixWidths();
	m_bar.SetPaneText(0, "Pronto");
	// Inside the panes' sunken edges.
	CRect rcCaps = PaneRect(1);
	rcCaps.DeflateRect(1, 1);
	CRect rcMessage = PaneRect(0);
	rcMessage.DeflateRect(1, 1);
	const int nInkCaps = CountInk(&m_bar, rcCaps);
	EXPECT_GT(nInkCaps, 0);
	EXPECT_GT(CountInk(&m_bar, rcMessage), 0);
	m_bar.SetPaneStyle(1, SBPS_DISABLED);
	EXPECT_EQ(0, CountInk(&m_bar, rcCaps));
	EXPECT_STREQ("MAIUSC", m_bar.GetPaneText(1));
	m_bar.SetPaneStyle(1, SBPS_NORMAL);
	EXPECT_EQ(nInkCaps, CountInk(&m_bar, rcCaps));
	m_bar.SetPaneText(0, "");
	EXPECT_EQ(0, CountInk(&m_bar, rcMessage));
}

}
