// CEdit: the framework object of an EDIT control, with its messages as members.
#pragma once

#include "framework/core/ControlConstants.h"
#include "framework/ui/window/Wnd.h"

class CEdit : public CWnd
{
	DECLARE_DYNAMIC(CEdit)

public:
	CEdit();

	BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

	// nStartChar -1 removes the selection; nEndChar -1 selects to the end. The caret is scrolled
	// into view unless bNoScroll.
	void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
	void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
	// Start in the low word, end in the high word.
	DWORD GetSel() const;
	void GetSel(int& nStartChar, int& nEndChar) const;
	void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
	BOOL SetReadOnly(BOOL bReadOnly = TRUE);
	// 0 lifts the limit.
	void LimitText(int nChars = 0);
	void SetLimitText(UINT nMax);
	UINT GetLimitText() const;
	BOOL GetModify() const;
	void SetModify(BOOL bModified = TRUE);
	int GetLineCount() const;
	int GetFirstVisibleLine() const;
	// Only a multi-line edit scrolls.
	BOOL LineScroll(int nLines, int nChars = 0);
};
