// Sizing with the mouse from the edges in the headings and the corner: which edge lies under the
// mouse, and the drag a press on it starts.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "grid/window/GridDragLine.h"

#include <vector>

class GridWindow;
class SheetSettings;

enum class HeadingEdgeKind
{
	None,
	Column,
	Row,
	TopHeadingRow,
	SideHeadingColumn,
};

// What an edge sizes: a data column or row, or a heading row or column (-1, -2 ...).
struct HeadingEdge
{
	HeadingEdgeKind kind = HeadingEdgeKind::None;
	long nIndex = 0;

	BOOL IsEdge() const { return kind != HeadingEdgeKind::None; }
	BOOL SizesAcross() const { return kind == HeadingEdgeKind::Column || kind == HeadingEdgeKind::SideHeadingColumn; }
};

// A heading position as laid across its strip.
struct HeadingSlot
{
	long nPosition;
	int nStart;
	int nEnd;
};

// Heading positions -count .. -1 laid from 0 as the headings paint them: the one next to the
// cells reaches the strip's far edge, positions of size 0 take no room.
std::vector<HeadingSlot> LayHeadingPositions(const std::vector<int>& sizes, int nExtent);

// The right edge of a shown data column (bColumns) or the bottom edge of a shown row near nAlong,
// in a strip nAlongSize long, when the grid allows it to be sized.
HeadingEdge FindDataEdge(GridWindow* pGrid, const SheetSettings& sheet, BOOL bColumns, int nAlong, int nAlongSize);
// The far edge of a heading row (bTopRows) or heading column near nAcross, in a strip nExtent
// across, when the grid allows the heading area to be sized.
HeadingEdge FindHeadingAreaEdge(GridWindow* pGrid, const SheetSettings& sheet, BOOL bTopRows, int nAcross,
	int nExtent);
HCURSOR HeadingEdgeCursor(const SheetSettings& sheet, const HeadingEdge& edge);

// One drag of an edge, in the grid's client coordinates, from the press to the release.
class HeadingSizeDrag
{
public:
	HeadingSizeDrag();

	BOOL IsActive() const;
	void Begin(GridWindow* pGrid, const HeadingEdge& edge, CPoint point);
	void Move(CPoint point);
	// At the release, or where the mouse last was when the drag is broken off.
	void End(CPoint point);
	CPoint GetLastPoint() const;

private:
	void SizeDataColumn(int nDelta);
	void SizeDataRow(int nDelta);
	void SizeHeadingArea(int nDelta);
	void EndDataSize();
	void EndHeadingArea();
	// Where the column or row now ends in the cell view.
	int DataEdgeInView() const;

	GridWindow* m_pGrid;
	HeadingEdge m_edge;
	BOOL m_bActive;
	CPoint m_ptStart;
	CPoint m_ptLast;
	int m_nStartSize;
	int m_nStartTotal;
	GridDragLine m_line;
};
