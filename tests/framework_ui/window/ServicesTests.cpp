// System colours, metrics, key state and cursors.
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/UserServices.h"

#include <gtest/gtest.h>

namespace
{

TEST(SystemColourTest, ClassicSchemeColoursAndTheirBrushes)
{
	struct Case
	{
		int nIndex;
		COLORREF cr;
	};
	const Case cases[] = {
		{ COLOR_BTNFACE, RGB(192, 192, 192) },
		{ COLOR_BTNSHADOW, RGB(128, 128, 128) },
		{ COLOR_BTNHIGHLIGHT, RGB(255, 255, 255) },
		{ COLOR_WINDOW, RGB(255, 255, 255) },
		{ COLOR_WINDOWTEXT, RGB(0, 0, 0) },
		{ COLOR_HIGHLIGHT, RGB(0, 0, 128) },
		{ COLOR_INFOBK, RGB(255, 255, 225) },
	};
	for (const Case& c : cases)
	{
		EXPECT_EQ(c.cr, GetSysColor(c.nIndex)) << c.nIndex;
		HBRUSH hBrush = GetSysColorBrush(c.nIndex);
		EXPECT_EQ(hBrush, GetSysColorBrush(c.nIndex)) << c.nIndex;
		LOGBRUSH logBrush = {};
		ASSERT_NE(0, CBrush::FromHandle(hBrush)->GetLogBrush(&logBrush)) << c.nIndex;
		EXPECT_EQ(c.cr, logBrush.lbColor) << c.nIndex;
	}
	EXPECT_EQ(nullptr, GetSysColorBrush(-1));
	EXPECT_EQ(nullptr, GetSysColorBrush(COLOR_INFOBK + 1));
}

TEST(SystemMetricsTest, FixedWindowsSizes)
{
	struct Case
	{
		int nIndex;
		int nValue;
	};
	const Case cases[] = {
		{ SM_CXVSCROLL, 16 },
		{ SM_CYHSCROLL, 16 },
		{ SM_CXBORDER, 1 },
		{ SM_CYBORDER, 1 },
		{ SM_CXEDGE, 2 },
		{ SM_CXDLGFRAME, 3 },
		{ SM_CXFRAME, 4 },
		{ SM_CYCAPTION, 18 },
		{ SM_CXICON, 32 },
		{ SM_CXSMICON, 16 },
	};
	for (const Case& c : cases)
	{
		EXPECT_EQ(c.nValue, GetSystemMetrics(c.nIndex)) << c.nIndex;
	}
	EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
	EXPECT_GT(GetSystemMetrics(SM_CYSCREEN), 0);
}

TEST(KeyStateTest, NoKeyIsDownAndLocksReadOff)
{
	for (int nKey : { VK_SHIFT, VK_CONTROL, VK_MENU, VK_LBUTTON, VK_CAPITAL, VK_NUMLOCK, VK_SCROLL })
	{
		EXPECT_EQ(0, GetKeyState(nKey)) << nKey;
	}
}

TEST(CursorTest, StandardCursorsLoadByIdOnly)
{
	HCURSOR hArrow = LoadCursor(nullptr, IDC_ARROW);
	ASSERT_NE(nullptr, hArrow);
	EXPECT_EQ(hArrow, LoadCursor(nullptr, IDC_ARROW));
	EXPECT_NE(hArrow, LoadCursor(nullptr, IDC_WAIT));
	EXPECT_EQ(nullptr, LoadCursor(nullptr, MAKEINTRESOURCE(1)));
	EXPECT_EQ(nullptr, LoadCursor(nullptr, "arrow"));
	HCURSOR hPrevious = SetCursor(hArrow);
	EXPECT_EQ(hArrow, SetCursor(hPrevious));
}

}
