// The mouse in the corner button: its edges size the heading areas that meet in it, the edges of
// the side heading's columns across and of the top heading's rows down; otherwise its clicks go
// to the corner cell's type and then to the grid's corner notifications.
#include "grid/window/GridHeadings.h"

#include "framework/ui/window/UserServices.h"
#include "grid/celltypes/CellType.h"
#include "grid/store/GridCell.h"
#include "grid/window/GridWindow.h"

CPoint CornerButton::ToGrid(CPoint point)
{
	MapWindowPoints(m_pGrid, &point, 1);
	return point;
}

HeadingEdge CornerButton::EdgeAt(CPoint point)
{
	CRect rcClient;
	GetClientRect(&rcClient);
	const HeadingEdge edge = FindHeadingAreaEdge(m_pGrid, *m_pSheet, FALSE, point.x, rcClient.Width());
	if (edge.IsEdge())
		return edge;
	return FindHeadingAreaEdge(m_pGrid, *m_pSheet, TRUE, point.y, rcClient.Height());
}

CellType* CornerButton::CornerHit(CPoint point, RECT* pRect, POINT* pPoint)
{
	CRect rcClient;
	GetClientRect(&rcClient);
	*pRect = rcClient;
	*pPoint = point;
	GridCell cell;
	m_pGrid->GetCellWithDefaults(-1, -1, &cell);
	return m_pGrid->GetCellType(cell.GetCellType());
}

BOOL CornerButton::PressOnEdge(CPoint point)
{
	const HeadingEdge edge = EdgeAt(point);
	PrepareForHeadingPress(m_pGrid);
	SetCapture();
	if (edge.IsEdge())
		m_sizing.Begin(m_pGrid, edge, ToGrid(point));
	return edge.IsEdge();
}

void CornerButton::OnLButtonDown(UINT, CPoint point)
{
	if (PressOnEdge(point))
		return;
	RECT rc;
	POINT pt;
	const BOOL bHandled = CornerHit(point, &rc, &pt)->OnLButton(-1, -1, TRUE, &rc, &pt);
	m_pGrid->NotifyCornerClick(TRUE, &rc, &pt, bHandled);
}

void CornerButton::OnLButtonUp(UINT, CPoint point)
{
	if (m_sizing.IsActive())
	{
		m_sizing.End(ToGrid(point));
	}
	else
	{
		RECT rc;
		POINT pt;
		CellType* pType = CornerHit(point, &rc, &pt);
		if (CRect(rc).PtInRect(pt))
		{
			const BOOL bHandled = pType->OnLButton(-1, -1, FALSE, &rc, &pt);
			m_pGrid->NotifyCornerClick(FALSE, &rc, &pt, bHandled);
		}
	}
	if (GetCapture() == this)
		ReleaseCapture();
}

void CornerButton::OnLButtonDblClk(UINT, CPoint point)
{
	if (PressOnEdge(point))
		return;
	RECT rc;
	POINT pt;
	const BOOL bHandled = CornerHit(point, &rc, &pt)->OnDoubleClick(-1, -1, &rc, &pt);
	m_pGrid->NotifyCornerDoubleClick(&rc, &pt, bHandled);
}

void CornerButton::OnRButtonDown(UINT, CPoint point)
{
	RECT rc;
	POINT pt;
	const BOOL bHandled = CornerHit(point, &rc, &pt)->OnRButton(-1, -1, TRUE, &rc, &pt);
	m_pGrid->NotifyCornerRightClick(TRUE, &rc, &pt, bHandled);
	ClientToScreen(&point);
	m_pGrid->OpenContextMenu(-1, -1, GRID_SECTION_CORNER, point);
}

void CornerButton::OnRButtonUp(UINT, CPoint point)
{
	RECT rc;
	POINT pt;
	const BOOL bHandled = CornerHit(point, &rc, &pt)->OnRButton(-1, -1, FALSE, &rc, &pt);
	m_pGrid->NotifyCornerRightClick(FALSE, &rc, &pt, bHandled);
}

void CornerButton::OnRButtonDblClk(UINT nFlags, CPoint point)
{
	OnRButtonDown(nFlags, point);
}

void CornerButton::OnMouseMove(UINT, CPoint point)
{
	if (m_sizing.IsActive())
	{
		m_sizing.Move(ToGrid(point));
		return;
	}
	if (GetCapture() == this)
		return;
	m_hover = EdgeAt(point);
	::SetCursor(HeadingEdgeCursor(*m_pSheet, m_hover));
}

BOOL CornerButton::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
	if (pWnd != this || nHitTest != HTCLIENT)
		return CWnd::OnSetCursor(pWnd, nHitTest, message);
	::SetCursor(HeadingEdgeCursor(*m_pSheet, m_hover));
	return TRUE;
}

void CornerButton::OnCaptureChanged(CWnd* pWnd)
{
	if (pWnd != this && m_sizing.IsActive())
		m_sizing.End(m_sizing.GetLastPoint());
	CWnd::OnCaptureChanged(pWnd);
}
