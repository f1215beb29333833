// The menu loop: from the first popup of a window's menus opening to the last one closing, the
// window hears WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP, WM_MENUSELECT and WM_ENTERIDLE,
// then WM_MENUSELECT with 0xFFFF, WM_EXITMENULOOP and the command chosen. One loop at a time.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/core/Types.h"

#include <vector>

// Starts the loop for a popup the program opens itself (hMenu, told in WM_INITMENU). A loop of
// TrackPopupMenu (bTrackPopup) is ended by its caller; any other ends itself once its popups
// have closed and posts the command. With bNotify false the window hears nothing. FALSE while
// another loop runs.
BOOL MenuBeginSession(HWND hWnd, HMENU hMenu, bool bTrackPopup, bool bNotify);
// WM_INITMENUPOPUP for the popup the program is about to show.
void MenuInitRootPopup(HMENU hMenu);
// A loop runs and its popups have not all closed.
bool MenuSessionOpen();
// The command chosen so far, or 0.
UINT MenuSessionChoice();
// WM_MENUSELECT with 0xFFFF and WM_EXITMENULOOP; the command chosen, or 0, and whether it
// came from a window menu.
UINT MenuEndSession(bool* pbSystemMenu = nullptr);
// Forgets the loop of a window that is going, telling it nothing.
void MenuDropSession(HWND hWnd);
// The popups showing, outermost first.
std::vector<HMENU> MenuOpenPopups();
// Whether the mouse (else the keyboard) is working the menus, for MF_MOUSESELECT.
void MenuNoteInput(bool bMouse);
// Where TrackPopupMenu puts the top-left corner of a popup of this size for the point given and
// the TPM_ alignment flags.
CPoint MenuTrackedOrigin(const CSize& size, UINT uFlags, const CPoint& pt);
