// The message queue: posted messages, and the input that arrives while a handler's own loop
// looks for it with PeekMessage.
//
// The toolkit delivers input as events from its own loop, and the framework turns each into its
// message at once. That is the same as queuing the message and dispatching it right away, until a handler
// runs a loop of its own and wants to see what comes next without handing it out. So while a
// PeekMessage lets the toolkit deliver its pending events, input messages and posted messages are recorded
// here instead of being sent; whatever PeekMessage leaves is delivered in arrival order as soon as
// the program is back in its loop, and input that arrives while such messages still wait joins
// the end of the queue, so nothing overtakes them.
#pragma once

#include "framework/ui/window/WndTypes.h"

// hWnd null posts to the program itself (WM_QUIT). FALSE when hWnd is not a window.
BOOL PostWindowMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Input about to be sent to its window: TRUE when it was queued instead (a PeekMessage is
// looking); otherwise the messages waiting are delivered first and the caller sends msg itself.
bool QueueInputMessage(const MSG& msg);
// The work of PeekMessage.
BOOL PeekQueuedMessage(MSG& msg, HWND hWnd, UINT nFilterMin, UINT nFilterMax, bool bRemove);
// Input taken from the queue or sent at once: the key state follows it, tooltips see the mouse.
void NoteInputTaken(const MSG& msg);
