// Coverage masks drawn with anti-aliased strokes and shapes, and a canvas of colour that masks
// are painted onto: the whole drawing kit of the picture generator.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct PointF
{
	double x;
	double y;
};

using Polyline = std::vector<PointF>;

// Straight (not premultiplied) colour, each channel from 0 to 1.
struct Colour
{
	double r;
	double g;
	double b;
	double a;
};

Colour Rgb(int r, int g, int b);
Colour Mix(const Colour& from, const Colour& to, double t);

class CMask
{
public:
	CMask(int nWidth, int nHeight);

	double At(int x, int y) const { return m_coverage[static_cast<size_t>(y) * m_nWidth + x]; }

	// A single point strokes as a round dot of the pen's width.
	void AddPolyline(const Polyline& line, double dWidth);
	void AddPolylines(const std::vector<Polyline>& lines, double dWidth);
	void AddDisc(double cx, double cy, double dRadius);
	void AddRoundRect(double x0, double y0, double x1, double y1, double dRadius);
	void AddRect(int x0, int y0, int x1, int y1);
	void Blur(int nRadius);

private:
	void Cover(int x, int y, double dCoverage);
	void AddSegment(const PointF& a, const PointF& b, double dWidth);

	int m_nWidth;
	int m_nHeight;
	std::vector<double> m_coverage;
};

class CCanvas
{
public:
	CCanvas(int nWidth, int nHeight);

	// Composites the shade over the canvas, weighted by the mask and the opacity.
	void Paint(const CMask& mask, const std::function<Colour(int, int)>& shade, double dOpacity = 1.0);
	void Paint(const CMask& mask, const Colour& colour, double dOpacity = 1.0);
	void PaintVerticalGradient(const CMask& mask, const Colour& top, const Colour& bottom, double y0, double y1);

	Colour At(int x, int y) const;
	// Eight bits a channel, straight alpha, rows from the top.
	std::vector<uint8_t> ToRgba() const;

private:
	int m_nWidth;
	int m_nHeight;
	// Premultiplied, so that compositing onto transparency needs no division.
	std::vector<Colour> m_pixels;
};
