// What the standard controls tell their parent of a user's mouse and keys: a check box clicked,
// a list item chosen, a character typed, a scroll bar's arrow pressed and its thumb dragged.
#include "tests/framework_ui/dialog/DialogTestSupport.h"

#include "framework/ui/controls/Button.h"
#include "framework/ui/controls/Edit.h"
#include "framework/ui/controls/ListBox.h"
#include "framework/ui/controls/ScrollBar.h"
#include "framework/ui/testing/UserDriving.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

std::string NotificationOf(UINT nID, UINT nCode)
{
	return std::to_string(nID) + ":" + std::to_string(nCode);
}

TEST(ControlInputTest, AutomaticButtonsCheckThemselvesOnceForEveryClick)
{
	const struct
	{
		DWORD dwStyle;
		std::vector<int> checks;	// after each of three clicks
	} cases[] = {
		{ BS_AUTOCHECKBOX, { BST_CHECKED, BST_UNCHECKED, BST_CHECKED } },
		// As on Windows: cleared, checked, indeterminate, cleared again.
		{ BS_AUTO3STATE, { BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED } },
		{ BS_3STATE, { BST_UNCHECKED, BST_UNCHECKED, BST_UNCHECKED } },
		{ BS_AUTORADIOBUTTON, { BST_CHECKED, BST_CHECKED, BST_CHECKED } },
	};
	CNotifiedWindow parent;
	ASSERT_TRUE(parent.CreatePopup());
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.dwStyle);
		CButton button;
		ASSERT_TRUE(button.Create("Assi", WS_CHILD | WS_VISIBLE | c.dwStyle, CRect(10, 10, 150, 30), &parent, 1001));
		parent.m_notifications.clear();
		std::vector<int> checks;
		for (int i = 0; i < 3; ++i)
		{
			ASSERT_TRUE(AfxSendMouseInput(&button, WM_LBUTTONDOWN, CPoint(6, 10)));
			ASSERT_TRUE(AfxSendMouseInput(&button, WM_LBUTTONUP, CPoint(6, 10)));
			checks.push_back(button.GetCheck());
		}
		EXPECT_EQ(c.checks, checks);
		EXPECT_EQ(std::vector<std::string>(3, NotificationOf(1001, BN_CLICKED)), parent.m_notifications);
		button.DestroyWindow();
	}
}

TEST(ControlInputTest, ChosenListItemNotifiesOnlyAListThatAsks)
{
	CNotifiedWindow parent;
	ASSERT_TRUE(parent.CreatePopup());
	CListBox asking;
	CListBox silent;
	ASSERT_TRUE(asking.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(10, 10, 110, 110), &parent, 1001));
	ASSERT_TRUE(silent.Create(WS_CHILD | WS_VISIBLE, CRect(120, 10, 220, 110), &parent, 1002));
	for (CListBox* pList : { &asking, &silent })
	{
		pList->AddString("A.M.");
		pList->AddString("F.M.");
	}
	const CPoint ptSecond(20, asking.GetItemHeight(0) + 2);
	for (CListBox* pList : { &asking, &silent })
	{
		for (UINT message : { WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP })
		{
			ASSERT_TRUE(AfxSendMouseInput(pList, message, ptSecond));
		}
		EXPECT_EQ(1, pList->GetCurSel());
	}
	EXPECT_EQ((std::vector<std::string>{ NotificationOf(1001, LBN_SELCHANGE), NotificationOf(1001, LBN_DBLCLK) }),
		parent.m_notifications);
}

TEST(ControlInputTest, KeyTypedByTheUserReachesTheEditOnce)
{
	CNotifiedWindow parent;
	ASSERT_TRUE(parent.CreatePopup());
	CEdit edit;
	ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 30), &parent, 1001));
	edit.SetWindowText("fm = 1");
	edit.SetSel(6, 6);
	edit.SetFocus();
	parent.m_notifications.clear();
	for (UINT nKey : { UINT('0'), UINT(VK_BACK), UINT('5') })
	{
		ASSERT_TRUE(AfxSendKeyInput(&edit, WM_KEYDOWN, nKey));
		ASSERT_TRUE(AfxSendKeyInput(&edit, WM_KEYUP, nKey));
	}
	CString strText;
	edit.GetWindowText(strText);
	EXPECT_STREQ("fm = 15", strText);
	const std::string update = NotificationOf(1001, EN_UPDATE);
	const std::string change = NotificationOf(1001, EN_CHANGE);
	EXPECT_EQ((std::vector<std::string>{ update, change, update, change, update, change }), parent.m_notifications);
}

// Writes down the parent's WM_VSCROLL: the code and, for the thumb, its position.
class CScrollWatcher : public CNotifiedWindow
{
public:
	std::vector<std::string> m_scrolls;

protected:
	afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
	{
		const bool bThumb = nSBCode == SB_THUMBTRACK || nSBCode == SB_THUMBPOSITION;
		m_scrolls.push_back(std::to_string(nSBCode) + (bThumb ? "@" + std::to_string(nPos) : std::string()));
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScrollWatcher, CNotifiedWindow)
	ON_WM_VSCROLL()
END_MESSAGE_MAP()

TEST(ControlInputTest, ScrollBarReportsTheUsersScrollingAndStaysWhereItsParentPutsIt)
{
	CScrollWatcher parent;
	ASSERT_TRUE(parent.CreatePopup());
	CScrollBar bar;
	ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(10, 10, 26, 210), &parent, 1001));
	SCROLLINFO info = { sizeof(SCROLLINFO), SIF_ALL, 0, 100, 10, 0, 0 };
	bar.SetScrollInfo(&info);

	// The arrow at the bottom: a line down, ended when the button goes up; nobody moved the bar.
	ASSERT_TRUE(AfxSendMouseInput(&bar, WM_LBUTTONDOWN, CPoint(8, 196)));
	ASSERT_TRUE(AfxSendMouseInput(&bar, WM_LBUTTONUP, CPoint(8, 196)));
	EXPECT_EQ((std::vector<std::string>{ "1", "8" }), parent.m_scrolls);
	EXPECT_EQ(0, bar.GetScrollPos());

	// The thumb, at the top, dragged down: it follows the mouse, then goes back to where the
	// parent left it.
	parent.m_scrolls.clear();
	ASSERT_TRUE(AfxSendMouseInput(&bar, WM_LBUTTONDOWN, CPoint(8, 24)));
	ASSERT_TRUE(AfxSendMouseInput(&bar, WM_MOUSEMOVE, CPoint(8, 104), MK_LBUTTON));
	SCROLLINFO track = {};
	ASSERT_TRUE(bar.GetScrollInfo(&track, SIF_POS | SIF_TRACKPOS));
	EXPECT_EQ(0, track.nPos);
	EXPECT_GT(track.nTrackPos, 30);
	ASSERT_TRUE(AfxSendMouseInput(&bar, WM_LBUTTONUP, CPoint(8, 104)));
	const std::string strAt = "@" + std::to_string(track.nTrackPos);
	EXPECT_EQ((std::vector<std::string>{ "5" + strAt, "4" + strAt, "8" }), parent.m_scrolls);
	EXPECT_EQ(0, bar.GetScrollPos());
	ASSERT_TRUE(bar.GetScrollInfo(&track, SIF_TRACKPOS));
	EXPECT_EQ(0, track.nTrackPos);
}

}
