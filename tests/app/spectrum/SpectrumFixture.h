// The spectrum window opened through the main window's command for a record the test sets, and
// what a user reads in it.
#pragma once

#include "app/SpectrumDlg.h"
#include "tests/app/MainWindowFixture.h"

#include <functional>
#include <string>
#include <vector>

class SpectrumWindowTest : public MainWindowTest
{
protected:
	// Opens the window for the record, runs fnInspect while it is open, then closes it with "Esci".
	void OpenSpectrum(const ModulationParams& params, std::function<void(CSpectrumDlg&)> fnInspect);

	// "A.M." with the parameters dialog's defaults: m = 0.5.
	static ModulationParams DefaultAM();
	// An angle modulation of index m on the default carrier, fm 15000.
	static ModulationParams AngleRun(int32_t kind, double m);

	static std::string WindowText(CWnd& wnd);
	// The column headings, and the table's cells row by row.
	static std::vector<std::string> Headings(GridWindow& grid);
	static std::vector<std::vector<std::string>> Rows(GridWindow& grid);
};
