// Walking the positions a grid area shows, and the size of a run of positions.
#include "grid/window/GridViewWalk.h"

#include <algorithm>
#include <climits>

GridViewWalk::GridViewWalk(const GridAxis& axis, long nLocked, long nFirst, int nViewSize)
	: m_axis(axis)
	, m_nLocked(std::max(0L, nLocked))
	, m_nFirst(std::max(nFirst, std::max(0L, nLocked)))
	, m_nViewSize(nViewSize)
	, m_nPosition(-1)
	, m_nTried(-1)
	, m_nStart(0)
	, m_nSize(0)
	, m_bReachedCount(FALSE)
{
}

long GridViewWalk::NextCandidate() const
{
	if (m_nTried < 0)
		return m_nLocked > 0 ? 0 : m_nFirst;
	if (m_nTried + 1 == m_nLocked)
		return m_nFirst;
	return m_nTried + 1;
}

BOOL GridViewWalk::Next()
{
	m_bReachedCount = FALSE;
	for (;;)
	{
		if (GetEnd() >= m_nViewSize)
			return FALSE;
		const long n = NextCandidate();
		if (n >= m_axis.GetCount())
		{
			m_bReachedCount = TRUE;
			return FALSE;
		}
		m_nTried = n;
		const int nSize = m_axis.GetSize(n);
		if (nSize <= 0)
			continue;
		m_nStart = GetEnd();
		m_nSize = nSize;
		m_nPosition = n;
		return TRUE;
	}
}

BOOL GridViewWalk::ReachedCount() const
{
	return m_bReachedCount;
}

long long GridAxisSpan(const GridAxis& axis, long nFrom, long nTo, long long nLimit)
{
	if (nTo <= nFrom)
		return 0;
	if (axis.IsUniform())
		return static_cast<long long>(nTo - nFrom) * std::max(0, axis.GetDefaultSize());
	long long nSum = 0;
	for (long n = nFrom; n < nTo && nSum <= nLimit; n++)
		nSum += std::max(0, axis.GetSize(n));
	return nSum;
}

long long GridViewOffset(const GridAxis& axis, long n, long nLocked, long nFirst, int nLockedSize)
{
	if (n < nLocked)
		return GridAxisSpan(axis, 0, n, LLONG_MAX);
	if (n >= nFirst)
		return nLockedSize + GridAxisSpan(axis, nFirst, n, LLONG_MAX);
	return nLockedSize - GridAxisSpan(axis, n, nFirst, LLONG_MAX);
}
