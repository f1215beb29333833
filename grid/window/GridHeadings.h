// The grid's heading areas: the column headings on top, the row headings at the left and the
// corner button where they meet.
#pragma once

#include "framework/ui/window/Wnd.h"
#include "grid/window/GridChild.h"
#include "grid/window/GridDrawList.h"

#include <vector>

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

// What both heading strips share: the draw list and the paint of their heading cells.
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

	DECLARE_MESSAGE_MAP()

	GridDrawList m_drawList;

private:
	void DrawHeadingCell(CDC* pDC, const GridHeadingLayout& layout, const GridAxis& along, GridCell* pCell, long nAlong,
		long nAcross, const CRect& rcCell);
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

class CornerButton : public CWnd, public GridChild
{
	DECLARE_DYNAMIC(CornerButton)

public:
	CornerButton();

	BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);

protected:
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);

	DECLARE_MESSAGE_MAP()
};
