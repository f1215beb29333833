// Memory held over many spectrum windows: the main window runs its own modal loop, its command
// opens the spectrum window for an F.M. run, the window is closed with "Esci" once it is idle,
// and the scales are switched on and off from one window to the next. The counters say how much
// the process grew after a warm-up and which of the framework's resources were alive.
#include "app/MainDlg.h"
#include "app/resources/AppResourceIds.h"
#include "bench/LongSession.h"

namespace
{

class CSpectrumUser : public CLongSessionUser
{
public:
	CSpectrumUser(CMainDlg& mainDlg, long nWarmUp, long nMeasured)
		: CLongSessionUser(mainDlg, nWarmUp, nMeasured)
		, m_mainDlg(mainDlg)
	{
	}

	// Only dialogs are shown in the session: the main window and the spectrum windows.
	INT_PTR OnModal(ModalRequest& request) override
	{
		if (request.pDialog == &m_mainDlg)
		{
			NextWhenIdle();
			return request.pfnShow();
		}
		CWnd* pSpectrum = request.pDialog;
		AfxRunWhenIdle([pSpectrum] { pSpectrum->SendMessage(WM_COMMAND, IDOK); });
		const INT_PTR nResult = request.pfnShow();
		++m_nDone;
		return nResult;
	}

private:
	// The main window is idle again once the last spectrum window has closed.
	bool StartStep() override
	{
		m_mainDlg.m_scopes.SetCalibrated(m_nStarted % 2 == 0);
		// As the menu does: the command comes through the main window's queue.
		m_mainDlg.PostMessage(WM_COMMAND, ID_SPECTRUM);
		return true;
	}

	CMainDlg& m_mainDlg;
};

// Arguments: the windows of the warm-up, then the windows measured.
void BM_SpectrumWindow_RepeatedOpenClose(benchmark::State& state)
{
	const long nWarmUp = static_cast<long>(state.range(0));
	const long nMeasured = static_cast<long>(state.range(1));
	for (auto _ : state)
	{
		CMainDlg dlg;
		// F.M. of index 5 at 15 kHz on the default carrier: a table of a dozen significant lines.
		dlg.m_params.ampCarrier = 1.0;
		dlg.m_params.freqCarrier = 200000.0;
		dlg.m_params.ampMod = 5.0;
		dlg.m_params.freqMod = 15000.0;
		dlg.m_params.simTime = 0.0002;
		dlg.m_params.kind = MOD_FM;
		dlg.m_params.modIndex = 5.0;
		CSpectrumUser user(dlg, nWarmUp, nMeasured);
		dlg.DoModal();
		state.counters["windows_opened"] = static_cast<double>(user.m_nDone);
		user.Report(state, "rss_bytes_per_window");
	}
}

}

BENCHMARK(BM_SpectrumWindow_RepeatedOpenClose)
	->Args({100, 1000})
	->Iterations(1)
	->Unit(benchmark::kSecond);
