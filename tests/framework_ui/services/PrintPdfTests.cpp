// Printing to PDF files: the one the user chose in the print dialog, else, with no printer
// installed, one the framework names; checked with poppler's pdfinfo, pdftotext and pdftoppm, and
// the user is told where the file went.
#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/services/PdfFileName.h"
#include "framework/ui/services/PrintDialog.h"
#include "framework/ui/services/PrinterDC.h"
#include "framework/ui/services/PrinterRecords.h"
#include "framework/ui/window/WinApp.h"
#include "tests/support/Environment.h"
#include "tests/support/Files.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include <sys/stat.h>

namespace
{

constexpr COLORREF kPdfRed = RGB(255, 0, 0);
constexpr COLORREF kPdfBlue = RGB(0, 0, 255);

TEST(PdfFileNameTest, DocumentNameBecomesAFreeFileName)
{
	std::set<std::string> taken = { "/doc/Spettro Modulato.pdf", "/doc/Spettro Modulato (2).pdf", "/doc/Documento.pdf" };
	auto fnExists = [&taken](const CString& strPath) { return taken.count(static_cast<LPCTSTR>(strPath)) != 0; };
	const struct
	{
		const char* pszFolder;
		const char* pszName;
		const char* pszPath;
	} cases[] = {
		{ "/doc", "Tabella", "/doc/Tabella.pdf" },
		{ "/doc/", "Tabella", "/doc/Tabella.pdf" },
		{ "/doc", "Spettro Modulato", "/doc/Spettro Modulato (3).pdf" },
		{ "/doc", "Relazione.PDF", "/doc/Relazione.pdf" },
		{ "/doc", "a/b\\c\td", "/doc/a-b-c-d.pdf" },
		{ "/doc", "", "/doc/Documento (2).pdf" },
		{ "/doc", "..", "/doc/Documento (2).pdf" },
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.pszName);
		EXPECT_STREQ(c.pszPath, UniquePdfPath(c.pszFolder, c.pszName, fnExists));
	}
}

class PrintPdfTest : public ::testing::Test
{
protected:
	PrintPdfTest()
		: m_home("HOME", m_folder.Path().c_str())
		, m_config("XDG_CONFIG_HOME", m_folder.Path("config").c_str())
	{
	}

	// A DC on the PDF printer, whatever printers the machine has.
	HDC CreatePdfDc()
	{
		HGLOBAL hDevNames = CreateDevNames("pdf", PDF_PRINTER_NAME, "", FALSE);
		HDC hDC = AfxCreateDC(hDevNames, nullptr);
		GlobalFree(hDevNames);
		return hDC;
	}

	// Prints the texts one page each, as the grid prints its pages.
	void PrintPages(CPrinterDC& dc, const char* pszDocName, const std::vector<std::string>& pages)
	{
		CFont font;
		ASSERT_TRUE(font.CreatePointFont(120, "MS Sans Serif", &dc));
		CFont* pOldFont = dc.SelectObject(&font);
		DOCINFO info = { sizeof(DOCINFO), pszDocName, nullptr, nullptr, 0 };
		ASSERT_GT(dc.StartDoc(&info), 0);
		for (const std::string& strText : pages)
		{
			ASSERT_GT(dc.StartPage(), 0);
			dc.TextOut(600, 600, strText.c_str(), static_cast<int>(strText.size()));
			dc.MoveTo(600, 900);
			dc.LineTo(3000, 900);
			ASSERT_GT(dc.EndPage(), 0);
		}
		// Drawing after the last page reaches no page.
		dc.TextOut(600, 1200, "Fuori pagina", 12);
		ASSERT_GT(dc.EndDoc(), 0);
		dc.SelectObject(pOldFont);
	}

	CScratchFolder m_folder;
	CScopedEnv m_home;
	CScopedEnv m_config;
};

