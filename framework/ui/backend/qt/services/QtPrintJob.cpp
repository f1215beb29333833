// Print jobs on Qt: pages drawn straight onto a QPrinter's sheets, and what is drawn outside a
// page recorded on a picture nobody plays.
#include "framework/core/GdiConstants.h"
#include "framework/ui/backend/qt/DcBackend.h"
#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/QtPaintDevice.h"
#include "framework/ui/backend/qt/QtText.h"
#include "framework/ui/backend/qt/services/PrinterSettings.h"
#include "framework/ui/gdi/DcAttach.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>

#include <cmath>

namespace
{

// The page's measures are the printer's; GetDeviceCaps asks it for the whole sheet too. What is
// drawn outside a page is recorded on it and dropped.
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

class CQtPrintJob : public CNativePrintJob
{
public:
	explicit CQtPrintJob(const PrinterSetup& setup);

	CQtPrintJob(const CQtPrintJob&) = delete;
	CQtPrintJob& operator=(const CQtPrintJob&) = delete;

	QPrinter m_printer;
	PrintPage m_page;
	CQtPaintDevice m_pageDevice;
	QPainter m_painter;
};

int RoundToInt(qreal value)
{
	return static_cast<int>(std::lround(value));
}

CQtPrintJob* JobOf(CNativePrintJob* pJob)
{
	return static_cast<CQtPrintJob*>(pJob);
}

PrintPage::PrintPage(const QPrinter& printer)
	: m_printer(printer)
{
}

int PrintPage::PhysicalCaps(int nIndex) const
{
	QRectF rcPaper = m_printer.paperRect(QPrinter::DevicePixel);
	QRectF rcPage = m_printer.pageRect(QPrinter::DevicePixel);
	switch (nIndex)
	{
	case PHYSICALWIDTH:
		return RoundToInt(rcPaper.width());
	case PHYSICALHEIGHT:
		return RoundToInt(rcPaper.height());
	case PHYSICALOFFSETX:
		return RoundToInt(rcPage.left() - rcPaper.left());
	case PHYSICALOFFSETY:
		return RoundToInt(rcPage.top() - rcPaper.top());
	default:
		return 0;
	}
}

int PrintPage::metric(PaintDeviceMetric metric) const
{
	switch (metric)
	{
	case PdmWidth:
		return m_printer.width();
	case PdmHeight:
		return m_printer.height();
	case PdmWidthMM:
		return m_printer.widthMM();
	case PdmHeightMM:
		return m_printer.heightMM();
	case PdmNumColors:
		return m_printer.colorCount();
	case PdmDepth:
		return m_printer.depth();
	case PdmDpiX:
		return m_printer.logicalDpiX();
	case PdmDpiY:
		return m_printer.logicalDpiY();
	case PdmPhysicalDpiX:
		return m_printer.physicalDpiX();
	case PdmPhysicalDpiY:
		return m_printer.physicalDpiY();
	case PdmDevicePixelRatio:
		return RoundToInt(m_printer.devicePixelRatio());
	case PdmDevicePixelRatioScaled:
		return RoundToInt(m_printer.devicePixelRatio() * devicePixelRatioFScale());
	default:
		return QPicture::metric(metric);
	}
}

CQtPrintJob::CQtPrintJob(const PrinterSetup& setup)
	: m_printer(QPrinter::HighResolution)
	, m_page(m_printer)
	, m_pageDevice(&m_page)
{
	ApplyPrinterSetup(m_printer, setup);
}

}

CNativePrintJob* CQtDriver::CreatePrintJob(const PrinterSetup& setup)
{
	return new CQtPrintJob(setup);
}

CPaintDevice* CQtDriver::PrintJobPage(CNativePrintJob* pJob)
{
	return &JobOf(pJob)->m_pageDevice;
}

bool CQtDriver::IsPrintJobDc(CNativePrintJob* pJob, HDC hDC)
{
	return DcDevice(hDC) == &JobOf(pJob)->m_pageDevice;
}

bool CQtDriver::BeginPrintDocument(CNativePrintJob* pJob, const CString& strDocName, const CString& strOutput)
{
	CQtPrintJob* pQtJob = JobOf(pJob);
	pQtJob->m_printer.setDocName(ToQString(strDocName));
	pQtJob->m_printer.setOutputFileName(ToQString(strOutput));
	return pQtJob->m_painter.begin(&pQtJob->m_printer);
}

bool CQtDriver::BeginPrintPage(CNativePrintJob* pJob, bool bNewSheet)
{
	CQtPrintJob* pQtJob = JobOf(pJob);
	pQtJob->m_pageDevice.EndPainting();
	QPicture blank;
	pQtJob->m_page.swap(blank);
	// The page goes straight onto its sheet: recording it to play it back at its end would cost
	// more than drawing it.
	if (bNewSheet && !pQtJob->m_printer.newPage())
		return false;
	pQtJob->m_pageDevice.PaintThrough(&pQtJob->m_painter);
	return true;
}

void CQtDriver::EndPrintPage(CNativePrintJob* pJob)
{
	JobOf(pJob)->m_pageDevice.PaintThrough(nullptr);
}

void CQtDriver::EndPrintDocument(CNativePrintJob* pJob)
{
	JobOf(pJob)->m_painter.end();
}

void CQtDriver::AbortPrintDocument(CNativePrintJob* pJob)
{
	CQtPrintJob* pQtJob = JobOf(pJob);
	pQtJob->m_pageDevice.PaintThrough(nullptr);
	pQtJob->m_printer.abort();
	pQtJob->m_painter.end();
}
