// Message routing: map chaining to base maps, default processing, commands and notifications,
// registered and control-colour messages, subclassing, and sent versus posted messages.
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/window/Wnd.h"
#include "tests/support/EventPump.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

constexpr UINT WM_TEST_BASE = WM_USER + 1;
constexpr UINT WM_TEST_DERIVED = WM_USER + 2;
constexpr UINT WM_TEST_UNMAPPED = WM_USER + 3;
constexpr UINT ID_TEST_COMMAND = 40001;
constexpr UINT ID_TEST_RANGE_FIRST = 40010;
constexpr UINT ID_TEST_RANGE_LAST = 40019;
constexpr UINT ID_TEST_BUTTON = 1001;
constexpr UINT TEST_NOTIFY_CODE = 0u - 520u;

const UINT s_nRegisteredMessage = RegisterWindowMessage("ondivar-test-registered");

std::string Hex(UINT n)
{
	char buffer[16];
	snprintf(buffer, sizeof(buffer), "0x%04X", n);
	return buffer;
}

class CBaseRecorder : public CMessageRecorder
{
public:
	LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
	{
		m_log.push_back("default " + Hex(message));
		return CMessageRecorder::DefWindowProc(message, wParam, lParam);
	}

protected:
	afx_msg LRESULT OnTestBase(WPARAM wParam, LPARAM)
	{
		m_log.push_back("base user " + std::to_string(wParam));
		return 10;
	}

	afx_msg void OnSize(UINT, int cx, int cy)
	{
		m_log.push_back("base size " + std::to_string(cx) + "x" + std::to_string(cy));
		Default();
	}

	afx_msg BOOL OnNotifyBase(UINT nID, NMHDR*, LRESULT* pResult)
	{
		m_log.push_back("base notify " + std::to_string(nID));
		*pResult = 2;
		return TRUE;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseRecorder, CMessageRecorder)
	ON_MESSAGE(WM_TEST_BASE, OnTestBase)
	ON_WM_SIZE()
	ON_NOTIFY_EX_RANGE(TEST_NOTIFY_CODE, 0, 0xFFFF, OnNotifyBase)
END_MESSAGE_MAP()

class CDerivedRecorder : public CBaseRecorder
{
public:
	HBRUSH m_hbrControl = GetSysColorBrush(COLOR_INFOBK);

protected:
	afx_msg LRESULT OnTestDerived(WPARAM, LPARAM)
	{
		m_log.push_back("derived user");
		return 20;
	}

	afx_msg void OnSize(UINT nType, int cx, int cy)
	{
		m_log.push_back("derived size");
		CBaseRecorder::OnSize(nType, cx, cy);
	}

	afx_msg void OnTestCommand()
	{
		m_log.push_back("command");
	}

	afx_msg void OnTestRange(UINT nID)
	{
		m_log.push_back("range " + std::to_string(nID));
	}

	afx_msg void OnButtonClicked()
	{
		m_log.push_back("clicked");
	}

	afx_msg BOOL OnNotifyDerived(UINT nID, NMHDR*, LRESULT* pResult)
	{
		m_log.push_back("derived notify " + std::to_string(nID));
		*pResult = 1;
		return nID % 2 == 0;
	}

	afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM)
	{
		m_log.push_back("registered " + std::to_string(wParam));
		return 30;
	}

	afx_msg HBRUSH OnCtlColor(CDC*, CWnd* pWnd, UINT nCtlColor)
	{
		m_log.push_back("ctlcolor " + std::to_string(nCtlColor) + " " + std::to_string(pWnd->GetDlgCtrlID()));
		return m_hbrControl;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedRecorder, CBaseRecorder)
	ON_MESSAGE(WM_TEST_DERIVED, OnTestDerived)
	ON_WM_SIZE()
	ON_COMMAND(ID_TEST_COMMAND, OnTestCommand)
	ON_COMMAND_RANGE(ID_TEST_RANGE_FIRST, ID_TEST_RANGE_LAST, OnTestRange)
	ON_BN_CLICKED(ID_TEST_BUTTON, OnButtonClicked)
	ON_NOTIFY_EX_RANGE(TEST_NOTIFY_CODE, 0, 0xFFFF, OnNotifyDerived)
	ON_REGISTERED_MESSAGE(s_nRegisteredMessage, OnRegistered)
	ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(m_wnd.CreatePopup(CRect(10, 10, 110, 110), WS_POPUP));
		m_wnd.m_log.clear();
	}

	CDerivedRecorder m_wnd;
};

