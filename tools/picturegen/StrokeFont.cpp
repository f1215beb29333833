// The glyph table: geometric letters built from straight lines and elliptic arcs.
#include "tools/picturegen/StrokeFont.h"

#include <cmath>
#include <map>

namespace
{
	constexpr double PI = 3.14159265358979323846;
	constexpr double X_HEIGHT = 7.0;
	constexpr double CAP_HEIGHT = 10.0;

	struct Glyph
	{
		double dWidth;
		std::vector<Polyline> strokes;
	};

	// Angles in degrees, counter-clockwise with y pointing up; the arc runs from the first to the second.
	Polyline Arc(double cx, double cy, double rx, double ry, double dFrom, double dTo)
	{
		const int nSteps = std::max(2, static_cast<int>(std::ceil(std::fabs(dTo - dFrom) / 6.0)));
		Polyline line;
		for (int i = 0; i <= nSteps; i++)
		{
			const double a = (dFrom + (dTo - dFrom) * i / nSteps) * PI / 180.0;
			line.push_back(PointF{cx + rx * std::cos(a), cy + ry * std::sin(a)});
		}
		return line;
	}

	Polyline Then(Polyline first, const Polyline& second)
	{
		first.insert(first.end(), second.begin(), second.end());
		return first;
	}

	// The bowl shared by o, a, d, g, c and e.
	Polyline Bowl(double dFrom = 0.0, double dTo = 360.0)
	{
		return Arc(3.5, 3.5, 3.5, 3.5, dFrom, dTo);
	}

	// The shoulder of n, h and m: from the stem up over the x-height and down to the baseline.
	Polyline Shoulder(double x, double dWidth)
	{
		const double r = dWidth / 2.0;
		return Then(Arc(x + r, X_HEIGHT - r - 0.4, r, r + 0.4, 180.0, 0.0), Polyline{{x + dWidth, 0.0}});
	}

	// An S from two stacked arcs; the lower bowl is a little wider so the letter stands steady.
	Polyline Ess(double dHeight, double dWidth)
	{
		const double ry = dHeight / 4.0;
		const double rxTop = dWidth / 2.0 - 0.25;
		const double rxBottom = dWidth / 2.0;
		const double cx = dWidth / 2.0;
		return Then(Arc(cx, 3.0 * ry, rxTop, ry, 20.0, 270.0), Arc(cx, ry, rxBottom, ry, 90.0, -160.0));
	}

	const std::map<char, Glyph>& Glyphs()
	{
		static const std::map<char, Glyph> s_glyphs = {
			{' ', {3.0, {}}},
			{'.', {0.0, {{{0.0, 0.0}}}}},
			{'0', {6.4, {Arc(3.2, 5.0, 3.2, 5.0, 0.0, 360.0)}}},
			{'2', {6.4, {Then(Arc(3.2, 6.9, 3.1, 3.1, 155.0, -35.0), Polyline{{0.0, 0.0}, {6.6, 0.0}})}}},
			{'A', {8.6, {{{0.0, 0.0}, {4.3, CAP_HEIGHT}, {8.6, 0.0}}, {{1.5, 3.4}, {7.1, 3.4}}}}},
			{'F', {5.8, {{{5.8, CAP_HEIGHT}, {0.0, CAP_HEIGHT}, {0.0, 0.0}}, {{0.0, 5.4}, {5.0, 5.4}}}}},
			{'M', {9.4, {{{0.0, 0.0}, {0.0, CAP_HEIGHT}, {4.7, 2.6}, {9.4, CAP_HEIGHT}, {9.4, 0.0}}}}},
			{'O', {10.0, {Arc(5.0, 5.0, 5.0, 5.0, 0.0, 360.0)}}},
			{'S', {6.8, {Ess(CAP_HEIGHT, 6.8)}}},
			{'V', {8.4, {{{0.0, CAP_HEIGHT}, {4.2, 0.0}, {8.4, CAP_HEIGHT}}}}},
			{'a', {7.0, {Bowl(), {{7.0, X_HEIGHT}, {7.0, 0.0}}}}},
			{'c', {6.4, {Bowl(45.0, 315.0)}}},
			{'d', {7.0, {Bowl(), {{7.0, CAP_HEIGHT}, {7.0, 0.0}}}}},
			{'e', {7.0, {Then(Polyline{{0.0, 3.5}, {7.0, 3.5}}, Bowl(0.0, 318.0))}}},
			{'g', {7.0, {Bowl(), Then(Polyline{{7.0, X_HEIGHT}, {7.0, -0.6}}, Arc(3.5, -0.6, 3.5, 2.4, 0.0, -155.0))}}},
			{'h', {6.4, {{{0.0, CAP_HEIGHT}, {0.0, 0.0}}, Shoulder(0.0, 6.4)}}},
			{'i', {0.0, {{{0.0, X_HEIGHT}, {0.0, 0.0}}, {{0.0, 9.4}}}}},
			{'l', {0.0, {{{0.0, CAP_HEIGHT}, {0.0, 0.0}}}}},
			{'m', {10.4, {{{0.0, X_HEIGHT}, {0.0, 0.0}}, Shoulder(0.0, 5.2), Shoulder(5.2, 5.2)}}},
			{'n', {6.4, {{{0.0, X_HEIGHT}, {0.0, 0.0}}, Shoulder(0.0, 6.4)}}},
			{'o', {7.0, {Bowl()}}},
			{'r', {4.2, {{{0.0, X_HEIGHT}, {0.0, 0.0}}, Arc(3.8, 3.2, 3.8, 3.8, 180.0, 75.0)}}},
			{'s', {5.6, {Ess(X_HEIGHT, 5.6)}}},
			{'t', {3.8, {Then(Polyline{{1.2, 9.4}}, Arc(3.4, 2.2, 2.2, 2.2, 180.0, 270.0)), {{0.0, X_HEIGHT}, {3.8, X_HEIGHT}}}}},
			{'u', {6.4, {Then(Polyline{{0.0, X_HEIGHT}}, Arc(3.2, 3.2, 3.2, 3.6, 180.0, 360.0)), {{6.4, X_HEIGHT}, {6.4, 0.0}}}}},
			{'v', {6.6, {{{0.0, X_HEIGHT}, {3.3, 0.0}, {6.6, X_HEIGHT}}}}},
			{'z', {5.8, {{{0.2, X_HEIGHT}, {5.8, X_HEIGHT}, {0.0, 0.0}, {5.8, 0.0}}}}},
		};
		return s_glyphs;
	}
}

double TextWidth(const std::string& text, double dTracking)
{
	double dWidth = 0.0;
	for (char c : text)
	{
		const auto it = Glyphs().find(c);
		if (it != Glyphs().end())
			dWidth += it->second.dWidth + dTracking;
	}
	// No space is owed after the last glyph.
	return text.empty() ? 0.0 : dWidth - dTracking;
}

std::vector<Polyline> TextStrokes(const std::string& text, double x, double dBaseline, double dScale, double dTracking)
{
	std::vector<Polyline> strokes;
	double dPen = 0.0;
	for (char c : text)
	{
		const auto it = Glyphs().find(c);
		if (it == Glyphs().end())
			continue;
		for (const Polyline& stroke : it->second.strokes)
		{
			Polyline placed;
			for (const PointF& p : stroke)
				placed.push_back(PointF{x + (dPen + p.x) * dScale, dBaseline - p.y * dScale});
			strokes.push_back(placed);
		}
		dPen += it->second.dWidth + dTracking;
	}
	return strokes;
}
