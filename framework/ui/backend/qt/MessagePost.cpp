// Posted messages travel as Qt events to one receiver and are sent to their window when they
// arrive, if it still exists; the queue keeps what arrives while a PeekMessage looks.
#include "framework/ui/backend/qt/MessagePost.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/AppLoop.h"
#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/backend/qt/WindowInput.h"
#include "framework/ui/backend/qt/WindowToolTips.h"
#include "framework/ui/window/Wnd.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <algorithm>
#include <deque>

namespace
{

const QEvent::Type PostedMessageEvent = static_cast<QEvent::Type>(QEvent::User + 0x0200);
const QEvent::Type DeliverWaitingEvent = static_cast<QEvent::Type>(QEvent::User + 0x0201);

class CPostedMessage : public QEvent
{
public:
	explicit CPostedMessage(const MSG& msg)
		: QEvent(PostedMessageEvent)
		, m_msg(msg)
	{
	}

	MSG m_msg;
};

struct QueuedMessage
{
	MSG msg;
	bool bInput;
};

std::deque<QueuedMessage> s_waiting;
int s_nPeeking = 0;
bool s_bDeliveryPosted = false;

void Deliver(const QueuedMessage& entry)
{
	const MSG& msg = entry.msg;
	AppNoteActivity();
	if (msg.hwnd == nullptr)
	{
		if (msg.message == WM_QUIT)
		{
			AppQuit(static_cast<int>(msg.wParam));
		}
		return;
	}
	CWindowHost* pHost = CWindowHost::FromHandle(msg.hwnd);
	if (pHost == nullptr)
	{
		return;
	}
	if (entry.bInput)
	{
		NoteInputTaken(msg);
	}
	// Queued messages pass the pre-translation of the window and its parents, as in a message loop.
	MSG translated = msg;
	for (CWindowHost* pWalk = pHost; pWalk != nullptr; pWalk = pWalk->IsChildWindow() ? pWalk->m_pParent : nullptr)
	{
		if (pWalk->m_pWnd != nullptr && pWalk->m_pWnd->PreTranslateMessage(&translated))
		{
			return;
		}
	}
	pHost = CWindowHost::FromHandle(msg.hwnd);
	if (pHost != nullptr)
	{
		pHost->Send(msg.message, msg.wParam, msg.lParam);
	}
}

// Each message leaves the queue before it is handled: a handler that peeks sees the ones after it.
void DeliverWaiting()
{
	while (!s_waiting.empty() && s_nPeeking == 0)
	{
		QueuedMessage entry = s_waiting.front();
		s_waiting.pop_front();
		Deliver(entry);
	}
}

class CMessageReceiver : public QObject
{
protected:
	void customEvent(QEvent* pEvent) override
	{
		if (pEvent->type() == DeliverWaitingEvent)
		{
			s_bDeliveryPosted = false;
			DeliverWaiting();
			return;
		}
		if (pEvent->type() != PostedMessageEvent)
		{
			return;
		}
		s_waiting.push_back({ static_cast<CPostedMessage*>(pEvent)->m_msg, false });
		DeliverWaiting();
	}
};

QObject* Receiver()
{
	static CMessageReceiver* s_pReceiver = nullptr;
	if (s_pReceiver == nullptr)
	{
		s_pReceiver = new CMessageReceiver;
		s_pReceiver->setParent(QCoreApplication::instance());
		QObject::connect(s_pReceiver, &QObject::destroyed, [] { s_pReceiver = nullptr; });
	}
	return s_pReceiver;
}

// What a peek leaves is delivered once the program is back in its loop.
void PostDeliveryOfWaiting()
{
	if (s_waiting.empty() || s_bDeliveryPosted || QCoreApplication::instance() == nullptr)
	{
		return;
	}
	s_bDeliveryPosted = true;
	QCoreApplication::postEvent(Receiver(), new QEvent(DeliverWaitingEvent));
}

bool Matches(const MSG& msg, HWND hWnd, UINT nFilterMin, UINT nFilterMax)
{
	if (hWnd != nullptr && msg.hwnd != hWnd)
	{
		return false;
	}
	return (nFilterMin == 0 && nFilterMax == 0) || (msg.message >= nFilterMin && msg.message <= nFilterMax);
}

}

BOOL PostWindowMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	if (QCoreApplication::instance() == nullptr || (hWnd != nullptr && CWindowHost::FromHandle(hWnd) == nullptr))
	{
		return FALSE;
	}
	MSG msg = {};
	msg.hwnd = hWnd;
	msg.message = message;
	msg.wParam = wParam;
	msg.lParam = lParam;
	QCoreApplication::postEvent(Receiver(), new CPostedMessage(msg));
	return TRUE;
}

bool QueueInputMessage(const MSG& msg)
{
	if (s_nPeeking > 0)
	{
		s_waiting.push_back({ msg, true });
		return true;
	}
	DeliverWaiting();
	return false;
}

BOOL PeekQueuedMessage(MSG& msg, HWND hWnd, UINT nFilterMin, UINT nFilterMax, bool bRemove)
{
	auto fnMatches = [&](const QueuedMessage& entry) { return Matches(entry.msg, hWnd, nFilterMin, nFilterMax); };
	auto it = std::find_if(s_waiting.begin(), s_waiting.end(), fnMatches);
	if (it == s_waiting.end() && QCoreApplication::instance() != nullptr)
	{
		++s_nPeeking;
		QCoreApplication::processEvents(QEventLoop::AllEvents);
		--s_nPeeking;
		it = std::find_if(s_waiting.begin(), s_waiting.end(), fnMatches);
	}
	const BOOL bFound = it != s_waiting.end();
	if (bFound)
	{
		const QueuedMessage entry = *it;
		msg = entry.msg;
		if (bRemove)
		{
			s_waiting.erase(it);
			if (entry.bInput)
			{
				NoteInputTaken(entry.msg);
			}
		}
	}
	PostDeliveryOfWaiting();
	return bFound;
}

void NoteInputTaken(const MSG& msg)
{
	NoteKeyInput(msg.message, msg.wParam);
	RelayInputToToolTips(msg);
}
