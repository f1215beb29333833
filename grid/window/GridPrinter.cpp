// A grid's print settings and the page layout made from them.
#include "grid/window/GridPrinter.h"

GridPrinter::GridPrinter()
	: m_nColumnPages(0)
	, m_nRowBands(0)
	, m_margins{25, 25, 25, 25}
	, m_bFrame(TRUE)
	, m_bPrintColumnHeadings(FALSE)
	, m_bPrintRowHeadings(FALSE)
	, m_dRowScale(0.0)
	, m_dColumnScale(0.0)
	, m_rcEdges(0, 0, 0, 0)
	, m_nPageWidth(0)
	, m_nPageHeight(0)
{
}

void GridPrinter::SetOption(int nOption, int nValue)
{
	switch (nOption)
	{
	case GRID_PRINT_COLUMN_HEADINGS:
		m_bPrintColumnHeadings = nValue != 0;
		break;
	case GRID_PRINT_ROW_HEADINGS:
		m_bPrintRowHeadings = nValue != 0;
		break;
	case GRID_PRINT_LEFT_MARGIN:
		m_margins.nLeft = nValue;
		break;
	case GRID_PRINT_TOP_MARGIN:
		m_margins.nTop = nValue;
		break;
	case GRID_PRINT_RIGHT_MARGIN:
		m_margins.nRight = nValue;
		break;
	case GRID_PRINT_BOTTOM_MARGIN:
		m_margins.nBottom = nValue;
		break;
	case GRID_PRINT_FRAME:
		m_bFrame = nValue != 0;
		break;
	default:
		break;
	}
}

int GridPrinter::Layout(const GridPrintDevice& device, const GridAxis& columns, const GridAxis& rows,
	int nSideHeadingWidth, int nTopHeadingHeight, int nFirstCol, long nFirstRow, int nLastCol, long nLastRow)
{
	m_pages.clear();
	m_nColumnPages = 0;
	m_nRowBands = 0;
	m_nPageWidth = device.nHorzRes;
	m_nPageHeight = device.nVertRes;
	const GridPrintScale scale = GridPrintScaleFor(device, m_margins);
	m_dColumnScale = scale.dColumnScale;
	m_dRowScale = scale.dRowScale;
	m_rcEdges = scale.rcEdges;
	if (m_dColumnScale <= 0.0 || m_dRowScale <= 0.0)
		return 0;

	const CSize avail = GridPrintableScreenSize(device, m_margins, m_bPrintRowHeadings ? nSideHeadingWidth : 0,
		m_bPrintColumnHeadings ? nTopHeadingHeight : 0);
	const std::vector<GridPrintSpan> columnPages = GridPrintBreaks(columns, nFirstCol, nLastCol, avail.cx);
	const std::vector<GridPrintSpan> rowBands = GridPrintBreaks(rows, nFirstRow, nLastRow, avail.cy);
	m_pages = GridPrintPages(columnPages, rowBands);
	m_nColumnPages = static_cast<int>(columnPages.size());
	m_nRowBands = static_cast<int>(rowBands.size());
	return static_cast<int>(m_pages.size());
}

const GridPrintPage* GridPrinter::FindPage(int nPage) const
{
	if (nPage < 1 || nPage > static_cast<int>(m_pages.size()))
		return nullptr;
	return &m_pages[static_cast<size_t>(nPage - 1)];
}
