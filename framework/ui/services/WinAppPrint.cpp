// The application object's printer: the one chosen through DoPrintDialog, kept for the run.
#include "framework/ui/window/WinApp.h"

#include "framework/ui/services/PrintDialog.h"
#include "framework/ui/services/PrinterRecords.h"
#include "framework/ui/services/Printers.h"

INT_PTR CWinApp::DoPrintDialog(CPrintDialog* pPD)
{
	GetPrinterDeviceDefaults(&pPD->m_pd);
	INT_PTR nResult = pPD->DoModal();
	// The dialog may have replaced the records it was lent; the new ones are kept from now on. A
	// file chosen there is not: a later print that does not ask must not replace it unasked, so
	// the application keeps the printer alone and the dialog its own records.
	HGLOBAL hDevNames = pPD->m_pd.hDevNames;
	if (DevNamesOutput(hDevNames).IsEmpty())
	{
		pPD->m_hOwnedDevNames = nullptr;
	}
	else
	{
		hDevNames = PrintDefaultDevNames(DevNamesDevice(hDevNames));
	}
	SelectPrinter(hDevNames, pPD->m_pd.hDevMode);
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
