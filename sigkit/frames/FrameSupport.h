// Steps shared by the dialog frames with bars: making room for the bars, tooltips from string
// resources, the popup update pass and the minimised icon.
#pragma once

#include "framework/core/String.h"
#include "framework/ui/window/Wnd.h"

class CDialog;
class CMenu;
class CToolBar;

// The bar style bits every frame adds to its toolbar: tooltips, fly-by prompts, dynamic size.
constexpr DWORD FRAME_TOOLBAR_STYLE_BITS = 0x34;

// Creates the toolbar (unless it exists) with the bitmap and buttons, and adds the frame's
// bar style bits.
void CreateFrameToolBar(CDialog* pDialog, CToolBar& toolBar, UINT nBitmap, const UINT* pButtons, int nButtons);

// Moves every child down and right by the room the bars take, grows the dialog by the same
// amount, then lays the bars out.
void MakeRoomForBars(CDialog* pDialog);

// The line of the string resource nID after the first line feed (empty without one or when the
// string is missing): a command's tooltip.
CString ToolTipFromString(UINT nID);

// Answers TTN_NEEDTEXTA/TTN_NEEDTEXTW with the tooltip of the command the tool stands for.
BOOL AnswerToolTipRequest(NMHDR* pNMHDR, LRESULT* pResult);

// The popup's update pass: nothing for the system menu.
void UpdateFramePopup(CCmdTarget* pTarget, CMenu* pPopupMenu, BOOL bSysMenu);

// A minimised frame paints its icon centred in the client area; FALSE when it is not minimised
// or has no icon (the caller then only validates).
BOOL PaintMinimizedIcon(CWnd* pWnd, HICON hIcon);

// Where a child lies in the frame's client area.
CRect RectInFrame(CWnd* pFrame, CWnd& child);

// The client area left between the frame's toolbar and status bar (null for a frame without
// one), each counted while shown.
CRect AreaBetweenBars(CWnd* pFrame, CWnd& toolBar, CWnd* pStatusBar);

// Raises the smallest size the user can drag the frame to, so that the area between its bars
// (rcBetweenBars now) stays at least sizeArea.
void KeepAreaBetweenBars(CWnd* pFrame, const CRect& rcBetweenBars, const CSize& sizeArea, MINMAXINFO* lpMMI);

// Hides a visible bar, shows a hidden one without activating it.
void ToggleBar(CWnd& bar);
