// Drawing commands for the scope's grid, axes and traces.
#include "sigkit/scope/ScopePaint.h"

#include "sigkit/scope/ScopeGeometry.h"

namespace
{

void AddLine(ScopeCommandList& commands, ScopePen pen, CPoint ptFrom, CPoint ptTo)
{
	if (ptFrom == ptTo)
		return;
	commands.push_back({ ScopeDraw::MoveTo, pen, ptFrom });
	commands.push_back({ ScopeDraw::LineTo, pen, ptTo });
}

// A connected path of one pen that knows its current position, as a device context does.
class TracePath
{
public:
	explicit TracePath(ScopeCommandList& commands)
		: m_commands(commands)
	{
	}

	void MoveTo(CPoint pt)
	{
		m_commands.push_back({ ScopeDraw::MoveTo, ScopePen::Trace, pt });
		m_ptCurrent = pt;
	}

	void LineTo(CPoint pt)
	{
		if (pt == m_ptCurrent)
			return;
		m_commands.push_back({ ScopeDraw::LineTo, ScopePen::Trace, pt });
		m_ptCurrent = pt;
	}

private:
	ScopeCommandList& m_commands;
	CPoint m_ptCurrent;
};

int PointCount(const CWordArray& aColumns, const CWordArray& aRows)
{
	return aColumns.GetSize() < aRows.GetSize() ? aColumns.GetSize() : aRows.GetSize();
}

BOOL IsVisibleColumn(int nColumn, const CRect& rcClient)
{
	return nColumn >= rcClient.left && nColumn <= rcClient.right;
}

void BuildPath(const CWordArray& aColumns, const CWordArray& aRows, const CRect& rcClient, BOOL bSteps,
	ScopeCommandList& commands)
{
	TracePath path(commands);
	BOOL bFirstVisible = TRUE;
	const int nPoints = PointCount(aColumns, aRows);
	// A step takes up to three commands, a point of a polyline one.
	commands.reserve(commands.size() + static_cast<size_t>(nPoints) * (bSteps ? 3 : 1) + 1);
	for (int j = 0; j < nPoints; j++)
	{
		const int nColumn = ScopeLoadPixel(aColumns[j]);
		const int nRow = ScopeClampRow(ScopeLoadPixel(aRows[j]), rcClient);
		const int nPrevious = j > 0 ? j - 1 : j;
		const int nPreviousColumn = ScopeLoadPixel(aColumns[nPrevious]);
		const int nPreviousRow = ScopeLoadPixel(aRows[nPrevious]);
		if (!IsVisibleColumn(nColumn, rcClient))
			continue;
		if (bFirstVisible)
		{
			path.MoveTo(CPoint(nColumn, nRow));
			bFirstVisible = FALSE;
			continue;
		}
		if (bSteps && nRow != nPreviousRow)
		{
			const int nMiddle = nPreviousColumn + (nColumn - nPreviousColumn) / 2;
			path.LineTo(CPoint(nMiddle, nPreviousRow));
			path.LineTo(CPoint(nMiddle, nRow));
		}
		path.LineTo(CPoint(nColumn, nRow));
	}
}

const CWordArray* TraceAt(const CObArray& aTraces, int nIndex)
{
	return static_cast<const CWordArray*>(aTraces.GetAt(nIndex));
}

}

COLORREF ScopePenColor(ScopePen pen)
{
	switch (pen)
	{
	case ScopePen::Grid:
		return SCOPE_GRID_COLOR;
	case ScopePen::Trace:
		return SCOPE_TRACE_COLOR;
	case ScopePen::Axis:
		return SCOPE_AXIS_COLOR;
	}
	return SCOPE_TRACE_COLOR;
}

std::vector<int> ScopeGridPositions(int nAxis, int nStep, int nLow, int nHigh)
{
	std::vector<int> positions;
	if (nStep <= 0)
		return positions;
	// Wide arithmetic: the axis may lie far outside the rectangle.
	long long nFirstDown = nAxis;
	if (nFirstDown > nHigh)
		nFirstDown -= (nFirstDown - nHigh + nStep - 1) / nStep * static_cast<long long>(nStep);
	for (long long n = nFirstDown; n >= nLow; n -= nStep)
		positions.push_back(static_cast<int>(n));
	long long nFirstUp = static_cast<long long>(nAxis) + nStep;
	if (nFirstUp < nLow)
		nFirstUp += (nLow - nFirstUp + nStep - 1) / nStep * static_cast<long long>(nStep);
	for (long long n = nFirstUp; n <= nHigh; n += nStep)
		positions.push_back(static_cast<int>(n));
	return positions;
}

