// CSpectrumScope: a CEditScope that also keeps the spectral lines in hertz and volts and paints
// them calibrated: a frequency axis about the carrier, an amplitude scale and bars to point at.
#pragma once

#include "sigkit/scope/CalibratedScope.h"
#include "sigkit/scope/EditScope.h"

#include <vector>

class CFont;

struct SpectrumBar
{
	double frequency;	// Hz, absolute
	double amplitude;	// V, ≥ 0
	bool carrier;	// the carrier line (order 0 / "Portante"), drawn apart from side lines
};

constexpr COLORREF SPECTRUM_BAR_COLOR = RGB(0, 255, 0);
constexpr COLORREF SPECTRUM_CARRIER_COLOR = RGB(255, 200, 0);
constexpr COLORREF SPECTRUM_HIGHLIGHT_COLOR = RGB(255, 255, 255);

// The plain picture is still set up with CEditScope's own calls (scales, PlaySignal); the bars
// given here feed the calibrated picture and the pointing at lines in either.
class CSpectrumScope : public CEditScope
{
public:
	CSpectrumScope();

	// Off: CEditScope's picture, unchanged pixel for pixel.
	void SetCalibrated(BOOL bOn);
	BOOL IsCalibrated() const;

	// The frequency axis is centred on dCentre (the carrier) and spans dCentre ± dHalfSpan across
	// the display area; the amplitude scale runs from 0 to 1.2 × the highest amplitude (1 V when
	// all are 0). A highlight stays while its index names a line. Repaints.
	void SetBars(const std::vector<SpectrumBar>& bars, double dCentre, double dHalfSpan);
	int GetBarCount() const;

	// The bar under, or within a few pixels of, a client point, -1 for none; the nearest wins.
	int BarAtPoint(CPoint ptClient) const;
	// The client pixels a bar lights, empty for a bad index.
	CRect BarRect(int nBar) const;
	// One bar drawn highlighted (-1 none) in the calibrated picture; repaints it only on a change.
	void SetHighlightedBar(int nBar);
	int GetHighlightedBar() const;

	// The calibrated picture in any DC and rectangle (clipboard, printing), with text
	// nTextHeight pixels high; the screen uses SCOPE_SCREEN_TEXT_HEIGHT.
	void PaintPicture(CDC& dc, const CRect& rc, int nTextHeight);

protected:
	afx_msg void OnPaint();

	DECLARE_MESSAGE_MAP()

private:
	// Where the calibrated picture puts its parts in one rectangle, for one text height.
	struct Layout
	{
		CRect rcPlot;	// the bars' area; its bottom row is the frequency axis
		double dHzPerPixel;
		double dVoltsPerPixel;
		double dVoltStep;
		int nVoltSteps;	// grid lines above 0 V, -1 for no scale
		int nBarWidth;
		int nMinBarHeight;
		int nMargin;
		int nTickLength;
	};

	static void CreatePictureFont(CFont& font, int nTextHeight);

	CRect ClientRect() const;
	double TopAmplitude() const;
	int BarWidth(const Layout& layout) const;
	// dc has the picture's font selected: the amplitude labels' width sets the left margin.
	Layout LayoutFor(CDC& dc, const CRect& rc, int nTextHeight) const;
	Layout ClientLayout() const;
	int BarColumn(const Layout& layout, double dFrequency) const;
	CRect BarPixels(const Layout& layout, int nBar) const;
	// CEditScope's picture has one-pixel bars at the stored scales.
	CRect PlainBarPixels(int nBar) const;

	void PaintAmplitudeScale(CDC& dc, const Layout& layout, int nTextHeight) const;
	void PaintFrequencyAxis(CDC& dc, const Layout& layout) const;
	void PaintBars(CDC& dc, const Layout& layout) const;

	BOOL m_bCalibrated;
	std::vector<SpectrumBar> m_aBars;
	double m_dCentre;
	double m_dHalfSpan;
	int m_nHighlighted;
};
