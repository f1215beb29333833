// The default printer and the records of printers, on what the driver knows of them.
#include "framework/ui/services/Printers.h"

#include "framework/ui/services/PrinterRecords.h"

CString PrintDefaultPrinterName()
{
	CString strName = AfxGetDriver().DefaultPrinterName();
	return strName.IsEmpty() ? CString(PDF_PRINTER_NAME) : strName;
}

bool PrintPrinterAvailable(const CString& strName)
{
	return strName == PDF_PRINTER_NAME || AfxGetDriver().IsPrinterInstalled(strName);
}

HGLOBAL PrintDefaultDevNames(const CString& strDevice, const CString& strOutputFile)
{
	return CreateDevNames(strDevice == PDF_PRINTER_NAME ? "pdf" : "cups", strDevice, strOutputFile,
		strDevice == PrintDefaultPrinterName());
}

HGLOBAL PrintDefaultDevMode(const CString& strDevice)
{
	return DevModeOfSetup(AfxGetDriver().DefaultPrinterSetup(strDevice));
}

PrinterSetup PrinterSetupOf(const CString& strDevice, HGLOBAL hDevMode)
{
	PrinterSetup setup = { strDevice, 0, DMORIENT_PORTRAIT, DMPAPER_A4, 1, true };
	const DEVMODE* pMode = static_cast<const DEVMODE*>(GlobalLock(hDevMode));
	if (pMode == nullptr)
	{
		return setup;
	}
	setup.dwFields = pMode->dmFields & (DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_COLLATE);
	setup.nOrientation = pMode->dmOrientation;
	setup.nPaperSize = pMode->dmPaperSize;
	setup.nCopies = pMode->dmCopies > 0 ? pMode->dmCopies : 1;
	setup.bCollate = pMode->dmCollate == DMCOLLATE_TRUE;
	GlobalUnlock(hDevMode);
	return setup;
}

HGLOBAL DevModeOfSetup(const PrinterSetup& setup)
{
	HGLOBAL hDevMode = CreateDevMode(setup.strDevice, setup.nOrientation, setup.nPaperSize, setup.nCopies);
	DEVMODE* pMode = static_cast<DEVMODE*>(GlobalLock(hDevMode));
	if (pMode != nullptr)
	{
		pMode->dmCollate = setup.bCollate ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
		GlobalUnlock(hDevMode);
	}
	return hDevMode;
}
