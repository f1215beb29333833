// Ctrl shortcuts turned into the commands of a frame.
#include "sigkit/frames/Shortcuts.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/Wnd.h"

BOOL SendFrameShortcut(CWnd* pFrame, const MSG* pMsg, const FrameShortcut* pShortcuts, int nShortcuts)
{
	if (pMsg->message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0)
		return FALSE;
	const BOOL bShift = GetKeyState(VK_SHIFT) < 0;
	for (int k = 0; k < nShortcuts; k++)
	{
		if (pMsg->wParam == pShortcuts[k].nKey && bShift == pShortcuts[k].bShift)
		{
			pFrame->SendMessage(WM_COMMAND, pShortcuts[k].nCommand);
			return TRUE;
		}
	}
	return FALSE;
}
