// The demonstration's find and replace: one modeless dialog at a time, owned by the grid, kept
// clear of the current cell and searching every column row by row.
#include "tools/griddemo/DemoGrid.h"

#include "framework/ui/services/FindReplaceDialog.h"

void DemoGrid::ShowFindDialog()
{
	CFindReplaceDialog* pDialog = GetFindDialog();
	if (pDialog != nullptr)
	{
		// Shown anew, the dialog is activated as a new window is, and has the keyboard again.
		pDialog->ShowWindow(SW_HIDE);
		pDialog->ShowWindow(SW_SHOW);
		return;
	}
	pDialog = new CFindReplaceDialog;
	if (!pDialog->Create(FALSE, "", nullptr, FR_DOWN, this))
	{
		delete pDialog;
		return;
	}
	SetFindDialog(pDialog);
	SetFindAcrossColumns(TRUE);
	// Mode 0 leaves the dialog where the user puts it until it would cover the current cell.
	SetFloatingWindow(pDialog, 0);
	KeepWindowClearOfCurrentCell();
}
