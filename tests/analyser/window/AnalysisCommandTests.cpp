// The "Analisi" menu: the harmonic count dialog with its bounds and its note on aliasing, and
// "Tutte le armoniche", checked while every row is shown.
#include "tests/analyser/window/AnalyserWindowFixture.h"

#include "analyser/resources/AnalyserResourceIds.h"

namespace
{
	std::string DialogItemText(CDialog& dlg, UINT nID)
	{
		CString strText;
		dlg.GetDlgItemText(static_cast<int>(nID), strText);
		return static_cast<LPCTSTR>(strText);
	}
}

TEST_F(AnalyserWindowTest, HarmonicCountTakesOneToTheSampleCount)
{
	ChooseNextFile(WriteKnownSignal());
	Command(ID_FILE_OPEN);
	std::vector<std::string> refusals;
	m_user.ThenInDialog([&](CDialog& dlg)
	{
		EXPECT_EQ(DialogItemText(dlg, IDC_COUNT_PROMPT), "Numero di armoniche (da 1 a 100):");
		EXPECT_NE(DialogItemText(dlg, IDC_ALIASING_NOTE).find("fino alla 50"), std::string::npos);
		EXPECT_NE(DialogItemText(dlg, IDC_ALIASING_NOTE).find("aliasing"), std::string::npos);
		EXPECT_EQ(DialogItemText(dlg, IDC_COUNT), "50");
		for (const char* pszRefused : {"0", "101", "dieci"})
		{
			dlg.SetDlgItemText(IDC_COUNT, pszRefused);
			dlg.SendMessage(WM_COMMAND, IDOK);
			EXPECT_TRUE(dlg.ContinueModal()) << pszRefused;
		}
		refusals = m_user.BoxTexts();
		dlg.SetDlgItemText(IDC_COUNT, "4");
		dlg.SendMessage(WM_COMMAND, IDOK);
	});
	Command(ID_HARMONIC_COUNT);

	ASSERT_EQ(refusals.size(), 3u);
	EXPECT_EQ(refusals[0], "Il numero di armoniche deve essere compreso tra 1 e 100.");
	EXPECT_EQ(refusals[1], refusals[0]);
	EXPECT_EQ(m_dlg.m_nHarmonics, 4u);
	// Harmonic 5 is past the four entries: the mean and harmonic 3 are left.
	TableText expected = KnownTable();
	expected.pop_back();
	ExpectTable(expected);
	EXPECT_EQ(ItemText(IDC_SUMMARY_HARMONICS), "Armoniche: 4, in tabella 2");
}

TEST_F(AnalyserWindowTest, CancelledHarmonicCountChangesNothing)
{
	ChooseNextFile(WriteKnownSignal());
	Command(ID_FILE_OPEN);
	m_user.ThenInDialog([](CDialog& dlg)
	{
		dlg.SetDlgItemText(IDC_COUNT, "4");
		dlg.SendMessage(WM_COMMAND, IDCANCEL);
	});
	Command(ID_HARMONIC_COUNT);
	EXPECT_EQ(m_dlg.m_nHarmonics, 50u);
	ExpectTable(KnownTable());
}

TEST_F(AnalyserWindowTest, AllHarmonicsShowsEveryRowWhileChecked)
{
	ChooseNextFile(WriteKnownSignal());
	Command(ID_FILE_OPEN);
	EXPECT_FALSE(IsCommandChecked(ID_ALL_HARMONICS));

	Command(ID_ALL_HARMONICS);
	EXPECT_TRUE(IsCommandChecked(ID_ALL_HARMONICS));
	const TableText table = Table();
	ASSERT_EQ(table.size(), 51u) << "the headings and entries 0 to 49";
	for (size_t nRow = 1; nRow < table.size(); nRow++)
		EXPECT_EQ(table[nRow][0], std::to_string(nRow - 1));
	// Harmonic 1 is nothing but rounding.
	EXPECT_EQ(table[2][1], "250");
	EXPECT_NEAR(std::stod(table[2][2]), 0.0, 1e-6);
	EXPECT_NEAR(std::stod(table[4][2]), 2.0, 1e-6);
	EXPECT_EQ(ItemText(IDC_SUMMARY_HARMONICS), "Armoniche: 50, in tabella 50");

	Command(ID_ALL_HARMONICS);
	EXPECT_FALSE(IsCommandChecked(ID_ALL_HARMONICS));
	ExpectTable(KnownTable());
}
