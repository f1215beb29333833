// The cell view's paint: the cells of the draw list laid edge to edge from the locked rows and
// columns on, each joined block once, the area beyond the last column and row, and the focus frame.
#include "grid/window/CellView.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Pen.h"
#include "framework/ui/gdi/Rgn.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/system/SystemServices.h"
#include "grid/celltypes/CellType.h"
#include "grid/store/GridCell.h"
#include "grid/window/CellViewCanvas.h"
#include "grid/window/GridJoinedBlock.h"
#include "grid/window/GridViewWalk.h"
#include "grid/window/GridWindow.h"
#include "grid/window/SheetAxes.h"

#include <algorithm>
#include <vector>

namespace
{
	// Where a cell stands against the locked band of its direction.
	constexpr int EDGE_LAST_LOCKED = 0x1;
	constexpr int EDGE_FIRST_SCROLLING = 0x2;

	int LockedEdge(long nPosition, long nLocked, BOOL bAfterLocked)
	{
		if (nLocked <= 0)
			return 0;
		if (nPosition == nLocked - 1)
			return EDGE_LAST_LOCKED;
		return nPosition >= nLocked && bAfterLocked ? EDGE_FIRST_SCROLLING : 0;
	}

	// A joined block reaching this far is far outside any view; the sum stops there.
	constexpr long long FAR_OUTSIDE = 1 << 24;

	int Span(const GridAxis& axis, long nFrom, long nTo)
	{
		return static_cast<int>(std::min(GridAxisSpan(axis, nFrom, nTo, FAR_OUTSIDE), FAR_OUTSIDE));
	}
}

// What one drawing pass over the view works with.
struct CellPaintPass
{
	struct ColumnSlot
	{
		int nCol;
		int nLeft;
		int nWidth;
		int nEdge;
	};

	CDC* pDC = nullptr;
	CSize size;
	std::vector<ColumnSlot> columns;
	// Where the laid columns end, at most the view's width.
	int nColumnsEnd = 0;
	CPen penSeparator;
	GridCell cell;
	// What was drawn of the current cell (its row in row mode): the focus frame inverts pixels,
	// so it may touch only pixels drawn again in this pass.
	CRgn rgnCurrentDrawn;
	BOOL bCurrentDrawn = FALSE;
	CRect rcCurrent;
};

void CellView::OnPaint()
{
	CPaintDC dc(this);
	// While painting is off the marks are kept for the paint that follows it.
	if (!m_pGrid->IsPaintingEnabled())
		return;
	// A paint nobody marked cells for (the window was uncovered) draws all it reaches.
	if (m_drawList.IsEmpty())
		m_drawList.AddAll();
	CellViewCanvas canvas(&dc, GetOffscreenBitmap(), GetViewSize());
	DrawMarkedCells(canvas.GetDC());
}

void CellView::DrawMarkedCells(CDC* pDC)
{
	SheetSettings& sheet = *m_pSheet;
	CellPaintPass pass;
	pass.pDC = pDC;
	pass.size = GetViewSize();
	pass.penSeparator.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWFRAME));
	pass.rgnCurrentDrawn.CreateRectRgn(0, 0, 0, 0);

	pDC->SaveDC();
	if (sheet.m_pDefaultFont != nullptr)
		pDC->SelectObject(sheet.m_pDefaultFont);
	m_pGrid->NotifyDrawStart(pDC, 0, GRID_SECTION_CELLS);
	LayColumns(pass);

	const SheetRowAxis rows(sheet);
	GridViewWalk walk(rows, sheet.m_nLockedRows, sheet.m_nTopRow, pass.size.cy);
	long nBottomRow = -1;
	BOOL bAskedPastEnd = FALSE;
	for (;;)
	{
		if (walk.Next())
		{
			const int nEdge = LockedEdge(walk.GetPosition(), sheet.m_nLockedRows, nBottomRow < sheet.m_nLockedRows);
			nBottomRow = walk.GetPosition();
			DrawRow(pass, nBottomRow, walk.GetStart(), walk.GetSize(), nEdge);
			continue;
		}
		// Only a paint that reaches past the last row asks; one that draws a few cells does not.
		if (bAskedPastEnd || !walk.ReachedCount() || pass.columns.empty()
			|| !m_drawList.Contains(pass.columns.front().nCol, m_pGrid->GetRowCount()))
			break;
		bAskedPastEnd = TRUE;
		AskForRowsPastEnd(walk.GetEnd(), pass.size.cy);
	}
	sheet.m_nBottomRow = nBottomRow;

	FillBeyondCells(pass, walk.GetEnd());
	if (m_bHasFocus || m_pGrid->m_bForceFocusFrame)
		DrawFocusOnCurrent(pass);
	m_rcCurrentCell = pass.rcCurrent;
	m_nPaintedLeftColumn = sheet.m_nLeftColumn;
	m_nPaintedTopRow = sheet.m_nTopRow;
	m_nPaintedCurrentColumn = sheet.m_nCurrentColumn;
	m_nPaintedCurrentRow = sheet.m_nCurrentRow;
	pDC->RestoreDC(-1);
	m_drawList.Clear();
}

