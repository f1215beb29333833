// CWnd's modal loop: a nested event loop with idle processing that runs until EndModalLoop,
// with the window's owner disabled meanwhile.
#include "framework/ui/window/Wnd.h"

#include "framework/ui/window/EventLoops.h"
#include "framework/ui/window/WindowActivation.h"
#include "framework/ui/window/WindowRecord.h"

int CWnd::RunModalLoop(DWORD dwFlags)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return -1;
	}
	HWND hWnd = m_hWnd;
	m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
	CWindowRecord* pOwner = pRecord->m_pParent != nullptr ? pRecord->m_pParent->TopLevel() : nullptr;
	HWND hOwner = pOwner != nullptr ? pOwner->Handle() : nullptr;
	// The owner is disabled while a modal window runs, as on Windows.
	bool bReenableOwner = pOwner != nullptr && (pOwner->m_dwStyle & WS_DISABLED) == 0;
	if (bReenableOwner)
	{
		FromHandle(hOwner)->EnableWindow(FALSE);
	}
	bool bShowOnIdle = (dwFlags & MLF_SHOWONIDLE) != 0 && (pRecord->m_dwStyle & WS_VISIBLE) == 0;
	auto fnIdle = [this, hWnd, hOwner, dwFlags, &bShowOnIdle](LONG lCount) -> BOOL
	{
		if (!IsWindow(hWnd))
		{
			return FALSE;
		}
		if (bShowOnIdle)
		{
			bShowOnIdle = false;
			ShowWindow(SW_SHOWNORMAL);
			UpdateWindow();
		}
		if ((dwFlags & MLF_NOIDLEMSG) == 0 && hOwner != nullptr && lCount == 0)
		{
			::SendMessage(hOwner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(hWnd));
		}
		BOOL bMore = FALSE;
		if ((dwFlags & MLF_NOKICKIDLE) == 0 && IsWindow(hWnd))
		{
			bMore = SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lCount) != 0;
		}
		if (lCount == 0 && IsWindow(hWnd))
		{
			SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
		}
		return bMore;
	};
	CAppLoopFrame frame(true, fnIdle, [this, hWnd] { return IsWindow(hWnd) && ContinueModal(); });
	frame.Exec();
	if (bReenableOwner && IsWindow(hOwner))
	{
		FromHandle(hOwner)->EnableWindow(TRUE);
	}
	// The owner takes the activation back before this window goes, and with it the keyboard.
	if (IsWindow(hWnd))
	{
		ReturnActivation(hOwner);
	}
	// A window destroyed inside its own loop may have taken its CWnd with it.
	if (!IsWindow(hWnd))
	{
		return -1;
	}
	m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
	return m_nModalResult;
}

BOOL CWnd::ContinueModal()
{
	return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
	m_nModalResult = nResult;
	if ((m_nFlags & WF_CONTINUEMODAL) != 0)
	{
		m_nFlags &= ~WF_CONTINUEMODAL;
		AfxCheckLoops();
	}
}
