// Pixels for tests: a memory DC drawing into a bitmap, its pixels read back once with the
// questions tests ask of them, and the ink on a window's surface.
#pragma once

#include "framework/ui/gdi/Gdi.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/Wnd.h"

#include <ostream>
#include <vector>

// A memory DC drawing into a bitmap of a given size and colour.
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

	int Width() const
	{
		return m_nWidth;
	}

	// The bitmap's pixel, whatever the DC's origins and clipping; CLR_INVALID outside the bitmap.
	COLORREF Pixel(int x, int y) const
	{
		if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
			return CLR_INVALID;
		return Snapshot()[static_cast<size_t>(y * m_nWidth + x)];
	}

	// The smallest rectangle holding every pixel that differs from crBackground; empty when none does.
	CRect InkBounds(COLORREF crBackground) const;
	int CountPixels(COLORREF crColor) const;

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

// The pixels of a surface read once, with the questions the tests ask about an area of them.
class SurfacePixels
{
public:
	explicit SurfacePixels(const MemorySurface& surface);

	COLORREF At(int x, int y) const;
	// The smallest rectangle of the area holding every pixel other than crBack; empty when none.
	CRect Ink(const CRect& area, COLORREF crBack) const;
	// Runs of neighbouring columns of the area that hold ink, as the dots of "..." make three.
	int InkColumnRuns(const CRect& area, COLORREF crBack) const;
	// The number of pixels of crColor in column x of the area.
	int CountInColumn(int x, const CRect& area, COLORREF crColor) const;

private:
	std::vector<COLORREF> m_pixels;
	int m_nWidth;
};

// How many pixels of rect on the window's surface differ from crBackground once the window has
// painted what is pending: the ink of what it drew there. Controls draw on the button face.
int CountInk(CWnd* pWnd, const CRect& rect, COLORREF crBackground = GetSysColor(COLOR_BTNFACE));

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

inline void PrintTo(const CRect& rect, std::ostream* os)
{
	*os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}
