// Memory held by the analyser over a long session: its window runs its own modal loop and opens
// files one after another through "Apri...", a scripted user choosing each in the file dialog
// among a few signal files and text files written once. The counters say how much the process
// grew after a warm-up and which of the framework's resources were alive.
#include "analyser/FourierDlg.h"
#include "analyser/resources/AnalyserResourceIds.h"
#include "bench/LongSession.h"
#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "tests/support/Files.h"
#include "tests/support/ScriptedUser.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace
{

constexpr double TWO_PI = 6.283185307179586;

// Ondivar's signal file: kind 3, nSamples on a grid of carrier phases, fnWave of the phase.
std::string WriteSignalFile(const CScratchFolder& folder, const char* pszName, UINT nSamples, double dCarrier,
	const std::function<double(double)>& fnWave)
{
	CSignal signal;
	signal.RedimXY(nSamples);
	signal.m_nType = 3;
	signal.m_dStepX = 0.25;
	signal.m_dAmplitude = 1.0;
	signal.m_dFrequency = dCarrier;
	signal.m_dPeriod = nSamples * 0.25 / (TWO_PI * dCarrier);
	for (UINT j = 0; j < nSamples; j++)
	{
		signal.m_pX[j] = j * 0.25;
		signal.m_pY[j] = fnWave(signal.m_pX[j]);
	}
	const std::string strPath = folder.Path(pszName);
	CFile file;
	file.Open(strPath.c_str(), CFile::modeCreate | CFile::modeWrite);
	CArchive ar(&file, CArchive::store);
	signal.Serialize(ar);
	ar.Close();
	file.Close();
	return strPath;
}

// The text form: the duration, then "t y" a line, t in seconds.
std::string WriteTextFile(const CScratchFolder& folder, const char* pszName, UINT nSamples, double dDuration,
	const std::function<double(double)>& fnWave)
{
	std::string strText = std::to_string(dDuration) + "\n";
	for (UINT j = 0; j < nSamples; j++)
	{
		const double t = dDuration * j / nSamples;
		strText += std::to_string(t) + " " + std::to_string(fnWave(t)) + "\n";
	}
	const std::string strPath = folder.Path(pszName);
	WriteFile(strPath, strText);
	return strPath;
}

class CFileOpeningUser : public CLongSessionUser
{
public:
	CFileOpeningUser(CFourierDlg& dlg, std::vector<std::string> paths, long nWarmUp, long nMeasured)
		: CLongSessionUser(dlg, nWarmUp, nMeasured)
		, m_dlg(dlg)
		, m_paths(std::move(paths))
	{
	}

	long m_nAnalysed = 0;

	// The analyser's window runs its loop, each file dialog is answered with the next file, and a
	// message about a file the analyser refused is confirmed: the count of files analysed says so.
	INT_PTR OnModal(ModalRequest& request) override
	{
		switch (request.nKind)
		{
		case ModalKind::Dialog:
			NextWhenIdle();
			return request.pfnShow();
		case ModalKind::FileDialog:
			return ChooseFile(PathOfNext())(request);
		default:
			return IDOK;
		}
	}

private:
	const std::string& PathOfNext() const
	{
		return m_paths[static_cast<size_t>(m_nDone) % m_paths.size()];
	}

	// The file is opened, analysed and painted before the window is idle again.
	bool StartStep() override
	{
		const std::string& strPath = PathOfNext();
		// As the menu and the toolbar send it.
		m_dlg.SendMessage(WM_COMMAND, ID_FILE_OPEN);
		m_nAnalysed += m_dlg.m_strPath == strPath.c_str() ? 1 : 0;
		++m_nDone;
		return true;
	}

	CFourierDlg& m_dlg;
	std::vector<std::string> m_paths;
};

// Arguments: the files of the warm-up, then the files measured.
void BM_AnalyserWindow_RepeatedFileOpens(benchmark::State& state)
{
	const long nWarmUp = static_cast<long>(state.range(0));
	const long nMeasured = static_cast<long>(state.range(1));
	CScratchFolder folder;
	const std::vector<std::string> paths = {
		WriteSignalFile(folder, "am.sig", 3000, 200000.0,
			[](double x) { return std::max(0.0, 1.0 + 1.5 * std::cos(x / 20.0)) * std::cos(x); }),
		WriteTextFile(folder, "armoniche.txt", 400, 0.004,
			[](double t) { return 0.5 + 2.0 * std::cos(3 * TWO_PI * t / 0.004) + 0.5 * std::sin(5 * TWO_PI * t / 0.004); }),
		WriteSignalFile(folder, "fm.sig", 1200, 100000.0, [](double x) { return std::cos(x + 2.0 * std::sin(x / 8.0)); }),
		WriteTextFile(folder, "quadra.txt", 2000, 0.01,
			[](double t) { return std::sin(TWO_PI * 300.0 * t) >= 0.0 ? 1.0 : -1.0; }),
		WriteSignalFile(folder, "breve.sig", 64, 50000.0, [](double x) { return std::sin(x) + 0.25 * std::sin(3.0 * x); }),
	};
	for (auto _ : state)
	{
		CFourierDlg dlg;
		CFileOpeningUser user(dlg, paths, nWarmUp, nMeasured);
		dlg.DoModal();
		state.counters["files_opened"] = static_cast<double>(user.m_nDone);
		state.counters["files_analysed"] = static_cast<double>(user.m_nAnalysed);
		user.Report(state, "rss_bytes_per_file");
	}
}

}

BENCHMARK(BM_AnalyserWindow_RepeatedFileOpens)
	->Args({100, 1000})
	->Iterations(1)
	->Unit(benchmark::kSecond);
