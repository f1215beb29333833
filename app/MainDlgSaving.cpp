// Saving the modulated signal, the question before closing, and the hand-off of the saved file
// to the application the desktop associates with signal files.
#include "app/MainDlg.h"

#include "app/SignalFiles.h"
#include "app/resources/AppResourceIds.h"
#include "framework/core/CommonDialogConstants.h"
#include "framework/core/FrameworkStringIds.h"
#include "framework/ui/services/FileDialog.h"
#include "framework/ui/services/ShellExecute.h"
#include "framework/ui/window/ModalSeam.h"

#include <cstring>
#include <vector>

namespace
{
	// The shell reports failure with a value of 32 or less.
	constexpr INT_PTR SHELL_ERROR_LIMIT = 32;

	// Caption and pattern pairs, each text ended by a zero, the list by one more.
	std::vector<char> SignalFilter()
	{
		CString strAllFilter;
		strAllFilter.LoadString(AFX_IDS_ALLFILTER);
		const CString texts[] = {"Signal files (*.sig)", "*.sig", strAllFilter, "*.*"};
		std::vector<char> filter;
		for (const CString& text : texts)
		{
			LPCTSTR psz = text;
			filter.insert(filter.end(), psz, psz + std::strlen(psz) + 1);
		}
		filter.push_back('\0');
		return filter;
	}
}

void CMainDlg::SaveSignalAs()
{
	char szFileName[MAX_PATH] = {};
	std::strncpy(szFileName, m_strSignalPath.IsEmpty() ? "SenzaNome" : static_cast<LPCTSTR>(m_strSignalPath),
		MAX_PATH - 1);
	CString strTitle;
	strTitle.LoadString(AFX_IDS_SAVEFILE);
	const std::vector<char> filter = SignalFilter();

	// With a default extension the dialog asks about overwriting the file that will really be
	// written ("prova" typed, "prova.sig" on disk), not about the name as typed.
	CFileDialog dlgFile(FALSE, "sig", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, nullptr,
		this);
	dlgFile.m_ofn.lpstrFilter = filter.data();
	dlgFile.m_ofn.nFilterIndex = 1;
	dlgFile.m_ofn.lpstrFile = szFileName;
	dlgFile.m_ofn.nMaxFile = MAX_PATH;
	dlgFile.m_ofn.lpstrTitle = strTitle.IsEmpty() ? nullptr : static_cast<LPCTSTR>(strTitle);
	if (dlgFile.DoModal() != IDOK || szFileName[0] == '\0')
		return;
	m_strSignalPath = WithSignalExtension(szFileName);
	SaveSignal();
}

void CMainDlg::SaveSignal()
{
	if (m_strSignalPath.IsEmpty())
	{
		SaveSignalAs();
		return;
	}
	// The flag and the caption change only for a signal that is wholly on disk.
	if (!WriteSignalFile(m_sigModulated, m_strSignalPath))
	{
		AfxMessageBox(IDS_SAVE_FAILED, MB_OK | MB_ICONSTOP);
		return;
	}
	CString strAppName;
	strAppName.LoadString(IDS_CAPTION);
	SetWindowText(" " + SignalFileTitle(m_strSignalPath) + " - " + strAppName);
	SetModified(FALSE);
}

BOOL CMainDlg::QuerySaveChanges()
{
	if (!IsModified())
		return TRUE;
	switch (AfxMessageBox(IDS_SAVE_CHANGES, MB_YESNOCANCEL | MB_ICONQUESTION))
	{
	case IDNO:
		return TRUE;
	case IDYES:
		SaveSignal();
		return !IsModified();
	default:
		return FALSE;
	}
}

void CMainDlg::OfferFourierAnalysis()
{
	if (AfxMessageBox(IDS_FOURIER_OFFER, MB_YESNO | MB_ICONQUESTION) != IDYES)
		return;
	if (AfxMessageBox(IDS_SAVE_BEFORE_FOURIER, MB_YESNO | MB_ICONQUESTION) != IDYES)
		return;
	SaveSignal();
	if (IsModified())
	{
		AfxMessageBox(IDS_FOURIER_NOT_SAVED, MB_OK | MB_ICONSTOP);
		return;
	}
	const HINSTANCE hResult = ShellExecute(m_hWnd, "open", m_strSignalPath, nullptr, nullptr, SW_SHOW);
	if (reinterpret_cast<INT_PTR>(hResult) <= SHELL_ERROR_LIMIT)
		AfxMessageBox(IDS_FOURIER_FAILED, MB_OK | MB_ICONSTOP);
}
