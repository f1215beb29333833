// A frame printing a page of its own: the print dialog its "Stampa..." shows, the printer's DC,
// lengths on paper and the faces' fonts, and the message of a print that could not be made.
#pragma once

#include "framework/core/CommonDialogConstants.h"
#include "framework/core/Types.h"

class CDC;
class CFont;
class CPrintDialog;
class CPrinterDC;

// One range of pages, copies from the printer's settings, no printing to a file offered.
constexpr DWORD FRAME_PRINT_FLAGS = PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE;

// Runs the dialog through the application, which keeps the printer chosen for the rest of the
// run, and attaches the printer's DC to dc. FALSE when the user cancelled, and, after the failure
// message, when the printer gave no DC.
BOOL ChoosePrinter(CPrintDialog& dialog, CPrinterDC& dc);

// "Impossibile stampare il documento." with a stop icon.
void ReportPrintFailure();

// Printer pixels for a length on paper, along the page's width or its height.
int PageMillimetresAcross(CDC& dc, double dMillimetres);
int PageMillimetresDown(CDC& dc, double dMillimetres);

// A font of the dialogs' face whose characters, without the leading, are nHeight pixels high.
void CreateFaceFont(CFont& font, int nHeight, int nWeight);
