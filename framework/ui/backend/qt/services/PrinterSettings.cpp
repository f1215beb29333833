// Printer setups on a QPrinter, and the printers and folders Qt knows.
#include "framework/ui/backend/qt/services/PrinterSettings.h"

#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/QtText.h"
#include "framework/ui/services/PrinterRecords.h"

#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace
{

constexpr int kPdfResolution = 600;

struct PaperPair
{
	short nPaper;
	QPageSize::PageSizeId id;
};

const PaperPair s_papers[] = {
	{ DMPAPER_A4, QPageSize::A4 },
	{ DMPAPER_LETTER, QPageSize::Letter },
	{ DMPAPER_LEGAL, QPageSize::Legal },
	{ DMPAPER_A3, QPageSize::A3 },
	{ DMPAPER_A5, QPageSize::A5 },
};

QPageSize::PageSizeId PageSizeOf(short nPaper)
{
	for (const PaperPair& pair : s_papers)
	{
		if (pair.nPaper == nPaper)
		{
			return pair.id;
		}
	}
	return QPageSize::A4;
}

short PaperOf(QPageSize::PageSizeId id)
{
	for (const PaperPair& pair : s_papers)
	{
		if (pair.id == id)
		{
			return pair.nPaper;
		}
	}
	return DMPAPER_A4;
}

}

void ApplyPrinterSetup(QPrinter& printer, const PrinterSetup& setup)
{
	if (setup.strDevice == PDF_PRINTER_NAME)
	{
		printer.setOutputFormat(QPrinter::PdfFormat);
		printer.setResolution(kPdfResolution);
		printer.setPageSize(QPageSize(QPageSize::A4));
		// A file has no edge the printer cannot reach: the printable area is the whole sheet.
		printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
	}
	else
	{
		printer.setPrinterName(ToQString(setup.strDevice));
	}
	if ((setup.dwFields & DM_PAPERSIZE) != 0)
	{
		printer.setPageSize(QPageSize(PageSizeOf(setup.nPaperSize)));
	}
	if ((setup.dwFields & DM_ORIENTATION) != 0)
	{
		printer.setPageOrientation(setup.nOrientation == DMORIENT_LANDSCAPE ? QPageLayout::Landscape : QPageLayout::Portrait);
	}
	if ((setup.dwFields & DM_COPIES) != 0)
	{
		printer.setCopyCount(setup.nCopies);
	}
	if ((setup.dwFields & DM_COLLATE) != 0)
	{
		printer.setCollateCopies(setup.bCollate);
	}
}

PrinterSetup SetupOfPrinter(const QPrinter& printer)
{
	PrinterSetup setup = {};
	// The PDF printer is the one that writes PDF files; any other is a printer of the desktop.
	setup.strDevice = printer.outputFormat() == QPrinter::PdfFormat ? CString(PDF_PRINTER_NAME) : FromQString(printer.printerName());
	setup.dwFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_COLLATE;
	setup.nOrientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
	setup.nPaperSize = PaperOf(printer.pageLayout().pageSize().id());
	setup.nCopies = static_cast<short>(printer.copyCount());
	setup.bCollate = printer.collateCopies();
	return setup;
}

CString CQtDriver::DefaultPrinterName()
{
	QString strName = QPrinterInfo::defaultPrinterName();
	if (strName.isEmpty())
	{
		QStringList names = QPrinterInfo::availablePrinterNames();
		if (!names.isEmpty())
		{
			strName = names.first();
		}
	}
	return FromQString(strName);
}

bool CQtDriver::IsPrinterInstalled(const CString& strName)
{
	return QPrinterInfo::availablePrinterNames().contains(ToQString(strName));
}

PrinterSetup CQtDriver::DefaultPrinterSetup(const CString& strDevice)
{
	QPrinter printer(QPrinter::HighResolution);
	ApplyPrinterSetup(printer, PrinterSetup { strDevice, 0, DMORIENT_PORTRAIT, DMPAPER_A4, 1, true });
	return SetupOfPrinter(printer);
}

CString CQtDriver::DocumentsFolder()
{
	QString strFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
	if (strFolder.isEmpty() || !QDir(strFolder).exists())
	{
		strFolder = QDir::homePath();
	}
	return FromQString(strFolder);
}
