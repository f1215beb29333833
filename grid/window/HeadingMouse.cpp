// The mouse in the heading strips: a press on an edge sizes what the edge ends; otherwise
// presses, releases and double clicks go to the heading cell's type and then to the grid's
// heading notification, and in the top heading a press may start moving the column.
#include "grid/window/GridHeadings.h"

#include "framework/ui/window/UserServices.h"
#include "grid/celltypes/CellType.h"
#include "grid/store/GridCell.h"
#include "grid/window/CellView.h"
#include "grid/window/GridJoinedBlock.h"
#include "grid/window/GridViewWalk.h"
#include "grid/window/GridWindow.h"
#include "grid/window/SheetAxes.h"

#include <algorithm>

namespace
{
	constexpr long long FAR_OUTSIDE = 1 << 24;

	int AlongSpan(const GridAxis& axis, long nFrom, long nTo)
	{
		return static_cast<int>(std::min(GridAxisSpan(axis, nFrom, nTo, FAR_OUTSIDE), FAR_OUTSIDE));
	}

	const HeadingSlot* SlotOf(const std::vector<HeadingSlot>& slots, long nPosition)
	{
		for (const HeadingSlot& slot : slots)
		{
			if (slot.nPosition == nPosition)
				return &slot;
		}
		return nullptr;
	}
}

void PrepareForHeadingPress(GridWindow* pGrid)
{
	// Taking the focus ends an open edit as a click on another cell does, keeping what was typed.
	CellView* pView = pGrid->GetCellView();
	if (CWnd::GetFocus() != pView)
		pView->SetFocus();
}

CPoint GridHeading::ToGrid(CPoint point)
{
	MapWindowPoints(m_pGrid, &point, 1);
	return point;
}

BOOL GridHeading::HitCell(CPoint point, HeadingHit* pHit)
{
	GridCell cell;
	const GridHeadingLayout layout = GetLayout();
	const BOOL bColumns = layout.bAlongColumns;
	CRect rcClient;
	GetClientRect(&rcClient);
	const int nAlong = bColumns ? point.x : point.y;
	const int nAcross = bColumns ? point.y : point.x;
	const SheetColumnAxis columns(*m_pSheet);
	const SheetRowAxis rows(*m_pSheet);
	const GridAxis& along = bColumns ? static_cast<const GridAxis&>(columns) : rows;

	GridViewWalk walk(along, layout.nLocked, layout.nFirst, bColumns ? rcClient.Width() : rcClient.Height());
	BOOL bFound = FALSE;
	while (!bFound && walk.Next())
		bFound = nAlong >= walk.GetStart() && nAlong < walk.GetEnd();
	const std::vector<HeadingSlot> slots = LayHeadingPositions(*layout.pAcross, bColumns ? rcClient.Height() : rcClient.Width());
	const HeadingSlot* pAcross = nullptr;
	for (const HeadingSlot& slot : slots)
	{
		if (nAcross >= slot.nStart && nAcross < slot.nEnd)
			pAcross = &slot;
	}
	if (!bFound || pAcross == nullptr || nAlong < 0 || nAcross < 0)
		return FALSE;

	pHit->nAlong = walk.GetPosition();
	pHit->nAcross = pAcross->nPosition;
	const int nCol = static_cast<int>(bColumns ? pHit->nAlong : pHit->nAcross);
	const long nRow = bColumns ? pHit->nAcross : pHit->nAlong;
	m_pGrid->GetCellWithDefaults(nCol, nRow, &cell);
	const long nAcrossCount = static_cast<long>(layout.pAcross->size());
	const long nAlongLast = along.GetCount() - 1;
	const GridCellBlock limits = bColumns ? GridCellBlock{0, -nAcrossCount, static_cast<int>(nAlongLast), -1}
										  : GridCellBlock{static_cast<int>(-nAcrossCount), 0, -1, nAlongLast};
	GridCellBlock block{nCol, nRow, nCol, nRow};
	if (m_pSheet->m_bJoins && GridFindJoinedBlock(m_pGrid, nCol, nRow, limits, &cell, &block))
		m_pGrid->GetCellWithDefaults(block.m_nFirstCol, block.m_nFirstRow, &cell);
	pHit->nCol = block.m_nFirstCol;
	pHit->nRow = block.m_nFirstRow;

	// The block's extent: along from the cell under the mouse, across as the strip lays it.
	const long nAlongFirst = bColumns ? block.m_nFirstCol : block.m_nFirstRow;
	const long nAlongBlockLast = bColumns ? block.m_nLastCol : block.m_nLastRow;
	const HeadingSlot* pFirst = SlotOf(slots, bColumns ? block.m_nFirstRow : block.m_nFirstCol);
	const HeadingSlot* pLast = SlotOf(slots, bColumns ? block.m_nLastRow : block.m_nLastCol);
	const int nAlong0 = walk.GetStart() - AlongSpan(along, nAlongFirst, pHit->nAlong);
	const int nAlong1 = walk.GetStart() + AlongSpan(along, pHit->nAlong, nAlongBlockLast + 1);
	const int nAcross0 = pFirst != nullptr ? pFirst->nStart : pAcross->nStart;
	const int nAcross1 = pLast != nullptr ? pLast->nEnd : pAcross->nEnd;
	pHit->rc = bColumns ? CRect(nAlong0, nAcross0, nAlong1, nAcross1) : CRect(nAcross0, nAlong0, nAcross1, nAlong1);
	pHit->pt = point;
	pHit->pType = m_pGrid->GetCellType(cell.GetCellType());
	return TRUE;
}

