// Benchmarks of the spectrum window for the largest index the parameters dialog accepts (FM,
// m = 60: 133 rows): opened and painted, with its Bessel lines computed, drawn and tabled; and
// its table printed.
#include "app/SpectrumDlg.h"
#include "app/resources/AppResourceIds.h"
#include "framework/ui/window/ModalSeam.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
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

namespace
{
	// Answers the note that a document went to a PDF file, which would otherwise wait for a user.
	class NoteTaker : public CModalSeam
	{
	public:
		NoteTaker() : m_pPrevious(AfxSetModalSeam(this)) {}
		~NoteTaker() override { AfxSetModalSeam(m_pPrevious); }
		NoteTaker(const NoteTaker&) = delete;
		NoteTaker& operator=(const NoteTaker&) = delete;

		INT_PTR OnModal(ModalRequest&) override { return IDOK; }

	private:
		CModalSeam* m_pPrevious;
	};
}

// The 133-row table printed on the default printer, here the PDF fallback in a scratch home.
static void BM_SpectrumDlg_PrintTable(benchmark::State& state)
{
	char szHome[] = "/tmp/ondivar-bench-XXXXXX";
	if (mkdtemp(szHome) == nullptr)
	{
		state.SkipWithError("no scratch folder");
		return;
	}
	const char* pszOldHome = std::getenv("HOME");
	const std::string strOldHome = pszOldHome != nullptr ? pszOldHome : "";
	setenv("HOME", szHome, 1);
	NoteTaker notes;
	ModulationParams params = WidestFM();
	CSpectrumDlg dlg(&params);
	dlg.Create(IDD_SPECTRUM);
	dlg.m_gridLines.SetPrintOption(1, 1);
	CString strTitle = "Spettro Modulato";
	for (auto _ : state)
	{
		dlg.m_gridLines.PrintGrid(&strTitle, FALSE);
		state.PauseTiming();
		std::filesystem::remove(std::string(szHome) + "/Spettro Modulato.pdf");
		state.ResumeTiming();
	}
	dlg.DestroyWindow();
	std::filesystem::remove_all(szHome);
	setenv("HOME", strOldHome.c_str(), 1);
	state.counters["rows"] = static_cast<double>(dlg.m_gridLines.GetRowCount());
}
BENCHMARK(BM_SpectrumDlg_PrintTable)->Unit(benchmark::kMillisecond);
