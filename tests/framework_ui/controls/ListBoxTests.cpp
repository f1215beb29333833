// LISTBOX controls: adding, inserting, sorting, deleting, selection, item data and search, and
// which changes notify the parent.
#include "tests/framework_ui/dialog/DialogTestSupport.h"

#include "framework/ui/controls/ListBox.h"

#include <gtest/gtest.h>

namespace
{

class ListBoxTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(m_parent.CreatePopup());
	}

	std::vector<std::string> Items(CListBox& list)
	{
		std::vector<std::string> items;
		for (int i = 0; i < list.GetCount(); ++i)
		{
			CString strItem;
			list.GetText(i, strItem);
			items.push_back(static_cast<LPCTSTR>(strItem));
		}
		return items;
	}

	CNotifiedWindow m_parent;
};

TEST_F(ListBoxTest, StringsInOrderOrSorted)
{
	CListBox plain;
	ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, CRect(10, 10, 150, 100), &m_parent, 1000));
	EXPECT_EQ(0, plain.AddString("portante"));
	EXPECT_EQ(1, plain.AddString("Modulante"));
	EXPECT_EQ(1, plain.InsertString(1, "modulato"));
	EXPECT_EQ(3, plain.InsertString(-1, "fine"));
	EXPECT_EQ((std::vector<std::string>{ "portante", "modulato", "Modulante", "fine" }), Items(plain));
	EXPECT_EQ(3, plain.DeleteString(0));
	EXPECT_EQ(LB_ERR, plain.DeleteString(7));
	EXPECT_EQ(9, plain.GetTextLen(1));

	CListBox sorted;
	ASSERT_TRUE(sorted.Create(WS_CHILD | WS_VISIBLE | LBS_SORT, CRect(160, 10, 300, 100), &m_parent, 1001));
	for (const char* pszItem : { "portante", "Modulante", "banda", "modulato" })
	{
		sorted.AddString(pszItem);
	}
	EXPECT_EQ((std::vector<std::string>{ "banda", "Modulante", "modulato", "portante" }), Items(sorted));
	EXPECT_EQ(2, sorted.FindStringExact(-1, "MODULATO"));
	EXPECT_EQ(LB_ERR, sorted.FindStringExact(-1, "modul"));
	// Accented capitals fold too: "È" sorts and matches with "è".
	sorted.AddString("\xC3\x88 zero");
	sorted.AddString("\xC3\xA8 uno");
	EXPECT_EQ("\xC3\x88 zero", Items(sorted).back());
	EXPECT_EQ(4, sorted.FindStringExact(-1, "\xC3\x88 UNO"));
	sorted.ResetContent();
	EXPECT_EQ(0, sorted.GetCount());
}

TEST_F(ListBoxTest, SelectionAndItemDataWithoutNotifications)
{
	CListBox list;
	ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(10, 10, 150, 100), &m_parent, 1000));
	EXPECT_EQ(LB_ERR, list.GetCurSel());
	list.AddString("A.M.");
	list.AddString("F.M.");
	EXPECT_EQ(1, list.SetItemData(1, 0xC0FFEE));
	EXPECT_EQ(static_cast<DWORD_PTR>(0xC0FFEE), list.GetItemData(1));
	EXPECT_EQ(LB_ERR, list.SetItemData(5, 1));
	EXPECT_EQ(1, list.SetCurSel(1));
	EXPECT_EQ(1, list.GetCurSel());
	EXPECT_EQ(LB_ERR, list.SetCurSel(9));
	EXPECT_EQ(LB_ERR, list.GetCurSel());
	list.SetCurSel(0);
	EXPECT_EQ(0, list.SetCurSel(-1));
	EXPECT_EQ(LB_ERR, list.GetCurSel());
	// Only the user's choices notify; the program's own do not, as on Windows.
	EXPECT_TRUE(m_parent.m_notifications.empty());
}

}
