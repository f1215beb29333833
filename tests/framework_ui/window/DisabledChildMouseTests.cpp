// The mouse over a disabled child reaches its nearest enabled ancestor, as a dialog sees the mouse
// over its disabled controls; the capture still takes it, and the wheel follows the focus.
#include "framework/ui/controls/Button.h"
#include "framework/ui/controls/Edit.h"
#include "framework/ui/testing/UserDriving.h"
#include "framework/ui/window/UserServices.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

class CPointerRecorder : public CMessageRecorder
{
public:
	using CMessageRecorder::CMessageRecorder;

protected:
	void Note(const char* pszWhat, CPoint point)
	{
		CMessageRecorder::Note(std::string(pszWhat) + " " + std::to_string(point.x) + "," + std::to_string(point.y));
	}

	afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
	{
		CMessageRecorder::Note(std::string("cursor ") + (pWnd == this ? "self " : "other ") + std::to_string(nHitTest) + " "
			+ std::to_string(message));
		return CMessageRecorder::OnSetCursor(pWnd, nHitTest, message);
	}
	afx_msg void OnMouseMove(UINT, CPoint point) { Note("move", point); }
	afx_msg void OnLButtonDown(UINT, CPoint point) { Note("ldown", point); }
	afx_msg void OnLButtonUp(UINT, CPoint point) { Note("lup", point); }
	afx_msg void OnLButtonDblClk(UINT, CPoint point) { Note("ldblclk", point); }
	afx_msg void OnRButtonDown(UINT, CPoint point) { Note("rdown", point); }
	afx_msg BOOL OnMouseWheel(UINT, short zDelta, CPoint)
	{
		CMessageRecorder::Note("wheel " + std::to_string(zDelta));
		return TRUE;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPointerRecorder, CMessageRecorder)
	ON_WM_SETCURSOR()
	ON_WM_MOUSEMOVE()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_LBUTTONDBLCLK()
	ON_WM_RBUTTONDOWN()
	ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

const DWORD DISABLED_EDIT = WS_CHILD | WS_VISIBLE | WS_DISABLED;

// A dialog with a disabled scope, and an enabled panel holding a disabled edit of its own.
class DisabledChildMouse : public testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(dialog.CreatePopup(CRect(40, 40, 340, 240)));
		ASSERT_TRUE(scope.Create(DISABLED_EDIT, CRect(10, 10, 210, 50), &dialog, 1));
		ASSERT_TRUE(panel.CreateChild(&dialog, CRect(10, 100, 210, 190), 2));
		ASSERT_TRUE(inner.Create(DISABLED_EDIT, CRect(20, 0, 120, 40), &panel, 3));
	}

	MessageLog log;
	CPointerRecorder dialog { log, "dialog" };
	CPointerRecorder panel { log, "panel" };
	CEdit scope;
	CEdit inner;
};

TEST_F(DisabledChildMouse, ButtonMessagesAndTheCursorOverADisabledChildGoToTheParent)
{
	EXPECT_TRUE(AfxSendMouseInput(&scope, WM_MOUSEMOVE, CPoint(5, 6)));
	EXPECT_TRUE(AfxSendMouseInput(&scope, WM_LBUTTONDOWN, CPoint(5, 6)));
	EXPECT_TRUE(AfxSendMouseInput(&scope, WM_LBUTTONUP, CPoint(5, 6)));
	EXPECT_TRUE(AfxSendMouseInput(&scope, WM_LBUTTONDBLCLK, CPoint(5, 6)));
	EXPECT_TRUE(AfxSendMouseInput(&scope, WM_LBUTTONUP, CPoint(5, 6)));
	EXPECT_TRUE(AfxSendMouseInput(&inner, WM_RBUTTONDOWN, CPoint(1, 2)));

	// The cursor is asked of the window that gets the message, for the client area (HTCLIENT 1),
	// with the message as WM_MOUSEMOVE 512, WM_LBUTTONDOWN 513, WM_LBUTTONDBLCLK 515, WM_RBUTTONDOWN 516;
	// a release asks nothing. A child's default asks its parent first. The pointer moves to the
	// inner edit before the press there.
	const MessageLog expected = { "dialog cursor self 1 512", "dialog move 15,16", "dialog cursor self 1 513",
		"dialog ldown 15,16", "dialog lup 15,16", "dialog cursor self 1 515", "dialog ldblclk 15,16", "dialog lup 15,16",
		"panel cursor self 1 512", "dialog cursor other 1 512", "panel move 21,2", "panel cursor self 1 516",
		"dialog cursor other 1 516", "panel rdown 21,2" };
	EXPECT_EQ(expected, log);
}

TEST_F(DisabledChildMouse, TheCaptureStillTakesTheMouseAndADisabledTopLevelWindowGetsNone)
{
	panel.SetCapture();
	EXPECT_TRUE(AfxSendMouseInput(&scope, WM_MOUSEMOVE, CPoint(7, 8)));
	ReleaseCapture();
	// As the owner of a modal dialog is.
	dialog.EnableWindow(FALSE);
	EXPECT_TRUE(AfxSendMouseInput(&scope, WM_LBUTTONDOWN, CPoint(5, 6)));
	EXPECT_TRUE(AfxSendMouseInput(&scope, WM_LBUTTONUP, CPoint(5, 6)));

	EXPECT_EQ((MessageLog { "panel move 7,-82" }), log);
}

TEST_F(DisabledChildMouse, TheWheelOverADisabledChildReachesTheDialogFromTheFocus)
{
	CButton button;
	ASSERT_TRUE(button.Create("OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 100, 90, 130), &dialog, IDOK));

	button.SetFocus();
	EXPECT_TRUE(AfxSendMouseWheel(&scope, 120, CPoint(5, 6)));
	dialog.SetFocus();
	EXPECT_TRUE(AfxSendMouseWheel(&scope, -120, CPoint(5, 6)));

	EXPECT_EQ((MessageLog { "dialog wheel 120", "dialog wheel -120" }), log);
}

}
