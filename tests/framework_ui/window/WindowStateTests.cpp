// Window state: relations and enumeration of children, text, visibility and enabled state,
// handles, creation failures and the order of the destruction messages.
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

MessageLog s_lifeLog;

class CLifeRecorder : public CTestWindow
{
public:
	explicit CLifeRecorder(const char* pszName, int nCreateResult = 0)
		: m_pszName(pszName)
		, m_nCreateResult(nCreateResult)
	{
	}

	void PostNcDestroy() override
	{
		s_lifeLog.push_back(std::string("post ") + m_pszName);
	}

protected:
	afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
	{
		s_lifeLog.push_back(std::string("create ") + m_pszName + " " + lpCreateStruct->lpszName);
		return m_nCreateResult;
	}

	afx_msg void OnDestroy()
	{
		s_lifeLog.push_back(std::string("destroy ") + m_pszName);
	}

	afx_msg void OnNcDestroy()
	{
		s_lifeLog.push_back(std::string("ncdestroy ") + m_pszName);
	}

	afx_msg void OnShowWindow(BOOL bShow, UINT)
	{
		s_lifeLog.push_back(std::string(bShow ? "show " : "hide ") + m_pszName);
	}

	afx_msg void OnEnable(BOOL bEnable)
	{
		s_lifeLog.push_back(std::string(bEnable ? "enable " : "disable ") + m_pszName);
	}

	const char* m_pszName;
	int m_nCreateResult;

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLifeRecorder, CTestWindow)
	ON_WM_CREATE()
	ON_WM_DESTROY()
	ON_WM_NCDESTROY()
	ON_WM_SHOWWINDOW()
	ON_WM_ENABLE()
END_MESSAGE_MAP()

class CSelfDeletingWindow : public CTestWindow
{
public:
	explicit CSelfDeletingWindow(bool* pbDeleted)
		: m_pbDeleted(pbDeleted)
	{
	}

	~CSelfDeletingWindow() override
	{
		*m_pbDeleted = true;
	}

	void PostNcDestroy() override
	{
		delete this;
	}

private:
	bool* m_pbDeleted;
};

TEST(WindowStateTest, ChildrenAreFoundByIdAndEnumeratedInCreationOrder)
{
	CTestWindow parent;
	ASSERT_TRUE(parent.CreatePopup(CRect(0, 0, 100, 100), WS_POPUP));
	CTestWindow children[3];
	for (int i = 0; i < 3; ++i)
	{
		ASSERT_TRUE(children[i].CreateChild(&parent, CRect(0, 0, 10, 10), 10 + i));
	}
	CTestWindow grandchild;
	ASSERT_TRUE(grandchild.CreateChild(&children[1], CRect(0, 0, 5, 5), 20));

	EXPECT_EQ(&children[1], parent.GetDlgItem(11));
	EXPECT_EQ(nullptr, parent.GetDlgItem(20));
	EXPECT_EQ(20, grandchild.GetDlgCtrlID());
	std::vector<int> ids;
	for (CWnd* pChild = parent.GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetNextWindow())
	{
		ids.push_back(pChild->GetDlgCtrlID());
	}
	EXPECT_EQ((std::vector<int> { 10, 11, 12 }), ids);
	EXPECT_EQ(&children[1], children[2].GetWindow(GW_HWNDPREV));
	EXPECT_EQ(&children[1], grandchild.GetParent());
	EXPECT_EQ(&parent, grandchild.GetTopLevelParent());
	EXPECT_TRUE(parent.IsChild(&grandchild));
	EXPECT_FALSE(children[0].IsChild(&grandchild));
	EXPECT_FALSE(grandchild.IsChild(&parent));
}

TEST(WindowStateTest, OwnedPopupIsNotAChildButHasItsOwner)
{
	CTestWindow owner;
	ASSERT_TRUE(owner.CreatePopup(CRect(0, 0, 100, 100), WS_POPUP));
	CTestWindow popup;
	ASSERT_TRUE(popup.CreateEx(0, nullptr, "owned", WS_POPUP, CRect(0, 0, 10, 10), &owner, 0));
	EXPECT_FALSE(owner.IsChild(&popup));
	EXPECT_EQ(&owner, popup.GetWindow(GW_OWNER));
	EXPECT_EQ(nullptr, owner.GetWindow(GW_CHILD));
	EXPECT_EQ(0, popup.GetDlgCtrlID());
}

