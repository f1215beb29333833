// The grid's layout arithmetic: children's rectangles, the last first position, scrolling a
// target into view and paging. Sums are long long; uniform axes are computed without walking.
#include "grid/layout/GridLayout.h"

#include <algorithm>

int GridAxis::GetSize(long n) const
{
	if (n < 0 || n >= GetCount() || IsUniform())
		return GetDefaultSize();
	return GetStoredSize(n);
}

namespace
{
	// Paging and scrolling divide by the default size; a size below 1 would never end a walk.
	long long StepSize(int nDefault)
	{
		return nDefault < 1 ? 1 : nDefault;
	}

	// Sizes from position 0 on, until the sum exceeds nLimit or the positions end.
	long long SumUntilExceeds(const GridAxis& axis, long long nLimit)
	{
		const long long nCount = axis.GetCount();
		if (nCount <= 0 || nLimit < 0)
			return 0;
		if (axis.IsUniform())
		{
			const long long nSize = std::max(axis.GetDefaultSize(), 0);
			if (nSize == 0)
				return 0;
			return std::min(nCount, nLimit / nSize + 1) * nSize;
		}
		long long nSum = 0;
		for (long n = 0; n < nCount && nSum <= nLimit; n++)
			nSum += axis.GetStoredSize(n);
		return nSum;
	}

	// Positions [0, end) have their own sizes; before 0 and from end on, the default size.
	long StoredEnd(const GridAxis& axis, long nDefaultFrom)
	{
		if (axis.IsUniform())
			return 0;
		return std::max(0L, std::min(nDefaultFrom, axis.GetCount()));
	}

	// Steps of nSize that a rest of r takes while it is >= 0 before each step, at most nMax.
	long long StepsWhileNotNegative(long long r, long long nSize, long long nMax)
	{
		if (r < 0)
			return 0;
		return std::min(nMax, r / nSize + 1);
	}
}

GridChildRects GridLayoutChildren(const GridLayoutInput& in, const GridAxis& columns, const GridAxis& rows)
{
	const int W = in.nClientWidth;
	const int H = in.nClientHeight;
	const int nSide = in.nSideHeadingWidth;
	const int nTop = in.nTopHeadingHeight;
	int V = in.nVScrollWidth;
	int S = in.nHScrollHeight;
	int T = in.nTabBarWidth;
	const long long A = static_cast<long long>(W) - nSide;
	const long long B = static_cast<long long>(H) - nTop;
	if (T > 0)
		T = static_cast<int>(std::max(4LL, std::min<long long>(T, A - 30)));

	const long long cw = SumUntilExceeds(columns, A);
	const long long rh = SumUntilExceeds(rows, B);
	const int nVBefore = V;
	if (rh < B && (cw < A || rh < B - S))
		V = 0;
	if (cw < A && T <= 0 && (rh < B || cw < A - nVBefore))
		S = 0;

	GridChildRects rc;
	rc.rcVScroll = CRect(W - V, 0, W, H - S);
	rc.rcTabBar = CRect(0, H - S, T, H);
	rc.rcHScroll = CRect(T, H - S, W - V, H);
	rc.rcCorner = CRect(0, 0, nSide, nTop);
	rc.rcTopHeading = CRect(nSide, 0, W - V, nTop);
	rc.rcSideHeading = CRect(0, nTop, nSide, H - S);
	rc.rcCellView = CRect(nSide, nTop, W - V, H - S);
	return rc;
}

