// The printer records a print dialog fills: which printer (DEVNAMES) and how it prints (DEVMODE),
// each in an HGLOBAL block as on Windows, and the helpers that make and read them.
#pragma once

#include "framework/core/CommonDialogConstants.h"
#include "framework/core/GlobalMemory.h"
#include "framework/core/String.h"

// With no printer installed, documents go to a PDF file through this printer.
constexpr LPCTSTR PDF_PRINTER_NAME = "PDF";

// Followed in its block by the three texts; the offsets count characters from the record's start.
struct DEVNAMES
{
	WORD wDriverOffset;
	WORD wDeviceOffset;
	WORD wOutputOffset;
	WORD wDefault;	// DN_DEFAULTPRN when the record names the default printer
};

constexpr WORD DN_DEFAULTPRN = 0x0001;

// The part of the Windows device mode the framework honours.
struct DEVMODE
{
	char dmDeviceName[CCHDEVICENAME];
	WORD dmSize;
	DWORD dmFields;	// DM_ORIENTATION, DM_PAPERSIZE, DM_COPIES, DM_COLLATE
	short dmOrientation;
	short dmPaperSize;
	short dmCopies;
	short dmCollate;
};

typedef DEVMODE* LPDEVMODE;
typedef DEVNAMES* LPDEVNAMES;

HGLOBAL CreateDevNames(LPCTSTR lpszDriver, LPCTSTR lpszDevice, LPCTSTR lpszOutput, BOOL bDefault);
// Empty texts for a null handle.
CString DevNamesDriver(HGLOBAL hDevNames);
CString DevNamesDevice(HGLOBAL hDevNames);
CString DevNamesOutput(HGLOBAL hDevNames);
HGLOBAL CreateDevMode(LPCTSTR lpszDevice, short nOrientation, short nPaperSize, short nCopies);
// A block with the same bytes; null for null.
HGLOBAL CopyGlobal(HGLOBAL hMem);
