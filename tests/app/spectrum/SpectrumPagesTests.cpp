// The spectrum's printed pages: where the table's rows fall on pages of several sizes and
// resolutions, and the document printed to the PDF file written when no printer is installed.
#include "app/SpectrumPages.h"

#include "framework/ui/gdi/Dc.h"
#include "tests/support/Environment.h"
#include "tests/support/Files.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
	// Every character half as wide as the text is high: widths that no installed font changes.
	int HalfEm(const CString& str, int nHeight, int)
	{
		return str.GetLength() * nHeight / 2;
	}

	// An amplitude run has named lines; an angle run numbers its orders.
	SpectrumPageContent Content(int nRows, bool bNamedLines, bool bPicture)
	{
		SpectrumPageContent content;
		content.strTitle = "Spettro Segnale Modulato - Indice di Modulazione (m): 60";
		content.strModulation = "Modulazione di frequenza F.M.";
		content.strParameters = "Ap = 1 V   fp = 200 kHz   Am = 40 V   fm = 10 kHz";
		content.figureLines = {"Banda: 1,22 MHz", "Righe: 143", "Potenza: 0,5 W", "Deviazione: 600 kHz"};
		content.headings = {"Riga", "Frequenza", "Ampiezza", "Fase"};
		for (int n = 0; n < nRows; n++)
		{
			const std::string strName = (bNamedLines ? "Riga laterale " : "") + std::to_string(n);
			content.rows.push_back({strName.c_str(), std::to_string(200000 + 10000 * n).c_str(),
				("-0." + std::to_string(1000 + n)).c_str(), "180"});
		}
		if (bPicture)
			content.paintPicture = [](CDC& dc, const CRect& rc, int) { dc.Rectangle(&rc); };
		return content;
	}
}

TEST(SpectrumPagesLayout, RowsFollowEachOtherAcrossPagesBetweenPictureAndFoot)
{
	// The paper in pixels at its resolution, and what the layout should make of it.
	struct Case
	{
		const char* pszName;
		int nRows;
		bool bNamedLines, bPicture;
		CSize sizePage;
		int nDpi;
		size_t nPages;
		bool bRowsOnFirstPage;
		size_t nFigureColumns;
	};
	const Case cases[] = {
		{"A.M., A4", 3, true, true, CSize(2480, 3508), 300, 1, true, 2},
		{"F.M. m = 60, A4", 143, false, true, CSize(2480, 3508), 300, 3, true, 2},
		{"F.M. m = 60, A4 at 600 dpi", 143, false, true, CSize(4960, 7016), 600, 3, true, 2},
		{"F.M. m = 60, A4 landscape", 143, false, true, CSize(3508, 2480), 300, 5, true, 2},
		{"no picture, A4 landscape", 143, false, false, CSize(3508, 2480), 300, 4, true, 2},
		{"F.M. m = 60, A6: too few rows under the picture", 143, false, true, CSize(1240, 1748), 300, 7, false, 1},
		{"an empty table", 0, false, true, CSize(2480, 3508), 300, 1, false, 2},
	};
	for (const Case& test : cases)
	{
		SCOPED_TRACE(test.pszName);
		const SpectrumPageContent content = Content(test.nRows, test.bNamedLines, test.bPicture);
		const SpectrumPageLayout layout = LayOutSpectrumPages(content, test.sizePage, CSize(test.nDpi, test.nDpi), HalfEm);
		ASSERT_EQ(layout.pages.size(), test.nPages);
		EXPECT_EQ(layout.figureColumns.size(), test.nFigureColumns);
		EXPECT_EQ(layout.pages[0].nRows > 0, test.bRowsOnFirstPage);
		if (test.bPicture)
		{
			// Under the heading and the figures, about a third of the page high, never a strip.
			const CRect& rc = layout.rcPicture;
			EXPECT_GE(rc.top, layout.yFigures + static_cast<int>(layout.nFigureRows) * layout.nLineHeight);
			EXPECT_NEAR(rc.Height(), layout.rcBody.Height() / 3, 1);
			EXPECT_LE(rc.Width(), rc.Height() * 5 / 2);
			EXPECT_GT(layout.pages[0].yTable, rc.bottom);
		}
		else
			EXPECT_TRUE(layout.rcPicture.IsRectEmpty());

		int nNext = 0;
		for (size_t i = 0; i < layout.pages.size(); i++)
		{
			const SpectrumPage& page = layout.pages[i];
			EXPECT_EQ(page.nFirstRow, nNext) << "page " << i + 1;
			if (i > 0)
			{
				EXPECT_GT(page.nRows, 0) << "page " << i + 1;
				EXPECT_EQ(page.yTable, layout.rcBody.top) << "page " << i + 1;
			}
			// The headings and the rows end above the page number.
			EXPECT_LE(page.yTable + (page.nRows + 1) * layout.nRowHeight, layout.yFooter) << "page " << i + 1;
			nNext = page.nFirstRow + page.nRows;
		}
		EXPECT_EQ(nNext, test.nRows);

		// Each column holds its widest text and ends before the next begins, inside the margins.
		ASSERT_EQ(layout.columnLeft.size(), 4u);
		for (size_t k = 0; k < 4; k++)
		{
			int nWidest = HalfEm(content.headings[k], layout.nTableTextHeight, 700);
			for (const std::vector<CString>& row : content.rows)
				nWidest = std::max(nWidest, HalfEm(row[k], layout.nTableTextHeight, 400));
			EXPECT_GE(layout.columnRight[k] - layout.columnLeft[k], nWidest) << "column " << k;
			EXPECT_GT(layout.columnLeft[k], k > 0 ? layout.columnRight[k - 1] : layout.rcBody.left - 1) << "column " << k;
			// Numbers are right-aligned; the line names and a column without cells are not.
			EXPECT_EQ(layout.columnNumeric[k], test.nRows > 0 && (k > 0 || !test.bNamedLines)) << "column " << k;
		}
		EXPECT_LE(layout.columnRight.back(), layout.rcBody.right);
	}
}

