// The grid printed through a real printer DC on the PDF printer, with HOME in a scratch folder:
// which printer and dialog are used, the texts and pages of the PDF read back with poppler, the
// frame's pixels, and the stop message when the document cannot be written.
#include "framework/core/CommonDialogConstants.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/services/PrintDialog.h"
#include "framework/ui/services/PrinterRecords.h"
#include "framework/ui/window/WinApp.h"
#include "grid/window/GridWindow.h"
#include "tests/support/Environment.h"
#include "tests/support/Files.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

namespace
{

constexpr char TEXT_PRINT_FAILED[] = "Impossibile stampare il documento.\nOperazione annullata!";

std::string PageText(const std::string& strPdf, int nPage)
{
	const std::string strPage = std::to_string(nPage);
	return CommandOutput("pdftotext -f " + strPage + " -l " + strPage + " '" + strPdf + "' -");
}

// The grey level of one pixel of the page rendered at the printer's 600 dots per inch.
int PagePixel(const std::string& strPdf, int x, int y)
{
	const std::string strImage = CommandOutput("pdftoppm -r 600 -gray -aa no -aaVector no -singlefile -x "
		+ std::to_string(x) + " -y " + std::to_string(y) + " -W 1 -H 1 '" + strPdf + "'");
	// A 1 x 1 grey map: the header, then one byte.
	return strImage.empty() ? -1 : static_cast<unsigned char>(strImage.back());
}

class GridPrintTest : public ::testing::Test
{
protected:
	GridPrintTest()
		: m_home("HOME", m_folder.Path().c_str())
		, m_config("XDG_CONFIG_HOME", m_folder.Path("config").c_str())
	{
	}

	void SetUp() override
	{
		// The application keeps the PDF printer, whatever printers this machine has.
		m_app.SelectPrinter(CreateDevNames("pdf", PDF_PRINTER_NAME, "", FALSE),
			CreateDevMode(PDF_PRINTER_NAME, DMORIENT_PORTRAIT, DMPAPER_A4, 1));
		ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 360, 260), nullptr, 0));
		ASSERT_TRUE(m_grid.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 340, 240), &m_parent, 100));
		ASSERT_TRUE(m_font.CreatePointFont(80, "MS Sans Serif"));
		m_grid.SetDefaultFont(&m_font);
	}

	void TearDown() override
	{
		m_grid.DestroyWindow();
		m_parent.DestroyWindow();
	}

	// Cells "r<row>c<col>" under headings "Col<col>".
	void Fill(int nCols, long nRows, int nWidth)
	{
		ASSERT_EQ(0, m_grid.SetColumnCount(nCols, FALSE));
		ASSERT_EQ(0, m_grid.SetRowCount(nRows, FALSE));
		for (int nCol = 0; nCol < nCols; nCol++)
		{
			m_grid.SetColumnWidth(nCol, nWidth);
			m_grid.SetCellText(nCol, -1, ("Col" + std::to_string(nCol)).c_str());
			for (long nRow = 0; nRow < nRows; nRow++)
				m_grid.SetCellText(nCol, nRow, ("r" + std::to_string(nRow) + "c" + std::to_string(nCol)).c_str());
		}
	}

	int Print(BOOL bAskUser)
	{
		CString strTitle("Tabella");
		return m_grid.PrintGrid(&strTitle, bAskUser);
	}

	std::string Pdf() const { return m_folder.Path("Tabella.pdf"); }

	CWinApp m_app{"Ondivar"};
	CScratchFolder m_folder;
	CScopedEnv m_home;
	CScopedEnv m_config;
	CWnd m_parent;
	GridWindow m_grid;
	CFont m_font;
};

