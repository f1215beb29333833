// CEditScope's window side: creation, mouse pass-through and painting of grid, axes and traces.
#include "sigkit/scope/EditScope.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Pen.h"
#include "framework/ui/window/PaintDC.h"
#include "sigkit/scope/ScopeGeometry.h"
#include "sigkit/scope/ScopePaint.h"

BEGIN_MESSAGE_MAP(CEditScope, CEdit)
	ON_WM_CREATE()
	ON_WM_PAINT()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

namespace
{
	// Issues the commands with the three scope pens; the pen in the DC before is restored.
	void DrawCommands(CDC& dc, const ScopeCommandList& commands)
	{
		if (commands.empty())
			return;
		CPen gridPen(PS_SOLID, 1, ScopePenColor(ScopePen::Grid));
		CPen tracePen(PS_SOLID, 1, ScopePenColor(ScopePen::Trace));
		CPen axisPen(PS_SOLID, 1, ScopePenColor(ScopePen::Axis));
		CPen* pOldPen = dc.SelectObject(&tracePen);
		ScopePen current = ScopePen::Trace;
		for (const ScopeCommand& command : commands)
		{
			if (command.pen != current)
			{
				current = command.pen;
				dc.SelectObject(current == ScopePen::Grid ? &gridPen : current == ScopePen::Axis ? &axisPen : &tracePen);
			}
			if (command.draw == ScopeDraw::MoveTo)
				dc.MoveTo(command.pt);
			else
				dc.LineTo(command.pt);
		}
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
