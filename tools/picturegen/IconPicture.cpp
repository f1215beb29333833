// The application icon: a small oscilloscope showing an amplitude-modulated trace, at 32 and 16
// pixels for the program's icon resource and at the icon theme's sizes up to 256, with soft edges
// in the alpha channel.
#include "tools/picturegen/Pictures.h"
#include "tools/picturegen/PictureFiles.h"
#include "tools/picturegen/Raster.h"

#include <cmath>

namespace
{
	constexpr double PI = 3.14159265358979323846;

	const Colour s_outline = Rgb(40, 44, 52);
	const Colour s_bezelTop = Rgb(214, 218, 226);
	const Colour s_bezelBottom = Rgb(118, 124, 138);
	const Colour s_screenTop = Rgb(14, 46, 30);
	const Colour s_screenBottom = Rgb(2, 14, 8);
	const Colour s_grid = Rgb(70, 170, 110);
	const Colour s_trace = Rgb(90, 255, 120);
	const Colour s_traceCore = Rgb(210, 255, 215);
	const Colour s_highlight = Rgb(255, 255, 255);
	const Colour s_shadow = Rgb(0, 0, 0);
	const Colour s_knob = Rgb(72, 78, 90);
	const Colour s_lamp = Rgb(120, 255, 140);

	// A line of about the given width that stays crisp: a whole number of pixels, centred on a
	// pixel's middle when odd and on a pixel edge when even.
	double SnapToPixels(double v, double dWidth)
	{
		return static_cast<int>(dWidth) % 2 == 1 ? std::floor(v) + 0.5 : std::floor(v + 0.5);
	}

	// The glass and the bevels catch light only where they span several pixels.
	void PaintLargeDetails(CCanvas& canvas, int nSize, double s, double x0, double y0, double x1, double y1)
	{
		CMask bevelTop(nSize, nSize);
		bevelTop.AddPolyline({{6.0 * s, 1.6 * s}, {26.0 * s, 1.6 * s}}, 0.5 * s);
		bevelTop.Blur(static_cast<int>(s / 4.0));
		canvas.Paint(bevelTop, s_highlight, 0.55);

		// The screen sits in a recess: a soft shadow all round it, darker below.
		CMask recess(nSize, nSize);
		recess.AddRoundRect(x0 - 0.6 * s, y0 - 0.4 * s, x1 + 0.6 * s, y1 + 0.9 * s, 3.5 * s);
		recess.Blur(static_cast<int>(s / 3.0));
		canvas.Paint(recess, s_shadow, 0.45);
		CMask lip(nSize, nSize);
		lip.AddRoundRect(x0 - 0.3 * s, y0 - 0.3 * s, x1 + 0.3 * s, y1 + 0.5 * s, 3.3 * s);
		canvas.PaintVerticalGradient(lip, Mix(s_bezelBottom, s_shadow, 0.5), s_bezelTop, y0, y1 + 0.5 * s);

		// Two knobs and a pilot lamp on the strip below the screen.
		const double cy = (y1 + 31.5 * s - 1.05 * s) / 2.0;
		for (double cx : {21.5 * s, 25.5 * s})
		{
			CMask knob(nSize, nSize);
			knob.AddDisc(cx, cy, 1.05 * s);
			canvas.Paint(knob, s_knob);
			CMask cap(nSize, nSize);
			cap.AddDisc(cx - 0.2 * s, cy - 0.25 * s, 0.65 * s);
			canvas.PaintVerticalGradient(cap, s_bezelTop, s_bezelBottom, cy - 0.9 * s, cy + 0.4 * s);
		}
		CMask lampGlow(nSize, nSize);
		lampGlow.AddDisc(7.0 * s, cy, 1.0 * s);
		lampGlow.Blur(static_cast<int>(s / 4.0));
		canvas.Paint(lampGlow, s_lamp, 0.45);
		CMask lamp(nSize, nSize);
		lamp.AddDisc(7.0 * s, cy, 0.55 * s);
		canvas.Paint(lamp, s_lamp);
	}

	// The divisions carry small ticks along the centre lines, as a real graticule does.
	void PaintTicks(CCanvas& canvas, int nSize, double s, double x0, double y0, double x1, double y1, double dWidth)
	{
		const double cx = SnapToPixels((x0 + x1) / 2.0, dWidth);
		const double cy = SnapToPixels((y0 + y1) / 2.0, dWidth);
		const double dTick = 0.45 * s;
		CMask ticks(nSize, nSize);
		for (int k = 1; k < 20; k++)
		{
			if (k % 5 == 0)
				continue;
			const double gx = SnapToPixels(x0 + (x1 - x0) * k / 20.0, dWidth);
			const double gy = SnapToPixels(y0 + (y1 - y0) * k / 20.0, dWidth);
			ticks.AddPolyline({{gx, cy - dTick}, {gx, cy + dTick}}, dWidth);
			ticks.AddPolyline({{cx - dTick, gy}, {cx + dTick, gy}}, dWidth);
		}
		canvas.Paint(ticks, s_grid, 0.4);
	}

