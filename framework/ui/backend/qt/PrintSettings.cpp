// Printer records on a QPrinter, and the choice of printer when there is none.
#include "framework/ui/backend/qt/PrintSettings.h"

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

QString ToQString(const CString& str)
{
	return QString::fromUtf8(static_cast<LPCTSTR>(str));
}

// The PDF printer is the one that writes PDF files; any other is a printer of the desktop.
CString DeviceOf(const QPrinter& printer)
{
	if (printer.outputFormat() == QPrinter::PdfFormat)
	{
		return PDF_PRINTER_NAME;
	}
	return CString(printer.printerName().toUtf8().constData());
}

}

CString PrintDefaultPrinterName()
{
	QString strName = QPrinterInfo::defaultPrinterName();
	if (strName.isEmpty())
	{
		QStringList names = QPrinterInfo::availablePrinterNames();
		if (names.isEmpty())
		{
			return PDF_PRINTER_NAME;
		}
		strName = names.first();
	}
	return CString(strName.toUtf8().constData());
}

bool PrintPrinterAvailable(const CString& strName)
{
	return strName == PDF_PRINTER_NAME || QPrinterInfo::availablePrinterNames().contains(ToQString(strName));
}

void PrintApplyRecords(QPrinter& printer, const CString& strDevice, HGLOBAL hDevMode)
{
	if (strDevice == PDF_PRINTER_NAME)
	{
		printer.setOutputFormat(QPrinter::PdfFormat);
		printer.setResolution(kPdfResolution);
		printer.setPageSize(QPageSize(QPageSize::A4));
		// A file has no edge the printer cannot reach: the printable area is the whole sheet.
		printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
	}
	else
	{
		printer.setPrinterName(ToQString(strDevice));
	}
	const DEVMODE* pMode = static_cast<const DEVMODE*>(GlobalLock(hDevMode));
	if (pMode == nullptr)
	{
		return;
	}
	if ((pMode->dmFields & DM_PAPERSIZE) != 0)
	{
		printer.setPageSize(QPageSize(PageSizeOf(pMode->dmPaperSize)));
	}
	if ((pMode->dmFields & DM_ORIENTATION) != 0)
	{
		printer.setPageOrientation(pMode->dmOrientation == DMORIENT_LANDSCAPE ? QPageLayout::Landscape : QPageLayout::Portrait);
	}
	if ((pMode->dmFields & DM_COPIES) != 0)
	{
		printer.setCopyCount(pMode->dmCopies > 0 ? pMode->dmCopies : 1);
	}
	if ((pMode->dmFields & DM_COLLATE) != 0)
	{
		printer.setCollateCopies(pMode->dmCollate == DMCOLLATE_TRUE);
	}
	GlobalUnlock(hDevMode);
}

HGLOBAL PrintDefaultDevNames(const CString& strDevice)
{
	return CreateDevNames(strDevice == PDF_PRINTER_NAME ? "pdf" : "cups", strDevice, "",
		strDevice == PrintDefaultPrinterName());
}

HGLOBAL PrintDefaultDevMode(const CString& strDevice)
{
	QPrinter printer(QPrinter::HighResolution);
	PrintApplyRecords(printer, strDevice, nullptr);
	return PrintMakeDevMode(printer);
}

HGLOBAL PrintMakeDevNames(const QPrinter& printer)
{
	return PrintDefaultDevNames(DeviceOf(printer));
}

HGLOBAL PrintMakeDevMode(const QPrinter& printer)
{
	CString strDevice = DeviceOf(printer);
	HGLOBAL hDevMode = CreateDevMode(strDevice,
		printer.pageLayout().orientation() == QPageLayout::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT,
		PaperOf(printer.pageLayout().pageSize().id()), static_cast<short>(printer.copyCount()));
	DEVMODE* pMode = static_cast<DEVMODE*>(GlobalLock(hDevMode));
	if (pMode != nullptr)
	{
		pMode->dmCollate = printer.collateCopies() ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
		GlobalUnlock(hDevMode);
	}
	return hDevMode;
}

CString PrintFallbackFolder()
{
	QString strFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
	if (strFolder.isEmpty() || !QDir(strFolder).exists())
	{
		strFolder = QDir::homePath();
	}
	return CString(strFolder.toUtf8().constData());
}
