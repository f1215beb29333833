// CTBDialog: a dialog with the furniture of a main frame: a toolbar along the top, a status bar
// along the bottom with menu prompts, key indicators and tooltips, and commands that show or
// hide either bar.
#pragma once

#include "framework/ui/dialog/Dialog.h"
#include "sigkit/frames/DlgBars.h"

class CMenu;

class CTBDialog : public CDialog
{
	DECLARE_DYNAMIC(CTBDialog)

public:
	CTBDialog(UINT nIDTemplate, CWnd* pParent = nullptr);
	~CTBDialog() override;

	// The arrays are kept, not copied: they must stay valid until OnInitDialog has run.
	BOOL Set(const UINT* pIndicators, int nIndicators, const UINT* pButtons, int nButtons, UINT nToolBarBitmap);
	BOOL OnInitDialog() override;

	CToolBar* GetToolBar();
	CStatusBar* GetStatusBar();

	HICON m_hIcon;
	UINT m_nIDTracking;
	UINT m_nIDLastMessage;
	const UINT* m_pIndicators;
	int m_nIndicators;
	CDlgStatusBar m_wndStatusBar;
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
	afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
	afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
	afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
	afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
	afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
	afx_msg void OnStatusBarCheck();
	afx_msg void OnToolBarCheck();
	afx_msg void OnUpdateStatusBarMenu(CCmdUI* pCmdUI);
	afx_msg void OnUpdateToolBarMenu(CCmdUI* pCmdUI);
	afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

	DECLARE_MESSAGE_MAP()
};
