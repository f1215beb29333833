// MemoryDataSource: every sheet's default data source, holding its cells in memory as linked
// lists of rows and of cells, walked by a cursor from wherever the last access left it.
#pragma once

#include "grid/store/DataSource.h"
#include "grid/store/GridCell.h"

#include <memory>

class MemoryDataSource : public DataSource
{
public:
	MemoryDataSource();
	~MemoryDataSource() override;

	int AppendRow() override;
	int InsertRow(long nRow) override;
	int AppendColumn() override;
	int InsertColumn(int nCol) override;
	int DeleteRow(long nRow) override;
	int DeleteColumn(int nCol) override;
	int DeleteCell(int nCol, long nRow) override;
	int DeleteAll() override;
	int GetCell(int nCol, long nRow, GridCell* pCell) override;
	int SetCell(int nCol, long nRow, const GridCell* pCell) override;
	int FindFirst(LPCSTR lpszText, int* pnCol, long* pnRow, int nFlags) override;
	int FindNext(LPCSTR lpszText, int* pnCol, long* pnRow, int nFlags) override;
	int SortMulti(const int* pCols, int nCount, int nFlags) override;
	int PreviousNonEmptyColumn(int* pnCol, long nRow) override;

	// Nodes the cursor has stepped over since the store was made; tests read it to check that
	// a paint's reading order costs one step per cell.
	long GetCursorSteps() const;

private:
	// One node per column position; the store owns the nodes and their cells.
	struct CellNode
	{
		std::unique_ptr<GridCell> m_pCell;
		CellNode* m_pNext = nullptr;
		CellNode* m_pPrev = nullptr;
	};

	// m_pCells is the node of column 0: heading columns lie before it, data columns after.
	// m_pEntry is the first node the cursor reached on its last visit to the row: a paint
	// enters every row at its left column, and comes back there on the next paint.
	struct RowNode
	{
		CellNode* m_pCells = nullptr;
		RowNode* m_pNext = nullptr;
		RowNode* m_pPrev = nullptr;
		CellNode* m_pEntry = nullptr;
		int m_nEntryCol = 0;
	};

	// Moves the cursor one node at a time towards the row (or column of the cursor's row),
	// creating missing nodes on the way when asked. Without creating, the cursor stops at the
	// nearest node and null is returned when the position has no node.
	RowNode* SeekRow(long nRow, BOOL bCreate);
	CellNode* SeekCell(int nCol, BOOL bCreate);
	CellNode* WalkCell(int nCol, BOOL bCreate);
	void SetRowCursor(RowNode* pRow, long nRow);
	// Puts the cursor on the first or last row node when that is nearer to the row than the
	// cursor itself: going to the last of a million rows is then a step, not a million.
	void StartNear(long nRow);
	void ResetCellCursor();
	// Forgets every row's entry node, once column positions have moved or nodes were freed.
	void ForgetEntries();
	RowNode* FirstRowNode() const;
	// The node of row *pnRow, or when that row lies before the first node, the first node with
	// *pnRow moved to it; null when the row lies past the last node.
	RowNode* RowAtOrAfter(long* pnRow);

	static CellNode* CellInRow(const RowNode* pRow, int nCol);
	static BOOL Matches(const GridCell* pCell, LPCSTR lpszText, int nFlags);
	BOOL RowsOutOfOrder(const RowNode* pFirst, const RowNode* pSecond, const int* pCols, int nCount, int nFlags) const;
	static void FreeCells(RowNode* pRow);

	RowNode* m_pCurRow;
	long m_nCurRow;
	RowNode* m_pFirstRow;
	long m_nFirstRow;
	RowNode* m_pLastRow;
	long m_nLastRow;
	CellNode* m_pCurCell;
	int m_nCurCol;
	// Whether the cursor's row has had its entry node recorded on this visit.
	BOOL m_bEntered;
	long m_nSteps;
};
