// Opening files in the analyser: from the command line, from "Apri..." and dropped on the window,
// what the window then shows, and a file it cannot read, which leaves everything as it was.
#include "tests/analyser/window/AnalyserWindowFixture.h"

#include "analyser/resources/AnalyserResourceIds.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/testing/UserDriving.h"
#include "tests/support/EventPump.h"

#include <filesystem>

namespace
{
	constexpr COLORREF GREEN = RGB(0, 255, 0);

	struct Bar
	{
		int x;
		int nHeight;
	};

	// The scope's green columns, left to right, each with the number of its green pixels.
	std::vector<Bar> GreenBars(CWnd& scope)
	{
		scope.UpdateWindow();
		std::vector<Bar> bars;
		const CSize size = GetSurfaceSize(&scope);
		for (int x = 0; x < size.cx; x++)
		{
			int nGreen = 0;
			for (int y = 0; y < size.cy; y++)
				nGreen += GetSurfacePixel(&scope, x, y) == GREEN ? 1 : 0;
			if (nGreen > 0)
				bars.push_back(Bar{x, nGreen});
		}
		return bars;
	}
}

TEST_F(AnalyserWindowTest, WithoutAFileTheWindowIsEmpty)
{
	EXPECT_EQ(Caption(), "Analisi di Fourier");
	EXPECT_EQ(Table(), TableText({{"Armonica", "Frequenza (Hz)", "Ampiezza", "Fase (°)"}}));
	EXPECT_EQ(ItemText(IDC_SUMMARY_SAMPLES), "Nessun segnale aperto");
}

TEST_F(AnalyserWindowTest, FileNamedAtStartIsAnalysedAndShown)
{
	const std::string strPath = WriteKnownSignal();
	m_dlg.DestroyWindow();
	m_dlg.m_strStartFile = strPath.c_str();
	ASSERT_TRUE(m_dlg.Create(IDD_FOURIER));

	EXPECT_EQ(Caption(), "nota.sig - Analisi di Fourier");
	ExpectTable(KnownTable());
	const std::pair<UINT, const char*> summary[] = {
		{IDC_SUMMARY_SAMPLES, "Campioni: 100"},
		{IDC_SUMMARY_DURATION, "Durata: 0.004 s"},
		{IDC_SUMMARY_RESOLUTION, "Risoluzione: 250 Hz"},
		{IDC_SUMMARY_HARMONICS, "Armoniche: 50, in tabella 3"},
		{IDC_SUMMARY_LARGEST, "Componente maggiore: 2 a 750 Hz"},
		{IDC_SUMMARY_DISTORTION, "Distorsione: 0 %"},
	};
	for (const auto& label : summary)
		EXPECT_EQ(ItemText(label.first), label.second);
	EXPECT_TRUE(m_user.m_shown.empty());
}

TEST_F(AnalyserWindowTest, FileDroppedOnTheWindowIsOpened)
{
	const std::string strKnown = WriteKnownSignal();
	const std::string strOther = WriteKnownSignal("altra.sig");
	CRect rcTable;
	m_dlg.m_gridHarmonics.GetClientRect(&rcTable);
	// The desktop posts the drop, as Windows does: the program gets it once the drag is over.
	ASSERT_TRUE(AfxSendFileDrop(&m_dlg.m_gridHarmonics, {strKnown.c_str()}, rcTable.CenterPoint()));
	EXPECT_TRUE(PumpUntil([this] { return m_dlg.HasSignal(); }));
	EXPECT_EQ(Caption(), "nota.sig - Analisi di Fourier");
	ExpectTable(KnownTable());

	// Of two files dropped together on the waveform, the first is opened.
	ASSERT_TRUE(AfxSendFileDrop(&m_dlg.m_scopeSignal, {strOther.c_str(), strKnown.c_str()}, CPoint(20, 20)));
	EXPECT_TRUE(PumpUntil([this] { return m_dlg.m_strPath.Find("altra.sig") >= 0; }));
	EXPECT_EQ(Caption(), "altra.sig - Analisi di Fourier");
	EXPECT_TRUE(m_user.m_shown.empty());
}

