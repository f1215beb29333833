// The modeless find/replace dialog and its notifications to the owner.
#include "framework/ui/services/FindReplaceDialog.h"

#include "framework/ui/services/FindReplaceTemplates.h"
#include "framework/ui/window/WinApp.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFindReplaceDialog, CDialog)

namespace
{

UINT FindReplaceMessage()
{
	static const UINT s_nMessage = RegisterWindowMessage(FINDMSGSTRING);
	return s_nMessage;
}

// Hides or disables an option the flags take away.
void ApplyOptionFlags(CDialog& dialog, DWORD dwFlags, DWORD dwHide, DWORD dwDisable, std::initializer_list<UINT> ids)
{
	for (UINT nID : ids)
	{
		CWnd* pItem = dialog.GetDlgItem(nID);
		if (pItem == nullptr)
		{
			continue;
		}
		if ((dwFlags & dwHide) != 0)
		{
			pItem->ShowWindow(SW_HIDE);
		}
		else if ((dwFlags & dwDisable) != 0)
		{
			pItem->EnableWindow(FALSE);
		}
	}
}

}

CFindReplaceDialog::CFindReplaceDialog()
	: m_fr()
	, m_szFindWhat()
	, m_szReplaceWith()
{
	m_fr.lStructSize = sizeof(FINDREPLACE);
	m_fr.lpstrFindWhat = m_szFindWhat;
	m_fr.lpstrReplaceWith = m_szReplaceWith;
	m_fr.wFindWhatLen = sizeof(m_szFindWhat);
	m_fr.wReplaceWithLen = sizeof(m_szReplaceWith);
	m_fr.lCustData = reinterpret_cast<LPARAM>(this);
}

BOOL CFindReplaceDialog::Create(BOOL bFindDialogOnly, LPCTSTR lpszFindWhat, LPCTSTR lpszReplaceWith, DWORD dwFlags,
	CWnd* pParentWnd)
{
	m_fr.Flags = dwFlags;
	std::strncpy(m_szFindWhat, lpszFindWhat != nullptr ? lpszFindWhat : "", sizeof(m_szFindWhat) - 1);
	std::strncpy(m_szReplaceWith, lpszReplaceWith != nullptr ? lpszReplaceWith : "", sizeof(m_szReplaceWith) - 1);
	if (pParentWnd == nullptr && AfxGetApp() != nullptr)
	{
		pParentWnd = AfxGetApp()->GetMainWnd();
	}
	m_fr.hwndOwner = pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr;
	return CreateIndirect(bFindDialogOnly ? &g_findDialogTemplate : &g_replaceDialogTemplate, pParentWnd);
}

CFindReplaceDialog* CFindReplaceDialog::GetNotifier(LPARAM lParam)
{
	const FINDREPLACE* pRecord = reinterpret_cast<const FINDREPLACE*>(lParam);
	return pRecord != nullptr ? reinterpret_cast<CFindReplaceDialog*>(pRecord->lCustData) : nullptr;
}

CString CFindReplaceDialog::GetFindString() const
{
	return m_fr.lpstrFindWhat;
}

CString CFindReplaceDialog::GetReplaceString() const
{
	return m_fr.lpstrReplaceWith;
}

BOOL CFindReplaceDialog::SearchDown() const
{
	return (m_fr.Flags & FR_DOWN) != 0;
}

BOOL CFindReplaceDialog::FindNext() const
{
	return (m_fr.Flags & FR_FINDNEXT) != 0;
}

BOOL CFindReplaceDialog::MatchCase() const
{
	return (m_fr.Flags & FR_MATCHCASE) != 0;
}

BOOL CFindReplaceDialog::MatchWholeWord() const
{
	return (m_fr.Flags & FR_WHOLEWORD) != 0;
}

BOOL CFindReplaceDialog::ReplaceCurrent() const
{
	return (m_fr.Flags & FR_REPLACE) != 0;
}

BOOL CFindReplaceDialog::ReplaceAll() const
{
	return (m_fr.Flags & FR_REPLACEALL) != 0;
}

BOOL CFindReplaceDialog::IsTerminating() const
{
	return (m_fr.Flags & FR_DIALOGTERM) != 0;
}

