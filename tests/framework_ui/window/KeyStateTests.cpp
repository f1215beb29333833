// GetKeyState for keys other than the modifiers: as the keyboard input handled last left them.
#include "framework/ui/testing/UserDriving.h"
#include "framework/ui/system/SystemServices.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

bool IsDown(int nVirtKey)
{
	return (GetKeyState(nVirtKey) & 0x8000) != 0;
}

// Notes, in each key message, whether its key already reads as down.
class CKeyWindow : public CMessageRecorder
{
protected:
	afx_msg void OnKeyDown(UINT nChar, UINT, UINT)
	{
		m_log.push_back("down " + std::to_string(nChar) + (IsDown(static_cast<int>(nChar)) ? " held" : " free"));
	}

	afx_msg void OnKeyUp(UINT nChar, UINT, UINT)
	{
		m_log.push_back("up " + std::to_string(nChar) + (IsDown(static_cast<int>(nChar)) ? " held" : " free"));
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeyWindow, CMessageRecorder)
	ON_WM_KEYDOWN()
	ON_WM_KEYUP()
END_MESSAGE_MAP()

TEST(KeyStateTest, KeysReadDownFromTheirPressUntilTheirRelease)
{
	CKeyWindow wnd;
	ASSERT_TRUE(wnd.CreatePopup(CRect(100, 100, 200, 200)));
	wnd.SetFocus();
	for (int nKey : { VK_TAB, VK_RETURN, VK_ESCAPE, VK_LEFT, VK_DOWN, int('F') })
	{
		EXPECT_FALSE(IsDown(nKey)) << nKey;
		ASSERT_TRUE(AfxSendKeyInput(&wnd, WM_KEYDOWN, static_cast<UINT>(nKey)));
		EXPECT_TRUE(IsDown(nKey)) << nKey;
		EXPECT_FALSE(IsDown(nKey == VK_TAB ? VK_RETURN : VK_TAB)) << nKey;
		ASSERT_TRUE(AfxSendKeyInput(&wnd, WM_KEYUP, static_cast<UINT>(nKey)));
		EXPECT_FALSE(IsDown(nKey)) << nKey;
	}
	EXPECT_EQ(std::string("down 9 held"), wnd.m_log.at(0));
	EXPECT_EQ(std::string("up 9 free"), wnd.m_log.at(1));
	EXPECT_EQ(12u, wnd.m_log.size());
}

TEST(KeyStateTest, KeyMessagesTheProgramSendsPressNoKey)
{
	CKeyWindow wnd;
	ASSERT_TRUE(wnd.CreatePopup(CRect(100, 100, 200, 200)));
	wnd.SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
	EXPECT_FALSE(IsDown(VK_ESCAPE));
	ASSERT_TRUE(AfxSendKeyInput(&wnd, WM_KEYDOWN, VK_ESCAPE));
	wnd.SendMessage(WM_KEYUP, VK_ESCAPE, 0xC0000001);
	EXPECT_TRUE(IsDown(VK_ESCAPE));
	ASSERT_TRUE(AfxSendKeyInput(&wnd, WM_KEYUP, VK_ESCAPE));
	EXPECT_FALSE(IsDown(VK_ESCAPE));
}

}
