// Keyboard focus, mouse capture and window timers kept for the whole program.
#include "framework/ui/backend/qt/WindowInput.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/AppLoop.h"
#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/backend/qt/WindowToolTips.h"
#include "framework/ui/window/UserServices.h"

#include <QApplication>
#include <QObject>
#include <QTimerEvent>
#include <QWidget>

#include <bitset>

namespace
{

CWindowHost* s_pFocus = nullptr;
CWindowHost* s_pCapture = nullptr;
CWindowHost* s_pMouse = nullptr;
std::bitset<256> s_keysDown;

WPARAM HandleParam(CWindowHost* pHost)
{
	return reinterpret_cast<WPARAM>(pHost != nullptr ? pHost->Handle() : nullptr);
}

// Receives the Qt timers of one window and turns them into WM_TIMER.
class CHostTimerTarget : public QObject
{
public:
	explicit CHostTimerTarget(HWND hWnd)
		: m_hWnd(hWnd)
	{
	}

protected:
	void timerEvent(QTimerEvent* pEvent) override
	{
		CWindowHost* pHost = CWindowHost::FromHandle(m_hWnd);
		if (pHost == nullptr)
		{
			return;
		}
		for (const auto& timer : pHost->m_timers)
		{
			if (timer.second.first == pEvent->timerId())
			{
				UINT_PTR nIDEvent = timer.first;
				TIMERPROC lpfnTimer = timer.second.second;
				AppNoteActivity();
				if (lpfnTimer != nullptr)
				{
					lpfnTimer(m_hWnd, WM_TIMER, nIDEvent, GetTickCount());
				}
				else
				{
					pHost->Send(WM_TIMER, nIDEvent, 0);
				}
				return;
			}
		}
	}

private:
	HWND m_hWnd;
};

}

CWindowHost* FocusHost()
{
	return s_pFocus;
}

void SetFocusHost(CWindowHost* pHost)
{
	if (pHost == s_pFocus)
	{
		return;
	}
	CWindowHost* pOld = s_pFocus;
	s_pFocus = pHost;
	if (pHost != nullptr)
	{
		pHost->TopLevel()->m_hLastFocus = pHost->Handle();
	}
	if (pOld != nullptr)
	{
		pOld->Send(WM_KILLFOCUS, HandleParam(pHost), 0);
	}
	if (pHost != nullptr && CWindowHost::FromHandle(pHost->Handle()) == pHost && s_pFocus == pHost)
	{
		if (pHost->m_pWidget != nullptr && !pHost->m_pWidget->hasFocus())
		{
			pHost->m_pWidget->setFocus(Qt::OtherFocusReason);
		}
		pHost->Send(WM_SETFOCUS, HandleParam(CWindowHost::FromHandle(pOld != nullptr ? pOld->Handle() : nullptr)), 0);
	}
}

void NoteQtFocusIn(CWindowHost* pHost)
{
	SetFocusHost(pHost);
}

void NoteQtFocusOut(CWindowHost* pHost)
{
	if (pHost != s_pFocus)
	{
		return;
	}
	// Focus that moves to another of our windows is followed when that window hears of it.
	if (HostOfWidget(QApplication::focusWidget()) == nullptr)
	{
		SetFocusHost(nullptr);
	}
}

CWindowHost* CaptureHost()
{
	return s_pCapture;
}

void SetCaptureHost(CWindowHost* pHost)
{
	if (pHost == s_pCapture)
	{
		return;
	}
	CWindowHost* pOld = s_pCapture;
	s_pCapture = pHost;
	if (pOld != nullptr)
	{
		if (pOld->m_pWidget != nullptr && QWidget::mouseGrabber() == pOld->m_pWidget)
		{
			pOld->m_pWidget->releaseMouse();
		}
		pOld->Send(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(pHost != nullptr ? pHost->Handle() : nullptr));
	}
	if (s_pCapture != nullptr && s_pCapture->m_pWidget != nullptr && s_pCapture->m_pWidget->isVisible())
	{
		s_pCapture->m_pWidget->grabMouse();
	}
}

CWindowHost* MouseHost()
{
	return s_pMouse;
}

void SetMouseHost(CWindowHost* pHost)
{
	s_pMouse = pHost;
}

void NoteKeyInput(UINT message, WPARAM nVirtKey)
{
	if (nVirtKey >= s_keysDown.size())
	{
		return;
	}
	if (message == WM_KEYDOWN)
	{
		s_keysDown.set(nVirtKey);
	}
	else if (message == WM_KEYUP)
	{
		s_keysDown.reset(nVirtKey);
	}
}

bool IsKeyLeftDown(int nVirtKey)
{
	return nVirtKey >= 0 && static_cast<size_t>(nVirtKey) < s_keysDown.size() && s_keysDown.test(static_cast<size_t>(nVirtKey));
}

UINT_PTR StartHostTimer(CWindowHost& host, UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
	if (host.m_pTimerTarget == nullptr)
	{
		host.m_pTimerTarget = new CHostTimerTarget(host.Handle());
	}
	StopHostTimer(host, nIDEvent);
	int nTimerId = host.m_pTimerTarget->startTimer(static_cast<int>(nElapse));
	if (nTimerId == 0)
	{
		return 0;
	}
	host.m_timers[nIDEvent] = std::make_pair(nTimerId, lpfnTimer);
	return nIDEvent;
}

bool StopHostTimer(CWindowHost& host, UINT_PTR nIDEvent)
{
	auto it = host.m_timers.find(nIDEvent);
	if (it == host.m_timers.end())
	{
		return false;
	}
	host.m_pTimerTarget->killTimer(it->second.first);
	host.m_timers.erase(it);
	return true;
}

void ForgetHostInput(CWindowHost* pHost)
{
	ForgetWindowToolTip(pHost->Handle());
	if (s_pFocus == pHost)
	{
		s_pFocus = nullptr;
	}
	if (s_pCapture == pHost)
	{
		if (pHost->m_pWidget != nullptr && QWidget::mouseGrabber() == pHost->m_pWidget)
		{
			pHost->m_pWidget->releaseMouse();
		}
		s_pCapture = nullptr;
	}
	if (s_pMouse == pHost)
	{
		s_pMouse = nullptr;
	}
	pHost->m_timers.clear();
	if (pHost->m_pTimerTarget != nullptr)
	{
		// The window may be going away inside one of its own WM_TIMER messages.
		pHost->m_pTimerTarget->deleteLater();
		pHost->m_pTimerTarget = nullptr;
	}
}
