// The grid on paper: the print options, the page layout on a printer DC, one page's cells drawn
// scaled with their headings and frame, and the whole sheet printed as one document.
#include "grid/window/GridWindow.h"

#include "framework/core/CommonDialogConstants.h"
#include "framework/ui/services/PrintDialog.h"
#include "framework/ui/services/PrinterDC.h"
#include "framework/ui/window/ModalSeam.h"
#include "framework/ui/window/WinApp.h"
#include "grid/window/GridJoinedBlock.h"
#include "grid/window/GridPrinter.h"
#include "grid/window/SheetAxes.h"

#include <algorithm>
#include <vector>

namespace
{
constexpr DWORD PRINT_DIALOG_FLAGS = PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE;
constexpr char TEXT_PRINT_FAILED[] = "Impossibile stampare il documento.\nOperazione annullata!";

// The columns (or rows) of a page in print order: the heading -1 first when it is printed.
std::vector<long> PagePositions(BOOL bHeading, long nFirst, long nLast)
{
	std::vector<long> positions;
	if (bHeading)
		positions.push_back(-1);
	for (long n = nFirst; n <= nLast; n++)
		positions.push_back(n);
	return positions;
}

// Where each position starts on paper, and after them where the last one ends.
template <class SizeOf>
std::vector<int> PrintedEdges(int nStart, const std::vector<long>& positions, double dScale, SizeOf sizeOf)
{
	std::vector<int> edges(1, nStart);
	for (long n : positions)
		edges.push_back(edges.back() + static_cast<int>(sizeOf(n) * dScale));
	return edges;
}

// The printer the application keeps for the run (the default one until the user picks another):
// the dialog starts from it and the application keeps what the user picks there.
BOOL ChoosePrinter(CPrintDialog& dialog, BOOL bAskUser)
{
	CWinApp* pApp = AfxGetApp();
	if (bAskUser)
		return (pApp != nullptr ? pApp->DoPrintDialog(&dialog) : dialog.DoModal()) == IDOK;
	if (pApp != nullptr && pApp->GetPrinterDeviceDefaults(&dialog.m_pd))
		dialog.CreatePrinterDC();
	else
		dialog.GetDefaults();
	return TRUE;
}
}

int GridWindow::SetPrintOption(int nOption, int nValue)
{
	if (m_pPrinter != nullptr)
		m_pPrinter->SetOption(nOption, nValue);
	return 0;
}

int GridWindow::LayoutPages(CDC* pPrinterDC, CPrintDialog*, int nFirstCol, long nFirstRow, int nLastCol, long nLastRow)
{
	if (pPrinterDC == nullptr || m_pPrinter == nullptr)
		return 0;
	const SheetSettings& sheet = *m_pSheet;
	const GridPrintDevice device{pPrinterDC->GetDeviceCaps(HORZRES), pPrinterDC->GetDeviceCaps(VERTRES),
		pPrinterDC->GetDeviceCaps(HORZSIZE), pPrinterDC->GetDeviceCaps(VERTSIZE)};
	// Only cells the sheet has are printed.
	nFirstCol = std::max(nFirstCol, 0);
	nFirstRow = std::max(nFirstRow, 0L);
	nLastCol = std::min(nLastCol, sheet.m_nColumnCount - 1);
	nLastRow = std::min(nLastRow, sheet.m_nRowCount - 1);
	return m_pPrinter->Layout(device, SheetColumnAxis(sheet), SheetRowAxis(sheet), sheet.m_nSideHeadingWidth,
		sheet.m_nTopHeadingHeight, nFirstCol, nFirstRow, nLastCol, nLastRow);
}

