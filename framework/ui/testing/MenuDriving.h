// Working menus from code as the user does with the mouse, for tests and demonstrations: a title
// of a window's menu bar clicked, items of open popups hovered or clicked, everything closed. A
// menu opened this way stays open until an item is clicked or it is closed, so it can be shown
// on screen or captured.
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/Types.h"

class CWnd;

// Clicks title nPos of the window's menu bar, which opens its popup; FALSE when none opened.
BOOL AfxMenuOpenBarPopup(CWnd* pWnd, UINT nPos);
// The popups open, outermost first; the last is the one the keyboard works in.
UINT AfxMenuGetOpenPopupCount();
HMENU AfxMenuGetOpenPopup(UINT nIndex);
// Moves the mouse pointer onto item nPos of the open popup hMenu. An item that opens a popup
// opens it at once (the mouse would after a short pause). FALSE when there is no such item.
BOOL AfxMenuHoverItem(HMENU hMenu, UINT nPos);
// Moves onto item nPos of the open popup hMenu and clicks it: a command closes the menus and is
// sent to the window once the menu loop is over; a greyed item or a separator does nothing.
BOOL AfxMenuClickItem(HMENU hMenu, UINT nPos);
// Closes every open popup without choosing, as a click outside them does.
void AfxMenuCloseAll();
