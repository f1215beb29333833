// CSpectrumScope's calibrated picture: the amplitude scale with its faint grid, the frequency
// axis with its ticks and labels, and the bars, the carrier and the highlighted one told apart.
#include "sigkit/scope/SpectrumScope.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/window/PaintDC.h"
#include "sigkit/scope/ScopePaint.h"
#include "sigkit/scope/ScopeScale.h"
#include "sigkit/scope/SpectrumAxis.h"

#include <cmath>

BEGIN_MESSAGE_MAP(CSpectrumScope, CEditScope)
	ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
	constexpr COLORREF LABEL_COLOR = RGB(220, 220, 220);
	constexpr COLORREF AXIS_COLOR = RGB(160, 160, 160);
	// Fainter than the plain picture's grid, so the bars stand out from it.
	constexpr COLORREF FAINT_GRID_COLOR = RGB(0, 72, 0);
}

// Before any lines there is nothing to calibrate: the scope shows its own picture. The surface
// behind CPaintDC is the buffer, copied to the screen once painted.
void CSpectrumScope::OnPaint()
{
	if (!m_bCalibrated || m_aBars.empty())
	{
		CEditScope::OnPaint();
		return;
	}
	CPaintDC dc(this);
	PaintPicture(dc, ClientRect(), SCOPE_SCREEN_TEXT_HEIGHT);
}

void CSpectrumScope::PaintPicture(CDC& dc, const CRect& rc, int nTextHeight)
{
	dc.FillSolidRect(&rc, SCOPE_BACKGROUND_COLOR);
	if (rc.Width() <= 0 || rc.Height() <= 0)
		return;
	const int nSaved = dc.SaveDC();
	dc.IntersectClipRect(&rc);
	CFont font;
	CreatePictureFont(font, nTextHeight);
	CFont* pOldFont = dc.SelectObject(&font);
	dc.SetBkMode(TRANSPARENT);
	dc.SetTextColor(LABEL_COLOR);
	const Layout layout = LayoutFor(dc, rc, nTextHeight);
	if (!layout.rcPlot.IsRectEmpty())
	{
		PaintAmplitudeScale(dc, layout, nTextHeight);
		PaintFrequencyAxis(dc, layout);
		PaintBars(dc, layout);
	}
	dc.SelectObject(pOldFont);
	dc.RestoreDC(nSaved);
}

void CSpectrumScope::PaintAmplitudeScale(CDC& dc, const Layout& layout, int nTextHeight) const
{
	const CRect& rcPlot = layout.rcPlot;
	const int nAxisRow = rcPlot.bottom - 1;
	for (int k = 0; k <= layout.nVoltSteps; k++)
	{
		const double dVolts = k * layout.dVoltStep;
		const int y = nAxisRow - static_cast<int>(std::lround(dVolts / layout.dVoltsPerPixel));
		if (k > 0)
			dc.FillSolidRect(rcPlot.left, y, rcPlot.Width(), 1, FAINT_GRID_COLOR);
		const CString strLabel = FormatMeasureLike(dVolts, layout.nVoltSteps * layout.dVoltStep, "V");
		const int nWidth = dc.GetTextExtent(strLabel).cx;
		dc.TextOut(rcPlot.left - layout.nMargin - nWidth, y - nTextHeight / 2, strLabel);
	}
}

void CSpectrumScope::PaintFrequencyAxis(CDC& dc, const Layout& layout) const
{
	const CRect& rcPlot = layout.rcPlot;
	const int nAxisRow = rcPlot.bottom - 1;
	const SpectrumAxis axis = SpectrumAxisTicks(m_dCentre, m_dHalfSpan, rcPlot.Width(), dc.GetTextExtent(CString("0")).cx,
		[&dc](const CString& strLabel) { return static_cast<int>(dc.GetTextExtent(strLabel).cx); });
	for (const SpectrumTick& tick : axis.ticks)
	{
		const int x = rcPlot.left + tick.nColumn;
		dc.FillSolidRect(x, rcPlot.top, 1, rcPlot.Height() - 1, FAINT_GRID_COLOR);
		dc.FillSolidRect(x, nAxisRow + 1, 1, layout.nTickLength, AXIS_COLOR);
		if (!tick.strLabel.IsEmpty())
			dc.TextOut(rcPlot.left + tick.nLabelLeft, nAxisRow + 1 + layout.nTickLength, tick.strLabel);
	}
	dc.FillSolidRect(rcPlot.left, nAxisRow, rcPlot.Width(), 1, AXIS_COLOR);
}

// Side lines first, then the carrier and the highlighted bar over any neighbour they touch; a
// bar reaching past the plot's sides is cut there, clear of the amplitude labels.
void CSpectrumScope::PaintBars(CDC& dc, const Layout& layout) const
{
	auto Fill = [&](int nBar, COLORREF color) {
		CRect rc;
		const CRect rcBar = BarPixels(layout, nBar);
		if (rc.IntersectRect(&rcBar, &layout.rcPlot))
			dc.FillSolidRect(&rc, color);
	};
	for (int nPass = 0; nPass < 2; nPass++)
		for (int i = 0; i < GetBarCount(); i++)
			if (m_aBars[static_cast<size_t>(i)].carrier == (nPass == 1) && i != m_nHighlighted)
				Fill(i, nPass == 1 ? SPECTRUM_CARRIER_COLOR : SPECTRUM_BAR_COLOR);
	if (m_nHighlighted >= 0)
		Fill(m_nHighlighted, SPECTRUM_HIGHLIGHT_COLOR);
}
