// CCmdUI: one user-interface item of a command (a menu item here; toolbar buttons and status-bar
// panes in classes derived from it) taking the state that the command's update handler gives it.
#pragma once

#include "framework/core/Types.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI
{
public:
	CCmdUI();
	virtual ~CCmdUI();

	CCmdUI(const CCmdUI&) = delete;
	CCmdUI& operator=(const CCmdUI&) = delete;

	UINT m_nID;	// the command
	UINT m_nIndex;	// the item's position in m_pMenu, or in whatever m_pOther holds
	UINT m_nIndexMax;	// the number of items being updated
	// A menu item: the menu holding it and, for an item that opens a popup, that popup (the item
	// is then updated for the popup's first command).
	CMenu* m_pMenu;
	CMenu* m_pSubMenu;
	// Anything else: the window that shows the item (a control, a bar).
	CWnd* m_pOther;
	BOOL m_bEnableChanged;	// Enable was called by the handler
	BOOL m_bContinueRouting;	// the handler gave the item up

	virtual void Enable(BOOL bOn = TRUE);
	// 0 unchecked, 1 checked, 2 indeterminate (shown as checked in a menu).
	virtual void SetCheck(int nCheck = 1);
	// Checked with a bullet instead of a tick.
	virtual void SetRadio(BOOL bOn = TRUE);
	virtual void SetText(LPCTSTR lpszText);
	void ContinueRouting();

	// Asks pTarget's ON_UPDATE_COMMAND_UI handler for the item's state. With bDisableIfNoHndler,
	// an item whose handler left it alone (or that has none) is enabled exactly when pTarget has
	// an ON_COMMAND handler for it. TRUE when a handler took the update.
	BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

// The update pass over a popup's items before it opens: items in order, separators skipped, an
// item opening a popup updated through the popup's first command and never disabled
// automatically, system commands (0xF000 and up) never disabled automatically either, and the
// other commands disabled when pTarget has no handler for them (unless bAutoMenuEnable is FALSE).
void AfxUpdateMenuPopup(CMenu* pPopupMenu, CCmdTarget* pTarget, BOOL bAutoMenuEnable = TRUE);
