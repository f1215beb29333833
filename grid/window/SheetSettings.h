// SheetSettings: everything one sheet of a grid keeps, with the geometry the layout recomputes.
// Every grid operation works on the current sheet's settings.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Object.h"
#include "framework/ui/gdi/Pen.h"
#include "grid/store/GridCell.h"
#include "grid/store/MemoryDataSource.h"
#include "grid/window/SelectionList.h"

#include <memory>
#include <vector>

class CFont;
class CWnd;
class DataSource;

// One data column: its width, where its cells come from and the defaults of its cells.
struct GridColumn
{
	int m_nWidth = 75;
	// Null: the sheet's default data source.
	DataSource* m_pDataSource = nullptr;
	std::unique_ptr<GridCell> m_pDefaultCell;
	// The column's number in its data source; it travels with the column when columns move.
	int m_nDataColumn = 0;
};

// Selection gestures: how the running move extends the selection.
constexpr int GRID_GESTURE_PROGRAM = 0;
constexpr int GRID_GESTURE_LEFT_PRESS = 1;
constexpr int GRID_GESTURE_RIGHT_PRESS = 2;
constexpr int GRID_GESTURE_DRAG = 3;

// Highlight style bit: the current cell is drawn in the highlight colours.
constexpr int GRID_HIGHLIGHT_CURRENT = 0x2;

class SheetSettings : public CObject
{
	DECLARE_DYNAMIC(SheetSettings)

public:
	SheetSettings();
	~SheetSettings() override;

	SheetSettings(const SheetSettings&) = delete;
	SheetSettings& operator=(const SheetSettings&) = delete;

	// Columns
	int m_nColumnCount = 0;
	int m_nCurrentColumn = -1;
	int m_nPrevCurrentColumn = -1;
	int m_nLeftColumn = 0;
	int m_nPrevLeftColumn = 0;
	int m_nLastLeftColumn = 0;
	int m_nDefaultColumnWidth = 75;
	int m_nTargetColumn = -1;
	std::vector<GridColumn> m_columns;

	// Rows
	long m_nRowCount = 0;
	long m_nCurrentRow = -1;
	long m_nPrevCurrentRow = -1;
	long m_nTopRow = 0;
	long m_nPrevTopRow = 0;
	long m_nLastTopRow = 0;
	// Empty in uniform mode.
	std::vector<int> m_rowHeights;
	int m_nDefaultRowHeight = 20;
	BOOL m_bUniformRowHeight = FALSE;
	long m_nTargetRow = -1;

	// Heading rows -1, -2 ... and heading columns -1, -2 ...: index 0 is -1.
	std::vector<int> m_topHeadingRows;
	std::vector<int> m_sideHeadingColumns;
	GridCell m_defaultCell;
	GridCell m_headingDefaultCell;
	int m_nTopHeadingHeight = 20;
	int m_nSideHeadingWidth = 40;

	int m_nVScrollWidth;
	int m_nHScrollHeight;
	int m_nTabBarWidth = 0;

	int m_nLockedColumns = 0;
	int m_nLockedColumnsWidth = 0;
	long m_nLockedRows = 0;
	int m_nLockedRowsHeight = 0;

	int m_nHighlightStyle = 1;
	BOOL m_bRowMode = FALSE;
	BOOL m_bMultipleSelection = FALSE;
	int m_nSelectionGesture = GRID_GESTURE_PROGRAM;
	UINT m_nGestureKeyFlags = 0;
	BOOL m_bJoins = TRUE;
	BOOL m_bTextOverflow = TRUE;
	BOOL m_bGridLines = TRUE;
	BOOL m_bContextMenu = FALSE;
	BOOL m_bCellTooltips = FALSE;
	BOOL m_bVScrollTooltips = FALSE;
	BOOL m_bHScrollTooltips = FALSE;
	int m_nMouseSizing = 1;
	BOOL m_bColumnMoving = FALSE;
	int m_nDragScrollExponent = 0;
	int m_nDragScrollDelay = 200;
	int m_nKeyRepeatDivisor = 0;
	int m_nKeyRepeatDelay = 0;
	int m_nVScrollMode = 0;
	int m_nHScrollMode = 0;

	// Not owned.
	CFont* m_pDefaultFont = nullptr;
	MemoryDataSource m_defaultDataSource;
	SelectionList m_selection;

	HCURSOR m_hNormalCursor;
	HCURSOR m_hColumnSizeCursor;
	HCURSOR m_hRowSizeCursor;
	int m_nTextMargin = 4;
	CPen m_gridPen;
	CWnd* m_pEditor = nullptr;
	int m_nFloatingWindowMode = 0;

	// Geometry from the last layout, in the grid's client coordinates.
	CRect m_rcCellView;
	CRect m_rcTopHeading;
	CRect m_rcSideHeading;
	CRect m_rcCorner;
	CRect m_rcTabBar;
	CRect m_rcVScroll;
	CRect m_rcHScroll;
	int m_nViewWidth = 0;
	int m_nViewHeight = 0;
	// The last column and row the latest paint reached.
	int m_nRightColumn = 0;
	long m_nBottomRow = 0;
};
