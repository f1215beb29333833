// The real print dialog behind the modal seam.
#pragma once

#include "framework/core/String.h"
#include "framework/ui/services/PrintDialog.h"

class CWnd;

struct PrintDialogAnswer
{
	INT_PTR nResult;	// IDOK or IDCANCEL
	HGLOBAL hDevNames;	// new records of the chosen printer on IDOK, owned by the caller
	HGLOBAL hDevMode;
};

// A QPrintDialog starting from pd's printer and pages, with the owner disabled while it shows; on
// IDOK the pages, copies and range flags are written back into pd.
PrintDialogAnswer ShowQtPrintDialog(CWnd* pOwner, const CString& strCaption, PRINTDLG& pd);
