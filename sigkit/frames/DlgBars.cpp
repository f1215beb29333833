// Idle command update of the dialog frames' bars.
#include "sigkit/frames/DlgBars.h"

namespace
{
	// wParam says whether items without a handler are disabled.
	void UpdateFromParent(CControlBar& bar, WPARAM wParam)
	{
		CWnd* pParent = bar.GetParent();
		if (bar.IsWindowVisible() && pParent != nullptr)
			bar.OnUpdateCmdUI(pParent, static_cast<BOOL>(wParam));
	}
}

BEGIN_MESSAGE_MAP(CDlgToolBar, CToolBar)
	ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

LRESULT CDlgToolBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
	UpdateFromParent(*this, wParam);
	return 0;
}

BEGIN_MESSAGE_MAP(CDlgStatusBar, CStatusBar)
	ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

LRESULT CDlgStatusBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
	UpdateFromParent(*this, wParam);
	return 0;
}
