// ShellExecute's "open" through the modal seam, on the desktop's associations.
#include "framework/ui/services/ShellExecute.h"

#include "framework/ui/services/FileDialogRules.h"
#include "framework/ui/services/XdgMime.h"
#include "framework/ui/window/ModalSeam.h"
#include "framework/ui/window/Wnd.h"

#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Windows answers a started application with its instance handle; any value above 32 will do.
constexpr int kStarted = 42;

// How long the opener's errors are waited for, the program taking no input meanwhile. A desktop
// environment's opener hands the file on and ends at once. Without one, xdg-open reads the
// desktop's tables and starts the application within a tenth of a second, then runs it in its own
// foreground until the user closes it; an application that cannot start ends it with an error
// straight away. Past this, the application counts as started.
constexpr int kOpenerGraceMs = 1000;

bool Exists(const CString& strPath)
{
	struct stat info;
	return stat(strPath, &info) == 0;
}

CString FullPath(LPCTSTR lpFile, LPCTSTR lpDirectory)
{
	CString strFile = lpFile;
	if (strFile.IsEmpty() || strFile[0] == '/')
	{
		return strFile;
	}
	CString strFolder = lpDirectory;
	if (strFolder.IsEmpty())
	{
		char szFolder[4096];
		strFolder = getcwd(szFolder, sizeof(szFolder)) != nullptr ? szFolder : "/";
	}
	return strFolder + (strFolder.Right(1) == "/" ? "" : "/") + strFile;
}

}

int ShellOpenWithDesktop(LPCTSTR lpOperation, LPCTSTR lpPath, int nGraceMs)
{
	const CString strVerb = lpOperation != nullptr ? lpOperation : "";
	const CString strPath = lpPath;
	if (!strVerb.IsEmpty() && strVerb.CompareNoCase("open") != 0)
	{
		return SE_ERR_NOASSOC;
	}
	if (!Exists(strPath))
	{
		return Exists(PathFolder(strPath)) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
	}
	CString strType = XdgQueryFileType(strPath);
	CString strEntry = strType.IsEmpty() ? CString() : XdgQueryDefaultApplication(strType);
	CString strEntryPath = strEntry.IsEmpty() ? CString() : XdgFindDesktopEntry(strEntry);
	if (strEntryPath.IsEmpty())
	{
		return SE_ERR_NOASSOC;
	}
	// Some desktops name an entry that is gone or cannot start; xdg-open would then try web
	// browsers for a long while before it gives up.
	if (XdgDesktopEntryProgram(strEntryPath).IsEmpty())
	{
		return SE_ERR_ASSOCINCOMPLETE;
	}
	switch (XdgOpen(strPath, nGraceMs))
	{
	case 0:
		return kStarted;
	case 2:	// xdg-open: the file is missing
		return ERROR_FILE_NOT_FOUND;
	case 3:	// xdg-open: no way to open it
		return SE_ERR_NOASSOC;
	case 5:	// xdg-open: the file cannot be read
		return SE_ERR_ACCESSDENIED;
	default:	// xdg-open could not run, or the application failed
		return SE_ERR_ASSOCINCOMPLETE;
	}
}

HINSTANCE ShellExecute(HWND hwnd, LPCTSTR lpOperation, LPCTSTR lpFile, LPCTSTR, LPCTSTR lpDirectory, int nShowCmd)
{
	if (lpFile == nullptr || *lpFile == '\0')
	{
		return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(ERROR_FILE_NOT_FOUND));
	}
	ModalRequest request = {};
	request.nKind = ModalKind::ShellOpen;
	request.pOwner = hwnd != nullptr ? CWnd::FromHandle(hwnd) : nullptr;
	request.strCaption = lpOperation != nullptr ? lpOperation : "open";
	request.strText = FullPath(lpFile, lpDirectory);
	request.nType = static_cast<UINT>(nShowCmd);
	request.pfnShow = [&request] {
		return static_cast<INT_PTR>(ShellOpenWithDesktop(request.strCaption, request.strText, kOpenerGraceMs));
	};
	return reinterpret_cast<HINSTANCE>(AfxDoModalRequest(request));
}