BOOL CFindReplaceDialog::OnInitDialog()
{
	CDialog::OnInitDialog();
	SetDlgItemText(edt1, m_szFindWhat);
	SetDlgItemText(edt2, m_szReplaceWith);
	CheckDlgButton(chx1, (m_fr.Flags & FR_WHOLEWORD) != 0 ? BST_CHECKED : BST_UNCHECKED);
	CheckDlgButton(chx2, (m_fr.Flags & FR_MATCHCASE) != 0 ? BST_CHECKED : BST_UNCHECKED);
	CheckRadioButton(rad1, rad2, (m_fr.Flags & FR_DOWN) != 0 ? rad2 : rad1);
	ApplyOptionFlags(*this, m_fr.Flags, FR_HIDEWHOLEWORD, FR_NOWHOLEWORD, { chx1 });
	ApplyOptionFlags(*this, m_fr.Flags, FR_HIDEMATCHCASE, FR_NOMATCHCASE, { chx2 });
	ApplyOptionFlags(*this, m_fr.Flags, FR_HIDEUPDOWN, FR_NOUPDOWN, { grp1, rad1, rad2 });
	UpdateCommandButtons();
	CWnd* pFind = GetDlgItem(edt1);
	GotoDlgCtrl(pFind);
	return FALSE;
}

void CFindReplaceDialog::OnOK()
{
	Notify(FR_FINDNEXT);
}

void CFindReplaceDialog::OnCancel()
{
	Notify(FR_DIALOGTERM);
	DestroyWindow();
}

BOOL CFindReplaceDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
	UINT nID = LOWORD(wParam);
	UINT nCode = HIWORD(wParam);
	if (nCode == BN_CLICKED && (nID == psh1 || nID == psh2))
	{
		Notify(nID == psh1 ? FR_REPLACE : FR_REPLACEALL);
		return TRUE;
	}
	if (nCode == EN_CHANGE && nID == edt1)
	{
		UpdateCommandButtons();
	}
	return CDialog::OnCommand(wParam, lParam);
}

void CFindReplaceDialog::PostNcDestroy()
{
	delete this;
}

void CFindReplaceDialog::Notify(DWORD dwCommand)
{
	CString strText;
	GetDlgItemText(edt1, strText);
	std::strncpy(m_szFindWhat, strText, sizeof(m_szFindWhat) - 1);
	if (GetDlgItem(edt2) != nullptr)
	{
		GetDlgItemText(edt2, strText);
		std::strncpy(m_szReplaceWith, strText, sizeof(m_szReplaceWith) - 1);
	}
	DWORD dwFlags = m_fr.Flags & ~(FR_FINDNEXT | FR_REPLACE | FR_REPLACEALL | FR_DIALOGTERM | FR_WHOLEWORD | FR_MATCHCASE);
	if (IsDlgButtonChecked(chx1) == BST_CHECKED)
	{
		dwFlags |= FR_WHOLEWORD;
	}
	if (IsDlgButtonChecked(chx2) == BST_CHECKED)
	{
		dwFlags |= FR_MATCHCASE;
	}
	// The replace dialog has no direction: it always searches down.
	if (GetDlgItem(rad2) == nullptr || IsDlgButtonChecked(rad2) == BST_CHECKED)
	{
		dwFlags |= FR_DOWN;
	}
	else
	{
		dwFlags &= ~FR_DOWN;
	}
	m_fr.Flags = dwFlags | dwCommand;
	if (m_fr.hwndOwner != nullptr)
	{
		::SendMessage(m_fr.hwndOwner, FindReplaceMessage(), 0, reinterpret_cast<LPARAM>(&m_fr));
	}
}

void CFindReplaceDialog::UpdateCommandButtons()
{
	BOOL bHasText = GetDlgItem(edt1) != nullptr && GetDlgItem(edt1)->GetWindowTextLength() > 0;
	for (UINT nID : { static_cast<UINT>(IDOK), psh1, psh2 })
	{
		if (CWnd* pButton = GetDlgItem(nID))
		{
			pButton->EnableWindow(bHasText);
		}
	}
}
