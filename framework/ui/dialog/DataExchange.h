// Dialog data exchange: moving values between a dialog's members and its controls in both
// directions, with the refusal of bad input that leaves the focus on the offending field.
#pragma once

#include "framework/core/Exceptions.h"
#include "framework/core/String.h"
#include "framework/ui/window/Wnd.h"

// Thrown when the user's input was refused after the user had been told why; UpdateData
// catches it.
class CUserException : public CException
{
	DECLARE_DYNAMIC(CUserException)
};

[[noreturn]] void AfxThrowUserException();

class CDataExchange
{
public:
	CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

	// TRUE: controls to members, with validation; FALSE: members to controls.
	BOOL m_bSaveAndValidate;
	CWnd* m_pDlgWnd;

	// The control about to be exchanged, remembered so that Fail can return to it; null when the
	// dialog has no control with that id.
	HWND PrepareCtrl(int nIDC);
	HWND PrepareEditCtrl(int nIDC);
	// Puts the focus on the last prepared control (an edit one with all its text selected) and
	// throws CUserException.
	[[noreturn]] void Fail();

	HWND m_hWndLastControl;
	BOOL m_bEditLastControl;
};

// Doubles show in the shortest general form and must be finite decimal numbers (see
// AfxParseDouble); a refusal shows "Immettere un numero." with the stop icon.
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// nIDC is the group's first radio button; value is the index of the checked one, -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Subclasses the control for rControl on the first exchange.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
