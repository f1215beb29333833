// The spectrum's printed document for the widest angle run (F.M., m = 60: 143 table rows over
// three A4 pages) printed through the print dialog to the PDF written when no printer is installed.
#include "app/SpectrumPages.h"
#include "framework/ui/gdi/Dc.h"
#include "tests/support/Environment.h"
#include "tests/support/Files.h"
#include "tests/support/ScriptedUser.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace
{
	SpectrumPageContent WidestAngleRun()
	{
		SpectrumPageContent content;
		content.strTitle = "Spettro Segnale Modulato - Indice di Modulazione (m): 60";
		content.strModulation = "Modulazione di frequenza F.M.";
		content.strParameters = "Ap = 1 V   fp = 200 kHz   Am = 40 V   fm = 10 kHz   T = 200 µs";
		content.figureLines = {"Banda: 1,22 MHz", "Righe: 143", "Potenza: 0,5 W", "Deviazione: 600 kHz"};
		content.headings = {"Riga", "Frequenza", "Ampiezza", "Fase"};
		for (int n = 0; n < 143; n++)
		{
			content.rows.push_back({CString(std::to_string(n).c_str()), CString(std::to_string(200000 + 10000 * n).c_str()),
				CString(("0.0" + std::to_string(1000 + 7 * n)).c_str()), CString(n % 2 != 0 ? "180" : "0")});
		}
		// Bars and an axis, the shape of the window's picture.
		content.paintPicture = [](CDC& dc, const CRect& rc, int nTextHeight)
		{
			dc.MoveTo(rc.left, rc.bottom - nTextHeight);
			dc.LineTo(rc.right, rc.bottom - nTextHeight);
			for (int x = rc.left; x < rc.right; x += std::max(1, rc.Width() / 60))
			{
				dc.MoveTo(x, rc.bottom - nTextHeight);
				dc.LineTo(x, rc.top + (x * 7919 % rc.Height()) / 2);
			}
			dc.TextOut(rc.left, rc.bottom - nTextHeight, "f [kHz]");
		};
		return content;
	}
}

static void BM_SpectrumPages_PrintToPdf(benchmark::State& state)
{
	CScratchFolder home;
	CScopedEnv homeVariable("HOME", home.Path().c_str());
	CScriptedUser user;
	user.Otherwise(ModalKind::PrintDialog, IDOK);
	// The note that the document went to a PDF file would otherwise wait for a user.
	user.Otherwise(ModalKind::MessageBox, IDOK);
	const SpectrumPageContent content = WidestAngleRun();
	for (auto _ : state)
	{
		if (!PrintSpectrum(nullptr, content))
			state.SkipWithError("not printed");
		state.PauseTiming();
		std::filesystem::remove(home.Path("Spettro Modulato.pdf"));
		state.ResumeTiming();
	}
	state.counters["rows"] = static_cast<double>(content.rows.size());
}
BENCHMARK(BM_SpectrumPages_PrintToPdf)->Unit(benchmark::kMillisecond);
