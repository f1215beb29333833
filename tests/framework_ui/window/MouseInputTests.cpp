// Mouse input as a user gives it: double clicks of both buttons, the window under the pointer, and
// the capture that keeps the pointer's messages in one window.
#include "framework/ui/testing/UserDriving.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/Wnd.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// Records each button message with the window's name and the point, and the moves of a drag or
// under the capture.
class CMouseRecorder : public CMessageRecorder
{
public:
	using CMessageRecorder::CMessageRecorder;

	bool m_bCaptureOnPress = false;

protected:
	void Note(const char* pszWhat, CPoint point)
	{
		CMessageRecorder::Note(std::string(pszWhat) + " " + std::to_string(point.x) + "," + std::to_string(point.y));
	}

	afx_msg void OnLButtonDown(UINT, CPoint point)
	{
		Note("ldown", point);
		if (m_bCaptureOnPress)
		{
			SetCapture();
		}
	}
	afx_msg void OnLButtonUp(UINT, CPoint point) { Note("lup", point); }
	afx_msg void OnLButtonDblClk(UINT, CPoint point) { Note("ldblclk", point); }
	afx_msg void OnRButtonDown(UINT, CPoint point) { Note("rdown", point); }
	afx_msg void OnRButtonUp(UINT, CPoint point) { Note("rup", point); }
	afx_msg void OnRButtonDblClk(UINT, CPoint point) { Note("rdblclk", point); }
	afx_msg void OnMouseMove(UINT nFlags, CPoint point)
	{
		if ((nFlags & MK_LBUTTON) != 0 || GetCapture() == this)
		{
			Note((nFlags & MK_LBUTTON) != 0 ? "drag" : "move", point);
		}
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMouseRecorder, CMessageRecorder)
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_LBUTTONDBLCLK()
	ON_WM_RBUTTONDOWN()
	ON_WM_RBUTTONUP()
	ON_WM_RBUTTONDBLCLK()
	ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

void DoubleClick(CWnd* pWnd, UINT nDown, UINT nUp, UINT nDouble, CPoint point)
{
	EXPECT_TRUE(AfxSendMouseInput(pWnd, nDown, point));
	EXPECT_TRUE(AfxSendMouseInput(pWnd, nUp, point));
	EXPECT_TRUE(AfxSendMouseInput(pWnd, nDouble, point));
	EXPECT_TRUE(AfxSendMouseInput(pWnd, nUp, point));
}

TEST(MouseInput, DoubleClicksOfBothButtonsGiveTheDoubleClickMessageInAWindowOfADoubleClickClass)
{
	MessageLog log;
	CMouseRecorder window(log, "w");
	ASSERT_TRUE(window.CreatePopup(CRect(40, 40, 240, 160), WS_POPUP | WS_VISIBLE, 0, AfxRegisterWndClass(CS_DBLCLKS)));

	DoubleClick(&window, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, CPoint(10, 20));
	DoubleClick(&window, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, CPoint(30, 5));

	const MessageLog expected = { "w ldown 10,20", "w lup 10,20", "w ldblclk 10,20", "w lup 10,20", "w rdown 30,5",
		"w rup 30,5", "w rdblclk 30,5", "w rup 30,5" };
	EXPECT_EQ(expected, log);
}

TEST(MouseInput, AWindowOfAClassWithoutDoubleClicksGetsTwoPresses)
{
	MessageLog log;
	CMouseRecorder window(log, "w");
	ASSERT_TRUE(window.CreatePopup(CRect(40, 40, 240, 160), WS_POPUP | WS_VISIBLE, 0, AfxRegisterWndClass(0)));

	DoubleClick(&window, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, CPoint(7, 8));

	const MessageLog expected = { "w rdown 7,8", "w rup 7,8", "w rdown 7,8", "w rup 7,8" };
	EXPECT_EQ(expected, log);
}

TEST(MouseInput, ThePressGoesToTheChildUnderThePointInItsOwnCoordinates)
{
	MessageLog log;
	CMouseRecorder parent(log, "parent");
	CMouseRecorder child(log, "child");
	ASSERT_TRUE(parent.CreatePopup(CRect(40, 40, 240, 160)));
	ASSERT_TRUE(child.CreateChild(&parent, CRect(50, 30, 150, 80), 1, WS_CHILD | WS_VISIBLE | WS_BORDER));

	// Given in the parent's coordinates: the point lies inside the child's border. The button held
	// keeps the pointer's messages in the child until it is released; the pointer moves first.
	EXPECT_TRUE(AfxSendMouseInput(&parent, WM_LBUTTONDOWN, CPoint(60, 40)));
	EXPECT_TRUE(AfxSendMouseInput(&parent, WM_LBUTTONUP, CPoint(20, 10)));

	const MessageLog expected = { "child ldown 9,9", "child drag -31,-21", "child lup -31,-21" };
	EXPECT_EQ(expected, log);
}

TEST(MouseInput, TheCaptureTakesThePointerOverASiblingUntilItIsReleased)
{
	MessageLog log;
	CMouseRecorder parent(log, "parent");
	CMouseRecorder left(log, "left");
	CMouseRecorder right(log, "right");
	ASSERT_TRUE(parent.CreatePopup(CRect(40, 40, 240, 160)));
	ASSERT_TRUE(left.CreateChild(&parent, CRect(0, 0, 100, 100), 1));
	ASSERT_TRUE(right.CreateChild(&parent, CRect(100, 0, 200, 100), 2));
	left.m_bCaptureOnPress = true;

	EXPECT_TRUE(AfxSendMouseInput(&left, WM_LBUTTONDOWN, CPoint(90, 50)));
	EXPECT_TRUE(AfxSendMouseInput(&left, WM_LBUTTONUP, CPoint(90, 50)));
	EXPECT_EQ(&left, CWnd::GetCapture());
	EXPECT_TRUE(AfxSendMouseInput(&right, WM_MOUSEMOVE, CPoint(20, 50)));
	ReleaseCapture();
	EXPECT_TRUE(AfxSendMouseInput(&right, WM_MOUSEMOVE, CPoint(30, 50)));
	EXPECT_TRUE(AfxSendMouseInput(&right, WM_LBUTTONDOWN, CPoint(30, 50)));
	EXPECT_TRUE(AfxSendMouseInput(&right, WM_LBUTTONUP, CPoint(30, 50)));

	const MessageLog expected = { "left ldown 90,50", "left lup 90,50", "left move 120,50", "right ldown 30,50",
		"right lup 30,50" };
	EXPECT_EQ(expected, log);
}

TEST(MouseInput, AHiddenWindowTakesNoInput)
{
	MessageLog log;
	CMouseRecorder window(log, "w");
	ASSERT_TRUE(window.CreatePopup(CRect(40, 40, 240, 160), WS_POPUP));

	EXPECT_FALSE(AfxSendMouseInput(&window, WM_LBUTTONDOWN, CPoint(10, 10)));
	EXPECT_TRUE(log.empty());
}

}
