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
	// Closes the list without a choice and gives the focus back to the cell view.
	void CloseList();

protected:
	afx_msg void OnSetFocus(CWnd* pOldWnd);
	afx_msg void OnKillFocus(CWnd* pNewWnd);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg UINT OnGetDlgCode();
	afx_msg LRESULT OnClosePending(WPARAM wParam, LPARAM lParam);

	DECLARE_MESSAGE_MAP()

private:
	void ChooseSelected();
	BOOL IsInside(CPoint point) const;

	DropListCellType* m_pOwnerType;
	// Set while the list closes on purpose, so that the focus it gives away is no focus loss.
	BOOL m_bClosing;
};
