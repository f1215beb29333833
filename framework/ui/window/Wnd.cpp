// CWnd: attaching to window handles, and the road of a message from SendMessage through
// WindowProc and the message map to a handler or the window's default processing.
#include "framework/ui/window/Wnd.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/window/MessageQueue.h"
#include "framework/ui/window/WindowRecord.h"

#include <map>
#include <string>
#include <vector>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
	ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

namespace
{

// The messages being handled, innermost last: Default() processes the innermost one.
std::vector<MSG>& CurrentMessages()
{
	static std::vector<MSG> s_messages;
	return s_messages;
}

}

CWnd::CWnd()
	: m_hWnd(nullptr)
	, m_nFlags(0)
	, m_nModalResult(0)
{
}

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd(HWND hWndPlace)
	: m_hWnd(hWndPlace)
	, m_nFlags(0)
	, m_nModalResult(0)
{
}

CWnd::~CWnd()
{
	// The place markers outlive the window registry; they never name a window anyway.
	if (m_hWnd == HWND_BOTTOM || m_hWnd == HWND_TOPMOST || m_hWnd == HWND_NOTOPMOST)
	{
		return;
	}
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord != nullptr && pRecord->m_pWnd == this)
	{
		DestroyWindow();
	}
}

CWnd::operator HWND() const
{
	return m_hWnd;
}

HWND CWnd::GetSafeHwnd() const
{
	return m_hWnd;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord == nullptr)
	{
		return nullptr;
	}
	return pRecord->m_pWnd != nullptr ? pRecord->m_pWnd : pRecord->TemporaryWnd();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	return pRecord != nullptr ? pRecord->m_pWnd : nullptr;
}

BOOL CWnd::Attach(HWND hWndNew)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWndNew);
	if (pRecord == nullptr || m_hWnd != nullptr || pRecord->m_pWnd != nullptr)
	{
		return FALSE;
	}
	pRecord->m_pWnd = this;
	m_hWnd = hWndNew;
	return TRUE;
}

HWND CWnd::Detach()
{
	HWND hWnd = m_hWnd;
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord != nullptr && pRecord->m_pWnd == this)
	{
		pRecord->m_pWnd = nullptr;
	}
	m_hWnd = nullptr;
	return hWnd;
}

// The window keeps its class's procedure, so attaching is all subclassing needs: the class
// procedure is what DefWindowProc reaches.
BOOL CWnd::SubclassWindow(HWND hWnd)
{
	if (!Attach(hWnd))
	{
		return FALSE;
	}
	CWindowRecord::FromHandle(hWnd)->RequestNativePaint();
	return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
	CWnd* pControl = pParent != nullptr ? pParent->GetDlgItem(static_cast<int>(nID)) : nullptr;
	return pControl != nullptr && SubclassWindow(pControl->m_hWnd);
}

