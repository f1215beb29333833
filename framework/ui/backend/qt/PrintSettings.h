// The printers Qt knows, and the framework's printer records (DEVNAMES, DEVMODE) put onto a
// QPrinter and read back from it.
#pragma once

#include "framework/core/GlobalMemory.h"
#include "framework/core/String.h"

class QPrinter;

// The desktop's default printer, else the first one installed, else the PDF printer.
CString PrintDefaultPrinterName();
// The PDF printer is always there; other names must be installed printers.
bool PrintPrinterAvailable(const CString& strName);
// Points printer at the named printer (the PDF printer: PDF output at 600 dpi, no margins) with
// the orientation, paper and copies of hDevMode, or the printer's own defaults when it is null.
void PrintApplyRecords(QPrinter& printer, const CString& strDevice, HGLOBAL hDevMode);
// New records of the named printer with its own defaults; the caller owns them.
HGLOBAL PrintDefaultDevNames(const CString& strDevice);
HGLOBAL PrintDefaultDevMode(const CString& strDevice);
// New records of what printer is set to; the caller owns them.
HGLOBAL PrintMakeDevNames(const QPrinter& printer);
HGLOBAL PrintMakeDevMode(const QPrinter& printer);
// Where PDF documents go: the user's documents folder when it exists, else the home folder.
CString PrintFallbackFolder();
