// CCmdUI for menu items and windows, and the update pass over a popup's items.
#include "framework/ui/window/CmdUI.h"

#include "framework/core/ControlConstants.h"
#include "framework/ui/menu/Menu.h"
#include "framework/ui/window/Wnd.h"

#include <algorithm>

namespace
{

// Commands of the window menu start here.
constexpr UINT FIRST_SYSTEM_COMMAND = 0xF000;
constexpr UINT NO_COMMAND = 0xFFFFFFFF;

}

CCmdUI::CCmdUI()
	: m_nID(0)
	, m_nIndex(0)
	, m_nIndexMax(0)
	, m_pMenu(nullptr)
	, m_pSubMenu(nullptr)
	, m_pOther(nullptr)
	, m_bEnableChanged(FALSE)
	, m_bContinueRouting(FALSE)
{
}

CCmdUI::~CCmdUI() = default;

// An item that opens a popup is enabled or disabled itself; it has no check mark and keeps its text.
void CCmdUI::Enable(BOOL bOn)
{
	if (m_pMenu != nullptr)
	{
		m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
	}
	else if (m_pOther != nullptr)
	{
		m_pOther->EnableWindow(bOn);
	}
	m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
	if (m_pMenu != nullptr)
	{
		if (m_pSubMenu == nullptr)
		{
			m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck != 0 ? MF_CHECKED : MF_UNCHECKED));
		}
	}
	else if (m_pOther != nullptr && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON) != 0)
	{
		m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
	}
}

void CCmdUI::SetRadio(BOOL bOn)
{
	if (m_pMenu == nullptr)
	{
		SetCheck(bOn ? 1 : 0);
	}
	else if (m_pSubMenu == nullptr && bOn)
	{
		m_pMenu->CheckMenuRadioItem(m_nIndex, m_nIndex, m_nIndex, MF_BYPOSITION);
	}
	else if (m_pSubMenu == nullptr)
	{
		m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | MF_UNCHECKED);
	}
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
	if (m_pMenu != nullptr)
	{
		if (m_pSubMenu == nullptr)
		{
			UINT nState = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
			m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
		}
	}
	else if (m_pOther != nullptr)
	{
		m_pOther->SetWindowText(lpszText);
	}
}

void CCmdUI::ContinueRouting()
{
	m_bContinueRouting = TRUE;
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
	// 0 and 0xFFFF name no command.
	if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF || pTarget == nullptr)
	{
		return TRUE;
	}
	m_bEnableChanged = FALSE;
	m_bContinueRouting = FALSE;
	BOOL bHandled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr) && !m_bContinueRouting;
	if (bDisableIfNoHndler && !m_bEnableChanged)
	{
		AFX_CMDHANDLERINFO info = {};
		Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
	}
	return bHandled;
}

void AfxUpdateMenuPopup(CMenu* pPopupMenu, CCmdTarget* pTarget, BOOL bAutoMenuEnable)
{
	if (pPopupMenu == nullptr || pTarget == nullptr)
	{
		return;
	}
	CCmdUI state;
	state.m_pMenu = pPopupMenu;
	int nCount = static_cast<int>(pPopupMenu->GetMenuItemCount());
	for (int nPos = 0; nPos < nCount; ++nPos)
	{
		state.m_nIndex = static_cast<UINT>(nPos);
		state.m_nIndexMax = static_cast<UINT>(nCount);
		state.m_nID = pPopupMenu->GetMenuItemID(nPos);
		state.m_pSubMenu = nullptr;
		if (state.m_nID == 0)
		{
			continue;
		}
		BOOL bAutoDisable = bAutoMenuEnable && state.m_nID < FIRST_SYSTEM_COMMAND;
		if (state.m_nID == NO_COMMAND)
		{
			state.m_pSubMenu = pPopupMenu->GetSubMenu(nPos);
			state.m_nID = state.m_pSubMenu != nullptr ? state.m_pSubMenu->GetMenuItemID(0) : 0;
			if (state.m_nID == 0 || state.m_nID == NO_COMMAND)
			{
				continue;
			}
			bAutoDisable = FALSE;
		}
		state.DoUpdate(pTarget, bAutoDisable);
		// A handler may add or remove items around its own: go on after them.
		const int nNewCount = static_cast<int>(pPopupMenu->GetMenuItemCount());
		nPos = std::max(nPos + nNewCount - nCount, -1);
		nCount = nNewCount;
	}
}
