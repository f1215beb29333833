// The posted-message queue: messages copied by value now and delivered from the event loop.
#pragma once

#include "framework/ui/window/WndTypes.h"

// hWnd null posts to the program itself (WM_QUIT). FALSE when hWnd is not a window.
BOOL PostWindowMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
