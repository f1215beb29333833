// The scopes of one window moved together: a shared time window, cursors and vertical scale.
#include "sigkit/scope/ScopeGroup.h"

#include "framework/ui/window/Wnd.h"
#include "sigkit/scope/ScopeScale.h"

#include <algorithm>

namespace
{
	// A zoomed window keeps at least this many sample steps.
	constexpr double SHORTEST_SAMPLE_STEPS = 10.0;
	const char* const DELTA_T = "\xCE\x94t";
}

CScopeGroup::CScopeGroup()
	: m_bCalibrated(TRUE), m_bSameVerticalScale(FALSE), m_bCursorA(FALSE), m_dCursorA(0.0), m_bCursorB(FALSE),
	  m_dCursorB(0.0), m_pCursorScope(nullptr)
{
}

void CScopeGroup::Attach(CCalibratedScope* pScope)
{
	if (pScope == nullptr || std::find(m_aScopes.begin(), m_aScopes.end(), pScope) != m_aScopes.end())
		return;
	m_aScopes.push_back(pScope);
	pScope->SetCalibrated(m_bCalibrated);
}

void CScopeGroup::SetCalibrated(BOOL bOn)
{
	m_bCalibrated = bOn;
	for (CCalibratedScope* pScope : m_aScopes)
		pScope->SetCalibrated(bOn);
	Repaint();
}

BOOL CScopeGroup::IsCalibrated() const
{
	return m_bCalibrated;
}

void CScopeGroup::SetSameVerticalScale(BOOL bOn)
{
	m_bSameVerticalScale = bOn;
	ApplyScales();
	Repaint();
}

BOOL CScopeGroup::IsSameVerticalScale() const
{
	return m_bSameVerticalScale;
}

void CScopeGroup::SignalsChanged()
{
	DropCursors();
	ApplyScales();
	const CCalibratedScope* pReference = Reference();
	if (pReference != nullptr)
		ApplyWindow(pReference->WholeTimeWindow());
	Repaint();
}

void CScopeGroup::ScopesResized()
{
	ApplyScales();
	Repaint();
}

// The scope with the most samples sets the time axis: the three signals of a run share it.
CCalibratedScope* CScopeGroup::Reference() const
{
	CCalibratedScope* pReference = nullptr;
	for (CCalibratedScope* pScope : m_aScopes)
		if (pReference == nullptr || pScope->GetSampleCount() > pReference->GetSampleCount())
			pReference = pScope;
	return pReference;
}

ScopeTimeWindow CScopeGroup::GetTimeWindow() const
{
	const CCalibratedScope* pReference = Reference();
	return pReference != nullptr ? pReference->GetTimeWindow() : ScopeTimeWindow{ 0.0, 0.0 };
}

void CScopeGroup::ApplyWindow(const ScopeTimeWindow& window)
{
	for (CCalibratedScope* pScope : m_aScopes)
		pScope->SetTimeWindow(window);
}

void CScopeGroup::ApplyScales()
{
	double dLargest = 0.0;
	for (CCalibratedScope* pScope : m_aScopes)
		dLargest = std::max(dLargest, pScope->OwnVoltsPerPixel());
	for (CCalibratedScope* pScope : m_aScopes)
		pScope->SetVoltsPerPixel(m_bSameVerticalScale ? dLargest : 0.0);
}

void CScopeGroup::ApplyCursors()
{
	for (CCalibratedScope* pScope : m_aScopes)
		pScope->SetCursors(m_bCursorA, m_dCursorA, m_bCursorB, m_dCursorB);
}

void CScopeGroup::Repaint()
{
	for (CCalibratedScope* pScope : m_aScopes)
		if (pScope->GetSafeHwnd() != nullptr)
			pScope->InvalidateRect(nullptr, TRUE);
}

void CScopeGroup::ZoomAt(CCalibratedScope* pScope, CPoint ptClient, double dFactor)
{
	const CCalibratedScope* pReference = Reference();
	if (pScope == nullptr || pReference == nullptr)
		return;
	CRect rcClient;
	pScope->GetClientRect(&rcClient);
	const ScopeTimeWindow window = pReference->GetTimeWindow();
	if (rcClient.Width() <= 0 || !(ScopeSpan(window) > 0.0))
		return;
	const double dAnchor = ScopeColumnToTime(window, rcClient.Width(), ptClient.x - rcClient.left);
	ApplyWindow(ZoomTimeWindow(window, dAnchor, dFactor, pReference->WholeTimeWindow(),
		SHORTEST_SAMPLE_STEPS * pReference->SampleStep()));
	Repaint();
}

