// The stacking of windows: overlapping children as they are created and as SetWindowPos places
// them, read from the parent's shown pixels, and top-level windows kept above all others.
#include "framework/ui/controls/Edit.h"
#include "framework/ui/testing/DesktopAccess.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/system/SystemServices.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

namespace
{

constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF GREEN = RGB(0, 255, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);

class CSolidWindow : public CTestWindow
{
public:
	explicit CSolidWindow(COLORREF cr)
		: m_cr(cr)
	{
	}

protected:
	afx_msg void OnPaint()
	{
		CPaintDC dc(this);
		CRect rcClient;
		GetClientRect(&rcClient);
		dc.FillSolidRect(&rcClient, m_cr);
	}

	COLORREF m_cr;

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSolidWindow, CTestWindow)
	ON_WM_PAINT()
END_MESSAGE_MAP()

constexpr UINT PLACE_ONLY = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

// Red and blue overlap at AB only; green lies over both at ABC. Created red, blue, green.
class ZOrderTest : public ::testing::Test
{
protected:
	ZOrderTest()
		: m_parent(RGB(128, 128, 128))
		, m_red(RED)
		, m_blue(BLUE)
		, m_green(GREEN)
	{
		EXPECT_TRUE(m_parent.CreatePopup(CRect(20, 20, 140, 140)));
		EXPECT_TRUE(m_red.CreateChild(&m_parent, CRect(0, 0, 60, 60), 1));
		EXPECT_TRUE(m_blue.CreateChild(&m_parent, CRect(30, 0, 90, 60), 2));
		EXPECT_TRUE(m_green.CreateChild(&m_parent, CRect(0, 30, 90, 90), 3));
	}

	COLORREF ShownAtAB() { return GetShownPixel(&m_parent, 45, 15); }
	COLORREF ShownAtABC() { return GetShownPixel(&m_parent, 45, 45); }

	CSolidWindow m_parent;
	CSolidWindow m_red;
	CSolidWindow m_blue;
	CSolidWindow m_green;
};

// Qt stacks a new child above its older siblings; on Windows the older one is above, which shows
// only with WS_CLIPSIBLINGS: without it the child painted last covers the others.
TEST_F(ZOrderTest, AChildCreatedLaterShowsAboveItsOlderSiblings)
{
	EXPECT_EQ(BLUE, ShownAtAB());
	EXPECT_EQ(GREEN, ShownAtABC());
	EXPECT_EQ(RGB(128, 128, 128), GetShownPixel(&m_parent, 100, 100));
	EXPECT_EQ(CLR_INVALID, GetShownPixel(&m_parent, 120, 10));
}

TEST_F(ZOrderTest, TopAndBottomPutTheChildAboveOrBelowAllItsSiblings)
{
	EXPECT_TRUE(m_red.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, PLACE_ONLY));
	EXPECT_EQ(RED, ShownAtAB());
	EXPECT_EQ(RED, ShownAtABC());

	EXPECT_TRUE(m_green.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, PLACE_ONLY));
	EXPECT_EQ(RED, ShownAtABC());
	EXPECT_TRUE(m_red.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, PLACE_ONLY));
	EXPECT_EQ(BLUE, ShownAtABC());
	EXPECT_EQ(BLUE, ShownAtAB());
}

TEST_F(ZOrderTest, ASiblingAsThePlacePutsTheChildRightBelowIt)
{
	EXPECT_TRUE(m_red.SetWindowPos(&m_green, 0, 0, 0, 0, PLACE_ONLY));

	EXPECT_EQ(RED, ShownAtAB());
	EXPECT_EQ(GREEN, ShownAtABC());
}

TEST_F(ZOrderTest, NoZOrderMovesTheChildAndKeepsItsPlace)
{
	EXPECT_TRUE(m_red.SetWindowPos(&CWnd::wndTop, 1, 1, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
	m_red.MoveWindow(0, 0, 60, 60);

	EXPECT_EQ(BLUE, ShownAtAB());
	EXPECT_EQ(GREEN, ShownAtABC());
}

TEST_F(ZOrderTest, TheTopMostPlacesMeanTheTopForAChild)
{
	EXPECT_TRUE(m_red.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, PLACE_ONLY));
	EXPECT_EQ(RED, ShownAtABC());
	EXPECT_TRUE(m_blue.SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, PLACE_ONLY));
	EXPECT_EQ(BLUE, ShownAtABC());
	EXPECT_EQ(0u, m_red.GetExStyle() & WS_EX_TOPMOST);
}

TEST_F(ZOrderTest, AnEditorBroughtToTheTopShowsOverTheSiblingItIsPlacedOn)
{
	CEdit editor;
	ASSERT_TRUE(editor.Create(WS_CHILD | ES_AUTOHSCROLL, CRect(100, 0, 110, 10), &m_parent, 4));
	CSolidWindow view(RED);
	ASSERT_TRUE(view.CreateChild(&m_parent, CRect(0, 95, 120, 120), 5));
	EXPECT_EQ(RED, GetShownPixel(&m_parent, 60, 105));

	// The grid places its editor over a cell and shows it on top of the cell view.
	EXPECT_TRUE(editor.SetWindowPos(&CWnd::wndTop, 40, 98, 50, 18, SWP_SHOWWINDOW | SWP_NOACTIVATE));
	EXPECT_EQ(GetSysColor(COLOR_WINDOW), GetShownPixel(&m_parent, 60, 105));
	EXPECT_EQ(RED, GetShownPixel(&m_parent, 30, 105));
}

TEST(TopMostWindow, TheTopMostPlacesKeepATopLevelWindowAboveAllOthersOrNoMore)
{
	CTestWindow window;
	ASSERT_TRUE(window.CreatePopup(CRect(20, 20, 120, 120), WS_POPUP | WS_CAPTION | WS_VISIBLE));

	EXPECT_TRUE(window.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, PLACE_ONLY));
	EXPECT_NE(0u, window.GetExStyle() & WS_EX_TOPMOST);
	EXPECT_TRUE(AfxReadDesktopWindow(&window).bAboveAll);
	EXPECT_TRUE(window.IsWindowVisible());

	EXPECT_TRUE(window.SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, PLACE_ONLY));
	EXPECT_EQ(0u, window.GetExStyle() & WS_EX_TOPMOST);
	EXPECT_FALSE(AfxReadDesktopWindow(&window).bAboveAll);
}

}
