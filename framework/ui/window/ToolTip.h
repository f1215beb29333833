// The program's one tooltip: a bar or a window asks its owner for a tool's text and shows it below
// the tool.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"

class CWnd;

// Asks pOwner for the text of the tool nID with WM_NOTIFY TTN_NEEDTEXTA from pFrom (hwndFrom;
// idFrom is nID), then with TTN_NEEDTEXTW when the 8-bit request brought no text. Empty when
// neither did.
CString AfxRequestToolTipText(CWnd* pOwner, CWnd* pFrom, UINT nID);
// Shows lpszText just below lpRectTool (in pWnd's client coordinates), in place of any tooltip
// already on screen.
void AfxShowToolTip(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool);
void AfxHideToolTip();
// The text of the tooltip on screen; empty while none shows.
CString AfxGetToolTipText();
