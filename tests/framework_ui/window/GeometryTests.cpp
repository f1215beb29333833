// Window geometry: the non-client border of each style, client and screen coordinates of nested
// windows, moving, sizing and centring with their WM_MOVE and WM_SIZE messages, and the
// smallest size a sizeable window asks for.
#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/system/SystemServices.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

class CGeometryRecorder : public CMessageRecorder
{
protected:
	afx_msg void OnMove(int x, int y)
	{
		m_log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
	}

	afx_msg void OnSize(UINT, int cx, int cy)
	{
		m_log.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy));
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CGeometryRecorder, CMessageRecorder)
	ON_WM_MOVE()
	ON_WM_SIZE()
END_MESSAGE_MAP()

TEST(GeometryTest, ClientAreaIsTheWindowLessTheBorderOfItsStyle)
{
	struct Case
	{
		const char* pszName;
		DWORD dwStyle;
		DWORD dwExStyle;
		CRect rcClientOnScreen;
	};
	// The child's window rectangle is (110, 70)-(210, 150) on the screen.
	const Case cases[] = {
		{ "no border", 0, 0, CRect(110, 70, 210, 150) },
		{ "WS_BORDER", WS_BORDER, 0, CRect(111, 71, 209, 149) },
		{ "client edge", 0, WS_EX_CLIENTEDGE, CRect(112, 72, 208, 148) },
		{ "border and client edge", WS_BORDER, WS_EX_CLIENTEDGE, CRect(113, 73, 207, 147) },
		{ "dialog frame", WS_DLGFRAME, 0, CRect(113, 73, 207, 147) },
		{ "sizing frame", WS_THICKFRAME, 0, CRect(114, 74, 206, 146) },
		{ "caption", WS_CAPTION, 0, CRect(113, 91, 207, 147) },
	};
	CTestWindow parent;
	ASSERT_TRUE(parent.CreatePopup(CRect(100, 50, 400, 300), WS_POPUP));
	for (const Case& c : cases)
	{
		CTestWindow child;
		ASSERT_TRUE(child.CreateChild(&parent, CRect(10, 20, 110, 100), 1, WS_CHILD | c.dwStyle, c.dwExStyle));
		CRect rcWindow;
		child.GetWindowRect(&rcWindow);
		EXPECT_EQ(CRect(110, 70, 210, 150), rcWindow) << c.pszName;
		CRect rcClient;
		child.GetClientRect(&rcClient);
		EXPECT_EQ(CRect(0, 0, c.rcClientOnScreen.Width(), c.rcClientOnScreen.Height()), rcClient) << c.pszName;
		child.ClientToScreen(&rcClient);
		EXPECT_EQ(c.rcClientOnScreen, rcClient) << c.pszName;
		child.ScreenToClient(&rcClient);
		EXPECT_EQ(CPoint(0, 0), rcClient.TopLeft()) << c.pszName;
	}
}

TEST(GeometryTest, NestedChildrenAddUpTheirParentsClientOrigins)
{
	CTestWindow top;
	ASSERT_TRUE(top.CreatePopup(CRect(200, 100, 500, 400), WS_POPUP | WS_BORDER));
	CTestWindow panel;
	ASSERT_TRUE(panel.CreateChild(&top, CRect(10, 10, 110, 110), 1, WS_CHILD, WS_EX_CLIENTEDGE));
	CTestWindow leaf;
	ASSERT_TRUE(leaf.CreateChild(&panel, CRect(5, 6, 25, 26), 2, WS_CHILD | WS_BORDER));

	CPoint point(0, 0);
	leaf.ClientToScreen(&point);
	EXPECT_EQ(CPoint(200 + 1 + 10 + 2 + 5 + 1, 100 + 1 + 10 + 2 + 6 + 1), point);
	CPoint mapped(0, 0);
	leaf.MapWindowPoints(&top, &mapped, 1);
	EXPECT_EQ(CPoint(10 + 2 + 5 + 1, 10 + 2 + 6 + 1), mapped);
	CRect rcLeaf;
	leaf.GetWindowRect(&rcLeaf);
	panel.ScreenToClient(&rcLeaf);
	EXPECT_EQ(CRect(5, 6, 25, 26), rcLeaf);
}

TEST(GeometryTest, SetWindowPosFlagsKeepPositionOrSize)
{
	struct Case
	{
		UINT nFlags;
		CRect rcExpected;
		MessageLog log;
	};
	const Case cases[] = {
		{ SWP_NOZORDER, CRect(5, 6, 35, 26), { "move 5,6", "size 30x20" } },
		{ SWP_NOZORDER | SWP_NOMOVE, CRect(10, 10, 40, 30), { "size 30x20" } },
		{ SWP_NOZORDER | SWP_NOSIZE, CRect(5, 6, 25, 26), { "move 5,6" } },
		{ SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE, CRect(10, 10, 30, 30), {} },
	};
	CTestWindow parent;
	ASSERT_TRUE(parent.CreatePopup(CRect(0, 0, 100, 100), WS_POPUP));
	for (const Case& c : cases)
	{
		CGeometryRecorder child;
		ASSERT_TRUE(child.CreateChild(&parent, CRect(10, 10, 30, 30), 1));
		child.m_log.clear();
		child.SetWindowPos(nullptr, 5, 6, 30, 20, c.nFlags);
		CRect rcWindow;
		child.GetWindowRect(&rcWindow);
		parent.ScreenToClient(&rcWindow);
		EXPECT_EQ(c.rcExpected, rcWindow) << c.nFlags;
		EXPECT_EQ(c.log, child.m_log) << c.nFlags;
	}
}

