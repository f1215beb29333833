// The command-update objects of the bars: a toolbar button or a status-bar pane takes the
// state an update handler gives it.
#pragma once

#include "framework/ui/window/CmdUI.h"

class CToolBar;
class CStatusBar;

// Enable clears or sets TBBS_DISABLED (a disabled button is never left pressed); SetCheck checks
// (1) or marks indeterminate (2) and makes the button a check box; SetText does nothing.
class CToolCmdUI : public CCmdUI
{
public:
	explicit CToolCmdUI(CToolBar* pToolBar);

	void Enable(BOOL bOn = TRUE) override;
	void SetCheck(int nCheck = 1) override;
	void SetRadio(BOOL bOn = TRUE) override;
	void SetText(LPCTSTR lpszText) override;

private:
	CToolBar* m_pToolBar;
};

// Enable(FALSE) sets SBPS_DISABLED, which blanks the pane; SetCheck pops the pane out; SetText
// changes its text.
class CStatusCmdUI : public CCmdUI
{
public:
	explicit CStatusCmdUI(CStatusBar* pStatusBar);

	void Enable(BOOL bOn = TRUE) override;
	void SetCheck(int nCheck = 1) override;
	void SetRadio(BOOL bOn = TRUE) override;
	void SetText(LPCTSTR lpszText) override;

private:
	CStatusBar* m_pStatusBar;
};
