// Reading back what was drawn: into a memory surface, or on a window's surface.
#include "tests/support/Surfaces.h"

#include "framework/ui/testing/SurfaceAccess.h"

#include <algorithm>

CRect MemorySurface::InkBounds(COLORREF crBackground) const
{
	return SurfacePixels(*this).Ink(CRect(0, 0, m_nWidth, m_nHeight), crBackground);
}

int MemorySurface::CountPixels(COLORREF crColor) const
{
	std::vector<COLORREF> pixels = Snapshot();
	return static_cast<int>(std::count(pixels.begin(), pixels.end(), crColor));
}

SurfacePixels::SurfacePixels(const MemorySurface& surface)
	: m_pixels(surface.Snapshot()), m_nWidth(surface.Width())
{
}

COLORREF SurfacePixels::At(int x, int y) const
{
	return m_pixels[static_cast<size_t>(y * m_nWidth + x)];
}

CRect SurfacePixels::Ink(const CRect& area, COLORREF crBack) const
{
	CRect ink(0, 0, 0, 0);
	for (int y = area.top; y < area.bottom; ++y)
	{
		for (int x = area.left; x < area.right; ++x)
		{
			if (At(x, y) == crBack)
				continue;
			const CRect pixel(x, y, x + 1, y + 1);
			if (ink.IsRectEmpty())
				ink = pixel;
			else
				ink.UnionRect(&ink, &pixel);
		}
	}
	return ink;
}

int SurfacePixels::InkColumnRuns(const CRect& area, COLORREF crBack) const
{
	int nRuns = 0;
	bool bInRun = false;
	for (int x = area.left; x < area.right; ++x)
	{
		bool bInk = false;
		for (int y = area.top; y < area.bottom && !bInk; ++y)
			bInk = At(x, y) != crBack;
		nRuns += bInk && !bInRun ? 1 : 0;
		bInRun = bInk;
	}
	return nRuns;
}

int SurfacePixels::CountInColumn(int x, const CRect& area, COLORREF crColor) const
{
	int nCount = 0;
	for (int y = area.top; y < area.bottom; ++y)
		nCount += At(x, y) == crColor ? 1 : 0;
	return nCount;
}

int CountInk(CWnd* pWnd, const CRect& rect, COLORREF crBackground)
{
	pWnd->UpdateWindow();
	int nCount = 0;
	for (int y = rect.top; y < rect.bottom; ++y)
	{
		for (int x = rect.left; x < rect.right; ++x)
			nCount += GetSurfacePixel(pWnd, x, y) != crBackground ? 1 : 0;
	}
	return nCount;
}
