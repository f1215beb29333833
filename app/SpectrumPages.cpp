// The spectrum's printed pages drawn on a DC, the texts measured for their layout, and the whole
// document printed through the print dialog.
#include "app/SpectrumPages.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/gdi/Pen.h"
#include "framework/ui/services/PrintDialog.h"
#include "framework/ui/services/PrinterDC.h"
#include "sigkit/frames/PagePrinting.h"

#include <algorithm>
#include <map>
#include <memory>
#include <utility>

namespace
{
	// The PDF written when no printer is installed is named after the document: keep the name.
	const char DOCUMENT_NAME[] = "Spettro Modulato";
	const char PAGE_NUMBER_FORMAT[] = "Pagina %d di %d";

	constexpr COLORREF INK_COLOR = RGB(0, 0, 0);
	constexpr int NORMAL = 400;
	constexpr int BOLD = 700;
	constexpr UINT LINE_FORMAT = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

	// The faces' fonts a page uses, made once for each height and weight.
	class CPageFonts
	{
	public:
		CFont* Get(int nHeight, int nWeight)
		{
			std::unique_ptr<CFont>& pFont = m_fonts[std::make_pair(nHeight, nWeight)];
			if (!pFont)
			{
				pFont = std::make_unique<CFont>();
				CreateFaceFont(*pFont, nHeight, nWeight);
			}
			return pFont.get();
		}

	private:
		std::map<std::pair<int, int>, std::unique_ptr<CFont>> m_fonts;
	};

	// Measures on dc, whose selected font it changes.
	SpectrumTextMeasure MeasureOn(CDC& dc, CPageFonts& fonts)
	{
		return [&dc, &fonts](const CString& str, int nHeight, int nWeight)
		{
			dc.SelectObject(fonts.Get(nHeight, nWeight));
			return static_cast<int>(dc.GetTextExtent(str).cx);
		};
	}

	void DrawLine(CDC& dc, const CString& str, int x, int y, int xRight, int nHeight, UINT nAlign)
	{
		CRect rc(x, y, xRight, y + nHeight);
		dc.DrawText(str, &rc, LINE_FORMAT | nAlign);
	}

	void PrintHeading(CDC& dc, const SpectrumPageContent& content, const SpectrumPageLayout& layout, CPageFonts& fonts)
	{
		const CRect& rcBody = layout.rcBody;
		dc.SelectObject(fonts.Get(layout.nTitleHeight, BOLD));
		DrawLine(dc, content.strTitle, rcBody.left, layout.yTitle, rcBody.right, layout.nTitleHeight * 3 / 2,
			DT_END_ELLIPSIS);
		dc.SelectObject(fonts.Get(layout.nNameHeight, NORMAL));
		DrawLine(dc, content.strModulation, rcBody.left, layout.yModulation, rcBody.right, layout.nNameHeight * 3 / 2,
			DT_END_ELLIPSIS);
		dc.SelectObject(fonts.Get(layout.nTextHeight, NORMAL));
		DrawLine(dc, content.strParameters, rcBody.left, layout.yParameters, rcBody.right, layout.nLineHeight,
			DT_END_ELLIPSIS);
		for (size_t i = 0; i < content.figureLines.size(); i++)
		{
			const int nColumn = static_cast<int>(i) / std::max(1, layout.nFigureRows);
			const int nRow = static_cast<int>(i) % std::max(1, layout.nFigureRows);
			const int x = layout.figureColumns[static_cast<size_t>(nColumn)];
			DrawLine(dc, content.figureLines[i], x, layout.yFigures + nRow * layout.nLineHeight, rcBody.right,
				layout.nLineHeight, DT_END_ELLIPSIS);
		}
		if (content.paintPicture && !layout.rcPicture.IsRectEmpty())
		{
			// The picture sets up the DC as it likes; the page's own state comes back after it.
			const int nSaved = dc.SaveDC();
			content.paintPicture(dc, layout.rcPicture, layout.nPictureTextHeight);
			dc.RestoreDC(nSaved);
		}
	}

