// A window's menu bar: the room it takes above the client area, WM_SIZE, children below it, and
// the menu's life with the window.
#include "tests/framework_ui/menu/MenuTestSupport.h"

#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/system/SystemServices.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

namespace
{

class CSizeLogWindow : public CMenuLogWindow
{
public:
	std::vector<CSize> m_sizes;

protected:
	afx_msg void OnSize(UINT, int cx, int cy)
	{
		m_sizes.push_back(CSize(cx, cy));
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSizeLogWindow, CMenuLogWindow)
	ON_WM_SIZE()
END_MESSAGE_MAP()

CRect ClientRect(const CWnd& wnd)
{
	CRect rc;
	wnd.GetClientRect(&rc);
	return rc;
}

CRect WindowRect(const CWnd& wnd)
{
	CRect rc;
	wnd.GetWindowRect(&rc);
	return rc;
}

struct FrameCase
{
	const char* pszName;
	DWORD dwStyle;
	int nFrame;	// border thickness on each side
	int nCaption;
};

class MenuBarRoomTest : public ::testing::TestWithParam<FrameCase>
{
protected:
	CMenuResources m_resources;
};

// The window keeps its rectangle; the client area loses the bar's height at its top, as on Windows.
TEST_P(MenuBarRoomTest, ClientAreaShrinksByTheBarAndHearsWMSize)
{
	const int nBar = GetSystemMetrics(SM_CYMENU);
	const FrameCase& frame = GetParam();
	CSizeLogWindow wnd;
	ASSERT_TRUE(wnd.CreateTopLevel(frame.dwStyle, CRect(100, 100, 400, 300)));
	const CSize sizeBefore = ClientRect(wnd).Size();
	EXPECT_EQ(CSize(300 - 2 * frame.nFrame, 200 - 2 * frame.nFrame - frame.nCaption), sizeBefore);
	wnd.m_sizes.clear();
	ASSERT_NE(nullptr, wnd.SetTestMenu());
	EXPECT_EQ(CRect(100, 100, 400, 300), WindowRect(wnd));
	const CSize sizeWithBar(sizeBefore.cx, sizeBefore.cy - nBar);
	EXPECT_EQ(sizeWithBar, ClientRect(wnd).Size());
	EXPECT_EQ(std::vector<CSize>{ sizeWithBar }, wnd.m_sizes);
	EXPECT_EQ(sizeWithBar, GetSurfaceSize(&wnd));
	CPoint ptOrigin(0, 0);
	wnd.ClientToScreen(&ptOrigin);
	EXPECT_EQ(CPoint(100 + frame.nFrame, 100 + frame.nFrame + frame.nCaption + nBar), ptOrigin);
	EXPECT_TRUE(wnd.SetMenu(nullptr));
	EXPECT_EQ(sizeBefore, ClientRect(wnd).Size());
	EXPECT_EQ((std::vector<CSize>{ sizeWithBar, sizeBefore }), wnd.m_sizes);
}

INSTANTIATE_TEST_SUITE_P(Frames, MenuBarRoomTest,
	::testing::Values(FrameCase{ "Popup", WS_POPUP | WS_VISIBLE, 0, 0 },
		FrameCase{ "Bordered", WS_POPUP | WS_VISIBLE | WS_BORDER, 1, 0 },
		FrameCase{ "Overlapped", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 4, 18 },
		FrameCase{ "Hidden", WS_POPUP | WS_CAPTION | WS_SYSMENU, 3, 18 }),
	[](const ::testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.pszName); });

TEST(MenuBarTest, ChildWindowsSitBelowTheBar)
{
	CMenuResources resources;
	CMenuLogWindow wnd;
	ASSERT_TRUE(wnd.CreateTopLevel());
	ASSERT_NE(nullptr, wnd.SetTestMenu());
	CTestWindow child;
	ASSERT_TRUE(child.CreateChild(&wnd, CRect(0, 0, 50, 20), 100));
	EXPECT_EQ(CRect(100, 100 + GetSystemMetrics(SM_CYMENU), 150, 120 + GetSystemMetrics(SM_CYMENU)), WindowRect(child));
	// A child window has no menu bar of its own.
	HMENU hMenu = ::CreateMenu();
	EXPECT_FALSE(::SetMenu(child.m_hWnd, hMenu));
	EXPECT_EQ(nullptr, ::GetMenu(child.m_hWnd));
	::DestroyMenu(hMenu);
}

TEST(MenuBarTest, GetMenuGivesTheBarAndAnotherMenuReplacesItInPlace)
{
	CMenuResources resources;
	CSizeLogWindow wnd;
	ASSERT_TRUE(wnd.CreateTopLevel());
	HMENU hFirst = wnd.SetTestMenu();
	ASSERT_NE(nullptr, hFirst);
	EXPECT_EQ(hFirst, wnd.GetMenu()->m_hMenu);
	wnd.m_sizes.clear();
	CMenu second;
	ASSERT_TRUE(second.LoadMenu(IDR_TEST_MENU));
	EXPECT_TRUE(wnd.SetMenu(&second));
	EXPECT_EQ(&second, wnd.GetMenu());
	EXPECT_TRUE(wnd.m_sizes.empty());
	// The menu put aside lives on until the program destroys it.
	EXPECT_TRUE(::IsMenu(hFirst));
	EXPECT_TRUE(::DestroyMenu(hFirst));
	wnd.DrawMenuBar();
	EXPECT_TRUE(wnd.SetMenu(nullptr));
	EXPECT_EQ(nullptr, wnd.GetMenu());
}

TEST(MenuBarTest, AMenuGivenToAnotherWindowLeavesTheFirst)
{
	CMenuResources resources;
	CMenuLogWindow first;
	CMenuLogWindow second;
	ASSERT_TRUE(first.CreateTopLevel());
	ASSERT_TRUE(second.CreateTopLevel(WS_POPUP | WS_VISIBLE, CRect(500, 100, 800, 300)));
	HMENU hMenu = first.SetTestMenu();
	ASSERT_TRUE(::SetMenu(second.m_hWnd, hMenu));
	EXPECT_EQ(nullptr, ::GetMenu(first.m_hWnd));
	EXPECT_EQ(CSize(300, 200), ClientRect(first).Size());
	EXPECT_EQ(hMenu, ::GetMenu(second.m_hWnd));
}

TEST(MenuBarTest, DestroyingTheWindowDestroysItsMenu)
{
	CMenuResources resources;
	CMenu menu;
	ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
	HMENU hMenu = menu.m_hMenu;
	HMENU hFile = ::GetSubMenu(hMenu, 0);
	{
		CMenuLogWindow wnd;
		ASSERT_TRUE(wnd.CreateTopLevel());
		ASSERT_TRUE(wnd.SetMenu(&menu));
	}
	EXPECT_FALSE(::IsMenu(hMenu));
	EXPECT_FALSE(::IsMenu(hFile));
	EXPECT_EQ(nullptr, menu.m_hMenu);
}

}