TEST(WindowStateTest, TextRoundTripsThroughTheWindowAndIsCutToTheBuffer)
{
	CTestWindow wnd;
	ASSERT_TRUE(wnd.CreatePopup(CRect(0, 0, 10, 10), WS_POPUP));
	wnd.SetWindowText(" Modulazione è");
	EXPECT_EQ(15, wnd.GetWindowTextLength());
	CString strText;
	wnd.GetWindowText(strText);
	EXPECT_STREQ(" Modulazione è", strText);
	char buffer[5] = "xxxx";
	EXPECT_EQ(3, wnd.GetWindowText(buffer, 4));
	EXPECT_STREQ(" Mo", buffer);

	CTestWindow child;
	ASSERT_TRUE(child.CreateChild(&wnd, CRect(0, 0, 5, 5), 7));
	wnd.SetDlgItemText(7, "Pronto");
	CString strItem;
	EXPECT_EQ(6, wnd.GetDlgItemText(7, strItem));
	EXPECT_STREQ("Pronto", strItem);
}

TEST(WindowStateTest, VisibilityNeedsTheParentsAndShowingTellsTheWindow)
{
	CLifeRecorder parent("parent");
	ASSERT_TRUE(parent.CreatePopup(CRect(0, 0, 50, 50), WS_POPUP));
	CLifeRecorder child("child");
	ASSERT_TRUE(child.CreateChild(&parent, CRect(0, 0, 10, 10), 1, WS_CHILD | WS_VISIBLE));
	EXPECT_NE(0u, child.GetStyle() & WS_VISIBLE);
	EXPECT_FALSE(child.IsWindowVisible());
	s_lifeLog.clear();
	EXPECT_FALSE(parent.ShowWindow(SW_SHOW));
	EXPECT_TRUE(child.IsWindowVisible());
	EXPECT_TRUE(parent.ShowWindow(SW_SHOW));
	EXPECT_TRUE(child.ShowWindow(SW_HIDE));
	EXPECT_FALSE(child.IsWindowVisible());
	EXPECT_EQ((MessageLog { "show parent", "hide child" }), s_lifeLog);
}

TEST(WindowStateTest, EnableWindowReportsTheFormerDisabledState)
{
	CLifeRecorder wnd("wnd");
	ASSERT_TRUE(wnd.CreatePopup(CRect(0, 0, 50, 50), WS_POPUP));
	s_lifeLog.clear();
	EXPECT_FALSE(wnd.EnableWindow(FALSE));
	EXPECT_FALSE(wnd.IsWindowEnabled());
	EXPECT_NE(0u, wnd.GetStyle() & WS_DISABLED);
	EXPECT_TRUE(wnd.EnableWindow(FALSE));
	EXPECT_TRUE(wnd.EnableWindow(TRUE));
	EXPECT_TRUE(wnd.IsWindowEnabled());
	EXPECT_EQ((MessageLog { "disable wnd", "enable wnd" }), s_lifeLog);
}

TEST(WindowStateTest, DestroyingSendsDestroyParentFirstAndNcDestroyChildrenFirst)
{
	s_lifeLog.clear();
	CLifeRecorder parent("parent");
	ASSERT_TRUE(parent.CreatePopup(CRect(0, 0, 50, 50), WS_POPUP));
	CLifeRecorder child("child");
	ASSERT_TRUE(child.CreateChild(&parent, CRect(0, 0, 20, 20), 1));
	CLifeRecorder grandchild("grandchild");
	ASSERT_TRUE(grandchild.CreateChild(&child, CRect(0, 0, 5, 5), 2));
	HWND hChild = child.m_hWnd;
	s_lifeLog.clear();

	EXPECT_TRUE(parent.DestroyWindow());
	EXPECT_EQ((MessageLog { "destroy parent", "destroy child", "destroy grandchild", "ncdestroy grandchild",
				  "post grandchild", "ncdestroy child", "post child", "ncdestroy parent", "post parent" }),
		s_lifeLog);
	EXPECT_EQ(nullptr, parent.m_hWnd);
	EXPECT_EQ(nullptr, child.m_hWnd);
	EXPECT_FALSE(IsWindow(hChild));
	EXPECT_EQ(nullptr, CWnd::FromHandle(hChild));
	EXPECT_FALSE(parent.DestroyWindow());
}

