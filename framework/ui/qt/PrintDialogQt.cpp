// A QPrintDialog dressed as the Windows print and print set-up dialogs.
#include "framework/ui/qt/PrintDialogQt.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/qt/PrintSettings.h"
#include "framework/ui/qt/QtModalOwner.h"
#include "framework/ui/qt/ServiceTranslation.h"
#include "framework/ui/window/Wnd.h"

#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

PrintDialogAnswer ShowQtPrintDialog(CWnd* pOwner, const CString& strCaption, PRINTDLG& pd)
{
	LoadQtItalianTranslation();
	QPrinter printer(QPrinter::HighResolution);
	PrintApplyRecords(printer, DevNamesDevice(pd.hDevNames), pd.hDevMode);
	CQtModalOwner owner(pOwner);
	QPrintDialog dialog(&printer, owner.Widget());
	dialog.setWindowTitle(QString::fromUtf8(static_cast<LPCTSTR>(strCaption)));
	QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintShowPageSize;
	bool bSetupOnly = (pd.Flags & PD_PRINTSETUP) != 0;
	if (!bSetupOnly && (pd.Flags & PD_NOSELECTION) == 0)
	{
		options |= QAbstractPrintDialog::PrintSelection;
	}
	if (!bSetupOnly && (pd.Flags & PD_NOPAGENUMS) == 0)
	{
		options |= QAbstractPrintDialog::PrintPageRange;
		dialog.setMinMax(pd.nMinPage, pd.nMaxPage);
		if ((pd.Flags & PD_PAGENUMS) != 0)
		{
			printer.setFromTo(pd.nFromPage, pd.nToPage);
			dialog.setPrintRange(QAbstractPrintDialog::PageRange);
		}
	}
	if (!bSetupOnly)
	{
		options |= QAbstractPrintDialog::PrintCollateCopies;
	}
	// Without a printer the PDF file is the only choice, so the dialog must offer it.
	if ((pd.Flags & (PD_HIDEPRINTTOFILE | PD_DISABLEPRINTTOFILE)) == 0 || PrintDefaultPrinterName() == PDF_PRINTER_NAME)
	{
		options |= QAbstractPrintDialog::PrintToFile;
	}
	dialog.setOptions(options);
	int nQtResult = dialog.exec();
	if (nQtResult != QDialog::Accepted)
	{
		return { IDCANCEL, nullptr, nullptr };
	}
	pd.Flags &= ~(PD_PAGENUMS | PD_SELECTION);
	if (dialog.printRange() == QAbstractPrintDialog::PageRange)
	{
		pd.Flags |= PD_PAGENUMS;
		pd.nFromPage = static_cast<WORD>(std::max(printer.fromPage(), 1));
		pd.nToPage = static_cast<WORD>(std::max(printer.toPage(), printer.fromPage()));
	}
	else if (dialog.printRange() == QAbstractPrintDialog::Selection)
	{
		pd.Flags |= PD_SELECTION;
	}
	HGLOBAL hDevMode = PrintMakeDevMode(printer);
	if ((pd.Flags & PD_USEDEVMODECOPIES) == 0)
	{
		// The program makes the copies itself: the printer prints one.
		pd.nCopies = static_cast<WORD>(printer.copyCount());
		static_cast<DEVMODE*>(GlobalLock(hDevMode))->dmCopies = 1;
	}
	// An accepted dialog may name a folder as the PDF file: the framework names PDF files itself.
	return { IDOK, PrintMakeDevNames(printer), hDevMode };
}
