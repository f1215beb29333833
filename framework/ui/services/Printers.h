// The printers as the framework names them: the default one (the PDF printer when the desktop has
// none), their records with the printer's own settings, and a DEVMODE as the driver takes it.
#pragma once

#include "framework/core/GlobalMemory.h"
#include "framework/core/String.h"
#include "framework/ui/backend/Driver.h"

// The desktop's default printer, else the first one installed, else the PDF printer.
CString PrintDefaultPrinterName();
// The PDF printer is always there; other names must be installed printers.
bool PrintPrinterAvailable(const CString& strName);
// New records of the named printer with its own settings, printing to strOutputFile when it is not
// empty; the caller owns them.
HGLOBAL PrintDefaultDevNames(const CString& strDevice, const CString& strOutputFile = CString());
HGLOBAL PrintDefaultDevMode(const CString& strDevice);

// The named printer set up as hDevMode says; with no DEVMODE, or for the fields it leaves out, the
// printer keeps its own settings.
PrinterSetup PrinterSetupOf(const CString& strDevice, HGLOBAL hDevMode);
// A new DEVMODE of a setup with every field given; the caller owns it.
HGLOBAL DevModeOfSetup(const PrinterSetup& setup);
