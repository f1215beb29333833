// DataSource: the answers of a source that takes no part in an operation.
#include "grid/store/DataSource.h"

DataSource::DataSource()
	: m_pGrid(nullptr), m_nIndex(0), m_pCellOrder(nullptr)
{
}

DataSource::~DataSource() = default;

int DataSource::Open(LPCSTR, LPCSTR)
{
	return -1;
}

int DataSource::Close()
{
	return -1;
}

int DataSource::Save()
{
	return -1;
}

int DataSource::SaveAs(LPCSTR)
{
	return -1;
}

long DataSource::GetRowCount()
{
	return -1;
}

int DataSource::GetColumnCount()
{
	return -1;
}

int DataSource::GetColumnName(int, CString*)
{
	return -1;
}

int DataSource::GetColumnFromName(LPCSTR)
{
	return -1;
}

int DataSource::GetColumnDataType(int)
{
	return -1;
}

int DataSource::BeginUpdate()
{
	return -1;
}

int DataSource::EndUpdate(BOOL)
{
	return -1;
}

int DataSource::AppendRow()
{
	return -1;
}

int DataSource::InsertRow(long)
{
	return -1;
}

int DataSource::AppendColumn()
{
	return -1;
}

int DataSource::InsertColumn(int)
{
	return -1;
}

int DataSource::DeleteRow(long)
{
	return -1;
}

int DataSource::DeleteColumn(int)
{
	return -1;
}

int DataSource::DeleteCell(int, long)
{
	return -1;
}

int DataSource::DeleteAll()
{
	return -1;
}

int DataSource::GetCell(int, long, GridCell*)
{
	return -1;
}

int DataSource::SetCell(int, long, const GridCell*)
{
	return -1;
}

int DataSource::FindFirst(LPCSTR, int*, long*, int)
{
	return -1;
}

int DataSource::FindNext(LPCSTR, int*, long*, int)
{
	return -1;
}

int DataSource::SortMulti(const int*, int, int)
{
	return -1;
}

int DataSource::SortColumn(int nCol, int nFlags)
{
	return SortMulti(&nCol, 1, nFlags);
}

int DataSource::SetOption(int, long)
{
	return -1;
}

int DataSource::GetOption(int, long*)
{
	return -1;
}

int DataSource::Refresh()
{
	return -1;
}

int DataSource::OnRowsPastEnd(long, long, long*)
{
	return -1;
}

void DataSource::OnCurrentRowChanged(long, long)
{
}

void DataSource::OnCurrentColumnChanged(int, int)
{
}

int DataSource::AllowCurrentMove(int, long, int, long)
{
	return 1;
}

int DataSource::SetFilter(LPCSTR)
{
	return -1;
}

int DataSource::GetFilter(CString*)
{
	return -1;
}

int DataSource::ClearFilter()
{
	return -1;
}

int DataSource::AllowEditStart(int, long, CWnd*)
{
	return 1;
}

int DataSource::AllowEditChar(int, long, CWnd*, UINT*)
{
	return 1;
}

int DataSource::AllowEditEnd(int, long, CWnd*, LPCSTR, BOOL)
{
	return 1;
}

int DataSource::AllowEditContinue(int, long, int*, long*)
{
	return 1;
}

int DataSource::PreviousNonEmptyColumn(int*, long)
{
	return -1;
}

void DataSource::AttachToGrid(GridWindow* pGrid, int nIndex)
{
	m_pGrid = pGrid;
	m_nIndex = nIndex;
}

GridWindow* DataSource::GetGrid() const
{
	return m_pGrid;
}

int DataSource::GetIndex() const
{
	return m_nIndex;
}

void DataSource::SetCellOrder(GridCellOrder* pOrder)
{
	m_pCellOrder = pOrder;
}

GridCellOrder* DataSource::GetCellOrder() const
{
	return m_pCellOrder;
}