void BuildGridCommands(const ScopePaintState& state, ScopeCommandList& commands)
{
	const CRect& rc = state.rcClient;
	for (int x : ScopeGridPositions(state.nYAxis, state.nXGrid, rc.left, rc.right))
		AddLine(commands, ScopePen::Grid, CPoint(x, rc.top), CPoint(x, rc.bottom));
	for (int y : ScopeGridPositions(state.nXAxis, state.nYGrid, rc.top, rc.bottom))
		AddLine(commands, ScopePen::Grid, CPoint(rc.left, y), CPoint(rc.right, y));
	if (state.bDisplayAxis)
	{
		AddLine(commands, ScopePen::Axis, CPoint(rc.left, state.nXAxis), CPoint(rc.right, state.nXAxis));
		AddLine(commands, ScopePen::Axis, CPoint(state.nYAxis, rc.top), CPoint(state.nYAxis, rc.bottom));
	}
}

int ScopeClampRow(int nRow, const CRect& rcClient)
{
	if (nRow < rcClient.top)
		return rcClient.top;
	if (nRow > rcClient.bottom)
		return rcClient.bottom;
	return nRow;
}

void BuildPolylineCommands(const CWordArray& aColumns, const CWordArray& aRows, const CRect& rcClient,
	ScopeCommandList& commands)
{
	BuildPath(aColumns, aRows, rcClient, FALSE, commands);
}

void BuildStepCommands(const CWordArray& aColumns, const CWordArray& aRows, const CRect& rcClient,
	ScopeCommandList& commands)
{
	BuildPath(aColumns, aRows, rcClient, TRUE, commands);
}

void BuildBarCommands(const CWordArray& aColumns, const CWordArray& aRows, const ScopePaintState& state,
	ScopeCommandList& commands)
{
	const CRect& rc = state.rcClient;
	const int nPoints = PointCount(aColumns, aRows);
	for (int j = 0; j < nPoints; j++)
	{
		const int nColumn = ScopeLoadPixel(aColumns[j]);
		const int nRow = ScopeClampRow(ScopeLoadPixel(aRows[j]), rc);
		if (!IsVisibleColumn(nColumn, rc))
			continue;
		if (nColumn != state.nYAxis)
		{
			AddLine(commands, ScopePen::Grid, CPoint(nColumn, rc.top), CPoint(nColumn, state.nXAxis));
			AddLine(commands, ScopePen::Grid, CPoint(nColumn, rc.bottom), CPoint(nColumn, state.nXAxis + 1));
		}
		AddLine(commands, ScopePen::Trace, CPoint(nColumn, state.nXAxis), CPoint(nColumn, nRow));
	}
}

void BuildTraceCommands(const CObArray& aXPixels, const CObArray& aYPixels, const ScopePaintState& state,
	ScopeCommandList& commands)
{
	const int nTraces = aXPixels.GetSize() < aYPixels.GetSize() ? aXPixels.GetSize() : aYPixels.GetSize();
	const int nFirst = state.nStartDisplay > 0 ? state.nStartDisplay : 0;
	const int nLast = state.nEndDisplay < nTraces - 1 ? state.nEndDisplay : nTraces - 1;
	for (int i = nFirst; i <= nLast; i++)
	{
		const CWordArray* pColumns = TraceAt(aXPixels, i);
		const CWordArray* pRows = TraceAt(aYPixels, i);
		if (pColumns == nullptr || pRows == nullptr)
			continue;
		if (state.nPlayMode == SCOPE_PLAY_BARS)
			BuildBarCommands(*pColumns, *pRows, state, commands);
		else if (state.nPlayMode == SCOPE_PLAY_STEPS)
			BuildStepCommands(*pColumns, *pRows, state.rcClient, commands);
		else
			BuildPolylineCommands(*pColumns, *pRows, state.rcClient, commands);
	}
}
