// A QPrintDialog dressed as the Windows print and print set-up dialogs.
#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/QtText.h"
#include "framework/ui/backend/qt/services/PrinterSettings.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace
{

// Setting up chooses a printer, not a file, so the dialog's output file would do nothing. Qt
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

// The file an accepted dialog prints to, or empty. Where a file is the only choice, a name the user
// left as the dialog proposed it is no choice and the framework names the file, unless a file of
// that name exists: the dialog then asked before replacing it, and the user said yes. A folder is
// never the answer; Qt accepts one when the dialog is closed without its button.
QString ChosenOutputFile(const QPrinter& printer, const QString& strProposed)
{
	const QString strFile = printer.outputFileName();
	if (printer.outputFormat() != QPrinter::PdfFormat || strFile.isEmpty() || QFileInfo(strFile).isDir())
	{
		return QString();
	}
	const bool bOnlyChoice = QPrinterInfo::availablePrinterNames().isEmpty();
	if (bOnlyChoice && strFile == strProposed && !QFileInfo(strFile).isFile())
	{
		return QString();
	}
	return strFile;
}

}

bool CQtDriver::ShowPrintDialog(HWND hOwner, NativePrintDialog& request)
{
	QPrinter printer(QPrinter::HighResolution);
	ApplyPrinterSetup(printer, request.printer);
	// The dialog still checks the PDF output file it no longer shows when setting up: one in a
	// folder of its own passes, since no such file exists.
	QTemporaryDir setupFolder;
	if (request.bSetupOnly && printer.outputFormat() == QPrinter::PdfFormat && setupFolder.isValid())
	{
		printer.setOutputFileName(setupFolder.filePath("stampa.pdf"));
	}
	QPrintDialog dialog(&printer, NativeWidget(hOwner));
	dialog.setWindowTitle(ToQString(request.strCaption));
	QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintShowPageSize;
	if (request.bOfferSelection)
	{
		options |= QAbstractPrintDialog::PrintSelection;
	}
	if (request.bOfferPages)
	{
		options |= QAbstractPrintDialog::PrintPageRange;
		dialog.setMinMax(request.nMinPage, request.nMaxPage);
		if (request.nRange == PrintRange::Pages)
		{
			printer.setFromTo(request.nFromPage, request.nToPage);
			dialog.setPrintRange(QAbstractPrintDialog::PageRange);
		}
	}
	if (!request.bSetupOnly)
	{
		options |= QAbstractPrintDialog::PrintCollateCopies;
	}
	if (request.bOfferFile)
	{
		options |= QAbstractPrintDialog::PrintToFile;
	}
	dialog.setOptions(options);
	if (request.bSetupOnly)
	{
		ShowAsPrinterChooser(dialog);
	}
	// Qt proposes its output file as it builds the dialog.
	const QLineEdit* pOutputFile = dialog.findChild<QLineEdit*>("filename");
	const QString strProposed = pOutputFile != nullptr ? pOutputFile->text() : QString();
	if (dialog.exec() != QDialog::Accepted)
	{
		return false;
	}
	request.nRange = PrintRange::All;
	if (dialog.printRange() == QAbstractPrintDialog::PageRange)
	{
		request.nRange = PrintRange::Pages;
		request.nFromPage = printer.fromPage();
		request.nToPage = printer.toPage();
	}
	else if (dialog.printRange() == QAbstractPrintDialog::Selection)
	{
		request.nRange = PrintRange::Selection;
	}
	request.printer = SetupOfPrinter(printer);
	request.strOutputFile = request.bSetupOnly || !request.bOfferFile ? CString()
		: FromQString(ChosenOutputFile(printer, strProposed));
	return true;
}
