// Moving a column to a new place by dragging its heading: the pressed column, the insertion
// point that follows the mouse and the scrolling while the mouse is beside the heading.
#pragma once

#include "framework/core/Geometry.h"
#include "grid/window/GridDragLine.h"

class GridWindow;
class TopHeading;

class ColumnMoveDrag
{
public:
	ColumnMoveDrag();

	BOOL IsActive() const;
	// FALSE when the grid does not let the column move.
	BOOL Begin(GridWindow* pGrid, int nCol);
	// In the top heading's client coordinates.
	void Move(CPoint point);
	// The column goes where the insertion point is, when the grid agrees.
	void End();
	// The drag was broken off: nothing moves.
	void Cancel();
	// The column the moved one will land before; the column count for after the last.
	int GetInsertion() const;

private:
	// The insertion point for x, inside the heading, and the line that marks it.
	void FollowMouse(int x);
	// One column a step towards nDirection until the mouse moves again, is released, or the view
	// cannot scroll further.
	void ScrollBeside(int nDirection);
	// Hands on what waits for the drag delay; FALSE as soon as the mouse has something new.
	BOOL PumpUntilNextStep();
	void Unpress();

	GridWindow* m_pGrid;
	TopHeading* m_pHeading;
	BOOL m_bActive;
	int m_nFrom;
	int m_nInsertion;
	GridDragLine m_line;
};
