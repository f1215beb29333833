// The application icon: a small oscilloscope showing an amplitude-modulated trace, at 32 and 16
// pixels, with soft edges in the alpha channel.
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

	// Sizes are laid out on the 32-pixel icon and scaled. The 16-pixel one has a wider screen and
	// a plain trace with fewer cycles and no grid or glow: at that size they would blur into a blot.
	IconImage DrawIcon(int nSize)
	{
		const double s = nSize / 32.0;
		const bool bSmall = nSize < 32;
		CCanvas canvas(nSize, nSize);

		CMask outline(nSize, nSize);
		outline.AddRoundRect(0.5 * s, 0.5 * s, 31.5 * s, 31.5 * s, 6.0 * s);
		canvas.Paint(outline, s_outline);

		CMask bezel(nSize, nSize);
		const double dRim = bSmall ? 1.0 : 1.5;
		bezel.AddRoundRect(0.5 * s + dRim * 0.7, 0.5 * s + dRim * 0.7, 31.5 * s - dRim * 0.7, 31.5 * s - dRim * 0.7, 5.0 * s);
		canvas.PaintVerticalGradient(bezel, s_bezelTop, s_bezelBottom, 0.0, nSize);

		const double x0 = bSmall ? 1.5 : 4.0;
		const double x1 = nSize - x0;
		const double y0 = x0;
		const double y1 = bSmall ? nSize - 2.0 : nSize - 5.0;
		CMask screen(nSize, nSize);
		screen.AddRoundRect(x0, y0, x1, y1, bSmall ? 1.5 : 3.0);
		canvas.PaintVerticalGradient(screen, s_screenTop, s_screenBottom, y0, y1);

		const double cy = (y0 + y1) / 2.0;
		if (!bSmall)
		{
			CMask grid(nSize, nSize);
			for (int k = 1; k < 4; k++)
			{
				const double gx = std::floor(x0 + (x1 - x0) * k / 4.0) + 0.5;
				const double gy = std::floor(y0 + (y1 - y0) * k / 4.0) + 0.5;
				grid.AddPolyline({{gx, y0 + 1.0}, {gx, y1 - 1.0}}, 1.0);
				grid.AddPolyline({{x0 + 1.0, gy}, {x1 - 1.0, gy}}, 1.0);
			}
			canvas.Paint(grid, s_grid, 0.28);
		}

		const double dLeft = x0 + (bSmall ? 1.0 : 2.0);
		const double dRight = x1 - (bSmall ? 1.0 : 2.0);
		const double dAmplitude = (y1 - y0) / 2.0 - (bSmall ? 1.5 : 3.0);
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
			glow.AddPolyline(trace, 2.0);
			glow.Blur(1);
			canvas.Paint(glow, s_trace, 0.4);
			line.AddPolyline(trace, 1.4);
			canvas.Paint(line, s_trace);
			CMask core(nSize, nSize);
			core.AddPolyline(trace, 0.6);
			canvas.Paint(core, s_traceCore, 0.8);
		}
		return IconImage{nSize, canvas.ToRgba()};
	}
}

bool WriteIconPicture(const std::string& path)
{
	return WriteIcon(path, {DrawIcon(32), DrawIcon(16)});
}