long GridLastFirstPosition(const GridAxis& axis, long nLocked, int nViewSize, int nLockedSize)
{
	nLocked = std::max(0L, nLocked);
	const long nCount = axis.GetCount();
	// No positions: nothing to walk, the result is 0 raised to the locked count, as in every other case.
	if (nCount <= 0)
		return nLocked;

	// The first term, for the position past the last, counts one pixel.
	long long r = static_cast<long long>(nViewSize) - nLockedSize - 1;
	long nResult = 0;
	if (r < 0)
		nResult = nCount;
	else if (axis.IsUniform())
	{
		// R goes negative after k = r / size + 1 positions, at position count - k: the result is one below.
		if (axis.GetDefaultSize() > 0)
			nResult = static_cast<long>(std::max(0LL, nCount - r / axis.GetDefaultSize()));
	}
	else
	{
		// Positions below the locked count cannot raise the result above it: the walk stops there.
		for (long i = nCount - 1; i >= nLocked; i--)
		{
			r -= axis.GetStoredSize(i);
			if (r < 0)
			{
				nResult = i + 1;
				break;
			}
		}
	}
	return std::max(nLocked, std::min(nResult, nCount - 1));
}

long GridScrollIntoView(const GridAxis& axis, long nFirst, long nTarget, long nLocked, int nViewSize,
	int nLockedSize)
{
	nLocked = std::max(0L, nLocked);
	if (nTarget < nLocked || nTarget == nFirst)
		return nFirst;
	if (nTarget < nFirst)
		return std::max(nTarget, nLocked);

	// Walk up from the target: positions from end on have the default size and are taken in one go.
	long long r = static_cast<long long>(nViewSize) - nLockedSize;
	const long nEnd = StoredEnd(axis, axis.GetCount());
	long n = nTarget;
	bool bFailed = false;
	long nFailed = 0;
	if (n >= nEnd)
	{
		const long long nSize = StepSize(axis.GetDefaultSize());
		const long long nRun = n - std::max(static_cast<long>(nEnd), nFirst) + 1;
		const long long k = StepsWhileNotNegative(r - nSize, nSize, nRun);
		if (k < nRun)
		{
			bFailed = true;
			nFailed = static_cast<long>(n - k);
		}
		r -= nRun * nSize;
		n -= static_cast<long>(nRun);
	}
	for (; !bFailed && n >= nFirst; n--)
	{
		r -= axis.GetSize(n);
		if (r < 0)
		{
			bFailed = true;
			nFailed = n;
		}
	}
	if (!bFailed)
		return nFirst;
	// A target taller than the view stands at the top (the rule alone would put it just above the view).
	return std::min(nFailed + 1, nTarget);
}

long GridPageForward(const GridAxis& axis, long nStart, int nAvail, long nDefaultFrom)
{
	const long long nSize = StepSize(axis.GetDefaultSize());
	const long nEnd = StoredEnd(axis, nDefaultFrom);
	long long r = nAvail;
	long long n = nStart;
	while (r >= 0)
	{
		if (n >= 0 && n < nEnd)
		{
			r -= axis.GetStoredSize(static_cast<long>(n));
			n++;
			continue;
		}
		// A run of default sizes: before 0 it ends at 0, from the end on it never ends.
		const long long nRun = n < 0 ? -n : r / nSize + 1;
		const long long k = StepsWhileNotNegative(r, nSize, nRun);
		r -= k * nSize;
		n += k;
	}
	return static_cast<long>(n);
}

// A step back moves n to n - 1 and subtracts the size of that position, the one stepped over,
// as a step forward subtracts the size of n before leaving it: a page back from where a page
// forward ended returns to its start when the sizes are equal.
long GridPageBack(const GridAxis& axis, long nStart, int nAvail, long nDefaultFrom)
{
	const long long nSize = StepSize(axis.GetDefaultSize());
	const long nEnd = StoredEnd(axis, nDefaultFrom);
	long long r = nAvail;
	long long n = nStart;
	while (r >= 0)
	{
		if (n - 1 >= 0 && n - 1 < nEnd)
		{
			n--;
			r -= axis.GetStoredSize(static_cast<long>(n));
			continue;
		}
		// A run of default sizes: from the end on it ends at the end, before 0 it never ends.
		const long long nRun = n - 1 >= nEnd ? n - nEnd : r / nSize + 1;
		const long long k = StepsWhileNotNegative(r, nSize, nRun);
		r -= k * nSize;
		n -= k;
	}
	return static_cast<long>(n);
}
