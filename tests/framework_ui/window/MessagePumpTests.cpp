// A handler's own message loop: a drag that keeps stepping until the next mouse move or button
// release arrives, the messages it takes and dispatches meanwhile, and Sleep.
#include "framework/ui/window/MessagePump.h"
#include "framework/ui/testing/UserDriving.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/UserServices.h"
#include "tests/support/EventPump.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

constexpr UINT WM_APP_STEP = WM_APP + 1;
constexpr UINT_PTR ID_INPUT_TIMER = 5;

class CDragWindow;
CDragWindow* s_pDragged = nullptr;
UINT s_nTimerInput = 0;
CPoint s_ptTimerInput;

// The input arrives while the loop waits in PeekMessage, as a user's would.
void SendInputLater(HWND hWnd, UINT, UINT_PTR nIDEvent, DWORD);

class CDragWindow : public CMessageRecorder
{
public:
	int m_nSteps = 0;
	bool m_bPostAtFirstStep = false;

	void InputAfterAWhile(UINT message, CPoint point)
	{
		s_pDragged = this;
		s_nTimerInput = message;
		s_ptTimerInput = point;
		SetTimer(ID_INPUT_TIMER, 0, SendInputLater);
	}

protected:
	void Note(const std::string& strWhat, CPoint point)
	{
		m_log.push_back(strWhat + " " + std::to_string(point.x) + "," + std::to_string(point.y));
	}

	afx_msg void OnLButtonDown(UINT, CPoint point)
	{
		Note("down", point);
		SetCapture();
		for (m_nSteps = 0; m_nSteps < 1000; ++m_nSteps)
		{
			if (m_nSteps == 1 && m_bPostAtFirstStep)
			{
				PostMessage(WM_APP_STEP);
			}
			if (m_nSteps == 1 && !m_bPostAtFirstStep)
			{
				InputAfterAWhile(WM_MOUSEMOVE, CPoint(40, 10));
			}
			MSG msg;
			if (PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE))
			{
				if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP)
				{
					m_log.push_back("loop ends at " + std::to_string(msg.message));
					return;
				}
				PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE);
				TranslateMessage(&msg);
				DispatchMessage(&msg);
			}
			Sleep(1);
		}
		m_log.push_back("loop never ended");
	}

	afx_msg void OnMouseMove(UINT nFlags, CPoint point)
	{
		if ((nFlags & MK_LBUTTON) != 0)
		{
			Note("drag", point);
		}
	}

	afx_msg void OnLButtonUp(UINT, CPoint point)
	{
		ReleaseCapture();
		Note("up", point);
	}

	afx_msg LRESULT OnStep(WPARAM, LPARAM)
	{
		m_log.push_back("step message");
		// Where the button went down: a release elsewhere comes after a move there.
		InputAfterAWhile(WM_LBUTTONUP, CPoint(10, 10));
		return 0;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDragWindow, CMessageRecorder)
	ON_WM_LBUTTONDOWN()
	ON_WM_MOUSEMOVE()
	ON_WM_LBUTTONUP()
	ON_MESSAGE(WM_APP_STEP, OnStep)
END_MESSAGE_MAP()

void SendInputLater(HWND, UINT, UINT_PTR, DWORD)
{
	s_pDragged->KillTimer(ID_INPUT_TIMER);
	AfxSendMouseInput(s_pDragged, s_nTimerInput, s_ptTimerInput, MK_LBUTTON);
}

TEST(DragLoopTest, LoopStopsAtTheNextMouseMoveWhichIsDeliveredAfterItBeforeLaterInput)
{
	CDragWindow wnd;
	ASSERT_TRUE(wnd.CreatePopup(CRect(100, 100, 300, 200)));
	ASSERT_TRUE(AfxSendMouseInput(&wnd, WM_LBUTTONDOWN, CPoint(10, 10)));
	EXPECT_GE(wnd.m_nSteps, 1);
	ASSERT_TRUE(AfxSendMouseInput(&wnd, WM_LBUTTONUP, CPoint(40, 10)));
	EXPECT_EQ((MessageLog { "down 10,10", "loop ends at 512", "drag 40,10", "up 40,10" }), wnd.m_log);
}

TEST(DragLoopTest, LoopDispatchesWhatIsPostedMeanwhileAndStopsAtTheRelease)
{
	CDragWindow wnd;
	wnd.m_bPostAtFirstStep = true;
	ASSERT_TRUE(wnd.CreatePopup(CRect(100, 100, 300, 200)));
	ASSERT_TRUE(AfxSendMouseInput(&wnd, WM_LBUTTONDOWN, CPoint(10, 10)));
	EXPECT_TRUE(PumpUntil([&wnd] { return wnd.m_log.size() >= 4; }));
	EXPECT_EQ((MessageLog { "down 10,10", "step message", "loop ends at 514", "up 10,10" }), wnd.m_log);
	EXPECT_EQ(nullptr, CWnd::GetCapture());
}

class CPostedCounter : public CTestWindow
{
public:
	int m_nSteps = 0;

protected:
	afx_msg LRESULT OnStep(WPARAM, LPARAM)
	{
		++m_nSteps;
		return 0;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPostedCounter, CTestWindow)
	ON_MESSAGE(WM_APP_STEP, OnStep)
END_MESSAGE_MAP()

TEST(PeekMessageTest, FiltersByWindowAndRangeAndRemovesOnlyWhatItTakes)
{
	CPostedCounter first;
	ASSERT_TRUE(first.CreatePopup(CRect(0, 0, 50, 50), WS_POPUP));
	CPostedCounter second;
	ASSERT_TRUE(second.CreatePopup(CRect(0, 0, 50, 50), WS_POPUP));
	ASSERT_TRUE(first.PostMessage(WM_APP_STEP, 1));
	ASSERT_TRUE(second.PostMessage(WM_APP_STEP, 2));

	MSG msg = {};
	EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_MOUSEMOVE, WM_LBUTTONUP, PM_NOREMOVE));
	ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
	EXPECT_EQ(first.m_hWnd, msg.hwnd);
	ASSERT_TRUE(PeekMessage(&msg, second.m_hWnd, WM_APP_STEP, WM_APP_STEP, PM_REMOVE));
	EXPECT_EQ(2u, msg.wParam);
	EXPECT_FALSE(PeekMessage(&msg, second.m_hWnd, 0, 0, PM_NOREMOVE));

	// What was left is delivered by the loop; what was taken is not.
	EXPECT_TRUE(PumpUntil([&first] { return first.m_nSteps == 1; }));
	EXPECT_EQ(0, second.m_nSteps);
	EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
}

TEST(SleepTest, SleepsWithoutHandlingMessages)
{
	CPostedCounter wnd;
	ASSERT_TRUE(wnd.CreatePopup(CRect(0, 0, 50, 50), WS_POPUP));
	ASSERT_TRUE(wnd.PostMessage(WM_APP_STEP));
	const DWORD dwStart = GetTickCount();
	Sleep(30);
	EXPECT_GE(GetTickCount() - dwStart, 30u);
	EXPECT_EQ(0, wnd.m_nSteps);
	EXPECT_TRUE(PumpUntil([&wnd] { return wnd.m_nSteps == 1; }));
}

}
