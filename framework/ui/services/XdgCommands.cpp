// xdg-mime and xdg-open run as processes: the queries through the driver, the opener detached from
// the program and watched for its first moments by a process of ours.
#include "framework/ui/services/XdgMime.h"

#include "framework/ui/backend/Driver.h"

#include <cerrno>
#include <ctime>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

constexpr int kQueryTimeoutMs = 10000;

}

CString XdgQueryFileType(const CString& strPath)
{
	return ParseMimeType(AfxGetDriver().RunProgram("xdg-mime", { "query", "filetype", strPath }, kQueryTimeoutMs));
}

CString XdgQueryDefaultApplication(const CString& strMimeType)
{
	return ParseDesktopEntry(AfxGetDriver().RunProgram("xdg-mime", { "query", "default", strMimeType }, kQueryTimeoutMs));
}

namespace
{

// What the watcher reports when xdg-open could not be started or was killed.
constexpr unsigned char kOpenerLost = 255;

// The opener keeps nothing of the program: not its session, so that closing the program or its
// terminal leaves the application running, and no descriptor, so that nobody waiting for the end of
// the program's output (a terminal's pipe, a test runner) waits for the application as well.
[[noreturn]] void ExecDetached(const char* pszOpener, char* const argv[])
{
	setsid();
	const int nNull = open("/dev/null", O_RDWR);
	if (nNull >= 0)
	{
		dup2(nNull, STDIN_FILENO);
		dup2(nNull, STDOUT_FILENO);
		dup2(nNull, STDERR_FILENO);
	}
	closefrom(STDERR_FILENO + 1);
	execv(pszOpener, argv);
	_exit(kOpenerLost);
}

// The watcher process: starts xdg-open, reports its exit code on nReport when it ends within the
// grace period (or 0 when it still runs then) and leaves it running, reaped by the system once the
// watcher is gone. Only calls that are safe between fork and exec.
[[noreturn]] void WatchOpener(const char* pszOpener, char* const argv[], int nReport, int nGraceMs)
{
	unsigned char nResult = kOpenerLost;
	const pid_t opener = fork();
	if (opener == 0)
	{
		ExecDetached(pszOpener, argv);
	}
	const int nStepMs = 10;
	for (int nWaitedMs = 0; opener > 0; nWaitedMs += nStepMs)
	{
		int nStatus = 0;
		const pid_t ended = waitpid(opener, &nStatus, WNOHANG);
		if (ended == opener)
		{
			nResult = WIFEXITED(nStatus) ? static_cast<unsigned char>(WEXITSTATUS(nStatus)) : kOpenerLost;
			break;
		}
		if (ended < 0 && errno != EINTR)
		{
			break;
		}
		if (nWaitedMs >= nGraceMs)
		{
			nResult = 0;
			break;
		}
		const timespec step = { 0, nStepMs * 1000000L };
		nanosleep(&step, nullptr);
	}
	while (write(nReport, &nResult, 1) < 0 && errno == EINTR)
	{
	}
	_exit(0);
}

}

int XdgOpen(const CString& strPath, int nGraceMs)
{
	const CString strOpener = XdgFindProgram("xdg-open");
	int reportPipe[2];
	if (strOpener.IsEmpty() || pipe2(reportPipe, O_CLOEXEC) != 0)
	{
		return -1;
	}
	// A watcher between us and xdg-open: it reaps xdg-open if it ends within the grace period, and
	// once the watcher is gone an xdg-open still running belongs to the system, never a zombie of ours.
	char szName[] = "xdg-open";
	char* argv[] = { szName, const_cast<char*>(static_cast<LPCTSTR>(strPath)), nullptr };
	const pid_t watcher = fork();
	if (watcher == 0)
	{
		close(reportPipe[0]);
		WatchOpener(strOpener, argv, reportPipe[1], nGraceMs);
	}
	close(reportPipe[1]);
	if (watcher < 0)
	{
		close(reportPipe[0]);
		return -1;
	}
	// The report, or the end of the pipe when the watcher dies, ends the wait.
	AfxGetDriver().WaitForProgramReport(reportPipe[0]);
	unsigned char nResult = kOpenerLost;
	if (read(reportPipe[0], &nResult, 1) != 1)
	{
		nResult = kOpenerLost;
	}
	close(reportPipe[0]);
	while (waitpid(watcher, nullptr, 0) < 0 && errno == EINTR)
	{
	}
	return nResult == kOpenerLost ? -1 : nResult;
}
