// The device behind a printer DC: the DC draws each page into a recording with the printer's
// metrics, and EndPage plays that recording onto the printer. Drawing outside a page is dropped,
// as on Windows, and no document reaches the printer before StartDoc.
#pragma once

#include "framework/core/GlobalMemory.h"
#include "framework/core/Handles.h"
#include "framework/core/String.h"
#include "framework/ui/backend/qt/DcBackend.h"
#include "framework/ui/backend/qt/QtPaintDevice.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>

#include <memory>

class PrintPage : public QPicture, public PrinterPaper
{
public:
	explicit PrintPage(const QPrinter& printer);

	int PhysicalCaps(int nIndex) const override;

protected:
	int metric(PaintDeviceMetric metric) const override;

private:
	const QPrinter& m_printer;
};

class PrintJob
{
public:
	// A job on the named printer (PDF_PRINTER_NAME for a PDF file) with the settings of hDevMode.
	PrintJob(const CString& strDevice, HGLOBAL hDevMode);
	// A document left open is abandoned.
	~PrintJob();

	PrintJob(const PrintJob&) = delete;
	PrintJob& operator=(const PrintJob&) = delete;

	// The device printer DCs draw on: the page being recorded.
	CQtPaintDevice* PageDevice();
	// The results are those of the Windows calls: a job number or a positive value, SP_ERROR on failure.
	// strOutput, when not empty, is a file to print to.
	int StartDoc(const CString& strDocName, const CString& strOutput);
	int StartPage();
	int EndPage();
	int EndDoc();
	int AbortDoc();
	// The file the document went to, when it went to a file.
	const CString& OutputFile() const;

private:
	void RemoveOutput();

	QPrinter m_printer;
	PrintPage m_page;
	CQtPaintDevice m_pageDevice;
	QPainter m_painter;
	bool m_bPdf;
	bool m_bInPage;
	int m_nPages;
	CString m_strOutput;
};

// A DC drawing on the job's pages; the job ends once the DC is deleted. Null when the printer is missing.
HDC PrintJobCreateDc(const CString& strDevice, HGLOBAL hDevMode);
// The job of a printer DC; null for other DCs.
PrintJob* PrintJobOf(HDC hDC);
