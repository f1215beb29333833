// Keyboard focus, mouse capture and window timers kept for the whole program.
#include "framework/ui/window/WindowInput.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/EventLoops.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/WindowToolTips.h"

namespace
{

CWindowRecord* s_pFocus = nullptr;
CWindowRecord* s_pCapture = nullptr;
CWindowRecord* s_pMouse = nullptr;

WPARAM HandleParam(CWindowRecord* pRecord)
{
	return reinterpret_cast<WPARAM>(pRecord != nullptr ? pRecord->Handle() : nullptr);
}

}

CWindowRecord* FocusWindow()
{
	return s_pFocus;
}

void SetFocusWindow(CWindowRecord* pRecord)
{
	if (pRecord == s_pFocus)
	{
		return;
	}
	CWindowRecord* pOld = s_pFocus;
	s_pFocus = pRecord;
	if (pRecord != nullptr)
	{
		pRecord->TopLevel()->m_hLastFocus = pRecord->Handle();
	}
	if (pOld != nullptr)
	{
		pOld->Send(WM_KILLFOCUS, HandleParam(pRecord), 0);
	}
	if (pRecord != nullptr && CWindowRecord::FromHandle(pRecord->Handle()) == pRecord && s_pFocus == pRecord)
	{
		if (pRecord->m_bNative)
		{
			AfxGetDriver().SetNativeFocus(pRecord->Handle());
		}
		pRecord->Send(WM_SETFOCUS, HandleParam(CWindowRecord::FromHandle(pOld != nullptr ? pOld->Handle() : nullptr)), 0);
	}
}

CWindowRecord* CaptureWindow()
{
	return s_pCapture;
}

void SetCaptureWindow(CWindowRecord* pRecord)
{
	if (pRecord == s_pCapture)
	{
		return;
	}
	CWindowRecord* pOld = s_pCapture;
	s_pCapture = pRecord;
	if (pOld != nullptr)
	{
		if (pOld->m_bNative)
		{
			AfxGetDriver().ReleaseNativeMouse(pOld->Handle());
		}
		pOld->Send(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(pRecord != nullptr ? pRecord->Handle() : nullptr));
	}
	if (s_pCapture != nullptr && s_pCapture->m_bNative)
	{
		AfxGetDriver().GrabNativeMouse(s_pCapture->Handle());
	}
}

CWindowRecord* MouseWindow()
{
	return s_pMouse;
}

void SetMouseWindow(CWindowRecord* pRecord)
{
	s_pMouse = pRecord;
}

UINT_PTR StartWindowTimer(CWindowRecord& record, UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
	StopWindowTimer(record, nIDEvent);
	if (!AfxGetDriver().StartTimer(record.Handle(), nIDEvent, nElapse))
	{
		return 0;
	}
	record.m_timers[nIDEvent] = lpfnTimer;
	return nIDEvent;
}

bool StopWindowTimer(CWindowRecord& record, UINT_PTR nIDEvent)
{
	auto it = record.m_timers.find(nIDEvent);
	if (it == record.m_timers.end())
	{
		return false;
	}
	AfxGetDriver().StopTimer(record.Handle(), nIDEvent);
	record.m_timers.erase(it);
	return true;
}

void FireWindowTimer(CWindowRecord& record, UINT_PTR nIDEvent)
{
	auto it = record.m_timers.find(nIDEvent);
	if (it == record.m_timers.end())
	{
		return;
	}
	TIMERPROC lpfnTimer = it->second;
	AfxNoteActivity();
	if (lpfnTimer != nullptr)
	{
		lpfnTimer(record.Handle(), WM_TIMER, nIDEvent, GetTickCount());
	}
	else
	{
		record.Send(WM_TIMER, nIDEvent, 0);
	}
}

void ForgetWindowInput(CWindowRecord* pRecord)
{
	ForgetWindowToolTip(pRecord->Handle());
	if (s_pFocus == pRecord)
	{
		s_pFocus = nullptr;
	}
	if (s_pCapture == pRecord)
	{
		if (pRecord->m_bNative)
		{
			AfxGetDriver().ReleaseNativeMouse(pRecord->Handle());
		}
		s_pCapture = nullptr;
	}
	if (s_pMouse == pRecord)
	{
		s_pMouse = nullptr;
	}
	// The native window's timers stop with it; the window may be going inside one of its own WM_TIMER.
	pRecord->m_timers.clear();
}
