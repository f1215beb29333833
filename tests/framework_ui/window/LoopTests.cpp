// Event loops: timers, nested modal loops with their results and disabled owners, idle
// processing, and the modal seam answering a message box for the user.
#include "framework/ui/window/ModalSeam.h"
#include "framework/ui/window/WinApp.h"
#include "tests/support/EventPump.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

class CTimerWindow : public CTestWindow
{
public:
	std::vector<UINT_PTR> m_fired;

protected:
	afx_msg void OnTimer(UINT_PTR nIDEvent)
	{
		m_fired.push_back(nIDEvent);
		// The short timer stops itself at its first tick.
		if (nIDEvent == 7)
		{
			EXPECT_TRUE(KillTimer(7));
		}
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTimerWindow, CTestWindow)
	ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(TimerTest, TimersSendWMTimerUntilKilled)
{
	CTimerWindow wnd;
	ASSERT_TRUE(wnd.CreatePopup(CRect(0, 0, 10, 10), WS_POPUP));
	EXPECT_EQ(7u, wnd.SetTimer(7, 1, nullptr));
	EXPECT_EQ(8u, wnd.SetTimer(8, 20, nullptr));
	ASSERT_TRUE(PumpUntil([&wnd] { return std::count(wnd.m_fired.begin(), wnd.m_fired.end(), 8u) >= 3; }));
	EXPECT_EQ(1, std::count(wnd.m_fired.begin(), wnd.m_fired.end(), 7u));
	EXPECT_EQ(7u, wnd.m_fired.front());
	EXPECT_TRUE(wnd.KillTimer(8));
	EXPECT_FALSE(wnd.KillTimer(8));
	EXPECT_FALSE(wnd.KillTimer(7));
}

UINT_PTR s_nCallbackTimer = 0;

void CALLBACK_RecordTimer(HWND, UINT message, UINT_PTR nIDEvent, DWORD)
{
	if (message == WM_TIMER)
	{
		s_nCallbackTimer = nIDEvent;
	}
}

TEST(TimerTest, TimerWithCallbackCallsItInsteadOfSending)
{
	CTimerWindow wnd;
	ASSERT_TRUE(wnd.CreatePopup(CRect(0, 0, 10, 10), WS_POPUP));
	s_nCallbackTimer = 0;
	wnd.SetTimer(9, 1, CALLBACK_RecordTimer);
	ASSERT_TRUE(PumpUntil([] { return s_nCallbackTimer != 0; }));
	EXPECT_EQ(9u, s_nCallbackTimer);
	EXPECT_TRUE(wnd.m_fired.empty());
}

// Runs a script at its first idle moment inside its modal loop.
class CModalWindow : public CTestWindow
{
public:
	std::function<void()> m_fnOnIdle;

protected:
	afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam)
	{
		if (lParam == 0 && wParam == MSGF_DIALOGBOX && m_fnOnIdle)
		{
			std::function<void()> fn = m_fnOnIdle;
			m_fnOnIdle = nullptr;
			fn();
		}
		return FALSE;
	}

	afx_msg LRESULT OnIdleUpdate(WPARAM, LPARAM)
	{
		return 0;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModalWindow, CTestWindow)
	ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

class CIdleUpdateChild : public CTestWindow
{
public:
	int m_nUpdates = 0;

protected:
	afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM)
	{
		++m_nUpdates;
		return 0;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleUpdateChild, CTestWindow)
	ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

TEST(ModalLoopTest, NestedLoopsReturnTheirResultsWithTheirOwnersDisabled)
{
	CTestWindow main;
	ASSERT_TRUE(main.CreatePopup(CRect(0, 0, 200, 200)));
	CModalWindow outer;
	ASSERT_TRUE(outer.CreateEx(0, nullptr, "outer", WS_POPUP | WS_VISIBLE, CRect(10, 10, 110, 110), &main, 0));
	CIdleUpdateChild outerChild;
	ASSERT_TRUE(outerChild.CreateChild(&outer, CRect(0, 0, 10, 10), 1));
	CModalWindow inner;
	MessageLog log;

	outer.m_fnOnIdle = [&] {
		log.push_back(std::string("outer idle, main ") + (main.IsWindowEnabled() ? "enabled" : "disabled"));
		ASSERT_TRUE(inner.CreateEx(0, nullptr, "inner", WS_POPUP | WS_VISIBLE, CRect(20, 20, 60, 60), &outer, 0));
		inner.m_fnOnIdle = [&] {
			log.push_back(std::string("inner idle, outer ") + (outer.IsWindowEnabled() ? "enabled" : "disabled")
				+ ", flags " + std::to_string(inner.m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)));
			inner.EndModalLoop(5);
		};
		int nInner = inner.RunModalLoop();
		log.push_back("inner returned " + std::to_string(nInner) + ", outer "
			+ (outer.IsWindowEnabled() ? "enabled" : "disabled"));
		inner.DestroyWindow();
		outer.EndModalLoop(nInner + 1);
	};
	int nOuter = outer.RunModalLoop();

	EXPECT_EQ(6, nOuter);
	EXPECT_EQ((MessageLog { "outer idle, main disabled", "inner idle, outer disabled, flags 24",
				  "inner returned 5, outer enabled" }),
		log);
	EXPECT_TRUE(main.IsWindowEnabled());
	EXPECT_EQ(0u, outer.m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL));
	EXPECT_GE(outerChild.m_nUpdates, 1);
}

