// The desktop frame of a top-level window from its styles.
#include "framework/ui/window/DesktopFrame.h"

#include "framework/core/WinConstants.h"

DesktopFrame AfxDesktopFrameOf(DWORD dwStyle, DWORD dwExStyle, bool bOwned)
{
	DesktopFrame frame = {};
	const bool bAppWindow = (dwExStyle & WS_EX_APPWINDOW) != 0;
	frame.bTransient = bOwned && !bAppWindow;
	if ((dwStyle & WS_CAPTION) != WS_CAPTION)
	{
		frame.kind = DesktopWindowKind::Bare;
		frame.bResizable = (dwStyle & WS_THICKFRAME) != 0;
		return frame;
	}
	const bool bTool = (dwExStyle & WS_EX_TOOLWINDOW) != 0;
	frame.kind = bTool ? DesktopWindowKind::Tool : (frame.bTransient ? DesktopWindowKind::Dialog : DesktopWindowKind::Normal);
	frame.bSystemMenu = (dwStyle & WS_SYSMENU) != 0;
	frame.bCloseBox = frame.bSystemMenu;
	// Windows shows the minimise and maximise boxes only beside a system menu, and never on a tool caption.
	frame.bMinimizeBox = frame.bSystemMenu && !bTool && (dwStyle & WS_MINIMIZEBOX) != 0;
	frame.bMaximizeBox = frame.bSystemMenu && !bTool && (dwStyle & WS_MAXIMIZEBOX) != 0;
	frame.bResizable = (dwStyle & WS_THICKFRAME) != 0;
	return frame;
}
