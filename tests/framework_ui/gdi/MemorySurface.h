// A memory DC drawing into a bitmap of a given size and colour, with the pixel questions the
// GDI tests ask of it.
#pragma once

#include "framework/ui/gdi/Gdi.h"

#include <algorithm>
#include <ostream>
#include <vector>

class MemorySurface
{
public:
	MemorySurface(int nWidth, int nHeight, COLORREF crFill = RGB(255, 255, 255))
		: m_nWidth(nWidth), m_nHeight(nHeight)
	{
		m_dc.CreateCompatibleDC(nullptr);
		m_bitmap.CreateCompatibleBitmap(&m_dc, nWidth, nHeight);
		m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
		m_dc.FillSolidRect(0, 0, nWidth, nHeight, crFill);
		m_dc.SetBkColor(RGB(255, 255, 255));
	}

	~MemorySurface()
	{
		m_dc.SelectObject(m_pOldBitmap);
	}

	CDC& Dc()
	{
		return m_dc;
	}

	CBitmap& Bitmap()
	{
		return m_bitmap;
	}

	// The bitmap's pixel, whatever the DC's origins and clipping; CLR_INVALID outside the bitmap.
	COLORREF Pixel(int x, int y) const
	{
		if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
			return CLR_INVALID;
		return Snapshot()[static_cast<size_t>(y * m_nWidth + x)];
	}

	// The smallest rectangle holding every pixel that differs from crBackground; empty when none does.
	CRect InkBounds(COLORREF crBackground) const
	{
		std::vector<COLORREF> pixels = Snapshot();
		CRect bounds(0, 0, 0, 0);
		for (int y = 0; y < m_nHeight; ++y)
		{
			for (int x = 0; x < m_nWidth; ++x)
			{
				if (pixels[static_cast<size_t>(y * m_nWidth + x)] == crBackground)
					continue;
				CRect pixel(x, y, x + 1, y + 1);
				if (bounds.IsRectEmpty())
					bounds = pixel;
				else
					bounds.UnionRect(&bounds, &pixel);
			}
		}
		return bounds;
	}

	int CountPixels(COLORREF crColor) const
	{
		std::vector<COLORREF> pixels = Snapshot();
		return static_cast<int>(std::count(pixels.begin(), pixels.end(), crColor));
	}

	// Every pixel of the bitmap, row by row from the top, read back as a 32-bit DIB.
	std::vector<COLORREF> Snapshot() const
	{
		BITMAPINFO info = {};
		info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
		info.bmiHeader.biWidth = m_nWidth;
		info.bmiHeader.biHeight = -m_nHeight;
		info.bmiHeader.biPlanes = 1;
		info.bmiHeader.biBitCount = 32;
		std::vector<BYTE> bits(static_cast<size_t>(m_nWidth * m_nHeight * 4));
		GetDIBits(m_dc.m_hDC, m_bitmap, 0, static_cast<UINT>(m_nHeight), bits.data(), &info, DIB_RGB_COLORS);
		std::vector<COLORREF> pixels;
		for (size_t i = 0; i < bits.size(); i += 4)
			pixels.push_back(RGB(bits[i + 2], bits[i + 1], bits[i]));
		return pixels;
	}

private:
	int m_nWidth;
	int m_nHeight;
	CDC m_dc;
	CBitmap m_bitmap;
	CBitmap* m_pOldBitmap;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

inline void PrintTo(const CRect& rect, std::ostream* os)
{
	*os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}