TEST(GeometryTest, MoveMessagesCarryTheClientOriginAndSizeMessagesTheClientSize)
{
	CTestWindow parent;
	ASSERT_TRUE(parent.CreatePopup(CRect(0, 0, 200, 200), WS_POPUP));
	CGeometryRecorder child;
	ASSERT_TRUE(child.CreateChild(&parent, CRect(0, 0, 50, 50), 1, WS_CHILD | WS_BORDER));
	EXPECT_EQ((MessageLog { "size 48x48", "move 1,1" }), child.m_log);
	child.m_log.clear();
	child.MoveWindow(20, 30, 60, 40);
	EXPECT_EQ((MessageLog { "move 21,31", "size 58x38" }), child.m_log);
}

TEST(GeometryTest, CenterWindowCentresInTheParentOrOnTheScreen)
{
	CTestWindow parent;
	ASSERT_TRUE(parent.CreatePopup(CRect(0, 0, 100, 80), WS_POPUP));
	CTestWindow child;
	ASSERT_TRUE(child.CreateChild(&parent, CRect(0, 0, 20, 10), 1));
	child.CenterWindow();
	CRect rc;
	child.GetWindowRect(&rc);
	EXPECT_EQ(CRect(40, 35, 60, 45), rc);

	CTestWindow popup;
	ASSERT_TRUE(popup.CreatePopup(CRect(0, 0, 100, 50), WS_POPUP));
	popup.CenterWindow();
	popup.GetWindowRect(&rc);
	int cxScreen = GetSystemMetrics(SM_CXSCREEN);
	int cyScreen = GetSystemMetrics(SM_CYSCREEN);
	EXPECT_EQ(CRect((cxScreen - 100) / 2, (cyScreen - 50) / 2, (cxScreen - 100) / 2 + 100, (cyScreen - 50) / 2 + 50), rc);
}

// Answers WM_GETMINMAXINFO with its own minimum, noting the size it had when asked.
class CLimitedWindow : public CGeometryRecorder
{
public:
	POINT m_ptMinimum = { 300, 200 };
	MINMAXINFO m_defaults = {};

protected:
	afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
	{
		m_defaults = *lpMMI;
		CRect rc;
		GetWindowRect(&rc);
		m_log.push_back("limits at " + std::to_string(rc.Width()) + "x" + std::to_string(rc.Height()));
		lpMMI->ptMinTrackSize = m_ptMinimum;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLimitedWindow, CGeometryRecorder)
	ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

TEST(GeometryTest, ASizeableWindowIsAskedItsLimitsAndKeptAboveItsMinimum)
{
	// Sizing frame 4 and caption 18: a client area of 500x400 takes a window of 508x426.
	CLimitedWindow window;
	ASSERT_TRUE(window.CreatePopup(CRect(10, 20, 110, 70), WS_POPUP | WS_CAPTION | WS_THICKFRAME));
	EXPECT_EQ((MessageLog { "limits at 100x50", "size 292x174", "move 14,42" }), window.m_log);
	EXPECT_EQ(window.m_defaults.ptMinTrackSize.x, GetSystemMetrics(SM_CXMIN));
	EXPECT_EQ(window.m_defaults.ptMinTrackSize.y, GetSystemMetrics(SM_CYMIN));
	EXPECT_EQ(window.m_defaults.ptMaxSize.x, GetSystemMetrics(SM_CXSCREEN) + 8);
	EXPECT_EQ(window.m_defaults.ptMaxSize.y, GetSystemMetrics(SM_CYSCREEN) + 26);
	EXPECT_EQ(window.m_defaults.ptMaxPosition.x, -4);
	EXPECT_EQ(window.m_defaults.ptMaxPosition.y, -22);
	EXPECT_EQ(CSize(300, 200), GetDesktopMinimumSize(&window));

	window.m_log.clear();
	window.SetWindowPos(nullptr, 0, 0, 508, 426, SWP_NOMOVE | SWP_NOZORDER);
	EXPECT_EQ((MessageLog { "limits at 300x200", "size 500x400" }), window.m_log);
	window.m_log.clear();
	window.MoveWindow(30, 40, 100, 500);
	CRect rc;
	window.GetWindowRect(&rc);
	EXPECT_EQ(CRect(30, 40, 330, 540), rc) << "the width held at the minimum, the corner where asked";
	EXPECT_EQ((MessageLog { "limits at 508x426", "move 34,62", "size 292x474" }), window.m_log);

	// Moving alone does not ask; a minimum that changed reaches the desktop as the window shows.
	window.m_log.clear();
	window.SetWindowPos(nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
	EXPECT_EQ((MessageLog { "move 9,27" }), window.m_log);
	window.m_ptMinimum = { 200, 100 };
	window.ShowWindow(SW_SHOW);
	EXPECT_EQ(CSize(200, 100), GetDesktopMinimumSize(&window));
}

TEST(GeometryTest, FixedPopupsAndChildrenHaveNoLimits)
{
	CLimitedWindow popup;
	ASSERT_TRUE(popup.CreatePopup(CRect(0, 0, 100, 50), WS_POPUP | WS_CAPTION));
	popup.MoveWindow(0, 0, 60, 40);
	CLimitedWindow child;
	ASSERT_TRUE(child.CreateChild(&popup, CRect(0, 0, 20, 10), 1, WS_CHILD | WS_THICKFRAME));
	child.MoveWindow(0, 0, 30, 20);
	for (CLimitedWindow* pWindow : { &popup, &child })
	{
		CRect rc;
		pWindow->GetWindowRect(&rc);
		EXPECT_EQ(pWindow == &popup ? CSize(60, 40) : CSize(30, 20), rc.Size());
		for (const std::string& strEntry : pWindow->m_log)
			EXPECT_EQ(strEntry.find("limits"), std::string::npos) << strEntry;
	}
}

}
