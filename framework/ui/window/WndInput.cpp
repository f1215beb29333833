// CWnd timers, mouse capture and keyboard focus.
#include "framework/ui/window/Wnd.h"

#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/backend/qt/WindowInput.h"
#include "framework/ui/window/UserServices.h"

namespace
{

CWnd* WndOf(CWindowHost* pHost)
{
	return pHost != nullptr ? CWnd::FromHandle(pHost->Handle()) : nullptr;
}

}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
	CWindowHost* pHost = CWindowHost::FromHandle(m_hWnd);
	return pHost != nullptr ? StartHostTimer(*pHost, nIDEvent, nElapse, lpfnTimer) : 0;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
	CWindowHost* pHost = CWindowHost::FromHandle(m_hWnd);
	return pHost != nullptr && StopHostTimer(*pHost, nIDEvent);
}

CWnd* CWnd::SetCapture()
{
	CWnd* pOld = GetCapture();
	if (CWindowHost* pHost = CWindowHost::FromHandle(m_hWnd))
	{
		SetCaptureHost(pHost);
	}
	return pOld;
}

CWnd* CWnd::GetCapture()
{
	return WndOf(CaptureHost());
}

BOOL ReleaseCapture()
{
	SetCaptureHost(nullptr);
	return TRUE;
}

CWnd* CWnd::SetFocus()
{
	CWnd* pOld = GetFocus();
	if (CWindowHost* pHost = CWindowHost::FromHandle(m_hWnd))
	{
		SetFocusHost(pHost);
	}
	return pOld;
}

CWnd* CWnd::GetFocus()
{
	return WndOf(FocusHost());
}
