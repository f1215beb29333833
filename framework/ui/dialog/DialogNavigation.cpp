// The dialog keys: tab order, groups and arrows, the default push button, Enter and Escape.
#include "framework/ui/dialog/Dialog.h"

#include "framework/ui/system/SystemServices.h"

#include <cctype>
#include <vector>

namespace
{

std::vector<CWnd*> Controls(const CWnd* pDialog)
{
	std::vector<CWnd*> controls;
	for (CWnd* pChild = pDialog->GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetNextWindow())
	{
		controls.push_back(pChild);
	}
	return controls;
}

size_t IndexOf(const std::vector<CWnd*>& controls, const CWnd* pWnd)
{
	for (size_t i = 0; i < controls.size(); ++i)
	{
		if (pWnd != nullptr && controls[i]->m_hWnd == pWnd->m_hWnd)
		{
			return i;
		}
	}
	return controls.size();
}

bool CanTakeFocus(CWnd* pWnd)
{
	return pWnd->IsWindowVisible() && pWnd->IsWindowEnabled();
}

// Walks controls[nFirst, nLast) cyclically from after nFrom (or from the end for bPrevious)
// and returns the first one the test accepts.
template <class Test>
CWnd* Cycle(const std::vector<CWnd*>& controls, size_t nFirst, size_t nLast, size_t nFrom, BOOL bPrevious, Test test)
{
	const size_t nCount = nLast - nFirst;
	if (nCount == 0)
	{
		return nullptr;
	}
	const size_t nStart = nFrom < nFirst || nFrom >= nLast ? (bPrevious ? nFirst : nLast - 1) - nFirst : nFrom - nFirst;
	for (size_t nStep = 1; nStep <= nCount; ++nStep)
	{
		const size_t nOffset = bPrevious ? (nStart + nCount - nStep % nCount) % nCount : (nStart + nStep) % nCount;
		CWnd* pCandidate = controls[nFirst + nOffset];
		if (test(pCandidate))
		{
			return pCandidate;
		}
	}
	return nullptr;
}

UINT DialogCode(CWnd* pWnd, LPMSG lpMsg)
{
	return pWnd != nullptr
		? static_cast<UINT>(pWnd->SendMessage(WM_GETDLGCODE, lpMsg != nullptr ? lpMsg->wParam : 0,
			reinterpret_cast<LPARAM>(lpMsg)))
		: 0;
}

// The visible, enabled control whose text marks nKey with '&' ("&&" is a plain ampersand).
CWnd* FindMnemonic(const std::vector<CWnd*>& controls, UINT nKey)
{
	for (CWnd* pWnd : controls)
	{
		if (!CanTakeFocus(pWnd))
		{
			continue;
		}
		CString strText;
		pWnd->GetWindowText(strText);
		for (int i = 0; i + 1 < strText.GetLength(); ++i)
		{
			if (strText[i] != '&')
			{
				continue;
			}
			const char chMarked = strText[i + 1];
			if (chMarked != '&' && std::toupper(static_cast<unsigned char>(chMarked)) == static_cast<int>(nKey))
			{
				return pWnd;
			}
			++i;
		}
	}
	return nullptr;
}

}

CWnd* CDialog::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
	const std::vector<CWnd*> controls = Controls(this);
	return Cycle(controls, 0, controls.size(), IndexOf(controls, pWndCtl), bPrevious,
		[](CWnd* pWnd) { return (pWnd->GetStyle() & WS_TABSTOP) != 0 && CanTakeFocus(pWnd); });
}

CWnd* CDialog::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const
{
	const std::vector<CWnd*> controls = Controls(this);
	const size_t nIndex = IndexOf(controls, pWndCtl);
	if (nIndex == controls.size())
	{
		return nullptr;
	}
	size_t nFirst = nIndex;
	while (nFirst > 0 && (controls[nFirst]->GetStyle() & WS_GROUP) == 0)
	{
		--nFirst;
	}
	size_t nLast = nIndex + 1;
	while (nLast < controls.size() && (controls[nLast]->GetStyle() & WS_GROUP) == 0)
	{
		++nLast;
	}
	return Cycle(controls, nFirst, nLast, nIndex, bPrevious, CanTakeFocus);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
	if (pWndCtrl == nullptr)
	{
		return;
	}
	if ((DialogCode(pWndCtrl, nullptr) & DLGC_HASSETSEL) != 0)
	{
		pWndCtrl->SendMessage(EM_SETSEL, 0, -1);
	}
	pWndCtrl->SetFocus();
}

void CDialog::NextDlgCtrl()
{
	GotoDlgCtrl(GetNextDlgTabItem(GetFocus()));
}

