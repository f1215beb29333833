// The grid's scroll bars as numbers: their ranges, the thumb for a first row or column and back,
// and where the scroll hint beside a dragged thumb stands.
#include "grid/layout/GridLayout.h"

#include <algorithm>
#include <climits>

namespace
{
	// Above this many last top rows the vertical bar has this many steps.
	constexpr long SCALED_STEPS = 1000;

	int ClampToInt(long long n)
	{
		return static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, n)));
	}

	// Moves [nStart, nStart + nSize) into [nLow, nHigh); shrinks it only when it is larger.
	void ClampSpan(long long& nStart, long long& nSize, long long nLow, long long nHigh)
	{
		if (nSize > nHigh - nLow)
			nSize = std::max(0LL, nHigh - nLow);
		nStart = std::max(nLow, std::min(nStart, nHigh - nSize));
	}
}

GridScrollRange GridVScrollRange(long nLastTopRow, long nLockedRows, int nViewHeight, int nDefaultHeight,
	int nScrollMode)
{
	const long long nLocked = std::max(0L, nLockedRows);
	if (nScrollMode == GRID_SCROLL_THREE_POSITIONS)
		return GridScrollRange{0, 2, 1, 1.0};
	if (nLastTopRow > SCALED_STEPS)
	{
		const int nMin = ClampToInt(std::min<long long>(nLocked, SCALED_STEPS));
		return GridScrollRange{nMin, static_cast<int>(SCALED_STEPS), 1, static_cast<double>(SCALED_STEPS) / nLastTopRow};
	}
	const long long nHeight = std::max(1, nDefaultHeight);
	// A page of at least one row keeps the last top row reachable: the last thumb position is max - page + 1.
	const long long nPage = std::max(1LL, nViewHeight / nHeight);
	const long long nMax = std::max(nLocked, nPage + nLastTopRow - 1);
	return GridScrollRange{ClampToInt(nLocked), ClampToInt(nMax), static_cast<UINT>(nPage), 1.0};
}

int GridVThumbFromRow(const GridScrollRange& range, long nTopRow, int nScrollMode)
{
	if (nScrollMode == GRID_SCROLL_THREE_POSITIONS)
		return 1;
	// The small bias undoes the rounding of 1000 / last top row, so that the last top row gives exactly 1000.
	const long long nThumb = static_cast<long long>(nTopRow * range.dScale + 1e-12);
	const long long nLast = std::max<long long>(range.nMin, static_cast<long long>(range.nMax) - range.nPage + 1);
	return ClampToInt(std::max<long long>(range.nMin, std::min(nThumb, nLast)));
}

long GridRowFromVThumb(long nLastTopRow, long nLockedRows, int nThumb)
{
	const long long nLocked = std::max(0L, nLockedRows);
	const long long nLast = std::max<long long>(nLocked, nLastTopRow);
	long long nRow = nThumb;
	if (nLastTopRow > SCALED_STEPS)
	{
		// Scaled, the steps locked .. 1000 stand for the rows locked .. last top row, exactly at both ends.
		const long long nSteps = SCALED_STEPS - nLocked;
		const long long p = std::max(std::min<long long>(nThumb, SCALED_STEPS), std::min<long long>(nLocked, SCALED_STEPS));
		if (nSteps > 0)
			nRow = nLocked + (p - nLocked) * (nLast - nLocked) / nSteps;
		else
			nRow = p * nLast / SCALED_STEPS;
	}
	// The thumb is the top row itself (times the scale): the locked rows are not added again, so row -> thumb -> row round-trips.
	return static_cast<long>(std::max(nLocked, std::min(nRow, nLast)));
}

GridScrollRange GridHScrollRange(long nLastLeftColumn, long nLockedColumns, int nViewWidth, int nLockedWidth,
	int nDefaultWidth)
{
	const long long nLocked = std::max(0L, nLockedColumns);
	const long long nWidth = std::max(1, nDefaultWidth);
	// A view narrower than one default column still pages by one column.
	const long long nPage = std::max(1LL, (static_cast<long long>(nViewWidth) - nLockedWidth) / nWidth);
	const long long nMax = nPage + std::max(0LL, nLastLeftColumn - nLocked) - 1;
	return GridScrollRange{0, ClampToInt(nMax), static_cast<UINT>(std::min<long long>(nPage, INT_MAX)), 1.0};
}

int GridHThumbFromColumn(long nLeftColumn, long nLockedColumns)
{
	return ClampToInt(std::max(0L, nLeftColumn - std::max(0L, nLockedColumns)));
}

long GridColumnFromHThumb(long nLockedColumns, int nThumb)
{
	return std::max(0, nThumb) + std::max(0L, nLockedColumns);
}

CRect GridPlaceScrollHint(CPoint pt, int nAskedWidth, int nTextWidth, int nXHeight, int nStyle,
	const CRect& rcParent)
{
	long long nWidth = std::max<long long>(nAskedWidth, static_cast<long long>(nTextWidth) + 4);
	long long nHeight = std::max(0, nXHeight);
	long long nLeft = pt.x;
	if (nStyle & GRID_HINT_LEFT)
		nLeft = pt.x - nWidth;
	else if (nStyle & GRID_HINT_HCENTER)
		nLeft = pt.x - nWidth / 2;
	long long nTop = pt.y;
	if (nStyle & GRID_HINT_VCENTER)
		nTop = pt.y - nHeight / 2;
	else if (nStyle & GRID_HINT_ABOVE)
		nTop = pt.y - nHeight;
	ClampSpan(nLeft, nWidth, rcParent.left, rcParent.right);
	ClampSpan(nTop, nHeight, rcParent.top, rcParent.bottom);
	return CRect(ClampToInt(nLeft), ClampToInt(nTop), ClampToInt(nLeft + nWidth), ClampToInt(nTop + nHeight));
}
