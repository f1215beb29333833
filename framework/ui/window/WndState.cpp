// CWnd: styles, ids, parent and child relations, window text, visibility and enabled state.
#include "framework/ui/window/Wnd.h"

#include "framework/ui/gdi/Font.h"
#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/backend/qt/WindowTrackSize.h"

#include <QWidget>

#include <algorithm>
#include <vector>

namespace
{

CWindowHost* Host(HWND hWnd)
{
	return CWindowHost::FromHandle(hWnd);
}

CWnd* WndOf(CWindowHost* pHost)
{
	return pHost != nullptr ? CWnd::FromHandle(pHost->Handle()) : nullptr;
}

// Siblings in creation order: a parent's children, or the top-level windows.
std::vector<CWindowHost*> SiblingsOf(CWindowHost* pHost)
{
	if (pHost->IsChildWindow() && pHost->m_pParent != nullptr)
	{
		return pHost->m_pParent->m_children;
	}
	std::vector<CWindowHost*> topLevel;
	for (CWindowHost* pWindow : CWindowHost::LiveWindows())
	{
		if (!pWindow->IsChildWindow() && !pWindow->m_bDead && pWindow != CWindowHost::Desktop())
		{
			topLevel.push_back(pWindow);
		}
	}
	return topLevel;
}

}

DWORD CWnd::GetStyle() const
{
	CWindowHost* pHost = Host(m_hWnd);
	return pHost != nullptr ? pHost->m_dwStyle : 0;
}

DWORD CWnd::GetExStyle() const
{
	CWindowHost* pHost = Host(m_hWnd);
	return pHost != nullptr ? pHost->m_dwExStyle : 0;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
	CWindowHost* pHost = Host(m_hWnd);
	if (pHost == nullptr)
	{
		return FALSE;
	}
	DWORD dwNew = (pHost->m_dwStyle & ~dwRemove) | dwAdd;
	if (dwNew == pHost->m_dwStyle)
	{
		return FALSE;
	}
	STYLESTRUCT change = {pHost->m_dwStyle, dwNew};
	pHost->m_dwStyle = dwNew;
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
	CWindowHost* pHost = Host(m_hWnd);
	if (pHost == nullptr)
	{
		return FALSE;
	}
	DWORD dwNew = (pHost->m_dwExStyle & ~dwRemove) | dwAdd;
	if (dwNew == pHost->m_dwExStyle)
	{
		return FALSE;
	}
	pHost->m_dwExStyle = dwNew;
	if (nFlags != 0)
	{
		SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
	}
	return TRUE;
}

int CWnd::GetDlgCtrlID() const
{
	CWindowHost* pHost = Host(m_hWnd);
	return pHost != nullptr ? static_cast<int>(pHost->m_nID) : 0;
}

int CWnd::SetDlgCtrlID(int nID)
{
	CWindowHost* pHost = Host(m_hWnd);
	if (pHost == nullptr)
	{
		return 0;
	}
	int nOld = static_cast<int>(pHost->m_nID);
	pHost->m_nID = static_cast<UINT>(nID);
	return nOld;
}

CWnd* CWnd::GetParent() const
{
	CWindowHost* pHost = Host(m_hWnd);
	return pHost != nullptr ? WndOf(pHost->m_pParent) : nullptr;
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
	CWindowHost* pHost = Host(m_hWnd);
	CWindowHost* pNewParent = pWndNewParent != nullptr ? Host(pWndNewParent->m_hWnd) : nullptr;
	if (pHost == nullptr || pNewParent == nullptr || !pHost->IsChildWindow() || pHost->m_pParent == nullptr
		|| pNewParent == pHost || pNewParent->IsDescendantOf(pHost))
	{
		return nullptr;
	}
	CWnd* pOldParent = WndOf(pHost->m_pParent);
	pHost->MoveToParent(pNewParent);
	return pOldParent;
}

CWnd* CWnd::GetOwner() const
{
	return GetParent();
}

