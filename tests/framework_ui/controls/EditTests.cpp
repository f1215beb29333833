// EDIT controls: notifications to the parent, selection, replacing, limits, read-only state and
// multi-line text.
#include "tests/framework_ui/dialog/DialogTestSupport.h"

#include "framework/ui/controls/Edit.h"
#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/testing/SurfaceAccess.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

constexpr UINT IDC_EDIT = 1000;
constexpr UINT IDC_OTHER = 1001;

std::string NotificationOf(UINT nID, UINT nCode)
{
	return std::to_string(nID) + ":" + std::to_string(nCode);
}

class EditTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(m_parent.CreatePopup());
		ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 110, 30), &m_parent,
			IDC_EDIT));
		ASSERT_TRUE(m_other.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 40, 110, 60), &m_parent, IDC_OTHER));
		m_parent.m_notifications.clear();
	}

	std::string Text(CWnd& wnd)
	{
		CString strText;
		wnd.GetWindowText(strText);
		return static_cast<LPCTSTR>(strText);
	}

	CNotifiedWindow m_parent;
	CEdit m_edit;
	CEdit m_other;
};

TEST_F(EditTest, TextChangesAndFocusNotifyTheParent)
{
	m_edit.SetWindowText("0.5");
	m_edit.SetFocus();
	m_other.SetFocus();
	EXPECT_EQ((std::vector<std::string>{ NotificationOf(IDC_EDIT, EN_UPDATE), NotificationOf(IDC_EDIT, EN_CHANGE),
				  NotificationOf(IDC_EDIT, EN_SETFOCUS), NotificationOf(IDC_EDIT, EN_KILLFOCUS),
				  NotificationOf(IDC_OTHER, EN_SETFOCUS) }),
		m_parent.m_notifications);
	EXPECT_EQ("0.5", Text(m_edit));
	EXPECT_EQ(3, m_edit.GetWindowTextLength());
}

TEST_F(EditTest, SelectionFollowsTheWindowsRules)
{
	m_edit.SetWindowText("200000");
	const struct
	{
		int nStart;
		int nEnd;
		DWORD dwExpected;
	} cases[] = {
		{ 0, -1, static_cast<DWORD>(MAKELONG(0, 6)) },	// all
		{ 2, 4, static_cast<DWORD>(MAKELONG(2, 4)) },
		{ 4, 2, static_cast<DWORD>(MAKELONG(2, 4)) },	// reversed: the same characters
		{ 3, 99, static_cast<DWORD>(MAKELONG(3, 6)) },	// clipped to the text
		{ 5, 5, static_cast<DWORD>(MAKELONG(5, 5)) },	// caret only
	};
	for (const auto& c : cases)
	{
		m_edit.SetSel(c.nStart, c.nEnd);
		EXPECT_EQ(c.dwExpected, m_edit.GetSel()) << c.nStart << "," << c.nEnd;
	}
	int nStart = -1;
	int nEnd = -1;
	m_edit.SetSel(1, 3);
	m_edit.GetSel(nStart, nEnd);
	EXPECT_EQ(1, nStart);
	EXPECT_EQ(3, nEnd);
	m_edit.ReplaceSel("..");
	EXPECT_EQ("2..000", Text(m_edit));
	EXPECT_EQ(static_cast<DWORD>(MAKELONG(3, 3)), m_edit.GetSel());
}

TEST_F(EditTest, ReadOnlyAndLimit)
{
	EXPECT_TRUE(m_edit.SetReadOnly(TRUE));
	EXPECT_NE(0u, m_edit.GetStyle() & ES_READONLY);
	m_edit.SetReadOnly(FALSE);
	EXPECT_EQ(0u, m_edit.GetStyle() & ES_READONLY);
	m_edit.LimitText(5);
	EXPECT_EQ(5u, m_edit.GetLimitText());
	m_edit.LimitText(0);
	EXPECT_GT(m_edit.GetLimitText(), 30000u);
	EXPECT_EQ(1, m_edit.GetLineCount());
	EXPECT_FALSE(m_edit.LineScroll(1));
}

TEST_F(EditTest, MultiLineTextKeepsWindowsLineBreaks)
{
	CEdit multi;
	ASSERT_TRUE(multi.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, CRect(10, 70, 200, 130),
		&m_parent, 1002));
	multi.SetWindowText("Am = 1\r\nfm = 10000\r\nT = 0.0002");
	EXPECT_EQ(3, multi.GetLineCount());
	EXPECT_EQ("Am = 1\r\nfm = 10000\r\nT = 0.0002", Text(multi));
	multi.SetSel(0, 2);
	multi.ReplaceSel("Ap");
	EXPECT_EQ("Ap = 1\r\nfm = 10000\r\nT = 0.0002", Text(multi));
	EXPECT_TRUE(multi.LineScroll(1));
}

// The darkest grey level in a band of the edit's columns: its text is dark on white.
int DarkestIn(CWnd& wnd, int nLeft, int nRight)
{
	int nDarkest = 255;
	for (int x = nLeft; x < nRight; x++)
		for (int y = 2; y < 18; y++)
		{
			const COLORREF cr = GetShownPixel(&wnd, x, y);
			nDarkest = std::min(nDarkest, (GetRValue(cr) + GetGValue(cr) + GetBValue(cr)) / 3);
		}
	return nDarkest;
}

TEST_F(EditTest, MultiLineAlignmentChangedAfterCreationMovesTheText)
{
	CEdit multi;
	ASSERT_TRUE(multi.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(10, 70, 210, 90), &m_parent, 1002));
	multi.SetWindowText("WW");
	EXPECT_LT(DarkestIn(multi, 0, 40), 100);
	EXPECT_GT(DarkestIn(multi, 160, 200), 200);

	multi.ModifyStyle(0, ES_RIGHT);
	EXPECT_GT(DarkestIn(multi, 0, 40), 200);
	EXPECT_LT(DarkestIn(multi, 160, 200), 100);
}

}
