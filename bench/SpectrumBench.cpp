// Benchmarks of the spectrum window for the largest index the parameters dialog accepts (FM,
// m = 60: 133 rows): opened and painted, with its Bessel lines computed, drawn and tabled; and
// its table printed.
#include "app/SpectrumDlg.h"
#include "app/resources/AppResourceIds.h"
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

	void PaintAll(CWnd& wnd)
	{
		wnd.UpdateWindow();
		for (CWnd* pChild = wnd.GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetNextWindow())
		{
			pChild->UpdateWindow();
			for (CWnd* pPart = pChild->GetWindow(GW_CHILD); pPart != nullptr; pPart = pPart->GetNextWindow())
				pPart->UpdateWindow();
		}
	}
}

static void BM_SpectrumDlg_OpenAndPaint(benchmark::State& state)
{
	ModulationParams params = WidestFM();
	long nRows = 0;
	for (auto _ : state)
	{
		CSpectrumDlg dlg(&params);
		dlg.Create(IDD_SPECTRUM);
		dlg.ShowWindow(SW_SHOW);
		PaintAll(dlg);
		nRows = dlg.m_gridLines.GetRowCount();
		dlg.DestroyWindow();
	}
	state.counters["rows"] = static_cast<double>(nRows);
}
BENCHMARK(BM_SpectrumDlg_OpenAndPaint)->Unit(benchmark::kMillisecond);

// The 133-row table printed on the default printer, here the PDF fallback in a scratch home.
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
