// MemoryDataSource: the cursor over the row and cell lists, and reading, writing, inserting and
// deleting cells, rows and columns.
#include "grid/store/MemoryDataSource.h"

#include <cstdlib>

namespace
{
	// Row and cell nodes link the same way: both carry m_pPrev and m_pNext.
	template <class Node>
	void LinkBefore(Node* pAt, Node* pNew)
	{
		pNew->m_pPrev = pAt->m_pPrev;
		pNew->m_pNext = pAt;
		if (pAt->m_pPrev != nullptr)
			pAt->m_pPrev->m_pNext = pNew;
		pAt->m_pPrev = pNew;
	}

	template <class Node>
	void LinkAfter(Node* pAt, Node* pNew)
	{
		pNew->m_pNext = pAt->m_pNext;
		pNew->m_pPrev = pAt;
		if (pAt->m_pNext != nullptr)
			pAt->m_pNext->m_pPrev = pNew;
		pAt->m_pNext = pNew;
	}

	template <class Node>
	void Unlink(Node* pNode)
	{
		if (pNode->m_pPrev != nullptr)
			pNode->m_pPrev->m_pNext = pNode->m_pNext;
		if (pNode->m_pNext != nullptr)
			pNode->m_pNext->m_pPrev = pNode->m_pPrev;
	}
}

MemoryDataSource::MemoryDataSource()
	: m_pCurRow(nullptr), m_nCurRow(0), m_pFirstRow(nullptr), m_nFirstRow(0), m_pLastRow(nullptr),
	  m_nLastRow(0), m_pCurCell(nullptr), m_nCurCol(0), m_bEntered(FALSE), m_nSteps(0)
{
}

long MemoryDataSource::GetCursorSteps() const
{
	return m_nSteps;
}

MemoryDataSource::~MemoryDataSource()
{
	DeleteAll();
}

void MemoryDataSource::SetRowCursor(RowNode* pRow, long nRow)
{
	m_pCurRow = pRow;
	m_nCurRow = nRow;
	ResetCellCursor();
}

void MemoryDataSource::ResetCellCursor()
{
	m_bEntered = FALSE;
	m_pCurCell = m_pCurRow != nullptr ? m_pCurRow->m_pCells : nullptr;
	m_nCurCol = 0;
}

void MemoryDataSource::ForgetEntries()
{
	for (RowNode* pRow = FirstRowNode(); pRow != nullptr; pRow = pRow->m_pNext)
		pRow->m_pEntry = nullptr;
	ResetCellCursor();
}

void MemoryDataSource::StartNear(long nRow)
{
	const long nFromCursor = std::labs(nRow - m_nCurRow);
	if (m_pFirstRow != m_pCurRow && std::labs(nRow - m_nFirstRow) < nFromCursor
		&& std::labs(nRow - m_nFirstRow) <= std::labs(nRow - m_nLastRow))
		SetRowCursor(m_pFirstRow, m_nFirstRow);
	else if (m_pLastRow != m_pCurRow && std::labs(nRow - m_nLastRow) < nFromCursor)
		SetRowCursor(m_pLastRow, m_nLastRow);
}

MemoryDataSource::RowNode* MemoryDataSource::SeekRow(long nRow, BOOL bCreate)
{
	if (m_pCurRow == nullptr)
	{
		if (!bCreate)
			return nullptr;
		SetRowCursor(new RowNode, 0);
		m_pFirstRow = m_pLastRow = m_pCurRow;
		m_nFirstRow = m_nLastRow = 0;
	}
	StartNear(nRow);
	while (m_nCurRow < nRow)
	{
		if (m_pCurRow->m_pNext == nullptr)
		{
			if (!bCreate)
				return nullptr;
			LinkAfter(m_pCurRow, new RowNode);
			m_pLastRow = m_pCurRow->m_pNext;
			m_nLastRow = m_nCurRow + 1;
		}
		SetRowCursor(m_pCurRow->m_pNext, m_nCurRow + 1);
		m_nSteps++;
	}
	while (m_nCurRow > nRow)
	{
		if (m_pCurRow->m_pPrev == nullptr)
		{
			if (!bCreate)
				return nullptr;
			LinkBefore(m_pCurRow, new RowNode);
			m_pFirstRow = m_pCurRow->m_pPrev;
			m_nFirstRow = m_nCurRow - 1;
		}
		SetRowCursor(m_pCurRow->m_pPrev, m_nCurRow - 1);
		m_nSteps++;
	}
	return m_pCurRow;
}

