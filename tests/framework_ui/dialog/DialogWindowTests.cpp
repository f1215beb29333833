// Dialog windows built from templates: size and control rectangles in pixels, centring, frame,
// font, tab order, default button and the dialog keys.
#include "tests/framework_ui/dialog/DialogTestSupport.h"

#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/system/SystemServices.h"

#include <gtest/gtest.h>

namespace
{

constexpr DWORD EDIT_STYLE = WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

const DialogItemTemplate s_items[] = {
	{ "EDIT", "", 1000, EDIT_STYLE | WS_GROUP, 0, 12, 12, 57, 14 },
	{ "STATIC", "Ampiezza Portante", 0xFFFF, WS_VISIBLE | SS_LEFT, 0, 74, 12, 75, 14 },
	{ "EDIT", "", 1001, EDIT_STYLE, 0, 12, 30, 57, 14 },
	{ "BUTTON", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, 141, 80, 50, 14 },
	{ "BUTTON", "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 86, 80, 50, 14 },
};

constexpr DWORD DIALOG_STYLE = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE;

DialogTemplate MakeTemplate(DWORD dwExtraStyle)
{
	return { 500, DIALOG_STYLE | dwExtraStyle, 0, 10, 20, 200, 100, "Prova", "MS Sans Serif", 8, s_items,
		sizeof(s_items) / sizeof(s_items[0]), 0 };
}

// Writes down the commands that end a dialog instead of ending it.
class CKeyDialog : public CDialog
{
public:
	std::vector<std::string> m_log;

protected:
	void OnOK() override
	{
		m_log.push_back("OK");
	}

	void OnCancel() override
	{
		m_log.push_back("Cancel");
	}
};

CRect ItemRectInDialog(CDialog& dlg, int nID)
{
	CRect rc;
	dlg.GetDlgItem(nID)->GetWindowRect(&rc);
	dlg.ScreenToClient(&rc);
	return rc;
}

int FocusId()
{
	CWnd* pFocus = CWnd::GetFocus();
	return pFocus != nullptr ? pFocus->GetDlgCtrlID() : -1;
}

TEST(DialogWindowTest, ClientAreaAndControlsAreTheTemplateInPixels)
{
	const DialogTemplate dlgTemplate = MakeTemplate(0);
	CDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(&dlgTemplate));
	CRect rcClient;
	dlg.GetClientRect(&rcClient);
	EXPECT_EQ(CSize(300, 163), rcClient.Size());
	EXPECT_EQ(CRect(18, 20, 104, 42), ItemRectInDialog(dlg, 1000));
	EXPECT_EQ(CRect(18, 49, 104, 72), ItemRectInDialog(dlg, 1001));
	EXPECT_EQ(CRect(212, 130, 287, 153), ItemRectInDialog(dlg, IDOK));

	// A modal frame is the 3-pixel dialog frame; the caption adds its height on top.
	CRect rcWindow;
	dlg.GetWindowRect(&rcWindow);
	EXPECT_EQ(CSize(300 + 2 * 3, 163 + 2 * 3 + GetSystemMetrics(SM_CYCAPTION)), rcWindow.Size());
	CString strCaption;
	dlg.GetWindowText(strCaption);
	EXPECT_STREQ("Prova", strCaption);
	EXPECT_TRUE(dlg.IsWindowVisible());
}

TEST(DialogWindowTest, MapDialogRectUsesTheFixedBaseUnits)
{
	CDialog dlg;
	CRect rc(4, 8, 12, 24);
	dlg.MapDialogRect(&rc);
	EXPECT_EQ(CRect(6, 13, 18, 39), rc);
}

TEST(DialogWindowTest, CentredOnTheScreenOrOverTheOwner)
{
	const DialogTemplate dlgTemplate = MakeTemplate(DS_CENTER);
	const CPoint ptScreenCentre(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
	CDialog alone;
	ASSERT_TRUE(alone.CreateIndirect(&dlgTemplate));
	CRect rcWindow;
	alone.GetWindowRect(&rcWindow);
	EXPECT_LE(std::abs(rcWindow.CenterPoint().x - ptScreenCentre.x), 1);
	EXPECT_LE(std::abs(rcWindow.CenterPoint().y - ptScreenCentre.y), 1);

	CNotifiedWindow owner;
	ASSERT_TRUE(owner.CreatePopup());
	CDialog owned;
	ASSERT_TRUE(owned.CreateIndirect(&dlgTemplate, &owner));
	CRect rcOwner;
	owner.GetWindowRect(&rcOwner);
	owned.GetWindowRect(&rcWindow);
	EXPECT_LE(std::abs(rcWindow.CenterPoint().x - rcOwner.CenterPoint().x), 1);
	EXPECT_LE(std::abs(rcWindow.CenterPoint().y - rcOwner.CenterPoint().y), 1);
	EXPECT_EQ(&owner, owned.GetOwner());
}

TEST(DialogWindowTest, UncentredDialogSitsAtItsPositionFromTheOwnerClientArea)
{
	const DialogTemplate dlgTemplate = MakeTemplate(0);
	CNotifiedWindow owner;
	ASSERT_TRUE(owner.CreatePopup());
	CDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(&dlgTemplate, &owner));
	CPoint ptExpected(15, 33);
	owner.ClientToScreen(&ptExpected);
	CRect rcWindow;
	dlg.GetWindowRect(&rcWindow);
	EXPECT_EQ(ptExpected, rcWindow.TopLeft());
}

TEST(DialogWindowTest, ControlsGetTheTemplateFont)
{
	const DialogTemplate dlgTemplate = MakeTemplate(0);
	CDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(&dlgTemplate));
	ASSERT_NE(nullptr, dlg.GetFont());
	LOGFONT logFont = {};
	dlg.GetFont()->GetLogFont(&logFont);
	EXPECT_STREQ("MS Sans Serif", logFont.lfFaceName);
	for (int nID : { 1000, 1001, IDOK, IDCANCEL })
	{
		EXPECT_EQ(dlg.GetFont()->m_hObject, reinterpret_cast<HGDIOBJ>(dlg.SendDlgItemMessage(nID, WM_GETFONT))) << nID;
	}
}

