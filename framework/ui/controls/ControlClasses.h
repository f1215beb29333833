// What the window procedures of the standard controls share: telling the parent, asking it for
// colours, the default processing of a native control, and the registration of each class.
#pragma once

#include "framework/ui/backend/Driver.h"
#include "framework/ui/window/WindowRecord.h"

// WM_COMMAND to the control's parent with the control's id and nCode in the high word.
void ControlNotifyParent(HWND hWnd, UINT nCode);
// The parent's answer to WM_CTLCOLORxxx for this control; the parent's class answers when its
// CWnd does not.
HBRUSH ControlAskColor(HWND hWnd, UINT nCtlColorMessage, HDC hDC);

// The default processing that all native controls share: input goes on to the widget, WM_SETFONT
// reaches the widget's font; anything else is the generic processing.
LRESULT ControlDefaultProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The live record of a control that has its native widget; null otherwise.
CWindowRecord* NativeControl(HWND hWnd);

// The system colours a control draws with; bWindowBackground puts its text on the window colour
// instead of the button face.
ControlColors ControlSystemColors(bool bWindowBackground);

void RegisterEditClass();
void RegisterButtonClass();
void RegisterStaticClass();
void RegisterListBoxClass();
void RegisterScrollBarClass();
