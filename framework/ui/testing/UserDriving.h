// Working windows from code as a user and the desktop do, for tests and demonstrations: mouse and
// keyboard input that reaches the program the way the desktop's does, files dropped from the
// desktop, and a change of the desktop's colours.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

#include <vector>

class CWnd;

// Gives the program the mouse event of message (WM_MOUSEMOVE, WM_LBUTTONDOWN/UP/DBLCLK or
// WM_RBUTTONDOWN/UP/DBLCLK) at ptClient, in pWnd's client coordinates, as the desktop would for
// the pointer there: the window under the point, or the one holding the capture, gets it, with
// mouse activation and focus as for a click. A DBLCLK is the second press of a double click and
// follows a DOWN and UP of the same button at the same point. nKeyFlags adds MK_SHIFT and
// MK_CONTROL, and for a move the buttons held. FALSE when pWnd is not shown on the desktop.
BOOL AfxSendMouseInput(CWnd* pWnd, UINT message, CPoint ptClient, UINT nKeyFlags = 0);

// Turns the mouse wheel by zDelta (WHEEL_DELTA a notch, positive away from the user) with the
// pointer at ptClient in pWnd's client coordinates; nKeyFlags adds MK_SHIFT, MK_CONTROL and the
// buttons held. The toolkit has no entry for the desktop's wheel events, so what is under the pointer
// is given the wheel event the toolkit would deliver to it. FALSE when pWnd is not shown on the desktop.
BOOL AfxSendMouseWheel(CWnd* pWnd, short zDelta, CPoint ptClient, UINT nKeyFlags = 0);

// Presses (WM_KEYDOWN) or releases (WM_KEYUP) the key nVirtKey (VK_*, '0'-'9', 'A'-'Z') in pWnd's
// top-level window as the desktop's keyboard does: the window's focus widget gets it, with the
// character a letter, digit, space, Tab, Enter, Esc or Backspace types. FALSE for other messages
// or keys, or when pWnd is not shown on the desktop.
BOOL AfxSendKeyInput(CWnd* pWnd, UINT message, UINT nVirtKey);

// Drags the files (full paths) from the desktop's file manager and drops them at ptClient, in pWnd's
// client coordinates: the toolkit offers the drag to what lies under the point, as for a user's.
// TRUE when a window of the program took the files, FALSE when none did or pWnd is not shown on the
// desktop.
BOOL AfxSendFileDrop(CWnd* pWnd, const std::vector<CString>& paths, CPoint ptClient);

// The desktop asks a top-level window to close, as its close box does. FALSE when pWnd is not a
// top-level window shown on the desktop.
BOOL AfxSendCloseRequest(CWnd* pWnd);

// The desktop's colour scheme changes system colour nIndex (COLOR_*) to cr and tells the program,
// as a theme change does: GetSysColor gives cr and every top-level window gets WM_SYSCOLORCHANGE.
void AfxSetDesktopSysColor(int nIndex, COLORREF cr);
