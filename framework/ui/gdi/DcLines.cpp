// One-pixel solid lines written into a device's scan lines, pixel for pixel as the toolkit path
// lights them.
#include "framework/ui/gdi/DcLines.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace
{
	// One coordinate along a line of nSteps steps that moves nDistance in all: at step i it has
	// moved nDistance * i / nSteps rounded half away from zero, as Windows places a line's pixels.
	// Kept as a running remainder, without dividing at each pixel.
	class LineAxis
	{
	public:
		LineAxis(int nDistance, int nSteps)
			: m_nSign(nDistance < 0 ? -1 : 1)
			, m_nRemainder(nSteps)
			, m_nAdd(2 * static_cast<std::int64_t>(std::abs(nDistance)))
			, m_nDivisor(2 * static_cast<std::int64_t>(nSteps))
		{
		}

		int Offset() const
		{
			return m_nSign * m_nMoved;
		}

		void Step()
		{
			m_nRemainder += m_nAdd;
			if (m_nRemainder >= m_nDivisor)
			{
				m_nRemainder -= m_nDivisor;
				++m_nMoved;
			}
		}

	private:
		int m_nSign;
		int m_nMoved = 0;
		std::int64_t m_nRemainder;
		std::int64_t m_nAdd;
		std::int64_t m_nDivisor;
	};

	class LineWriter
	{
	public:
		LineWriter(const DeviceScanLines& bits, const CRect* pClipRects, int nClipRects, COLORREF crColor)
			: m_bits(bits)
			, m_pClipRects(pClipRects)
			, m_nClipRects(nClipRects)
			, m_nPixel(0xFF000000u | (static_cast<std::uint32_t>(GetRValue(crColor)) << 16)
				  | (static_cast<std::uint32_t>(GetGValue(crColor)) << 8) | GetBValue(crColor))
		{
		}

		void Segment(const POINT& from, const POINT& to)
		{
			const int dx = to.x - from.x;
			const int dy = to.y - from.y;
			const int nSteps = std::max(std::abs(dx), std::abs(dy));
			if (nSteps == 0)
				return;
			// Plain arithmetic rather than CRect's: this runs for every segment of every trace.
			const int nLeft = std::min(from.x, to.x);
			const int nTop = std::min(from.y, to.y);
			const int nRight = std::max(from.x, to.x) + 1;
			const int nBottom = std::max(from.y, to.y) + 1;
			const bool bOnDevice = nLeft >= 0 && nTop >= 0 && nRight <= m_bits.nWidth && nBottom <= m_bits.nHeight;
			bool bTouched = false;
			for (int i = 0; i < m_nClipRects; ++i)
			{
				const RECT& rc = m_pClipRects[i];
				if (rc.left >= nRight || rc.right <= nLeft || rc.top >= nBottom || rc.bottom <= nTop)
					continue;
				// Most segments lie inside one rectangle of the clipping: no pixel needs testing.
				if (bOnDevice && rc.left <= nLeft && rc.right >= nRight && rc.top <= nTop && rc.bottom >= nBottom)
				{
					Write<false>(from, dx, dy, nSteps);
					return;
				}
				bTouched = true;
			}
			if (bTouched)
				Write<true>(from, dx, dy, nSteps);
		}

	private:
		bool Visible(int x, int y) const
		{
			if (x < 0 || y < 0 || x >= m_bits.nWidth || y >= m_bits.nHeight)
				return false;
			for (int i = 0; i < m_nClipRects; ++i)
			{
				const RECT& rc = m_pClipRects[i];
				if (x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom)
					return true;
			}
			return false;
		}

		template <bool bClipped>
		void Write(const POINT& from, int dx, int dy, int nSteps)
		{
			LineAxis xAxis(dx, nSteps);
			LineAxis yAxis(dy, nSteps);
			for (int i = 0; i < nSteps; ++i)
			{
				const int x = from.x + xAxis.Offset();
				const int y = from.y + yAxis.Offset();
				if (!bClipped || Visible(x, y))
					m_bits.pFirst[static_cast<std::ptrdiff_t>(y) * m_bits.nStride + x] = m_nPixel;
				xAxis.Step();
				yAxis.Step();
			}
		}

		DeviceScanLines m_bits;
		const CRect* m_pClipRects;
		int m_nClipRects;
		std::uint32_t m_nPixel;
	};
}

bool DcWriteThinLines(const DrawTarget& target, const POINT* pPoints, int nPoints, bool bClosed, COLORREF crColor)
{
	const DeviceScanLines bits = AfxGetDriver().DevicePixels(target.pDevice);
	if (bits.pFirst == nullptr)
		return false;
	// Without clipping of its own a target reaches the whole device, which the writer keeps to anyway.
	const CRect rcDevice(0, 0, bits.nWidth, bits.nHeight);
	const CRect* pClipRects = target.pClip != nullptr ? target.pClip->Rects().data() : &rcDevice;
	const int nClipRects = target.pClip != nullptr ? target.pClip->RectCount() : 1;
	LineWriter writer(bits, pClipRects, nClipRects, crColor);
	const int nSegments = bClosed ? nPoints : nPoints - 1;
	for (int i = 0; i < nSegments; ++i)
	{
		const POINT& from = pPoints[i];
		const POINT& to = pPoints[(i + 1) % nPoints];
		writer.Segment(POINT { from.x + target.ptOrigin.x, from.y + target.ptOrigin.y },
			POINT { to.x + target.ptOrigin.x, to.y + target.ptOrigin.y });
	}
	return true;
}
