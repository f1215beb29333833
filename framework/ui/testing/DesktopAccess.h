// What the desktop is told about a top-level window, read back from the toolkit's window, for
// tests: its kind, caption buttons and sizing, the modal mark, the window it is kept above and
// the sizes of its icon.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/ui/window/DesktopFrame.h"

#include <vector>

class CWnd;

struct DesktopWindowState
{
	bool bExists;
	DesktopFrame frame;
	bool bModal;
	CWnd* pKeptAbove;	// null for a window kept above no other
	bool bAboveAll;	// kept above every window that is not (WS_EX_TOPMOST)
	std::vector<CSize> iconSizes;	// smallest first
};

DesktopWindowState AfxReadDesktopWindow(CWnd* pWnd);
