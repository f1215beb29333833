// xdg-mime and xdg-open run as processes.
#include "framework/ui/services/XdgMime.h"

#include <QProcess>
#include <QStringList>

namespace
{

constexpr int kQueryTimeoutMs = 10000;

CString RunXdgMime(const QStringList& arguments)
{
	QProcess process;
	process.start("xdg-mime", arguments);
	if (!process.waitForFinished(kQueryTimeoutMs) || process.exitStatus() != QProcess::NormalExit)
	{
		process.kill();
		process.waitForFinished();
		return CString();
	}
	return CString(process.readAllStandardOutput().constData());
}

QString ToQString(const CString& str)
{
	return QString::fromUtf8(static_cast<LPCTSTR>(str));
}

}

CString XdgQueryFileType(const CString& strPath)
{
	return ParseMimeType(RunXdgMime({ "query", "filetype", ToQString(strPath) }));
}

CString XdgQueryDefaultApplication(const CString& strMimeType)
{
	return ParseDesktopEntry(RunXdgMime({ "query", "default", ToQString(strMimeType) }));
}

BOOL XdgOpenDetached(const CString& strPath)
{
	return QProcess::startDetached("xdg-open", { ToQString(strPath) });
}