HeadingEdge GridHeading::EdgeAt(CPoint point)
{
	const GridHeadingLayout layout = GetLayout();
	const BOOL bColumns = layout.bAlongColumns;
	CRect rcClient;
	GetClientRect(&rcClient);
	const HeadingEdge edge = FindDataEdge(m_pGrid, *m_pSheet, bColumns, bColumns ? point.x : point.y,
		bColumns ? rcClient.Width() : rcClient.Height());
	if (edge.IsEdge())
		return edge;
	return FindHeadingAreaEdge(m_pGrid, *m_pSheet, bColumns, bColumns ? point.y : point.x,
		bColumns ? rcClient.Height() : rcClient.Width());
}

void GridHeading::NotifyClick(const HeadingHit& hit, BOOL bDown, CPoint point, BOOL bHandled)
{
	POINT pt = point;
	RECT rc = hit.rc;
	if (GetLayout().bAlongColumns)
		m_pGrid->NotifyTopHeadingClick(hit.nCol, hit.nRow, bDown, &rc, &pt, bHandled);
	else
		m_pGrid->NotifySideHeadingClick(hit.nCol, hit.nRow, bDown, &rc, &pt, bHandled);
}

void GridHeading::NotifyRightClick(const HeadingHit& hit, BOOL bDown, CPoint point, BOOL bHandled)
{
	POINT pt = point;
	RECT rc = hit.rc;
	if (GetLayout().bAlongColumns)
		m_pGrid->NotifyTopHeadingRightClick(hit.nCol, hit.nRow, bDown, &rc, &pt, bHandled);
	else
		m_pGrid->NotifySideHeadingRightClick(hit.nCol, hit.nRow, bDown, &rc, &pt, bHandled);
}

BOOL GridHeading::PressOnEdge(CPoint point)
{
	// Asked again: the view may have scrolled or the sizes changed since the mouse last moved.
	const HeadingEdge edge = EdgeAt(point);
	PrepareForHeadingPress(m_pGrid);
	SetCapture();
	if (edge.IsEdge())
		m_sizing.Begin(m_pGrid, edge, ToGrid(point));
	return edge.IsEdge();
}

