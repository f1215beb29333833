// The bars used inside sigkit's dialog frames: a toolbar and a status bar that take their button
// and pane states from the dialog's update handlers whenever the dialog's modal loop is idle.
#pragma once

#include "framework/ui/bars/StatusBar.h"
#include "framework/ui/bars/ToolBar.h"

class CDlgToolBar : public CToolBar
{
protected:
	afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
	DECLARE_MESSAGE_MAP()
};

class CDlgStatusBar : public CStatusBar
{
protected:
	afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
	DECLARE_MESSAGE_MAP()
};
