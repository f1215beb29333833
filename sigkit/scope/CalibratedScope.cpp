// CCalibratedScope's model: the samples in volts and seconds, the scales, the time window and
// the cursors, and what a pointer position means on them.
#include "sigkit/scope/CalibratedScope.h"

#include "sigkit/scope/ScopeGeometry.h"

#include <cmath>

namespace
{
	// The base picture's Y range is 2.2 × the peak and its X range 1.01 × the end of the grid.
	constexpr double Y_RANGE_PER_PEAK = 2.2;
	constexpr double X_RANGE_PER_LENGTH = 1.01;
}

CCalibratedScope::CCalibratedScope()
	: m_bCalibrated(TRUE), m_dPeak(0.0), m_dWholeSpan(0.0), m_dVoltsPerPixel(0.0), m_bWholeWindow(TRUE),
	  m_window{ 0.0, 0.0 }, m_bCursorA(FALSE), m_dCursorA(0.0), m_bCursorB(FALSE), m_dCursorB(0.0)
{
}

void CCalibratedScope::SetCalibrated(BOOL bOn)
{
	m_bCalibrated = bOn;
}

BOOL CCalibratedScope::IsCalibrated() const
{
	return m_bCalibrated;
}

void CCalibratedScope::SetName(LPCTSTR lpszName)
{
	m_strName = lpszName;
}

CString CCalibratedScope::GetName() const
{
	return m_strName;
}

void CCalibratedScope::SetNote(const CString& strNote)
{
	m_strNote = strNote;
}

void CCalibratedScope::SetSamples(const double* pX, const double* pY, int nCount, double dSecondsPerX, double dPeak)
{
	m_aTimes.clear();
	m_aValues.clear();
	m_dWholeSpan = 0.0;
	m_dPeak = dPeak;
	m_bWholeWindow = TRUE;
	if (pX == nullptr || pY == nullptr || nCount <= 0)
		return;
	m_aTimes.reserve(nCount);
	m_aValues.reserve(nCount);
	for (int i = 0; i < nCount; i++)
	{
		m_aTimes.push_back(pX[i] * dSecondsPerX);
		m_aValues.push_back(pY[i]);
	}
	// The base picture is scaled to X(N), one step past the last sample given.
	const double dStep = nCount > 1 ? (pX[nCount - 1] - pX[0]) / (nCount - 1) : 0.0;
	m_dWholeSpan = X_RANGE_PER_LENGTH * (pX[nCount - 1] + dStep) * dSecondsPerX;
}

int CCalibratedScope::GetSampleCount() const
{
	return static_cast<int>(m_aTimes.size());
}

double CCalibratedScope::SampleStep() const
{
	const size_t nCount = m_aTimes.size();
	return nCount > 1 ? (m_aTimes.back() - m_aTimes.front()) / static_cast<double>(nCount - 1) : 0.0;
}

CRect CCalibratedScope::ClientRect() const
{
	CRect rcClient(0, 0, 0, 0);
	if (GetSafeHwnd() != nullptr)
		GetClientRect(&rcClient);
	return rcClient;
}

CRect CCalibratedScope::ScopeDisplayArea(const CRect& rc) const
{
	return ScopeDisplayRect(rc, m_nXType, m_nYType);
}

double CCalibratedScope::OwnVoltsPerPixel() const
{
	const int nHeight = ScopeDisplayArea(ClientRect()).Height();
	if (nHeight <= 0 || !(m_dPeak > 0.0))
		return 0.0;
	return Y_RANGE_PER_PEAK * m_dPeak / nHeight;
}

void CCalibratedScope::SetVoltsPerPixel(double dVoltsPerPixel)
{
	m_dVoltsPerPixel = dVoltsPerPixel;
}

double CCalibratedScope::VoltsPerPixel() const
{
	return m_dVoltsPerPixel > 0.0 ? m_dVoltsPerPixel : OwnVoltsPerPixel();
}

ScopeTimeWindow CCalibratedScope::WholeTimeWindow() const
{
	const CRect rcClient = ClientRect();
	if (rcClient.Width() <= 0)
		return ScopeTimeWindow{ 0.0, m_dWholeSpan };
	const double dSecondsPerPixel = m_dWholeSpan / rcClient.Width();
	const int nOrigin = ScopeYAxisColumn(ScopeDisplayArea(rcClient), m_nYType) - rcClient.left;
	return ScopeTimeWindow{ -nOrigin * dSecondsPerPixel, (rcClient.Width() - nOrigin) * dSecondsPerPixel };
}

void CCalibratedScope::SetTimeWindow(const ScopeTimeWindow& window)
{
	const ScopeTimeWindow whole = WholeTimeWindow();
	m_window = window;
	m_bWholeWindow = window.dStart == whole.dStart && window.dEnd == whole.dEnd;
}

ScopeTimeWindow CCalibratedScope::GetTimeWindow() const
{
	return m_bWholeWindow ? WholeTimeWindow() : m_window;
}

void CCalibratedScope::SetCursors(BOOL bA, double tA, BOOL bB, double tB)
{
	m_bCursorA = bA;
	m_dCursorA = tA;
	m_bCursorB = bB;
	m_dCursorB = tB;
}

BOOL CCalibratedScope::TimeAtClientX(int x, double& t) const
{
	const ScopeTimeWindow window = GetTimeWindow();
	const CRect rcClient = ClientRect();
	if (m_aTimes.empty() || rcClient.Width() <= 0 || !(ScopeSpan(window) > 0.0))
		return FALSE;
	const double dTime = ScopeColumnToTime(window, rcClient.Width(), x - rcClient.left);
	if (dTime < m_aTimes.front() || dTime > m_aTimes.back())
		return FALSE;
	t = dTime;
	return TRUE;
}

BOOL CCalibratedScope::ValueAtTime(double t, double& v) const
{
	return ScopeValueAt(m_aTimes.data(), m_aValues.data(), GetSampleCount(), t, v);
}