void GridHeading::OnLButtonDown(UINT, CPoint point)
{
	if (PressOnEdge(point))
		return;
	HeadingHit hit;
	if (!HitCell(point, &hit))
		return;
	POINT pt = hit.pt;
	RECT rc = hit.rc;
	const BOOL bHandled = hit.pType->OnLButton(hit.nCol, hit.nRow, TRUE, &rc, &pt);
	NotifyClick(hit, TRUE, point, bHandled);
	// A type that takes the press keeps the column where it is.
	if (!bHandled && GetLayout().bAlongColumns && m_pSheet->m_bColumnMoving)
		m_columnMove.Begin(m_pGrid, static_cast<int>(hit.nAlong));
}

void GridHeading::OnLButtonUp(UINT, CPoint point)
{
	if (m_sizing.IsActive())
	{
		m_sizing.End(ToGrid(point));
	}
	else
	{
		HeadingHit hit;
		if (HitCell(point, &hit))
		{
			POINT pt = hit.pt;
			RECT rc = hit.rc;
			const BOOL bHandled = hit.pType->OnLButton(hit.nCol, hit.nRow, FALSE, &rc, &pt);
			NotifyClick(hit, FALSE, point, bHandled);
		}
		m_columnMove.End();
	}
	if (GetCapture() == this)
		ReleaseCapture();
}

void GridHeading::OnLButtonDblClk(UINT, CPoint point)
{
	// A second press on an edge grabs it again.
	if (PressOnEdge(point))
		return;
	HeadingHit hit;
	if (!HitCell(point, &hit))
		return;
	POINT pt = hit.pt;
	RECT rc = hit.rc;
	const BOOL bHandled = hit.pType->OnDoubleClick(hit.nCol, hit.nRow, &rc, &pt);
	if (GetLayout().bAlongColumns)
		m_pGrid->NotifyTopHeadingDoubleClick(hit.nCol, hit.nRow, &rc, &pt, bHandled);
	else
		m_pGrid->NotifySideHeadingDoubleClick(hit.nCol, hit.nRow, &rc, &pt, bHandled);
}

void GridHeading::RightButton(CPoint point, BOOL bDown)
{
	HeadingHit hit;
	if (!HitCell(point, &hit))
		return;
	POINT pt = hit.pt;
	RECT rc = hit.rc;
	const BOOL bHandled = hit.pType->OnRButton(hit.nCol, hit.nRow, bDown, &rc, &pt);
	NotifyRightClick(hit, bDown, point, bHandled);
	if (bDown)
	{
		ClientToScreen(&point);
		m_pGrid->OpenContextMenu(hit.nCol, hit.nRow, GetLayout().nSection, point);
	}
}

void GridHeading::OnRButtonDown(UINT, CPoint point)
{
	RightButton(point, TRUE);
}

void GridHeading::OnRButtonUp(UINT, CPoint point)
{
	RightButton(point, FALSE);
}

void GridHeading::OnRButtonDblClk(UINT, CPoint point)
{
	RightButton(point, TRUE);
}

void GridHeading::OnMouseMove(UINT, CPoint point)
{
	if (m_sizing.IsActive())
	{
		m_sizing.Move(ToGrid(point));
		return;
	}
	if (m_columnMove.IsActive())
	{
		m_columnMove.Move(point);
		return;
	}
	// A press held on a heading cell: the edges wait for the release.
	if (GetCapture() == this)
		return;
	m_hover = EdgeAt(point);
	::SetCursor(HeadingEdgeCursor(*m_pSheet, m_hover));
}

BOOL GridHeading::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
	if (pWnd != this || nHitTest != HTCLIENT)
		return CWnd::OnSetCursor(pWnd, nHitTest, message);
	// The edge was found by the last move; the move on its way finds the next.
	::SetCursor(HeadingEdgeCursor(*m_pSheet, m_hover));
	return TRUE;
}

void GridHeading::OnCaptureChanged(CWnd* pWnd)
{
	if (pWnd != this)
	{
		if (m_sizing.IsActive())
			m_sizing.End(m_sizing.GetLastPoint());
		m_columnMove.Cancel();
	}
	CWnd::OnCaptureChanged(pWnd);
}
