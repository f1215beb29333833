// A window destroyed from inside its handling of each kind of event the toolkit delivers: the
// handler returns into a window that is gone, the toolkit finishes its event, and nothing touches
// what was freed (the sanitizer run watches that) or leaves the handle alive.
#include "framework/ui/testing/UserDriving.h"
#include "framework/ui/window/ModalSeam.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/window/Wnd.h"
#include "tests/support/EventPump.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

enum class DestroyingEvent
{
	Paint,
	Mouse,
	Key,
	Timer,
	CloseRequest,
};

constexpr UINT_PTR TIMER_ID = 7;

class CSelfDestroyingWindow : public CMessageRecorder
{
public:
	explicit CSelfDestroyingWindow(DestroyingEvent nEvent)
		: m_nEvent(nEvent)
	{
	}

protected:
	void DestroyIn(DestroyingEvent nEvent, const char* pszWhat)
	{
		if (nEvent == m_nEvent)
		{
			Note(pszWhat);
			DestroyWindow();
		}
	}

	afx_msg void OnPaint()
	{
		CPaintDC dc(this);
		dc.FillSolidRect(0, 0, 10, 10, RGB(255, 0, 0));
		DestroyIn(DestroyingEvent::Paint, "paint");
	}
	afx_msg void OnLButtonDown(UINT, CPoint) { DestroyIn(DestroyingEvent::Mouse, "ldown"); }
	afx_msg void OnKeyDown(UINT, UINT, UINT) { DestroyIn(DestroyingEvent::Key, "keydown"); }
	afx_msg void OnTimer(UINT_PTR) { DestroyIn(DestroyingEvent::Timer, "timer"); }
	afx_msg void OnClose()
	{
		Note("close");
		Default();
	}
	afx_msg void OnNcDestroy() { Note("ncdestroy"); }

	DECLARE_MESSAGE_MAP()

private:
	DestroyingEvent m_nEvent;
};

BEGIN_MESSAGE_MAP(CSelfDestroyingWindow, CMessageRecorder)
	ON_WM_PAINT()
	ON_WM_LBUTTONDOWN()
	ON_WM_KEYDOWN()
	ON_WM_TIMER()
	ON_WM_CLOSE()
	ON_WM_NCDESTROY()
END_MESSAGE_MAP()

struct DestroyCase
{
	DestroyingEvent nEvent;
	const char* pszHandler;
};

class DestroyInEventTest : public ::testing::TestWithParam<DestroyCase>
{
};

TEST_P(DestroyInEventTest, TheWindowGoesAndTheToolkitFinishesItsEvent)
{
	const DestroyCase& test = GetParam();
	CSelfDestroyingWindow wnd(test.nEvent);
	ASSERT_TRUE(wnd.CreatePopup(CRect(40, 40, 240, 160), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE));
	const HWND hWnd = wnd.m_hWnd;
	switch (test.nEvent)
	{
	case DestroyingEvent::Paint:
		// The window shows with its whole client area to paint: the toolkit asks for it.
		break;
	case DestroyingEvent::Mouse:
		ASSERT_TRUE(AfxSendMouseInput(&wnd, WM_LBUTTONDOWN, CPoint(20, 20)));
		break;
	case DestroyingEvent::Key:
		wnd.SetFocus();
		ASSERT_TRUE(AfxSendKeyInput(&wnd, WM_KEYDOWN, 'A'));
		break;
	case DestroyingEvent::Timer:
		ASSERT_NE(0u, wnd.SetTimer(TIMER_ID, 1, nullptr));
		break;
	case DestroyingEvent::CloseRequest:
		ASSERT_TRUE(AfxSendCloseRequest(&wnd));
		break;
	}
	EXPECT_TRUE(PumpUntil([hWnd] { return !IsWindow(hWnd); }));
	// Whatever the toolkit still had queued for the window arrives now, to a window that is gone.
	bool bIdle = false;
	AfxRunWhenIdle([&bIdle] { bIdle = true; });
	EXPECT_TRUE(PumpUntil([&bIdle] { return bIdle; }));
	EXPECT_EQ(nullptr, wnd.m_hWnd);
	EXPECT_EQ((MessageLog{ test.pszHandler, "ncdestroy" }), wnd.m_log);

	// The framework goes on: a new window takes input and paints.
	CMessageRecorder next;
	ASSERT_TRUE(next.CreatePopup(CRect(40, 40, 240, 160)));
	EXPECT_TRUE(AfxSendMouseInput(&next, WM_LBUTTONDOWN, CPoint(5, 5)));
	EXPECT_TRUE(AfxSendMouseInput(&next, WM_LBUTTONUP, CPoint(5, 5)));
}

INSTANTIATE_TEST_SUITE_P(EachEvent, DestroyInEventTest,
	::testing::Values(DestroyCase { DestroyingEvent::Paint, "paint" }, DestroyCase { DestroyingEvent::Mouse, "ldown" },
		DestroyCase { DestroyingEvent::Key, "keydown" }, DestroyCase { DestroyingEvent::Timer, "timer" },
		DestroyCase { DestroyingEvent::CloseRequest, "close" }),
	[](const ::testing::TestParamInfo<DestroyCase>& info) { return std::string(info.param.pszHandler); });

}