void CDialog::PrevDlgCtrl()
{
	GotoDlgCtrl(GetNextDlgTabItem(GetFocus(), TRUE));
}

DWORD CDialog::GetDefID() const
{
	return static_cast<DWORD>(::SendMessage(m_hWnd, DM_GETDEFID, 0, 0));
}

void CDialog::SetDefID(UINT nID)
{
	::SendMessage(m_hWnd, DM_SETDEFID, nID, 0);
}

BOOL CDialog::IsDialogMessage(LPMSG lpMsg)
{
	CWnd* pTarget = CWnd::FromHandle(lpMsg->hwnd);
	if (pTarget == nullptr || (pTarget->m_hWnd != m_hWnd && !IsChild(pTarget)))
	{
		return FALSE;
	}
	const bool bKeyDown = lpMsg->message == WM_KEYDOWN;
	if (!bKeyDown && lpMsg->message != WM_CHAR)
	{
		return FALSE;
	}
	const UINT nCode = DialogCode(pTarget, lpMsg);
	if ((nCode & DLGC_WANTALLKEYS) != 0)
	{
		return FALSE;
	}
	const UINT nKey = static_cast<UINT>(lpMsg->wParam);
	const bool bAlt = GetKeyState(VK_MENU) < 0;
	// The character that follows a dialog key is swallowed with it; Windows never types a
	// character with Alt held down either.
	if (!bKeyDown)
	{
		return bAlt || nKey == '\t' || nKey == '\r' || nKey == 0x1B;
	}
	if (bAlt && ((nKey >= 'A' && nKey <= 'Z') || (nKey >= '0' && nKey <= '9')))
	{
		return PressMnemonic(nKey);
	}
	switch (nKey)
	{
	case VK_TAB:
		if ((nCode & DLGC_WANTTAB) != 0)
		{
			return FALSE;
		}
		if (GetKeyState(VK_SHIFT) < 0)
		{
			PrevDlgCtrl();
		}
		else
		{
			NextDlgCtrl();
		}
		return TRUE;
	case VK_LEFT:
	case VK_UP:
	case VK_RIGHT:
	case VK_DOWN:
	{
		if ((nCode & DLGC_WANTARROWS) != 0)
		{
			return FALSE;
		}
		CWnd* pNext = GetNextDlgGroupItem(pTarget, nKey == VK_LEFT || nKey == VK_UP);
		if (pNext != nullptr)
		{
			GotoDlgCtrl(pNext);
			// Moving onto an automatic radio button checks it, as on Windows.
			if ((DialogCode(pNext, nullptr) & DLGC_RADIOBUTTON) != 0)
			{
				pNext->SendMessage(BM_CLICK);
			}
		}
		return TRUE;
	}
	case VK_RETURN:
	{
		// A focused push button takes Enter itself; otherwise the default button, or IDOK.
		UINT nID = IDOK;
		if ((nCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0 && pTarget->m_hWnd != m_hWnd)
		{
			nID = static_cast<UINT>(pTarget->GetDlgCtrlID());
		}
		else if (HIWORD(GetDefID()) == DC_HASDEFID)
		{
			nID = LOWORD(GetDefID());
		}
		CWnd* pButton = GetDlgItem(static_cast<int>(nID));
		if (pButton != nullptr && !pButton->IsWindowEnabled())
		{
			MessageBeep(0);
			return TRUE;
		}
		SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(nID), BN_CLICKED),
			reinterpret_cast<LPARAM>(pButton != nullptr ? pButton->m_hWnd : nullptr));
		return TRUE;
	}
	case VK_ESCAPE:
	{
		CWnd* pCancel = GetDlgItem(IDCANCEL);
		SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
			reinterpret_cast<LPARAM>(pCancel != nullptr ? pCancel->m_hWnd : nullptr));
		return TRUE;
	}
	default:
		return FALSE;
	}
}

// A push button is pressed; a check box or radio button gets the focus and is clicked; a label
// hands the focus to the control after it, as on Windows.
BOOL CDialog::PressMnemonic(UINT nKey)
{
	CWnd* pControl = FindMnemonic(Controls(this), nKey);
	if (pControl == nullptr)
	{
		return FALSE;
	}
	const UINT nCode = DialogCode(pControl, nullptr);
	if ((nCode & DLGC_STATIC) != 0)
	{
		GotoDlgCtrl(GetNextDlgTabItem(pControl));
	}
	else if ((nCode & DLGC_BUTTON) != 0)
	{
		if ((nCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) == 0)
		{
			GotoDlgCtrl(pControl);
		}
		pControl->SendMessage(BM_CLICK);
	}
	else
	{
		GotoDlgCtrl(pControl);
	}
	return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
	return IsDialogMessage(pMsg);
}
