// Programs of the desktop run for the services: a query's output, and the wait for a report while
// the windows repaint.
#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/QtText.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QSocketNotifier>
#include <QStringList>

#include <fcntl.h>

CString CQtDriver::RunProgram(const CString& strProgram, const std::vector<CString>& arguments, int nTimeoutMs)
{
	QStringList qtArguments;
	for (const CString& strArgument : arguments)
	{
		qtArguments << ToQString(strArgument);
	}
	QProcess process;
	process.start(ToQString(strProgram), qtArguments);
	if (!process.waitForFinished(nTimeoutMs) || process.exitStatus() != QProcess::NormalExit)
	{
		process.kill();
		process.waitForFinished();
		return CString();
	}
	return CString(process.readAllStandardOutput().constData());
}

void CQtDriver::WaitForProgramReport(int nDescriptor)
{
	if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
	{
		return;
	}
	fcntl(nDescriptor, F_SETFL, O_NONBLOCK);
	QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
	{
		QEventLoop loop;
		QSocketNotifier notifier(nDescriptor, QSocketNotifier::Read);
		QObject::connect(&notifier, &QSocketNotifier::activated, &loop, [&loop] { loop.quit(); });
		loop.exec(QEventLoop::ExcludeUserInputEvents);
	}
	QGuiApplication::restoreOverrideCursor();
}
