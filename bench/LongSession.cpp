// The steps of a long session, one each time its window is idle.
#include "bench/LongSession.h"

#include "framework/ui/dialog/Dialog.h"

CLongSessionUser::CLongSessionUser(CDialog& window, long nWarmUp, long nMeasured)
	: m_window(window)
	, m_nWarmUp(nWarmUp)
	, m_nMeasured(nMeasured)
{
}

void CLongSessionUser::NextWhenIdle()
{
	AfxRunWhenIdle([this] { Next(); });
}

void CLongSessionUser::Next()
{
	if (m_nDone < m_nStarted)
	{
		NextWhenIdle();
		return;
	}
	if (m_nDone == m_nWarmUp)
		m_afterWarmUp = ReadProcessMemory();
	if (m_nDone == m_nWarmUp + m_nMeasured || !StartStep())
	{
		m_atEnd = ReadProcessMemory();
		m_window.EndDialog(IDOK);
		return;
	}
	++m_nStarted;
	NextWhenIdle();
}

void CLongSessionUser::Report(benchmark::State& state, const char* pszPerStep) const
{
	ReportMemory(state, m_afterWarmUp, m_atEnd);
	const double dRssGrowth = static_cast<double>(m_atEnd.nResident - m_afterWarmUp.nResident);
	state.counters[pszPerStep] = m_nMeasured > 0 ? dRssGrowth / static_cast<double>(m_nMeasured) : 0.0;
}
