// Keyboard shortcuts of a dialog frame: a key with Ctrl (and, for some, Shift) held sends the
// command its menu item names beside the text.
#pragma once

#include "framework/core/Types.h"

class CWnd;
struct MSG;

struct FrameShortcut
{
	UINT nKey;	// a virtual key: 'S', VK_ADD, VK_OEM_PLUS, ...
	BOOL bShift;	// TRUE when Shift must be held as well
	UINT nCommand;
};

// Sends the command of the shortcut the key press matches, unless the command's update handler
// greys it, and answers TRUE; FALSE for any other message or key, or with Alt held.
BOOL SendFrameShortcut(CWnd* pFrame, const MSG* pMsg, const FrameShortcut* pShortcuts, int nShortcuts);
