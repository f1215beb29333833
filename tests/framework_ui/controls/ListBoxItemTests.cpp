// Where a list box's items lie: their height, set or the style's, the item at a point as the list
// draws its rows, and the row a user's click selects.
#include "tests/framework_ui/dialog/DialogTestSupport.h"

#include "framework/ui/controls/ListBox.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/testing/UserDriving.h"
#include "framework/ui/system/SystemServices.h"

#include <gtest/gtest.h>

namespace
{

constexpr int HIGHLIGHT_X = 95;

class ListBoxItemTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(m_parent.CreatePopup());
	}

	void Fill(CListBox& list, int nItems)
	{
		for (int i = 0; i < nItems; ++i)
		{
			list.AddString(("voce " + std::to_string(i)).c_str());
		}
	}

	bool Highlighted(CListBox& list, int y)
	{
		return GetShownPixel(&list, HIGHLIGHT_X, y) == GetSysColor(COLOR_HIGHLIGHT);
	}

	CNotifiedWindow m_parent;
};

struct PointCase
{
	int x;
	int nItemsDown;	// the point's y in item heights
	int nPixelsMore;
	UINT nItem;
	BOOL bOutside;
};

TEST_F(ListBoxItemTest, TheItemAtAPointIsTheRowDrawnThereOrTheNearestOneOutside)
{
	CListBox empty;
	ASSERT_TRUE(empty.Create(WS_CHILD | WS_VISIBLE, CRect(120, 10, 220, 130), &m_parent, 1001));
	CListBox list;
	ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 130), &m_parent, 1000));
	Fill(list, 4);
	const int h = list.GetItemHeight(0);
	ASSERT_GT(h, 8);
	ASSERT_LT(4 * h, 120);
	EXPECT_EQ(h, list.GetItemHeight(3));
	EXPECT_EQ(h, empty.GetItemHeight(0));

	const PointCase cases[] = {
		{ 5, 0, 0, 0, FALSE },
		{ 5, 1, -1, 0, FALSE },
		{ 5, 1, 0, 1, FALSE },
		{ 99, 3, 1, 3, FALSE },
		{ 5, 4, 0, 3, TRUE },	// below the last item
		{ -4, 1, 1, 1, TRUE },
		{ 140, 2, 0, 2, TRUE },
		{ 5, 0, -3, 0, TRUE },
		{ 5, 40, 0, 3, TRUE },
	};
	for (const PointCase& c : cases)
	{
		const int y = c.nItemsDown * h + c.nPixelsMore;
		SCOPED_TRACE(testing::Message() << c.x << "," << y);
		BOOL bOutside = !c.bOutside;
		EXPECT_EQ(c.nItem, list.ItemFromPoint(CPoint(c.x, y), bOutside));
		EXPECT_EQ(c.bOutside, bOutside);
	}
	BOOL bOutside = FALSE;
	EXPECT_EQ(0xFFFFu, empty.ItemFromPoint(CPoint(5, 5), bOutside));
	EXPECT_TRUE(bOutside);

	list.SetCurSel(2);
	EXPECT_FALSE(Highlighted(list, 2 * h - 1));
	EXPECT_TRUE(Highlighted(list, 2 * h));
	EXPECT_TRUE(Highlighted(list, 3 * h - 1));
	EXPECT_FALSE(Highlighted(list, 3 * h));
}

TEST_F(ListBoxItemTest, ASetHeightLaysOutEveryItemAtThatHeight)
{
	CListBox list;
	ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 130), &m_parent, 1000));
	Fill(list, 4);
	EXPECT_EQ(LB_OKAY, list.SetItemHeight(0, 20));
	EXPECT_EQ(20, list.GetItemHeight(3));
	EXPECT_EQ(LB_ERR, list.SetItemHeight(0, 256));
	EXPECT_EQ(20, list.GetItemHeight(0));

	BOOL bOutside = TRUE;
	EXPECT_EQ(1u, list.ItemFromPoint(CPoint(5, 39), bOutside));
	EXPECT_FALSE(bOutside);
	EXPECT_EQ(2u, list.ItemFromPoint(CPoint(5, 40), bOutside));
	EXPECT_EQ(3u, list.ItemFromPoint(CPoint(5, 80), bOutside));
	EXPECT_TRUE(bOutside);

	list.SetCurSel(1);
	EXPECT_FALSE(Highlighted(list, 19));
	EXPECT_TRUE(Highlighted(list, 20));
	EXPECT_TRUE(Highlighted(list, 39));
	EXPECT_FALSE(Highlighted(list, 40));
}

TEST_F(ListBoxItemTest, AClickSelectsTheItemAtThePointInABorderedList)
{
	CListBox list;
	ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, CRect(10, 10, 110, 130), &m_parent, 1000));
	Fill(list, 5);
	const int h = list.GetItemHeight(0);
	for (int y : { 2 * h, 2 * h - 1, 4 * h + 1 })
	{
		SCOPED_TRACE(y);
		BOOL bOutside = TRUE;
		const UINT nItem = list.ItemFromPoint(CPoint(20, y), bOutside);
		EXPECT_FALSE(bOutside);
		ASSERT_TRUE(AfxSendMouseInput(&list, WM_LBUTTONDOWN, CPoint(20, y)));
		ASSERT_TRUE(AfxSendMouseInput(&list, WM_LBUTTONUP, CPoint(20, y)));
		EXPECT_EQ(static_cast<int>(nItem), list.GetCurSel());
	}
}

}
