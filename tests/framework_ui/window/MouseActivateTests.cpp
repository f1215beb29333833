// Mouse activation: a press in a window whose top-level window is not active first asks the
// window (and through the default its parent) whether to activate and whether the press goes on.
#include "framework/ui/testing/UserDriving.h"
#include "framework/ui/window/Wnd.h"
#include "tests/support/EventPump.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

constexpr int ANSWER_DEFAULT = 0;

class CActivationRecorder : public CMessageRecorder
{
public:
	using CMessageRecorder::CMessageRecorder;

	int m_nAnswer = ANSWER_DEFAULT;
	CWnd* m_pTopLevel = nullptr;

protected:
	afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
	{
		Note(std::string("mouseactivate") + (pDesktopWnd == m_pTopLevel ? " top" : " other") + " hit "
			+ std::to_string(nHitTest) + " message " + std::to_string(message));
		return m_nAnswer != ANSWER_DEFAULT ? m_nAnswer : CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
	}

	afx_msg void OnLButtonDown(UINT, CPoint) { Note("ldown"); }
	afx_msg void OnRButtonDown(UINT, CPoint) { Note("rdown"); }

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CActivationRecorder, CMessageRecorder)
	ON_WM_MOUSEACTIVATE()
	ON_WM_LBUTTONDOWN()
	ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

// A window with a child, and another top-level window that is active.
class MouseActivateTest : public ::testing::Test
{
protected:
	MouseActivateTest()
		: m_frame(m_log, "frame")
		, m_child(m_log, "child")
		, m_other(m_log, "other")
	{
		EXPECT_TRUE(m_frame.CreatePopup(CRect(20, 20, 220, 140)));
		EXPECT_TRUE(m_child.CreateChild(&m_frame, CRect(10, 10, 110, 60), 1));
		EXPECT_TRUE(m_other.CreatePopup(CRect(300, 20, 400, 140)));
		m_frame.m_pTopLevel = &m_frame;
		m_child.m_pTopLevel = &m_frame;
		EXPECT_TRUE(AfxSendMouseInput(&m_other, WM_LBUTTONDOWN, CPoint(5, 5)));
		EXPECT_TRUE(AfxSendMouseInput(&m_other, WM_LBUTTONUP, CPoint(5, 5)));
		EXPECT_TRUE(PumpUntil([this] { return CWnd::GetActiveWindow() == &m_other; }));
		m_log.clear();
	}

	// The same number of looks for activations that must come and for those that must not.
	void LetActivationArrive()
	{
		int nLooks = 0;
		PumpUntil([&nLooks] { return ++nLooks > 4; });
	}

	void ClickChild(UINT nDown, UINT nUp)
	{
		EXPECT_TRUE(AfxSendMouseInput(&m_child, nDown, CPoint(20, 20)));
		EXPECT_TRUE(AfxSendMouseInput(&m_child, nUp, CPoint(20, 20)));
		LetActivationArrive();
	}

	MessageLog m_log;
	CActivationRecorder m_frame;
	CActivationRecorder m_child;
	CActivationRecorder m_other;
};

TEST_F(MouseActivateTest, APressInAnInactiveWindowAsksTheChildThenItsParentAndActivatesTheTopLevelWindow)
{
	ClickChild(WM_LBUTTONDOWN, WM_LBUTTONUP);

	const MessageLog expected = { "child mouseactivate top hit 1 message 513", "frame mouseactivate top hit 1 message 513",
		"child ldown" };
	EXPECT_EQ(expected, m_log);
	EXPECT_EQ(&m_frame, CWnd::GetActiveWindow());

	m_log.clear();
	ClickChild(WM_RBUTTONDOWN, WM_RBUTTONUP);
	EXPECT_EQ(MessageLog { "child rdown" }, m_log);
}

TEST_F(MouseActivateTest, TheAnswerDecidesWhetherThePressGoesOnAndWhetherTheWindowIsActivated)
{
	struct Case
	{
		int nAnswer;
		bool bPressGoesOn;
		bool bActivates;
	};
	const Case cases[] = {
		{ MA_ACTIVATE, true, true },
		{ MA_ACTIVATEANDEAT, false, true },
		{ MA_NOACTIVATE, true, false },
		{ MA_NOACTIVATEANDEAT, false, false },
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(c.nAnswer);
		m_child.m_nAnswer = c.nAnswer;
		ClickChild(WM_RBUTTONDOWN, WM_RBUTTONUP);

		MessageLog expected = { "child mouseactivate top hit 1 message 516" };
		if (c.bPressGoesOn)
		{
			expected.push_back("child rdown");
		}
		EXPECT_EQ(expected, m_log);
		EXPECT_EQ(c.bActivates ? static_cast<CWnd*>(&m_frame) : &m_other, CWnd::GetActiveWindow());

		ASSERT_TRUE(AfxSendMouseInput(&m_other, WM_LBUTTONDOWN, CPoint(5, 5)));
		ASSERT_TRUE(AfxSendMouseInput(&m_other, WM_LBUTTONUP, CPoint(5, 5)));
		ASSERT_TRUE(PumpUntil([this] { return CWnd::GetActiveWindow() == &m_other; }));
		m_log.clear();
	}
}

TEST_F(MouseActivateTest, TheParentsAnswerIsTheChildsWhenTheChildLeavesItToTheDefault)
{
	m_frame.m_nAnswer = MA_NOACTIVATEANDEAT;
	ClickChild(WM_LBUTTONDOWN, WM_LBUTTONUP);

	const MessageLog expected = { "child mouseactivate top hit 1 message 513", "frame mouseactivate top hit 1 message 513" };
	EXPECT_EQ(expected, m_log);
	EXPECT_EQ(&m_other, CWnd::GetActiveWindow());
}

}
