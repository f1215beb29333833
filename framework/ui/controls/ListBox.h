// CListBox: the framework object of a LISTBOX control of strings with item data.
#pragma once

#include "framework/core/ControlConstants.h"
#include "framework/core/String.h"
#include "framework/ui/window/Wnd.h"

class CListBox : public CWnd
{
	DECLARE_DYNAMIC(CListBox)

public:
	CListBox();

	BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

	// Index of the new string (its sorted place with LBS_SORT).
	int AddString(LPCTSTR lpszItem);
	// nIndex -1 appends.
	int InsertString(int nIndex, LPCTSTR lpszItem);
	// The number of strings left, or LB_ERR.
	int DeleteString(UINT nIndex);
	void ResetContent();
	int GetCount() const;
	// LB_ERR when nothing is selected.
	int GetCurSel() const;
	// -1 clears the selection.
	int SetCurSel(int nSelect);
	// lpszBuffer must hold GetTextLen(nIndex) + 1 bytes.
	int GetText(int nIndex, LPTSTR lpszBuffer) const;
	void GetText(int nIndex, CString& rString) const;
	int GetTextLen(int nIndex) const;
	int SetItemData(int nIndex, DWORD_PTR dwItemData);
	DWORD_PTR GetItemData(int nIndex) const;
	// Case-insensitive whole-string search from the item after nStartAfter, wrapping round.
	int FindStringExact(int nStartAfter, LPCTSTR lpszFind) const;
	// Every item has the same height here, whatever nIndex; at most 255 pixels.
	int GetItemHeight(int nIndex) const;
	int SetItemHeight(int nIndex, UINT cyItemHeight);
	// The item at pt (client coordinates), or the nearest one with bOutside set when pt lies
	// outside the client area or below the last item; 65535 and bOutside in an empty list.
	UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;
};
