// Keyboard focus, mouse capture, the window under the mouse and window timers: the input state
// the Windows platform keeps for the whole program.
#pragma once

#include "framework/ui/window/WndTypes.h"

class CWindowRecord;

CWindowRecord* FocusWindow();
// Sends WM_KILLFOCUS to the window losing the focus and WM_SETFOCUS to pRecord (null: nobody).
void SetFocusWindow(CWindowRecord* pRecord);

CWindowRecord* CaptureWindow();
// Sends WM_CAPTURECHANGED to the window that loses the capture.
void SetCaptureWindow(CWindowRecord* pRecord);

CWindowRecord* MouseWindow();
void SetMouseWindow(CWindowRecord* pRecord);

// The event id, or 0 on failure; a timer with the same id restarts.
UINT_PTR StartWindowTimer(CWindowRecord& record, UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer);
bool StopWindowTimer(CWindowRecord& record, UINT_PTR nIDEvent);
// WM_TIMER, or the timer's callback.
void FireWindowTimer(CWindowRecord& record, UINT_PTR nIDEvent);

// The window is going away: it holds no focus, capture or timer any more.
void ForgetWindowInput(CWindowRecord* pRecord);
