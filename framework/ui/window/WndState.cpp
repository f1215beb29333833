// CWnd: styles, ids, parent and child relations, window text, visibility and enabled state.
#include "framework/ui/window/Wnd.h"

#include "framework/ui/backend/Driver.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/WindowTrackSize.h"

#include <algorithm>
#include <vector>

namespace
{

CWnd* WndOf(CWindowRecord* pRecord)
{
	return pRecord != nullptr ? CWnd::FromHandle(pRecord->Handle()) : nullptr;
}

// Siblings in creation order: a parent's children, or the top-level windows.
std::vector<CWindowRecord*> SiblingsOf(CWindowRecord* pRecord)
{
	if (pRecord->IsChildWindow() && pRecord->m_pParent != nullptr)
	{
		return pRecord->m_pParent->m_children;
	}
	std::vector<CWindowRecord*> topLevel;
	for (CWindowRecord* pWindow : CWindowRecord::LiveWindows())
	{
		if (!pWindow->IsChildWindow() && !pWindow->m_bDead && pWindow != CWindowRecord::Desktop())
		{
			topLevel.push_back(pWindow);
		}
	}
	return topLevel;
}

}

DWORD CWnd::GetStyle() const
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	return pRecord != nullptr ? pRecord->m_dwStyle : 0;
}

DWORD CWnd::GetExStyle() const
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	return pRecord != nullptr ? pRecord->m_dwExStyle : 0;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return FALSE;
	}
	DWORD dwNew = (pRecord->m_dwStyle & ~dwRemove) | dwAdd;
	if (dwNew == pRecord->m_dwStyle)
	{
		return FALSE;
	}
	STYLESTRUCT change = {pRecord->m_dwStyle, dwNew};
	pRecord->m_dwStyle = dwNew;
	// Controls take on styles such as an edit's alignment when told, as on Windows.
	SendMessage(WM_STYLECHANGED, static_cast<WPARAM>(GWL_STYLE), reinterpret_cast<LPARAM>(&change));
	if (nFlags != 0)
	{
		SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
	}
	return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return FALSE;
	}
	DWORD dwNew = (pRecord->m_dwExStyle & ~dwRemove) | dwAdd;
	if (dwNew == pRecord->m_dwExStyle)
	{
		return FALSE;
	}
	const DWORD dwOld = pRecord->m_dwExStyle;
	pRecord->m_dwExStyle = dwNew;
	if (((dwOld ^ dwNew) & WS_EX_ACCEPTFILES) != 0 && pRecord->m_bNative)
	{
		AfxGetDriver().AcceptFileDrops(m_hWnd, (dwNew & WS_EX_ACCEPTFILES) != 0);
	}
	if (nFlags != 0)
	{
		SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
	}
	return TRUE;
}

int CWnd::GetDlgCtrlID() const
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	return pRecord != nullptr ? static_cast<int>(pRecord->m_nID) : 0;
}

int CWnd::SetDlgCtrlID(int nID)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return 0;
	}
	int nOld = static_cast<int>(pRecord->m_nID);
	pRecord->m_nID = static_cast<UINT>(nID);
	return nOld;
}

CWnd* CWnd::GetParent() const
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	return pRecord != nullptr ? WndOf(pRecord->m_pParent) : nullptr;
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	CWindowRecord* pNewParent = pWndNewParent != nullptr ? CWindowRecord::FromHandle(pWndNewParent->m_hWnd) : nullptr;
	if (pRecord == nullptr || pNewParent == nullptr || !pRecord->IsChildWindow() || pRecord->m_pParent == nullptr
		|| pNewParent == pRecord || pNewParent->IsDescendantOf(pRecord))
	{
		return nullptr;
	}
	CWnd* pOldParent = WndOf(pRecord->m_pParent);
	pRecord->MoveToParent(pNewParent);
	return pOldParent;
}

CWnd* CWnd::GetOwner() const
{
	return GetParent();
}

CWnd* CWnd::GetTopLevelParent() const
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return nullptr;
	}
	while (pRecord->m_pParent != nullptr)
	{
		pRecord = pRecord->m_pParent;
	}
	return WndOf(pRecord);
}

CWnd* CWnd::GetDlgItem(int nID) const
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return nullptr;
	}
	for (CWindowRecord* pChild : pRecord->m_children)
	{
		if (pChild->m_nID == static_cast<UINT>(nID) && !pChild->m_bDead)
		{
			return WndOf(pChild);
		}
	}
	return nullptr;
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	CWindowRecord* pOther = pWnd != nullptr ? CWindowRecord::FromHandle(pWnd->m_hWnd) : nullptr;
	if (pRecord == nullptr || pOther == nullptr)
	{
		return FALSE;
	}
	for (CWindowRecord* pWalk = pOther; pWalk->IsChildWindow() && pWalk->m_pParent != nullptr; pWalk = pWalk->m_pParent)
	{
		if (pWalk->m_pParent == pRecord)
		{
			return TRUE;
		}
	}
	return FALSE;
}

