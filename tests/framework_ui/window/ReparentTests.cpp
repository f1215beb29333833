// Moving a child window into another parent: its relations, its place and the clicks it gets.
#include "framework/ui/testing/UserDriving.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

namespace
{

class CClickCounter : public CTestWindow
{
public:
	int m_nClicks = 0;
	CPoint m_ptLast;

protected:
	afx_msg void OnLButtonDown(UINT, CPoint point)
	{
		++m_nClicks;
		m_ptLast = point;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickCounter, CTestWindow)
	ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

TEST(ReparentTest, ChildKeepsItsClientPlaceInTheNewParentAndTakesItsClicksThere)
{
	CTestWindow first;
	ASSERT_TRUE(first.CreatePopup(CRect(100, 100, 300, 250)));
	CTestWindow second;
	ASSERT_TRUE(second.CreatePopup(CRect(400, 120, 600, 300)));
	CClickCounter child;
	ASSERT_TRUE(child.CreateChild(&first, CRect(10, 20, 60, 50), 7));
	CTestWindow sibling;
	ASSERT_TRUE(sibling.CreateChild(&second, CRect(0, 0, 200, 180), 8));

	EXPECT_EQ(&first, child.SetParent(&second));
	EXPECT_EQ(&second, child.GetParent());
	EXPECT_EQ(&second, child.GetOwner());
	EXPECT_EQ(&child, second.GetDlgItem(7));
	EXPECT_EQ(nullptr, first.GetDlgItem(7));
	EXPECT_EQ(nullptr, first.GetWindow(GW_CHILD));
	EXPECT_TRUE(second.IsChild(&child));
	EXPECT_TRUE(child.IsWindowVisible());
	CRect rcChild;
	child.GetWindowRect(&rcChild);
	second.ScreenToClient(&rcChild);
	EXPECT_EQ(CRect(10, 20, 60, 50), rcChild);

	// The child went on top of the sibling that covers the whole of the new parent.
	ASSERT_TRUE(AfxSendMouseInput(&second, WM_LBUTTONDOWN, CPoint(15, 27)));
	ASSERT_TRUE(AfxSendMouseInput(&second, WM_LBUTTONUP, CPoint(15, 27)));
	EXPECT_EQ(1, child.m_nClicks);
	EXPECT_EQ(CPoint(5, 7), child.m_ptLast);
	ASSERT_TRUE(AfxSendMouseInput(&first, WM_LBUTTONDOWN, CPoint(15, 27)));
	ASSERT_TRUE(AfxSendMouseInput(&first, WM_LBUTTONUP, CPoint(15, 27)));
	EXPECT_EQ(1, child.m_nClicks);
}

TEST(ReparentTest, WindowCannotMoveIntoItselfOrItsDescendants)
{
	CTestWindow top;
	ASSERT_TRUE(top.CreatePopup(CRect(0, 0, 100, 100), WS_POPUP));
	CTestWindow child;
	ASSERT_TRUE(child.CreateChild(&top, CRect(0, 0, 50, 50), 1));
	CTestWindow grandchild;
	ASSERT_TRUE(grandchild.CreateChild(&child, CRect(0, 0, 10, 10), 2));

	EXPECT_EQ(nullptr, child.SetParent(&grandchild));
	EXPECT_EQ(nullptr, child.SetParent(&child));
	EXPECT_EQ(&top, child.GetParent());
	EXPECT_EQ(&child, grandchild.SetParent(&top));
	EXPECT_EQ(&grandchild, top.GetDlgItem(2));
}

}