// A child whose handler closes its top-level parent, as a drag loop dispatching the parent's
// WM_CLOSE does: the parent goes at once, the child once its handler has returned.
class CParentCloser : public CTestWindow
{
protected:
	afx_msg LRESULT OnCloseParent(WPARAM, LPARAM)
	{
		GetParent()->SendMessage(WM_CLOSE);
		return 1;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentCloser, CTestWindow)
	ON_MESSAGE(WM_APP, OnCloseParent)
END_MESSAGE_MAP()

TEST(WindowStateTest, AChildHandlingAMessageOutlivesTheParentItDestroyed)
{
	CTestWindow parent;
	ASSERT_TRUE(parent.CreatePopup(CRect(0, 0, 50, 50), WS_POPUP));
	CParentCloser child;
	ASSERT_TRUE(child.CreateChild(&parent, CRect(0, 0, 20, 20), 1));
	const HWND hChild = child.m_hWnd;
	EXPECT_EQ(1, child.SendMessage(WM_APP));
	EXPECT_EQ(nullptr, parent.m_hWnd);
	EXPECT_FALSE(IsWindow(hChild));
	EXPECT_EQ(nullptr, child.m_hWnd);
}

TEST(WindowStateTest, FailedCreationDestroysTheWindowAgain)
{
	s_lifeLog.clear();
	CLifeRecorder wnd("wnd", -1);
	EXPECT_FALSE(wnd.CreateEx(0, nullptr, "caption", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
	EXPECT_EQ(nullptr, wnd.m_hWnd);
	EXPECT_EQ((MessageLog { "create wnd caption", "destroy wnd", "ncdestroy wnd", "post wnd" }), s_lifeLog);

	CTestWindow orphan;
	EXPECT_FALSE(orphan.CreateEx(0, nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), nullptr, 1));
	EXPECT_FALSE(orphan.CreateEx(0, "NoSuchClass", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
}

TEST(WindowStateTest, WindowsAndObjectsEndTogether)
{
	bool bDeleted = false;
	CSelfDeletingWindow* pWnd = new CSelfDeletingWindow(&bDeleted);
	ASSERT_TRUE(pWnd->CreatePopup(CRect(0, 0, 10, 10), WS_POPUP));
	pWnd->DestroyWindow();
	EXPECT_TRUE(bDeleted);

	HWND hWnd = nullptr;
	{
		CTestWindow scoped;
		ASSERT_TRUE(scoped.CreatePopup(CRect(0, 0, 10, 10), WS_POPUP));
		hWnd = scoped.m_hWnd;
	}
	EXPECT_FALSE(IsWindow(hWnd));
}

TEST(WindowStateTest, AttachAndDetachMoveTheWindowBetweenObjects)
{
	CTestWindow first;
	ASSERT_TRUE(first.CreatePopup(CRect(0, 0, 10, 10), WS_POPUP));
	HWND hWnd = first.Detach();
	EXPECT_EQ(nullptr, first.m_hWnd);
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
	CWnd* pTemporary = CWnd::FromHandle(hWnd);
	ASSERT_NE(nullptr, pTemporary);
	EXPECT_EQ(hWnd, pTemporary->GetSafeHwnd());
	EXPECT_EQ(pTemporary, CWnd::FromHandle(hWnd));

	CWnd second;
	EXPECT_TRUE(second.Attach(hWnd));
	EXPECT_FALSE(first.Attach(hWnd));
	EXPECT_EQ(&second, CWnd::FromHandle(hWnd));
	EXPECT_TRUE(second.DestroyWindow());
	EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
}

}
