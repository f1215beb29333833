// What the desktop's window manager is asked to put around a top-level window, from the window's
// styles alone: the kind of window, its caption buttons and whether it can be resized.
#pragma once

#include "framework/core/Types.h"

enum class DesktopWindowKind
{
	Normal,	// a main window: in task bars and window lists
	Dialog,	// a window kept above its owner
	Tool,	// a tool window with a small caption, kept above its owner
	Bare,	// no caption and no frame from the desktop, like a splash picture
};

struct DesktopFrame
{
	DesktopWindowKind kind;
	bool bSystemMenu;
	bool bCloseBox;
	bool bMinimizeBox;
	bool bMaximizeBox;
	bool bResizable;
	// Kept above its owner and minimised with it: every owned window but one shown in the task bar.
	bool bTransient;
};

DesktopFrame AfxDesktopFrameOf(DWORD dwStyle, DWORD dwExStyle, bool bOwned);
