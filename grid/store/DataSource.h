// DataSource: the interface through which the grid reads and writes cells, with the defaults a
// source that does not take part in an operation answers. Results: 0 done, 1 bad argument or
// missing item, -1 not supported.
#pragma once

#include "framework/core/String.h"
#include "framework/core/Types.h"

class CWnd;
class GridCell;
class GridCellOrder;
class GridWindow;

// Find flags.
constexpr int GRID_FIND_PART = 0x1;
constexpr int GRID_FIND_NOCASE = 0x2;
constexpr int GRID_FIND_UP = 0x4;
constexpr int GRID_FIND_ACROSS = 0x8;

// Sort flags.
constexpr int GRID_SORT_DESCENDING = 0x2;

class DataSource
{
public:
	virtual ~DataSource();

	virtual int Open(LPCSTR lpszName, LPCSTR lpszOptions);
	virtual int Close();
	virtual int Save();
	virtual int SaveAs(LPCSTR lpszName);
	virtual long GetRowCount();
	virtual int GetColumnCount();
	virtual int GetColumnName(int nCol, CString* pName);
	virtual int GetColumnFromName(LPCSTR lpszName);
	virtual int GetColumnDataType(int nCol);
	virtual int BeginUpdate();
	virtual int EndUpdate(BOOL bCommit);

	virtual int AppendRow();
	virtual int InsertRow(long nRow);
	virtual int AppendColumn();
	virtual int InsertColumn(int nCol);
	virtual int DeleteRow(long nRow);
	virtual int DeleteColumn(int nCol);
	virtual int DeleteCell(int nCol, long nRow);
	virtual int DeleteAll();
	virtual int GetCell(int nCol, long nRow, GridCell* pCell);
	virtual int SetCell(int nCol, long nRow, const GridCell* pCell);
	virtual int FindFirst(LPCSTR lpszText, int* pnCol, long* pnRow, int nFlags);
	virtual int FindNext(LPCSTR lpszText, int* pnCol, long* pnRow, int nFlags);
	virtual int SortMulti(const int* pCols, int nCount, int nFlags);
	// By default a sort by one column is a sort by a list of one.
	virtual int SortColumn(int nCol, int nFlags);

	virtual int SetOption(int nOption, long nValue);
	virtual int GetOption(int nOption, long* pnValue);
	virtual int Refresh();
	// The grid asked for rows past the last one; a source that can fetch more reports how many
	// it added.
	virtual int OnRowsPastEnd(long nRowCount, long nRowsPast, long* pnRowsAdded);
	virtual void OnCurrentRowChanged(long nOldRow, long nNewRow);
	virtual void OnCurrentColumnChanged(int nOldCol, int nNewCol);
	virtual int AllowCurrentMove(int nOldCol, long nOldRow, int nNewCol, long nNewRow);

	virtual int SetFilter(LPCSTR lpszFilter);
	virtual int GetFilter(CString* pFilter);
	virtual int ClearFilter();

	virtual int AllowEditStart(int nCol, long nRow, CWnd* pEditor);
	virtual int AllowEditChar(int nCol, long nRow, CWnd* pEditor, UINT* pnKey);
	virtual int AllowEditEnd(int nCol, long nRow, CWnd* pEditor, LPCSTR lpszText, BOOL bCancelled);
	virtual int AllowEditContinue(int nOldCol, long nOldRow, int* pnNewCol, long* pnNewRow);
	// From *pnCol leftwards, the first other column of the row whose text is not empty.
	virtual int PreviousNonEmptyColumn(int* pnCol, long nRow);

	void AttachToGrid(GridWindow* pGrid, int nIndex);
	GridWindow* GetGrid() const;
	int GetIndex() const;
	// Sorts order cells through this, or by the default comparison while it is null.
	void SetCellOrder(GridCellOrder* pOrder);
	GridCellOrder* GetCellOrder() const;

protected:
	DataSource();

	DataSource(const DataSource&) = delete;
	DataSource& operator=(const DataSource&) = delete;

private:
	GridWindow* m_pGrid;
	int m_nIndex;
	GridCellOrder* m_pCellOrder;
};
