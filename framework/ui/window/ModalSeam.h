// The testing seam: every modal interaction (message box, file dialog, print dialog, shell open,
// modal dialog) goes through one replaceable hook, so tests can answer for the user and see
// what was shown.
#pragma once

#include "framework/core/String.h"
#include "framework/core/Types.h"
#include "framework/core/WinConstants.h"

#include <functional>

class CWnd;

enum class ModalKind
{
	MessageBox,
	FileDialog,
	PrintDialog,
	ShellOpen,
	Dialog,
	PopupMenu,	// TrackPopupMenu: pData is the HMENU, nType the TPM_ flags, the answer the command or 0
};

struct ModalRequest
{
	ModalKind nKind;
	CWnd* pOwner;
	CWnd* pDialog;	// the dialog whose DoModal runs, for ModalKind::Dialog
	CString strCaption;
	CString strText;	// a message box's text; the file or path of the other kinds
	UINT nType;	// a message box's MB_ buttons, icon and default button; the kind's flags otherwise
	void* pData;	// the kind's own record, owned by the caller
	// Shows the interaction for real and returns the user's answer; a seam may call it.
	std::function<INT_PTR()> pfnShow;
};

class CModalSeam
{
public:
	virtual ~CModalSeam();
	// Answers the interaction: IDOK, IDYES, ... or whatever request.pfnShow() returns.
	virtual INT_PTR OnModal(ModalRequest& request) = 0;
};

// Installs pSeam (null: every interaction is shown for real) and returns the seam it replaces.
CModalSeam* AfxSetModalSeam(CModalSeam* pSeam);
CModalSeam* AfxGetModalSeam();
// The one door of every modal interaction.
INT_PTR AfxDoModalRequest(ModalRequest& request);

// Runs fn once, the next time the innermost event loop has nothing to do: a seam uses it to
// act on a dialog after its loop has started.
void AfxRunWhenIdle(std::function<void()> fn);

// Message boxes with Italian buttons (OK, Sì, No, Annulla). The caption is the application's name.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text is the string resource nIDPrompt.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
