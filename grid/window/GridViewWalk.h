// The positions a grid area shows along one direction, in the order they are laid edge to edge:
// the locked positions first, then the scrolling ones from the first shown, skipping positions
// of size 0, until the view is passed or the positions end.
#pragma once

#include "grid/layout/GridLayout.h"

class GridViewWalk
{
public:
	GridViewWalk(const GridAxis& axis, long nLocked, long nFirst, int nViewSize);
	// The walk keeps the axis: a temporary one would be gone before the first step.
	GridViewWalk(const GridAxis&& axis, long nLocked, long nFirst, int nViewSize) = delete;

	// Lays the next position; FALSE when the view is full or no position is left. The count is
	// read at every step, so positions that appear during a walk are walked too.
	BOOL Next();
	// The walk stopped because the positions ended while the view still had room.
	BOOL ReachedCount() const;

	long GetPosition() const { return m_nPosition; }
	int GetStart() const { return m_nStart; }
	int GetSize() const { return m_nSize; }
	// Where the positions laid so far end.
	int GetEnd() const { return m_nStart + m_nSize; }

private:
	long NextCandidate() const;

	const GridAxis& m_axis;
	long m_nLocked;
	long m_nFirst;
	int m_nViewSize;
	long m_nPosition;
	long m_nTried;
	int m_nStart;
	int m_nSize;
	BOOL m_bReachedCount;
};

// The pixels of positions [nFrom, nTo), summed only until they exceed nLimit.
long long GridAxisSpan(const GridAxis& axis, long nFrom, long nTo, long long nLimit);

// Where position n starts in the view: after the locked positions, counted from the first shown;
// a scrolled-away position lies before the locked ones.
long long GridViewOffset(const GridAxis& axis, long n, long nLocked, long nFirst, int nLockedSize);
