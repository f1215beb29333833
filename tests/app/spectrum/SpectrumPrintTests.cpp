// "&Stampa..." in the spectrum window: with no printer installed the table goes to a PDF file in
// the user's home, every heading and row of it, and the user is told the file's name.
#include "tests/app/spectrum/SpectrumFixture.h"

#include "app/resources/AppResourceIds.h"
#include "tests/support/Environment.h"
#include "tests/support/Files.h"

#include <algorithm>
#include <filesystem>

namespace
{
	// The words of a text, in order, whatever white space the PDF's layout put between them.
	std::vector<std::string> Words(const std::string& strText)
	{
		std::vector<std::string> words;
		std::string strWord;
		for (char c : strText + " ")
		{
			if (c == ' ' || c == '\n' || c == '\t' || c == '\f')
			{
				if (!strWord.empty())
					words.push_back(strWord);
				strWord.clear();
			}
			else
				strWord += c;
		}
		return words;
	}

	bool HasWord(const std::vector<std::string>& words, const std::string& strWord)
	{
		return std::find(words.begin(), words.end(), strWord) != words.end();
	}
}

class SpectrumPrintTest : public SpectrumWindowTest
{
protected:
	SpectrumPrintTest()
		: m_home("HOME", m_folder.Path("").c_str()), m_config("XDG_CONFIG_HOME", m_folder.Path("config").c_str())
	{
	}

	// Prints the table of the record's window from its menu, answering the print dialog with OK,
	// and gives the table as the window showed it.
	std::vector<std::vector<std::string>> PrintTable(const ModulationParams& params)
	{
		std::vector<std::vector<std::string>> rows;
		m_user.Otherwise(ModalKind::PrintDialog, IDOK);
		OpenSpectrum(params, [&](CSpectrumDlg& dlg)
		{
			rows = Rows(dlg.m_gridLines);
			rows.insert(rows.begin(), Headings(dlg.m_gridLines));
			dlg.SendMessage(WM_COMMAND, ID_FILE_PRINT_TABLE);
		});
		return rows;
	}

	CScratchFolder m_folder;
	CScopedEnv m_home;
	CScopedEnv m_config;
};

TEST_F(SpectrumPrintTest, PrintedTableHoldsEveryHeadingAndRow)
{
	const ModulationParams runs[] = {DefaultAM(), AngleRun(MOD_FM, 5.0)};
	for (const ModulationParams& params : runs)
	{
		m_user.m_shown.clear();
		const std::vector<std::vector<std::string>> table = PrintTable(params);
		const std::string strPdf = m_folder.Path("Spettro Modulato.pdf");
		ASSERT_TRUE(std::filesystem::exists(strPdf)) << "kind " << params.kind;

		// A print dialog, then the note of where the document went.
		ASSERT_EQ(m_user.m_shown.size(), 3u);
		EXPECT_EQ(m_user.m_shown[1].nKind, ModalKind::PrintDialog);
		EXPECT_NE(m_user.m_shown[2].strText.find(strPdf), std::string::npos) << m_user.m_shown[2].strText;

		const std::vector<std::string> words = Words(CommandOutput("pdftotext -layout '" + strPdf + "' -"));
		for (const std::vector<std::string>& row : table)
		{
			for (const std::string& strCell : row)
			{
				if (strCell.empty())
					continue;
				EXPECT_TRUE(HasWord(words, strCell)) << "kind " << params.kind << ": " << strCell;
			}
		}
		std::filesystem::remove(strPdf);
	}
}

TEST_F(SpectrumPrintTest, CancelledPrintDialogPrintsNothing)
{
	m_user.Otherwise(ModalKind::PrintDialog, IDCANCEL);
	OpenSpectrum(DefaultAM(), [&](CSpectrumDlg& dlg) { dlg.SendMessage(WM_COMMAND, ID_FILE_PRINT_TABLE); });
	ASSERT_EQ(m_user.m_shown.size(), 2u) << "the window and the print dialog, no message";
	EXPECT_EQ(m_user.m_shown[1].nKind, ModalKind::PrintDialog);
	EXPECT_EQ(m_folder.Names(), std::vector<std::string>{});
}
