// CTBBDialog: a dialog with a toolbar along the top, tooltips for its buttons and a command that
// shows or hides it; no status bar, no menu prompts.
#pragma once

#include "framework/ui/dialog/Dialog.h"
#include "sigkit/frames/DlgBars.h"

class CMenu;

class CTBBDialog : public CDialog
{
	DECLARE_DYNAMIC(CTBBDialog)

public:
	CTBBDialog(UINT nIDTemplate, CWnd* pParent = nullptr);
	~CTBBDialog() override;

	// The array is kept, not copied: it must stay valid until OnInitDialog has run.
	BOOL Set(const UINT* pButtons, int nButtons, UINT nToolBarBitmap);
	BOOL OnInitDialog() override;

	CToolBar* GetToolBar();

	HICON m_hIcon;
	const UINT* m_pButtons;
	int m_nButtons;
	UINT m_nToolBarBitmap;
	CDlgToolBar m_wndToolBar;

protected:
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg void OnClose();
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg HCURSOR OnQueryDragIcon();
	afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
	afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
	afx_msg void OnToolBarCheck();
	afx_msg void OnUpdateToolBarMenu(CCmdUI* pCmdUI);

	DECLARE_MESSAGE_MAP()
};
