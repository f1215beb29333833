// CSpectrumScope's model: the lines in hertz and volts, where the calibrated picture lays them
// out, and which line a pointer position is on.
#include "sigkit/scope/SpectrumScope.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Font.h"
#include "sigkit/scope/ScopeGeometry.h"
#include "sigkit/scope/ScopePaint.h"
#include "sigkit/scope/ScopeScale.h"
#include "sigkit/scope/SpectrumAxis.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace
{
	double PreviousOneTwoFive(double dStep)
	{
		const double dDecade = std::pow(10.0, std::floor(std::log10(dStep) + 1e-9));
		const double dMantissa = dStep / dDecade;
		return dMantissa > 4.0 ? 2.0 * dDecade : dMantissa > 1.5 ? dDecade : 0.5 * dDecade;
	}

	// The scale's headroom over the highest line, as the plain picture has it.
	constexpr double TOP_PER_HIGHEST = 1.2;
	// At the screen's text height; a picture with taller text grows them with it.
	constexpr int TEXT_MARGIN = 3;
	constexpr int TICK_LENGTH = 4;
	constexpr int MIN_BAR_WIDTH = 3;
	constexpr int MAX_BAR_WIDTH = 12;
	constexpr int MIN_BAR_HEIGHT = 3;
	// Of the room between neighbouring lines, what a bar takes.
	constexpr double BAR_SHARE = 0.4;
	// How far from a bar a pointer still picks it.
	constexpr int HIT_SLACK = 4;

	int Scaled(int nPixels, double dScale)
	{
		return std::max(nPixels, static_cast<int>(std::lround(nPixels * dScale)));
	}
}

CSpectrumScope::CSpectrumScope()
	: m_bCalibrated(TRUE), m_dCentre(0.0), m_dHalfSpan(0.0), m_nHighlighted(-1)
{
}

void CSpectrumScope::SetCalibrated(BOOL bOn)
{
	if (m_bCalibrated == bOn)
		return;
	m_bCalibrated = bOn;
	if (GetSafeHwnd() != nullptr)
		Invalidate(FALSE);
}

BOOL CSpectrumScope::IsCalibrated() const
{
	return m_bCalibrated;
}

void CSpectrumScope::SetBars(const std::vector<SpectrumBar>& bars, double dCentre, double dHalfSpan)
{
	m_aBars = bars;
	m_dCentre = dCentre;
	m_dHalfSpan = dHalfSpan;
	// The lines are given again as the window is resized: the highlight stays while it names one.
	if (m_nHighlighted >= GetBarCount())
		m_nHighlighted = -1;
	if (GetSafeHwnd() != nullptr)
		Invalidate(FALSE);
}

int CSpectrumScope::GetBarCount() const
{
	return static_cast<int>(m_aBars.size());
}

int CSpectrumScope::BarAtPoint(CPoint ptClient) const
{
	const Layout layout = m_bCalibrated ? ClientLayout() : Layout{};
	int nBest = -1;
	int nBestDistance = HIT_SLACK + 1;
	int nBestOffCentre = INT_MAX;
	for (int i = 0; i < GetBarCount(); i++)
	{
		const CRect rc = m_bCalibrated ? BarPixels(layout, i) : PlainBarPixels(i);
		if (rc.IsRectEmpty())
			continue;
		const int dx = std::max({ rc.left - ptClient.x, ptClient.x - (rc.right - 1), 0 });
		const int dy = std::max({ rc.top - ptClient.y, ptClient.y - (rc.bottom - 1), 0 });
		const int nDistance = std::max(dx, dy);
		const int nOffCentre = std::abs(2 * ptClient.x - (rc.left + rc.right - 1));
		if (nDistance < nBestDistance || (nDistance == nBestDistance && nOffCentre < nBestOffCentre))
		{
			nBest = i;
			nBestDistance = nDistance;
			nBestOffCentre = nOffCentre;
		}
	}
	return nBest;
}

CRect CSpectrumScope::BarRect(int nBar) const
{
	if (nBar < 0 || nBar >= GetBarCount())
		return CRect(0, 0, 0, 0);
	return m_bCalibrated ? BarPixels(ClientLayout(), nBar) : PlainBarPixels(nBar);
}

void CSpectrumScope::SetHighlightedBar(int nBar)
{
	if (nBar < 0 || nBar >= GetBarCount())
		nBar = -1;
	if (nBar == m_nHighlighted)
		return;
	const int nOld = m_nHighlighted;
	m_nHighlighted = nBar;
	// The plain picture shows no highlight; the calibrated one changes only at the two bars.
	if (!m_bCalibrated || GetSafeHwnd() == nullptr)
		return;
	const Layout layout = ClientLayout();
	for (int i : { nOld, nBar })
	{
		if (i < 0)
			continue;
		const CRect rc = BarPixels(layout, i);
		InvalidateRect(&rc, FALSE);
	}
}

int CSpectrumScope::GetHighlightedBar() const
{
	return m_nHighlighted;
}

