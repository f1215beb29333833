// Memory held by the program over many commands: the main window runs its own modal loop, a
// scripted user chooses "F&requenza" from the menu bar, types the simulation time into the
// parameters dialog and clicks OK, the scopes repaint, and the next command follows once the
// main loop is idle again. The counters say how much the process grew after a warm-up, and how
// many of the framework's windows, GDI objects and timers were alive then and at the end.
#include "app/MainDlg.h"
#include "app/resources/AppResourceIds.h"
#include "bench/ProcessMemory.h"
#include "bench/SessionSeam.h"
#include "framework/core/ControlConstants.h"
#include "framework/ui/testing/MenuDriving.h"

namespace
{

// "&Modulazione" comes after "&File" and "M&odifica" on the menu bar.
constexpr UINT MENU_MODULAZIONE = 2;
constexpr UINT ITEM_FREQUENZA = 1;

// The scripted user's answer to every dialog: the main window's loop runs the commands, each
// parameters dialog is filled in and confirmed.
class CRepeatingUser : public CSessionSeam
{
public:
	CRepeatingUser(CMainDlg& mainDlg, const char* pszSimTime, long nWarmUp, long nMeasured)
		: m_mainDlg(mainDlg)
		, m_pszSimTime(pszSimTime)
		, m_nWarmUp(nWarmUp)
		, m_nTotal(nWarmUp + nMeasured)
	{
	}
	CRepeatingUser(const CRepeatingUser&) = delete;
	CRepeatingUser& operator=(const CRepeatingUser&) = delete;

	long m_nDone = 0;
	ProcessMemory m_afterWarmUp {};
	ProcessMemory m_atEnd {};

	INT_PTR OnModal(ModalRequest& request) override
	{
		// The note that a long run shows only part of its time comes once a session.
		if (request.nKind == ModalKind::MessageBox)
			return IDOK;
		if (request.pDialog == &m_mainDlg)
		{
			AfxRunWhenIdle([this] { NextCommand(); });
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
	// Runs from the main window's idle time: the command chosen last has run its dialog, its
	// synthesis and its repaint, since these all happen before the main loop is idle again.
	void NextCommand()
	{
		if (m_nDone < m_nStarted)
		{
			AfxRunWhenIdle([this] { NextCommand(); });
			return;
		}
		if (m_nDone == m_nWarmUp)
		{
			m_afterWarmUp = ReadProcessMemory();
		}
		if (m_nDone == m_nTotal || !AfxMenuOpenBarPopup(&m_mainDlg, MENU_MODULAZIONE))
		{
			m_atEnd = ReadProcessMemory();
			m_mainDlg.EndDialog(IDOK);
			return;
		}
		AfxMenuClickItem(AfxMenuGetOpenPopup(0), ITEM_FREQUENZA);
		++m_nStarted;
		AfxRunWhenIdle([this] { NextCommand(); });
	}

	CMainDlg& m_mainDlg;
	const char* m_pszSimTime;
	long m_nWarmUp;
	long m_nTotal;
	long m_nStarted = 0;
};

// Arguments: the commands of the warm-up, then the commands measured.
void BM_MainWindow_RepeatedFrequencyRuns(benchmark::State& state)
{
	const long nWarmUp = static_cast<long>(state.range(0));
	const long nMeasured = static_cast<long>(state.range(1));
	long nDone = 0;
	ProcessMemory afterWarmUp {};
	ProcessMemory atEnd {};
	UINT nSamples = 0;
	for (auto _ : state)
	{
		CMainDlg dlg;
		// 0.0007 s is the first time that reaches the cap of 3000 samples.
		CRepeatingUser user(dlg, "0.0007", nWarmUp, nMeasured);
		dlg.DoModal();
		nDone = user.m_nDone;
		nSamples = dlg.m_sigModulated.m_nPoints;
		afterWarmUp = user.m_afterWarmUp;
		atEnd = user.m_atEnd;
	}
	state.counters["commands"] = static_cast<double>(nDone);
	state.counters["samples"] = nSamples;
	ReportMemory(state, afterWarmUp, atEnd);
	const double dRssGrowth = static_cast<double>(atEnd.nResident - afterWarmUp.nResident);
	state.counters["rss_bytes_per_command"] = nMeasured > 0 ? dRssGrowth / static_cast<double>(nMeasured) : 0.0;
}

}

BENCHMARK(BM_MainWindow_RepeatedFrequencyRuns)
	->Args({200, 1000})
	->Args({1000, 10000})
	->Iterations(1)
	->Unit(benchmark::kSecond);
