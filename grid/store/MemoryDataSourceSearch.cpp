// MemoryDataSource: finding a text, sorting whole rows, and the previous non-empty column.
#include "grid/store/MemoryDataSource.h"

#include "grid/store/CellCompare.h"

#include <climits>
#include <cstring>
#include <utility>

BOOL MemoryDataSource::Matches(const GridCell* pCell, LPCSTR lpszText, int nFlags)
{
	if (pCell == nullptr)
		return FALSE;
	const CString strCell = pCell->GetText();
	if (nFlags & GRID_FIND_PART)
		return std::strstr(strCell, lpszText) != nullptr;
	if (nFlags & GRID_FIND_NOCASE)
		return strCell.CompareNoCase(lpszText) == 0;
	return strCell.Compare(lpszText) == 0;
}

int MemoryDataSource::FindFirst(LPCSTR lpszText, int* pnCol, long* pnRow, int nFlags)
{
	if (pnCol == nullptr || pnRow == nullptr)
		return 1;
	int nCol = (nFlags & GRID_FIND_ACROSS) ? -1 : *pnCol;
	long nRow = (nFlags & GRID_FIND_ACROSS) ? 0 : -1;
	if (FindNext(lpszText, &nCol, &nRow, nFlags) != 0)
		return 1;
	*pnCol = nCol;
	*pnRow = nRow;
	return 0;
}

int MemoryDataSource::FindNext(LPCSTR lpszText, int* pnCol, long* pnRow, int nFlags)
{
	if (lpszText == nullptr || pnCol == nullptr || pnRow == nullptr)
		return 1;

	if (nFlags & GRID_FIND_ACROSS)
	{
		long nRow = *pnRow;
		// Heading columns are not searched across: each row is searched from column 0.
		int nStartCol = *pnCol + 1 > 0 ? *pnCol + 1 : 0;
		RowNode* pRow = RowAtOrAfter(&nRow);
		if (pRow != nullptr && nRow != *pnRow)
			nStartCol = 0;
		for (; pRow != nullptr; pRow = pRow->m_pNext, nRow++, nStartCol = 0)
		{
			int nCol = nStartCol;
			for (CellNode* pNode = CellInRow(pRow, nCol); pNode != nullptr; pNode = pNode->m_pNext, nCol++)
			{
				if (Matches(pNode->m_pCell.get(), lpszText, nFlags))
				{
					*pnCol = nCol;
					*pnRow = nRow;
					return 0;
				}
			}
		}
		return 1;
	}

	long nRow = *pnRow + 1;
	for (RowNode* pRow = RowAtOrAfter(&nRow); pRow != nullptr; pRow = pRow->m_pNext, nRow++)
	{
		const CellNode* pNode = CellInRow(pRow, *pnCol);
		if (pNode != nullptr && Matches(pNode->m_pCell.get(), lpszText, nFlags))
		{
			*pnRow = nRow;
			return 0;
		}
	}
	return 1;
}

BOOL MemoryDataSource::RowsOutOfOrder(const RowNode* pFirst, const RowNode* pSecond, const int* pCols, int nCount, int nFlags) const
{
	for (int i = 0; i < nCount; i++)
	{
		const CellNode* pNodeA = CellInRow(pFirst, pCols[i]);
		const CellNode* pNodeB = CellInRow(pSecond, pCols[i]);
		GridCell* pA = pNodeA != nullptr ? pNodeA->m_pCell.get() : nullptr;
		GridCell* pB = pNodeB != nullptr ? pNodeB->m_pCell.get() : nullptr;
		GridCellOrder* pOrder = GetCellOrder();
		const int nOrder = pOrder != nullptr ? pOrder->CompareCellsForSort(pA, pB, nFlags)
											 : CompareCellsForSort(pA, pB, nFlags);
		if (nOrder != 0)
			return nOrder > 0;
	}
	return FALSE;
}

int MemoryDataSource::SortMulti(const int* pCols, int nCount, int nFlags)
{
	if (pCols == nullptr || nCount <= 0)
		return 1;
	// Heading rows keep their places; only rows from 0 on are sorted.
	RowNode* pFirst = SeekRow(0, FALSE);
	if (pFirst == nullptr)
		return 0;

	// Two cells of different data types can each sort before the other (the first cell's type
	// decides), which would swap such rows for ever; n - 1 passes sort any consistent order.
	long nPasses = 0;
	for (const RowNode* pRow = pFirst->m_pNext; pRow != nullptr; pRow = pRow->m_pNext)
		nPasses++;
	BOOL bSwapped = TRUE;
	while (bSwapped && nPasses-- > 0)
	{
		bSwapped = FALSE;
		for (RowNode* pRow = pFirst; pRow->m_pNext != nullptr; pRow = pRow->m_pNext)
		{
			if (RowsOutOfOrder(pRow, pRow->m_pNext, pCols, nCount, nFlags))
			{
				// A row's entry node travels with its cells.
				std::swap(pRow->m_pCells, pRow->m_pNext->m_pCells);
				std::swap(pRow->m_pEntry, pRow->m_pNext->m_pEntry);
				std::swap(pRow->m_nEntryCol, pRow->m_pNext->m_nEntryCol);
				bSwapped = TRUE;
			}
		}
	}
	ResetCellCursor();
	return 0;
}

int MemoryDataSource::PreviousNonEmptyColumn(int* pnCol, long nRow)
{
	if (pnCol == nullptr || SeekRow(nRow, FALSE) == nullptr)
		return 1;
	const int nCol = *pnCol;
	// The cursor stops at the nearest node when the row does not reach nCol.
	SeekCell(nCol, FALSE);
	const CellNode* pNode = m_pCurCell;
	int nIndex = m_nCurCol;
	if (pNode != nullptr && nIndex >= nCol)
	{
		pNode = pNode->m_pPrev;
		nIndex--;
	}
	// A data cell's text never comes from a heading column, which is drawn apart.
	const int nLimit = nCol >= 0 ? 0 : INT_MIN;
	for (; pNode != nullptr && nIndex >= nLimit; pNode = pNode->m_pPrev, nIndex--)
	{
		if (pNode->m_pCell != nullptr && pNode->m_pCell->GetTextLength() > 0)
		{
			*pnCol = nIndex;
			return 0;
		}
	}
	return 1;
}
