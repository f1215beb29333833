// A QPrintDialog dressed as the Windows print and print set-up dialogs.
#include "framework/ui/backend/qt/PrintDialogQt.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/PrintSettings.h"
#include "framework/ui/backend/qt/QtModalOwner.h"
#include "framework/ui/window/Wnd.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>

namespace
{

// The framework names its PDF files itself, so the dialog's output file would do nothing. Qt
// shows that row again each time the dialog is shown: it goes when the dialog is polished, just
// before its first layout, or else once it shows.
class COutputFileHider : public QObject
{
public:
	explicit COutputFileHider(QPrintDialog& dialog)
		: QObject(&dialog)
		, m_dialog(dialog)
	{
		dialog.installEventFilter(this);
	}

protected:
	bool eventFilter(QObject* pObject, QEvent* pEvent) override
	{
		if (pObject == &m_dialog && (pEvent->type() == QEvent::Polish || pEvent->type() == QEvent::Show))
		{
			bool bHidden = false;
			for (const char* pszName : { "lOutput", "filename", "fileBrowser" })
			{
				QWidget* pWidget = m_dialog.findChild<QWidget*>(pszName);
				if (pWidget != nullptr && !pWidget->isHidden())
				{
					pWidget->hide();
					bHidden = true;
				}
			}
			if (bHidden && pEvent->type() == QEvent::Show)
			{
				m_dialog.adjustSize();
			}
		}
		return false;
	}

private:
	QPrintDialog& m_dialog;
};

// Setting up chooses a printer, and its paper and orientation under Properties, as the Windows
// print set-up does; the page range and copies belong to printing, so their options panel stays
// closed, and nothing is printed on the confirming button.
void ShowAsPrinterChooser(QPrintDialog& dialog)
{
	new COutputFileHider(dialog);
	QDialogButtonBox* pButtons = dialog.findChild<QDialogButtonBox*>();
	if (pButtons == nullptr)
	{
		return;
	}
	for (QAbstractButton* pButton : pButtons->buttons())
	{
		const QDialogButtonBox::StandardButton nButton = pButtons->standardButton(pButton);
		if (nButton == QDialogButtonBox::Ok)
		{
			pButton->setText("OK");
		}
		else if (nButton != QDialogButtonBox::Cancel)
		{
			pButton->hide();
		}
	}
}

}

PrintDialogAnswer ShowQtPrintDialog(CWnd* pOwner, const CString& strCaption, PRINTDLG& pd)
{
	QPrinter printer(QPrinter::HighResolution);
	PrintApplyRecords(printer, DevNamesDevice(pd.hDevNames), pd.hDevMode);
	bool bSetupOnly = (pd.Flags & PD_PRINTSETUP) != 0;
	// The dialog still checks the PDF output file it no longer shows when setting up: one in a
	// folder of its own passes, since no such file exists.
	QTemporaryDir setupFolder;
	if (bSetupOnly && printer.outputFormat() == QPrinter::PdfFormat && setupFolder.isValid())
	{
		printer.setOutputFileName(setupFolder.filePath("stampa.pdf"));
	}
	CQtModalOwner owner(pOwner);
	QPrintDialog dialog(&printer, owner.Widget());
	dialog.setWindowTitle(QString::fromUtf8(static_cast<LPCTSTR>(strCaption)));
	QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintShowPageSize;
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
	if (bSetupOnly)
	{
		ShowAsPrinterChooser(dialog);
	}
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