HWND CWnd::UnsubclassWindow()
{
	HWND hWnd = Detach();
	if (CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd))
	{
		pRecord->RequestNativePaint();
	}
	return hWnd;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
	return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
	return ::PostMessage(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return;
	}
	std::vector<HWND> children;
	for (CWindowRecord* pChild : pRecord->m_children)
	{
		children.push_back(pChild->Handle());
	}
	for (HWND hChild : children)
	{
		CWindowRecord* pChild = CWindowRecord::FromHandle(hChild);
		if (pChild == nullptr)
		{
			continue;
		}
		if (!bOnlyPerm || pChild->m_pWnd != nullptr)
		{
			pChild->Send(message, wParam, lParam);
		}
		if (bDeep && CWindowRecord::FromHandle(hChild) != nullptr)
		{
			FromHandle(hChild)->SendMessageToDescendants(message, wParam, lParam, bDeep, bOnlyPerm);
		}
	}
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
	return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
	LRESULT lResult = 0;
	if (!OnWndMsg(message, wParam, lParam, &lResult))
	{
		lResult = DefWindowProc(message, wParam, lParam);
	}
	return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
	if (message == WM_COMMAND)
	{
		CWnd* pControl = lParam != 0 ? FromHandlePermanent(reinterpret_cast<HWND>(lParam)) : nullptr;
		if (pControl != nullptr && pControl != this && pControl->OnChildNotify(message, wParam, lParam, pResult))
		{
			return TRUE;
		}
		if (OnCommand(wParam, lParam))
		{
			*pResult = 1;
			return TRUE;
		}
		return FALSE;
	}
	if (message == WM_NOTIFY)
	{
		LRESULT lResult = 0;
		if (OnNotify(wParam, lParam, &lResult))
		{
			*pResult = lResult;
			return TRUE;
		}
		return FALSE;
	}
	// The control-colour messages of every kind reach the one OnCtlColor entry.
	bool bCtlColor = message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
	const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(bCtlColor ? WM_CTLCOLOR : message);
	if (pEntry == nullptr)
	{
		return FALSE;
	}
	AFX_MSGCALL call = { message, wParam, lParam, 0, nullptr };
	*pResult = pEntry->pfnHandler(this, call);
	return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
	UINT nID = LOWORD(wParam);
	int nCode = HIWORD(wParam);
	// Menus and accelerators send no control handle; their code is the plain command.
	if (lParam == 0)
	{
		nCode = CN_COMMAND;
	}
	return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
	NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
	if (pNMHDR == nullptr)
	{
		return FALSE;
	}
	AFX_NOTIFY notify = { pResult, pNMHDR };
	int nCode = static_cast<int>(MAKELONG(LOWORD(pNMHDR->code), static_cast<WORD>(WM_NOTIFY)));
	return OnCmdMsg(static_cast<UINT>(pNMHDR->idFrom), nCode, &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
	return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* pResult)
{
	if (message != WM_COMMAND)
	{
		return FALSE;
	}
	const WORD nCode = HIWORD(wParam);
	if (!OnCmdMsg(0, static_cast<int>(MAKELONG(nCode, static_cast<WORD>(WM_REFLECT_BASE + WM_COMMAND))), nullptr, nullptr))
	{
		return FALSE;
	}
	*pResult = 1;
	return TRUE;
}

LRESULT CWnd::Default()
{
	const std::vector<MSG>& messages = CurrentMessages();
	if (messages.empty())
	{
		return 0;
	}
	MSG msg = messages.back();
	return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	return pRecord != nullptr ? pRecord->CallClassProc(message, wParam, lParam) : 0;
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	MSG msg = {};
	msg.hwnd = hWnd;
	msg.message = message;
	msg.wParam = wParam;
	msg.lParam = lParam;
	CurrentMessages().push_back(msg);
	LRESULT lResult = pWnd->WindowProc(message, wParam, lParam);
	CurrentMessages().pop_back();
	return lResult;
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	return pRecord != nullptr ? pRecord->Send(message, wParam, lParam) : 0;
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	return PostWindowMessage(hWnd, message, wParam, lParam);
}

void PostQuitMessage(int nExitCode)
{
	PostWindowMessage(nullptr, WM_QUIT, static_cast<WPARAM>(nExitCode), 0);
}

BOOL IsWindow(HWND hWnd)
{
	return CWindowRecord::FromHandle(hWnd) != nullptr;
}

UINT RegisterWindowMessage(LPCTSTR lpString)
{
	static std::map<std::string, UINT> s_messages;
	if (lpString == nullptr || lpString[0] == '\0')
	{
		return 0;
	}
	auto it = s_messages.find(lpString);
	if (it != s_messages.end())
	{
		return it->second;
	}
	UINT nMessage = MIN_REGISTERED_MESSAGE + static_cast<UINT>(s_messages.size());
	s_messages.emplace(lpString, nMessage);
	return nMessage;
}

CDC* AfxDCFromMessage(WPARAM wParam)
{
	return CDC::FromHandle(reinterpret_cast<HDC>(wParam));
}

CWnd* AfxWndFromWParam(WPARAM wParam)
{
	return CWnd::FromHandle(reinterpret_cast<HWND>(wParam));
}

CWnd* AfxWndFromLParam(LPARAM lParam)
{
	return CWnd::FromHandle(reinterpret_cast<HWND>(lParam));
}
