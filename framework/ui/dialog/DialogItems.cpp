// Working on a dialog's controls by id: buttons' check states, messages, and dialog units.
#include "framework/ui/dialog/Dialog.h"

#include "framework/core/DialogUnits.h"

void CDialog::MapDialogRect(LPRECT lpRect) const
{
	*lpRect = DialogUnitsToPixels(CRect(lpRect));
}

void CDialog::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
	for (int nID = nIDFirstButton; nID <= nIDLastButton; ++nID)
	{
		CheckDlgButton(nID, nID == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED);
	}
}

int CDialog::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton)
{
	for (int nID = nIDFirstButton; nID <= nIDLastButton; ++nID)
	{
		if (IsDlgButtonChecked(nID) == BST_CHECKED)
		{
			return nID;
		}
	}
	return 0;
}

void CDialog::CheckDlgButton(int nIDButton, UINT nCheck)
{
	SendDlgItemMessage(nIDButton, BM_SETCHECK, nCheck);
}

UINT CDialog::IsDlgButtonChecked(int nIDButton) const
{
	return static_cast<UINT>(SendDlgItemMessage(nIDButton, BM_GETCHECK));
}

LRESULT CDialog::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
	CWnd* pItem = GetDlgItem(nID);
	return pItem != nullptr ? pItem->SendMessage(message, wParam, lParam) : 0;
}
