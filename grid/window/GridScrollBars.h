// The grid's scroll bars: their ranges follow the sheet's last top row and last left column,
// and their messages scroll the view.
#pragma once

#include "framework/ui/controls/ScrollBar.h"
#include "grid/layout/GridLayout.h"
#include "grid/window/GridChild.h"

class GridVScrollBar : public CScrollBar, public GridChild
{
	DECLARE_DYNAMIC(GridVScrollBar)

public:
	GridVScrollBar();

	// Sets range, page and thumb when the last top row, the scroll mode or the locked rows changed
	// since the last call (always with bForce).
	void UpdateRange(BOOL bForce);
	void UpdatePosition();
	// The grid's WM_VSCROLL from this bar.
	void OnScroll(UINT nSBCode, UINT nPos);

protected:
	afx_msg void OnRButtonDown(UINT nFlags, CPoint point);

	DECLARE_MESSAGE_MAP()

private:
	GridScrollRange m_range;
	long m_nRangeLastTopRow;
	long m_nRangeLockedRows;
	int m_nRangeMode;
	long m_nTrackRow;
};

class GridHScrollBar : public CScrollBar, public GridChild
{
	DECLARE_DYNAMIC(GridHScrollBar)

public:
	GridHScrollBar();

	void UpdateRange(BOOL bForce);
	void UpdatePosition();
	void OnScroll(UINT nSBCode, UINT nPos);

protected:
	afx_msg void OnRButtonDown(UINT nFlags, CPoint point);

	DECLARE_MESSAGE_MAP()

private:
	GridScrollRange m_range;
	long m_nRangeLastLeftColumn;
	long m_nRangeLockedColumns;
	int m_nTrackColumn;
};
