// What the window system keeps for the whole program and no window: the system colours and
// metrics, the state of the keys, the clock and the warning beep.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/core/Types.h"
#include "framework/core/WinConstants.h"

// The classic Windows colour scheme (COLOR_BTNFACE is 192,192,192), the same on every machine
// until the desktop changes a colour.
COLORREF GetSysColor(int nIndex);
// The desktop's scheme gives the colour a new value; an index out of range changes nothing.
void AfxStoreSysColor(int nIndex, COLORREF cr);
// Fixed Windows sizes (SM_CXVSCROLL 16, SM_CXBORDER 1, SM_CXEDGE 2, SM_CYCAPTION 18, ...) and the
// primary screen's size.
int GetSystemMetrics(int nIndex);

// The high bit is set while the key or button is down, as the input handled last left it (the
// modifiers and buttons as the toolkit last reported them, every other key as the last WM_KEYDOWN
// or WM_KEYUP taken from the keyboard left it); the low bit is the toggle state of the lock keys,
// off where the desktop does not tell it.
short GetKeyState(int nVirtKey);
// The keys the input handled so far left down: a WM_KEYDOWN from the keyboard presses its key, a
// WM_KEYUP releases it. Messages the program sends itself change nothing, as on Windows.
void AfxNoteKeyInput(UINT message, WPARAM nVirtKey);

BOOL MessageBeep(UINT uType);
// Milliseconds since the program started.
DWORD GetTickCount();
// Suspends the program; no message is handled meanwhile, as on Windows.
void Sleep(DWORD dwMilliseconds);
