// Activation of top-level windows and the owner chosen for a modal window.
#include "framework/ui/window/WindowActivation.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/window/WinApp.h"
#include "framework/ui/window/WindowInput.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/Wnd.h"

namespace
{

unsigned s_nActivations = 0;

bool CanBeActive(const CWindowRecord* pRecord)
{
	return !pRecord->m_bDead && (pRecord->m_dwStyle & WS_VISIBLE) != 0 && (pRecord->m_dwStyle & WS_DISABLED) == 0;
}

// The owned pop-up of pOwner that was activated last, among those that can be active.
CWindowRecord* NewestPopup(const CWindowRecord* pOwner)
{
	CWindowRecord* pNewest = nullptr;
	for (CWindowRecord* pRecord : CWindowRecord::LiveWindows())
	{
		if (pRecord->m_pParent == pOwner && !pRecord->IsChildWindow() && CanBeActive(pRecord)
			&& (pNewest == nullptr || pRecord->m_nActivation >= pNewest->m_nActivation))
		{
			pNewest = pRecord;
		}
	}
	return pNewest;
}

}

void NoteWindowActivated(CWindowRecord* pRecord)
{
	pRecord->m_nActivation = ++s_nActivations;
	if ((pRecord->m_dwStyle & WS_DISABLED) != 0)
	{
		CWindowRecord* pPopup = LastActivePopup(pRecord);
		if (pPopup != pRecord)
		{
			ActivateWindow(pPopup);
		}
	}
}

CWindowRecord* LastActivePopup(CWindowRecord* pOwner)
{
	CWindowRecord* pCurrent = pOwner;
	for (CWindowRecord* pPopup = NewestPopup(pCurrent); pPopup != nullptr; pPopup = NewestPopup(pCurrent))
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

void ActivateWindow(CWindowRecord* pRecord)
{
	if (pRecord != nullptr && pRecord->m_bNative)
	{
		AfxGetDriver().ActivateNativeWindow(pRecord->Handle());
	}
}

CWindowRecord* ActiveWindow()
{
	return CWindowRecord::FromHandle(AfxGetDriver().ActiveNativeWindow());
}

bool MouseActivate(HWND hWnd, UINT message)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	CWindowRecord* pTopLevel = pRecord != nullptr ? pRecord->TopLevel() : nullptr;
	if (pTopLevel == nullptr || pTopLevel == ActiveWindow())
	{
		return true;
	}
	HWND hTopLevel = pTopLevel->Handle();
	const LRESULT lAnswer = pRecord->Send(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(hTopLevel), MAKELPARAM(HTCLIENT, message));
	if (lAnswer == MA_ACTIVATE || lAnswer == MA_ACTIVATEANDEAT)
	{
		ActivateWindow(CWindowRecord::FromHandle(hTopLevel));
	}
	return lAnswer != MA_ACTIVATEANDEAT && lAnswer != MA_NOACTIVATEANDEAT;
}

CWnd* CWnd::GetActiveWindow()
{
	CWindowRecord* pRecord = ActiveWindow();
	return pRecord != nullptr ? CWnd::FromHandle(pRecord->Handle()) : nullptr;
}

void ReturnActivation(HWND hOwner)
{
	CWindowRecord* pOwner = CWindowRecord::FromHandle(hOwner);
	if (pOwner == nullptr)
	{
		return;
	}
	ActivateWindow(pOwner);
	CWindowRecord* pFocus = FocusWindow();
	CWindowRecord* pLast = CWindowRecord::FromHandle(pOwner->m_hLastFocus);
	if ((pFocus == nullptr || pFocus->TopLevel() != pOwner) && pLast != nullptr && pLast->TopLevel() == pOwner)
	{
		SetFocusWindow(pLast);
	}
}

CWnd* CWnd::GetSafeOwner(CWnd* pParent)
{
	CWindowRecord* pRecord = pParent != nullptr ? CWindowRecord::FromHandle(pParent->m_hWnd) : nullptr;
	if (pRecord == nullptr && AfxGetApp() != nullptr && AfxGetApp()->GetMainWnd() != nullptr)
	{
		pRecord = CWindowRecord::FromHandle(AfxGetApp()->GetMainWnd()->m_hWnd);
	}
	if (pRecord == nullptr || pRecord == CWindowRecord::Desktop())
	{
		return nullptr;
	}
	return CWnd::FromHandle(LastActivePopup(pRecord->TopLevel())->Handle());
}
