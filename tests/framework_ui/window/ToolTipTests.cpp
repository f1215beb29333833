// Tooltips of a window's own tools: the hit test follows the mouse, the tip shows after the hover
// delay, moves to the next tool, asks for callback text and goes on a miss or a cancel.
#include "framework/ui/bars/BarTypes.h"
#include "framework/ui/window/ToolTip.h"
#include "framework/ui/testing/UserDriving.h"
#include "tests/support/EventPump.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace
{

// Two tools side by side in the top half: the left one with its own text, the right one asking
// for it; the bottom half is no tool.
class CToolWindow : public CMessageRecorder
{
public:
	INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override
	{
		m_log.push_back("hit " + std::to_string(point.x) + "," + std::to_string(point.y));
		if (point.y >= 50)
		{
			return -1;
		}
		const bool bLeft = point.x < 100;
		pTI->hwnd = m_hWnd;
		pTI->uId = bLeft ? 1 : 2;
		pTI->rect = bLeft ? CRect(0, 0, 100, 50) : CRect(100, 0, 200, 50);
		pTI->lpszText = bLeft ? strdup("Left tool") : LPSTR_TEXTCALLBACK;
		return static_cast<INT_PTR>(pTI->uId);
	}

protected:
	afx_msg BOOL OnNeedText(UINT, NMHDR* pNMHDR, LRESULT*)
	{
		TOOLTIPTEXTA* pText = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
		m_log.push_back("text for " + std::to_string(pNMHDR->idFrom));
		std::strcpy(pText->szText, "Right tool");
		return TRUE;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolWindow, CMessageRecorder)
	ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnNeedText)
END_MESSAGE_MAP()

std::string TipText()
{
	return static_cast<LPCTSTR>(AfxGetToolTipText());
}

TEST(WindowToolTipTest, TipFollowsTheHitTestAndGoesOnAMissOrACancel)
{
	CToolWindow wnd;
	ASSERT_TRUE(wnd.CreatePopup(CRect(100, 100, 300, 200)));
	wnd.EnableToolTips(TRUE);

	ASSERT_TRUE(AfxSendMouseInput(&wnd, WM_MOUSEMOVE, CPoint(20, 10)));
	EXPECT_EQ("", TipText());
	EXPECT_TRUE(PumpUntil([] { return TipText() == "Left tool"; }));

	// Once a tip shows, the next tool's comes at once.
	ASSERT_TRUE(AfxSendMouseInput(&wnd, WM_MOUSEMOVE, CPoint(150, 10)));
	EXPECT_EQ("Right tool", TipText());
	ASSERT_TRUE(AfxSendMouseInput(&wnd, WM_MOUSEMOVE, CPoint(160, 20)));
	EXPECT_EQ("Right tool", TipText());
	ASSERT_TRUE(AfxSendMouseInput(&wnd, WM_MOUSEMOVE, CPoint(160, 60)));
	EXPECT_EQ("", TipText());

	ASSERT_TRUE(AfxSendMouseInput(&wnd, WM_MOUSEMOVE, CPoint(30, 10)));
	EXPECT_TRUE(PumpUntil([] { return TipText() == "Left tool"; }));
	CWnd::CancelToolTips();
	EXPECT_EQ("", TipText());

	EXPECT_EQ((MessageLog { "hit 20,10", "hit 150,10", "text for 2", "hit 160,20", "hit 160,60", "hit 30,10" }),
		wnd.m_log);
}

TEST(WindowToolTipTest, WindowWithoutToolTipsIsNotAsked)
{
	CToolWindow wnd;
	ASSERT_TRUE(wnd.CreatePopup(CRect(100, 100, 300, 200)));
	wnd.EnableToolTips(TRUE);
	wnd.EnableToolTips(FALSE);
	ASSERT_TRUE(AfxSendMouseInput(&wnd, WM_MOUSEMOVE, CPoint(20, 10)));
	EXPECT_TRUE(wnd.m_log.empty());
}

}
