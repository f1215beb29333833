// InCellEdit: the grid's in-place editor, a multi-line edit placed over the cell being edited.
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

	GridCell m_cell;
	int m_nEditCol;
	long m_nEditRow;
	BOOL m_bEditing;
	CWnd* m_pHost;
	BOOL m_bCancel;
	BOOL m_bContinue;
	int m_nNextCol;
	long m_nNextRow;
	int m_nStartHeight;
	BOOL m_bAutoGrow;

private:
	GridWindow* m_pGrid;
};
