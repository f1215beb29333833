// Activation of top-level windows and the owner chosen for a modal window.
#include "framework/ui/backend/qt/WindowActivation.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/backend/qt/WindowInput.h"
#include "framework/ui/window/WinApp.h"
#include "framework/ui/window/Wnd.h"

#include <QApplication>
#include <QWidget>

namespace
{

unsigned s_nActivations = 0;

bool CanBeActive(const CWindowHost* pHost)
{
	return !pHost->m_bDead && (pHost->m_dwStyle & WS_VISIBLE) != 0 && (pHost->m_dwStyle & WS_DISABLED) == 0;
}

// The owned pop-up of pOwner that was activated last, among those that can be active.
CWindowHost* NewestPopup(const CWindowHost* pOwner)
{
	CWindowHost* pNewest = nullptr;
	for (CWindowHost* pHost : CWindowHost::LiveWindows())
	{
		if (pHost->m_pParent == pOwner && !pHost->IsChildWindow() && CanBeActive(pHost)
			&& (pNewest == nullptr || pHost->m_nActivation >= pNewest->m_nActivation))
		{
			pNewest = pHost;
		}
	}
	return pNewest;
}

}

void NoteHostActivated(CWindowHost* pHost)
{
	pHost->m_nActivation = ++s_nActivations;
	if ((pHost->m_dwStyle & WS_DISABLED) != 0)
	{
		CWindowHost* pPopup = LastActivePopup(pHost);
		if (pPopup != pHost)
		{
			ActivateHost(pPopup);
		}
	}
}

CWindowHost* LastActivePopup(CWindowHost* pOwner)
{
	CWindowHost* pCurrent = pOwner;
	for (CWindowHost* pPopup = NewestPopup(pCurrent); pPopup != nullptr; pPopup = NewestPopup(pCurrent))
	{
		// A pop-up activated before its owner was last activated is not the last active one.
		if (CanBeActive(pCurrent) && pPopup->m_nActivation < pCurrent->m_nActivation)
		{
			break;
		}
		pCurrent = pPopup;
	}
	return pCurrent;
}

void ActivateHost(CWindowHost* pHost)
{
	if (pHost == nullptr || pHost->m_pWidget == nullptr || !pHost->m_pWidget->isVisible())
	{
		return;
	}
	// Window managers raise the window they activate.
	pHost->m_pWidget->activateWindow();
}

CWindowHost* ActiveHost()
{
	return HostOfWidget(QApplication::activeWindow());
}

bool MouseActivate(HWND hWnd, UINT message)
{
	CWindowHost* pHost = CWindowHost::FromHandle(hWnd);
	CWindowHost* pTopLevel = pHost != nullptr ? pHost->TopLevel() : nullptr;
	if (pTopLevel == nullptr || pTopLevel == ActiveHost())
	{
		return true;
	}
	HWND hTopLevel = pTopLevel->Handle();
	const LRESULT lAnswer = pHost->Send(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(hTopLevel), MAKELPARAM(HTCLIENT, message));
	if (lAnswer == MA_ACTIVATE || lAnswer == MA_ACTIVATEANDEAT)
	{
		ActivateHost(CWindowHost::FromHandle(hTopLevel));
	}
	return lAnswer != MA_ACTIVATEANDEAT && lAnswer != MA_NOACTIVATEANDEAT;
}

CWnd* CWnd::GetActiveWindow()
{
	CWindowHost* pHost = ActiveHost();
	return pHost != nullptr ? CWnd::FromHandle(pHost->Handle()) : nullptr;
}

void ReturnActivation(HWND hOwner)
{
	CWindowHost* pOwner = CWindowHost::FromHandle(hOwner);
	if (pOwner == nullptr)
	{
		return;
	}
	ActivateHost(pOwner);
	CWindowHost* pFocus = FocusHost();
	CWindowHost* pLast = CWindowHost::FromHandle(pOwner->m_hLastFocus);
	if ((pFocus == nullptr || pFocus->TopLevel() != pOwner) && pLast != nullptr && pLast->TopLevel() == pOwner)
	{
		SetFocusHost(pLast);
	}
}

CWnd* CWnd::GetSafeOwner(CWnd* pParent)
{
	CWindowHost* pHost = pParent != nullptr ? CWindowHost::FromHandle(pParent->m_hWnd) : nullptr;
	if (pHost == nullptr && AfxGetApp() != nullptr && AfxGetApp()->GetMainWnd() != nullptr)
	{
		pHost = CWindowHost::FromHandle(AfxGetApp()->GetMainWnd()->m_hWnd);
	}
	if (pHost == nullptr || pHost == CWindowHost::Desktop())
	{
		return nullptr;
	}
	return CWnd::FromHandle(LastActivePopup(pHost->TopLevel())->Handle());
}