	// A faint reflection across the upper left of the glass.
	void PaintGlare(CCanvas& canvas, const CMask& screen, double x0, double y0, double x1, double y1)
	{
		canvas.Paint(screen, [&](int x, int y) {
			const double u = (x + 0.5 - x0) / (x1 - x0);
			const double v = (y + 0.5 - y0) / (y1 - y0);
			const double d = u * 0.45 + v;
			Colour c = s_highlight;
			c.a = d < 0.42 ? 0.10 * (1.0 - d / 0.42) + 0.02 : 0.0;
			return c;
		});
	}

	// Sizes are laid out on the 32-pixel icon and scaled. The 16-pixel one has a wider screen and
	// a plain trace with fewer cycles and no grid or glow: at that size they would blur into a blot.
	// From 64 pixels up the bezel gets its bevels, knobs and lamp, the glass a reflection, and from
	// 128 up the graticule its ticks; lines there grow more slowly than the icon, or they would be
	// as coarse as the 32-pixel drawing enlarged.
	IconImage DrawIcon(int nSize)
	{
		const double s = nSize / 32.0;
		const bool bSmall = nSize < 32;
		const bool bLarge = nSize >= 64;
		// Pixel-sized details of the 32-pixel design, grown for the larger sizes.
		const double px = bSmall ? 1.0 : s;
		const double dLine = bSmall ? 1.0 : std::pow(s, 0.75);
		CCanvas canvas(nSize, nSize);

		CMask outline(nSize, nSize);
		outline.AddRoundRect(0.5 * s, 0.5 * s, 31.5 * s, 31.5 * s, 6.0 * s);
		canvas.Paint(outline, s_outline);

		CMask bezel(nSize, nSize);
		const double dRim = (bSmall ? 1.0 : 1.5) * px;
		bezel.AddRoundRect(0.5 * s + dRim * 0.7, 0.5 * s + dRim * 0.7, 31.5 * s - dRim * 0.7, 31.5 * s - dRim * 0.7, 5.0 * s);
		canvas.PaintVerticalGradient(bezel, s_bezelTop, s_bezelBottom, 0.0, nSize);

		const double x0 = bSmall ? 1.5 : 4.0 * s;
		const double x1 = nSize - x0;
		const double y0 = x0;
		const double y1 = bSmall ? nSize - 2.0 : nSize - 5.0 * s;
		if (bLarge)
			PaintLargeDetails(canvas, nSize, s, x0, y0, x1, y1);
		CMask screen(nSize, nSize);
		screen.AddRoundRect(x0, y0, x1, y1, (bSmall ? 1.5 : 3.0) * px);
		canvas.PaintVerticalGradient(screen, s_screenTop, s_screenBottom, y0, y1);

		const double cy = (y0 + y1) / 2.0;
		if (!bSmall)
		{
			const double dGrid = std::round(dLine * 0.8) < 1.0 ? 1.0 : std::round(dLine * 0.8);
			CMask grid(nSize, nSize);
			for (int k = 1; k < 4; k++)
			{
				const double gx = SnapToPixels(x0 + (x1 - x0) * k / 4.0, dGrid);
				const double gy = SnapToPixels(y0 + (y1 - y0) * k / 4.0, dGrid);
				grid.AddPolyline({{gx, y0 + px}, {gx, y1 - px}}, dGrid);
				grid.AddPolyline({{x0 + px, gy}, {x1 - px, gy}}, dGrid);
			}
			canvas.Paint(grid, s_grid, 0.28);
			if (nSize >= 128)
				PaintTicks(canvas, nSize, s, x0, y0, x1, y1, dGrid);
		}

		const double dLeft = x0 + (bSmall ? 1.0 : 2.0 * px);
		const double dRight = x1 - (bSmall ? 1.0 : 2.0 * px);
		const double dAmplitude = (y1 - y0) / 2.0 - (bSmall ? 1.5 : 3.0 * px);
		const double dCycles = bSmall ? 2.5 : 3.5;
		Polyline trace;
		for (double x = dLeft; x <= dRight; x += 0.25)
		{
			const double t = (x - dLeft) / (dRight - dLeft);
			const double dEnvelope = 0.62 - 0.38 * std::cos(2.0 * PI * t);
			trace.push_back(PointF{x, cy - dAmplitude * dEnvelope * std::sin(2.0 * PI * dCycles * t)});
		}
		CMask line(nSize, nSize);
		if (bSmall)
		{
			line.AddPolyline(trace, 1.0);
			canvas.Paint(line, s_trace);
		}
		else
		{
			CMask glow(nSize, nSize);
			glow.AddPolyline(trace, 2.0 * dLine);
			glow.Blur(static_cast<int>(std::lround(dLine)));
			canvas.Paint(glow, s_trace, 0.4);
			line.AddPolyline(trace, 1.4 * dLine);
			canvas.Paint(line, s_trace);
			CMask core(nSize, nSize);
			core.AddPolyline(trace, 0.6 * dLine);
			canvas.Paint(core, s_traceCore, 0.8);
		}
		if (bLarge)
			PaintGlare(canvas, screen, x0, y0, x1, y1);
		return IconImage{nSize, canvas.ToRgba()};
	}
}

bool WriteIconPicture(const std::string& path)
{
	return WriteIcon(path, {DrawIcon(32), DrawIcon(16)});
}

bool WriteIconPng(const std::string& path, int nSize)
{
	return WritePng(path, DrawIcon(nSize));
}
