// What the print dialog offers, and its answer in a PRINTDLG and new printer records.
#include "framework/ui/services/PrintDialogRules.h"

#include "framework/ui/services/Printers.h"

#include <algorithm>

NativePrintDialog PrintDialogOffer(const PRINTDLG& pd, const CString& strCaption, bool bOnlyPdf)
{
	NativePrintDialog dialog = {};
	dialog.strCaption = strCaption;
	dialog.bSetupOnly = (pd.Flags & PD_PRINTSETUP) != 0;
	dialog.printer = PrinterSetupOf(DevNamesDevice(pd.hDevNames), pd.hDevMode);
	dialog.bOfferSelection = !dialog.bSetupOnly && (pd.Flags & PD_NOSELECTION) == 0;
	dialog.bOfferPages = !dialog.bSetupOnly && (pd.Flags & PD_NOPAGENUMS) == 0;
	dialog.bOfferFile = (pd.Flags & (PD_HIDEPRINTTOFILE | PD_DISABLEPRINTTOFILE)) == 0 || bOnlyPdf;
	dialog.nMinPage = pd.nMinPage;
	dialog.nMaxPage = pd.nMaxPage;
	dialog.nRange = dialog.bOfferPages && (pd.Flags & PD_PAGENUMS) != 0 ? PrintRange::Pages : PrintRange::All;
	dialog.nFromPage = pd.nFromPage;
	dialog.nToPage = pd.nToPage;
	return dialog;
}

PrintDialogRecords TakePrintDialogAnswer(const NativePrintDialog& dialog, PRINTDLG& pd)
{
	pd.Flags &= ~(PD_PAGENUMS | PD_SELECTION);
	if (dialog.nRange == PrintRange::Pages)
	{
		pd.Flags |= PD_PAGENUMS;
		pd.nFromPage = static_cast<WORD>(std::max(dialog.nFromPage, 1));
		pd.nToPage = static_cast<WORD>(std::max(dialog.nToPage, dialog.nFromPage));
	}
	else if (dialog.nRange == PrintRange::Selection)
	{
		pd.Flags |= PD_SELECTION;
	}
	// A file to print to is the output of the printer's record, as the port is on Windows.
	if (dialog.strOutputFile.IsEmpty())
	{
		pd.Flags &= ~PD_PRINTTOFILE;
	}
	else
	{
		pd.Flags |= PD_PRINTTOFILE;
	}
	PrinterSetup printer = dialog.printer;
	if ((pd.Flags & PD_USEDEVMODECOPIES) == 0)
	{
		pd.nCopies = static_cast<WORD>(printer.nCopies);
		printer.nCopies = 1;
	}
	return { PrintDefaultDevNames(printer.strDevice, dialog.strOutputFile), DevModeOfSetup(printer) };
}
