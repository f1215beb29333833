// The file dialog through the modal seam, and the Windows checks of the name it returns.
#include "framework/ui/services/FileDialog.h"

#include "framework/ui/backend/Driver.h"
#include "framework/ui/services/FileDialogRules.h"
#include "framework/ui/window/ModalSeam.h"
#include "framework/ui/window/ToolkitDialog.h"
#include "framework/ui/window/Wnd.h"

#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CFileDialog, CObject)

namespace
{

bool IsFolder(const CString& strPath)
{
	struct stat info;
	return stat(strPath, &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const CString& strPath)
{
	struct stat info;
	return stat(strPath, &info) == 0;
}

CString CurrentFolder()
{
	char szFolder[4096];
	return getcwd(szFolder, sizeof(szFolder)) != nullptr ? CString(szFolder) : CString("/");
}

}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
	LPCTSTR lpszFilter, CWnd* pParentWnd)
	: m_ofn()
	, m_bOpenFileDialog(bOpenFileDialog)
	, m_pParentWnd(pParentWnd)
	, m_strDefExt(lpszDefExt != nullptr ? lpszDefExt : "")
	, m_filter(FilterFromBars(lpszFilter))
	, m_szFileName()
{
	if (lpszFileName != nullptr)
	{
		std::strncpy(m_szFileName, lpszFileName, MAX_PATH - 1);
	}
	m_ofn.lStructSize = sizeof(OPENFILENAME);
	m_ofn.lpstrFile = m_szFileName;
	m_ofn.nMaxFile = MAX_PATH;
	m_ofn.Flags = dwFlags | OFN_EXPLORER;
	m_ofn.lpstrDefExt = lpszDefExt != nullptr ? static_cast<LPCTSTR>(m_strDefExt) : nullptr;
	if (!m_filter.empty())
	{
		m_ofn.lpstrFilter = m_filter.data();
		m_ofn.nFilterIndex = 1;
	}
}

INT_PTR CFileDialog::DoModal()
{
	// Owned by the window active when it opens, as on Windows.
	CWnd* pOwner = CWnd::GetSafeOwner(m_pParentWnd);
	m_ofn.hwndOwner = pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr;
	CString strTitle = Title();
	std::vector<FileFilter> filters = ParseFileFilters(m_ofn.lpstrFilter);
	for (;;)
	{
		ModalRequest request = {};
		request.nKind = ModalKind::FileDialog;
		request.pOwner = pOwner;
		request.strCaption = strTitle;
		request.strText = m_ofn.lpstrFile;
		request.nType = m_ofn.Flags;
		request.pData = &m_ofn;
		request.pfnShow = [this, &request, &filters] { return ShowForReal(request.pOwner, request.strCaption, filters); };
		if (AfxDoModalRequest(request) != IDOK)
		{
			return IDCANCEL;
		}
		CString strChosen = m_ofn.lpstrFile;
		if (strChosen.IsEmpty())
		{
			return IDCANCEL;
		}
		CString strPath = CheckedPath(strChosen, pOwner);
		if (!strPath.IsEmpty() && strPath.GetLength() < static_cast<int>(m_ofn.nMaxFile))
		{
			std::strcpy(m_ofn.lpstrFile, strPath);
			m_ofn.nFileOffset = static_cast<WORD>(strPath.ReverseFind('/') + 1);
			CString strExt = PathFileExt(strPath);
			m_ofn.nFileExtension = static_cast<WORD>(strExt.IsEmpty() ? 0 : strPath.GetLength() - strExt.GetLength());
			return IDOK;
		}
	}
}