void CSpectrumScope::CreatePictureFont(CFont& font, int nTextHeight)
{
	font.CreateFont(nTextHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
}

CRect CSpectrumScope::ClientRect() const
{
	CRect rcClient(0, 0, 0, 0);
	if (GetSafeHwnd() != nullptr)
		GetClientRect(&rcClient);
	return rcClient;
}

double CSpectrumScope::TopAmplitude() const
{
	double dHighest = 0.0;
	for (const SpectrumBar& bar : m_aBars)
		dHighest = std::max(dHighest, bar.amplitude);
	return dHighest > 0.0 ? TOP_PER_HIGHEST * dHighest : 1.0;
}

CSpectrumScope::Layout CSpectrumScope::LayoutFor(CDC& dc, const CRect& rc, int nTextHeight) const
{
	const double dScale = static_cast<double>(nTextHeight) / SCOPE_SCREEN_TEXT_HEIGHT;
	Layout layout = {};
	layout.nMargin = Scaled(TEXT_MARGIN, dScale);
	layout.nTickLength = Scaled(TICK_LENGTH, dScale);
	layout.nMinBarHeight = Scaled(MIN_BAR_HEIGHT, dScale);
	// Half a text line above the top label's row, the ticks and a line of labels below the axis.
	const int nTop = rc.top + nTextHeight / 2 + layout.nMargin;
	const int nAxisRow = rc.bottom - layout.nMargin - nTextHeight - layout.nTickLength - 1;
	if (nAxisRow <= nTop)
		return layout;
	const double dTop = TopAmplitude();
	layout.dVoltsPerPixel = dTop / (nAxisRow - nTop);
	layout.dVoltStep = ScopeDivision(layout.dVoltsPerPixel * dScale);
	// A short scope still reads one value above 0: the step goes down the 1-2-5 sequence to it.
	while (layout.dVoltStep > 0.0 && dTop < layout.dVoltStep * (1.0 - 1e-9))
		layout.dVoltStep = PreviousOneTwoFive(layout.dVoltStep);
	// A step that divides the top exactly puts a line on it, rounding error or not.
	layout.nVoltSteps = layout.dVoltStep > 0.0 ? static_cast<int>(std::floor(dTop / layout.dVoltStep + 1e-9)) : -1;
	int nLabelWidth = 0;
	for (int k = 0; k <= layout.nVoltSteps; k++)
		nLabelWidth = std::max(nLabelWidth,
			static_cast<int>(dc.GetTextExtent(FormatMeasureLike(k * layout.dVoltStep, layout.nVoltSteps * layout.dVoltStep, "V")).cx));
	const CRect rcPlot(rc.left + nLabelWidth + 2 * layout.nMargin, nTop, rc.right - layout.nMargin, nAxisRow + 1);
	if (rcPlot.Width() <= 0 || !(m_dHalfSpan > 0.0))
		return layout;
	layout.rcPlot = rcPlot;
	layout.dHzPerPixel = 2.0 * m_dHalfSpan / rcPlot.Width();
	layout.nBarWidth = BarWidth(layout);
	return layout;
}

// A share of the closest two lines' distance, odd so that the bar centres on its column.
int CSpectrumScope::BarWidth(const Layout& layout) const
{
	const double dScale = layout.nMinBarHeight / static_cast<double>(MIN_BAR_HEIGHT);
	std::vector<int> columns;
	columns.reserve(m_aBars.size());
	for (const SpectrumBar& bar : m_aBars)
		columns.push_back(BarColumn(layout, bar.frequency));
	std::sort(columns.begin(), columns.end());
	int nClosest = INT_MAX;
	for (size_t i = 1; i < columns.size(); i++)
		if (columns[i] > columns[i - 1])
			nClosest = std::min(nClosest, columns[i] - columns[i - 1]);
	const int nWidest = Scaled(MAX_BAR_WIDTH, dScale);
	int nWidth = nClosest == INT_MAX ? nWidest : static_cast<int>(BAR_SHARE * nClosest);
	nWidth = std::max(MIN_BAR_WIDTH, std::min(nWidest, nWidth));
	return nWidth % 2 == 0 ? nWidth - 1 : nWidth;
}

CSpectrumScope::Layout CSpectrumScope::ClientLayout() const
{
	CDC dc;
	dc.CreateCompatibleDC(nullptr);
	CFont font;
	CreatePictureFont(font, SCOPE_SCREEN_TEXT_HEIGHT);
	CFont* pOldFont = dc.SelectObject(&font);
	const Layout layout = LayoutFor(dc, ClientRect(), SCOPE_SCREEN_TEXT_HEIGHT);
	dc.SelectObject(pOldFont);
	return layout;
}

int CSpectrumScope::BarColumn(const Layout& layout, double dFrequency) const
{
	return layout.rcPlot.left + SpectrumColumn(dFrequency - m_dCentre, layout.dHzPerPixel, layout.rcPlot.Width());
}

CRect CSpectrumScope::BarPixels(const Layout& layout, int nBar) const
{
	if (layout.rcPlot.IsRectEmpty() || nBar < 0 || nBar >= GetBarCount())
		return CRect(0, 0, 0, 0);
	const SpectrumBar& bar = m_aBars[static_cast<size_t>(nBar)];
	const int x = BarColumn(layout, bar.frequency);
	const int nAxisRow = layout.rcPlot.bottom - 1;
	const int nRows = static_cast<int>(std::lround(std::min(bar.amplitude / layout.dVoltsPerPixel, layout.rcPlot.Height() - 1.0)));
	const int nHeight = std::max(layout.nMinBarHeight, nRows);
	return CRect(x - layout.nBarWidth / 2, nAxisRow - nHeight, x + layout.nBarWidth / 2 + 1, nAxisRow);
}

CRect CSpectrumScope::PlainBarPixels(int nBar) const
{
	const SpectrumBar& bar = m_aBars[static_cast<size_t>(nBar)];
	const int x = m_nYAxis + ScopeRound((bar.frequency - m_dCentre) * m_dXScale);
	const int nRow = ScopeClampRow(m_nXAxis - ScopeRound(bar.amplitude * m_dYScale), ClientRect());
	// The bar runs from its row, left out, down to the axis row.
	return CRect(x, std::min(nRow + 1, m_nXAxis), x + 1, m_nXAxis + 1);
}
