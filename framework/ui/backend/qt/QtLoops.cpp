// The Qt driver's event loops: nested loops, the idle work the model does when a loop is about to
// wait, and calls made from the loop.
#include "framework/ui/backend/qt/QtDriver.h"

#include "framework/ui/backend/qt/BeforeWait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

namespace
{

class CQtLoop : public CNativeLoop
{
public:
	QEventLoop m_loop;
};

const QEvent::Type CallEvent = static_cast<QEvent::Type>(QEvent::User + 0x0200);

class CCall : public QEvent
{
public:
	explicit CCall(std::function<void()> fn)
		: QEvent(CallEvent)
		, m_fn(std::move(fn))
	{
	}

	std::function<void()> m_fn;
};

class CCallReceiver : public QObject
{
protected:
	void customEvent(QEvent* pEvent) override
	{
		if (pEvent->type() == CallEvent)
		{
			static_cast<CCall*>(pEvent)->m_fn();
		}
	}
};

QObject* Receiver()
{
	static CCallReceiver* s_pReceiver = nullptr;
	if (s_pReceiver == nullptr)
	{
		s_pReceiver = new CCallReceiver;
		s_pReceiver->setParent(QCoreApplication::instance());
		QObject::connect(s_pReceiver, &QObject::destroyed, [] { s_pReceiver = nullptr; });
	}
	return s_pReceiver;
}

QObject* s_pIdleContext = nullptr;
QMetaObject::Connection s_blockConnection;

// The idle work runs from a zero-time timer, so that it may itself run nested loops.
void OnAboutToBlock()
{
	if (OnToolkitWantsIdle())
	{
		QTimer::singleShot(0, s_pIdleContext, &OnToolkitIdle);
	}
}

void EnsureIdleHook()
{
	ConnectBeforeWait(s_pIdleContext, s_blockConnection, &OnAboutToBlock);
}

}

CNativeLoop* CQtDriver::CreateLoop()
{
	return new CQtLoop;
}

int CQtDriver::RunLoop(CNativeLoop* pLoop)
{
	EnsureIdleHook();
	return static_cast<CQtLoop*>(pLoop)->m_loop.exec();
}

void CQtDriver::ExitLoop(CNativeLoop* pLoop, int nCode)
{
	static_cast<CQtLoop*>(pLoop)->m_loop.exit(nCode);
}

void CQtDriver::CallSoon(std::function<void()> fn)
{
	if (QCoreApplication::instance() != nullptr)
	{
		QCoreApplication::postEvent(Receiver(), new CCall(std::move(fn)));
	}
}

void CQtDriver::DeliverPendingEvents()
{
	QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void CQtDriver::WakeLoop()
{
	if (QAbstractEventDispatcher::instance() != nullptr)
	{
		QAbstractEventDispatcher::instance()->wakeUp();
	}
}
