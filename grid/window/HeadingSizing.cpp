// Sizing columns, rows and the heading areas with the mouse. A data column or row follows the
// mouse from its size at the press; with sizing switch 1 only its heading is redrawn and a line
// in the cell view shows where it ends, other switches redraw everything as it goes. A heading
// area grows with its row or column and the grid is laid out again at every step.
#include "grid/window/HeadingSizing.h"

#include "grid/window/CellView.h"
#include "grid/window/GridHeadings.h"
#include "grid/window/GridViewWalk.h"
#include "grid/window/GridWindow.h"
#include "grid/window/SheetAxes.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace
{
	// The mouse is on an edge closer than this.
	constexpr int EDGE_REACH = 3;
	// The switch that draws a line instead of redrawing the cells while the mouse moves.
	constexpr int SIZING_WITH_LINE = 1;

	BOOL IsNear(int v, int nEdge)
	{
		return std::abs(v - nEdge) < EDGE_REACH;
	}

	int ClampHeadingSize(int nSize)
	{
		return std::min(std::max(nSize, 0), GRID_MAX_HEADING_SIZE);
	}

	std::vector<int>& HeadingSizes(SheetSettings& sheet, HeadingEdgeKind kind)
	{
		return kind == HeadingEdgeKind::TopHeadingRow ? sheet.m_topHeadingRows : sheet.m_sideHeadingColumns;
	}
}

std::vector<HeadingSlot> LayHeadingPositions(const std::vector<int>& sizes, int nExtent)
{
	std::vector<HeadingSlot> slots;
	int nStart = 0;
	for (long nPosition = -static_cast<long>(sizes.size()); nPosition <= -1 && nStart < nExtent; nPosition++)
	{
		int nSize = std::max(0, sizes[static_cast<size_t>(-nPosition - 1)]);
		if (nPosition == -1)
			nSize = std::max(nSize, nExtent - nStart);
		if (nSize == 0)
			continue;
		slots.push_back(HeadingSlot{nPosition, nStart, nStart + nSize});
		nStart += nSize;
	}
	return slots;
}

HeadingEdge FindDataEdge(GridWindow* pGrid, const SheetSettings& sheet, BOOL bColumns, int nAlong, int nAlongSize)
{
	if (sheet.m_nMouseSizing <= 0)
		return HeadingEdge{};
	const SheetColumnAxis columns(sheet);
	const SheetRowAxis rows(sheet);
	const GridAxis& axis = bColumns ? static_cast<const GridAxis&>(columns) : rows;
	const long nLocked = bColumns ? sheet.m_nLockedColumns : sheet.m_nLockedRows;
	const long nFirst = bColumns ? sheet.m_nLeftColumn : sheet.m_nTopRow;
	auto fnAsk = [pGrid, bColumns](long nSized) {
		const BOOL bAllowed =
			bColumns ? pGrid->AllowColumnResize(static_cast<int>(nSized)) : pGrid->AllowRowResize(nSized);
		return bAllowed ? HeadingEdge{bColumns ? HeadingEdgeKind::Column : HeadingEdgeKind::Row, nSized} : HeadingEdge{};
	};
	GridViewWalk walk(axis, nLocked, nFirst, nAlongSize);
	while (walk.Next())
	{
		if (!IsNear(nAlong, walk.GetEnd()))
			continue;
		long nSized = walk.GetPosition();
		// A hidden neighbour is opened from the edge it lies on.
		if (nSized + 1 < axis.GetCount() && axis.GetSize(nSized + 1) == 0)
			nSized++;
		return fnAsk(nSized);
	}
	// A hidden first position lies on the strip's start, which is its only edge.
	if (IsNear(nAlong, 0) && axis.GetCount() > 0 && axis.GetSize(0) == 0 && (nLocked > 0 || nFirst == 0))
		return fnAsk(0);
	return HeadingEdge{};
}

HeadingEdge FindHeadingAreaEdge(GridWindow* pGrid, const SheetSettings& sheet, BOOL bTopRows, int nAcross,
	int nExtent)
{
	if (sheet.m_nMouseSizing <= 0)
		return HeadingEdge{};
	const std::vector<int>& sizes = bTopRows ? sheet.m_topHeadingRows : sheet.m_sideHeadingColumns;
	for (const HeadingSlot& slot : LayHeadingPositions(sizes, nExtent))
	{
		if (!IsNear(nAcross, slot.nEnd))
			continue;
		const BOOL bAllowed = bTopRows ? pGrid->AllowTopHeadingResize() : pGrid->AllowSideHeadingResize();
		if (!bAllowed)
			return HeadingEdge{};
		return HeadingEdge{bTopRows ? HeadingEdgeKind::TopHeadingRow : HeadingEdgeKind::SideHeadingColumn,
			slot.nPosition};
	}
	return HeadingEdge{};
}