CWnd* CWnd::GetWindow(UINT nCmd) const
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return nullptr;
	}
	if (nCmd == GW_CHILD)
	{
		return pRecord->m_children.empty() ? nullptr : WndOf(pRecord->m_children.front());
	}
	if (nCmd == GW_OWNER)
	{
		return pRecord->IsChildWindow() ? nullptr : WndOf(pRecord->m_pParent);
	}
	std::vector<CWindowRecord*> siblings = SiblingsOf(pRecord);
	auto it = std::find(siblings.begin(), siblings.end(), pRecord);
	switch (nCmd)
	{
	case GW_HWNDFIRST:
		return WndOf(siblings.front());
	case GW_HWNDLAST:
		return WndOf(siblings.back());
	case GW_HWNDNEXT:
		return it == siblings.end() || it + 1 == siblings.end() ? nullptr : WndOf(*(it + 1));
	case GW_HWNDPREV:
		return it == siblings.end() || it == siblings.begin() ? nullptr : WndOf(*(it - 1));
	default:
		return nullptr;
	}
}

CWnd* CWnd::GetTopWindow() const
{
	return GetWindow(GW_CHILD);
}

CWnd* CWnd::GetNextWindow(UINT nFlag) const
{
	return GetWindow(nFlag);
}

CWnd* CWnd::GetDesktopWindow()
{
	return WndOf(CWindowRecord::Desktop());
}

void CWnd::SetWindowText(LPCTSTR lpszString)
{
	SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString));
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
	return static_cast<int>(::SendMessage(m_hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
		reinterpret_cast<LPARAM>(lpszStringBuf)));
}

void CWnd::GetWindowText(CString& rString) const
{
	int nLength = GetWindowTextLength();
	GetWindowText(rString.GetBuffer(nLength), nLength + 1);
	rString.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const
{
	return static_cast<int>(::SendMessage(m_hWnd, WM_GETTEXTLENGTH, 0, 0));
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
	if (CWnd* pItem = GetDlgItem(nID))
	{
		pItem->SetWindowText(lpszString);
	}
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
	rString.Empty();
	if (CWnd* pItem = GetDlgItem(nID))
	{
		pItem->GetWindowText(rString);
	}
	return rString.GetLength();
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return FALSE;
	}
	BOOL bWasVisible = (pRecord->m_dwStyle & WS_VISIBLE) != 0;
	// The desktop enforces the minimum while the user drags, so it gets the window's answer as
	// the window is shown, its controls in place, rather than when a drag starts as on Windows.
	MINMAXINFO info;
	HWND hWnd = m_hWnd;
	if (nCmdShow != SW_HIDE && QueryTrackSize(*pRecord, info))
	{
		SetNativeMinimum(*pRecord, info.ptMinTrackSize);
	}
	pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord == nullptr)
	{
		return FALSE;
	}
	pRecord->Show(nCmdShow != SW_HIDE, nCmdShow);
	return bWasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	return pRecord != nullptr && pRecord->IsVisibleOnScreen();
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return FALSE;
	}
	BOOL bWasDisabled = (pRecord->m_dwStyle & WS_DISABLED) != 0;
	if (bWasDisabled == !bEnable)
	{
		return bWasDisabled;
	}
	if (bEnable)
	{
		pRecord->m_dwStyle &= ~WS_DISABLED;
	}
	else
	{
		pRecord->m_dwStyle |= WS_DISABLED;
	}
	// A disabled top-level window only stops taking input: its controls do not turn grey, as on Windows.
	if (pRecord->m_bNative && pRecord->IsChildWindow())
	{
		AfxGetDriver().EnableNativeWindow(m_hWnd, bEnable != FALSE);
	}
	pRecord->Send(WM_ENABLE, bEnable ? TRUE : FALSE, 0);
	return bWasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	return pRecord != nullptr && (pRecord->m_dwStyle & WS_DISABLED) == 0;
}

BOOL CWnd::IsIconic() const
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	return pRecord != nullptr && pRecord->m_bIconic;
}

BOOL CWnd::IsZoomed() const
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	return pRecord != nullptr && pRecord->m_bZoomed;
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
	HFONT hFont = pFont != nullptr ? static_cast<HFONT>(*pFont) : nullptr;
	SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
}

CFont* CWnd::GetFont() const
{
	HFONT hFont = reinterpret_cast<HFONT>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0));
	return hFont != nullptr ? CFont::FromHandle(hFont) : nullptr;
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
	return reinterpret_cast<HICON>(
		SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

HICON CWnd::GetIcon(BOOL bBigIcon) const
{
	return reinterpret_cast<HICON>(::SendMessage(m_hWnd, WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0));
}
