// The start-up picture: the program's name over an oscilloscope showing an AM trace with its
// envelope and an FM trace, reduced to a 256-colour bitmap.
#include "tools/picturegen/Pictures.h"
#include "tools/picturegen/PictureFiles.h"
#include "tools/picturegen/Quantize.h"
#include "tools/picturegen/Raster.h"
#include "tools/picturegen/StrokeFont.h"

#include <cmath>

namespace
{
	constexpr double PI = 3.14159265358979323846;
	constexpr int WIDTH = 380;
	constexpr int HEIGHT = 320;

	// The screen: ten divisions across, six down, of 32 x 28 pixels.
	constexpr double SCREEN_LEFT = 30.0;
	constexpr double SCREEN_TOP = 120.0;
	constexpr double DIVISION_X = 32.0;
	constexpr double DIVISION_Y = 28.0;
	constexpr double SCREEN_RIGHT = SCREEN_LEFT + 10 * DIVISION_X;
	constexpr double SCREEN_BOTTOM = SCREEN_TOP + 6 * DIVISION_Y;

	const Colour s_backgroundTop = Rgb(22, 40, 82);
	const Colour s_backgroundBottom = Rgb(6, 10, 28);
	const Colour s_titleTop = Rgb(255, 255, 255);
	const Colour s_titleBottom = Rgb(160, 206, 255);
	const Colour s_titleGlow = Rgb(80, 150, 255);
	const Colour s_subtitle = Rgb(196, 214, 238);
	const Colour s_version = Rgb(130, 152, 190);
	const Colour s_bezelTop = Rgb(84, 92, 110);
	const Colour s_bezelBottom = Rgb(30, 34, 46);
	const Colour s_screenCentre = Rgb(8, 34, 24);
	const Colour s_screenEdge = Rgb(1, 8, 6);
	const Colour s_grid = Rgb(80, 180, 120);
	const Colour s_green = Rgb(70, 255, 120);
	const Colour s_greenCore = Rgb(200, 255, 210);
	const Colour s_amber = Rgb(255, 176, 48);
	const Colour s_amberCore = Rgb(255, 236, 190);

	struct TextLine
	{
		const char* szText;
		double dCapHeight;
		double dPen;
		double dTracking;
	};

	std::vector<Polyline> Centred(const TextLine& line, double dBaseline)
	{
		const double dScale = line.dCapHeight / 10.0;
		const double dWidth = TextWidth(line.szText, line.dTracking) * dScale;
		return TextStrokes(line.szText, (WIDTH - dWidth) / 2.0, dBaseline, dScale, line.dTracking);
	}

	std::vector<Polyline> Shifted(std::vector<Polyline> lines, double dx, double dy)
	{
		for (Polyline& line : lines)
		{
			for (PointF& p : line)
			{
				p.x += dx;
				p.y += dy;
			}
		}
		return lines;
	}

	void DrawBackground(CCanvas& canvas)
	{
		CMask all(WIDTH, HEIGHT);
		all.AddRect(0, 0, WIDTH, HEIGHT);
		canvas.PaintVerticalGradient(all, s_backgroundTop, s_backgroundBottom, 0.0, HEIGHT);
	}

	void DrawTitle(CCanvas& canvas)
	{
		const TextLine title = {"Ondivar", 50.0, 6.5, 3.0};
		const double dBaseline = 74.0;
		const std::vector<Polyline> strokes = Centred(title, dBaseline);

		CMask shadow(WIDTH, HEIGHT);
		shadow.AddPolylines(Shifted(strokes, 2.0, 3.0), title.dPen);
		shadow.Blur(2);
		canvas.Paint(shadow, Rgb(0, 0, 0), 0.7);

		CMask glow(WIDTH, HEIGHT);
		glow.AddPolylines(strokes, title.dPen + 2.0);
		glow.Blur(5);
		canvas.Paint(glow, s_titleGlow, 0.55);

		CMask letters(WIDTH, HEIGHT);
		letters.AddPolylines(strokes, title.dPen);
		canvas.PaintVerticalGradient(letters, s_titleTop, s_titleBottom, dBaseline - 50.0, dBaseline);

		const TextLine subtitle = {"Simulatore di modulazioni analogiche", 12.0, 1.5, 2.4};
		CMask words(WIDTH, HEIGHT);
		words.AddPolylines(Centred(subtitle, 102.0), subtitle.dPen);
		canvas.Paint(words, s_subtitle);
	}