void CellView::LayColumns(CellPaintPass& pass)
{
	SheetSettings& sheet = *m_pSheet;
	const SheetColumnAxis columns(sheet);
	GridViewWalk walk(columns, sheet.m_nLockedColumns, sheet.m_nLeftColumn, pass.size.cx);
	long nPrevious = -1;
	while (walk.Next())
	{
		const int nEdge = LockedEdge(walk.GetPosition(), sheet.m_nLockedColumns, nPrevious < sheet.m_nLockedColumns);
		nPrevious = walk.GetPosition();
		pass.columns.push_back(
			CellPaintPass::ColumnSlot{static_cast<int>(nPrevious), walk.GetStart(), walk.GetSize(), nEdge});
	}
	pass.nColumnsEnd = std::min(walk.GetEnd(), static_cast<int>(pass.size.cx));
	sheet.m_nRightColumn = pass.columns.empty() ? -1 : pass.columns.back().nCol;
}

void CellView::DrawRow(CellPaintPass& pass, long nRow, int nTop, int nHeight, int nRowEdge)
{
	SheetSettings& sheet = *m_pSheet;
	const BOOL bCurrentRow = nRow == sheet.m_nCurrentRow;
	if (bCurrentRow && sheet.m_bRowMode)
		pass.rcCurrent = CRect(0, nTop, pass.nColumnsEnd, nTop + nHeight);
	for (const CellPaintPass::ColumnSlot& slot : pass.columns)
	{
		const CRect rcCell(slot.nLeft, nTop, slot.nLeft + slot.nWidth, nTop + nHeight);
		if (bCurrentRow && !sheet.m_bRowMode && slot.nCol == sheet.m_nCurrentColumn)
			pass.rcCurrent = rcCell;
		if (m_drawList.Contains(slot.nCol, nRow))
			DrawCell(pass, slot.nCol, nRow, rcCell, slot.nEdge | (nRowEdge << 2));
	}
}

