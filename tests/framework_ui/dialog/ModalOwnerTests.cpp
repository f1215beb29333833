// The owner of a modal window is the window active when it opens, and the focused control comes
// back to that window when the modal window ends.
#include "tests/framework_ui/dialog/DialogTestSupport.h"

#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/window/WinApp.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

namespace
{

constexpr UINT IDC_FIELD = 1000;

const DialogItemTemplate s_items[] = {
	{ "EDIT", "", IDC_FIELD, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 7, 7, 60, 14 },
	{ "EDIT", "", IDC_FIELD + 1, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 7, 25, 60, 14 },
	{ "BUTTON", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 70, 30, 50, 14 },
};

const DialogTemplate s_fields = { 611, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 0, 0, 0, 130,
	50, "Campi", "MS Sans Serif", 8, s_items, sizeof(s_items) / sizeof(s_items[0]), 0 };

// An application whose main window is a plain pop-up, as the program's is a dialog of its own.
class ModalOwnerTest : public ::testing::Test
{
protected:
	ModalOwnerTest()
	{
		EXPECT_TRUE(m_main.CreatePopup());
		m_app.m_pMainWnd = &m_main;
	}

	~ModalOwnerTest() override
	{
		m_app.m_pMainWnd = nullptr;
	}

	CWinApp m_app;
	CNotifiedWindow m_main;
	CScriptedUser m_seam;
};

TEST_F(ModalOwnerTest, AMessageBoxUnderAModalDialogIsOwnedByTheDialog)
{
	CDialog dialog;
	dialog.InitModalIndirect(&s_fields, nullptr);
	m_seam.ThenInDialog([](CDialog& dlg)
	{
		AfxMessageBox("Immettere un numero.", MB_OK | MB_ICONSTOP);
		dlg.EndDialog(IDOK);
	});
	m_seam.Then(ModalKind::MessageBox, IDOK);
	EXPECT_EQ(IDOK, dialog.DoModal());

	ASSERT_EQ(2u, m_seam.m_shown.size());
	EXPECT_EQ(&m_main, m_seam.m_shown[0].pOwner);
	EXPECT_EQ(ModalKind::MessageBox, m_seam.m_shown[1].nKind);
	EXPECT_EQ(&dialog, m_seam.m_shown[1].pOwner);
}

TEST_F(ModalOwnerTest, ADialogOpenedForTheMainWindowUnderAModalDialogIsOwnedByTheDialog)
{
	CDialog outer;
	outer.InitModalIndirect(&s_fields, &m_main);
	CWnd* pInnerOwner = nullptr;
	m_seam.ThenInDialog([this, &pInnerOwner](CDialog& dlg)
	{
		CDialog inner;
		inner.InitModalIndirect(&s_fields, &m_main);
		m_seam.ThenInDialog([&pInnerOwner](CDialog& innerDlg)
		{
			pInnerOwner = innerDlg.GetOwner();
			innerDlg.EndDialog(IDCANCEL);
		});
		inner.DoModal();
		dlg.EndDialog(IDOK);
	});
	outer.DoModal();

	ASSERT_EQ(2u, m_seam.m_shown.size());
	EXPECT_EQ(&outer, m_seam.m_shown[1].pOwner);
	EXPECT_EQ(&outer, pInnerOwner);
}

TEST_F(ModalOwnerTest, WhenAModalDialogEndsItsOwnerGetsBackTheControlThatHadTheFocus)
{
	CDialog outer;
	outer.InitModalIndirect(&s_fields, nullptr);
	// Handles only: the controls' objects go with the dialog.
	HWND hField = nullptr;
	HWND hFocusAfter = nullptr;
	m_seam.ThenInDialog([&](CDialog& dlg)
	{
		CWnd* pField = dlg.GetDlgItem(IDC_FIELD + 1);
		hField = pField->m_hWnd;
		dlg.GotoDlgCtrl(pField);
		CDialog inner;
		inner.InitModalIndirect(&s_fields, &dlg);
		m_seam.ThenInDialog([](CDialog& innerDlg) { innerDlg.EndDialog(IDOK); });
		inner.DoModal();
		CWnd* pFocus = CWnd::GetFocus();
		hFocusAfter = pFocus != nullptr ? pFocus->m_hWnd : nullptr;
		dlg.EndDialog(IDOK);
	});
	outer.DoModal();

	ASSERT_NE(nullptr, hField);
	EXPECT_EQ(hField, hFocusAfter);
}

}
