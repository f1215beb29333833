// GridPrinter: a grid's print settings and the pages of its last layout, with the scales and
// edges that place screen pixels on the printer.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Types.h"
#include "grid/layout/PrintLayout.h"

#include <vector>

// SetPrintOption's option numbers.
constexpr int GRID_PRINT_COLUMN_HEADINGS = 1;
constexpr int GRID_PRINT_ROW_HEADINGS = 2;
constexpr int GRID_PRINT_LEFT_MARGIN = 3;
constexpr int GRID_PRINT_TOP_MARGIN = 4;
constexpr int GRID_PRINT_RIGHT_MARGIN = 5;
constexpr int GRID_PRINT_BOTTOM_MARGIN = 6;
constexpr int GRID_PRINT_FRAME = 10;

class GridPrinter
{
public:
	GridPrinter();

	// Other option numbers change nothing.
	void SetOption(int nOption, int nValue);

	// Lays the block of cells out on the device, with the headings that are printed on every
	// page of the sizes given; the page count. No page fits a sheet without printable area.
	int Layout(const GridPrintDevice& device, const GridAxis& columns, const GridAxis& rows, int nSideHeadingWidth,
		int nTopHeadingHeight, int nFirstCol, long nFirstRow, int nLastCol, long nLastRow);
	// Null for a page the last layout did not make.
	const GridPrintPage* FindPage(int nPage) const;

	std::vector<GridPrintPage> m_pages;
	int m_nColumnPages;
	int m_nRowBands;
	// Millimetres.
	GridPrintMargins m_margins;
	BOOL m_bFrame;
	BOOL m_bPrintColumnHeadings;
	BOOL m_bPrintRowHeadings;
	double m_dRowScale;
	double m_dColumnScale;
	// The printable area in printer pixels.
	CRect m_rcEdges;
	int m_nPageWidth;
	int m_nPageHeight;
};
