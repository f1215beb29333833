// Printing the harmonic table: the grid lays it out and draws its pages, each under a heading
// that names the file with its duration and samples. With no printer it goes to a PDF file.
#include "analyser/FourierDlg.h"

#include "analyser/resources/AnalyserResourceIds.h"
#include "framework/core/FrameworkStringIds.h"
#include "framework/core/GdiConstants.h"
#include "framework/ui/services/PrintDialog.h"
#include "framework/ui/services/PrinterDC.h"
#include "grid/window/GridPrinter.h"
#include "sigkit/frames/PagePrinting.h"

#include <algorithm>

namespace
{
	// The grid's margins, and the band below the top one that holds the heading, in millimetres.
	constexpr int PAGE_MARGIN = 25;
	constexpr int HEADING_BAND = 14;
	constexpr double TITLE_HEIGHT = 4.5;
	constexpr double LINE_HEIGHT = 3.5;
	// On paper the columns take these widths, in screen pixels, whatever the window's width: the
	// table then fits one page across.
	constexpr int PRINTED_COLUMNS = 4;
	const int s_printedWidths[PRINTED_COLUMNS] = {90, 150, 180, 120};

}

void CFourierDlg::OnFilePrint()
{
	if (!HasSignal())
		return;
	CPrintDialog dialog(FALSE, FRAME_PRINT_FLAGS, this);
	CPrinterDC dc;
	if (!ChoosePrinter(dialog, dc))
		return;

	const int nColumns = std::min(m_gridHarmonics.GetColumnCount(), PRINTED_COLUMNS);
	int nScreenWidths[PRINTED_COLUMNS] = {};
	for (int nCol = 0; nCol < nColumns; nCol++)
	{
		m_gridHarmonics.GetColumnWidth(nCol, &nScreenWidths[nCol]);
		m_gridHarmonics.SetColumnWidth(nCol, s_printedWidths[nCol]);
	}
	m_gridHarmonics.SetPrintOption(GRID_PRINT_COLUMN_HEADINGS, 1);
	m_gridHarmonics.SetPrintOption(GRID_PRINT_TOP_MARGIN, PAGE_MARGIN + HEADING_BAND);
	const int nPages = m_gridHarmonics.LayoutPages(&dc, &dialog, 0, 0, m_gridHarmonics.GetColumnCount() - 1,
		m_gridHarmonics.GetRowCount() - 1);

	// The document is named as the window: the file, then the program.
	CString strTitle;
	GetWindowText(strTitle);
	DOCINFO info = {sizeof(DOCINFO), strTitle, nullptr, nullptr, 0};
	BOOL bPrinted = nPages == 0 || dc.StartDoc(&info) > 0;
	for (int nPage = 1; bPrinted && nPage <= nPages; nPage++)
	{
		bPrinted = dc.StartPage() > 0;
		if (bPrinted)
		{
			DrawPrintHeading(dc, nPage, nPages);
			bPrinted = m_gridHarmonics.PrintPage(&dc, nPage) == 0 && dc.EndPage() > 0;
		}
	}
	if (bPrinted && nPages > 0)
		bPrinted = dc.EndDoc() > 0;
	for (int nCol = 0; nCol < nColumns; nCol++)
		m_gridHarmonics.SetColumnWidth(nCol, nScreenWidths[nCol]);
	if (bPrinted)
		return;
	// Whatever reached the document is thrown away: half a table is no print.
	dc.AbortDoc();
	ReportPrintFailure();
}

void CFourierDlg::DrawPrintHeading(CPrinterDC& dc, int nPage, int nPages)
{
	const int x = PageMillimetresAcross(dc, PAGE_MARGIN);
	int y = PageMillimetresDown(dc, PAGE_MARGIN);

	CString strDetails = "Durata " + CSignal::Convert(m_summary.dDuration, 9) + " s, ";
	CString strCount;
	strCount.Format("%u campioni, %u armoniche", m_summary.nSamples, m_nHarmonics);
	strDetails += strCount;
	if (nPages > 1)
	{
		CString strPage;
		strPage.Format(" - pagina %d di %d", nPage, nPages);
		strDetails += strPage;
	}

	CFont fontTitle;
	CreateFaceFont(fontTitle, PageMillimetresDown(dc, TITLE_HEIGHT), 700);
	CFont fontLine;
	CreateFaceFont(fontLine, PageMillimetresDown(dc, LINE_HEIGHT), 400);
	dc.SaveDC();
	dc.SetBkMode(TRANSPARENT);
	dc.SetTextColor(RGB(0, 0, 0));
	dc.SelectObject(&fontTitle);
	CString strApp;
	strApp.LoadString(AFX_IDS_APP_TITLE);
	dc.TextOut(x, y, strApp + " di " + FileNameOf(m_strPath));
	y += PageMillimetresDown(dc, TITLE_HEIGHT * 1.6);
	dc.SelectObject(&fontLine);
	dc.TextOut(x, y, strDetails);
	dc.RestoreDC(-1);
}
