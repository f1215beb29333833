// Where the spectrum's printed document puts its heading, figures, picture and table rows, page by
// page, from lengths on paper and the widths of its texts.
#include "app/SpectrumPages.h"

#include <algorithm>

namespace
{
	// The page, in millimetres.
	constexpr double MARGIN = 20.0;
	constexpr double TITLE_TEXT = 5.0;
	constexpr double TITLE_LINE = 8.0;
	constexpr double NAME_TEXT = 4.0;
	constexpr double NAME_LINE = 6.5;
	constexpr double BODY_TEXT = 3.5;
	constexpr double BODY_LINE = 5.0;
	constexpr double BLOCK_GAP = 4.0;
	constexpr double FIGURE_COLUMN_GAP = 10.0;
	constexpr double PICTURE_TEXT = 2.5;
	constexpr double TABLE_TEXT = 3.0;
	constexpr double TABLE_ROW = 4.0;
	constexpr double COLUMN_GAP = 6.0;
	// The foot of every page: the band under the table that holds "Pagina n di N" at its bottom.
	constexpr double FOOT_BAND = 7.0;
	constexpr double FOOT_LINE = 4.0;

	// A table that would start under the picture with fewer rows than this starts on page 2.
	constexpr int MIN_FIRST_PAGE_ROWS = 3;
	// A picture is a third of the page high and at most two and a half times as wide as high, so
	// that a landscape page does not stretch the bars into a strip.
	constexpr int PICTURE_HEIGHT_DIVISOR = 3;
	constexpr int PICTURE_MAX_WIDTH_TIMES_2 = 5;

	constexpr int NORMAL = 400;
	constexpr int BOLD = 700;

	struct Ruler
	{
		LONG nDpiX;
		LONG nDpiY;

		int Across(double dMillimetres) const
		{
			return static_cast<int>(dMillimetres * nDpiX / 25.4 + 0.5);
		}

		int Down(double dMillimetres) const
		{
			return static_cast<int>(dMillimetres * nDpiY / 25.4 + 0.5);
		}
	};

	// A cell holding a number, with or without a sign, decimals or a unit after it.
	bool IsNumber(const CString& str)
	{
		int i = 0;
		while (i < str.GetLength() && str[i] == ' ')
			i++;
		if (i < str.GetLength() && (str[i] == '-' || str[i] == '+'))
			i++;
		if (i < str.GetLength() && (str[i] == '.' || str[i] == ','))
			i++;
		return i < str.GetLength() && str[i] >= '0' && str[i] <= '9';
	}

	// Each column as wide as its widest text, heading included, with a gap between columns; a
	// column is right-aligned when every cell it has holds a number.
	void LayOutColumns(const SpectrumPageContent& content, const SpectrumTextMeasure& measure, const Ruler& ruler,
		SpectrumPageLayout& layout)
	{
		size_t nColumns = content.headings.size();
		for (const std::vector<CString>& row : content.rows)
			nColumns = std::max(nColumns, row.size());
		std::vector<int> widths(nColumns, 0);
		std::vector<int> cells(nColumns, 0);
		std::vector<int> numbers(nColumns, 0);
		for (size_t k = 0; k < content.headings.size(); k++)
			widths[k] = measure(content.headings[k], layout.nTableTextHeight, BOLD);
		for (const std::vector<CString>& row : content.rows)
		{
			for (size_t k = 0; k < row.size(); k++)
			{
				if (row[k].IsEmpty())
					continue;
				widths[k] = std::max(widths[k], measure(row[k], layout.nTableTextHeight, NORMAL));
				cells[k]++;
				numbers[k] += IsNumber(row[k]) ? 1 : 0;
			}
		}
		const int nGap = ruler.Across(COLUMN_GAP);
		int x = layout.rcBody.left;
		for (size_t k = 0; k < nColumns; k++)
		{
			layout.columnLeft.push_back(x);
			layout.columnRight.push_back(x + widths[k]);
			layout.columnNumeric.push_back(cells[k] > 0 && numbers[k] == cells[k]);
			x += widths[k] + nGap;
		}
	}