TEST_F(MessageMapTest, EachMessageReachesTheNearestMapThatHasItOrTheDefault)
{
	EXPECT_EQ(20, m_wnd.SendMessage(WM_TEST_DERIVED));
	EXPECT_EQ(10, m_wnd.SendMessage(WM_TEST_BASE, 7));
	EXPECT_EQ(0, m_wnd.SendMessage(WM_TEST_UNMAPPED));
	EXPECT_EQ((MessageLog { "derived user", "base user 7", "default 0x0403" }), m_wnd.m_log);
}

TEST_F(MessageMapTest, HandlerCallingItsBaseEndsInDefaultProcessing)
{
	m_wnd.MoveWindow(10, 10, 60, 40);
	EXPECT_EQ((MessageLog { "derived size", "base size 60x40", "default 0x0005" }), m_wnd.m_log);
}

TEST_F(MessageMapTest, CommandsRouteByIdAndNotificationCode)
{
	CTestWindow button;
	ASSERT_TRUE(button.CreateChild(&m_wnd, CRect(0, 0, 10, 10), ID_TEST_BUTTON));
	LPARAM lButton = reinterpret_cast<LPARAM>(button.m_hWnd);
	m_wnd.m_log.clear();

	EXPECT_EQ(1, m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_COMMAND, 0), 0));
	EXPECT_EQ(1, m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_RANGE_FIRST + 3, 0), 0));
	EXPECT_EQ(1, m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_BUTTON, BN_CLICKED), lButton));
	// Same control, another notification: no entry, so the window's default processing.
	EXPECT_EQ(0, m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_BUTTON, EN_CHANGE), lButton));
	EXPECT_EQ(0, m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_RANGE_LAST + 1, 0), 0));
	EXPECT_EQ((MessageLog { "command", "range 40013", "clicked", "default 0x0111", "default 0x0111" }), m_wnd.m_log);
}

TEST_F(MessageMapTest, HandlerInfoNamesTheHandlerWithoutCallingIt)
{
	AFX_CMDHANDLERINFO info = {};
	EXPECT_TRUE(m_wnd.OnCmdMsg(ID_TEST_COMMAND, CN_COMMAND, nullptr, &info));
	EXPECT_EQ(&m_wnd, info.pTarget);
	ASSERT_NE(nullptr, info.pEntry);
	EXPECT_EQ(ID_TEST_COMMAND, info.pEntry->nID);
	EXPECT_FALSE(m_wnd.OnCmdMsg(ID_TEST_COMMAND + 1, CN_COMMAND, nullptr, &info));
	EXPECT_TRUE(m_wnd.m_log.empty());
}

TEST_F(MessageMapTest, DeclinedExNotificationGoesOnToTheBaseMap)
{
	struct Case
	{
		UINT nID;
		LRESULT lResult;
		MessageLog log;
	};
	const Case cases[] = {
		{ 4, 1, { "derived notify 4" } },
		{ 5, 2, { "derived notify 5", "base notify 5" } },
	};
	for (const Case& c : cases)
	{
		m_wnd.m_log.clear();
		NMHDR header = { nullptr, c.nID, TEST_NOTIFY_CODE };
		EXPECT_EQ(c.lResult, m_wnd.SendMessage(WM_NOTIFY, c.nID, reinterpret_cast<LPARAM>(&header))) << c.nID;
		EXPECT_EQ(c.log, m_wnd.m_log) << c.nID;
	}
}

TEST_F(MessageMapTest, RegisteredMessagesKeepOneValuePerName)
{
	EXPECT_GE(s_nRegisteredMessage, MIN_REGISTERED_MESSAGE);
	EXPECT_EQ(s_nRegisteredMessage, RegisterWindowMessage("ondivar-test-registered"));
	EXPECT_NE(s_nRegisteredMessage, RegisterWindowMessage("ondivar-test-other"));
	EXPECT_EQ(30, m_wnd.SendMessage(s_nRegisteredMessage, 3));
	EXPECT_EQ((MessageLog { "registered 3" }), m_wnd.m_log);
}

TEST_F(MessageMapTest, EveryControlColourMessageReachesOnCtlColorWithItsKind)
{
	CTestWindow edit;
	ASSERT_TRUE(edit.CreateChild(&m_wnd, CRect(0, 0, 10, 10), 77));
	CClientDC dc(&edit);
	m_wnd.m_log.clear();
	LRESULT lBrush = m_wnd.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.m_hDC), reinterpret_cast<LPARAM>(edit.m_hWnd));
	m_wnd.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC), reinterpret_cast<LPARAM>(edit.m_hWnd));
	EXPECT_EQ(reinterpret_cast<LRESULT>(m_wnd.m_hbrControl), lBrush);
	EXPECT_EQ((MessageLog { "ctlcolor 1 77", "ctlcolor 6 77" }), m_wnd.m_log);
}

