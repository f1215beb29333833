// The window class of dialogs: its default processing keeps the default push button, turns the
// close box into IDCANCEL and paints the background with WM_CTLCOLORDLG's brush.
#pragma once

#include "framework/core/Types.h"

// The Windows name of the dialog class.
extern const char* const DIALOG_CLASS_NAME;