TEST(ModalLoopTest, LoopEndsWhenItsWindowIsDestroyed)
{
	CModalWindow wnd;
	ASSERT_TRUE(wnd.CreatePopup(CRect(0, 0, 50, 50)));
	wnd.m_fnOnIdle = [&wnd] { wnd.PostMessage(WM_CLOSE); };
	EXPECT_EQ(-1, wnd.RunModalLoop());
	EXPECT_EQ(nullptr, wnd.m_hWnd);
}

TEST(ModalLoopTest, ShowOnIdleShowsAHiddenWindowOnceTheLoopRuns)
{
	CModalWindow wnd;
	ASSERT_TRUE(wnd.CreatePopup(CRect(0, 0, 50, 50), WS_POPUP));
	bool bVisibleAtIdle = false;
	wnd.m_fnOnIdle = [&wnd, &bVisibleAtIdle] {
		bVisibleAtIdle = wnd.IsWindowVisible() != FALSE;
		wnd.EndModalLoop(IDOK);
	};
	EXPECT_EQ(IDOK, wnd.RunModalLoop(MLF_SHOWONIDLE));
	EXPECT_TRUE(bVisibleAtIdle);
}

// The seam installed for the test and still in place at its end; a request for a dialog is let run.
class ModalSeamTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		m_seam.Otherwise(ModalKind::Dialog, ShowForReal());
	}

	void TearDown() override
	{
		EXPECT_EQ(&m_seam, AfxSetModalSeam(m_pPrevious));
	}

	CModalSeam* m_pPrevious = AfxGetModalSeam();
	CScriptedUser m_seam;
};

TEST_F(ModalSeamTest, MessageBoxesAskTheSeamAndReturnItsAnswers)
{
	CTestWindow owner;
	ASSERT_TRUE(owner.CreatePopup(CRect(0, 0, 50, 50)));
	m_seam.Then(IDNO);
	m_seam.Then(IDOK);
	EXPECT_EQ(IDNO, AfxMessageBox("Salvare le modifiche?", MB_YESNOCANCEL | MB_ICONQUESTION));
	EXPECT_EQ(IDOK, owner.MessageBox("Valore non valido", "Ondivar", MB_OK | MB_ICONSTOP));

	ASSERT_EQ(2u, m_seam.m_shown.size());
	const ShownRequest& question = m_seam.m_shown[0];
	EXPECT_EQ(ModalKind::MessageBox, question.nKind);
	EXPECT_STREQ("Salvare le modifiche?", question.strText.c_str());
	EXPECT_EQ(MB_YESNOCANCEL | MB_ICONQUESTION, question.nType);
	EXPECT_EQ(nullptr, question.pOwner);
	const ShownRequest& error = m_seam.m_shown[1];
	EXPECT_STREQ("Ondivar", error.strCaption.c_str());
	EXPECT_STREQ("Valore non valido", error.strText.c_str());
	EXPECT_EQ(MB_ICONSTOP, error.nType & MB_ICONMASK);
	EXPECT_EQ(&owner, error.pOwner);
}

TEST_F(ModalSeamTest, SeamCanLetADialogRunAndEndItFromIdleTime)
{
	CModalWindow dialog;
	ASSERT_TRUE(dialog.CreatePopup(CRect(0, 0, 50, 50)));
	ModalRequest request = {};
	request.nKind = ModalKind::Dialog;
	request.pDialog = &dialog;
	request.pfnShow = [&dialog] { return static_cast<INT_PTR>(dialog.RunModalLoop()); };
	bool bRanInsideTheLoop = false;
	AfxRunWhenIdle([&dialog, &bRanInsideTheLoop] {
		bRanInsideTheLoop = (dialog.m_nFlags & WF_MODALLOOP) != 0;
		dialog.EndModalLoop(42);
	});
	EXPECT_EQ(42, AfxDoModalRequest(request));
	EXPECT_TRUE(bRanInsideTheLoop);
	ASSERT_EQ(1u, m_seam.m_shown.size());
	EXPECT_EQ(&dialog, m_seam.m_shown[0].pDialog);
}

// Idles while OnIdle asks for more, then quits from the third idle pass.
class CTestApp : public CWinApp
{
public:
	std::vector<LONG> m_idleCounts;

	BOOL OnIdle(LONG lCount) override
	{
		m_idleCounts.push_back(lCount);
		if (lCount == 2)
		{
			PostQuitMessage(3);
		}
		return lCount < 2;
	}
};

TEST(ApplicationTest, RunIdlesWhileAskedThenEndsWithTheQuitCode)
{
	CTestApp app;
	EXPECT_EQ(&app, AfxGetApp());
	EXPECT_EQ(3, app.Run());
	EXPECT_EQ((std::vector<LONG> { 0, 1, 2 }), app.m_idleCounts);
}

TEST(ApplicationTest, DestroyingTheMainWindowEndsRun)
{
	CWinApp app;
	CTestWindow main;
	ASSERT_TRUE(main.CreatePopup(CRect(0, 0, 50, 50)));
	app.m_pMainWnd = &main;
	AfxRunWhenIdle([&main] { main.DestroyWindow(); });
	EXPECT_EQ(0, app.Run());
	EXPECT_EQ(nullptr, app.m_pMainWnd);
}

}