	void DrawScope(CCanvas& canvas)
	{
		CMask bezel(WIDTH, HEIGHT);
		bezel.AddRoundRect(SCREEN_LEFT - 9.0, SCREEN_TOP - 9.0, SCREEN_RIGHT + 9.0, SCREEN_BOTTOM + 9.0, 12.0);
		canvas.PaintVerticalGradient(bezel, s_bezelTop, s_bezelBottom, SCREEN_TOP - 9.0, SCREEN_BOTTOM + 9.0);

		CMask screen(WIDTH, HEIGHT);
		screen.AddRoundRect(SCREEN_LEFT - 2.0, SCREEN_TOP - 2.0, SCREEN_RIGHT + 2.0, SCREEN_BOTTOM + 2.0, 7.0);
		const double cx = (SCREEN_LEFT + SCREEN_RIGHT) / 2.0;
		const double cy = (SCREEN_TOP + SCREEN_BOTTOM) / 2.0;
		// A phosphor screen is brightest in the middle and falls off towards its rim.
		canvas.Paint(screen, [cx, cy](int x, int y) {
			const double dx = (x + 0.5 - cx) / (SCREEN_RIGHT - SCREEN_LEFT);
			const double dy = (y + 0.5 - cy) / (SCREEN_BOTTOM - SCREEN_TOP);
			return Mix(s_screenCentre, s_screenEdge, 2.0 * std::sqrt(dx * dx + dy * dy));
		});

		CMask grid(WIDTH, HEIGHT);
		for (int k = 1; k < 10; k++)
			grid.AddPolyline({{SCREEN_LEFT + k * DIVISION_X + 0.5, SCREEN_TOP}, {SCREEN_LEFT + k * DIVISION_X + 0.5, SCREEN_BOTTOM}}, 1.0);
		for (int k = 1; k < 6; k++)
			grid.AddPolyline({{SCREEN_LEFT, SCREEN_TOP + k * DIVISION_Y + 0.5}, {SCREEN_RIGHT, SCREEN_TOP + k * DIVISION_Y + 0.5}}, 1.0);
		canvas.Paint(grid, s_grid, 0.16);

		CMask ticks(WIDTH, HEIGHT);
		const double dAxisY = SCREEN_TOP + 3 * DIVISION_Y + 0.5;
		const double dAxisX = SCREEN_LEFT + 5 * DIVISION_X + 0.5;
		for (double x = SCREEN_LEFT; x <= SCREEN_RIGHT; x += DIVISION_X / 5.0)
			ticks.AddPolyline({{x + 0.5, dAxisY - 2.0}, {x + 0.5, dAxisY + 2.0}}, 1.0);
		for (double y = SCREEN_TOP; y <= SCREEN_BOTTOM; y += DIVISION_Y / 5.0)
			ticks.AddPolyline({{dAxisX - 2.0, y + 0.5}, {dAxisX + 2.0, y + 0.5}}, 1.0);
		canvas.Paint(ticks, s_grid, 0.3);
	}

	// A trace glows on the phosphor around a sharp line with a pale core.
	void DrawTrace(CCanvas& canvas, const std::vector<Polyline>& lines, const Colour& colour, const Colour& core)
	{
		CMask glow(WIDTH, HEIGHT);
		glow.AddPolylines(lines, 3.0);
		glow.Blur(3);
		canvas.Paint(glow, colour, 0.6);
		CMask line(WIDTH, HEIGHT);
		line.AddPolylines(lines, 1.7);
		canvas.Paint(line, colour);
		CMask centre(WIDTH, HEIGHT);
		centre.AddPolylines(lines, 0.7);
		canvas.Paint(centre, core, 0.7);
	}

