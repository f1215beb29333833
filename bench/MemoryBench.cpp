// Memory held by the program over many commands: the main window runs its own modal loop, a
// scripted user chooses "F&requenza" from the menu bar, types the simulation time into the
// parameters dialog and clicks OK, the scopes repaint, and the next command follows once the
// main loop is idle again. The counters say how much the process grew after a warm-up, and how
// many of the framework's windows, GDI objects and timers were alive then and at the end.
#include "app/MainDlg.h"
#include "app/resources/AppResourceIds.h"
#include "bench/LongSession.h"
#include "framework/core/ControlConstants.h"
#include "framework/ui/testing/MenuDriving.h"

namespace
{

// "&Modulazione" comes after "&File" and "M&odifica" on the menu bar.
constexpr UINT MENU_MODULAZIONE = 2;
constexpr UINT ITEM_FREQUENZA = 1;

// The scripted user's answer to every dialog: the main window's loop runs the commands, each
// parameters dialog is filled in and confirmed.
class CRepeatingUser : public CLongSessionUser
{
public:
	CRepeatingUser(CMainDlg& mainDlg, const char* pszSimTime, long nWarmUp, long nMeasured)
		: CLongSessionUser(mainDlg, nWarmUp, nMeasured)
		, m_mainDlg(mainDlg)
		, m_pszSimTime(pszSimTime)
	{
	}

	INT_PTR OnModal(ModalRequest& request) override
	{
		// The note that a long run shows only part of its time comes once a session.
		if (request.nKind == ModalKind::MessageBox)
			return IDOK;
		if (request.pDialog == &m_mainDlg)
		{
			NextWhenIdle();
			return request.pfnShow();
		}
		auto* pDialog = static_cast<CDialog*>(request.pDialog);
		AfxRunWhenIdle([this, pDialog]
		{
			pDialog->GetDlgItem(IDC_SIM_TIME)->SetWindowText(m_pszSimTime);
			pDialog->GetDlgItem(IDOK)->SendMessage(BM_CLICK);
		});
		const INT_PTR nResult = request.pfnShow();
		++m_nDone;
		return nResult;
	}

private:
	// The command chosen last has run its dialog, its synthesis and its repaint, since these all
	// happen before the main loop is idle again.
	bool StartStep() override
	{
		if (!AfxMenuOpenBarPopup(&m_mainDlg, MENU_MODULAZIONE))
			return false;
		AfxMenuClickItem(AfxMenuGetOpenPopup(0), ITEM_FREQUENZA);
		return true;
	}

	CMainDlg& m_mainDlg;
	const char* m_pszSimTime;
};

// Arguments: the commands of the warm-up, then the commands measured.
void BM_MainWindow_RepeatedFrequencyRuns(benchmark::State& state)
{
	const long nWarmUp = static_cast<long>(state.range(0));
	const long nMeasured = static_cast<long>(state.range(1));
	for (auto _ : state)
	{
		CMainDlg dlg;
		// 0.0007 s is the first time that reaches the cap of 3000 samples.
		CRepeatingUser user(dlg, "0.0007", nWarmUp, nMeasured);
		dlg.DoModal();
		state.counters["commands"] = static_cast<double>(user.m_nDone);
		state.counters["samples"] = dlg.m_sigModulated.m_nPoints;
		user.Report(state, "rss_bytes_per_command");
	}
}

}

BENCHMARK(BM_MainWindow_RepeatedFrequencyRuns)
	->Args({200, 1000})
	->Args({1000, 10000})
	->Iterations(1)
	->Unit(benchmark::kSecond);
