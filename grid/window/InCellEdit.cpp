// The grid's in-place editor: the edit control and what it remembers of the cell it edits.
#include "grid/window/InCellEdit.h"

IMPLEMENT_DYNAMIC(InCellEdit, CEdit)

InCellEdit::InCellEdit()
	: m_nEditCol(-1)
	, m_nEditRow(-1)
	, m_bEditing(FALSE)
	, m_pHost(nullptr)
	, m_bCancel(FALSE)
	, m_bContinue(FALSE)
	, m_nNextCol(-1)
	, m_nNextRow(-1)
	, m_nStartHeight(0)
	, m_bAutoGrow(FALSE)
	, m_pGrid(nullptr)
{
}

void InCellEdit::SetGrid(GridWindow* pGrid)
{
	m_pGrid = pGrid;
}
