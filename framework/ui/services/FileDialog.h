// CFileDialog: the open and save dialogs, answered with a full path; the checks the Windows
// dialogs make before they accept a name (folder present, overwrite question) are made here.
#pragma once

#include "framework/core/CommonDialogConstants.h"
#include "framework/core/Handles.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"

#include <vector>

class CWnd;
struct FileFilter;

struct OPENFILENAME
{
	DWORD lStructSize;
	HWND hwndOwner;
	LPCTSTR lpstrFilter;	// pairs of zero-ended texts, the list ended by a second zero
	DWORD nFilterIndex;	// 1 for the first filter
	LPTSTR lpstrFile;	// the initial name in, the chosen full path out
	DWORD nMaxFile;
	LPCTSTR lpstrInitialDir;
	LPCTSTR lpstrTitle;	// null: "Apri" or "Salva con nome"
	DWORD Flags;
	WORD nFileOffset;	// where the name starts in lpstrFile
	WORD nFileExtension;	// where the extension starts, after the dot; 0 for none
	LPCTSTR lpstrDefExt;
};

typedef OPENFILENAME* LPOPENFILENAME;

class CFileDialog : public CObject
{
	DECLARE_DYNAMIC(CFileDialog)

public:
	// lpszFilter is in the framework's form "Signal files (*.sig)|*.sig||".
	explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
		DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
		CWnd* pParentWnd = nullptr);

	CFileDialog(const CFileDialog&) = delete;
	CFileDialog& operator=(const CFileDialog&) = delete;

	// Each answer goes through the modal seam (ModalKind::FileDialog, pData the OPENFILENAME, the
	// answer written into lpstrFile and nFilterIndex). A name the checks refuse asks again, as the
	// Windows dialog stays open. IDOK or IDCANCEL.
	virtual INT_PTR DoModal();

	CString GetPathName() const;
	CString GetFileName() const;
	CString GetFileExt() const;
	CString GetFileTitle() const;
	BOOL GetReadOnlyPref() const;

	OPENFILENAME m_ofn;

protected:
	BOOL m_bOpenFileDialog;
	CWnd* m_pParentWnd;

private:
	// The toolkit's dialog on m_ofn, owned by pOwner's top-level window: IDOK with the chosen path in
	// lpstrFile and the chosen filter in nFilterIndex, or IDCANCEL.
	INT_PTR ShowForReal(CWnd* pOwner, const CString& strCaption, const std::vector<FileFilter>& filters);
	// The chosen name as the dialog accepts it, or empty when a check refused it.
	CString CheckedPath(const CString& strChosen, CWnd* pOwner);
	CString Title() const;
	int Ask(CWnd* pOwner, const CString& strText, UINT nType) const;

	CString m_strDefExt;
	std::vector<char> m_filter;
	char m_szFileName[MAX_PATH];
};