void CScopeGroup::ZoomAboutCentre(double dFactor)
{
	const CCalibratedScope* pReference = Reference();
	if (pReference == nullptr)
		return;
	const ScopeTimeWindow window = pReference->GetTimeWindow();
	ApplyWindow(ZoomTimeWindow(window, (window.dStart + window.dEnd) / 2.0, dFactor, pReference->WholeTimeWindow(),
		SHORTEST_SAMPLE_STEPS * pReference->SampleStep()));
	Repaint();
}

void CScopeGroup::PanByPixels(CCalibratedScope* pScope, int dx)
{
	const CCalibratedScope* pReference = Reference();
	if (pScope == nullptr || pReference == nullptr)
		return;
	CRect rcClient;
	pScope->GetClientRect(&rcClient);
	const ScopeTimeWindow window = pReference->GetTimeWindow();
	if (rcClient.Width() <= 0)
		return;
	ApplyWindow(PanTimeWindow(window, -dx * ScopeSpan(window) / rcClient.Width(), pReference->WholeTimeWindow()));
	Repaint();
}

void CScopeGroup::ShowWhole()
{
	const CCalibratedScope* pReference = Reference();
	if (pReference != nullptr)
		ApplyWindow(pReference->WholeTimeWindow());
	Repaint();
}

BOOL CScopeGroup::PlaceCursor(CCalibratedScope* pScope, CPoint ptClient, BOOL bSecond)
{
	double t = 0.0;
	if (pScope == nullptr || !pScope->TimeAtClientX(ptClient.x, t))
		return FALSE;
	(bSecond ? m_bCursorB : m_bCursorA) = TRUE;
	(bSecond ? m_dCursorB : m_dCursorA) = t;
	m_pCursorScope = pScope;
	ApplyCursors();
	Repaint();
	return TRUE;
}

void CScopeGroup::ClearCursors()
{
	DropCursors();
	Repaint();
}

void CScopeGroup::DropCursors()
{
	m_bCursorA = FALSE;
	m_bCursorB = FALSE;
	m_pCursorScope = nullptr;
	ApplyCursors();
}

BOOL CScopeGroup::HasCursors() const
{
	return m_bCursorA || m_bCursorB;
}

CString CScopeGroup::HoverText(CCalibratedScope* pScope, CPoint ptClient) const
{
	double t = 0.0;
	double v = 0.0;
	if (pScope == nullptr || !pScope->TimeAtClientX(ptClient.x, t) || !pScope->ValueAtTime(t, v))
		return CString();
	CString text("t = ");
	text += FormatMeasure(t, "s");
	text += "   ";
	text += pScope->GetName();
	text += " = ";
	text += FormatMeasure(v, "V");
	return text;
}

CString CScopeGroup::CursorText() const
{
	CString text;
	const struct
	{
		BOOL bPlaced;
		double dTime;
		const char* lpszLabel;
	} cursors[] = { { m_bCursorA, m_dCursorA, "A: " }, { m_bCursorB, m_dCursorB, "B: " } };
	for (const auto& cursor : cursors)
	{
		if (!cursor.bPlaced)
			continue;
		if (!text.IsEmpty())
			text += "  ";
		text += cursor.lpszLabel;
		text += FormatMeasure(cursor.dTime, "s");
		double v = 0.0;
		if (m_pCursorScope != nullptr && m_pCursorScope->ValueAtTime(cursor.dTime, v))
		{
			text += " (";
			text += FormatMeasure(v, "V");
			text += ")";
		}
	}
	double dFrequency = 0.0;
	if (m_bCursorA && m_bCursorB)
	{
		text += "  ";
		text += DELTA_T;
		text += " = ";
		text += FormatMeasure(m_dCursorB - m_dCursorA, "s");
		if (ScopeCursorFrequency(m_dCursorA, m_dCursorB, dFrequency))
		{
			text += "  1/";
			text += DELTA_T;
			text += " = ";
			text += FormatMeasure(dFrequency, "Hz");
		}
	}
	return text;
}

CCalibratedScope* CScopeGroup::ScopeAt(CWnd* pParent, CPoint ptParentClient) const
{
	for (CCalibratedScope* pScope : m_aScopes)
	{
		if (pScope->GetSafeHwnd() == nullptr || !pScope->IsWindowVisible())
			continue;
		CRect rcWindow;
		pScope->GetWindowRect(&rcWindow);
		if (pParent != nullptr)
			pParent->ScreenToClient(&rcWindow);
		if (rcWindow.PtInRect(ptParentClient))
			return pScope;
	}
	return nullptr;
}