TEST_F(GridPrintTest, WithoutAskingTheKeptPrinterPrintsTheCellsAndNoDialogIsShown)
{
	Fill(2, 3, 100);
	CScriptedUser seam;
	seam.Then(IDOK);
	EXPECT_EQ(0, Print(FALSE));
	// Only the PDF printer's word on where the file went.
	ASSERT_EQ(1u, seam.m_shown.size());
	EXPECT_EQ(ModalKind::MessageBox, seam.m_shown[0].nKind);
	EXPECT_EQ(MB_OK | MB_ICONINFORMATION, seam.m_shown[0].nType);
	ASSERT_TRUE(FileExists(Pdf()));
	EXPECT_NE(std::string::npos, CommandOutput("pdfinfo '" + Pdf() + "'").find("Pages:           1\n"));
	const std::string strText = PageText(Pdf(), 1);
	for (const char* pszCell : {"r0c0", "r0c1", "r2c0", "r2c1"})
		EXPECT_NE(std::string::npos, strText.find(pszCell)) << pszCell << " in " << strText;
	EXPECT_EQ(std::string::npos, strText.find("Col0")) << "headings are printed only when asked for";
}

TEST_F(GridPrintTest, ACancelledDialogPrintsNothingAndAnEmptyGridStartsNoDocument)
{
	Fill(2, 3, 100);
	CScriptedUser seam;
	seam.Then(IDCANCEL);
	EXPECT_EQ(0, Print(TRUE));
	ASSERT_EQ(1u, seam.m_shown.size());
	EXPECT_EQ(ModalKind::PrintDialog, seam.m_shown[0].nKind);
	EXPECT_EQ(PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE | PD_RETURNDC,
		seam.m_shown[0].nType);

	ASSERT_EQ(0, m_grid.SetRowCount(0, FALSE));
	EXPECT_EQ(0, Print(FALSE));
	EXPECT_EQ(1u, seam.m_shown.size()) << "no message for a document never started";
	EXPECT_EQ("", CommandOutput("ls -A '" + m_folder.Path() + "'"));
}

TEST_F(GridPrintTest, AGridTooBigForAPageRunsAcrossThenDownWithTheHeadingsOnEveryPage)
{
	// Two columns of 400 pixels need two pages across; seven rows of 300 under a 20-pixel heading,
	// three a page (913 pixels), three bands down.
	Fill(2, 7, 400);
	for (long nRow = 0; nRow < 7; nRow++)
		ASSERT_EQ(0, m_grid.SetRowHeight(nRow, 300));
	ASSERT_EQ(0, m_grid.SetPrintOption(1, 1));
	CScriptedUser seam;
	seam.Then(ChoosePdfPrinter(DMORIENT_PORTRAIT, 1));
	seam.Then(IDOK);
	EXPECT_EQ(0, Print(TRUE));
	ASSERT_EQ(2u, seam.m_shown.size());
	EXPECT_EQ(ModalKind::PrintDialog, seam.m_shown[0].nKind);
	EXPECT_NE(std::string::npos, CommandOutput("pdfinfo '" + Pdf() + "'").find("Pages:           6\n"));
	const struct
	{
		int nPage;
		const char* pszHeading;
		const char* pszFirst;
		const char* pszLast;
		const char* pszNotHere;
	} pages[] = {
		{1, "Col0", "r0c0", "r2c0", "r3c0"},
		{2, "Col1", "r0c1", "r2c1", "r0c0"},
		{3, "Col0", "r3c0", "r5c0", "r2c0"},
		{4, "Col1", "r3c1", "r5c1", "r3c0"},
		{5, "Col0", "r6c0", "r6c0", "r5c0"},
		{6, "Col1", "r6c1", "r6c1", "Col0"},
	};
	for (const auto& page : pages)
	{
		SCOPED_TRACE(page.nPage);
		const std::string strText = PageText(Pdf(), page.nPage);
		EXPECT_NE(std::string::npos, strText.find(page.pszHeading)) << strText;
		EXPECT_NE(std::string::npos, strText.find(page.pszFirst)) << strText;
		EXPECT_NE(std::string::npos, strText.find(page.pszLast)) << strText;
		EXPECT_EQ(std::string::npos, strText.find(page.pszNotHere)) << strText;
	}
}

