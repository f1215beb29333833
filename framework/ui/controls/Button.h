// CButton: the framework object of a BUTTON control (push button, check box, radio button,
// group box).
#pragma once

#include "framework/core/ControlConstants.h"
#include "framework/ui/window/Wnd.h"

class CButton : public CWnd
{
	DECLARE_DYNAMIC(CButton)

public:
	CButton();

	BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

	// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
	int GetCheck() const;
	void SetCheck(int nCheck);
	// The check state with BST_PUSHED and BST_FOCUS.
	UINT GetState() const;
	void SetState(BOOL bHighlight);
	UINT GetButtonStyle() const;
	// Replaces the BS_ style bits, e.g. to make a push button the default one.
	void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
};