HCURSOR HeadingEdgeCursor(const SheetSettings& sheet, const HeadingEdge& edge)
{
	if (!edge.IsEdge())
		return sheet.m_hNormalCursor;
	return edge.SizesAcross() ? sheet.m_hColumnSizeCursor : sheet.m_hRowSizeCursor;
}

HeadingSizeDrag::HeadingSizeDrag()
	: m_pGrid(nullptr)
	, m_bActive(FALSE)
	, m_nStartSize(0)
	, m_nStartTotal(0)
{
}

BOOL HeadingSizeDrag::IsActive() const
{
	return m_bActive;
}

CPoint HeadingSizeDrag::GetLastPoint() const
{
	return m_ptLast;
}

void HeadingSizeDrag::Begin(GridWindow* pGrid, const HeadingEdge& edge, CPoint point)
{
	m_pGrid = pGrid;
	m_edge = edge;
	m_ptStart = point;
	m_ptLast = point;
	m_bActive = TRUE;
	// What the press left to repaint (the focus moving in) is drawn before the sizes change.
	pGrid->GetCellView()->UpdateWindow();
	SheetSettings& sheet = *pGrid->GetSheet();
	switch (edge.kind)
	{
	case HeadingEdgeKind::Column:
		pGrid->GetColumnWidth(static_cast<int>(edge.nIndex), &m_nStartSize);
		break;
	case HeadingEdgeKind::Row:
	{
		long nHeight = 0;
		pGrid->GetRowHeight(edge.nIndex, &nHeight);
		m_nStartSize = static_cast<int>(nHeight);
		break;
	}
	case HeadingEdgeKind::TopHeadingRow:
	case HeadingEdgeKind::SideHeadingColumn:
		m_nStartSize = HeadingSizes(sheet, edge.kind)[static_cast<size_t>(-edge.nIndex - 1)];
		m_nStartTotal =
			edge.kind == HeadingEdgeKind::TopHeadingRow ? sheet.m_nTopHeadingHeight : sheet.m_nSideHeadingWidth;
		break;
	case HeadingEdgeKind::None:
		m_bActive = FALSE;
		break;
	}
}

void HeadingSizeDrag::Move(CPoint point)
{
	if (!m_bActive)
		return;
	m_ptLast = point;
	const int nDelta = m_edge.SizesAcross() ? point.x - m_ptStart.x : point.y - m_ptStart.y;
	switch (m_edge.kind)
	{
	case HeadingEdgeKind::Column:
		SizeDataColumn(nDelta);
		break;
	case HeadingEdgeKind::Row:
		SizeDataRow(nDelta);
		break;
	case HeadingEdgeKind::TopHeadingRow:
	case HeadingEdgeKind::SideHeadingColumn:
		SizeHeadingArea(nDelta);
		break;
	case HeadingEdgeKind::None:
		break;
	}
}

void HeadingSizeDrag::SizeDataColumn(int nDelta)
{
	const int nCol = static_cast<int>(m_edge.nIndex);
	int nWidth = std::max(0, m_nStartSize + nDelta);
	m_pGrid->NotifyColumnResizing(nCol, &nWidth);
	m_line.Hide();
	m_pGrid->SetColumnWidth(nCol, std::max(0, nWidth));
	if (m_pGrid->GetSheet()->m_nMouseSizing != SIZING_WITH_LINE)
	{
		m_pGrid->RedrawAll();
		return;
	}
	TopHeading* pHeading = m_pGrid->GetTopHeading();
	pHeading->RedrawColumns(0, INT_MAX);
	pHeading->UpdateWindow();
	m_line.Show(m_pGrid->GetCellView(), TRUE, DataEdgeInView());
}