TEST_F(PrintPdfTest, TwoPagesGoToANamedPdfInTheHomeFolderAndTheUserIsTold)
{
	CScriptedUser seam;
	seam.Then(IDOK);
	CPrinterDC dc;
	ASSERT_TRUE(dc.Attach(CreatePdfDc()));
	// Drawn before the document starts: on no page, as on Windows.
	dc.TextOut(600, 300, "Prima del documento", 19);
	PrintPages(dc, "Spettro Modulato", { "Pagina uno della tabella", "Pagina due della tabella" });

	std::string strPdf = m_folder.Path("Spettro Modulato.pdf");
	EXPECT_STREQ(strPdf.c_str(), dc.GetOutputFile());
	ASSERT_TRUE(FileExists(strPdf));
	ASSERT_EQ(1u, seam.m_shown.size());
	EXPECT_EQ(ModalKind::MessageBox, seam.m_shown[0].nKind);
	EXPECT_EQ(MB_OK | MB_ICONINFORMATION, seam.m_shown[0].nType);
	EXPECT_NE(std::string::npos, seam.m_shown[0].strText.find(strPdf)) << seam.m_shown[0].strText;

	std::string strInfo = CommandOutput("pdfinfo '" + strPdf + "'");
	EXPECT_NE(std::string::npos, strInfo.find("Pages:           2\n")) << strInfo;
	EXPECT_NE(std::string::npos, strInfo.find("Page size:       595 x 842 pts (A4)")) << strInfo;
	EXPECT_NE(std::string::npos, strInfo.find("Title:           Spettro Modulato")) << strInfo;
	std::string strPage1 = CommandOutput("pdftotext -f 1 -l 1 '" + strPdf + "' -");
	std::string strPage2 = CommandOutput("pdftotext -f 2 -l 2 '" + strPdf + "' -");
	EXPECT_NE(std::string::npos, strPage1.find("Pagina uno della tabella")) << strPage1;
	EXPECT_EQ(std::string::npos, strPage1.find("Pagina due")) << strPage1;
	EXPECT_EQ(std::string::npos, strPage1.find("Prima del documento")) << strPage1;
	EXPECT_NE(std::string::npos, strPage2.find("Pagina due della tabella")) << strPage2;
	EXPECT_EQ(std::string::npos, strPage2.find("Fuori pagina")) << strPage2;
}

// The file the user chose is written and named; the application keeps the printer alone, so a later
// print that asks nobody goes to a file of the framework's naming, with the note that no printer is
// installed, and leaves the chosen file as it was.
TEST_F(PrintPdfTest, AFileChosenInThePrintDialogIsWrittenAndNamedOnce)
{
	CWinApp app("Ondivar");
	CScriptedUser seam;
	const std::string strChosen = m_folder.Path("tabella scelta.pdf");
	// The dialog asked before replacing it, and the user agreed.
	ASSERT_TRUE(WriteFile(strChosen, "vecchio"));
	seam.Then(ModalKind::PrintDialog, ChooseOutputFile(strChosen));
	seam.Otherwise(ModalKind::MessageBox, IDOK);
	{
		CPrintDialog dialog(FALSE);
		ASSERT_EQ(IDOK, app.DoPrintDialog(&dialog));
		CPrinterDC dc;
		ASSERT_TRUE(dc.Attach(dialog.GetPrinterDC()));
		PrintPages(dc, "Spettro Modulato", { "Tabella nel file scelto" });
		EXPECT_STREQ(strChosen.c_str(), dc.GetOutputFile());
		dc.DeleteDC();
		GlobalFree(dialog.m_pd.hDevNames);
	}
	PRINTDLG kept = {};
	ASSERT_TRUE(app.GetPrinterDeviceDefaults(&kept));
	EXPECT_STREQ("", DevNamesOutput(kept.hDevNames));
	{
		CPrinterDC dc;
		ASSERT_TRUE(dc.CreatePrinterDC(kept.hDevNames, kept.hDevMode));
		PrintPages(dc, "Spettro Modulato", { "Tabella senza scelta" });
	}

	const std::string strNamed = m_folder.Path("Spettro Modulato.pdf");
	EXPECT_EQ((std::vector<std::string> { "Il documento è stato salvato nel file\n" + strChosen,
				  "Non è installata alcuna stampante: il documento è stato salvato nel file\n" + strNamed }),
		seam.BoxTexts());
	std::string strText = CommandOutput("pdftotext '" + strChosen + "' -");
	EXPECT_NE(std::string::npos, strText.find("Tabella nel file scelto")) << strText;
	strText = CommandOutput("pdftotext '" + strNamed + "' -");
	EXPECT_NE(std::string::npos, strText.find("Tabella senza scelta")) << strText;
}

