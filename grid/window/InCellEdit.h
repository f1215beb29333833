// InCellEdit: the grid's in-place editor, a multi-line edit placed over the cell being edited.
// It ends the edit when it loses the focus, and grows over the cells to its right and below as
// its text needs more room.
#pragma once

#include "framework/ui/controls/Edit.h"
#include "grid/store/GridCell.h"

class GridWindow;

class InCellEdit : public CEdit
{
	DECLARE_DYNAMIC(InCellEdit)

public:
	InCellEdit();

	void SetGrid(GridWindow* pGrid);
	// Widens and lengthens the editor to the cell edges its text reaches, never shrinking it.
	void GrowToFit();

	// The running edit, kept in the grid's own editor whichever window edits.
	GridCell m_cell;
	int m_nEditCol;
	long m_nEditRow;
	BOOL m_bEditing;
	// The window the editor lies in (cell view or a heading) and the window that edits: this
	// editor, or one AllowEditStart handed back.
	CWnd* m_pHost;
	CWnd* m_pEditWindow;

	// Set by the keys that leave the editor, read when the edit ends.
	BOOL m_bCancel;
	BOOL m_bContinue;
	int m_nNextCol;
	long m_nNextRow;
	// The height the text may fill before the editor grows, with the edit's own margins.
	int m_nStartHeight;
	BOOL m_bAutoGrow;

protected:
	// After Tab, Shift+Tab or Enter set the next cell: whether editing goes on there. This editor
	// never does; an editor handed back by AllowEditStart may.
	virtual BOOL ContinuesAfterKey(UINT nKey);

	afx_msg void OnSetFocus(CWnd* pOldWnd);
	afx_msg void OnKillFocus(CWnd* pNewWnd);
	afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg UINT OnGetDlgCode();
	afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
	afx_msg void OnTextChange();

	DECLARE_MESSAGE_MAP()

	GridWindow* m_pGrid;

private:
	// The running edit's state, in the grid's own editor.
	InCellEdit* GetSession() const;
	void RememberHeight(int nHeight);
};