// The original behaviour of a control class: it records what reaches it.
MessageLog s_classLog;

LRESULT RecordingClassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	if (message >= WM_USER)
	{
		s_classLog.push_back("class " + Hex(message));
		return 5;
	}
	return DefWindowProc(hWnd, message, wParam, lParam);
}

class CSubclassRecorder : public CWnd
{
public:
	MessageLog* m_pLog = nullptr;

protected:
	afx_msg LRESULT OnTestBase(WPARAM, LPARAM)
	{
		m_pLog->push_back("subclass " + Hex(WM_TEST_BASE));
		return Default() + 1;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSubclassRecorder, CWnd)
	ON_MESSAGE(WM_TEST_BASE, OnTestBase)
END_MESSAGE_MAP()

TEST(SubclassTest, SubclassHandlesFirstThenTheOriginalBehaviour)
{
	WNDCLASS wc = {};
	wc.lpfnWndProc = RecordingClassProc;
	wc.lpszClassName = "OndivarTestRecordingClass";
	ASSERT_TRUE(AfxRegisterClass(&wc));
	CTestWindow parent;
	ASSERT_TRUE(parent.CreatePopup(CRect(0, 0, 50, 50), WS_POPUP));
	CWnd control;
	ASSERT_TRUE(control.CreateEx(0, "OndivarTestRecordingClass", "", WS_CHILD, CRect(0, 0, 10, 10), &parent, 300));
	HWND hControl = control.Detach();
	s_classLog.clear();
	CSubclassRecorder subclass;
	subclass.m_pLog = &s_classLog;
	ASSERT_TRUE(subclass.SubclassDlgItem(300, &parent));

	EXPECT_EQ(6, ::SendMessage(hControl, WM_TEST_BASE, 0, 0));
	EXPECT_EQ(5, ::SendMessage(hControl, WM_TEST_DERIVED, 0, 0));
	EXPECT_EQ(&subclass, CWnd::FromHandlePermanent(hControl));
	EXPECT_EQ(hControl, subclass.UnsubclassWindow());
	EXPECT_EQ(5, ::SendMessage(hControl, WM_TEST_BASE, 0, 0));
	EXPECT_EQ((MessageLog { "subclass 0x0401", "class 0x0401", "class 0x0402", "class 0x0401" }), s_classLog);
	EXPECT_NE(nullptr, CWnd::FromHandle(hControl));
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hControl));
}

TEST_F(MessageMapTest, SentMessagesRunAtOncePostedOnesFromTheLoopInOrder)
{
	EXPECT_EQ(10, m_wnd.SendMessage(WM_TEST_BASE, 1));
	EXPECT_EQ((MessageLog { "base user 1" }), m_wnd.m_log);
	m_wnd.m_log.clear();

	EXPECT_TRUE(m_wnd.PostMessage(WM_TEST_BASE, 2));
	EXPECT_TRUE(m_wnd.PostMessage(WM_TEST_DERIVED));
	EXPECT_TRUE(m_wnd.PostMessage(WM_TEST_BASE, 3));
	EXPECT_TRUE(m_wnd.m_log.empty());
	ASSERT_TRUE(PumpUntil([this] { return m_wnd.m_log.size() == 3; }));
	EXPECT_EQ((MessageLog { "base user 2", "derived user", "base user 3" }), m_wnd.m_log);
}

TEST(PostMessageTest, MessagesToAWindowDestroyedBeforeDeliveryAreDropped)
{
	CBaseRecorder doomed;
	ASSERT_TRUE(doomed.CreatePopup(CRect(0, 0, 10, 10), WS_POPUP));
	HWND hDoomed = doomed.m_hWnd;
	CBaseRecorder witness;
	ASSERT_TRUE(witness.CreatePopup(CRect(0, 0, 10, 10), WS_POPUP));
	doomed.m_log.clear();
	witness.m_log.clear();
	EXPECT_TRUE(doomed.PostMessage(WM_TEST_BASE, 1));
	EXPECT_TRUE(witness.PostMessage(WM_TEST_BASE, 2));
	doomed.DestroyWindow();
	doomed.m_log.clear();
	EXPECT_FALSE(::PostMessage(hDoomed, WM_TEST_BASE, 3, 0));
	ASSERT_TRUE(PumpUntil([&witness] { return !witness.m_log.empty(); }));
	EXPECT_TRUE(doomed.m_log.empty());
	EXPECT_EQ((MessageLog { "base user 2" }), witness.m_log);
}

}
