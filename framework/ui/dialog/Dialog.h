// CDialog: a window built from a dialog template, with its controls, keyboard navigation, data
// exchange, and the modal run that ends with EndDialog's result.
#pragma once

#include "framework/core/ControlConstants.h"
#include "framework/core/DialogTemplate.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/window/Wnd.h"

class CDataExchange;

class CDialog : public CWnd
{
	DECLARE_DYNAMIC(CDialog)

public:
	CDialog();
	explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
	// A name is "#123" or MAKEINTRESOURCE(123): templates are found by id along the resource chain.
	explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
	~CDialog() override;

	// Modeless: the window is made now and shown when the template says WS_VISIBLE.
	BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
	BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
	BOOL CreateIndirect(const DialogTemplate* pTemplate, CWnd* pParentWnd = nullptr);
	// Modal from a template that is not in the resource chain.
	BOOL InitModalIndirect(const DialogTemplate* pTemplate, CWnd* pParentWnd = nullptr);

	// Goes through the modal seam; shown for real, it runs a nested loop with the owner disabled
	// and returns EndDialog's result, or -1 when the window could not be made.
	virtual INT_PTR DoModal();
	void EndDialog(int nResult);

	// WM_INITDIALOG: the default fills the controls (UpdateData(FALSE)) and returns TRUE, which
	// puts the focus on the first tab stop.
	virtual BOOL OnInitDialog();
	// UpdateData(TRUE), then EndDialog(IDOK) only when the exchange succeeded.
	virtual void OnOK();
	virtual void OnCancel();

	// FALSE when a field was refused: its prompt was shown and the focus put on it.
	BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

	// Dialog units to pixels with the fixed base units of the dialog font.
	void MapDialogRect(LPRECT lpRect) const;
	// The next (or previous) visible, enabled control with WS_TABSTOP after pWndCtl, wrapping
	// round; pWndCtl null starts before the first control.
	CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
	// The same within pWndCtl's group: from a WS_GROUP control up to the next one.
	CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
	// Focuses the control, selecting all of an edit control's text, as the dialog keys do.
	void GotoDlgCtrl(CWnd* pWndCtrl);
	void NextDlgCtrl();
	void PrevDlgCtrl();
	// MAKELONG(id, DC_HASDEFID), or 0 without a default push button.
	DWORD GetDefID() const;
	void SetDefID(UINT nID);

	void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
	// 0 when none of the buttons is checked.
	int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);
	void CheckDlgButton(int nIDButton, UINT nCheck);
	UINT IsDlgButtonChecked(int nIDButton) const;
	LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

	// Tab, Shift+Tab and the arrows move the focus, Enter presses the default button (IDOK when
	// there is none), Escape sends IDCANCEL and Alt with a letter presses the control it marks.
	BOOL IsDialogMessage(LPMSG lpMsg);
	BOOL PreTranslateMessage(MSG* pMsg) override;

	LPCTSTR m_lpszTemplateName;
	UINT m_nIDHelp;
	const DialogTemplate* m_lpDialogTemplate;
	CWnd* m_pParentWnd;

protected:
	virtual void DoDataExchange(CDataExchange* pDX);

	afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

	DECLARE_MESSAGE_MAP()

private:
	const DialogTemplate* FindTemplate() const;
	CWnd* FindOwner(CWnd* pParentWnd, BOOL bModal) const;
	BOOL CreateFromTemplate(const DialogTemplate* pTemplate, CWnd* pParentWnd, BOOL bModal);
	CRect PlaceWindow(const DialogTemplate* pTemplate, CWnd* pOwner);
	BOOL CreateItems(const DialogTemplate* pTemplate);
	BOOL PressMnemonic(UINT nKey);
	INT_PTR RunModal();

	CFont m_font;
};