void CellView::DrawCell(CellPaintPass& pass, int nCol, long nRow, const CRect& rcCell, int nEdges)
{
	SheetSettings& sheet = *m_pSheet;
	GridCell& cell = pass.cell;
	m_pGrid->GetCellWithDefaults(nCol, nRow, &cell);

	CRect rcDraw = rcCell;
	GridCellBlock block{nCol, nRow, nCol, nRow};
	const GridCellBlock sheetCells{0, 0, sheet.m_nColumnCount - 1, sheet.m_nRowCount - 1};
	if (sheet.m_bJoins && GridFindJoinedBlock(m_pGrid, nCol, nRow, sheetCells, &cell, &block))
	{
		if (m_drawList.CheckJoinedDrawn(block.m_nFirstCol, block.m_nFirstRow))
			return;
		// The block is laid edge to edge around the first of its cells met.
		const SheetColumnAxis columns(sheet);
		const SheetRowAxis rows(sheet);
		rcDraw.left -= Span(columns, block.m_nFirstCol, nCol);
		rcDraw.right = rcCell.left + Span(columns, nCol, block.m_nLastCol + 1);
		rcDraw.top -= Span(rows, block.m_nFirstRow, nRow);
		rcDraw.bottom = rcCell.top + Span(rows, nRow, block.m_nLastRow + 1);
	}

	const long nCurrentRow = sheet.m_nCurrentRow;
	const int nCurrentCol = sheet.m_nCurrentColumn;
	const BOOL bCurrent = sheet.m_bRowMode
		? nCurrentRow >= block.m_nFirstRow && nCurrentRow <= block.m_nLastRow
		: nCurrentCol >= block.m_nFirstCol && nCurrentCol <= block.m_nLastCol && nCurrentRow >= block.m_nFirstRow
			&& nCurrentRow <= block.m_nLastRow;
	const int nSelected = bCurrent ? 0 : sheet.m_selection.Contains(block.m_nFirstCol, block.m_nFirstRow);

	CellType* pType = m_pGrid->GetCellType(cell.GetCellType());
	CDC* pDC = pass.pDC;
	pDC->SaveDC();
	RECT rc = rcDraw;
	pType->Draw(pDC, &rc, block.m_nFirstCol, block.m_nFirstRow, &cell, nSelected, bCurrent);
	DrawLockedSeparators(pass, nEdges, rcCell);
	pDC->RestoreDC(-1);

	if (bCurrent)
	{
		if (!sheet.m_bRowMode)
			pass.rcCurrent = rcDraw;
		CRgn rgnCell;
		rgnCell.CreateRectRgnIndirect(&rcDraw);
		pass.rgnCurrentDrawn.CombineRgn(&pass.rgnCurrentDrawn, &rgnCell, RGN_OR);
		pass.bCurrentDrawn = TRUE;
	}
}

void CellView::DrawLockedSeparators(CellPaintPass& pass, int nEdges, const CRect& rcCell)
{
	const int nColumnEdge = nEdges & 0x3;
	const int nRowEdge = nEdges >> 2;
	if (nColumnEdge == 0 && nRowEdge == 0)
		return;
	CDC* pDC = pass.pDC;
	pDC->SelectObject(&pass.penSeparator);
	// Both cells beside a separator draw it, so that it stays whichever of them is drawn again.
	if (nColumnEdge != 0)
	{
		const int x = nColumnEdge == EDGE_LAST_LOCKED ? rcCell.right - 1 : rcCell.left - 1;
		pDC->MoveTo(x, rcCell.top);
		pDC->LineTo(x, rcCell.bottom);
	}
	if (nRowEdge != 0)
	{
		const int y = nRowEdge == EDGE_LAST_LOCKED ? rcCell.bottom - 1 : rcCell.top - 1;
		pDC->MoveTo(rcCell.left, y);
		pDC->LineTo(rcCell.right, y);
	}
}

void CellView::AskForRowsPastEnd(int nRowsEnd, int nViewHeight)
{
	const long nDefault = std::max(1, m_pSheet->m_nDefaultRowHeight);
	m_pGrid->ReportRowsPastEnd((nViewHeight - nRowsEnd + nDefault - 1) / nDefault);
}

void CellView::FillBeyondCells(CellPaintPass& pass, int nRowsEnd)
{
	const COLORREF crBack = m_pGrid->DefaultBackColor(GRID_SECTION_CELLS);
	const int nRowsBottom = std::min(nRowsEnd, static_cast<int>(pass.size.cy));
	if (pass.nColumnsEnd < pass.size.cx)
		pass.pDC->FillSolidRect(CRect(pass.nColumnsEnd, 0, pass.size.cx, pass.size.cy), crBack);
	if (nRowsBottom < pass.size.cy)
		pass.pDC->FillSolidRect(CRect(0, nRowsBottom, pass.nColumnsEnd, pass.size.cy), crBack);
}

void CellView::DrawFocusOnCurrent(CellPaintPass& pass)
{
	if (!pass.bCurrentDrawn || pass.rcCurrent.IsRectEmpty())
		return;
	CDC* pDC = pass.pDC;
	pDC->SaveDC();
	pDC->SelectClipRgn(&pass.rgnCurrentDrawn, RGN_AND);
	CRect rcFrame = pass.rcCurrent;
	m_pGrid->DrawFocusFrame(pDC, &rcFrame);
	pDC->RestoreDC(-1);
}
