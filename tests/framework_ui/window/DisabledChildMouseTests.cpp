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

std::string Name(UINT message)
{
	const char* const names[] = { "move", "ldown", "lup", "ldblclk", "rdown", "rup" };
	return message >= WM_MOUSEMOVE && message <= WM_RBUTTONUP ? names[message - WM_MOUSEMOVE] : std::to_string(message);
}

// Notes the pointer's messages with their client point, WM_SETCURSOR with its window ("self" or
// not), hit test and message, and the wheel's turn.
class CPointerRecorder : public CMessageRecorder
{
public:
	using CMessageRecorder::CMessageRecorder;

protected:
	LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
	{
		const short x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
		if (message == WM_SETCURSOR)
			Note(std::string("cursor ") + (reinterpret_cast<HWND>(wParam) == m_hWnd ? "self " : "other ")
				+ std::to_string(x) + " " + Name(static_cast<UINT>(y)));
		else if (message >= WM_MOUSEMOVE && message <= WM_RBUTTONUP)
			Note(Name(message) + " " + std::to_string(x) + "," + std::to_string(y));
		else if (message == WM_MOUSEWHEEL)
			Note("wheel " + std::to_string(static_cast<short>(HIWORD(wParam))));
		return message == WM_MOUSEWHEEL ? 0 : CMessageRecorder::WindowProc(message, wParam, lParam);
	}
};

TEST(DisabledChildMouse, TheEnabledAncestorGetsTheMouseUnlessTheCaptureTakesItAndTheWheelFromTheFocus)
{
	// A dialog with a disabled scope and a button, and an enabled panel holding a disabled edit.
	MessageLog log;
	CPointerRecorder dialog(log, "dialog");
	CPointerRecorder panel(log, "panel");
	CEdit scope;
	CEdit inner;
	CButton button;
	ASSERT_TRUE(dialog.CreatePopup(CRect(40, 40, 340, 240)));
	ASSERT_TRUE(scope.Create(WS_CHILD | WS_VISIBLE | WS_DISABLED, CRect(10, 10, 210, 50), &dialog, 1));
	ASSERT_TRUE(panel.CreateChild(&dialog, CRect(10, 100, 210, 190), 2));
	ASSERT_TRUE(inner.Create(WS_CHILD | WS_VISIBLE | WS_DISABLED, CRect(20, 0, 120, 40), &panel, 3));
	ASSERT_TRUE(button.Create("OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 200, 90, 230), &dialog, IDOK));
	for (UINT message : { WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP })
	{
		EXPECT_TRUE(AfxSendMouseInput(&scope, message, CPoint(5, 6)));
	}
	EXPECT_TRUE(AfxSendMouseInput(&inner, WM_RBUTTONDOWN, CPoint(1, 2)));
	EXPECT_TRUE(AfxSendMouseInput(&inner, WM_RBUTTONUP, CPoint(1, 2)));
	panel.SetCapture();
	EXPECT_TRUE(AfxSendMouseInput(&scope, WM_MOUSEMOVE, CPoint(7, 8)));
	ReleaseCapture();
	button.SetFocus();
	EXPECT_TRUE(AfxSendMouseWheel(&scope, 120, CPoint(5, 6)));
	dialog.SetFocus();
	EXPECT_TRUE(AfxSendMouseWheel(&scope, -120, CPoint(5, 6)));
	// A disabled top-level window, as the owner of a modal dialog is, takes none.
	dialog.EnableWindow(FALSE);
	EXPECT_TRUE(AfxSendMouseInput(&scope, WM_LBUTTONDOWN, CPoint(5, 6)));
	EXPECT_TRUE(AfxSendMouseInput(&scope, WM_LBUTTONUP, CPoint(5, 6)));
	// For the client area (HTCLIENT 1); a release asks no cursor, and a child's default asks its
	// parent first. The pointer moves to the inner edit before the press there.
	const MessageLog expected = { "dialog cursor self 1 move", "dialog move 15,16", "dialog cursor self 1 ldown",
		"dialog ldown 15,16", "dialog lup 15,16", "dialog cursor self 1 ldblclk", "dialog ldblclk 15,16",
		"dialog lup 15,16", "panel cursor self 1 move", "dialog cursor other 1 move", "panel move 21,2",
		"panel cursor self 1 rdown", "dialog cursor other 1 rdown", "panel rdown 21,2", "panel rup 21,2",
		"panel move 7,-82", "dialog wheel 120", "dialog wheel -120" };
	EXPECT_EQ(expected, log);
}

}
