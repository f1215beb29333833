// The bars' command-update objects and the update passes over buttons and panes.
#include "framework/ui/bars/BarCmdUI.h"

#include "framework/ui/bars/StatusBar.h"
#include "framework/ui/bars/ToolBar.h"

CToolCmdUI::CToolCmdUI(CToolBar* pToolBar)
	: m_pToolBar(pToolBar)
{
	m_pOther = pToolBar;
}

void CToolCmdUI::Enable(BOOL bOn)
{
	m_bEnableChanged = TRUE;
	UINT nStyle = m_pToolBar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~TBBS_DISABLED;
	if (!bOn)
	{
		nStyle = (nStyle | TBBS_DISABLED) & ~TBBS_PRESSED;
	}
	m_pToolBar->SetButtonStyle(static_cast<int>(m_nIndex), nStyle);
}

void CToolCmdUI::SetCheck(int nCheck)
{
	UINT nStyle = m_pToolBar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
	if (nCheck == 1)
	{
		nStyle |= TBBS_CHECKED;
	}
	else if (nCheck == 2)
	{
		nStyle |= TBBS_INDETERMINATE;
	}
	m_pToolBar->SetButtonStyle(static_cast<int>(m_nIndex), nStyle | TBBS_CHECKBOX);
}

void CToolCmdUI::SetRadio(BOOL bOn)
{
	SetCheck(bOn ? 1 : 0);
}

void CToolCmdUI::SetText(LPCTSTR)
{
}

CStatusCmdUI::CStatusCmdUI(CStatusBar* pStatusBar)
	: m_pStatusBar(pStatusBar)
{
	m_pOther = pStatusBar;
}

void CStatusCmdUI::Enable(BOOL bOn)
{
	m_bEnableChanged = TRUE;
	const UINT nStyle = m_pStatusBar->GetPaneStyle(static_cast<int>(m_nIndex)) & ~SBPS_DISABLED;
	m_pStatusBar->SetPaneStyle(static_cast<int>(m_nIndex), bOn ? nStyle : nStyle | SBPS_DISABLED);
}

void CStatusCmdUI::SetCheck(int nCheck)
{
	const UINT nStyle = m_pStatusBar->GetPaneStyle(static_cast<int>(m_nIndex)) & ~SBPS_POPOUT;
	m_pStatusBar->SetPaneStyle(static_cast<int>(m_nIndex), nCheck != 0 ? nStyle | SBPS_POPOUT : nStyle);
}

void CStatusCmdUI::SetRadio(BOOL bOn)
{
	SetCheck(bOn ? 1 : 0);
}

void CStatusCmdUI::SetText(LPCTSTR lpszText)
{
	m_pStatusBar->SetPaneText(static_cast<int>(m_nIndex), lpszText);
}

void CToolBar::OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHndler)
{
	CToolCmdUI state(this);
	state.m_nIndexMax = static_cast<UINT>(m_nCount);
	for (int i = 0; i < m_nCount; ++i)
	{
		if ((GetButtonStyle(i) & TBBS_SEPARATOR) != 0)
		{
			continue;
		}
		state.m_nIndex = static_cast<UINT>(i);
		state.m_nID = GetItemID(i);
		state.DoUpdate(pTarget, bDisableIfNoHndler);
	}
}

void CStatusBar::OnUpdateCmdUI(CWnd* pTarget, BOOL)
{
	CStatusCmdUI state(this);
	state.m_nIndexMax = static_cast<UINT>(m_nCount);
	for (int i = 0; i < m_nCount; ++i)
	{
		if (GetItemID(i) == ID_SEPARATOR)
		{
			continue;
		}
		state.m_nIndex = static_cast<UINT>(i);
		state.m_nID = GetItemID(i);
		state.DoUpdate(pTarget, FALSE);
	}
}
