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

int OpenWithDesktop(const CString& strVerb, const CString& strPath)
{
	if (!strVerb.IsEmpty() && strVerb.CompareNoCase("open") != 0)
	{
		return SE_ERR_NOASSOC;
	}
	if (!Exists(strPath))
	{
		return Exists(PathFolder(strPath)) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
	}
	CString strType = XdgQueryFileType(strPath);
	if (strType.IsEmpty() || XdgQueryDefaultApplication(strType).IsEmpty())
	{
		return SE_ERR_NOASSOC;
	}
	return XdgOpenDetached(strPath) ? kStarted : SE_ERR_ASSOCINCOMPLETE;
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
	request.pfnShow = [&request] { return static_cast<INT_PTR>(OpenWithDesktop(request.strCaption, request.strText)); };
	return reinterpret_cast<HINSTANCE>(AfxDoModalRequest(request));
}