CWnd* CWnd::GetTopLevelParent() const
{
	CWindowHost* pHost = Host(m_hWnd);
	if (pHost == nullptr)
	{
		return nullptr;
	}
	while (pHost->m_pParent != nullptr)
	{
		pHost = pHost->m_pParent;
	}
	return WndOf(pHost);
}

CWnd* CWnd::GetDlgItem(int nID) const
{
	CWindowHost* pHost = Host(m_hWnd);
	if (pHost == nullptr)
	{
		return nullptr;
	}
	for (CWindowHost* pChild : pHost->m_children)
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
	CWindowHost* pHost = Host(m_hWnd);
	CWindowHost* pOther = pWnd != nullptr ? Host(pWnd->m_hWnd) : nullptr;
	if (pHost == nullptr || pOther == nullptr)
	{
		return FALSE;
	}
	for (CWindowHost* pWalk = pOther; pWalk->IsChildWindow() && pWalk->m_pParent != nullptr; pWalk = pWalk->m_pParent)
	{
		if (pWalk->m_pParent == pHost)
		{
			return TRUE;
		}
	}
	return FALSE;
}

CWnd* CWnd::GetWindow(UINT nCmd) const
{
	CWindowHost* pHost = Host(m_hWnd);
	if (pHost == nullptr)
	{
		return nullptr;
	}
	if (nCmd == GW_CHILD)
	{
		return pHost->m_children.empty() ? nullptr : WndOf(pHost->m_children.front());
	}
	if (nCmd == GW_OWNER)
	{
		return pHost->IsChildWindow() ? nullptr : WndOf(pHost->m_pParent);
	}
	std::vector<CWindowHost*> siblings = SiblingsOf(pHost);
	auto it = std::find(siblings.begin(), siblings.end(), pHost);
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
	return WndOf(CWindowHost::Desktop());
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
	CWindowHost* pHost = Host(m_hWnd);
	if (pHost == nullptr)
	{
		return FALSE;
	}
	BOOL bWasVisible = (pHost->m_dwStyle & WS_VISIBLE) != 0;
	// The desktop enforces the minimum while the user drags, so it gets the window's answer as
	// the window is shown, its controls in place, rather than when a drag starts as on Windows.
	MINMAXINFO info;
	HWND hWnd = m_hWnd;
	if (nCmdShow != SW_HIDE && QueryTrackSize(*pHost, info))
	{
		SetWidgetMinimum(*pHost, info.ptMinTrackSize);
	}
	pHost = Host(hWnd);
	if (pHost == nullptr)
	{
		return FALSE;
	}
	pHost->Show(nCmdShow != SW_HIDE, nCmdShow);
	return bWasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
	CWindowHost* pHost = Host(m_hWnd);
	return pHost != nullptr && pHost->IsVisibleOnScreen();
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
	CWindowHost* pHost = Host(m_hWnd);
	if (pHost == nullptr)
	{
		return FALSE;
	}
	BOOL bWasDisabled = (pHost->m_dwStyle & WS_DISABLED) != 0;
	if (bWasDisabled == !bEnable)
	{
		return bWasDisabled;
	}
	if (bEnable)
	{
		pHost->m_dwStyle &= ~WS_DISABLED;
	}
	else
	{
		pHost->m_dwStyle |= WS_DISABLED;
	}
	// A disabled top-level window only stops taking input: its controls do not turn grey, as on Windows.
	if (pHost->m_pWidget != nullptr && pHost->IsChildWindow())
	{
		pHost->m_pWidget->setEnabled(bEnable != FALSE);
	}
	pHost->Send(WM_ENABLE, bEnable ? TRUE : FALSE, 0);
	return bWasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
	CWindowHost* pHost = Host(m_hWnd);
	return pHost != nullptr && (pHost->m_dwStyle & WS_DISABLED) == 0;
}

BOOL CWnd::IsIconic() const
{
	CWindowHost* pHost = Host(m_hWnd);
	return pHost != nullptr && pHost->m_bIconic;
}

BOOL CWnd::IsZoomed() const
{
	CWindowHost* pHost = Host(m_hWnd);
	return pHost != nullptr && pHost->m_bZoomed;
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