TEST(SpectrumPagesPrint, WithoutPrinterThePagesGoToThePdfNamedAfterTheDocument)
{
	CScratchFolder folder;
	CScopedEnv home("HOME", folder.Path("").c_str());
	CScopedEnv config("XDG_CONFIG_HOME", folder.Path("config").c_str());
	CScriptedUser user;
	user.Otherwise(ModalKind::PrintDialog, IDOK);
	user.Otherwise(ModalKind::MessageBox, IDOK);
	SpectrumPageContent content = Content(143, false, true);
	int nPictures = 0;
	content.paintPicture = [&](CDC& dc, const CRect& rc, int)
	{
		nPictures++;
		dc.TextOut(rc.left, rc.top, "Barre");
	};

	ASSERT_TRUE(PrintSpectrum(nullptr, content));
	const std::string strPdf = folder.Path("Spettro Modulato.pdf");
	ASSERT_TRUE(std::filesystem::exists(strPdf));
	EXPECT_EQ(nPictures, 1) << "the picture is on the first page only";
	EXPECT_NE(CommandOutput("pdfinfo '" + strPdf + "'").find("Pages:           3\n"), std::string::npos);
	const std::string strText = CommandOutput("pdftotext -layout '" + strPdf + "' -");
	for (const char* pszExpected : {"Spettro Segnale Modulato - Indice di Modulazione (m): 60", "fm = 10 kHz", "Barre",
		"Deviazione: 600 kHz", "Pagina 1 di 3", "Pagina 3 di 3", "1620000"})
		EXPECT_NE(strText.find(pszExpected), std::string::npos) << pszExpected << " in\n" << strText;
	// The headings open every page.
	size_t nHeadings = 0;
	for (size_t i = strText.find("Frequenza"); i != std::string::npos; i = strText.find("Frequenza", i + 1))
		nHeadings++;
	EXPECT_EQ(nHeadings, 3u);
}
