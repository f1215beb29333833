// The main window at any size: its labels and scopes follow the client area between the bars,
// the scopes show their signals again at their new size, and the window keeps a size at which
// everything stays readable.
#include "app/MainDlg.h"

#include "framework/core/WinConstants.h"
#include "sigkit/frames/FrameSupport.h"

CRect CMainDlg::AreaBetweenBars()
{
	return ::AreaBetweenBars(this, m_wndToolBar, &m_wndStatusBar);
}

// The frame has moved the controls below the toolbar by now; their places in the area between
// the bars are the template's.
void CMainDlg::KeepTemplateLayout()
{
	const CRect rcArea = AreaBetweenBars();
	CEditScope* const scopes[MAIN_SCOPE_COUNT] = {&m_scopeModulating, &m_scopeCarrier, &m_scopeModulated};
	for (int k = 0; k < MAIN_SCOPE_COUNT; k++)
	{
		// Each label comes just before its scope in the template.
		CWnd* pLabel = scopes[k]->GetWindow(GW_HWNDPREV);
		if (pLabel == nullptr)
			return;
		m_hLabels[k] = pLabel->GetSafeHwnd();
		CRect rcLabel = RectInFrame(this, *pLabel);
		CRect rcScope = RectInFrame(this, *scopes[k]);
		rcLabel.OffsetRect(-rcArea.left, -rcArea.top);
		rcScope.OffsetRect(-rcArea.left, -rcArea.top);
		m_layoutTemplate.controls.rcLabels[k] = rcLabel;
		m_layoutTemplate.controls.rcScopes[k] = rcScope;
	}
	m_layoutTemplate.sizeArea = rcArea.Size();
	m_bLayoutKept = TRUE;
}

void CMainDlg::LayOutControls()
{
	if (!m_bLayoutKept)
		return;
	const MainLayout layout = LayOutMainWindow(m_layoutTemplate, AreaBetweenBars());
	CEditScope* const scopes[MAIN_SCOPE_COUNT] = {&m_scopeModulating, &m_scopeCarrier, &m_scopeModulated};
	BOOL bMoved = FALSE;
	BOOL bResized = FALSE;
	for (int k = 0; k < MAIN_SCOPE_COUNT; k++)
	{
		CWnd* pLabel = CWnd::FromHandle(m_hLabels[k]);
		if (pLabel != nullptr && RectInFrame(this, *pLabel) != layout.rcLabels[k])
		{
			pLabel->MoveWindow(&layout.rcLabels[k], TRUE);
			bMoved = TRUE;
		}
		const CRect rcScope = RectInFrame(this, *scopes[k]);
		if (rcScope != layout.rcScopes[k])
		{
			bResized = bResized || rcScope.Size() != layout.rcScopes[k].Size();
			scopes[k]->MoveWindow(&layout.rcScopes[k], TRUE);
			bMoved = TRUE;
		}
	}
	if (bResized)
	{
		ReplaySignals();
		m_scopes.ScopesResized();
	}
	if (bMoved)
		Invalidate();
}

// The bars are moved first, so the area between them is the new one.
void CMainDlg::OnSize(UINT nType, int cx, int cy)
{
	CTBDialog::OnSize(nType, cx, cy);
	if (nType != SIZE_MINIMIZED)
		LayOutControls();
}

void CMainDlg::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
	CTBDialog::OnGetMinMaxInfo(lpMMI);
	if (!m_bLayoutKept)
		return;
	KeepAreaBetweenBars(this, AreaBetweenBars(), MinimumMainArea(m_layoutTemplate), lpMMI);
}

// The frame shows or hides the bar and leaves the layout alone; the scopes take or give back
// its room here.
void CMainDlg::OnViewToolBar()
{
	CTBDialog::OnToolBarCheck();
	LayOutControls();
}

void CMainDlg::OnViewStatusBar()
{
	CTBDialog::OnStatusBarCheck();
	LayOutControls();
}