TEST_F(PrintPdfTest, TextKeepsItsPointSizeOnPaper)
{
	CScriptedUser seam;
	seam.Then(IDOK);
	CPrinterDC dc;
	ASSERT_TRUE(dc.Attach(CreatePdfDc()));
	PrintPages(dc, "Corpo", { "Testo a dodici punti" });
	// pdftotext -bbox gives each word's box in points: a 12-point font is about 12 points high.
	std::string strBoxes = CommandOutput("pdftotext -bbox '" + m_folder.Path("Corpo.pdf") + "' -");
	size_t nWord = strBoxes.find(">Testo<");
	ASSERT_NE(std::string::npos, nWord) << strBoxes;
	size_t nStart = strBoxes.rfind("<word", nWord);
	double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
	ASSERT_EQ(4, sscanf(strBoxes.c_str() + nStart, "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\"", &xMin, &yMin,
		&xMax, &yMax));
	EXPECT_NEAR(12.0, yMax - yMin, 3.0);
	// TextOut at 600 device pixels of 600 dpi: one inch from the left edge.
	EXPECT_NEAR(72.0, xMin, 2.0);
}

TEST_F(PrintPdfTest, AnExistingFileIsNotOverwrittenAndTheDocumentsFolderIsPreferred)
{
	CScriptedUser seam;
	seam.Then(IDOK);
	seam.Then(IDOK);
	ASSERT_EQ(0, mkdir(m_folder.Path("Documents").c_str(), 0700));
	ASSERT_TRUE(WriteFile(m_folder.Path("Documents/Tabella.pdf"), "non toccare"));
	for (int i = 0; i < 2; ++i)
	{
		CPrinterDC dc;
		ASSERT_TRUE(dc.Attach(CreatePdfDc()));
		PrintPages(dc, "Tabella", { "Righe" });
	}
	EXPECT_EQ("non toccare", CommandOutput("cat '" + m_folder.Path("Documents/Tabella.pdf") + "'"));
	EXPECT_TRUE(FileExists(m_folder.Path("Documents/Tabella (2).pdf")));
	EXPECT_TRUE(FileExists(m_folder.Path("Documents/Tabella (3).pdf")));
}

TEST_F(PrintPdfTest, AbortedOrEmptyDocumentsLeaveNoFileAndNoMessage)
{
	CScriptedUser seam;
	{
		CPrinterDC dc;
		ASSERT_TRUE(dc.Attach(CreatePdfDc()));
		ASSERT_GT(dc.StartDoc("Annullato"), 0);
		ASSERT_GT(dc.StartPage(), 0);
		dc.TextOut(100, 100, "x", 1);
		EXPECT_GT(dc.AbortDoc(), 0);
		EXPECT_EQ(SP_ERROR, dc.EndPage());
	}
	{
		CPrinterDC dc;
		ASSERT_TRUE(dc.Attach(CreatePdfDc()));
		ASSERT_GT(dc.StartDoc("Vuoto"), 0);
		EXPECT_GT(dc.EndDoc(), 0);
		EXPECT_EQ(SP_ERROR, dc.EndDoc());
	}
	EXPECT_FALSE(FileExists(m_folder.Path("Annullato.pdf")));
	EXPECT_FALSE(FileExists(m_folder.Path("Vuoto.pdf")));
	EXPECT_TRUE(seam.m_shown.empty());
}

TEST_F(PrintPdfTest, DocumentCallsOnOtherDcsFail)
{
	CDC memory;
	ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
	DOCINFO info = { sizeof(DOCINFO), "x", nullptr, nullptr, 0 };
	EXPECT_EQ(SP_ERROR, StartDoc(memory.m_hDC, &info));
	EXPECT_EQ(SP_ERROR, StartPage(memory.m_hDC));
	EXPECT_EQ(SP_ERROR, EndDoc(nullptr));
	CPrinterDC dc;
	ASSERT_TRUE(dc.Attach(CreatePdfDc()));
	// Pages belong inside a document.
	EXPECT_EQ(SP_ERROR, dc.StartPage());
	EXPECT_EQ(SP_ERROR, dc.EndDoc());
}