MemoryDataSource::CellNode* MemoryDataSource::SeekCell(int nCol, BOOL bCreate)
{
	if (m_bEntered)
		return WalkCell(nCol, bCreate);
	m_bEntered = TRUE;
	// The first seek in a row starts from column 0 or from where the last visit entered,
	// whichever is nearer; only data columns are remembered, so that reading the row headings
	// does not pull the entry of every row away from the view's left column.
	if (m_pCurRow->m_pEntry != nullptr && std::abs(nCol - m_pCurRow->m_nEntryCol) < std::abs(nCol))
	{
		m_pCurCell = m_pCurRow->m_pEntry;
		m_nCurCol = m_pCurRow->m_nEntryCol;
	}
	CellNode* pNode = WalkCell(nCol, bCreate);
	if (nCol >= 0 && m_pCurCell != nullptr)
	{
		m_pCurRow->m_pEntry = m_pCurCell;
		m_pCurRow->m_nEntryCol = m_nCurCol;
	}
	return pNode;
}

MemoryDataSource::CellNode* MemoryDataSource::WalkCell(int nCol, BOOL bCreate)
{
	if (m_pCurCell == nullptr)
	{
		if (!bCreate)
			return nullptr;
		m_pCurRow->m_pCells = new CellNode;
		m_pCurCell = m_pCurRow->m_pCells;
		m_nCurCol = 0;
	}
	while (m_nCurCol < nCol)
	{
		if (m_pCurCell->m_pNext == nullptr)
		{
			if (!bCreate)
				return nullptr;
			LinkAfter(m_pCurCell, new CellNode);
		}
		m_pCurCell = m_pCurCell->m_pNext;
		m_nCurCol++;
		m_nSteps++;
	}
	while (m_nCurCol > nCol)
	{
		if (m_pCurCell->m_pPrev == nullptr)
		{
			if (!bCreate)
				return nullptr;
			LinkBefore(m_pCurCell, new CellNode);
		}
		m_pCurCell = m_pCurCell->m_pPrev;
		m_nCurCol--;
		m_nSteps++;
	}
	return m_pCurCell;
}

MemoryDataSource::RowNode* MemoryDataSource::FirstRowNode() const
{
	RowNode* pRow = m_pCurRow;
	while (pRow != nullptr && pRow->m_pPrev != nullptr)
		pRow = pRow->m_pPrev;
	return pRow;
}

MemoryDataSource::RowNode* MemoryDataSource::RowAtOrAfter(long* pnRow)
{
	RowNode* pRow = SeekRow(*pnRow, FALSE);
	if (pRow != nullptr)
		return pRow;
	if (m_pCurRow == nullptr || m_nCurRow < *pnRow)
		return nullptr;
	*pnRow = m_nCurRow;
	return m_pCurRow;
}

MemoryDataSource::CellNode* MemoryDataSource::CellInRow(const RowNode* pRow, int nCol)
{
	CellNode* pNode = pRow->m_pCells;
	for (int i = 0; pNode != nullptr && i < nCol; i++)
		pNode = pNode->m_pNext;
	for (int i = 0; pNode != nullptr && i > nCol; i--)
		pNode = pNode->m_pPrev;
	return pNode;
}

void MemoryDataSource::FreeCells(RowNode* pRow)
{
	CellNode* pNode = pRow->m_pCells;
	while (pNode != nullptr && pNode->m_pPrev != nullptr)
		pNode = pNode->m_pPrev;
	while (pNode != nullptr)
	{
		CellNode* pNext = pNode->m_pNext;
		delete pNode;
		pNode = pNext;
	}
	pRow->m_pCells = nullptr;
}

int MemoryDataSource::AppendRow()
{
	return 0;
}

int MemoryDataSource::AppendColumn()
{
	return 0;
}

int MemoryDataSource::InsertRow(long nRow)
{
	RowNode* pOld = SeekRow(nRow, FALSE);
	if (pOld == nullptr)
		return 1;
	RowNode* pNew = new RowNode;
	// Heading rows grow away from the data: the row and those beyond it move outwards.
	if (nRow >= 0)
	{
		LinkBefore(pOld, pNew);
		m_nLastRow++;
		if (pOld == m_pFirstRow)
			m_pFirstRow = pNew;
	}
	else
	{
		LinkAfter(pOld, pNew);
		m_nFirstRow--;
		if (pOld == m_pLastRow)
			m_pLastRow = pNew;
	}
	SetRowCursor(pNew, nRow);
	return 0;
}

