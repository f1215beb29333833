// Dialog templates in pixels: controls and client area through the fixed base units (6 × 13),
// centring, and the frame a modal-frame dialog gets.
#include "framework/ui/dialog/DialogLayout.h"

#include "framework/core/ControlConstants.h"

#include <gtest/gtest.h>

namespace
{

TEST(DialogLayoutTest, ItemRectanglesRoundEachEdgeFromDialogUnits)
{
	const struct
	{
		DialogItemTemplate item;
		CRect rcExpected;
	} cases[] = {
		// x × 6 / 4 and y × 13 / 8, each edge rounded half away from zero
		{ { "EDIT", "", 1007, 0, 0, 12, 12, 57, 14 }, CRect(18, 20, 104, 42) },
		{ { "BUTTON", "OK", 1, 0, 0, 196, 124, 50, 14 }, CRect(294, 202, 369, 224) },
		{ { "STATIC", "", 1001, 0, 0, 0, 0, 20, 20 }, CRect(0, 0, 30, 33) },
		{ { "BUTTON", "", 0, 0, 0, 7, 3, 172, 47 }, CRect(11, 5, 269, 81) },
	};
	for (const auto& c : cases)
	{
		EXPECT_EQ(AfxDialogItemRect(c.item), c.rcExpected) << c.item.nID;
	}
}

TEST(DialogLayoutTest, ClientSizeOfTemplates)
{
	DialogTemplate dlg = {};
	dlg.cx = 200;
	dlg.cy = 100;
	EXPECT_EQ(AfxDialogClientSize(dlg), CSize(300, 163));
	dlg.cx = 253;
	dlg.cy = 145;
	EXPECT_EQ(AfxDialogClientSize(dlg), CSize(380, 236));
}

TEST(DialogLayoutTest, CentresOnTheAreaAndStaysOnTheScreen)
{
	const CRect rcScreen(0, 0, 1024, 768);
	EXPECT_EQ(AfxCenteredPosition(rcScreen, CSize(300, 200), rcScreen), CPoint(362, 284));
	EXPECT_EQ(AfxCenteredPosition(CRect(100, 100, 501, 301), CSize(101, 51), rcScreen), CPoint(250, 175));
	// Over an owner near the right edge the window is pushed back inside.
	EXPECT_EQ(AfxCenteredPosition(CRect(900, 10, 1000, 60), CSize(300, 200), rcScreen), CPoint(724, 0));
	// Larger than the screen: the top-left corner stays visible.
	EXPECT_EQ(AfxCenteredPosition(rcScreen, CSize(2000, 1000), rcScreen), CPoint(0, 0));
}

TEST(DialogLayoutTest, ModalFrameAndControlStyles)
{
	DialogTemplate dlg = {};
	dlg.dwStyle = WS_POPUP | DS_MODALFRAME;
	dlg.dwExStyle = WS_EX_TOOLWINDOW;
	EXPECT_EQ(AfxDialogWindowExStyle(dlg), WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME);
	dlg.dwStyle = WS_CHILD | DS_CONTROL;
	dlg.dwExStyle = 0;
	EXPECT_EQ(AfxDialogWindowExStyle(dlg), WS_EX_CONTROLPARENT);

	const DialogItemTemplate item = { "EDIT", "", 1000, WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 1, 1 };
	EXPECT_EQ(AfxDialogItemStyle(item), WS_CHILD | WS_VISIBLE | WS_TABSTOP);
}

}