TEST(DialogWindowTest, TabOrderFollowsTheTemplateAndSkipsDisabledControls)
{
	const DialogTemplate dlgTemplate = MakeTemplate(0);
	CDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(&dlgTemplate));
	// OnInitDialog returned TRUE: the first tab stop has the focus, its text selected.
	EXPECT_EQ(1000, FocusId());

	std::vector<int> order;
	CWnd* pItem = nullptr;
	for (int i = 0; i < 5; ++i)
	{
		pItem = dlg.GetNextDlgTabItem(pItem);
		order.push_back(pItem->GetDlgCtrlID());
	}
	EXPECT_EQ((std::vector<int>{ 1000, 1001, IDOK, IDCANCEL, 1000 }), order);
	EXPECT_EQ(IDCANCEL, dlg.GetNextDlgTabItem(dlg.GetDlgItem(1000), TRUE)->GetDlgCtrlID());

	dlg.GetDlgItem(1001)->EnableWindow(FALSE);
	EXPECT_EQ(IDOK, dlg.GetNextDlgTabItem(dlg.GetDlgItem(1000))->GetDlgCtrlID());
	dlg.NextDlgCtrl();
	EXPECT_EQ(IDOK, FocusId());
	dlg.PrevDlgCtrl();
	EXPECT_EQ(1000, FocusId());
}

