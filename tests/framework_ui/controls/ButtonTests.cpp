// BUTTON controls: which styles check themselves when clicked, BN_CLICKED, radio groups,
// button styles and dialog codes, and the focus mark of push buttons.
#include "tests/framework_ui/dialog/DialogTestSupport.h"

#include "framework/ui/controls/Button.h"
#include "framework/ui/testing/SurfaceAccess.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

class ButtonTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(m_parent.CreatePopup());
	}

	CButton& Add(LPCTSTR lpszText, DWORD dwStyle, UINT nID)
	{
		m_buttons.push_back(std::make_unique<CButton>());
		const int nTop = 10 + 20 * static_cast<int>(m_buttons.size());
		EXPECT_TRUE(m_buttons.back()->Create(lpszText, WS_CHILD | WS_VISIBLE | dwStyle, CRect(10, nTop, 150, nTop + 16),
			&m_parent, nID));
		return *m_buttons.back();
	}

	CNotifiedWindow m_parent;
	std::vector<std::unique_ptr<CButton>> m_buttons;
};

TEST_F(ButtonTest, ClickChecksOnlyTheAutomaticStylesAndAlwaysNotifies)
{
	const struct
	{
		DWORD dwStyle;
		int nAfterOneClick;
		int nAfterTwoClicks;
	} cases[] = {
		{ BS_AUTOCHECKBOX, BST_CHECKED, BST_UNCHECKED },
		{ BS_CHECKBOX, BST_UNCHECKED, BST_UNCHECKED },
		{ BS_AUTORADIOBUTTON, BST_CHECKED, BST_CHECKED },
		{ BS_RADIOBUTTON, BST_UNCHECKED, BST_UNCHECKED },
		{ BS_PUSHBUTTON, BST_UNCHECKED, BST_UNCHECKED },
	};
	UINT nID = 100;
	for (const auto& c : cases)
	{
		CButton& button = Add("&Assi", c.dwStyle | WS_GROUP, ++nID);
		m_parent.m_notifications.clear();
		button.SendMessage(BM_CLICK);
		EXPECT_EQ(c.nAfterOneClick, button.GetCheck()) << c.dwStyle;
		button.SendMessage(BM_CLICK);
		EXPECT_EQ(c.nAfterTwoClicks, button.GetCheck()) << c.dwStyle;
		const std::string strClicked = std::to_string(nID) + ":" + std::to_string(BN_CLICKED);
		EXPECT_EQ((std::vector<std::string>{ strClicked, strClicked }), m_parent.m_notifications) << c.dwStyle;
	}
}

TEST_F(ButtonTest, AutomaticRadioButtonClearsItsGroupOnly)
{
	CButton& am = Add("A.M.", BS_AUTORADIOBUTTON | WS_GROUP, 1001);
	CButton& dsb = Add("D.S.B.-S.C.", BS_AUTORADIOBUTTON, 1002);
	CButton& check = Add("Assi", BS_AUTOCHECKBOX, 1003);
	CButton& ssb = Add("S.S.B.", BS_AUTORADIOBUTTON, 1004);
	CButton& other = Add("Altro", BS_AUTORADIOBUTTON | WS_GROUP, 1005);
	am.SetCheck(BST_CHECKED);
	check.SetCheck(BST_CHECKED);
	other.SetCheck(BST_CHECKED);
	ssb.SendMessage(BM_CLICK);
	EXPECT_EQ(BST_UNCHECKED, am.GetCheck());
	EXPECT_EQ(BST_UNCHECKED, dsb.GetCheck());
	EXPECT_EQ(BST_CHECKED, ssb.GetCheck());
	EXPECT_EQ(BST_CHECKED, check.GetCheck());
	EXPECT_EQ(BST_CHECKED, other.GetCheck());
}

