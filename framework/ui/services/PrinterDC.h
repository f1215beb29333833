// Printer DCs: a CDC on a printer (or on a PDF file when no printer is installed) and the
// document and page calls that frame what it prints.
#pragma once

#include "framework/core/GlobalMemory.h"
#include "framework/ui/gdi/Dc.h"

struct DOCINFO
{
	int cbSize;
	LPCTSTR lpszDocName;
	LPCTSTR lpszOutput;	// a file to print to; null for the DC's own output
	LPCTSTR lpszDatatype;
	DWORD fwType;
};

typedef DOCINFO* LPDOCINFO;

// A DC on the printer hDevNames names, set up as hDevMode says, printing to the file that is its
// output when there is one; the default printer when hDevNames is null. Null when that printer is
// not installed. Delete it with DeleteDC.
HDC AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode);

// The Windows printing calls: a job number or a positive value on success, SP_ERROR otherwise.
// StartDoc's lpszOutput, when given, replaces the DC's file. EndDoc tells the user which file the
// document went to, and that no printer is installed when the framework named a PDF file for it.
int StartDoc(HDC hDC, const DOCINFO* lpDocInfo);
int StartPage(HDC hDC);
int EndPage(HDC hDC);
int EndDoc(HDC hDC);
int AbortDoc(HDC hDC);

class CPrinterDC : public CDC
{
	DECLARE_DYNAMIC(CPrinterDC)

public:
	BOOL CreatePrinterDC(HGLOBAL hDevNames, HGLOBAL hDevMode);

	int StartDoc(LPDOCINFO lpDocInfo);
	int StartDoc(LPCTSTR lpszDocName);
	int StartPage();
	int EndPage();
	int EndDoc();
	int AbortDoc();
	// The file the current or last document went to, when it went to a file; empty otherwise.
	CString GetOutputFile() const;
};