TEST(DialogWindowTest, GroupItemsStayWithinTheirGroup)
{
	const DialogTemplate dlgTemplate = MakeTemplate(0);
	CDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(&dlgTemplate));
	// 1000, the label and 1001 form one group (the label takes part: it is visible and enabled).
	EXPECT_EQ(0xFFFF, dlg.GetNextDlgGroupItem(dlg.GetDlgItem(1000))->GetDlgCtrlID());
	EXPECT_EQ(1000, dlg.GetNextDlgGroupItem(dlg.GetDlgItem(1001))->GetDlgCtrlID());
	EXPECT_EQ(IDCANCEL, dlg.GetNextDlgGroupItem(dlg.GetDlgItem(IDOK))->GetDlgCtrlID());
	EXPECT_EQ(IDOK, dlg.GetNextDlgGroupItem(dlg.GetDlgItem(IDCANCEL), TRUE)->GetDlgCtrlID());
}

TEST(DialogWindowTest, DefaultPushButtonFollowsSetDefID)
{
	const DialogTemplate dlgTemplate = MakeTemplate(0);
	CDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(&dlgTemplate));
	EXPECT_EQ(static_cast<DWORD>(MAKELONG(IDOK, DC_HASDEFID)), dlg.GetDefID());
	dlg.SetDefID(IDCANCEL);
	EXPECT_EQ(static_cast<DWORD>(MAKELONG(IDCANCEL, DC_HASDEFID)), dlg.GetDefID());
	EXPECT_EQ(BS_DEFPUSHBUTTON, dlg.GetDlgItem(IDCANCEL)->GetStyle() & BS_TYPEMASK);
	EXPECT_EQ(BS_PUSHBUTTON, dlg.GetDlgItem(IDOK)->GetStyle() & BS_TYPEMASK);
}

TEST(DialogWindowTest, DialogKeysMoveTheFocusAndSendOkOrCancel)
{
	const DialogTemplate dlgTemplate = MakeTemplate(0);
	CKeyDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(&dlgTemplate));
	auto press = [&dlg](int nID, UINT nKey)
	{
		MSG msg = {};
		msg.hwnd = dlg.GetDlgItem(nID)->m_hWnd;
		msg.message = WM_KEYDOWN;
		msg.wParam = nKey;
		return dlg.PreTranslateMessage(&msg);
	};
	EXPECT_TRUE(press(1000, VK_TAB));
	EXPECT_EQ(1001, FocusId());
	EXPECT_TRUE(press(1001, VK_RETURN));
	EXPECT_TRUE(press(1001, VK_ESCAPE));
	// A focused push button takes Enter itself.
	EXPECT_TRUE(press(IDCANCEL, VK_RETURN));
	// An edit control keeps its arrows and ordinary keys.
	EXPECT_FALSE(press(1001, VK_LEFT));
	EXPECT_FALSE(press(1001, 'A'));
	dlg.SendMessage(WM_CLOSE);
	EXPECT_EQ((std::vector<std::string>{ "OK", "Cancel", "Cancel", "Cancel" }), dlg.m_log);

	// The character of a dialog key goes with it, so the edit control never sees a tab.
	MSG msgChar = {};
	msgChar.hwnd = dlg.GetDlgItem(1001)->m_hWnd;
	msgChar.message = WM_CHAR;
	msgChar.wParam = '\t';
	EXPECT_TRUE(dlg.PreTranslateMessage(&msgChar));
	msgChar.wParam = 'x';
	EXPECT_FALSE(dlg.PreTranslateMessage(&msgChar));
}

TEST(DialogWindowTest, CaptionlessPopupHasNoFrameAndATemplateThatIsMissingFails)
{
	DialogTemplate dlgTemplate = MakeTemplate(0);
	dlgTemplate.dwStyle = WS_POPUP | WS_VISIBLE;
	CDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(&dlgTemplate));
	CRect rcWindow;
	CRect rcClient;
	dlg.GetWindowRect(&rcWindow);
	dlg.GetClientRect(&rcClient);
	EXPECT_EQ(rcClient.Size(), rcWindow.Size());

	CDialog missing;
	EXPECT_FALSE(missing.Create(54321));
	EXPECT_EQ(nullptr, missing.m_hWnd);
}

}
