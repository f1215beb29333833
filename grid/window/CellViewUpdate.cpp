// The cell view after a commit: the pixels that still show cells are scrolled, and only the
// cells the scroll uncovered and the previous and new current cells are drawn again.
#include "grid/window/CellView.h"

#include "framework/ui/gdi/Dc.h"
#include "grid/window/CellViewCanvas.h"
#include "grid/window/GridViewWalk.h"
#include "grid/window/GridWindow.h"
#include "grid/window/SheetAxes.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace
{
	// The pixels the view moves when its first position goes from nFrom to nTo, positive
	// forwards; summed only until they pass nLimit.
	long long Shift(const GridAxis& axis, long nFrom, long nTo, int nLimit)
	{
		if (nTo >= nFrom)
			return GridAxisSpan(axis, nFrom, nTo, nLimit);
		return -GridAxisSpan(axis, nTo, nFrom, nLimit);
	}

	int LockedSize(const GridAxis& axis, long nLocked, int nViewSize)
	{
		const long nShown = std::min(nLocked, axis.GetCount());
		return static_cast<int>(std::min<long long>(GridAxisSpan(axis, 0, nShown, nViewSize), nViewSize));
	}

	void ScrollPixels(CDC* pDC, const CRect& rc, int dx, int dy)
	{
		if (!rc.IsRectEmpty())
			pDC->ScrollDC(dx, dy, &rc, &rc, nullptr, nullptr);
	}
}

void CellView::UpdateAfterCommit()
{
	if (m_hWnd == nullptr)
		return;
	SheetSettings& sheet = *m_pSheet;
	if (!m_pGrid->IsPaintingEnabled())
	{
		RedrawAllCells();
		return;
	}
	// The shift is measured from what the pixels show, the view as the last pass drew it: the
	// sheet's previous values lag behind a view moved without a commit (locking raises the left
	// column), and scrolling by them would shift cells that were drawn in place already.
	const int nPrevLeft = m_nPaintedLeftColumn;
	const long nPrevTop = m_nPaintedTopRow;
	const BOOL bPreviousKnown = nPrevLeft >= 0 && nPrevTop >= 0;
	const BOOL bViewMoved = !bPreviousKnown || nPrevLeft != sheet.m_nLeftColumn || nPrevTop != sheet.m_nTopRow;

	CRect rcPending;
	if (GetUpdateRect(&rcPending, FALSE))
	{
		// Pixels scrolled under a pending paint would have it draw its cells in the wrong place.
		if (bViewMoved)
			m_drawList.AddAll();
		MarkPreviousAndNewCurrent();
		Invalidate(FALSE);
		UpdateWindow();
		return;
	}

	const CSize size = GetViewSize();
	long long dx = 0;
	long long dy = 0;
	BOOL bAll = !bPreviousKnown;
	if (!bAll)
	{
		dx = Shift(SheetColumnAxis(sheet), nPrevLeft, sheet.m_nLeftColumn, size.cx);
		dy = Shift(SheetRowAxis(sheet), nPrevTop, sheet.m_nTopRow, size.cy);
		bAll = std::llabs(dx) > size.cx || std::llabs(dy) > size.cy;
	}
	// The drawing below walks the view anew; the uncovered cells are those the last one missed.
	const GridCellBlock previous{nPrevLeft, nPrevTop, sheet.m_nRightColumn, sheet.m_nBottomRow};

	CDC* pDC = GetDC();
	{
		CellViewCanvas canvas(pDC, GetOffscreenBitmap(), size);
		if (bAll)
		{
			m_drawList.AddAll();
		}
		else if (dx != 0 || dy != 0)
		{
			ScrollCells(canvas.GetDC(), static_cast<int>(dx), static_cast<int>(dy));
			MarkUncovered(static_cast<int>(dx), static_cast<int>(dy), previous);
		}
		MarkPreviousAndNewCurrent();
		DrawMarkedCells(canvas.GetDC());
	}
	ReleaseDC(pDC);
}

void CellView::ScrollCells(CDC* pDC, int dx, int dy)
{
	const SheetSettings& sheet = *m_pSheet;
	const CSize size = GetViewSize();
	const int nLockedWidth = LockedSize(SheetColumnAxis(sheet), sheet.m_nLockedColumns, size.cx);
	const int nLockedHeight = LockedSize(SheetRowAxis(sheet), sheet.m_nLockedRows, size.cy);
	if (dx != 0 && dy != 0)
	{
		// Locked rows move only sideways and locked columns only up and down.
		ScrollPixels(pDC, CRect(nLockedWidth, nLockedHeight, size.cx, size.cy), -dx, -dy);
		ScrollPixels(pDC, CRect(nLockedWidth, 0, size.cx, nLockedHeight), -dx, 0);
		ScrollPixels(pDC, CRect(0, nLockedHeight, nLockedWidth, size.cy), 0, -dy);
	}
	else if (dy != 0)
	{
		ScrollPixels(pDC, CRect(0, nLockedHeight, size.cx, size.cy), 0, -dy);
	}
	else
	{
		ScrollPixels(pDC, CRect(nLockedWidth, 0, size.cx, size.cy), -dx, 0);
	}
}

void CellView::MarkUncovered(int dx, int dy, const GridCellBlock& previous)
{
	if (dx > 0)
		m_drawList.AddBlock(previous.m_nLastCol, 0, INT_MAX, LONG_MAX);
	else if (dx < 0)
		m_drawList.AddBlock(0, 0, previous.m_nFirstCol, LONG_MAX);
	if (dy > 0)
		m_drawList.AddBlock(0, previous.m_nLastRow, INT_MAX, LONG_MAX);
	else if (dy < 0)
		m_drawList.AddBlock(0, 0, INT_MAX, previous.m_nFirstRow);
}

void CellView::MarkPreviousAndNewCurrent()
{
	const SheetSettings& sheet = *m_pSheet;
	MarkCurrent(sheet.m_nPrevCurrentColumn, sheet.m_nPrevCurrentRow);
	// The frame the pixels show may belong to a current cell the sheet no longer reports.
	MarkCurrent(m_nPaintedCurrentColumn, m_nPaintedCurrentRow);
	MarkCurrent(sheet.m_nCurrentColumn, sheet.m_nCurrentRow);
}
