// A window's menu bar in the window model: the menu it shows, the room the bar takes above the
// client area, and the menus that go with the window.
#pragma once

#include "framework/core/Handles.h"

class CMenuRecord;
class CWindowRecord;

// Shows record as the window's menu bar, in place of any other (and takes it from any other window).
void MenuAttachBar(CWindowRecord& host, CMenuRecord& record);
// The window has no menu bar any more; the menu itself lives on.
void MenuDetachBar(CWindowRecord& host);
// The menu is the window's own (its bar or its window menu): destroying it takes it off the window.
void MenuGiveToWindow(CMenuRecord& record, HWND hWnd);
// The window is going: its menus go with it, as on Windows, and its menu loop ends unheard.
void MenuReleaseWindow(CWindowRecord& host);
