// CFindReplaceDialog: the modeless find and replace dialogs, which tell their owner what the
// user asks for with the registered message FINDMSGSTRING ("commdlg_FindReplace").
#pragma once

#include "framework/core/CommonDialogConstants.h"
#include "framework/ui/dialog/Dialog.h"

struct FINDREPLACE
{
	DWORD lStructSize;
	HWND hwndOwner;
	HINSTANCE hInstance;
	DWORD Flags;	// FR_ options, and the command of the last notification
	LPTSTR lpstrFindWhat;
	LPTSTR lpstrReplaceWith;
	WORD wFindWhatLen;
	WORD wReplaceWithLen;
	LPARAM lCustData;	// the dialog itself, for GetNotifier
};

typedef FINDREPLACE* LPFINDREPLACE;

class CFindReplaceDialog : public CDialog
{
	DECLARE_DYNAMIC(CFindReplaceDialog)

public:
	// Make it with new: the dialog deletes itself once its window is gone.
	CFindReplaceDialog();

	// The owner (pParentWnd, else the main window) receives FINDMSGSTRING with lParam the
	// dialog's FINDREPLACE for Find next, Replace, Replace all and, as the dialog closes, FR_DIALOGTERM.
	BOOL Create(BOOL bFindDialogOnly, LPCTSTR lpszFindWhat, LPCTSTR lpszReplaceWith = nullptr, DWORD dwFlags = FR_DOWN,
		CWnd* pParentWnd = nullptr);

	// The dialog behind a FINDMSGSTRING message's lParam.
	static CFindReplaceDialog* GetNotifier(LPARAM lParam);

	CString GetFindString() const;
	CString GetReplaceString() const;
	BOOL SearchDown() const;
	BOOL FindNext() const;
	BOOL MatchCase() const;
	BOOL MatchWholeWord() const;
	BOOL ReplaceCurrent() const;
	BOOL ReplaceAll() const;
	BOOL IsTerminating() const;

	FINDREPLACE m_fr;

protected:
	BOOL OnInitDialog() override;
	// Find next; the dialog stays open.
	void OnOK() override;
	// Tells the owner the dialog is closing, then closes it.
	void OnCancel() override;
	BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
	void PostNcDestroy() override;

private:
	void Notify(DWORD dwCommand);
	void UpdateCommandButtons();

	char m_szFindWhat[128];
	char m_szReplaceWith[128];
};
