// The grid's heading areas: the column headings on top, the row headings at the left and the
// corner button where they meet.
#pragma once

#include "framework/ui/window/Wnd.h"
#include "grid/window/ColumnMoving.h"
#include "grid/window/GridChild.h"
#include "grid/window/GridDrawList.h"
#include "grid/window/HeadingSizing.h"

#include <vector>

class CellType;
class GridAxis;
class GridCell;

// How a heading strip lies: along the data columns (the top heading) or rows (the side heading),
// across its own heading positions -count .. -1.
struct GridHeadingLayout
{
	BOOL bAlongColumns;
	long nLocked;
	long nFirst;
	// Sizes of heading positions -1, -2 ...: index 0 is -1.
	const std::vector<int>* pAcross;
	// The data position drawn pressed; -1 when none.
	long nPressed;
	int nSection;
	// The strip's size across, which heading position -1 reaches.
	int nAcrossExtent;
};

// A heading cell under the mouse: the data position along the strip and the heading position
// across it, and the cell the grid is told of (a joined block's origin) with its rectangle.
struct HeadingHit
{
	long nAlong;
	long nAcross;
	int nCol;
	long nRow;
	CRect rc;
	// The mouse's point and the type of the cell (the block's origin) under it.
	POINT pt;
	CellType* pType;
};

// What both heading strips share: the draw list, the paint of their heading cells, and the mouse:
// clicks told to the heading cell's type and the grid, sizing from the edges and, in the top
// heading, moving columns.
class GridHeading : public CWnd, public GridChild
{
	DECLARE_DYNAMIC(GridHeading)

public:
	BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);

protected:
	GridHeading();

	virtual GridHeadingLayout GetLayout() const = 0;

	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
	// The second press of a right double click is a press like the first.
	afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
	afx_msg void OnCaptureChanged(CWnd* pWnd);

	DECLARE_MESSAGE_MAP()

	GridDrawList m_drawList;

private:
	void DrawHeadingCell(CDC* pDC, const GridHeadingLayout& layout, const GridAxis& along, GridCell* pCell, long nAlong,
		long nAcross, const CRect& rcCell);
	BOOL HitCell(CPoint point, HeadingHit* pHit);
	HeadingEdge EdgeAt(CPoint point);
	// Takes the mouse for a press; TRUE when the press is on an edge and sizes it.
	BOOL PressOnEdge(CPoint point);
	void NotifyClick(const HeadingHit& hit, BOOL bDown, CPoint point, BOOL bHandled);
	void NotifyRightClick(const HeadingHit& hit, BOOL bDown, CPoint point, BOOL bHandled);
	void RightButton(CPoint point, BOOL bDown);
	CPoint ToGrid(CPoint point);

	// The edge under the mouse when it last moved, for the cursor.
	HeadingEdge m_hover;
	HeadingSizeDrag m_sizing;
	// Only the top heading moves columns.
	ColumnMoveDrag m_columnMove;
};

class TopHeading : public GridHeading
{
	DECLARE_DYNAMIC(TopHeading)

public:
	TopHeading();

	void RedrawColumns(int nFirstCol, int nLastCol);

	// The column being pressed, drawn as selected; -1 when none.
	int m_nPressedColumn;

protected:
	GridHeadingLayout GetLayout() const override;
};

class SideHeading : public GridHeading
{
	DECLARE_DYNAMIC(SideHeading)

public:
	SideHeading();

	void RedrawRows(long nFirstRow, long nLastRow);

	long m_nPressedRow;

protected:
	GridHeadingLayout GetLayout() const override;
};

// The corner draws cell (-1, -1), tells the grid of its clicks and sizes the heading areas from
// the edges of the heading rows and columns that meet in it.
class CornerButton : public CWnd, public GridChild
{
	DECLARE_DYNAMIC(CornerButton)

public:
	CornerButton();

	BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);

protected:
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
	// The second press of a right double click is a press like the first.
	afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
	afx_msg void OnCaptureChanged(CWnd* pWnd);

	DECLARE_MESSAGE_MAP()

private:
	HeadingEdge EdgeAt(CPoint point);
	BOOL PressOnEdge(CPoint point);
	// The corner cell's type, with the rectangle and point its mouse operations take.
	CellType* CornerHit(CPoint point, RECT* pRect, POINT* pPoint);
	CPoint ToGrid(CPoint point);

	// The edge under the mouse when it last moved, for the cursor.
	HeadingEdge m_hover;
	HeadingSizeDrag m_sizing;
};

// Before a press in a heading or the corner does anything, the keyboard goes to the cell view.
void PrepareForHeadingPress(GridWindow* pGrid);
