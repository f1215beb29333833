#include "tests/app/spectrum/SpectrumFixture.h"

#include "app/resources/AppResourceIds.h"

namespace
{
	std::string CellText(GridWindow& grid, int nCol, long nRow)
	{
		GridCell cell;
		grid.GetCell(nCol, nRow, &cell);
		return static_cast<LPCTSTR>(cell.GetText());
	}
}

void SpectrumWindowTest::OpenSpectrum(const ModulationParams& params, std::function<void(CSpectrumDlg&)> fnInspect)
{
	m_dlg.m_params = params;
	bool bOpened = false;
	m_user.ThenInDialog([&](CDialog& dlg)
	{
		auto* pSpectrum = dynamic_cast<CSpectrumDlg*>(&dlg);
		ASSERT_NE(pSpectrum, nullptr);
		bOpened = true;
		fnInspect(*pSpectrum);
		dlg.SendMessage(WM_COMMAND, IDOK);
	});
	Command(ID_SPECTRUM);
	EXPECT_TRUE(bOpened);
}

ModulationParams SpectrumWindowTest::DefaultAM()
{
	ModulationParams params;
	params.ampMod = 0.5;
	params.freqMod = 10000.0;
	params.ampCarrier = 1.0;
	params.simTime = 0.0002;
	params.freqCarrier = 200000.0;
	params.kind = MOD_AM;
	params.modIndex = 0.5;
	return params;
}

ModulationParams SpectrumWindowTest::AngleRun(int32_t kind, double m)
{
	ModulationParams params = DefaultAM();
	params.kind = kind;
	params.freqMod = 15000.0;
	params.ampMod = m;
	params.modIndex = m;
	return params;
}

std::string SpectrumWindowTest::WindowText(CWnd& wnd)
{
	CString strText;
	wnd.GetWindowText(strText);
	return static_cast<LPCTSTR>(strText);
}

std::vector<std::string> SpectrumWindowTest::Headings(GridWindow& grid)
{
	std::vector<std::string> headings;
	for (int nCol = 0; nCol < grid.GetColumnCount(); nCol++)
		headings.push_back(CellText(grid, nCol, -1));
	return headings;
}

std::vector<std::vector<std::string>> SpectrumWindowTest::Rows(GridWindow& grid)
{
	std::vector<std::vector<std::string>> rows;
	for (long nRow = 0; nRow < grid.GetRowCount(); nRow++)
	{
		std::vector<std::string> row;
		for (int nCol = 0; nCol < grid.GetColumnCount(); nCol++)
			row.push_back(CellText(grid, nCol, nRow));
		rows.push_back(row);
	}
	return rows;
}
