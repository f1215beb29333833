// The rules of the print dialog that need no window: what the toolkit's dialog offers for a
// PRINTDLG, and how its answer is written back.
#pragma once

#include "framework/ui/backend/Driver.h"
#include "framework/ui/services/PrintDialog.h"

// The dialog for pd: its printer, a page range (from pd's pages with PD_PAGENUMS) and a selection
// unless the flags take them away or it only sets up, and printing to a file unless it is hidden
// or disabled; bOnlyPdf offers the file whatever the flags say, since it is then the only choice.
NativePrintDialog PrintDialogOffer(const PRINTDLG& pd, const CString& strCaption, bool bOnlyPdf);

struct PrintDialogRecords
{
	HGLOBAL hDevNames;
	HGLOBAL hDevMode;
};

// Writes an accepted answer into pd: the range (PD_PAGENUMS with its pages, PD_SELECTION, or
// neither), PD_PRINTTOFILE when a file was chosen and, without PD_USEDEVMODECOPIES, the copies,
// which the program then makes itself while the printer prints one. Returns new records of the
// chosen printer, owned by the caller; the DEVNAMES output is the chosen file.
PrintDialogRecords TakePrintDialogAnswer(const NativePrintDialog& dialog, PRINTDLG& pd);
