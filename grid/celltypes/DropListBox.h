// DropListBox: the list a drop-list cell opens in the cell view, which chooses an item on a
// click or Enter and closes on Esc or when it loses the focus.
#pragma once

#include "framework/ui/controls/ListBox.h"

class DropListCellType;

class DropListBox : public CListBox
{
	DECLARE_DYNAMIC(DropListBox)

public:
	DropListBox();

	void SetOwnerType(DropListCellType* pType);

protected:
	afx_msg void OnSetFocus(CWnd* pOldWnd);
	afx_msg void OnKillFocus(CWnd* pNewWnd);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg UINT OnGetDlgCode();

	DECLARE_MESSAGE_MAP()

private:
	DropListCellType* m_pOwnerType;
	BOOL m_bChosen;
};
