// The spectrum window's printed document: what its pages hold, where each thing goes on them, and
// the drawing of a page and of the whole document through the print dialog.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"

#include <functional>
#include <vector>

class CDC;
class CWnd;

struct SpectrumPageContent
{
	CString strTitle;                       // the window's title
	CString strModulation;                  // the modulation's name
	CString strParameters;                  // the parameters with their units, on one line
	std::vector<CString> figureLines;       // the course figures, one a line
	std::vector<CString> headings;          // table column headings
	std::vector<std::vector<CString>> rows; // table cells, row by row
	// Paints the bar picture into a rectangle of the page with text nTextHeight pixels high; none
	// leaves the page without a picture.
	std::function<void(CDC& dc, const CRect& rc, int nTextHeight)> paintPicture;
};

// The table's rows nFirstRow to nFirstRow + nRows - 1 under the column headings, whose top is yTable.
struct SpectrumPage
{
	int nFirstRow;
	int nRows;
	int yTable;
};

// Everything in printer pixels. The heading, the figures and the picture are on the first page only.
struct SpectrumPageLayout
{
	CRect rcBody;	// the page inside its margins
	// Text heights, without the leading.
	int nTitleHeight;
	int nNameHeight;
	int nTextHeight;
	int nPictureTextHeight;
	int nTableTextHeight;
	// Tops of the heading's lines.
	int yTitle;
	int yModulation;
	int yParameters;
	int yFigures;
	// The figure lines run down the first column, then down the next, nLineHeight apart.
	int nLineHeight;
	int nFigureRows;
	std::vector<int> figureColumns;	// left edge of each column
	CRect rcPicture;	// empty when there is no picture
	int nRowHeight;
	// Column k's text lies between columnLeft[k] and columnRight[k].
	std::vector<int> columnLeft;
	std::vector<int> columnRight;
	std::vector<bool> columnNumeric;	// right-aligned
	int yFooter;	// top of "Pagina n di N"
	std::vector<SpectrumPage> pages;
};

// The width in pixels of a text in the dialogs' face, nHeight pixels high and of weight nWeight.
typedef std::function<int(const CString& str, int nHeight, int nWeight)> SpectrumTextMeasure;

// Where everything goes on pages of the given printable size and resolution (pixels per inch).
SpectrumPageLayout LayOutSpectrumPages(const SpectrumPageContent& content, CSize sizePage, CSize dpi,
	const SpectrumTextMeasure& measure);

// Draws page nPage (0-based) of the layout.
void PrintSpectrumPage(CDC& dc, const SpectrumPageContent& content, const SpectrumPageLayout& layout, int nPage);

// The whole document through the print dialog. TRUE when it was printed; FALSE when the user
// cancelled or printing failed, which the user has then been told.
BOOL PrintSpectrum(CWnd* pParent, const SpectrumPageContent& content);