// The PDF engine keeps a clip region that was switched off: text drawn within DrawText's rectangle
// after a clipped picture had been saved and restored around its drawing was once clipped away.
TEST_F(PrintPdfTest, DrawTextAfterARestoredClipIsPrinted)
{
	CScriptedUser seam;
	seam.Then(IDOK);
	CPrinterDC dc;
	ASSERT_TRUE(dc.Attach(CreatePdfDc()));
	CFont font;
	ASSERT_TRUE(font.CreatePointFont(240, "MS Sans Serif", &dc));
	CFont* pOldFont = dc.SelectObject(&font);
	ASSERT_GT(dc.StartDoc("Ritaglio"), 0);
	ASSERT_GT(dc.StartPage(), 0);
	const int nSaved = dc.SaveDC();
	dc.IntersectClipRect(600, 1000, 1200, 1600);
	// Light enough to count as paper if it spread past the clip.
	CBrush brush(RGB(200, 200, 255));
	CRect rcPage(0, 0, 5000, 7000);
	dc.FillRect(&rcPage, &brush);
	ASSERT_TRUE(dc.RestoreDC(nSaved));
	CRect rcTitle(600, 3000, 4000, 3400);
	dc.DrawText("Titolo dopo la scala", &rcTitle, DT_LEFT | DT_TOP | DT_SINGLELINE);
	ASSERT_GT(dc.EndPage(), 0);
	ASSERT_GT(dc.EndDoc(), 0);
	dc.SelectObject(pOldFont);

	// The title's box on the page at 72 dpi, where 600 device pixels make 72, as a grey map: its
	// header, then one byte a pixel.
	const int nWidth = 300, nHeight = 40;
	const std::string strGrey = CommandOutput("pdftoppm -r 72 -gray -singlefile -x 72 -y 360 -W " + std::to_string(nWidth)
		+ " -H " + std::to_string(nHeight) + " '" + m_folder.Path("Ritaglio.pdf") + "'");
	ASSERT_GT(strGrey.size(), static_cast<size_t>(nWidth * nHeight));
	int nDark = 0;
	for (size_t i = strGrey.size() - nWidth * nHeight; i < strGrey.size(); ++i)
		nDark += static_cast<unsigned char>(strGrey[i]) < 100;
	EXPECT_GT(nDark, 100);
}

// A pixel of a page rendered at the printer's 600 dots per inch, without smoothing.
COLORREF PageColour(const std::string& strPdf, int nPage, int x, int y)
{
	const std::string strPage = std::to_string(nPage);
	const std::string strImage = CommandOutput("pdftoppm -r 600 -aa no -aaVector no -singlefile -f " + strPage + " -l "
		+ strPage + " -x " + std::to_string(x) + " -y " + std::to_string(y) + " -W 1 -H 1 '" + strPdf + "'");
	// A 1 x 1 colour map: the header, then three bytes.
	if (strImage.size() < 3)
		return CLR_INVALID;
	const size_t n = strImage.size();
	return RGB(static_cast<BYTE>(strImage[n - 3]), static_cast<BYTE>(strImage[n - 2]), static_cast<BYTE>(strImage[n - 1]));
}

// Neighbouring fills of alternating colours keep their own colours on the sheet, each page has its
// own sheet, and what is drawn between two pages is on neither.
TEST_F(PrintPdfTest, FillsKeepTheirColoursAndDrawingBetweenPagesIsDropped)
{
	CScriptedUser seam;
	seam.Then(IDOK);
	CPrinterDC dc;
	ASSERT_TRUE(dc.Attach(CreatePdfDc()));
	ASSERT_GT(dc.StartDoc("Colori"), 0);
	ASSERT_GT(dc.StartPage(), 0);
	dc.FillSolidRect(600, 600, 600, 600, kPdfRed);
	dc.FillSolidRect(1200, 600, 600, 600, kPdfBlue);
	dc.FillSolidRect(1800, 600, 600, 600, kPdfRed);
	ASSERT_GT(dc.EndPage(), 0);
	dc.FillSolidRect(600, 1500, 1800, 600, RGB(0, 0, 0));
	ASSERT_GT(dc.StartPage(), 0);
	dc.FillSolidRect(600, 600, 600, 600, kPdfBlue);
	ASSERT_GT(dc.EndPage(), 0);
	ASSERT_GT(dc.EndDoc(), 0);

	const std::string strPdf = m_folder.Path("Colori.pdf");
	const struct
	{
		int nPage;
		int x;
		int y;
		COLORREF crExpected;
	} points[] = {
		{ 1, 900, 900, kPdfRed },
		{ 1, 1500, 900, kPdfBlue },
		{ 1, 2100, 900, kPdfRed },
		{ 1, 1500, 1800, RGB(255, 255, 255) },
		{ 2, 900, 900, kPdfBlue },
		{ 2, 1500, 900, RGB(255, 255, 255) },
		{ 2, 1500, 1800, RGB(255, 255, 255) },
	};
	for (const auto& point : points)
	{
		SCOPED_TRACE(std::to_string(point.nPage) + ": " + std::to_string(point.x) + ", " + std::to_string(point.y));
		EXPECT_EQ(point.crExpected, PageColour(strPdf, point.nPage, point.x, point.y));
	}
}

}
