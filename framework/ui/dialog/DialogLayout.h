// Where a dialog template puts things in pixels: the controls, the client area, the dialog's
// own place and its window styles. Plain arithmetic on the template, with no window.
#pragma once

#include "framework/core/DialogTemplate.h"
#include "framework/core/Geometry.h"

// A control's rectangle in the dialog's client coordinates.
CRect AfxDialogItemRect(const DialogItemTemplate& item);
CSize AfxDialogClientSize(const DialogTemplate& dlgTemplate);

// The top-left corner that centres a window of sizeWindow on rcArea, moved back inside rcScreen
// when it would stick out (left and top win when the window is larger than the screen).
CPoint AfxCenteredPosition(const CRect& rcArea, CSize sizeWindow, const CRect& rcScreen);

// DS_MODALFRAME gives the window a dialog frame, as on Windows.
DWORD AfxDialogWindowExStyle(const DialogTemplate& dlgTemplate);
// A child control's style: WS_CHILD is implied by being an item of a dialog.
DWORD AfxDialogItemStyle(const DialogItemTemplate& item);
