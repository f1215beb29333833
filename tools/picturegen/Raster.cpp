// Anti-aliased coverage from distances to the shapes' outlines, and premultiplied compositing.
#include "tools/picturegen/Raster.h"

#include <algorithm>
#include <cmath>

namespace
{
	double Clamp01(double v)
	{
		return std::min(1.0, std::max(0.0, v));
	}

	// A pixel is covered by the part of a one-pixel wide band around the edge that lies inside.
	double EdgeCoverage(double dSignedDistance)
	{
		return Clamp01(0.5 - dSignedDistance);
	}

	double DistanceToSegment(double px, double py, const PointF& a, const PointF& b)
	{
		const double dx = b.x - a.x;
		const double dy = b.y - a.y;
		const double dLength2 = dx * dx + dy * dy;
		double t = 0.0;
		if (dLength2 > 0.0)
			t = Clamp01(((px - a.x) * dx + (py - a.y) * dy) / dLength2);
		const double ex = px - (a.x + t * dx);
		const double ey = py - (a.y + t * dy);
		return std::sqrt(ex * ex + ey * ey);
	}

	uint8_t ToByte(double v)
	{
		return static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0));
	}
}

Colour Rgb(int r, int g, int b)
{
	return Colour{r / 255.0, g / 255.0, b / 255.0, 1.0};
}

Colour Mix(const Colour& from, const Colour& to, double t)
{
	t = Clamp01(t);
	return Colour{from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
		from.a + (to.a - from.a) * t};
}

CMask::CMask(int nWidth, int nHeight)
	: m_nWidth(nWidth), m_nHeight(nHeight), m_coverage(static_cast<size_t>(nWidth) * nHeight, 0.0)
{
}

void CMask::Cover(int x, int y, double dCoverage)
{
	if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
		return;
	double& dCell = m_coverage[static_cast<size_t>(y) * m_nWidth + x];
	// The union of shapes takes the largest coverage, so overlapping strokes do not darken.
	dCell = std::max(dCell, dCoverage);
}

void CMask::AddSegment(const PointF& a, const PointF& b, double dWidth)
{
	const double dHalf = dWidth / 2.0;
	const int x0 = static_cast<int>(std::floor(std::min(a.x, b.x) - dHalf - 1.0));
	const int x1 = static_cast<int>(std::ceil(std::max(a.x, b.x) + dHalf + 1.0));
	const int y0 = static_cast<int>(std::floor(std::min(a.y, b.y) - dHalf - 1.0));
	const int y1 = static_cast<int>(std::ceil(std::max(a.y, b.y) + dHalf + 1.0));
	for (int y = std::max(0, y0); y <= std::min(m_nHeight - 1, y1); y++)
	{
		for (int x = std::max(0, x0); x <= std::min(m_nWidth - 1, x1); x++)
		{
			const double d = DistanceToSegment(x + 0.5, y + 0.5, a, b);
			// A pen thinner than a pixel fades instead of thinning, so hairlines stay continuous.
			const double dCoverage = dWidth >= 1.0 ? EdgeCoverage(d - dHalf) : dWidth * Clamp01(1.0 - d);
			Cover(x, y, dCoverage);
		}
	}
}

void CMask::AddPolyline(const Polyline& line, double dWidth)
{
	if (line.size() == 1)
		AddSegment(line[0], line[0], dWidth);
	for (size_t i = 1; i < line.size(); i++)
		AddSegment(line[i - 1], line[i], dWidth);
}

void CMask::AddPolylines(const std::vector<Polyline>& lines, double dWidth)
{
	for (const Polyline& line : lines)
		AddPolyline(line, dWidth);
}

void CMask::AddDisc(double cx, double cy, double dRadius)
{
	for (int y = 0; y < m_nHeight; y++)
	{
		for (int x = 0; x < m_nWidth; x++)
		{
			const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) - dRadius;
			Cover(x, y, EdgeCoverage(d));
		}
	}
}

