// The modeless find/replace dialog: the registered message its owner receives, with the flags and
// strings of each command, and the dialog's controls.
#include "framework/ui/services/FindReplaceDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

struct Notification
{
	DWORD dwFlags;
	std::string strFind;
	std::string strReplace;
	bool bTerminating;
	CFindReplaceDialog* pNotifier;
};

// An owner that writes down each find/replace message it receives.
class COwnerWindow : public CWnd
{
public:
	BOOL CreatePopup()
	{
		return CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, CRect(40, 40, 400, 300), nullptr, 0);
	}

	std::vector<Notification> m_received;

protected:
	LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
	{
		if (message == RegisterWindowMessage(FINDMSGSTRING))
		{
			const FINDREPLACE* pRecord = reinterpret_cast<const FINDREPLACE*>(lParam);
			CFindReplaceDialog* pDialog = CFindReplaceDialog::GetNotifier(lParam);
			m_received.push_back({ pRecord->Flags, pRecord->lpstrFindWhat, pRecord->lpstrReplaceWith,
				pDialog->IsTerminating() != FALSE, pDialog });
			return 0;
		}
		return CWnd::WindowProc(message, wParam, lParam);
	}
};

void Press(CDialog& dialog, UINT nID)
{
	dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(nID), BN_CLICKED),
		reinterpret_cast<LPARAM>(dialog.GetDlgItem(nID)->GetSafeHwnd()));
}

constexpr DWORD COMMANDS = FR_FINDNEXT | FR_REPLACE | FR_REPLACEALL | FR_DIALOGTERM;

TEST(FindReplaceDialogTest, ReplaceDialogTellsItsOwnerEachCommandWithTheTypedStrings)
{
	COwnerWindow owner;
	ASSERT_TRUE(owner.CreatePopup());
	CFindReplaceDialog* pDialog = new CFindReplaceDialog;
	ASSERT_TRUE(pDialog->Create(FALSE, "Portante", "Carrier", FR_DOWN, &owner));
	CString strText;
	pDialog->GetDlgItemText(edt1, strText);
	EXPECT_STREQ("Portante", strText);
	pDialog->GetDlgItemText(edt2, strText);
	EXPECT_STREQ("Carrier", strText);

	Press(*pDialog, IDOK);
	pDialog->SetDlgItemText(edt1, "Inferiore");
	pDialog->SetDlgItemText(edt2, "Lower");
	pDialog->CheckDlgButton(chx2, BST_CHECKED);
	Press(*pDialog, psh1);
	pDialog->CheckDlgButton(chx1, BST_CHECKED);
	Press(*pDialog, psh2);
	HWND hDialog = pDialog->m_hWnd;
	Press(*pDialog, IDCANCEL);

	struct Expected
	{
		DWORD dwCommand;
		DWORD dwOptions;
		const char* pszFind;
		const char* pszReplace;
	};
	const Expected expected[] = {
		{ FR_FINDNEXT, FR_DOWN, "Portante", "Carrier" },
		{ FR_REPLACE, FR_DOWN | FR_MATCHCASE, "Inferiore", "Lower" },
		{ FR_REPLACEALL, FR_DOWN | FR_MATCHCASE | FR_WHOLEWORD, "Inferiore", "Lower" },
		{ FR_DIALOGTERM, FR_DOWN | FR_MATCHCASE | FR_WHOLEWORD, "Inferiore", "Lower" },
	};
	ASSERT_EQ(4u, owner.m_received.size());
	for (size_t i = 0; i < 4; ++i)
	{
		SCOPED_TRACE(i);
		const Notification& got = owner.m_received[i];
		EXPECT_EQ(expected[i].dwCommand, got.dwFlags & COMMANDS);
		EXPECT_EQ(expected[i].dwOptions, got.dwFlags & ~COMMANDS);
		EXPECT_EQ(expected[i].pszFind, got.strFind);
		EXPECT_EQ(expected[i].pszReplace, got.strReplace);
		EXPECT_EQ(i == 3, got.bTerminating);
		EXPECT_EQ(pDialog, got.pNotifier);
	}
	// Closing destroyed the window, and the dialog object with it.
	EXPECT_FALSE(IsWindow(hDialog));
}

