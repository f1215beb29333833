// Keyboard focus, mouse capture, the window under the mouse and window timers: the input state
// the Windows platform keeps for the whole program.
#pragma once

#include "framework/ui/window/WndTypes.h"

class CWindowHost;

CWindowHost* FocusHost();
// Sends WM_KILLFOCUS to the window losing the focus and WM_SETFOCUS to pHost (null: nobody).
void SetFocusHost(CWindowHost* pHost);
// Qt moved its focus: follow it when it went to or left one of our windows.
void NoteQtFocusIn(CWindowHost* pHost);
void NoteQtFocusOut(CWindowHost* pHost);

CWindowHost* CaptureHost();
// Sends WM_CAPTURECHANGED to the window that loses the capture.
void SetCaptureHost(CWindowHost* pHost);

CWindowHost* MouseHost();
void SetMouseHost(CWindowHost* pHost);

// The keys the input handled so far left down: a WM_KEYDOWN from the keyboard presses its key, a
// WM_KEYUP releases it. Messages the program sends itself change nothing, as on Windows.
void NoteKeyInput(UINT message, WPARAM nVirtKey);
bool IsKeyLeftDown(int nVirtKey);

// The event id, or 0 on failure; a timer with the same id restarts.
UINT_PTR StartHostTimer(CWindowHost& host, UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer);
bool StopHostTimer(CWindowHost& host, UINT_PTR nIDEvent);

// The window is going away: it holds no focus, capture or timer any more.
void ForgetHostInput(CWindowHost* pHost);
