// A window's menu bar: a QMenuBar across the top of the window's widget, above the client area,
// which shrinks by the bar's height as on Windows.
#pragma once

class CMenuRecord;
class CWindowRecord;

// Shows record as the window's menu bar, in place of any other (and takes it from any other window).
void MenuAttachBar(CWindowRecord& host, CMenuRecord& record);
// The window has no menu bar any more; the menu itself lives on.
void MenuDetachBar(CWindowRecord& host);
// The window is going: its menus go with it, as on Windows, and its menu loop ends unheard.
void MenuReleaseWindow(CWindowRecord& host);
