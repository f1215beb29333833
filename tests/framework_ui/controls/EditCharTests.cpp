// Characters the program sends or posts to an EDIT control are typed at the caret, and the
// control's change notification reaches its own object first when its map reflects it.
#include "tests/framework_ui/dialog/DialogTestSupport.h"

#include "framework/ui/controls/Edit.h"
#include "framework/ui/dialog/Dialog.h"
#include "tests/support/EventPump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{

constexpr UINT IDC_EDIT = 1000;
const std::string EN_CHANGE_FROM_EDIT = std::to_string(IDC_EDIT) + ":" + std::to_string(EN_CHANGE);

std::string Text(CWnd& wnd)
{
	CString strText;
	wnd.GetWindowText(strText);
	return static_cast<LPCTSTR>(strText);
}

void SendChars(CWnd& wnd, const char* pszChars)
{
	for (const char* p = pszChars; *p != '\0'; ++p)
	{
		wnd.SendMessage(WM_CHAR, static_cast<unsigned char>(*p), 1);
	}
}

TEST(EditCharTest, SentCharactersAreTypedAtTheCaretAndBackspaceDeletes)
{
	struct Case
	{
		DWORD dwStyle;
		const char* pszStart;
		int nSelStart;
		int nSelEnd;
		const char* pszChars;
		const char* pszExpected;
	};
	const Case cases[] = {
		{ ES_AUTOHSCROLL, "fm = 10", 5, 5, "2", "fm = 210" },
		{ ES_AUTOHSCROLL, "fm = 10", 5, 7, "35", "fm = 35" },
		{ ES_AUTOHSCROLL, "fm = 10", 7, 7, "\b\b4\b", "fm = " },
		{ ES_AUTOHSCROLL, "fm = 10", 0, 2, "\b", " = 10" },
		// A single-line edit has no line break or tab to type.
		{ ES_AUTOHSCROLL, "Am", 2, 2, "\r\t\x1b" "1", "Am1" },
		{ ES_MULTILINE | ES_AUTOVSCROLL, "Am = 1", 6, 6, "\rT", "Am = 1\r\nT" },
		{ ES_MULTILINE | ES_AUTOVSCROLL, "Am = 1\r\nT", 9, 9, "\b\b", "Am = 1" },
		{ ES_MULTILINE | ES_AUTOVSCROLL, "ab", 1, 1, "\t", "a\tb" },
		{ ES_AUTOHSCROLL | ES_READONLY, "fixed", 5, 5, "x\b", "fixed" },
	};
	CNotifiedWindow parent;
	ASSERT_TRUE(parent.CreatePopup());
	for (const Case& c : cases)
	{
		CEdit edit;
		ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | c.dwStyle, CRect(10, 10, 200, 60), &parent, IDC_EDIT));
		edit.SetWindowText(c.pszStart);
		edit.SetSel(c.nSelStart, c.nSelEnd);
		SendChars(edit, c.pszChars);
		EXPECT_EQ(c.pszExpected, Text(edit)) << c.pszStart << " + " << c.pszChars;
		edit.DestroyWindow();
	}
}

TEST(EditCharTest, PostedCharacterIsTypedWhenTheLoopDeliversItAndNotifiesTheParent)
{
	CNotifiedWindow parent;
	ASSERT_TRUE(parent.CreatePopup());
	CEdit edit;
	ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 30), &parent, IDC_EDIT));
	edit.SetWindowText("0.");
	edit.SetSel(2, 2);
	parent.m_notifications.clear();
	ASSERT_TRUE(edit.PostMessage(WM_CHAR, '5', 1));
	EXPECT_EQ("0.", Text(edit));
	EXPECT_TRUE(PumpUntil([&] { return Text(edit) == "0.5"; }));
	EXPECT_EQ(1, std::count(parent.m_notifications.begin(), parent.m_notifications.end(), EN_CHANGE_FROM_EDIT));
}

// Keeps its own changes to itself; the sharing edit below lets the parent have them as well.
class CSelfWatchingEdit : public CEdit
{
public:
	int m_nChanges = 0;

protected:
	afx_msg void OnChange()
	{
		++m_nChanges;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfWatchingEdit, CEdit)
	ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
END_MESSAGE_MAP()

class CSharingEdit : public CEdit
{
public:
	int m_nChanges = 0;

protected:
	afx_msg BOOL OnChange()
	{
		++m_nChanges;
		return FALSE;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSharingEdit, CEdit)
	ON_CONTROL_REFLECT_EX(EN_CHANGE, OnChange)
END_MESSAGE_MAP()

TEST(ReflectedNotifyTest, ReflectedChangeStaysWithTheControlUnlessItsExHandlerPassesItOn)
{
	CNotifiedWindow parent;
	ASSERT_TRUE(parent.CreatePopup());
	CSelfWatchingEdit keeping;
	ASSERT_TRUE(keeping.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 30), &parent, IDC_EDIT));
	CSharingEdit sharing;
	ASSERT_TRUE(sharing.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 40, 200, 60), &parent, IDC_EDIT + 1));
	parent.m_notifications.clear();

	keeping.SetWindowText("1");
	SendChars(keeping, "2");
	sharing.SetWindowText("3");

	EXPECT_EQ(2, keeping.m_nChanges);
	EXPECT_EQ(1, sharing.m_nChanges);
	// The parent hears the keeping edit's EN_UPDATE, which is not reflected, and the sharing
	// edit's EN_CHANGE after its own handler.
	const std::string update = std::to_string(EN_UPDATE);
	EXPECT_EQ((std::vector<std::string> { "1000:" + update, "1000:" + update, "1001:" + update,
				  "1001:" + std::to_string(EN_CHANGE) }),
		parent.m_notifications);
}

}
