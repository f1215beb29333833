// CListBox's members, each one list-box message.
#include "framework/ui/controls/ListBox.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

CListBox::CListBox() = default;

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
	return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::AddString(LPCTSTR lpszItem)
{
	return static_cast<int>(::SendMessage(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
	return static_cast<int>(
		::SendMessage(m_hWnd, LB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::DeleteString(UINT nIndex)
{
	return static_cast<int>(::SendMessage(m_hWnd, LB_DELETESTRING, nIndex, 0));
}

void CListBox::ResetContent()
{
	::SendMessage(m_hWnd, LB_RESETCONTENT, 0, 0);
}

int CListBox::GetCount() const
{
	return static_cast<int>(::SendMessage(m_hWnd, LB_GETCOUNT, 0, 0));
}

int CListBox::GetCurSel() const
{
	return static_cast<int>(::SendMessage(m_hWnd, LB_GETCURSEL, 0, 0));
}

int CListBox::SetCurSel(int nSelect)
{
	return static_cast<int>(::SendMessage(m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(nSelect), 0));
}

int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const
{
	return static_cast<int>(
		::SendMessage(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
}

void CListBox::GetText(int nIndex, CString& rString) const
{
	const int nLength = GetTextLen(nIndex);
	if (nLength < 0)
	{
		rString.Empty();
		return;
	}
	GetText(nIndex, rString.GetBuffer(nLength));
	rString.ReleaseBuffer(nLength);
}

int CListBox::GetTextLen(int nIndex) const
{
	return static_cast<int>(::SendMessage(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex), 0));
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
	return static_cast<int>(
		::SendMessage(m_hWnd, LB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData)));
}

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
	return static_cast<DWORD_PTR>(::SendMessage(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0));
}

int CListBox::FindStringExact(int nStartAfter, LPCTSTR lpszFind) const
{
	return static_cast<int>(::SendMessage(m_hWnd, LB_FINDSTRINGEXACT, static_cast<WPARAM>(nStartAfter),
		reinterpret_cast<LPARAM>(lpszFind)));
}

int CListBox::GetItemHeight(int nIndex) const
{
	return static_cast<int>(::SendMessage(m_hWnd, LB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex), 0));
}

int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
	return static_cast<int>(
		::SendMessage(m_hWnd, LB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), MAKELPARAM(static_cast<WORD>(cyItemHeight), 0)));
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
	const LRESULT lResult = ::SendMessage(m_hWnd, LB_ITEMFROMPOINT, 0,
		MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
	bOutside = HIWORD(static_cast<DWORD_PTR>(lResult)) != 0;
	return LOWORD(static_cast<DWORD_PTR>(lResult));
}
