// The active window: which window the desktop activated last, which pop-up a window hands the
// activation to, and the owner a modal window takes.
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/Types.h"

class CWindowRecord;

// The desktop activated the window. A disabled window hands the activation
// on to its last active pop-up, as on Windows, where a window disabled by a modal one cannot be active.
void NoteWindowActivated(CWindowRecord* pRecord);
// The enabled, visible window owned (directly or through other pop-ups) by pOwner that was active
// most recently; pOwner itself when none was active after it and pOwner can take input.
CWindowRecord* LastActivePopup(CWindowRecord* pOwner);
// Asks the desktop to activate the window.
void ActivateWindow(CWindowRecord* pRecord);
// The top-level window the desktop has active; null when it is none of ours.
CWindowRecord* ActiveWindow();
// A mouse button goes down (message) in hWnd: when its top-level window is not the active one,
// WM_MOUSEACTIVATE asks the window whether to activate that window. False when the press is eaten.
bool MouseActivate(HWND hWnd, UINT message);

// A modal window over hOwner has ended: hOwner is activated again and gets back the focus of the
// control in it that had the focus last, as the dialog manager restores a window's focused
// control when it is activated; a focus the code has already put inside hOwner stays.
void ReturnActivation(HWND hOwner);
