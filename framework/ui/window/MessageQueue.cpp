// Posted messages travel through the toolkit's event loop and are sent to their window when they
// arrive, if it still exists; the queue keeps what arrives while a PeekMessage looks.
#include "framework/ui/window/MessageQueue.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/EventLoops.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/WindowToolTips.h"
#include "framework/ui/window/Wnd.h"

#include <algorithm>
#include <deque>

namespace
{

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
	AfxNoteActivity();
	if (msg.hwnd == nullptr)
	{
		if (msg.message == WM_QUIT)
		{
			AfxQuitLoop(static_cast<int>(msg.wParam));
		}
		return;
	}
	CWindowRecord* pRecord = CWindowRecord::FromHandle(msg.hwnd);
	if (pRecord == nullptr)
	{
		return;
	}
	if (entry.bInput)
	{
		NoteInputTaken(msg);
	}
	// Queued messages pass the pre-translation of the window and its parents, as in a message loop.
	MSG translated = msg;
	for (CWindowRecord* pWalk = pRecord; pWalk != nullptr; pWalk = pWalk->IsChildWindow() ? pWalk->m_pParent : nullptr)
	{
		if (pWalk->m_pWnd != nullptr && pWalk->m_pWnd->PreTranslateMessage(&translated))
		{
			return;
		}
	}
	pRecord = CWindowRecord::FromHandle(msg.hwnd);
	if (pRecord != nullptr)
	{
		pRecord->Send(msg.message, msg.wParam, msg.lParam);
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

// What a peek leaves is delivered once the program is back in its loop.
void PostDeliveryOfWaiting()
{
	CDriver& driver = AfxGetDriver();
	if (s_waiting.empty() || s_bDeliveryPosted || !driver.IsToolkitRunning())
	{
		return;
	}
	s_bDeliveryPosted = true;
	driver.CallSoon([]
	{
		s_bDeliveryPosted = false;
		DeliverWaiting();
	});
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
	CDriver& driver = AfxGetDriver();
	if (!driver.IsToolkitRunning() || (hWnd != nullptr && CWindowRecord::FromHandle(hWnd) == nullptr))
	{
		return FALSE;
	}
	MSG msg = {};
	msg.hwnd = hWnd;
	msg.message = message;
	msg.wParam = wParam;
	msg.lParam = lParam;
	driver.CallSoon([msg]
	{
		s_waiting.push_back({ msg, false });
		DeliverWaiting();
	});
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
	if (it == s_waiting.end() && AfxGetDriver().IsToolkitRunning())
	{
		++s_nPeeking;
		AfxGetDriver().DeliverPendingEvents();
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
	AfxNoteKeyInput(msg.message, msg.wParam);
	RelayInputToToolTips(msg);
}
