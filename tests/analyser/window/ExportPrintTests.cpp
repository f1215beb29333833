// Sharing the results: the table exported as CSV, and printed under a heading that names the
// file (to a PDF file in the user's home, with no printer installed).
#include "tests/analyser/window/AnalyserWindowFixture.h"

#include "analyser/resources/AnalyserResourceIds.h"
#include "tests/support/Environment.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{
	std::string FileText(const std::string& strPath)
	{
		std::ifstream file(strPath, std::ios::binary);
		std::ostringstream text;
		text << file.rdbuf();
		return text.str();
	}
}

// A constant signal: its mean is exact, and every harmonic is far below 1 % of it.
TEST_F(AnalyserWindowTest, TableExportsAsCsv)
{
	WriteFile(m_folder.Path("costante.txt"), "0.5\n0 2\n0.125 2\n0.25 2\n0.375 2\n");
	ChooseNextFile(m_folder.Path("costante.txt"));
	Command(ID_FILE_OPEN);
	const std::string strCsv = m_folder.Path("costante.csv");
	ChooseNextFile(strCsv);
	Command(ID_EXPORT_TABLE);

	EXPECT_EQ(m_user.m_shown.back().strText, strCsv) << "offered beside the signal, with the table's extension";
	EXPECT_EQ(FileText(strCsv), "armonica,frequenza_hz,ampiezza,fase_gradi\n0,0,2,0\n");
}

TEST_F(AnalyserWindowTest, PrintedTableHasAHeadingNamingTheFile)
{
	CScopedEnv home("HOME", m_folder.Path("").c_str());
	CScopedEnv config("XDG_CONFIG_HOME", m_folder.Path("config").c_str());
	ChooseNextFile(WriteKnownSignal());
	Command(ID_FILE_OPEN);
	int nShownWidth = 0;
	m_dlg.m_gridHarmonics.GetColumnWidth(3, &nShownWidth);
	m_user.Then(ModalKind::PrintDialog, IDOK);
	Command(ID_FILE_PRINT);

	const std::string strPdf = m_folder.Path("nota.sig - Analisi di Fourier.pdf");
	ASSERT_TRUE(std::filesystem::exists(strPdf));
	std::string strText = CommandOutput("pdftotext -layout '" + strPdf + "' -");
	EXPECT_NE(strText.find("Analisi di Fourier di nota.sig"), std::string::npos) << strText;
	EXPECT_NE(strText.find("Durata 0.004 s, 100 campioni, 50 armoniche"), std::string::npos) << strText;
	for (const char* pszCell : {"Frequenza (Hz)", "Fase (°)", "1250", "0.5"})
		EXPECT_NE(strText.find(pszCell), std::string::npos) << pszCell;
	// Printed at the paper's widths, the columns are given back their widths on screen.
	int nWidth = 0;
	m_dlg.m_gridHarmonics.GetColumnWidth(3, &nWidth);
	EXPECT_EQ(nWidth, nShownWidth);
}
