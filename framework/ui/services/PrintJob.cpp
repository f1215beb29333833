// Print jobs as the Windows printing calls see them, and the table of live jobs by their DCs.
#include "framework/ui/services/PrintJob.h"

#include "framework/core/CommonDialogConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/DcAttach.h"
#include "framework/ui/services/PdfFileName.h"
#include "framework/ui/services/PrinterRecords.h"
#include "framework/ui/services/Printers.h"
#include "framework/ui/window/ModalSeam.h"

#include <cstdio>
#include <utility>
#include <vector>

#include <sys/stat.h>

namespace
{

typedef std::vector<std::pair<HDC, std::unique_ptr<CPrintJob>>> JobTable;

// Never destroyed, like the table of DCs it follows.
JobTable& Jobs()
{
	static JobTable& table = *new JobTable;
	return table;
}

// A job lives as long as its DC, which may be deleted by any CDC; dead jobs go when the next one comes.
void RemoveDeadJobs()
{
	JobTable& jobs = Jobs();
	for (auto it = jobs.begin(); it != jobs.end();)
	{
		it = it->second->IsDrawnBy(it->first) ? it + 1 : jobs.erase(it);
	}
}

bool Exists(const CString& strPath)
{
	struct stat info;
	return stat(strPath, &info) == 0;
}

int s_nLastJobId = 0;

}

CPrintJob::CPrintJob(const CString& strDevice, HGLOBAL hDevMode, const CString& strOutputFile)
	: m_pNative(AfxGetDriver().CreatePrintJob(PrinterSetupOf(strDevice, hDevMode)))
	, m_bPdf(strDevice == PDF_PRINTER_NAME)
	, m_strOutputFile(strOutputFile)
	, m_bNamedPdf(false)
	, m_bInDoc(false)
	, m_bInPage(false)
	, m_nPages(0)
{
}

CPrintJob::~CPrintJob()
{
	if (m_bInDoc)
	{
		AbortDoc();
	}
}

CPaintDevice* CPrintJob::Page()
{
	return AfxGetDriver().PrintJobPage(m_pNative.get());
}

bool CPrintJob::IsDrawnBy(HDC hDC)
{
	return AfxGetDriver().IsPrintJobDc(m_pNative.get(), hDC);
}

int CPrintJob::StartDoc(const CString& strDocName, const CString& strOutput)
{
	if (m_bInDoc)
	{
		return SP_ERROR;
	}
	m_strOutput = strOutput.IsEmpty() ? m_strOutputFile : strOutput;
	// Only a file nobody chose gets a name of its own; a chosen one is replaced, as the user agreed.
	m_bNamedPdf = m_strOutput.IsEmpty() && m_bPdf;
	if (m_bNamedPdf)
	{
		m_strOutput = UniquePdfPath(AfxGetDriver().DocumentsFolder(), strDocName, Exists);
	}
	m_nPages = 0;
	m_bInPage = false;
	if (!AfxGetDriver().BeginPrintDocument(m_pNative.get(), strDocName, m_strOutput))
	{
		m_strOutput.Empty();
		return SP_ERROR;
	}
	m_bInDoc = true;
	return ++s_nLastJobId;
}

int CPrintJob::StartPage()
{
	if (!m_bInDoc || m_bInPage)
	{
		return SP_ERROR;
	}
	// What was drawn before the page started is not printed.
	if (!AfxGetDriver().BeginPrintPage(m_pNative.get(), m_nPages > 0))
	{
		return SP_ERROR;
	}
	m_bInPage = true;
	return 1;
}

int CPrintJob::EndPage()
{
	if (!m_bInDoc || !m_bInPage)
	{
		return SP_ERROR;
	}
	AfxGetDriver().EndPrintPage(m_pNative.get());
	++m_nPages;
	m_bInPage = false;
	return 1;
}

int CPrintJob::EndDoc()
{
	if (!m_bInDoc)
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
	AfxGetDriver().EndPrintDocument(m_pNative.get());
	m_bInDoc = false;
	if (m_bNamedPdf)
	{
		AfxMessageBox("Non è installata alcuna stampante: il documento è stato salvato nel file\n" + m_strOutput,
			MB_OK | MB_ICONINFORMATION);
	}
	else if (!m_strOutput.IsEmpty())
	{
		AfxMessageBox("Il documento è stato salvato nel file\n" + m_strOutput, MB_OK | MB_ICONINFORMATION);
	}
	return 1;
}

int CPrintJob::AbortDoc()
{
	if (!m_bInDoc)
	{
		return SP_ERROR;
	}
	AfxGetDriver().AbortPrintDocument(m_pNative.get());
	m_bInDoc = false;
	m_bInPage = false;
	RemoveOutput();
	return 1;
}

const CString& CPrintJob::OutputFile() const
{
	return m_strOutput;
}

void CPrintJob::RemoveOutput()
{
	if (!m_strOutput.IsEmpty())
	{
		std::remove(m_strOutput);
		m_strOutput.Empty();
	}
}

HDC PrintJobCreateDc(const CString& strDevice, HGLOBAL hDevMode, const CString& strOutputFile)
{
	if (!PrintPrinterAvailable(strDevice))
	{
		return nullptr;
	}
	RemoveDeadJobs();
	auto pJob = std::make_unique<CPrintJob>(strDevice, hDevMode, strOutputFile);
	CDC dc;
	AttachDcToSurface(dc, pJob->Page(), nullptr);
	HDC hDC = dc.Detach();
	Jobs().emplace_back(hDC, std::move(pJob));
	return hDC;
}

CPrintJob* PrintJobOf(HDC hDC)
{
	for (auto& entry : Jobs())
	{
		if (entry.first == hDC && entry.second->IsDrawnBy(hDC))
		{
			return entry.second.get();
		}
	}
	return nullptr;
}
