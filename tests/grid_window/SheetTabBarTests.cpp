// The sheet tab bar inside a grid: a click makes a tab current and tells the grid, the current
// tab is painted white over the others, the strip scrolls, and the bar's edge drags its width.
#include "tests/grid_window/ScrollingGridFixture.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/system/SystemServices.h"
#include "grid/window/SheetTabBar.h"

namespace
{
	constexpr COLORREF WHITE = RGB(255, 255, 255);
	constexpr COLORREF BLACK = RGB(0, 0, 0);
	constexpr COLORREF PALE_BLUE = RGB(200, 220, 255);
	constexpr COLORREF PALE_GREEN = RGB(200, 255, 200);

	class SheetTabBarTest : public ScrollingGridTest
	{
	protected:
		void SetUp() override
		{
			ScrollingGridTest::SetUp();
			m_grid.SetColumnCount(2, FALSE);
			m_grid.SetRowCount(3, FALSE);
			m_grid.SetTabBarWidth(200);
			m_grid.LayoutChildren();
			m_pBar = m_grid.GetTabBar();
		}

		// A label's width in the bar's font, as the text is measured anywhere else.
		static int LabelWidth(LPCSTR lpszLabel)
		{
			CFont font;
			font.CreateFont(14, 0, 0, 0, 500, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
			CDC dc;
			dc.CreateCompatibleDC(nullptr);
			CFont* pOld = dc.SelectObject(&font);
			const int nWidth = dc.GetTextExtent(lpszLabel, static_cast<int>(strlen(lpszLabel))).cx;
			dc.SelectObject(pOld);
			return nWidth;
		}

		void Mouse(UINT message, int x, int y)
		{
			m_pBar->SendMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
				MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
		}

		int BarWidth()
		{
			CRect rc;
			m_pBar->GetClientRect(&rc);
			return rc.Width();
		}

		SheetTabBar* m_pBar = nullptr;
	};
}

TEST_F(SheetTabBarTest, ClickMakesTheTabCurrentAndNotifiesItsSheet)
{
	ASSERT_EQ(m_pBar->AddTab("Uno", 0, BLACK, PALE_BLUE), 0);
	ASSERT_EQ(m_pBar->AddTab("Due", 7, BLACK, PALE_GREEN), 1);
	EXPECT_EQ(m_pBar->GetCurrentTab(), 0);
	ASSERT_EQ(BarWidth(), 200);
	const int nFirstWidth = LabelWidth("Uno") + 20;
	const int nSecondWidth = LabelWidth("Due") + 20;

	// Two pixels past a tab's end still belong to it.
	Mouse(WM_LBUTTONDOWN, nFirstWidth + 1, 8);
	Mouse(WM_LBUTTONUP, nFirstWidth + 1, 8);
	Mouse(WM_LBUTTONDOWN, nFirstWidth + 3, 8);
	Mouse(WM_LBUTTONUP, nFirstWidth + 3, 8);
	EXPECT_EQ(m_grid.m_tabSheets, (std::vector<int>{0, 7}));
	EXPECT_EQ(m_pBar->GetCurrentTab(), 1);

	m_pBar->Invalidate();
	m_pBar->UpdateWindow();
	const int nMiddle = 8;
	// Each fill is tested left of its label, which starts ten pixels in.
	EXPECT_EQ(GetSurfacePixel(m_pBar, 8, nMiddle), PALE_BLUE);
	EXPECT_EQ(GetSurfacePixel(m_pBar, nFirstWidth + 8, nMiddle), WHITE);
	// The bar's top line parts it from the sheet, except above the current tab.
	EXPECT_EQ(GetSurfacePixel(m_pBar, nFirstWidth / 2, 0), BLACK);
	EXPECT_EQ(GetSurfacePixel(m_pBar, nFirstWidth + nSecondWidth / 2, 0), WHITE);
	EXPECT_EQ(GetSurfacePixel(m_pBar, nFirstWidth + nSecondWidth + 10, 0), BLACK);
	EXPECT_EQ(GetSurfacePixel(m_pBar, nFirstWidth + nSecondWidth + 10, 8), GetSysColor(COLOR_BTNFACE));
}

TEST_F(SheetTabBarTest, StripScrollsSoTheLastTabClearsTheArrows)
{
	for (int i = 0; i < 12; ++i)
		ASSERT_EQ(m_pBar->AddTab("Foglio", i, BLACK, PALE_BLUE), i);
	// The tabs, the arrows and the edge grip leave this much strip.
	const int nStrip = BarWidth() - 2 * GetSystemMetrics(SM_CXHSCROLL) - 4;
	m_pBar->SendMessage(WM_HSCROLL, SB_RIGHT, 0);
	// Scrolled to its end, the strip shows 20 pixels of bar after the last tab.
	Mouse(WM_LBUTTONDOWN, nStrip - 25, 8);
	Mouse(WM_LBUTTONUP, nStrip - 25, 8);
	Mouse(WM_LBUTTONDOWN, nStrip - 15, 8);
	Mouse(WM_LBUTTONUP, nStrip - 15, 8);
	EXPECT_EQ(m_grid.m_tabSheets, std::vector<int>{11});

	m_pBar->SendMessage(WM_HSCROLL, SB_LEFT, 0);
	Mouse(WM_LBUTTONDOWN, 3, 8);
	EXPECT_EQ(m_grid.m_tabSheets, (std::vector<int>{11, 0}));
}

TEST_F(SheetTabBarTest, DraggingTheRightEdgeWidensTheBarUpToTheLayoutsLimit)
{
	m_pBar->AddTab("Uno", 0, BLACK, PALE_BLUE);
	Mouse(WM_LBUTTONDOWN, 198, 8);
	EXPECT_TRUE(m_pBar->IsDraggingEdge());
	Mouse(WM_MOUSEMOVE, 218, 8);
	EXPECT_EQ(Sheet().m_nTabBarWidth, 220);
	EXPECT_EQ(BarWidth(), 220);
	EXPECT_EQ(Sheet().m_rcHScroll.left, 220);

	// The side heading takes 40 pixels and the scroll bar keeps 30: 300 - 40 - 30.
	Mouse(WM_MOUSEMOVE, 900, 8);
	EXPECT_EQ(Sheet().m_nTabBarWidth, 230);
	EXPECT_EQ(BarWidth(), 230);

	Mouse(WM_MOUSEMOVE, 100, 8);
	Mouse(WM_LBUTTONUP, 100, 8);
	EXPECT_FALSE(m_pBar->IsDraggingEdge());
	EXPECT_NE(CWnd::GetCapture(), static_cast<CWnd*>(m_pBar));
	EXPECT_EQ(Sheet().m_nTabBarWidth, 102);
	EXPECT_TRUE(m_grid.m_tabSheets.empty());
}
