// AfxRepositionBars: a toolbar at the top and a status bar at the bottom of a 200 x 100 client
// area, in query mode and for real, with a left-over window and margins.
#include "framework/ui/bars/RepositionBars.h"
#include "framework/ui/bars/StatusBar.h"
#include "framework/ui/bars/ToolBar.h"
#include "tests/framework_ui/bars/BarTestSupport.h"

#include <gtest/gtest.h>

namespace
{

const UINT kIndicators[] = { ID_SEPARATOR };
const UINT kButtons[] = { 1, ID_SEPARATOR, 2 };

class RepositionBarsTest : public ::testing::Test
{
protected:
	RepositionBarsTest()
	{
		m_owner.CreatePopup();
		m_toolBar.Create(&m_owner);
		m_toolBar.SetButtons(kButtons, 3);
		m_statusBar.Create(&m_owner);
		m_statusBar.SetIndicators(kIndicators, 1);
		m_view.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(5, 5, 10, 10), &m_owner, AFX_IDW_PANE_FIRST);
		m_other.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(1, 2, 3, 4), &m_owner, 1000);
	}

	CRect RectInOwner(CWnd& wnd)
	{
		CRect rect;
		wnd.GetWindowRect(&rect);
		m_owner.ScreenToClient(&rect);
		return rect;
	}

	void Reposition(UINT nFlag = reposDefault, LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr,
		BOOL bStretch = TRUE)
	{
		AfxRepositionBars(&m_owner, AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST, nFlag,
			lpRectParam, lpRectClient, bStretch);
	}

	CBarOwner m_owner;
	CToolBar m_toolBar;
	CStatusBar m_statusBar;
	CWnd m_view;
	CWnd m_other;
};

TEST_F(RepositionBarsTest, QueryGivesTheLeftOverRectangleAndMovesNothing)
{
	CRect rcLeft;
	Reposition(reposQuery, &rcLeft);
	EXPECT_EQ(CRect(0, 28, 200, 80), rcLeft);
	EXPECT_EQ(CRect(0, 0, 0, 0), RectInOwner(m_toolBar));
	EXPECT_EQ(CRect(0, 0, 0, 0), RectInOwner(m_statusBar));
	EXPECT_EQ(CRect(5, 5, 10, 10), RectInOwner(m_view));
}

TEST_F(RepositionBarsTest, QueryWithoutStretchingGivesTheBarsTotalSize)
{
	CRect rcTotal;
	Reposition(reposQuery, &rcTotal, nullptr, FALSE);
	EXPECT_EQ(CRect(0, 0, 4 + 23 + 7 + 23 + 4, 48), rcTotal);
}

TEST_F(RepositionBarsTest, LayoutMovesTheBarsAndFillsTheRestWithTheLeftOverWindow)
{
	Reposition();
	EXPECT_EQ(CRect(0, 0, 200, 28), RectInOwner(m_toolBar));
	EXPECT_EQ(CRect(0, 80, 200, 100), RectInOwner(m_statusBar));
	EXPECT_EQ(CRect(0, 28, 200, 80), RectInOwner(m_view));
	EXPECT_EQ(CRect(1, 2, 3, 4), RectInOwner(m_other));
}

TEST_F(RepositionBarsTest, MarginsAndAnExplicitClientRectangle)
{
	CRect rcMargins(1, 2, 3, 4);
	Reposition(reposExtra, &rcMargins);
	EXPECT_EQ(CRect(1, 30, 197, 76), RectInOwner(m_view));
	const CRect rcClient(10, 10, 110, 90);
	Reposition(reposDefault, nullptr, &rcClient);
	EXPECT_EQ(CRect(10, 10, 110, 38), RectInOwner(m_toolBar));
	EXPECT_EQ(CRect(10, 70, 110, 90), RectInOwner(m_statusBar));
	EXPECT_EQ(CRect(10, 38, 110, 70), RectInOwner(m_view));
}

TEST_F(RepositionBarsTest, HiddenBarsTakeNoRoomAndBarsOutsideTheRangeAreLeftAlone)
{
	m_statusBar.ShowWindow(SW_HIDE);
	CRect rcLeft;
	Reposition(reposQuery, &rcLeft);
	EXPECT_EQ(CRect(0, 28, 200, 100), rcLeft);
	m_statusBar.ShowWindow(SW_SHOWNA);
	AfxRepositionBars(&m_owner, AFX_IDW_STATUS_BAR, AFX_IDW_STATUS_BAR, 0, reposQuery, &rcLeft);
	EXPECT_EQ(CRect(0, 0, 200, 80), rcLeft);
}

}
