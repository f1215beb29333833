// The active window: which window the desktop activated last, which pop-up a window hands the
// activation to, and the owner a modal window takes.
#pragma once

#include "framework/core/Handles.h"

class CWindowHost;

// The desktop activated the window (a Qt WindowActivate). A disabled window hands the activation
// on to its last active pop-up, as on Windows, where a window disabled by a modal one cannot be active.
void NoteHostActivated(CWindowHost* pHost);
// The enabled, visible window owned (directly or through other pop-ups) by pOwner that was active
// most recently; pOwner itself when none was active after it and pOwner can take input.
CWindowHost* LastActivePopup(CWindowHost* pOwner);
// Asks the desktop to activate the window.
void ActivateHost(CWindowHost* pHost);

// A modal window over hOwner has ended: hOwner is activated again and gets back the focus of the
// control in it that had the focus last, as the dialog manager restores a window's focused
// control when it is activated; a focus the code has already put inside hOwner stays.
void ReturnActivation(HWND hOwner);
