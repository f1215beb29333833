// A printer's setup (the driver's PrinterSetup) put onto a QPrinter and read back from it.
#pragma once

#include "framework/ui/backend/Driver.h"

class QPrinter;

// Points printer at the setup's printer (the PDF printer: PDF output at 600 dpi, no margins) with
// the fields the setup gives; the others stay the printer's own.
void ApplyPrinterSetup(QPrinter& printer, const PrinterSetup& setup);
// What printer is set to, every field given.
PrinterSetup SetupOfPrinter(const QPrinter& printer);
