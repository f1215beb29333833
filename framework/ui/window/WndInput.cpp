// CWnd timers, mouse capture and keyboard focus.
#include "framework/ui/window/Wnd.h"

#include "framework/ui/window/WindowInput.h"
#include "framework/ui/window/WindowRecord.h"

namespace
{

CWnd* WndOf(CWindowRecord* pRecord)
{
	return pRecord != nullptr ? CWnd::FromHandle(pRecord->Handle()) : nullptr;
}

}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	return pRecord != nullptr ? StartWindowTimer(*pRecord, nIDEvent, nElapse, lpfnTimer) : 0;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	return pRecord != nullptr && StopWindowTimer(*pRecord, nIDEvent);
}

CWnd* CWnd::SetCapture()
{
	CWnd* pOld = GetCapture();
	if (CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd))
	{
		SetCaptureWindow(pRecord);
	}
	return pOld;
}

CWnd* CWnd::GetCapture()
{
	return WndOf(CaptureWindow());
}

CWnd* CWnd::SetFocus()
{
	CWnd* pOld = GetFocus();
	if (CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd))
	{
		SetFocusWindow(pRecord);
	}
	return pOld;
}

CWnd* CWnd::GetFocus()
{
	return WndOf(FocusWindow());
}