void CMask::AddRoundRect(double x0, double y0, double x1, double y1, double dRadius)
{
	const double cx = (x0 + x1) / 2.0;
	const double cy = (y0 + y1) / 2.0;
	const double hx = (x1 - x0) / 2.0 - dRadius;
	const double hy = (y1 - y0) / 2.0 - dRadius;
	for (int y = 0; y < m_nHeight; y++)
	{
		for (int x = 0; x < m_nWidth; x++)
		{
			const double qx = std::fabs(x + 0.5 - cx) - hx;
			const double qy = std::fabs(y + 0.5 - cy) - hy;
			const double dOutside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
			const double d = dOutside + std::min(std::max(qx, qy), 0.0) - dRadius;
			Cover(x, y, EdgeCoverage(d));
		}
	}
}

void CMask::AddRect(int x0, int y0, int x1, int y1)
{
	for (int y = y0; y < y1; y++)
	{
		for (int x = x0; x < x1; x++)
			Cover(x, y, 1.0);
	}
}

void CMask::Blur(int nRadius)
{
	if (nRadius <= 0)
		return;
	std::vector<double> scratch(m_coverage.size());
	const double dWindow = 2.0 * nRadius + 1.0;
	// Three box passes each way come close to a gaussian.
	for (int nPass = 0; nPass < 3; nPass++)
	{
		for (int y = 0; y < m_nHeight; y++)
		{
			for (int x = 0; x < m_nWidth; x++)
			{
				double dSum = 0.0;
				for (int k = -nRadius; k <= nRadius; k++)
				{
					const int sx = std::min(m_nWidth - 1, std::max(0, x + k));
					dSum += m_coverage[static_cast<size_t>(y) * m_nWidth + sx];
				}
				scratch[static_cast<size_t>(y) * m_nWidth + x] = dSum / dWindow;
			}
		}
		for (int y = 0; y < m_nHeight; y++)
		{
			for (int x = 0; x < m_nWidth; x++)
			{
				double dSum = 0.0;
				for (int k = -nRadius; k <= nRadius; k++)
				{
					const int sy = std::min(m_nHeight - 1, std::max(0, y + k));
					dSum += scratch[static_cast<size_t>(sy) * m_nWidth + x];
				}
				m_coverage[static_cast<size_t>(y) * m_nWidth + x] = dSum / dWindow;
			}
		}
	}
}

CCanvas::CCanvas(int nWidth, int nHeight)
	: m_nWidth(nWidth), m_nHeight(nHeight), m_pixels(static_cast<size_t>(nWidth) * nHeight, Colour{0, 0, 0, 0})
{
}

void CCanvas::Paint(const CMask& mask, const std::function<Colour(int, int)>& shade, double dOpacity)
{
	for (int y = 0; y < m_nHeight; y++)
	{
		for (int x = 0; x < m_nWidth; x++)
		{
			const double dCoverage = mask.At(x, y) * dOpacity;
			if (dCoverage <= 0.0)
				continue;
			const Colour source = shade(x, y);
			const double a = source.a * dCoverage;
			Colour& target = m_pixels[static_cast<size_t>(y) * m_nWidth + x];
			target.r = source.r * a + target.r * (1.0 - a);
			target.g = source.g * a + target.g * (1.0 - a);
			target.b = source.b * a + target.b * (1.0 - a);
			target.a = a + target.a * (1.0 - a);
		}
	}
}

void CCanvas::Paint(const CMask& mask, const Colour& colour, double dOpacity)
{
	Paint(mask, [&colour](int, int) { return colour; }, dOpacity);
}

void CCanvas::PaintVerticalGradient(const CMask& mask, const Colour& top, const Colour& bottom, double y0, double y1)
{
	Paint(mask, [&](int, int y) { return Mix(top, bottom, (y + 0.5 - y0) / (y1 - y0)); });
}

Colour CCanvas::At(int x, int y) const
{
	const Colour& p = m_pixels[static_cast<size_t>(y) * m_nWidth + x];
	if (p.a <= 0.0)
		return Colour{0, 0, 0, 0};
	return Colour{p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

std::vector<uint8_t> CCanvas::ToRgba() const
{
	std::vector<uint8_t> bytes;
	bytes.reserve(m_pixels.size() * 4);
	for (int y = 0; y < m_nHeight; y++)
	{
		for (int x = 0; x < m_nWidth; x++)
		{
			const Colour c = At(x, y);
			bytes.push_back(ToByte(c.r));
			bytes.push_back(ToByte(c.g));
			bytes.push_back(ToByte(c.b));
			bytes.push_back(ToByte(c.a));
		}
	}
	return bytes;
}
