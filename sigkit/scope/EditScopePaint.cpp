// CEditScope's window side: creation, mouse pass-through and painting of grid, axes and traces.
#include "sigkit/scope/EditScope.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Pen.h"
#include "framework/ui/window/PaintDC.h"
#include "sigkit/scope/ScopeGeometry.h"
#include "sigkit/scope/ScopePaint.h"

#include <vector>

BEGIN_MESSAGE_MAP(CEditScope, CEdit)
	ON_WM_CREATE()
	ON_WM_PAINT()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

namespace
{
	// The pixels a one-pixel line along a row or a column lights, its end point left out, or an
	// empty rectangle for a slanted line.
	CRect StraightLinePixels(CPoint ptFrom, CPoint ptTo)
	{
		if (ptFrom.x == ptTo.x)
		{
			const int nTop = ptTo.y > ptFrom.y ? ptFrom.y : ptTo.y + 1;
			const int nBottom = ptTo.y > ptFrom.y ? ptTo.y : ptFrom.y + 1;
			return CRect(ptFrom.x, nTop, ptFrom.x + 1, nBottom);
		}
		if (ptFrom.y == ptTo.y)
		{
			const int nLeft = ptTo.x > ptFrom.x ? ptFrom.x : ptTo.x + 1;
			const int nRight = ptTo.x > ptFrom.x ? ptTo.x : ptFrom.x + 1;
			return CRect(nLeft, ptFrom.y, nRight, ptFrom.y + 1);
		}
		return CRect(0, 0, 0, 0);
	}

	// Issues the commands with the three scope pens; the pen in the DC before is restored. The
	// grid's lines all run along rows or columns and fill the widest scopes: they are filled as
	// one-pixel rectangles, the same pixels at a fraction of the cost of stroking. Consecutive
	// segments of one pen go to the DC as one polyline: each segment leaves its end point to the
	// next, so the pixels are those of as many LineTo calls, without a call per segment.
	void DrawCommands(CDC& dc, const ScopeCommandList& commands)
	{
		if (commands.empty())
			return;
		CPen gridPen(PS_SOLID, 1, ScopePenColor(ScopePen::Grid));
		CPen tracePen(PS_SOLID, 1, ScopePenColor(ScopePen::Trace));
		CPen axisPen(PS_SOLID, 1, ScopePenColor(ScopePen::Axis));
		CBrush gridBrush(ScopePenColor(ScopePen::Grid));
		CPen* pOldPen = dc.SelectObject(&tracePen);
		ScopePen current = ScopePen::Trace;
		CPoint ptCurrent = dc.GetCurrentPosition();
		std::vector<POINT> polyline;
		polyline.reserve(commands.size() + 1);
		auto flush = [&dc, &polyline]() {
			if (polyline.size() > 1)
			{
				dc.Polyline(polyline.data(), static_cast<int>(polyline.size()));
				dc.MoveTo(polyline.back());
			}
			polyline.clear();
		};
		for (const ScopeCommand& command : commands)
		{
			if (command.pen != current)
			{
				flush();
				current = command.pen;
				dc.SelectObject(current == ScopePen::Grid ? &gridPen : current == ScopePen::Axis ? &axisPen : &tracePen);
			}
			const CRect rcStraight = current == ScopePen::Grid && command.draw == ScopeDraw::LineTo
				? StraightLinePixels(ptCurrent, command.pt)
				: CRect(0, 0, 0, 0);
			if (command.draw == ScopeDraw::MoveTo || !rcStraight.IsRectEmpty())
			{
				flush();
				if (!rcStraight.IsRectEmpty())
					dc.FillRect(&rcStraight, &gridBrush);
				dc.MoveTo(command.pt);
			}
			else
			{
				if (polyline.empty())
					polyline.push_back(ptCurrent);
				polyline.push_back(command.pt);
			}
			ptCurrent = command.pt;
		}
		flush();
		dc.SelectObject(pOldPen);
	}
}

int CEditScope::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
	if (CEdit::OnCreate(lpCreateStruct) == -1)
		return -1;
	SetYType(SCOPE_YAXIS_LEFT);
	SetXType(SCOPE_XAXIS_MIDDLE);
	return 0;
}

// Straight to the window: the background, grid and traces are repainted in full each time.
void CEditScope::OnPaint()
{
	CPaintDC dc(this);
	CRect rect;
	GetClientRect(&rect);
	DrawGrid(dc, rect);
	if (m_nPlayMode == SCOPE_PLAY_BARS)
		PaintHistogram(dc, rect);
	else
		PaintNormal(dc, rect);
}

void CEditScope::OnLButtonDown(UINT, CPoint)
{
	Default();
}

void CEditScope::OnLButtonUp(UINT, CPoint)
{
	Default();
}

void CEditScope::OnMouseMove(UINT, CPoint)
{
	Default();
}

ScopePaintState CEditScope::PaintState(const CRect& rect) const
{
	ScopePaintState state;
	state.rcClient = rect;
	state.nXAxis = m_nXAxis;
	state.nYAxis = m_nYAxis;
	state.nXGrid = m_nXGrid;
	state.nYGrid = m_nYGrid;
	state.bDisplayAxis = m_bDisplayAxis;
	state.nPlayMode = m_nPlayMode;
	state.nStartDisplay = m_nStartDisplay;
	state.nEndDisplay = m_nEndDisplay;
	return state;
}

void CEditScope::DrawGrid(CDC& dc, CRect rect)
{
	CBrush background(SCOPE_BACKGROUND_COLOR);
	dc.FillRect(&rect, &background);
	ScopeCommandList commands;
	BuildGridCommands(PaintState(rect), commands);
	DrawCommands(dc, commands);
}

void CEditScope::PaintNormal(CDC& dc, CRect rect)
{
	ScopeCommandList commands;
	BuildTraceCommands(m_aXPixels, m_aYPixels, PaintState(rect), commands);
	DrawCommands(dc, commands);
}

void CEditScope::PaintHistogram(CDC& dc, CRect rect)
{
	ScopePaintState state = PaintState(rect);
	state.nPlayMode = SCOPE_PLAY_BARS;
	ScopeCommandList commands;
	BuildTraceCommands(m_aXPixels, m_aYPixels, state, commands);
	DrawCommands(dc, commands);
}
