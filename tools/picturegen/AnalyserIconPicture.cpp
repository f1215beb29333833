// The analyser's icon: the same rounded instrument as Ondivar's, in blue, whose screen shows a
// square wave above the bars of its odd harmonics; at 32 and 16 pixels for the program's icon
// resource and at the icon theme's sizes up to 256.
#include "tools/picturegen/PictureFiles.h"
#include "tools/picturegen/Pictures.h"
#include "tools/picturegen/Raster.h"

#include <cmath>

namespace
{
	const Colour s_outline = Rgb(30, 36, 58);
	const Colour s_bezelTop = Rgb(204, 216, 240);
	const Colour s_bezelBottom = Rgb(88, 104, 150);
	const Colour s_screenTop = Rgb(20, 30, 62);
	const Colour s_screenBottom = Rgb(4, 8, 22);
	const Colour s_baseline = Rgb(90, 120, 190);
	const Colour s_barTop = Rgb(255, 220, 110);
	const Colour s_barBottom = Rgb(236, 120, 24);
	const Colour s_trace = Rgb(90, 255, 120);
	const Colour s_highlight = Rgb(255, 255, 255);
	const Colour s_shadow = Rgb(0, 0, 0);

	// The harmonics shown, each bar as high as 1 / k of the first.
	const int s_harmonics[] = {1, 3, 5, 7, 9};

	// A horizontal line of whole pixels centred on v: on a pixel's middle for odd widths.
	double Snap(double v, double dWidth)
	{
		return static_cast<int>(dWidth) % 2 == 1 ? std::floor(v) + 0.5 : std::floor(v + 0.5);
	}

	// The 16-pixel icon has four bars of whole pixels and no trace: at that size the wave and
	// the soft edges would blur into the bars. From 32 pixels up a square wave runs above the bars,
	// and from 64 the bezel catches the light and the screen sits in a recess.
	IconImage DrawAnalyserIcon(int nSize)
	{
		const double s = nSize / 32.0;
		const bool bSmall = nSize < 32;
		const bool bLarge = nSize >= 64;
		CCanvas canvas(nSize, nSize);

		CMask outline(nSize, nSize);
		outline.AddRoundRect(0.5 * s, 0.5 * s, 31.5 * s, 31.5 * s, 6.0 * s);
		canvas.Paint(outline, s_outline);
		CMask bezel(nSize, nSize);
		const double dRim = bSmall ? 0.7 : 1.05 * s;
		bezel.AddRoundRect(0.5 * s + dRim, 0.5 * s + dRim, 31.5 * s - dRim, 31.5 * s - dRim, 5.0 * s);
		canvas.PaintVerticalGradient(bezel, s_bezelTop, s_bezelBottom, 0.0, nSize);

		const double x0 = bSmall ? 2.0 : 4.0 * s;
		const double x1 = nSize - x0;
		const double y0 = x0;
		const double y1 = nSize - x0;
		if (bLarge)
		{
			CMask recess(nSize, nSize);
			recess.AddRoundRect(x0 - 0.6 * s, y0 - 0.4 * s, x1 + 0.6 * s, y1 + 0.9 * s, 3.5 * s);
			recess.Blur(static_cast<int>(s / 3.0));
			canvas.Paint(recess, s_shadow, 0.45);
			CMask shine(nSize, nSize);
			shine.AddPolyline({{6.0 * s, 1.6 * s}, {26.0 * s, 1.6 * s}}, 0.5 * s);
			shine.Blur(static_cast<int>(s / 4.0));
			canvas.Paint(shine, s_highlight, 0.55);
		}
		CMask screen(nSize, nSize);
		screen.AddRoundRect(x0, y0, x1, y1, bSmall ? 1.5 : 3.0 * s);
		canvas.PaintVerticalGradient(screen, s_screenTop, s_screenBottom, y0, y1);

		const double dLine = bSmall ? 1.0 : std::max(1.0, std::round(std::pow(s, 0.75)));
		const double dBase = Snap(y1 - (bSmall ? 2.0 : 3.5 * s), dLine);
		CMask baseline(nSize, nSize);
		baseline.AddPolyline({{x0 + (bSmall ? 1.0 : 2.0 * s), dBase}, {x1 - (bSmall ? 1.0 : 2.0 * s), dBase}}, dLine);
		canvas.Paint(baseline, s_baseline);

		// Bars of whole pixels standing on the baseline.
		const int nBars = bSmall ? 4 : 5;
		const double dLeft = x0 + (bSmall ? 1.0 : 3.0 * s);
		const double dRight = x1 - (bSmall ? 0.0 : 3.0 * s);
		const double dBarWidth = bSmall ? 2.0 : std::round(2.2 * s);
		const double dTallest = dBase - dLine / 2.0 - (bSmall ? y0 + 1.0 : y0 + 11.0 * s);
		for (int k = 0; k < nBars; k++)
		{
			const double xc = dLeft + (dRight - dLeft - dBarWidth) * k / (nBars - 1) + dBarWidth / 2.0;
			const int nLeft = static_cast<int>(std::lround(xc - dBarWidth / 2.0));
			const int nBottom = static_cast<int>(std::floor(dBase - dLine / 2.0));
			const int nTop = nBottom - static_cast<int>(std::lround(std::max(1.0, dTallest / s_harmonics[k])));
			CMask bar(nSize, nSize);
			bar.AddRect(nLeft, nTop, nLeft + static_cast<int>(dBarWidth), nBottom);
			canvas.PaintVerticalGradient(bar, s_barTop, s_barBottom, y0 + 11.0 * s, nBottom);
		}

		if (!bSmall)
		{
			// Two periods of the square wave whose harmonics stand below it.
			const double dTop = y0 + 3.0 * s;
			const double dBottom = y0 + 8.0 * s;
			const double dWaveLeft = x0 + 2.5 * s;
			const double dPeriod = (x1 - 2.5 * s - dWaveLeft) / 2.0;
			Polyline wave;
			for (int nPeriod = 0; nPeriod < 2; nPeriod++)
			{
				const double xs = dWaveLeft + nPeriod * dPeriod;
				wave.push_back({xs, dBottom});
				wave.push_back({xs, dTop});
				wave.push_back({xs + dPeriod / 2.0, dTop});
				wave.push_back({xs + dPeriod / 2.0, dBottom});
				wave.push_back({xs + dPeriod, dBottom});
			}
			CMask glow(nSize, nSize);
			glow.AddPolyline(wave, 2.0 * dLine);
			glow.Blur(static_cast<int>(std::lround(dLine)));
			canvas.Paint(glow, s_trace, 0.35);
			CMask trace(nSize, nSize);
			trace.AddPolyline(wave, 1.2 * dLine);
			canvas.Paint(trace, s_trace);
		}
		return IconImage{nSize, canvas.ToRgba()};
	}
}

bool WriteAnalyserIconPicture(const std::string& path)
{
	return WriteIcon(path, {DrawAnalyserIcon(32), DrawAnalyserIcon(16)});
}

bool WriteAnalyserIconPng(const std::string& path, int nSize)
{
	return WritePng(path, DrawAnalyserIcon(nSize));
}