INT_PTR CFileDialog::ShowForReal(CWnd* pOwner, const CString& strCaption, const std::vector<FileFilter>& filters)
{
	NativeFileDialog dialog = {};
	dialog.strCaption = strCaption;
	dialog.bOpen = m_bOpenFileDialog != FALSE;
	dialog.bExistingOnly = m_bOpenFileDialog && (m_ofn.Flags & OFN_FILEMUSTEXIST) != 0;
	for (const FileFilter& filter : filters)
	{
		dialog.filters.push_back({ filter.strCaption, filter.patterns });
	}
	dialog.nFilter = m_ofn.nFilterIndex >= 1 && m_ofn.nFilterIndex <= filters.size() ? static_cast<int>(m_ofn.nFilterIndex) - 1 : 0;
	dialog.strFolder = m_ofn.lpstrInitialDir;
	dialog.strFile = m_ofn.lpstrFile;
	CToolkitDialogOwner owner(pOwner);
	if (!AfxGetDriver().ShowFileDialog(owner.Handle(), dialog)
		|| dialog.strFile.GetLength() >= static_cast<int>(m_ofn.nMaxFile))
	{
		return IDCANCEL;
	}
	std::strcpy(m_ofn.lpstrFile, dialog.strFile);
	if (dialog.nFilter >= 0)
	{
		m_ofn.nFilterIndex = static_cast<DWORD>(dialog.nFilter) + 1;
	}
	return IDOK;
}

CString CFileDialog::CheckedPath(const CString& strChosen, CWnd* pOwner)
{
	CString strPath = strChosen;
	if (strPath[0] != '/')
	{
		// A bare name is in the folder the dialog was showing.
		CString strFolder = m_ofn.lpstrInitialDir != nullptr ? CString(m_ofn.lpstrInitialDir) : CurrentFolder();
		strPath = strFolder + (strFolder.Right(1) == "/" ? "" : "/") + strPath;
	}
	std::vector<FileFilter> filters = ParseFileFilters(m_ofn.lpstrFilter);
	const FileFilter* pFilter = m_ofn.nFilterIndex >= 1 && m_ofn.nFilterIndex <= filters.size()
		? &filters[m_ofn.nFilterIndex - 1] : nullptr;
	strPath = AppendDefaultExtension(strPath, m_ofn.lpstrDefExt, pFilter);
	if ((m_ofn.Flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) != 0 && !IsFolder(PathFolder(strPath)))
	{
		Ask(pOwner, PathFileName(strPath) + "\nPercorso inesistente.\nVerificare che il percorso indicato sia corretto.",
			MB_OK | MB_ICONEXCLAMATION);
		return CString();
	}
	if ((m_ofn.Flags & OFN_FILEMUSTEXIST) != 0 && !Exists(strPath))
	{
		Ask(pOwner, PathFileName(strPath) + "\nFile non trovato.\nVerificare che il nome indicato sia corretto.",
			MB_OK | MB_ICONEXCLAMATION);
		return CString();
	}
	if (IsFolder(strPath))
	{
		return CString();
	}
	if (!m_bOpenFileDialog && (m_ofn.Flags & OFN_OVERWRITEPROMPT) != 0 && Exists(strPath)
		&& Ask(pOwner, strPath + " esiste già.\nSostituirlo?", MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
	{
		return CString();
	}
	return strPath;
}

CString CFileDialog::Title() const
{
	return m_ofn.lpstrTitle != nullptr ? m_ofn.lpstrTitle : (m_bOpenFileDialog ? "Apri" : "Salva con nome");
}

int CFileDialog::Ask(CWnd* pOwner, const CString& strText, UINT nType) const
{
	// The question carries the dialog's title, as on Windows, whether or not there is an owner.
	ModalRequest request = {};
	request.nKind = ModalKind::MessageBox;
	request.pOwner = pOwner != nullptr && pOwner->GetSafeHwnd() != nullptr ? pOwner : nullptr;
	request.strCaption = Title();
	request.strText = strText;
	request.nType = nType;
	request.pfnShow = [&request] { return ShowToolkitMessageBox(request.pOwner, request.strCaption, request.strText, request.nType); };
	return static_cast<int>(AfxDoModalRequest(request));
}

CString CFileDialog::GetPathName() const
{
	return m_ofn.lpstrFile;
}

CString CFileDialog::GetFileName() const
{
	return PathFileName(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileExt() const
{
	return PathFileExt(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileTitle() const
{
	return PathFileTitle(m_ofn.lpstrFile);
}

BOOL CFileDialog::GetReadOnlyPref() const
{
	return (m_ofn.Flags & OFN_READONLY) != 0;
}
