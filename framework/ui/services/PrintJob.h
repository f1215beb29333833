// A document printed through a printer DC: the driver's job with its page, the document and page
// calls as Windows answers them, and the file a document goes to: the one the user chose, else,
// when no printer is installed, a PDF file the framework names.
#pragma once

#include "framework/core/GlobalMemory.h"
#include "framework/core/Handles.h"
#include "framework/core/String.h"

#include <memory>

class CNativePrintJob;
class CPaintDevice;

class CPrintJob
{
public:
	// A job on the named printer (PDF_PRINTER_NAME for a PDF file) with the settings of hDevMode,
	// whose documents go to strOutputFile when it is not empty.
	CPrintJob(const CString& strDevice, HGLOBAL hDevMode, const CString& strOutputFile);
	// A document left open is abandoned.
	~CPrintJob();

	CPrintJob(const CPrintJob&) = delete;
	CPrintJob& operator=(const CPrintJob&) = delete;

	// What the job's DC draws on. Drawing outside a page is dropped, as on Windows.
	CPaintDevice* Page();
	// Whether hDC still draws on the job's page.
	bool IsDrawnBy(HDC hDC);
	// The results are those of the Windows calls: a job number or a positive value, SP_ERROR on
	// failure. strOutput, when not empty, is a file to print to in place of the job's own.
	int StartDoc(const CString& strDocName, const CString& strOutput);
	int StartPage();
	int EndPage();
	int EndDoc();
	int AbortDoc();
	// The file the document went to, when it went to a file.
	const CString& OutputFile() const;

private:
	void RemoveOutput();

	std::unique_ptr<CNativePrintJob> m_pNative;
	bool m_bPdf;
	CString m_strOutputFile;
	// The document went to a file named by the framework, since no printer is installed.
	bool m_bNamedPdf;
	bool m_bInDoc;
	bool m_bInPage;
	int m_nPages;
	CString m_strOutput;
};

// A DC drawing on a new job's pages, printing to strOutputFile when it is not empty; the job ends
// once the DC is deleted. Null when the printer is not installed.
HDC PrintJobCreateDc(const CString& strDevice, HGLOBAL hDevMode, const CString& strOutputFile);
// The job of a printer DC; null for other DCs.
CPrintJob* PrintJobOf(HDC hDC);
