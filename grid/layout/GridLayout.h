// The grid's layout arithmetic as plain functions: where the children go, how far the view can
// scroll, how a target is brought into view, paging, the scroll bars' ranges and thumb mapping,
// and where the scroll hint stands. Sums are taken in 64 bits, so no count of rows overflows.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Types.h"

// The sizes along one direction of a sheet: row heights or column widths. Positions 0 .. count - 1
// are data rows (columns); sizes asked for past the count, or before 0, are the default size.
class GridAxis
{
public:
	virtual ~GridAxis() = default;
	virtual long GetCount() const = 0;
	virtual int GetDefaultSize() const = 0;
	// Every position has the default size (uniform rows): the arithmetic then needs no walk.
	virtual BOOL IsUniform() const = 0;
	// Only asked for 0 <= n < count.
	virtual int GetStoredSize(long n) const = 0;

	int GetSize(long n) const;
};

// The children's rectangles in the grid's client coordinates.
struct GridChildRects
{
	CRect rcCellView;
	CRect rcTopHeading;
	CRect rcSideHeading;
	CRect rcCorner;
	CRect rcVScroll;
	CRect rcHScroll;
	CRect rcTabBar;
};

struct GridLayoutInput
{
	int nClientWidth;
	int nClientHeight;
	int nSideHeadingWidth;
	int nTopHeadingHeight;
	int nVScrollWidth;
	int nHScrollHeight;
	int nTabBarWidth;
};

// Hides a scroll bar when everything fits without it (the tab bar keeps the horizontal one).
GridChildRects GridLayoutChildren(const GridLayoutInput& in, const GridAxis& columns, const GridAxis& rows);

// The largest first scrolling position that still shows the last position whole: walking down
// from the count (the position past the last counts one pixel), the one below the first that no
// longer fits; at most count - 1 and at least the locked count.
long GridLastFirstPosition(const GridAxis& axis, long nLocked, int nViewSize, int nLockedSize);

// The first scrolling position after bringing nTarget into view.
long GridScrollIntoView(const GridAxis& axis, long nFirst, long nTarget, long nLocked, int nViewSize,
	int nLockedSize);

// A page forward or back from nStart over nAvail pixels. Positions at or past nDefaultFrom count
// with the default size (the last first position when the view pages, the count when the current
// cell pages), as do positions before 0.
long GridPageForward(const GridAxis& axis, long nStart, int nAvail, long nDefaultFrom);
long GridPageBack(const GridAxis& axis, long nStart, int nAvail, long nDefaultFrom);

struct GridScrollRange
{
	int nMin;
	int nMax;
	UINT nPage;
	// Thumb positions per row: 1, or 1000 / last top row above 1000 rows.
	double dScale;
};

// Vertical scroll modes.
constexpr int GRID_SCROLL_ON_RELEASE = 0;
constexpr int GRID_SCROLL_WHILE_TRACKING = 1;
constexpr int GRID_SCROLL_THREE_POSITIONS = 2;

GridScrollRange GridVScrollRange(long nLastTopRow, long nLockedRows, int nViewHeight, int nDefaultHeight,
	int nScrollMode);
int GridVThumbFromRow(const GridScrollRange& range, long nTopRow, int nScrollMode);
long GridRowFromVThumb(long nLastTopRow, long nLockedRows, int nThumb);

GridScrollRange GridHScrollRange(long nLastLeftColumn, long nLockedColumns, int nViewWidth, int nLockedWidth,
	int nDefaultWidth);
int GridHThumbFromColumn(long nLeftColumn, long nLockedColumns);
long GridColumnFromHThumb(long nLockedColumns, int nThumb);

// Scroll hint placement style bits.
constexpr int GRID_HINT_LEFT = 0x2;
constexpr int GRID_HINT_HCENTER = 0x4;
constexpr int GRID_HINT_ABOVE = 0x10;
constexpr int GRID_HINT_VCENTER = 0x20;

// The hint's rectangle for a point, clamped into the parent's client area.
CRect GridPlaceScrollHint(CPoint pt, int nAskedWidth, int nTextWidth, int nXHeight, int nStyle,
	const CRect& rcParent);
