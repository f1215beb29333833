// The print dialog through the modal seam, its answers and the printer DC it returns.
#include "framework/ui/services/PrintDialog.h"

#include "framework/ui/backend/Driver.h"
#include "framework/ui/services/PrintDialogRules.h"
#include "framework/ui/services/PrinterDC.h"
#include "framework/ui/services/Printers.h"
#include "framework/ui/window/ModalSeam.h"
#include "framework/ui/window/ToolkitDialog.h"
#include "framework/ui/window/WinApp.h"
#include "framework/ui/window/Wnd.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CObject)

namespace
{

bool AppKeeps(HGLOBAL hMem)
{
	CWinApp* pApp = AfxGetApp();
	return pApp != nullptr && hMem != nullptr && (pApp->m_hDevNames == hMem || pApp->m_hDevMode == hMem);
}

void FreeUnlessKept(HGLOBAL& hMem)
{
	if (!AppKeeps(hMem))
	{
		GlobalFree(hMem);
	}
	hMem = nullptr;
}

}

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
	: m_pd()
	, m_pParentWnd(pParentWnd)
	, m_hOwnedDevNames(nullptr)
	, m_hOwnedDevMode(nullptr)
{
	m_pd.lStructSize = sizeof(PRINTDLG);
	m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
	m_pd.nFromPage = 1;
	m_pd.nToPage = 1;
	m_pd.nMinPage = 1;
	m_pd.nMaxPage = 0xFFFF;
	m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog()
{
	ReleaseOwnedRecords();
}

INT_PTR CPrintDialog::DoModal()
{
	if (m_pd.hDevNames == nullptr)
	{
		TakeDefaults();
	}
	// Owned by the window active when it opens, as on Windows.
	CWnd* pOwner = CWnd::GetSafeOwner(m_pParentWnd);
	m_pd.hwndOwner = pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr;
	ModalRequest request = {};
	request.nKind = ModalKind::PrintDialog;
	request.pOwner = pOwner;
	request.strCaption = (m_pd.Flags & PD_PRINTSETUP) != 0 ? "Imposta stampante" : "Stampa";
	request.strText = GetDeviceName();
	request.nType = m_pd.Flags;
	request.pData = &m_pd;
	request.pfnShow = [this, &request]
	{
		NativePrintDialog dialog = PrintDialogOffer(m_pd, request.strCaption, PrintDefaultPrinterName() == PDF_PRINTER_NAME);
		CToolkitDialogOwner owner(request.pOwner);
		if (!AfxGetDriver().ShowPrintDialog(owner.Handle(), dialog))
		{
			return static_cast<INT_PTR>(IDCANCEL);
		}
		PrintDialogRecords records = TakePrintDialogAnswer(dialog, m_pd);
		// The new records replace the old ones; those of the application stay with it.
		ReleaseOwnedRecords();
		m_pd.hDevNames = m_hOwnedDevNames = records.hDevNames;
		m_pd.hDevMode = m_hOwnedDevMode = records.hDevMode;
		return static_cast<INT_PTR>(IDOK);
	};
	INT_PTR nResult = AfxDoModalRequest(request) == IDOK ? IDOK : IDCANCEL;
	if (nResult == IDOK && (m_pd.Flags & PD_RETURNDC) != 0)
	{
		CreatePrinterDC();
	}
	return nResult;
}

BOOL CPrintDialog::GetDefaults()
{
	ReleaseOwnedRecords();
	TakeDefaults();
	if ((m_pd.Flags & PD_RETURNDC) != 0)
	{
		CreatePrinterDC();
	}
	return m_pd.hDevNames != nullptr;
}

HDC CPrintDialog::GetPrinterDC() const
{
	return m_pd.hDC;
}

HDC CPrintDialog::CreatePrinterDC()
{
	m_pd.hDC = AfxCreateDC(m_pd.hDevNames, m_pd.hDevMode);
	return m_pd.hDC;
}

CString CPrintDialog::GetDeviceName() const
{
	return DevNamesDevice(m_pd.hDevNames);
}

CString CPrintDialog::GetDriverName() const
{
	return DevNamesDriver(m_pd.hDevNames);
}

CString CPrintDialog::GetPortName() const
{
	return DevNamesOutput(m_pd.hDevNames);
}

LPDEVMODE CPrintDialog::GetDevMode() const
{
	return static_cast<LPDEVMODE>(GlobalLock(m_pd.hDevMode));
}

int CPrintDialog::GetCopies() const
{
	const DEVMODE* pMode = GetDevMode();
	if ((m_pd.Flags & PD_USEDEVMODECOPIES) != 0 && pMode != nullptr)
	{
		return pMode->dmCopies;
	}
	return m_pd.nCopies;
}

BOOL CPrintDialog::PrintAll() const
{
	return !PrintRange() && !PrintSelection();
}

BOOL CPrintDialog::PrintRange() const
{
	return (m_pd.Flags & PD_PAGENUMS) != 0;
}

BOOL CPrintDialog::PrintSelection() const
{
	return (m_pd.Flags & PD_SELECTION) != 0;
}

BOOL CPrintDialog::PrintCollate() const
{
	const DEVMODE* pMode = GetDevMode();
	if ((m_pd.Flags & PD_USEDEVMODECOPIES) != 0 && pMode != nullptr)
	{
		return pMode->dmCollate == DMCOLLATE_TRUE;
	}
	return (m_pd.Flags & PD_COLLATE) != 0;
}

int CPrintDialog::GetFromPage() const
{
	return PrintRange() ? m_pd.nFromPage : -1;
}

int CPrintDialog::GetToPage() const
{
	return PrintRange() ? m_pd.nToPage : -1;
}

void CPrintDialog::TakeDefaults()
{
	CString strDevice = PrintDefaultPrinterName();
	m_pd.hDevNames = m_hOwnedDevNames = PrintDefaultDevNames(strDevice);
	m_pd.hDevMode = m_hOwnedDevMode = PrintDefaultDevMode(strDevice);
}

void CPrintDialog::ReleaseOwnedRecords()
{
	if (m_pd.hDevNames == m_hOwnedDevNames)
	{
		m_pd.hDevNames = nullptr;
	}
	if (m_pd.hDevMode == m_hOwnedDevMode)
	{
		m_pd.hDevMode = nullptr;
	}
	FreeUnlessKept(m_hOwnedDevNames);
	FreeUnlessKept(m_hOwnedDevMode);
}