int MemoryDataSource::DeleteRow(long nRow)
{
	RowNode* pRow = SeekRow(nRow, FALSE);
	if (pRow == nullptr)
		return 1;
	RowNode* pPrev = pRow->m_pPrev;
	RowNode* pNext = pRow->m_pNext;
	Unlink(pRow);
	if (nRow >= 0)
		m_nLastRow--;
	else
		m_nFirstRow++;
	if (pRow == m_pFirstRow)
		m_pFirstRow = pNext;
	if (pRow == m_pLastRow)
		m_pLastRow = pPrev;

	// Rows further from row 0 than the deleted one close the gap, so the cursor's neighbour on
	// that side takes the deleted row's number.
	if (nRow >= 0)
	{
		if (pNext != nullptr)
			SetRowCursor(pNext, nRow);
		else
			SetRowCursor(pPrev, nRow - 1);
	}
	else
	{
		if (pPrev != nullptr)
			SetRowCursor(pPrev, nRow);
		else
			SetRowCursor(pNext, nRow + 1);
	}
	if (m_pCurRow == nullptr)
		m_nCurRow = 0;

	FreeCells(pRow);
	delete pRow;
	return 0;
}

int MemoryDataSource::InsertColumn(int nCol)
{
	for (RowNode* pRow = FirstRowNode(); pRow != nullptr; pRow = pRow->m_pNext)
	{
		CellNode* pOld = CellInRow(pRow, nCol);
		if (pOld == nullptr)
			continue;
		CellNode* pNew = new CellNode;
		// Heading columns grow away from the data, as heading rows do.
		if (nCol >= 0)
		{
			LinkBefore(pOld, pNew);
			if (pRow->m_pCells == pOld)
				pRow->m_pCells = pNew;
		}
		else
		{
			LinkAfter(pOld, pNew);
		}
	}
	ForgetEntries();
	return 0;
}

int MemoryDataSource::DeleteColumn(int nCol)
{
	for (RowNode* pRow = FirstRowNode(); pRow != nullptr; pRow = pRow->m_pNext)
	{
		CellNode* pNode = CellInRow(pRow, nCol);
		if (pNode == nullptr)
			continue;
		// The outermost node of the row only loses its cell: nothing beyond it has to move.
		CellNode* pBeyond = nCol >= 0 ? pNode->m_pNext : pNode->m_pPrev;
		if (pBeyond == nullptr)
		{
			pNode->m_pCell.reset();
			continue;
		}
		Unlink(pNode);
		if (pRow->m_pCells == pNode)
			pRow->m_pCells = pNode->m_pNext;
		delete pNode;
	}
	ForgetEntries();
	return 0;
}

int MemoryDataSource::DeleteCell(int nCol, long nRow)
{
	if (SeekRow(nRow, FALSE) == nullptr)
		return 1;
	CellNode* pNode = SeekCell(nCol, FALSE);
	if (pNode == nullptr || pNode->m_pCell == nullptr)
		return 1;
	pNode->m_pCell.reset();
	return 0;
}

int MemoryDataSource::DeleteAll()
{
	RowNode* pRow = FirstRowNode();
	while (pRow != nullptr)
	{
		RowNode* pNext = pRow->m_pNext;
		FreeCells(pRow);
		delete pRow;
		pRow = pNext;
	}
	SetRowCursor(nullptr, 0);
	m_pFirstRow = m_pLastRow = nullptr;
	m_nFirstRow = m_nLastRow = 0;
	return 0;
}

int MemoryDataSource::GetCell(int nCol, long nRow, GridCell* pCell)
{
	if (pCell == nullptr || SeekRow(nRow, FALSE) == nullptr)
		return 1;
	CellNode* pNode = SeekCell(nCol, FALSE);
	if (pNode == nullptr || pNode->m_pCell == nullptr)
		return 1;
	pCell->MergeFrom(*pNode->m_pCell);
	return 0;
}

int MemoryDataSource::SetCell(int nCol, long nRow, const GridCell* pCell)
{
	if (pCell == nullptr)
		return 1;
	SeekRow(nRow, TRUE);
	CellNode* pNode = SeekCell(nCol, TRUE);
	if (pNode->m_pCell == nullptr)
		pNode->m_pCell.reset(new GridCell);
	pNode->m_pCell->CopyFrom(*pCell);
	return 0;
}
