// The table of live windows, message delivery to a window, and its relations.
#include "framework/ui/window/WindowRecord.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/Wnd.h"

#include <algorithm>

namespace
{

std::vector<CWindowRecord*>& Registry()
{
	static std::vector<CWindowRecord*> s_records;
	return s_records;
}

}

CWindowRecord::CWindowRecord(const WindowClassRecord* pClass, DWORD dwStyle, DWORD dwExStyle, UINT nID,
	CWindowRecord* pParent)
	: m_pClass(pClass)
	, m_dwStyle(dwStyle)
	, m_dwExStyle(dwExStyle)
	, m_nID(nID)
	, m_pParent(pParent)
	, m_pWnd(nullptr)
	, m_bNative(false)
	, m_bErasePending(false)
	, m_nBeginPaints(0)
	, m_hMenu(nullptr)
	, m_hSystemMenu(nullptr)
	, m_nMenuBarHeight(0)
	, m_hFont(nullptr)
	, m_hIconBig(nullptr)
	, m_hIconSmall(nullptr)
	, m_bIconic(false)
	, m_bZoomed(false)
	, m_nActivation(0)
	, m_bModalFrame(false)
	, m_hLastFocus(nullptr)
	, m_bSendingInput(false)
	, m_bInputToNative(false)
	, m_bDestroying(false)
	, m_bDead(false)
	, m_nSendDepth(0)
{
	Registry().push_back(this);
	if (m_pParent != nullptr && IsChildWindow())
	{
		m_pParent->m_children.push_back(this);
	}
}

CWindowRecord::~CWindowRecord()
{
	AfxGetDriver().ForgetWindow(Handle());
	auto& records = Registry();
	records.erase(std::remove(records.begin(), records.end(), this), records.end());
	if (m_pParent != nullptr)
	{
		auto& siblings = m_pParent->m_children;
		siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
	}
	// A window destroyed while handling a message outlives its parent until the handler returns
	// (a drag loop that dispatched the parent's closing); it must not reach back to it then.
	for (CWindowRecord* pRecord : records)
	{
		if (pRecord->m_pParent == this)
		{
			pRecord->m_pParent = nullptr;
		}
	}
}

CWindowRecord* CWindowRecord::FromHandle(HWND hWnd)
{
	if (hWnd == nullptr)
	{
		return nullptr;
	}
	const auto& records = Registry();
	auto it = std::find(records.begin(), records.end(), static_cast<CWindowRecord*>(hWnd));
	if (it == records.end() || (*it)->m_bDead)
	{
		return nullptr;
	}
	return *it;
}

HWND CWindowRecord::Handle()
{
	return this;
}

const std::vector<CWindowRecord*>& CWindowRecord::LiveWindows()
{
	return Registry();
}

CWindowRecord* CWindowRecord::Desktop()
{
	static CWindowRecord* s_pDesktop = nullptr;
	if (s_pDesktop == nullptr)
	{
		s_pDesktop = new CWindowRecord(FindWindowClass(nullptr), WS_POPUP | WS_VISIBLE, 0, 0, nullptr);
		s_pDesktop->m_rcWindow.SetRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
	}
	return s_pDesktop;
}

LRESULT CWindowRecord::Send(UINT message, WPARAM wParam, LPARAM lParam)
{
	++m_nSendDepth;
	LRESULT lResult = m_pWnd != nullptr ? AfxCallWndProc(m_pWnd, Handle(), message, wParam, lParam)
										: CallClassProc(message, wParam, lParam);
	--m_nSendDepth;
	if (m_bDead && m_nSendDepth == 0)
	{
		delete this;
	}
	return lResult;
}

LRESULT CWindowRecord::CallClassProc(UINT message, WPARAM wParam, LPARAM lParam)
{
	return m_pClass->wc.lpfnWndProc(Handle(), message, wParam, lParam);
}

std::vector<HWND> CWindowRecord::TopLevelWindows()
{
	const CWindowRecord* pDesktop = Desktop();
	std::vector<HWND> topLevel;
	for (CWindowRecord* pRecord : Registry())
	{
		if (!pRecord->IsChildWindow() && !pRecord->m_bDead && pRecord != pDesktop)
		{
			topLevel.push_back(pRecord->Handle());
		}
	}
	return topLevel;
}

bool CWindowRecord::SendInput(UINT message, WPARAM wParam, LPARAM lParam)
{
	HWND hWnd = Handle();
	const bool bOuterSending = m_bSendingInput;
	const bool bOuterToNative = m_bInputToNative;
	m_bSendingInput = true;
	m_bInputToNative = false;
	Send(message, wParam, lParam);
	CWindowRecord* pRecord = FromHandle(hWnd);
	if (pRecord == nullptr)
	{
		return true;
	}
	const bool bToNative = pRecord->m_bInputToNative;
	pRecord->m_bSendingInput = bOuterSending;
	pRecord->m_bInputToNative = bOuterToNative;
	return !bToNative;
}

void CWindowRecord::PassInputToNative()
{
	if (m_bSendingInput)
	{
		m_bInputToNative = true;
	}
}

bool CWindowRecord::IsChildWindow() const
{
	return (m_dwStyle & WS_CHILD) != 0;
}

bool CWindowRecord::IsVisibleOnScreen() const
{
	for (const CWindowRecord* pRecord = this; pRecord != nullptr; pRecord = pRecord->IsChildWindow() ? pRecord->m_pParent : nullptr)
	{
		if ((pRecord->m_dwStyle & WS_VISIBLE) == 0)
		{
			return false;
		}
	}
	return true;
}

bool CWindowRecord::IsEnabledForInput() const
{
	for (const CWindowRecord* pRecord = this; pRecord != nullptr; pRecord = pRecord->IsChildWindow() ? pRecord->m_pParent : nullptr)
	{
		if ((pRecord->m_dwStyle & WS_DISABLED) != 0)
		{
			return false;
		}
	}
	return true;
}

CWindowRecord* CWindowRecord::TopLevel()
{
	CWindowRecord* pRecord = this;
	while (pRecord->IsChildWindow() && pRecord->m_pParent != nullptr)
	{
		pRecord = pRecord->m_pParent;
	}
	return pRecord;
}

bool CWindowRecord::IsDescendantOf(const CWindowRecord* pAncestor) const
{
	for (const CWindowRecord* pRecord = m_pParent; pRecord != nullptr; pRecord = pRecord->m_pParent)
	{
		if (pRecord == pAncestor)
		{
			return true;
		}
	}
	return false;
}

CWnd* CWindowRecord::TemporaryWnd()
{
	if (m_pTempWnd == nullptr)
	{
		m_pTempWnd = std::make_unique<CWnd>();
		m_pTempWnd->m_hWnd = Handle();
	}
	return m_pTempWnd.get();
}