TEST_F(ButtonTest, SetCheckDoesNotNotifyAndThreeStateKeepsIndeterminate)
{
	CButton& check = Add("Assi", BS_AUTO3STATE, 1001);
	check.SetCheck(BST_INDETERMINATE);
	EXPECT_EQ(BST_INDETERMINATE, check.GetCheck());
	EXPECT_EQ(BST_INDETERMINATE, check.GetState() & 3u);
	CButton& radio = Add("A.M.", BS_AUTORADIOBUTTON, 1002);
	radio.SetCheck(BST_CHECKED);
	EXPECT_TRUE(m_parent.m_notifications.empty());
}

TEST_F(ButtonTest, DisabledButtonIgnoresClicks)
{
	CButton& button = Add("OK", BS_PUSHBUTTON, IDOK);
	button.EnableWindow(FALSE);
	m_parent.m_notifications.clear();
	button.SendMessage(BM_CLICK);
	EXPECT_TRUE(m_parent.m_notifications.empty());
}

TEST_F(ButtonTest, StyleAndDialogCodes)
{
	CButton& ok = Add("OK", BS_DEFPUSHBUTTON, IDOK);
	CButton& group = Add("", BS_GROUPBOX, 0xFFFF);
	CButton& radio = Add("A.M.", BS_AUTORADIOBUTTON, 1001);
	EXPECT_EQ(DLGC_BUTTON | DLGC_DEFPUSHBUTTON, ok.SendMessage(WM_GETDLGCODE));
	ok.SetButtonStyle(BS_PUSHBUTTON);
	EXPECT_EQ(BS_PUSHBUTTON, ok.GetButtonStyle() & BS_TYPEMASK);
	EXPECT_EQ(DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON, ok.SendMessage(WM_GETDLGCODE));
	EXPECT_EQ(DLGC_STATIC, group.SendMessage(WM_GETDLGCODE));
	EXPECT_EQ(DLGC_BUTTON | DLGC_RADIOBUTTON, radio.SendMessage(WM_GETDLGCODE));
	group.SetWindowText("Portante");
	CString strText;
	group.GetWindowText(strText);
	EXPECT_STREQ("Portante", strText);
}

// The pixels of the button as it shows now, row by row.
std::vector<COLORREF> Shown(CButton& button)
{
	const CSize size = GetSurfaceSize(&button);
	std::vector<COLORREF> pixels;
	for (int y = 0; y < size.cy; ++y)
	{
		for (int x = 0; x < size.cx; ++x)
		{
			pixels.push_back(GetShownPixel(&button, x, y));
		}
	}
	return pixels;
}

TEST_F(ButtonTest, FocusedPushButtonShowsADottedFrameInsideItsEdge)
{
	CButton& ok = Add("OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK);
	CButton& cancel = Add("Cancel", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL);
	cancel.SetFocus();
	const std::vector<COLORREF> plain = Shown(ok);
	ok.SetFocus();
	const std::vector<COLORREF> focused = Shown(ok);

	// What the focus adds is every other pixel of the frame 3 pixels inside the edge, and nothing else.
	const CSize size = GetSurfaceSize(&ok);
	ASSERT_EQ(plain.size(), focused.size());
	const int nInset = 3;
	int nTopDots = 0;
	for (int y = 0; y < size.cy; ++y)
	{
		for (int x = 0; x < size.cx; ++x)
		{
			const bool bOnFrame = x >= nInset && x < size.cx - nInset && y >= nInset && y < size.cy - nInset
				&& (x == nInset || x == size.cx - nInset - 1 || y == nInset || y == size.cy - nInset - 1);
			const bool bChanged = plain[y * size.cx + x] != focused[y * size.cx + x];
			EXPECT_TRUE(!bChanged || (bOnFrame && (x + y) % 2 == 0)) << x << ", " << y;
			nTopDots += bChanged && y == nInset ? 1 : 0;
		}
	}
	EXPECT_GE(nTopDots, (size.cx - 2 * nInset) / 2 - 1) << "a dotted line along the top";

	// The mark goes with the focus.
	const std::vector<COLORREF> cancelPlain = Shown(cancel);
	cancel.SetFocus();
	EXPECT_EQ(plain, Shown(ok));
	EXPECT_NE(cancelPlain, Shown(cancel));
}

}