	void DrawLabel(CCanvas& canvas, const char* szText, double dBaseline, const Colour& colour)
	{
		const TextLine label = {szText, 8.0, 1.2, 2.2};
		CMask words(WIDTH, HEIGHT);
		words.AddPolylines(TextStrokes(label.szText, SCREEN_LEFT + 6.0, dBaseline, label.dCapHeight / 10.0, label.dTracking), label.dPen);
		canvas.Paint(words, colour, 0.8);
	}

	template <typename F>
	Polyline Curve(F y)
	{
		Polyline line;
		for (double x = SCREEN_LEFT + 4.0; x <= SCREEN_RIGHT - 4.0; x += 0.5)
			line.push_back(PointF{x, y((x - SCREEN_LEFT) / (SCREEN_RIGHT - SCREEN_LEFT))});
		return line;
	}

	void DrawTraces(CCanvas& canvas)
	{
		const double dAmY = SCREEN_TOP + 1.5 * DIVISION_Y;
		const double dAmAmplitude = 36.0;
		const double m = 0.7;
		auto envelope = [m](double t) { return (1.0 - m * std::cos(2.0 * PI * 1.5 * t)) / (1.0 + m); };

		// The envelope is dashed: short pieces of its curve with gaps between.
		std::vector<Polyline> dashes;
		for (double dSign : {-1.0, 1.0})
		{
			const Polyline edge = Curve([&](double t) { return dAmY - dSign * dAmAmplitude * envelope(t); });
			for (size_t i = 0; i + 8 < edge.size(); i += 14)
				dashes.push_back(Polyline(edge.begin() + static_cast<long>(i), edge.begin() + static_cast<long>(i) + 9));
		}
		CMask envelopeMask(WIDTH, HEIGHT);
		envelopeMask.AddPolylines(dashes, 1.0);
		canvas.Paint(envelopeMask, s_green, 0.55);

		DrawTrace(canvas, {Curve([&](double t) {
			return dAmY - dAmAmplitude * envelope(t) * std::sin(2.0 * PI * 16.0 * t);
		})}, s_green, s_greenCore);

		const double dFmY = SCREEN_TOP + 4.5 * DIVISION_Y;
		DrawTrace(canvas, {Curve([&](double t) {
			return dFmY - 26.0 * std::sin(2.0 * PI * 11.0 * t + 4.5 * std::sin(2.0 * PI * 1.5 * t));
		})}, s_amber, s_amberCore);

		DrawLabel(canvas, "AM", SCREEN_TOP + 12.0, s_green);
		DrawLabel(canvas, "FM", SCREEN_TOP + 3 * DIVISION_Y + 12.0, s_amber);
	}

	void DrawVersion(CCanvas& canvas)
	{
		const TextLine version = {"Versione 2.0", 9.0, 1.3, 2.4};
		const double dScale = version.dCapHeight / 10.0;
		const double dWidth = TextWidth(version.szText, version.dTracking) * dScale;
		CMask words(WIDTH, HEIGHT);
		words.AddPolylines(TextStrokes(version.szText, SCREEN_RIGHT + 4.0 - dWidth, 312.0, dScale, version.dTracking), version.dPen);
		canvas.Paint(words, s_version);
	}
}

bool WriteSplashPicture(const std::string& path)
{
	CCanvas canvas(WIDTH, HEIGHT);
	DrawBackground(canvas);
	DrawTitle(canvas);
	DrawScope(canvas);
	DrawTraces(canvas);
	DrawVersion(canvas);
	const IndexedPicture picture = Quantize(canvas.ToRgba(), 256);
	return WriteIndexedBmp(path, WIDTH, HEIGHT, 8, picture.palette, picture.indices);
}
