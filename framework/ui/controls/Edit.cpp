// CEdit's members, each one edit message.
#include "framework/ui/controls/Edit.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

CEdit::CEdit() = default;

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
	return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
	::SendMessage(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
	if (!bNoScroll)
	{
		::SendMessage(m_hWnd, EM_SCROLLCARET, 0, 0);
	}
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
	SetSel(static_cast<short>(LOWORD(dwSelection)), static_cast<short>(HIWORD(dwSelection)), bNoScroll);
}

DWORD CEdit::GetSel() const
{
	return static_cast<DWORD>(::SendMessage(m_hWnd, EM_GETSEL, 0, 0));
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
	DWORD dwStart = 0;
	DWORD dwEnd = 0;
	::SendMessage(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
	nStartChar = static_cast<int>(dwStart);
	nEndChar = static_cast<int>(dwEnd);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
	::SendMessage(m_hWnd, EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), reinterpret_cast<LPARAM>(lpszNewText));
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
	return static_cast<BOOL>(::SendMessage(m_hWnd, EM_SETREADONLY, static_cast<WPARAM>(bReadOnly), 0));
}

void CEdit::LimitText(int nChars)
{
	::SendMessage(m_hWnd, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
}

void CEdit::SetLimitText(UINT nMax)
{
	::SendMessage(m_hWnd, EM_SETLIMITTEXT, nMax, 0);
}

UINT CEdit::GetLimitText() const
{
	return static_cast<UINT>(::SendMessage(m_hWnd, EM_GETLIMITTEXT, 0, 0));
}

BOOL CEdit::GetModify() const
{
	return static_cast<BOOL>(::SendMessage(m_hWnd, EM_GETMODIFY, 0, 0));
}

void CEdit::SetModify(BOOL bModified)
{
	::SendMessage(m_hWnd, EM_SETMODIFY, static_cast<WPARAM>(bModified), 0);
}

int CEdit::GetLineCount() const
{
	return static_cast<int>(::SendMessage(m_hWnd, EM_GETLINECOUNT, 0, 0));
}

int CEdit::GetFirstVisibleLine() const
{
	return static_cast<int>(::SendMessage(m_hWnd, EM_GETFIRSTVISIBLELINE, 0, 0));
}

BOOL CEdit::LineScroll(int nLines, int nChars)
{
	return static_cast<BOOL>(::SendMessage(m_hWnd, EM_LINESCROLL, static_cast<WPARAM>(nChars), nLines));
}
