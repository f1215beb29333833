// Benchmarks of the spectrum window for the largest index the parameters dialog accepts (FM,
// m = 60: 143 rows): opened and painted, with its Bessel lines computed, drawn and tabled, plain
// and with the scales; resized to 1920 x 1080 with the scales; its document (heading, figures,
// bars and the table over three pages) printed; and the grid's own printing of the table.
#include "app/SpectrumDlg.h"
#include "app/resources/AppResourceIds.h"
#include "bench/WindowTiming.h"
#include "tests/support/Environment.h"
#include "tests/support/Files.h"
#include "tests/support/ScriptedUser.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace
{
	ModulationParams WidestFM()
	{
		ModulationParams params;
		params.ampMod = 40.0;
		params.freqMod = 10000.0;
		params.ampCarrier = 1.0;
		params.simTime = 0.0002;
		params.freqCarrier = 200000.0;
		params.kind = MOD_FM;
		params.modIndex = 60.0;
		return params;
	}
}

static void BM_SpectrumDlg_OpenAndPaint(benchmark::State& state, BOOL bScales)
{
	ModulationParams params = WidestFM();
	long nRows = 0;
	for (auto _ : state)
	{
		CSpectrumDlg dlg(&params);
		dlg.m_bScales = bScales;
		dlg.Create(IDD_SPECTRUM);
		dlg.ShowWindow(SW_SHOW);
		PaintAll(dlg);
		nRows = dlg.m_gridLines.GetRowCount();
		dlg.DestroyWindow();
	}
	state.counters["rows"] = static_cast<double>(nRows);
}
BENCHMARK_CAPTURE(BM_SpectrumDlg_OpenAndPaint, plain, FALSE)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SpectrumDlg_OpenAndPaint, scales, TRUE)->Unit(benchmark::kMillisecond);

// From the opening size to 1920 x 1080: the controls laid out, the bars drawn again and
// everything repainted.
static void BM_SpectrumDlg_ResizeToFullHD(benchmark::State& state)
{
	ModulationParams params = WidestFM();
	CSpectrumDlg dlg(&params);
	dlg.m_bScales = TRUE;
	dlg.Create(IDD_SPECTRUM);
	dlg.ShowWindow(SW_SHOW);
	TimeResizeToFullHD(state, dlg);
	dlg.DestroyWindow();
}
BENCHMARK(BM_SpectrumDlg_ResizeToFullHD)->Unit(benchmark::kMillisecond);

// "Stampa..." as the user gives it: the print dialog answered, the document written to the PDF
// file of a home without printers.
static void BM_SpectrumDlg_PrintDocument(benchmark::State& state)
{
	CScratchFolder home;
	CScopedEnv homeVariable("HOME", home.Path().c_str());
	CScriptedUser user;
	user.Otherwise(ModalKind::PrintDialog, IDOK);
	// The note that the document went to a PDF file would otherwise wait for a user.
	user.Otherwise(ModalKind::MessageBox, IDOK);
	ModulationParams params = WidestFM();
	CSpectrumDlg dlg(&params);
	dlg.Create(IDD_SPECTRUM);
	for (auto _ : state)
	{
		dlg.SendMessage(WM_COMMAND, ID_FILE_PRINT_TABLE);
		state.PauseTiming();
		if (!std::filesystem::remove(home.Path("Spettro Modulato.pdf")))
			state.SkipWithError("nothing printed");
		state.ResumeTiming();
	}
	dlg.DestroyWindow();
}
BENCHMARK(BM_SpectrumDlg_PrintDocument)->Unit(benchmark::kMillisecond);

// The grid's own printing of the 143-row table on the default printer, here the PDF fallback in a scratch home.
static void BM_SpectrumDlg_PrintTable(benchmark::State& state)
{
	CScratchFolder home;
	CScopedEnv homeVariable("HOME", home.Path().c_str());
	// The note that the document went to a PDF file would otherwise wait for a user.
	CScriptedUser user;
	user.Otherwise(ModalKind::MessageBox, IDOK);
	ModulationParams params = WidestFM();
	CSpectrumDlg dlg(&params);
	dlg.Create(IDD_SPECTRUM);
	dlg.m_gridLines.SetPrintOption(1, 1);
	CString strTitle = "Spettro Modulato";
	for (auto _ : state)
	{
		dlg.m_gridLines.PrintGrid(&strTitle, FALSE);
		state.PauseTiming();
		std::filesystem::remove(home.Path("Spettro Modulato.pdf"));
		state.ResumeTiming();
	}
	dlg.DestroyWindow();
	state.counters["rows"] = static_cast<double>(dlg.m_gridLines.GetRowCount());
}
BENCHMARK(BM_SpectrumDlg_PrintTable)->Unit(benchmark::kMillisecond);