void HeadingSizeDrag::SizeDataRow(int nDelta)
{
	int nHeight = std::max(0, m_nStartSize + nDelta);
	m_pGrid->NotifyRowResizing(m_edge.nIndex, &nHeight);
	m_line.Hide();
	m_pGrid->SetRowHeight(m_edge.nIndex, std::max(0, nHeight));
	if (m_pGrid->GetSheet()->m_nMouseSizing != SIZING_WITH_LINE)
	{
		m_pGrid->RedrawAll();
		return;
	}
	SideHeading* pHeading = m_pGrid->GetSideHeading();
	pHeading->RedrawRows(0, LONG_MAX);
	pHeading->UpdateWindow();
	m_line.Show(m_pGrid->GetCellView(), FALSE, DataEdgeInView());
}

void HeadingSizeDrag::SizeHeadingArea(int nDelta)
{
	SheetSettings& sheet = *m_pGrid->GetSheet();
	const BOOL bTop = m_edge.kind == HeadingEdgeKind::TopHeadingRow;
	HeadingSizes(sheet, m_edge.kind)[static_cast<size_t>(-m_edge.nIndex - 1)] =
		ClampHeadingSize(std::max(1, m_nStartSize + nDelta));
	int nTotal = ClampHeadingSize(std::max(1, m_nStartTotal + nDelta));
	if (bTop)
		m_pGrid->NotifyTopHeadingResizing(&nTotal);
	else
		m_pGrid->NotifySideHeadingResizing(&nTotal);
	(bTop ? sheet.m_nTopHeadingHeight : sheet.m_nSideHeadingWidth) = ClampHeadingSize(nTotal);
	m_pGrid->LayoutChildren();
}

int HeadingSizeDrag::DataEdgeInView() const
{
	const SheetSettings& sheet = *m_pGrid->GetSheet();
	if (m_edge.kind == HeadingEdgeKind::Column)
	{
		const SheetColumnAxis columns(sheet);
		const long long nLeft = GridViewOffset(columns, m_edge.nIndex, sheet.m_nLockedColumns, sheet.m_nLeftColumn,
			sheet.m_nLockedColumnsWidth);
		return static_cast<int>(std::min<long long>(nLeft + columns.GetSize(m_edge.nIndex), INT_MAX));
	}
	const SheetRowAxis rows(sheet);
	const long long nTop =
		GridViewOffset(rows, m_edge.nIndex, sheet.m_nLockedRows, sheet.m_nTopRow, sheet.m_nLockedRowsHeight);
	return static_cast<int>(std::min<long long>(nTop + rows.GetSize(m_edge.nIndex), INT_MAX));
}

void HeadingSizeDrag::End(CPoint point)
{
	if (!m_bActive)
		return;
	if (point != m_ptLast)
		Move(point);
	m_line.Hide();
	m_bActive = FALSE;
	if (m_edge.kind == HeadingEdgeKind::Column || m_edge.kind == HeadingEdgeKind::Row)
		EndDataSize();
	else
		EndHeadingArea();
	m_pGrid->GetCellView()->RedrawAllCells();
	m_pGrid->LayoutChildren();
}

void HeadingSizeDrag::EndDataSize()
{
	if (m_edge.kind == HeadingEdgeKind::Column)
	{
		const int nCol = static_cast<int>(m_edge.nIndex);
		int nWidth = 0;
		m_pGrid->GetColumnWidth(nCol, &nWidth);
		const int nApplied = nWidth;
		m_pGrid->NotifyColumnResized(nCol, &nWidth);
		if (nWidth != nApplied)
			m_pGrid->SetColumnWidth(nCol, nWidth);
		return;
	}
	long nHeight = 0;
	m_pGrid->GetRowHeight(m_edge.nIndex, &nHeight);
	int nFinal = static_cast<int>(nHeight);
	m_pGrid->NotifyRowResized(m_edge.nIndex, &nFinal);
	if (nFinal != nHeight)
		m_pGrid->SetRowHeight(m_edge.nIndex, nFinal);
}

void HeadingSizeDrag::EndHeadingArea()
{
	SheetSettings& sheet = *m_pGrid->GetSheet();
	int& nTotal = m_edge.kind == HeadingEdgeKind::TopHeadingRow ? sheet.m_nTopHeadingHeight : sheet.m_nSideHeadingWidth;
	int nFinal = nTotal;
	if (m_edge.kind == HeadingEdgeKind::TopHeadingRow)
		m_pGrid->NotifyTopHeadingResized(&nFinal);
	else
		m_pGrid->NotifySideHeadingResized(&nFinal);
	nTotal = ClampHeadingSize(nFinal);
}
