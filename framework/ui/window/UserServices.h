// Services of the window system that belong to no window: system colours and metrics, key
// state, cursors, mouse capture and the warning beep.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/core/Types.h"
#include "framework/core/WinConstants.h"

// The classic Windows colour scheme (COLOR_BTNFACE is 192,192,192), the same on every machine
// until the desktop changes a colour (AfxSetDesktopSysColor for tests).
COLORREF GetSysColor(int nIndex);
// A brush of that colour owned by the framework; never delete it.
HBRUSH GetSysColorBrush(int nIndex);
// Fixed Windows sizes (SM_CXVSCROLL 16, SM_CXBORDER 1, SM_CXEDGE 2, SM_CYCAPTION 18, ...) and the
// primary screen's size.
int GetSystemMetrics(int nIndex);

// The high bit is set while the key or button is down, as the input handled last left it (the
// modifiers and buttons as Qt last reported them, every other key as the last WM_KEYDOWN or
// WM_KEYUP taken from the keyboard left it); the low bit is the toggle state of the lock keys,
// read from the X server, and off where there is none (offscreen).
short GetKeyState(int nVirtKey);

// Standard cursors (IDC_ARROW, IDC_WAIT, ...); hInstance is ignored and other names give null.
HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName);
// Shows hCursor over the window under the mouse (or holding the capture); returns the previous one.
HCURSOR SetCursor(HCURSOR hCursor);
BOOL GetCursorPos(LPPOINT lpPoint);
BOOL ReleaseCapture();

BOOL MessageBeep(UINT uType);
// Milliseconds since the program started.
DWORD GetTickCount();
// Suspends the program; no message is handled meanwhile, as on Windows.
void Sleep(DWORD dwMilliseconds);
