// Ctrl shortcuts turned into the commands of a frame.
#include "sigkit/frames/Shortcuts.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/CmdUI.h"
#include "framework/ui/window/Wnd.h"

namespace
{
	// Asks the command's update handler, as a menu item would be asked before it is shown.
	class CShortcutState : public CCmdUI
	{
	public:
		BOOL m_bEnabled = TRUE;
		void Enable(BOOL bOn) override
		{
			m_bEnabled = bOn;
			m_bEnableChanged = TRUE;
		}
		void SetCheck(int) override {}
		void SetRadio(BOOL) override {}
		void SetText(LPCTSTR) override {}
	};

	BOOL IsCommandEnabled(CWnd* pFrame, UINT nCommand)
	{
		CShortcutState state;
		state.m_nID = nCommand;
		state.m_nIndexMax = 1;
		state.DoUpdate(pFrame, TRUE);
		return state.m_bEnabled;
	}
}

BOOL SendFrameShortcut(CWnd* pFrame, const MSG* pMsg, const FrameShortcut* pShortcuts, int nShortcuts)
{
	if (pMsg->message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0)
		return FALSE;
	const BOOL bShift = GetKeyState(VK_SHIFT) < 0;
	for (int k = 0; k < nShortcuts; k++)
	{
		if (pMsg->wParam == pShortcuts[k].nKey && bShift == pShortcuts[k].bShift)
		{
			// A greyed command's key does nothing, as its greyed menu item does.
			if (IsCommandEnabled(pFrame, pShortcuts[k].nCommand))
				pFrame->SendMessage(WM_COMMAND, pShortcuts[k].nCommand);
			return TRUE;
		}
	}
	return FALSE;
}