	void PrintRow(CDC& dc, const std::vector<CString>& cells, const SpectrumPageLayout& layout, int y)
	{
		for (size_t k = 0; k < cells.size() && k < layout.columnLeft.size(); k++)
			DrawLine(dc, cells[k], layout.columnLeft[k], y, layout.columnRight[k], layout.nRowHeight,
				layout.columnNumeric[k] ? DT_RIGHT : DT_LEFT);
	}

	void PrintTable(CDC& dc, const SpectrumPageContent& content, const SpectrumPageLayout& layout,
		const SpectrumPage& page, CPageFonts& fonts)
	{
		if (page.nRows <= 0 || layout.columnLeft.empty())
			return;
		dc.SelectObject(fonts.Get(layout.nTableTextHeight, BOLD));
		PrintRow(dc, content.headings, layout, page.yTable);
		// A thin rule under the headings, in proportion to the rows.
		CPen pen(PS_SOLID, std::max(1, layout.nRowHeight / 16), INK_COLOR);
		CPen* pOldPen = dc.SelectObject(&pen);
		const int yRule = page.yTable + layout.nRowHeight;
		dc.MoveTo(layout.columnLeft.front(), yRule);
		dc.LineTo(layout.columnRight.back(), yRule);
		dc.SelectObject(pOldPen);

		dc.SelectObject(fonts.Get(layout.nTableTextHeight, NORMAL));
		for (int i = 0; i < page.nRows; i++)
			PrintRow(dc, content.rows[static_cast<size_t>(page.nFirstRow + i)], layout, yRule + i * layout.nRowHeight);
	}
}

void PrintSpectrumPage(CDC& dc, const SpectrumPageContent& content, const SpectrumPageLayout& layout, int nPage)
{
	if (nPage < 0 || nPage >= static_cast<int>(layout.pages.size()))
		return;
	CPageFonts fonts;
	const int nSaved = dc.SaveDC();
	dc.SetBkMode(TRANSPARENT);
	dc.SetTextColor(INK_COLOR);
	if (nPage == 0)
		PrintHeading(dc, content, layout, fonts);
	PrintTable(dc, content, layout, layout.pages[static_cast<size_t>(nPage)], fonts);

	CString strPage;
	strPage.Format(PAGE_NUMBER_FORMAT, nPage + 1, static_cast<int>(layout.pages.size()));
	dc.SelectObject(fonts.Get(layout.nTableTextHeight, NORMAL));
	DrawLine(dc, strPage, layout.rcBody.left, layout.yFooter, layout.rcBody.right,
		layout.rcBody.bottom - layout.yFooter, DT_CENTER);
	dc.RestoreDC(nSaved);
}

BOOL PrintSpectrum(CWnd* pParent, const SpectrumPageContent& content)
{
	CPrintDialog dialog(FALSE, FRAME_PRINT_FLAGS, pParent);
	CPrinterDC dc;
	if (!ChoosePrinter(dialog, dc))
		return FALSE;

	// Measured on the printer itself, whose fonts may differ from a screen's by a pixel here and there.
	SpectrumPageLayout layout;
	{
		CPageFonts fonts;
		const int nSaved = dc.SaveDC();
		layout = LayOutSpectrumPages(content, CSize(dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)),
			CSize(dc.GetDeviceCaps(LOGPIXELSX), dc.GetDeviceCaps(LOGPIXELSY)), MeasureOn(dc, fonts));
		dc.RestoreDC(nSaved);
	}

	DOCINFO info = {sizeof(DOCINFO), DOCUMENT_NAME, nullptr, nullptr, 0};
	BOOL bPrinted = dc.StartDoc(&info) > 0;
	for (int nPage = 0; bPrinted && nPage < static_cast<int>(layout.pages.size()); nPage++)
	{
		bPrinted = dc.StartPage() > 0;
		if (bPrinted)
		{
			PrintSpectrumPage(dc, content, layout, nPage);
			bPrinted = dc.EndPage() > 0;
		}
	}
	if (bPrinted && dc.EndDoc() > 0)
		return TRUE;
	dc.AbortDoc();
	ReportPrintFailure();
	return FALSE;
}
