// The analyser's window fixture.
#include "tests/analyser/window/AnalyserWindowFixture.h"

#include "analyser/resources/AnalyserResourceIds.h"
#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "framework/ui/window/CmdUI.h"

#include <cmath>
#include <cstdlib>

namespace
{
	constexpr double TWO_PI = 6.283185307179586;

	// A command's check mark as the update pass leaves it, asked of the window's own handlers.
	class CCheckCmdUI : public CCmdUI
	{
	public:
		void SetCheck(int nCheck) override
		{
			m_nCheck = nCheck;
		}
		int m_nCheck = 0;
	};

	bool IsNumber(const std::string& strText, double& dValue)
	{
		char* pEnd = nullptr;
		dValue = std::strtod(strText.c_str(), &pEnd);
		return !strText.empty() && *pEnd == '\0';
	}

	std::string CellText(GridWindow& grid, int nCol, long nRow)
	{
		GridCell cell;
		grid.GetCell(nCol, nRow, &cell);
		return static_cast<LPCTSTR>(cell.GetText());
	}
}

void AnalyserWindowTest::SetUp()
{
	// What the user does unless a test says otherwise: OK to every message, Cancel to the file
	// and print dialogs and to a dialog no script is for.
	m_user.Otherwise(ModalKind::MessageBox, IDOK);
	m_user.Otherwise(ModalKind::FileDialog, IDCANCEL);
	m_user.Otherwise(ModalKind::PrintDialog, IDCANCEL);
	m_user.Otherwise(ModalKind::Dialog, IDCANCEL);
	ASSERT_TRUE(m_dlg.Create(IDD_FOURIER));
}

void AnalyserWindowTest::TearDown()
{
	m_dlg.DestroyWindow();
}

void AnalyserWindowTest::Command(UINT nID)
{
	m_dlg.SendMessage(WM_COMMAND, nID);
}

BOOL AnalyserWindowTest::IsCommandChecked(UINT nID)
{
	CCheckCmdUI state;
	state.m_nID = nID;
	state.DoUpdate(&m_dlg, FALSE);
	return state.m_nCheck == 1;
}

std::string AnalyserWindowTest::Caption()
{
	CString strCaption;
	m_dlg.GetWindowText(strCaption);
	return static_cast<LPCTSTR>(strCaption);
}

std::string AnalyserWindowTest::ItemText(UINT nID)
{
	CString strText;
	m_dlg.GetDlgItemText(static_cast<int>(nID), strText);
	return static_cast<LPCTSTR>(strText);
}

TableText AnalyserWindowTest::Table()
{
	GridWindow& grid = m_dlg.m_gridHarmonics;
	TableText table;
	for (long nRow = -1; nRow < grid.GetRowCount(); nRow++)
	{
		std::vector<std::string> row;
		for (int nCol = 0; nCol < grid.GetColumnCount(); nCol++)
			row.push_back(CellText(grid, nCol, nRow));
		table.push_back(row);
	}
	return table;
}

void AnalyserWindowTest::ExpectTable(const TableText& expected)
{
	const TableText table = Table();
	ASSERT_EQ(table.size(), expected.size());
	for (size_t nRow = 0; nRow < table.size(); nRow++)
	{
		ASSERT_EQ(table[nRow].size(), expected[nRow].size());
		for (size_t nCol = 0; nCol < table[nRow].size(); nCol++)
		{
			double dShown = 0.0;
			double dExpected = 0.0;
			if (IsNumber(table[nRow][nCol], dShown) && IsNumber(expected[nRow][nCol], dExpected))
				EXPECT_NEAR(dShown, dExpected, 1e-6) << "row " << nRow << ", column " << nCol;
			else
				EXPECT_EQ(table[nRow][nCol], expected[nRow][nCol]) << "row " << nRow << ", column " << nCol;
		}
	}
}

void AnalyserWindowTest::ChooseNextFile(const std::string& strPath)
{
	m_user.Then(ModalKind::FileDialog, ChooseFile(strPath));
}

std::string AnalyserWindowTest::WriteSignalFile(const std::string& strName, const std::vector<double>& samples,
	double dCarrier)
{
	CSignal signal;
	signal.RedimXY(static_cast<UINT>(samples.size()));
	signal.m_nType = 3;
	signal.m_dStepX = 0.25132741232;
	signal.m_dFrequency = dCarrier;
	signal.m_dAmplitude = 1.0;
	double x = 0.0;
	for (size_t j = 0; j < samples.size(); j++, x += signal.m_dStepX)
	{
		signal.m_pX[j] = x;
		signal.m_pY[j] = samples[j];
	}
	const std::string strPath = m_folder.Path(strName);
	CFile file;
	EXPECT_TRUE(file.Open(strPath.c_str(), CFile::modeCreate | CFile::modeWrite));
	CArchive ar(&file, CArchive::store);
	signal.Serialize(ar);
	ar.Close();
	file.Close();
	return strPath;
}

std::string AnalyserWindowTest::WriteKnownSignal(const std::string& strName)
{
	std::vector<double> samples;
	for (int j = 0; j < 100; j++)
	{
		const double theta = TWO_PI * j / 100.0;
		samples.push_back(0.5 + 2.0 * std::cos(3.0 * theta) + 0.5 * std::sin(5.0 * theta));
	}
	return WriteSignalFile(strName, samples, 1000.0);
}

TableText AnalyserWindowTest::KnownTable()
{
	return {
		{"Armonica", "Frequenza (Hz)", "Ampiezza", "Fase (°)"},
		{"0", "0", "0.5", "0"},
		{"3", "750", "2", "90"},
		{"5", "1250", "0.5", "0"},
	};
}
