// The table of live windows, message delivery to a window, and its relations.
#include "framework/ui/backend/qt/WindowHost.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/AppLoop.h"
#include "framework/ui/backend/qt/MenuBar.h"
#include "framework/ui/backend/qt/WindowInput.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/WinApp.h"
#include "framework/ui/window/Wnd.h"

#include <QWidget>

#include <algorithm>

namespace
{

std::vector<CWindowHost*>& Registry()
{
	static std::vector<CWindowHost*> s_hosts;
	return s_hosts;
}

}

CWindowHost::CWindowHost(const WindowClassRecord* pClass, DWORD dwStyle, DWORD dwExStyle, UINT nID,
	CWindowHost* pParent)
	: m_pClass(pClass)
	, m_dwStyle(dwStyle)
	, m_dwExStyle(dwExStyle)
	, m_nID(nID)
	, m_pParent(pParent)
	, m_pWnd(nullptr)
	, m_pWidget(nullptr)
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
	, m_pTimerTarget(nullptr)
	, m_pTranslatedEvent(nullptr)
	, m_bEventToWidget(false)
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

CWindowHost::~CWindowHost()
{
	auto& hosts = Registry();
	hosts.erase(std::remove(hosts.begin(), hosts.end(), this), hosts.end());
	if (m_pParent != nullptr)
	{
		auto& siblings = m_pParent->m_children;
		siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
	}
	// A window destroyed while handling a message outlives its parent until the handler returns
	// (a drag loop that dispatched the parent's closing); it must not reach back to it then.
	for (CWindowHost* pHost : hosts)
	{
		if (pHost->m_pParent == this)
		{
			pHost->m_pParent = nullptr;
		}
	}
}

CWindowHost* CWindowHost::FromHandle(HWND hWnd)
{
	if (hWnd == nullptr)
	{
		return nullptr;
	}
	const auto& hosts = Registry();
	auto it = std::find(hosts.begin(), hosts.end(), static_cast<CWindowHost*>(hWnd));
	if (it == hosts.end() || (*it)->m_bDead)
	{
		return nullptr;
	}
	return *it;
}

HWND CWindowHost::Handle()
{
	return this;
}

const std::vector<CWindowHost*>& CWindowHost::LiveWindows()
{
	return Registry();
}

CWindowHost* CWindowHost::Desktop()
{
	static CWindowHost* s_pDesktop = nullptr;
	if (s_pDesktop == nullptr)
	{
		s_pDesktop = new CWindowHost(FindWindowClass(nullptr), WS_POPUP | WS_VISIBLE, 0, 0, nullptr);
		s_pDesktop->m_rcWindow.SetRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
	}
	return s_pDesktop;
}

LRESULT CWindowHost::Send(UINT message, WPARAM wParam, LPARAM lParam)
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

LRESULT CWindowHost::CallClassProc(UINT message, WPARAM wParam, LPARAM lParam)
{
	return m_pClass->wc.lpfnWndProc(Handle(), message, wParam, lParam);
}

void CWindowHost::PassEventToWidget()
{
	if (m_pTranslatedEvent != nullptr)
	{
		m_bEventToWidget = true;
	}
}

bool CWindowHost::IsChildWindow() const
{
	return (m_dwStyle & WS_CHILD) != 0;
}

bool CWindowHost::IsVisibleOnScreen() const
{
	for (const CWindowHost* pHost = this; pHost != nullptr; pHost = pHost->IsChildWindow() ? pHost->m_pParent : nullptr)
	{
		if ((pHost->m_dwStyle & WS_VISIBLE) == 0)
		{
			return false;
		}
	}
	return true;
}

bool CWindowHost::IsEnabledForInput() const
{
	for (const CWindowHost* pHost = this; pHost != nullptr; pHost = pHost->IsChildWindow() ? pHost->m_pParent : nullptr)
	{
		if ((pHost->m_dwStyle & WS_DISABLED) != 0)
		{
			return false;
		}
	}
	return true;
}

CWindowHost* CWindowHost::TopLevel()
{
	CWindowHost* pHost = this;
	while (pHost->IsChildWindow() && pHost->m_pParent != nullptr)
	{
		pHost = pHost->m_pParent;
	}
	return pHost;
}

bool CWindowHost::IsDescendantOf(const CWindowHost* pAncestor) const
{
	for (const CWindowHost* pHost = m_pParent; pHost != nullptr; pHost = pHost->m_pParent)
	{
		if (pHost == pAncestor)
		{
			return true;
		}
	}
	return false;
}

CWnd* CWindowHost::TemporaryWnd()
{
	if (m_pTempWnd == nullptr)
	{
		m_pTempWnd = std::make_unique<CWnd>();
		m_pTempWnd->m_hWnd = Handle();
	}
	return m_pTempWnd.get();
}

namespace
{

void SendDestroy(CWindowHost* pHost)
{
	HWND hWnd = pHost->Handle();
	pHost->Send(WM_DESTROY, 0, 0);
	if (CWindowHost::FromHandle(hWnd) == nullptr)
	{
		return;
	}
	const std::vector<CWindowHost*> children = pHost->m_children;
	for (CWindowHost* pChild : children)
	{
		if (CWindowHost::FromHandle(pChild->Handle()) != nullptr)
		{
			SendDestroy(pChild);
		}
	}
}

// Children go first, as on Windows; the CWnd is detached after its last message.
void SendNcDestroy(CWindowHost* pHost)
{
	const std::vector<CWindowHost*> children = pHost->m_children;
	for (CWindowHost* pChild : children)
	{
		SendNcDestroy(pChild);
	}
	pHost->Send(WM_NCDESTROY, 0, 0);
	CWnd* pWnd = pHost->m_pWnd;
	pHost->m_pWnd = nullptr;
	if (pWnd != nullptr)
	{
		pWnd->m_hWnd = nullptr;
		// Closing the main window ends the program's message loop, as on Windows.
		CWinApp* pApp = AfxGetApp();
		if (pApp != nullptr && pApp->m_pMainWnd == pWnd)
		{
			pApp->m_pMainWnd = nullptr;
			PostQuitMessage(0);
		}
		pWnd->PostNcDestroy();
	}
}

void ReleaseHost(CWindowHost* pHost)
{
	const std::vector<CWindowHost*> children = pHost->m_children;
	for (CWindowHost* pChild : children)
	{
		ReleaseHost(pChild);
	}
	ForgetHostInput(pHost);
	MenuReleaseWindow(*pHost);
	pHost->m_bDead = true;
	if (pHost->m_pWidget != nullptr)
	{
		DisposeHostWidget(*pHost);
	}
	// A window destroyed while one of its messages is still being handled is freed when that returns.
	if (pHost->m_nSendDepth == 0)
	{
		delete pHost;
	}
}

}

void DestroyHost(CWindowHost* pHost)
{
	if (pHost->m_bDestroying || pHost == CWindowHost::Desktop())
	{
		return;
	}
	pHost->m_bDestroying = true;
	const std::vector<CWindowHost*> hosts = Registry();
	for (CWindowHost* pOwned : hosts)
	{
		if (pOwned->m_pParent == pHost && !pOwned->IsChildWindow() && CWindowHost::FromHandle(pOwned->Handle()))
		{
			DestroyHost(pOwned);
		}
	}
	if (pHost->m_pWidget != nullptr)
	{
		pHost->m_pWidget->hide();
	}
	SendDestroy(pHost);
	++pHost->m_nSendDepth;
	SendNcDestroy(pHost);
	--pHost->m_nSendDepth;
	ReleaseHost(pHost);
	// A modal loop whose window is gone ends.
	AppCheckLoops();
}