	// Two columns of figures when the widest line fits twice across the page.
	void LayOutFigures(const SpectrumPageContent& content, const SpectrumTextMeasure& measure, const Ruler& ruler,
		SpectrumPageLayout& layout)
	{
		const int nLines = static_cast<int>(content.figureLines.size());
		int nWidest = 0;
		for (const CString& str : content.figureLines)
			nWidest = std::max(nWidest, measure(str, layout.nTextHeight, NORMAL));
		const int nSecond = layout.rcBody.left + nWidest + ruler.Across(FIGURE_COLUMN_GAP);
		layout.figureColumns.push_back(layout.rcBody.left);
		if (nLines > 1 && nSecond + nWidest <= layout.rcBody.right)
			layout.figureColumns.push_back(nSecond);
		const int nColumns = static_cast<int>(layout.figureColumns.size());
		layout.nFigureRows = (nLines + nColumns - 1) / nColumns;
	}

	// The picture under the heading, centred when the page is too wide for it.
	CRect PictureRect(const CRect& rcBody, int yTop)
	{
		const int nHeight = rcBody.Height() / PICTURE_HEIGHT_DIVISOR;
		const int nWidth = std::min(static_cast<int>(rcBody.Width()), nHeight * PICTURE_MAX_WIDTH_TIMES_2 / 2);
		const int nLeft = rcBody.left + (rcBody.Width() - nWidth) / 2;
		return CRect(nLeft, yTop, nLeft + nWidth, yTop + nHeight);
	}
}

SpectrumPageLayout LayOutSpectrumPages(const SpectrumPageContent& content, CSize sizePage, CSize dpi,
	const SpectrumTextMeasure& measure)
{
	const Ruler ruler = {std::max<LONG>(1, dpi.cx), std::max<LONG>(1, dpi.cy)};
	SpectrumPageLayout layout {};
	layout.rcBody = CRect(ruler.Across(MARGIN), ruler.Down(MARGIN), sizePage.cx - ruler.Across(MARGIN),
		sizePage.cy - ruler.Down(MARGIN));
	layout.nTitleHeight = ruler.Down(TITLE_TEXT);
	layout.nNameHeight = ruler.Down(NAME_TEXT);
	layout.nTextHeight = ruler.Down(BODY_TEXT);
	layout.nPictureTextHeight = ruler.Down(PICTURE_TEXT);
	layout.nTableTextHeight = ruler.Down(TABLE_TEXT);
	layout.nLineHeight = ruler.Down(BODY_LINE);
	layout.nRowHeight = std::max(1, ruler.Down(TABLE_ROW));
	layout.yFooter = layout.rcBody.bottom - ruler.Down(FOOT_LINE);

	layout.yTitle = layout.rcBody.top;
	layout.yModulation = layout.yTitle + ruler.Down(TITLE_LINE);
	layout.yParameters = layout.yModulation + ruler.Down(NAME_LINE);
	layout.yFigures = layout.yParameters + layout.nLineHeight + ruler.Down(BLOCK_GAP) / 2;
	LayOutFigures(content, measure, ruler, layout);
	LayOutColumns(content, measure, ruler, layout);

	int yTable = layout.yFigures + layout.nFigureRows * layout.nLineHeight + ruler.Down(BLOCK_GAP);
	if (content.paintPicture)
	{
		layout.rcPicture = PictureRect(layout.rcBody, yTable);
		yTable = layout.rcPicture.bottom + ruler.Down(BLOCK_GAP);
	}

	// Rows fit between the column headings and the foot's band.
	const int yTableEnd = layout.rcBody.bottom - ruler.Down(FOOT_BAND);
	auto rowsFitting = [&](int yTop) { return std::max(0, (yTableEnd - yTop) / layout.nRowHeight - 1); };
	const int nRowCount = static_cast<int>(content.rows.size());
	int nFirstPageRows = std::min(nRowCount, rowsFitting(yTable));
	if (nFirstPageRows < std::min(nRowCount, MIN_FIRST_PAGE_ROWS))
		nFirstPageRows = 0;
	layout.pages.push_back({0, nFirstPageRows, yTable});
	// A page too short for a single row still takes one, so that every row is printed.
	const int nRowsPerPage = std::max(1, rowsFitting(layout.rcBody.top));
	for (int nRow = nFirstPageRows; nRow < nRowCount; nRow += nRowsPerPage)
		layout.pages.push_back({nRow, std::min(nRowsPerPage, nRowCount - nRow), layout.rcBody.top});
	return layout;
}