int GridWindow::PrintPage(CDC* pPrinterDC, int nPage)
{
	const GridPrintPage* pPage = m_pPrinter != nullptr ? m_pPrinter->FindPage(nPage) : nullptr;
	if (pPrinterDC == nullptr || pPage == nullptr)
		return 1;
	const GridPrinter& printer = *m_pPrinter;
	const SheetSettings& sheet = *m_pSheet;
	const SheetColumnAxis columnAxis(sheet);
	const SheetRowAxis rowAxis(sheet);

	const std::vector<long> cols = PagePositions(printer.m_bPrintRowHeadings, pPage->nFirstCol, pPage->nLastCol);
	const std::vector<long> rows = PagePositions(printer.m_bPrintColumnHeadings, pPage->nFirstRow, pPage->nLastRow);
	const std::vector<int> xs = PrintedEdges(printer.m_rcEdges.left, cols, printer.m_dColumnScale,
		[&](long n) { return n < 0 ? sheet.m_nSideHeadingWidth : columnAxis.GetSize(n); });
	const std::vector<int> ys = PrintedEdges(printer.m_rcEdges.top, rows, printer.m_dRowScale,
		[&](long n) { return n < 0 ? sheet.m_nTopHeadingHeight : rowAxis.GetSize(n); });
	// Where the page's last column (row) ends, for a block that reaches that far or farther.
	const size_t nColHeading = printer.m_bPrintRowHeadings ? 1 : 0;
	const size_t nRowHeading = printer.m_bPrintColumnHeadings ? 1 : 0;
	auto colEnd = [&](long nCol) { return xs[static_cast<size_t>(nCol - pPage->nFirstCol) + nColHeading + 1]; };
	auto rowEnd = [&](long nRow) { return ys[static_cast<size_t>(nRow - pPage->nFirstRow) + nRowHeading + 1]; };

	const GridCellBlock sheetCells{0, 0, sheet.m_nColumnCount - 1, sheet.m_nRowCount - 1};
	GridCell cell;
	for (size_t r = 0; r < rows.size(); r++)
	{
		const long nRow = rows[r];
		for (size_t c = 0; c < cols.size(); c++)
		{
			const int nCol = static_cast<int>(cols[c]);
			CRect rc(xs[c], ys[r], xs[c + 1], ys[r + 1]);
			if (rc.IsRectEmpty())
				continue;
			GetCellWithDefaults(nCol, nRow, &cell);
			GridCellBlock block{nCol, nRow, nCol, nRow};
			if (nCol >= 0 && nRow >= 0 && sheet.m_bJoins
				&& GridFindJoinedBlock(this, nCol, nRow, sheetCells, &cell, &block))
			{
				// The origin draws the block over its cells on this page; the other cells are under it.
				if (block.m_nFirstCol != nCol || block.m_nFirstRow != nRow)
					continue;
				rc.right = colEnd(std::min(block.m_nLastCol, pPage->nLastCol));
				rc.bottom = rowEnd(std::min(block.m_nLastRow, pPage->nLastRow));
			}
			pPrinterDC->SaveDC();
			GetCellType(cell.GetCellType())->DrawScaled(pPrinterDC, &rc, nCol, nRow, &cell);
			pPrinterDC->RestoreDC(-1);
		}
	}

	if (printer.m_bFrame)
	{
		// Lines one screen pixel wide, as thick on paper as the grid lines look on screen.
		const int nWidth = std::max(1, static_cast<int>(printer.m_dColumnScale));
		const int nHeight = std::max(1, static_cast<int>(printer.m_dRowScale));
		const CRect rcFrame(xs[nColHeading], ys[nRowHeading], xs.back(), ys.back());
		const COLORREF crLine = RGB(0, 0, 0);
		pPrinterDC->SaveDC();
		pPrinterDC->FillSolidRect(rcFrame.left, rcFrame.top, rcFrame.Width(), nHeight, crLine);
		pPrinterDC->FillSolidRect(rcFrame.left, rcFrame.bottom - nHeight, rcFrame.Width(), nHeight, crLine);
		pPrinterDC->FillSolidRect(rcFrame.left, rcFrame.top, nWidth, rcFrame.Height(), crLine);
		pPrinterDC->FillSolidRect(rcFrame.right - nWidth, rcFrame.top, nWidth, rcFrame.Height(), crLine);
		pPrinterDC->RestoreDC(-1);
	}
	return 0;
}

int GridWindow::PrintGrid(CString* pDocTitle, BOOL bAskUser)
{
	CPrintDialog dialog(FALSE, PRINT_DIALOG_FLAGS, this);
	if (!ChoosePrinter(dialog, bAskUser))
		return 0;
	CPrinterDC dc;
	if (dialog.GetPrinterDC() == nullptr || !dc.Attach(dialog.GetPrinterDC()))
	{
		AfxMessageBox(TEXT_PRINT_FAILED, MB_OK | MB_ICONSTOP);
		return 1;
	}
	const int nPages = LayoutPages(&dc, &dialog, 0, 0, GetColumnCount() - 1, GetRowCount() - 1);
	if (nPages == 0)
		return 0;

	const CString strTitle = pDocTitle != nullptr ? *pDocTitle : CString();
	DOCINFO info = {sizeof(DOCINFO), strTitle, nullptr, nullptr, 0};
	BOOL bPrinted = dc.StartDoc(&info) > 0;
	for (int nPage = 1; bPrinted && nPage <= nPages; nPage++)
		bPrinted = dc.StartPage() > 0 && PrintPage(&dc, nPage) == 0 && dc.EndPage() > 0;
	if (bPrinted)
		bPrinted = dc.EndDoc() > 0;
	if (bPrinted)
		return 0;
	// Whatever reached the document is thrown away: half a table is no print.
	dc.AbortDoc();
	AfxMessageBox(TEXT_PRINT_FAILED, MB_OK | MB_ICONSTOP);
	return 1;
}