TEST(FindReplaceDialogTest, FindDialogSearchesUpOrDownAsChosenAndAnswersItsQueries)
{
	COwnerWindow owner;
	ASSERT_TRUE(owner.CreatePopup());
	CFindReplaceDialog* pDialog = new CFindReplaceDialog;
	ASSERT_TRUE(pDialog->Create(TRUE, "0.25", nullptr, FR_MATCHCASE, &owner));
	EXPECT_EQ(nullptr, pDialog->GetDlgItem(edt2));
	EXPECT_EQ(nullptr, pDialog->GetDlgItem(psh1));
	EXPECT_EQ(BST_CHECKED, pDialog->IsDlgButtonChecked(rad1));
	EXPECT_EQ(BST_CHECKED, pDialog->IsDlgButtonChecked(chx2));

	Press(*pDialog, IDOK);
	ASSERT_EQ(1u, owner.m_received.size());
	EXPECT_EQ(FR_FINDNEXT | FR_MATCHCASE, owner.m_received[0].dwFlags);
	EXPECT_TRUE(pDialog->FindNext());
	EXPECT_FALSE(pDialog->SearchDown());
	EXPECT_TRUE(pDialog->MatchCase());
	EXPECT_FALSE(pDialog->MatchWholeWord());
	EXPECT_FALSE(pDialog->ReplaceCurrent());
	EXPECT_STREQ("0.25", pDialog->GetFindString());

	pDialog->CheckRadioButton(rad1, rad2, rad2);
	pDialog->CheckDlgButton(chx2, BST_UNCHECKED);
	Press(*pDialog, IDOK);
	EXPECT_EQ(FR_FINDNEXT | FR_DOWN, owner.m_received[1].dwFlags);
	pDialog->DestroyWindow();
}

TEST(FindReplaceDialogTest, CommandsWaitForTextAndLabelsAreItalian)
{
	COwnerWindow owner;
	ASSERT_TRUE(owner.CreatePopup());
	CFindReplaceDialog* pDialog = new CFindReplaceDialog;
	ASSERT_TRUE(pDialog->Create(FALSE, "", nullptr, FR_DOWN, &owner));
	const struct
	{
		UINT nID;
		const char* pszText;
	} labels[] = {
		{ stc1, "&Trova:" },
		{ stc2, "Sostituisci c&on:" },
		{ IDOK, "Trova &successivo" },
		{ psh1, "Sostitu&isci" },
		{ psh2, "Sostituisci t&utto" },
		{ chx2, "&Maiuscole/minuscole" },
		{ IDCANCEL, "Annulla" },
	};
	for (const auto& label : labels)
	{
		CString strText;
		pDialog->GetDlgItemText(label.nID, strText);
		EXPECT_STREQ(label.pszText, strText);
	}
	CString strCaption;
	pDialog->GetWindowText(strCaption);
	EXPECT_STREQ("Sostituisci", strCaption);

	EXPECT_FALSE(pDialog->GetDlgItem(IDOK)->IsWindowEnabled());
	EXPECT_FALSE(pDialog->GetDlgItem(psh2)->IsWindowEnabled());
	pDialog->SetDlgItemText(edt1, "Fase");
	EXPECT_TRUE(pDialog->GetDlgItem(IDOK)->IsWindowEnabled());
	EXPECT_TRUE(pDialog->GetDlgItem(psh1)->IsWindowEnabled());
	pDialog->DestroyWindow();
	EXPECT_TRUE(owner.m_received.empty());
}

TEST(FindReplaceDialogTest, FlagsHideOrDisableOptions)
{
	COwnerWindow owner;
	ASSERT_TRUE(owner.CreatePopup());
	CFindReplaceDialog* pDialog = new CFindReplaceDialog;
	ASSERT_TRUE(pDialog->Create(TRUE, "x", nullptr, FR_DOWN | FR_HIDEUPDOWN | FR_NOWHOLEWORD, &owner));
	EXPECT_FALSE(pDialog->GetDlgItem(rad1)->IsWindowVisible());
	EXPECT_FALSE(pDialog->GetDlgItem(grp1)->IsWindowVisible());
	EXPECT_TRUE(pDialog->GetDlgItem(chx1)->IsWindowVisible());
	EXPECT_FALSE(pDialog->GetDlgItem(chx1)->IsWindowEnabled());
	EXPECT_TRUE(pDialog->GetDlgItem(chx2)->IsWindowEnabled());
	pDialog->DestroyWindow();
}

}
