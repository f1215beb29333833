// The application object's printer: the one chosen through DoPrintDialog, kept for the run.
#include "framework/ui/window/WinApp.h"

#include "framework/ui/services/PrintDialog.h"
#include "framework/ui/services/Printers.h"

INT_PTR CWinApp::DoPrintDialog(CPrintDialog* pPD)
{
	GetPrinterDeviceDefaults(&pPD->m_pd);
	INT_PTR nResult = pPD->DoModal();
	// The dialog may have replaced the records it was lent; the new ones are kept from now on.
	SelectPrinter(pPD->m_pd.hDevNames, pPD->m_pd.hDevMode);
	pPD->m_hOwnedDevNames = nullptr;
	pPD->m_hOwnedDevMode = nullptr;
	return nResult;
}

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg)
{
	if (m_hDevNames == nullptr)
	{
		CString strDevice = PrintDefaultPrinterName();
		SelectPrinter(PrintDefaultDevNames(strDevice), PrintDefaultDevMode(strDevice));
	}
	pPrintDlg->hDevNames = m_hDevNames;
	pPrintDlg->hDevMode = m_hDevMode;
	return m_hDevNames != nullptr;
}

void CWinApp::SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld)
{
	if (bFreeOld)
	{
		if (m_hDevNames != hDevNames)
		{
			GlobalFree(m_hDevNames);
		}
		if (m_hDevMode != hDevMode)
		{
			GlobalFree(m_hDevMode);
		}
	}
	m_hDevNames = hDevNames;
	m_hDevMode = hDevMode;
}
