// The window menu (the system menu): the standard commands a window's styles allow, opened with
// Alt+Space, and the menu keys of a window (WM_SYSCOMMAND with SC_KEYMENU).
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/Types.h"

class CWindowRecord;

// The window's own window menu, made the first time it is asked for; null without WS_SYSMENU.
HMENU MenuSystemMenuOf(CWindowRecord& host);
// SC_KEYMENU: ' ' opens the window menu, a letter the menu-bar popup whose title it marks, 0 the
// bar's first popup.
void MenuOpenByKey(HWND hWnd, LPARAM lParam);