// The mean stands on the vertical axis; harmonics 3 and 5 stand 3 and 5 units of frequency
// from it, each as high as its amplitude.
TEST_F(AnalyserWindowTest, BarsStandAtTheirFrequenciesAsHighAsTheirAmplitudes)
{
	ChooseNextFile(WriteKnownSignal());
	Command(ID_FILE_OPEN);
	const std::vector<Bar> bars = GreenBars(m_dlg.m_scopeHarmonics);
	ASSERT_EQ(bars.size(), 3u);
	const double dUnit = (bars[2].x - bars[0].x) / 5.0;
	EXPECT_NEAR(bars[1].x - bars[0].x, 3.0 * dUnit, 1.0);
	EXPECT_NEAR(bars[1].nHeight, 4.0 * bars[0].nHeight, 2.0);
	EXPECT_NEAR(bars[2].nHeight, bars[0].nHeight, 1.0);
}

TEST_F(AnalyserWindowTest, FileThatCannotBeReadIsNamedAndTheWindowKeepsItsTable)
{
	const std::string strKnown = WriteKnownSignal();
	std::filesystem::copy_file(strKnown, m_folder.Path("tronca.sig"));
	std::filesystem::resize_file(m_folder.Path("tronca.sig"), std::filesystem::file_size(strKnown) - 8);
	WriteFile(m_folder.Path("vuoto.txt"), "");
	ChooseNextFile(strKnown);
	Command(ID_FILE_OPEN);
	const char* const badFiles[] = {"vuoto.txt", "tronca.sig"};
	for (const char* pszName : badFiles)
	{
		m_user.m_shown.clear();
		ChooseNextFile(m_folder.Path(pszName));
		Command(ID_FILE_OPEN);

		ASSERT_EQ(m_user.BoxTexts().size(), 1u) << pszName;
		const std::string strText = m_user.BoxTexts()[0];
		const std::string strFirst = std::string("Impossibile aprire il file \"") + pszName + "\".\n";
		EXPECT_EQ(strText.substr(0, strFirst.size()), strFirst) << strText;
		EXPECT_GT(strText.size(), strFirst.size()) << "the reason follows the file's name";
		EXPECT_EQ(m_user.m_shown.back().nType & MB_ICONSTOP, static_cast<UINT>(MB_ICONSTOP));
		EXPECT_EQ(Caption(), "nota.sig - Analisi di Fourier");
		ExpectTable(KnownTable());
		EXPECT_EQ(ItemText(IDC_SUMMARY_SAMPLES), "Campioni: 100");
	}
}

// The text form written by "Esporta segnale come testo..." opened again: its period is the
// record's duration, so every row is the same, to the last bit.
TEST_F(AnalyserWindowTest, SignalExportedAsTextOpensWithTheSameTable)
{
	ChooseNextFile(WriteKnownSignal());
	Command(ID_FILE_OPEN);
	const std::vector<HarmonicRow> rowsOfSignal = m_dlg.m_rows;
	const std::string strText = m_folder.Path("nota.txt");
	ChooseNextFile(strText);
	Command(ID_EXPORT_SIGNAL);
	EXPECT_EQ(m_user.m_shown.back().strText, strText) << "offered beside the signal, with the text's extension";

	ChooseNextFile(strText);
	Command(ID_FILE_OPEN);
	EXPECT_TRUE(m_user.BoxTexts().empty());
	EXPECT_EQ(Caption(), "nota.txt - Analisi di Fourier");
	EXPECT_EQ(m_dlg.m_form, SignalForm::Text);
	ExpectTable(KnownTable());
	ASSERT_EQ(m_dlg.m_rows.size(), rowsOfSignal.size());
	for (size_t i = 0; i < rowsOfSignal.size(); i++)
	{
		EXPECT_EQ(m_dlg.m_rows[i].nHarmonic, rowsOfSignal[i].nHarmonic);
		EXPECT_EQ(m_dlg.m_rows[i].dFrequency, rowsOfSignal[i].dFrequency) << i;
		EXPECT_EQ(m_dlg.m_rows[i].dAmplitude, rowsOfSignal[i].dAmplitude) << i;
		EXPECT_EQ(m_dlg.m_rows[i].dPhaseDegrees, rowsOfSignal[i].dPhaseDegrees) << i;
	}
}
