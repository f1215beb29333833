// Printer DCs: pages recorded on a picture and played onto a QPrinter, and the table of live jobs.
#include "framework/ui/backend/qt/PrintJob.h"

#include "framework/core/CommonDialogConstants.h"
#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/backend/qt/PrintSettings.h"
#include "framework/ui/services/PdfFileName.h"
#include "framework/ui/services/PrinterRecords.h"
#include "framework/ui/window/ModalSeam.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <utility>
#include <vector>

namespace
{

typedef std::vector<std::pair<HDC, std::unique_ptr<PrintJob>>> JobTable;

// Never destroyed, like the table of DCs it follows.
JobTable& Jobs()
{
	static JobTable& table = *new JobTable;
	return table;
}

bool IsLive(const std::pair<HDC, std::unique_ptr<PrintJob>>& entry)
{
	return DcDevice(entry.first) == entry.second->PageDevice();
}

// A job lives as long as its DC, which may be deleted by any CDC; dead jobs go when the next one comes.
void RemoveDeadJobs()
{
	JobTable& jobs = Jobs();
	for (auto it = jobs.begin(); it != jobs.end();)
	{
		it = IsLive(*it) ? it + 1 : jobs.erase(it);
	}
}

int RoundToInt(qreal value)
{
	return static_cast<int>(std::lround(value));
}

QString ToQString(const CString& str)
{
	return QString::fromUtf8(static_cast<LPCTSTR>(str));
}

int s_nLastJobId = 0;

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

PrintJob::PrintJob(const CString& strDevice, HGLOBAL hDevMode)
	: m_printer(QPrinter::HighResolution)
	, m_page(m_printer)
	, m_pageDevice(&m_page)
	, m_bPdf(strDevice == PDF_PRINTER_NAME)
	, m_bInPage(false)
	, m_nPages(0)
{
	PrintApplyRecords(m_printer, strDevice, hDevMode);
}

PrintJob::~PrintJob()
{
	if (m_painter.isActive())
	{
		AbortDoc();
	}
}

CQtPaintDevice* PrintJob::PageDevice()
{
	return &m_pageDevice;
}

int PrintJob::StartDoc(const CString& strDocName, const CString& strOutput)
{
	if (m_painter.isActive())
	{
		return SP_ERROR;
	}
	m_printer.setDocName(ToQString(strDocName));
	m_strOutput = strOutput;
	if (m_strOutput.IsEmpty() && m_bPdf)
	{
		m_strOutput = UniquePdfPath(PrintFallbackFolder(), strDocName,
			[](const CString& strPath) { return QFileInfo::exists(ToQString(strPath)); });
	}
	m_printer.setOutputFileName(ToQString(m_strOutput));
	m_nPages = 0;
	m_bInPage = false;
	if (!m_painter.begin(&m_printer))
	{
		m_strOutput.Empty();
		return SP_ERROR;
	}
	return ++s_nLastJobId;
}

int PrintJob::StartPage()
{
	if (!m_painter.isActive() || m_bInPage)
	{
		return SP_ERROR;
	}
	// What was drawn before the page started is not printed.
	m_pageDevice.EndPainting();
	QPicture blank;
	m_page.swap(blank);
	m_bInPage = true;
	return 1;
}

int PrintJob::EndPage()
{
	if (!m_painter.isActive() || !m_bInPage)
	{
		return SP_ERROR;
	}
	m_pageDevice.EndPainting();
	if (m_nPages > 0 && !m_printer.newPage())
	{
		return SP_ERROR;
	}
	// A picture plays back scaled from the screen's resolution to the device's; the page was
	// recorded in printer pixels already.
	QPicture screenPicture;
	m_painter.save();
	m_painter.scale(qreal(screenPicture.logicalDpiX()) / m_printer.logicalDpiX(),
		qreal(screenPicture.logicalDpiY()) / m_printer.logicalDpiY());
	m_painter.drawPicture(0, 0, m_page);
	m_painter.restore();
	QPicture blank;
	m_page.swap(blank);
	++m_nPages;
	m_bInPage = false;
	return 1;
}

int PrintJob::EndDoc()
{
	if (!m_painter.isActive())
	{
		return SP_ERROR;
	}
	if (m_bInPage && EndPage() == SP_ERROR)
	{
		AbortDoc();
		return SP_ERROR;
	}
	if (m_nPages == 0)
	{
		// Nothing was printed: no empty sheet, no file.
		AbortDoc();
		return 1;
	}
	m_painter.end();
	if (m_bPdf)
	{
		CString strText = "Non è installata alcuna stampante: il documento è stato salvato nel file\n" + m_strOutput;
		AfxMessageBox(strText, MB_OK | MB_ICONINFORMATION);
	}
	return 1;
}

int PrintJob::AbortDoc()
{
	if (!m_painter.isActive())
	{
		return SP_ERROR;
	}
	m_printer.abort();
	m_painter.end();
	m_bInPage = false;
	RemoveOutput();
	return 1;
}

const CString& PrintJob::OutputFile() const
{
	return m_strOutput;
}

void PrintJob::RemoveOutput()
{
	if (!m_strOutput.IsEmpty())
	{
		QFile::remove(ToQString(m_strOutput));
		m_strOutput.Empty();
	}
}

HDC PrintJobCreateDc(const CString& strDevice, HGLOBAL hDevMode)
{
	if (!PrintPrinterAvailable(strDevice))
	{
		return nullptr;
	}
	RemoveDeadJobs();
	auto pJob = std::make_unique<PrintJob>(strDevice, hDevMode);
	CDC dc;
	AttachDcToSurface(dc, pJob->PageDevice(), nullptr);
	HDC hDC = dc.Detach();
	Jobs().emplace_back(hDC, std::move(pJob));
	return hDC;
}

PrintJob* PrintJobOf(HDC hDC)
{
	for (auto& entry : Jobs())
	{
		if (entry.first == hDC && IsLive(entry))
		{
			return entry.second.get();
		}
	}
	return nullptr;
}
