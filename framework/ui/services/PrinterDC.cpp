// Printer DCs and the document calls, on the print jobs behind them.
#include "framework/ui/services/PrinterDC.h"

#include "framework/core/CommonDialogConstants.h"
#include "framework/ui/services/PrintJob.h"
#include "framework/ui/services/PrinterRecords.h"
#include "framework/ui/services/Printers.h"

IMPLEMENT_DYNAMIC(CPrinterDC, CDC)

HDC AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
	CString strDevice = hDevNames != nullptr ? DevNamesDevice(hDevNames) : PrintDefaultPrinterName();
	return PrintJobCreateDc(strDevice, hDevMode, DevNamesOutput(hDevNames));
}

int StartDoc(HDC hDC, const DOCINFO* lpDocInfo)
{
	CPrintJob* pJob = PrintJobOf(hDC);
	if (pJob == nullptr || lpDocInfo == nullptr)
	{
		return SP_ERROR;
	}
	return pJob->StartDoc(lpDocInfo->lpszDocName != nullptr ? lpDocInfo->lpszDocName : "",
		lpDocInfo->lpszOutput != nullptr ? lpDocInfo->lpszOutput : "");
}

int StartPage(HDC hDC)
{
	CPrintJob* pJob = PrintJobOf(hDC);
	return pJob != nullptr ? pJob->StartPage() : SP_ERROR;
}

int EndPage(HDC hDC)
{
	CPrintJob* pJob = PrintJobOf(hDC);
	return pJob != nullptr ? pJob->EndPage() : SP_ERROR;
}

int EndDoc(HDC hDC)
{
	CPrintJob* pJob = PrintJobOf(hDC);
	return pJob != nullptr ? pJob->EndDoc() : SP_ERROR;
}

int AbortDoc(HDC hDC)
{
	CPrintJob* pJob = PrintJobOf(hDC);
	return pJob != nullptr ? pJob->AbortDoc() : SP_ERROR;
}

BOOL CPrinterDC::CreatePrinterDC(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
	if (m_hDC != nullptr)
	{
		return FALSE;
	}
	HDC hDC = AfxCreateDC(hDevNames, hDevMode);
	return hDC != nullptr && Attach(hDC);
}

int CPrinterDC::StartDoc(LPDOCINFO lpDocInfo)
{
	return ::StartDoc(m_hDC, lpDocInfo);
}

int CPrinterDC::StartDoc(LPCTSTR lpszDocName)
{
	DOCINFO info = { sizeof(DOCINFO), lpszDocName, nullptr, nullptr, 0 };
	return ::StartDoc(m_hDC, &info);
}

int CPrinterDC::StartPage()
{
	return ::StartPage(m_hDC);
}

int CPrinterDC::EndPage()
{
	return ::EndPage(m_hDC);
}

int CPrinterDC::EndDoc()
{
	return ::EndDoc(m_hDC);
}

int CPrinterDC::AbortDoc()
{
	return ::AbortDoc(m_hDC);
}

CString CPrinterDC::GetOutputFile() const
{
	CPrintJob* pJob = PrintJobOf(m_hDC);
	return pJob != nullptr ? pJob->OutputFile() : CString();
}
