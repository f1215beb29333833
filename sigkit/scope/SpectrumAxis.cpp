// The spectrum scope's frequency ticks and their labels.
#include "sigkit/scope/SpectrumAxis.h"

#include "sigkit/scope/ScopeScale.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace
{
	// Far enough outside any picture to be clipped, small enough for the drawing code's integers.
	constexpr double PIXEL_LIMIT = 1e6;
	// Steps are 1-2-5 multiples; a millionth of one tells a rounding error from a real remainder.
	constexpr double STEP_TOLERANCE = 1e-6;
	const struct
	{
		const char* lpszPrefix;
		double dFactor;
	} PREFIXES[] = { { "p", 1e-12 }, { "n", 1e-9 }, { "\xC2\xB5", 1e-6 }, { "m", 1e-3 }, { "k", 1e3 }, { "M", 1e6 },
		{ "G", 1e9 } };

	// The frequency a FormatMeasure text in Hz stands for, read back, NaN for a text it cannot give.
	double ReadHertz(const CString& strLabel)
	{
		std::string text = static_cast<LPCTSTR>(strLabel);
		const size_t nSpace = text.find(' ');
		std::string number = text.substr(0, nSpace);
		for (char& c : number)
			c = c == ',' ? '.' : c;
		char* pEnd = nullptr;
		const double dNumber = std::strtod(number.c_str(), &pEnd);
		if (pEnd == number.c_str() || *pEnd != '\0')
			return NAN;
		if (nSpace == std::string::npos)
			return dNumber;
		const std::string prefix = text.substr(nSpace + 1, text.size() - nSpace - 3);
		if (prefix.empty())
			return dNumber;
		for (const auto& entry : PREFIXES)
			if (prefix == entry.lpszPrefix)
				return dNumber * entry.dFactor;
		return NAN;
	}

	CString OffsetLabel(double dOffset)
	{
		const CString strOffset = FormatMeasure(dOffset, "Hz");
		return dOffset > 0.0 ? "+" + strOffset : strOffset;
	}

	// Absolute labels, unless one of them misreads its frequency or repeats its neighbour's.
	BOOL LabelAbsolute(SpectrumAxis& axis)
	{
		// One prefix for the whole axis, the one its largest frequency takes.
		double dLargest = 0.0;
		for (const SpectrumTick& tick : axis.ticks)
			dLargest = std::fmax(dLargest, std::fabs(tick.dFrequency));
		for (size_t i = 0; i < axis.ticks.size(); i++)
		{
			SpectrumTick& tick = axis.ticks[i];
			tick.strLabel = FormatMeasureLike(tick.dFrequency, dLargest, "Hz");
			if (!(std::fabs(ReadHertz(tick.strLabel) - tick.dFrequency) <= STEP_TOLERANCE * axis.dStep))
				return FALSE;
			if (i > 0 && tick.strLabel == axis.ticks[i - 1].strLabel)
				return FALSE;
		}
		return TRUE;
	}

	// Leaves out the labels that stick out of the axis; FALSE when two of those kept come closer
	// than nGap.
	BOOL PlaceLabels(SpectrumAxis& axis, int nWidth, int nGap, const std::function<int(const CString&)>& labelWidth)
	{
		int nPreviousRight = 0;
		BOOL bAny = FALSE;
		for (SpectrumTick& tick : axis.ticks)
		{
			const int nLabelWidth = labelWidth(tick.strLabel);
			tick.nLabelLeft = tick.nColumn - nLabelWidth / 2;
			if (tick.nLabelLeft < 0 || tick.nLabelLeft + nLabelWidth > nWidth)
			{
				tick.strLabel.Empty();
				continue;
			}
			if (bAny && tick.nLabelLeft < nPreviousRight + nGap)
				return FALSE;
			nPreviousRight = tick.nLabelLeft + nLabelWidth;
			bAny = TRUE;
		}
		return TRUE;
	}
}

int SpectrumColumn(double dOffset, double dHzPerPixel, int nWidth)
{
	const double dPixels = std::fmin(PIXEL_LIMIT, std::fabs(dOffset) / dHzPerPixel);
	const int nPixels = static_cast<int>(std::lround(dPixels));
	return nWidth / 2 + (dOffset < 0.0 ? -nPixels : nPixels);
}

double SpectrumNextStep(double dStep)
{
	if (!(dStep > 0.0) || !std::isfinite(dStep))
		return 0.0;
	const double dDecade = std::pow(10.0, std::floor(std::log10(dStep) + STEP_TOLERANCE));
	const double dMantissa = dStep / dDecade;
	return dMantissa > 1.5 && dMantissa < 3.0 ? dStep * 2.5 : dStep * 2.0;
}

SpectrumAxis SpectrumAxisTicks(double dCentre, double dHalfSpan, int nWidth, int nGap,
	const std::function<int(const CString&)>& labelWidth)
{
	SpectrumAxis axis = { 0.0, FALSE, {} };
	if (nWidth <= 0 || !(dHalfSpan > 0.0) || !std::isfinite(dHalfSpan) || !std::isfinite(dCentre))
		return axis;
	const double dHzPerPixel = 2.0 * dHalfSpan / nWidth;
	// Each larger step halves the labels at least, so the loop ends once one label is left.
	for (double dStep = ScopeDivision(dHzPerPixel); dStep > 0.0; dStep = SpectrumNextStep(dStep))
	{
		axis.dStep = dStep;
		axis.ticks.clear();
		const int nHalf = static_cast<int>(std::floor(dHalfSpan / dStep + STEP_TOLERANCE));
		for (int k = -nHalf; k <= nHalf; k++)
			axis.ticks.push_back({ dCentre + k * dStep, SpectrumColumn(k * dStep, dHzPerPixel, nWidth), CString(), 0 });
		axis.bOffsets = !LabelAbsolute(axis);
		if (axis.bOffsets)
			for (int k = -nHalf; k <= nHalf; k++)
				axis.ticks[k + nHalf].strLabel = k == 0 ? FormatMeasure(dCentre, "Hz") : OffsetLabel(k * dStep);
		if (PlaceLabels(axis, nWidth, nGap, labelWidth))
			break;
	}
	return axis;
}