TEST_F(GridPrintTest, TheFrameRunsAlongTheOuterEdgesOfThePrintedCells)
{
	// The 25 mm margins end at pixel 590. Three rows of 20 screen pixels are 3 x 125 printer pixels
	// (247 mm over 933 screen pixels), two columns of 100 are 2 x 623 (160 mm over 606).
	Fill(2, 3, 100);
	CScriptedUser seam;
	seam.Then(IDOK);
	seam.Then(IDOK);
	ASSERT_EQ(0, Print(FALSE));
	const std::string strFramed = m_folder.Path("framed.pdf");
	ASSERT_EQ(0, std::rename(Pdf().c_str(), strFramed.c_str()));
	EXPECT_EQ(0, m_grid.SetPrintOption(10, 0));
	ASSERT_EQ(0, Print(FALSE));

	const struct
	{
		const char* what;
		int x;
		int y;
	} lines[] = {
		{"top", 900, 592},
		{"bottom", 900, 962},
		{"left", 592, 700},
		{"right", 1833, 700},
	};
	for (const auto& line : lines)
	{
		SCOPED_TRACE(line.what);
		EXPECT_EQ(0, PagePixel(strFramed, line.x, line.y));
		// Without the frame the outer cells show at most their light grid lines.
		EXPECT_GE(PagePixel(Pdf(), line.x, line.y), 200) << "without the frame";
	}
	EXPECT_EQ(255, PagePixel(strFramed, 900, 968)) << "below the last row";
	EXPECT_EQ(255, PagePixel(strFramed, 1840, 700)) << "right of the last column";
}

TEST_F(GridPrintTest, AJoinedBlockIsPrintedOnceFromItsOriginOverAllItsCells)
{
	// Columns end at pixels 1213, 1836 and 2459, rows at 715, 840 and 965.
	Fill(3, 3, 100);
	EXPECT_EQ(0, m_grid.SetPrintOption(10, 0));
	GridCell cell;
	for (const auto& member : {std::make_pair(0, 1L), std::make_pair(1, 1L), std::make_pair(0, 2L), std::make_pair(1, 2L)})
	{
		ASSERT_EQ(0, m_grid.GetCell(member.first, member.second, &cell));
		const BOOL bOrigin = member.first == 0 && member.second == 1;
		cell.SetJoin(bOrigin, bOrigin ? 1 : -member.first, bOrigin ? 1 : 1 - member.second);
		if (bOrigin)
			cell.SetBackColor(RGB(0, 0, 0));
		ASSERT_EQ(0, m_grid.SetCell(member.first, member.second, &cell));
	}
	CScriptedUser seam;
	seam.Then(IDOK);
	ASSERT_EQ(0, Print(FALSE));

	EXPECT_EQ(0, PagePixel(Pdf(), 1500, 900)) << "the origin's colour over the last cell of the block";
	EXPECT_EQ(255, PagePixel(Pdf(), 2000, 900)) << "right of the block";
	EXPECT_EQ(255, PagePixel(Pdf(), 1500, 650)) << "above the block";
	const std::string strText = PageText(Pdf(), 1);
	EXPECT_NE(std::string::npos, strText.find("r1c0")) << strText;
	EXPECT_NE(std::string::npos, strText.find("r0c1")) << strText;
	for (const char* pszUnder : {"r1c1", "r2c0", "r2c1"})
		EXPECT_EQ(std::string::npos, strText.find(pszUnder)) << pszUnder << " in " << strText;
}

TEST_F(GridPrintTest, ADocumentThatCannotBeWrittenIsReportedWithAStopMessage)
{
	// Under a regular file no folder can be made, not even by root.
	FILE* pFile = std::fopen(m_folder.Path("file").c_str(), "w");
	ASSERT_NE(nullptr, pFile);
	std::fclose(pFile);
	CScopedEnv home("HOME", m_folder.Path("file/home").c_str());
	Fill(2, 3, 100);
	CScriptedUser seam;
	seam.Then(IDOK);
	EXPECT_EQ(1, Print(FALSE));
	ASSERT_EQ(1u, seam.m_shown.size());
	EXPECT_EQ(ModalKind::MessageBox, seam.m_shown[0].nKind);
	EXPECT_EQ(MB_OK | MB_ICONSTOP, seam.m_shown[0].nType);
	EXPECT_EQ(TEXT_PRINT_FAILED, seam.m_shown[0].strText);
}

}
