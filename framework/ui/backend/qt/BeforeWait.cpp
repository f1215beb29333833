// The hook on the event dispatcher's wait.
#include "framework/ui/backend/qt/BeforeWait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QObject>

void ConnectBeforeWait(QObject*& pContext, QMetaObject::Connection& connection, void (*pfnBeforeWait)())
{
	if (pContext == nullptr)
	{
		pContext = new QObject(QCoreApplication::instance());
		QObject::connect(QCoreApplication::instance(), &QObject::destroyed, [&pContext] { pContext = nullptr; });
	}
	QAbstractEventDispatcher* pDispatcher = QAbstractEventDispatcher::instance();
	if (!connection && pDispatcher != nullptr)
	{
		connection = QObject::connect(pDispatcher, &QAbstractEventDispatcher::aboutToBlock, pContext, pfnBeforeWait);
	}
}
