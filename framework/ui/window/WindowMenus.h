// The menu functions of the Windows API that need a window: a window's menu bar and window menu
// by handle, and popups tracked for a window.
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/Types.h"

// A window's menu bar (a top-level window only; it takes room above the client area, which
// shrinks by its height) and its window menu, opened with Alt+Space.
HMENU GetMenu(HWND hWnd);
BOOL SetMenu(HWND hWnd, HMENU hMenu);
BOOL DrawMenuBar(HWND hWnd);
// bRevert FALSE: the window's own copy of its window menu, for the program to change; null for a
// window without WS_SYSMENU. bRevert TRUE: drops the copy and returns null.
HMENU GetSystemMenu(HWND hWnd, BOOL bRevert);

// The item chosen is posted to hWnd as WM_COMMAND (WM_SYSCOMMAND from the window menu), or
// returned with TPM_RETURNCMD; nReserved is ignored.
BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd, LPCRECT prcRect);
