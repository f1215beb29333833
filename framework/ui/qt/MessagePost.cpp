// Posted messages travel as Qt events to one receiver and are sent to their window when they
// arrive, if it still exists.
#include "framework/ui/qt/MessagePost.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/qt/AppLoop.h"
#include "framework/ui/qt/WindowHost.h"
#include "framework/ui/qt/WindowInput.h"
#include "framework/ui/window/Wnd.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace
{

const QEvent::Type PostedMessageEvent = static_cast<QEvent::Type>(QEvent::User + 0x0200);

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

class CMessageReceiver : public QObject
{
protected:
	void customEvent(QEvent* pEvent) override
	{
		if (pEvent->type() != PostedMessageEvent)
		{
			return;
		}
		MSG msg = static_cast<CPostedMessage*>(pEvent)->m_msg;
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
		// Queued messages pass the pre-translation of the window and its parents, as in a message loop.
		for (CWindowHost* pWalk = pHost; pWalk != nullptr; pWalk = pWalk->IsChildWindow() ? pWalk->m_pParent : nullptr)
		{
			if (pWalk->m_pWnd != nullptr && pWalk->m_pWnd->PreTranslateMessage(&msg))
			{
				return;
			}
		}
		pHost->Send(msg.message, msg.wParam, msg.lParam);
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
