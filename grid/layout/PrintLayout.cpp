// Print pagination: the printable size in screen pixels, the printer scales, and the column pages
// and row bands of a block of cells.
#include "grid/layout/PrintLayout.h"

namespace
{
	// Screen pixels a printed millimetre stands for, across and down.
	constexpr double SCREEN_PIXELS_PER_MM_ACROSS = 3.79;
	constexpr double SCREEN_PIXELS_PER_MM_DOWN = 3.78;

	int PrintableMillimetres(int nSize, int nMarginA, int nMarginB)
	{
		return nSize - nMarginA - nMarginB;
	}

	double PixelsPerMillimetre(int nRes, int nSize)
	{
		return nSize > 0 ? static_cast<double>(nRes) / nSize : 0.0;
	}

	double Scale(int nRes, int nSize, int nPrintableMm, double dScreenPerMm)
	{
		const int nScreen = static_cast<int>(nPrintableMm * dScreenPerMm);
		if (nSize <= 0 || nPrintableMm <= 0 || nScreen <= 0)
			return 0.0;
		return PixelsPerMillimetre(nRes, nSize) * nPrintableMm / nScreen;
	}
}

CSize GridPrintableScreenSize(const GridPrintDevice& device, const GridPrintMargins& margins, int nSideHeadingWidth,
	int nTopHeadingHeight)
{
	const int nWidthMm = PrintableMillimetres(device.nHorzSize, margins.nLeft, margins.nRight);
	const int nHeightMm = PrintableMillimetres(device.nVertSize, margins.nTop, margins.nBottom);
	const int nWidth = static_cast<int>(nWidthMm * SCREEN_PIXELS_PER_MM_ACROSS);
	const int nHeight = static_cast<int>(nHeightMm * SCREEN_PIXELS_PER_MM_DOWN);
	return CSize(nWidth - nSideHeadingWidth, nHeight - nTopHeadingHeight);
}

GridPrintScale GridPrintScaleFor(const GridPrintDevice& device, const GridPrintMargins& margins)
{
	const int nWidthMm = PrintableMillimetres(device.nHorzSize, margins.nLeft, margins.nRight);
	const int nHeightMm = PrintableMillimetres(device.nVertSize, margins.nTop, margins.nBottom);
	const double dAcross = PixelsPerMillimetre(device.nHorzRes, device.nHorzSize);
	const double dDown = PixelsPerMillimetre(device.nVertRes, device.nVertSize);
	GridPrintScale scale;
	scale.dColumnScale = Scale(device.nHorzRes, device.nHorzSize, nWidthMm, SCREEN_PIXELS_PER_MM_ACROSS);
	scale.dRowScale = Scale(device.nVertRes, device.nVertSize, nHeightMm, SCREEN_PIXELS_PER_MM_DOWN);
	scale.rcEdges = CRect(static_cast<int>(dAcross * margins.nLeft), static_cast<int>(dDown * margins.nTop),
		static_cast<int>(device.nHorzRes - dAcross * margins.nRight),
		static_cast<int>(device.nVertRes - dDown * margins.nBottom));
	return scale;
}

std::vector<GridPrintSpan> GridPrintBreaks(const GridAxis& axis, long nFirst, long nLast, long long nAvail)
{
	std::vector<GridPrintSpan> spans;
	long nStart = nFirst;
	long long nSum = 0;
	long n = nFirst;
	while (n <= nLast)
	{
		nSum += axis.GetSize(n);
		if (nSum <= nAvail)
		{
			n++;
			continue;
		}
		// The overflowing position opens the next run, unless it opened this one: then it is alone.
		const long nEnd = n > nStart ? n - 1 : n;
		spans.push_back(GridPrintSpan{nStart, nEnd});
		nStart = n = nEnd + 1;
		nSum = 0;
	}
	if (nStart <= nLast)
		spans.push_back(GridPrintSpan{nStart, nLast});
	return spans;
}

std::vector<GridPrintPage> GridPrintPages(const std::vector<GridPrintSpan>& columnPages,
	const std::vector<GridPrintSpan>& rowBands)
{
	std::vector<GridPrintPage> pages;
	pages.reserve(columnPages.size() * rowBands.size());
	for (const GridPrintSpan& band : rowBands)
	{
		for (const GridPrintSpan& columns : columnPages)
		{
			pages.push_back(GridPrintPage{static_cast<int>(pages.size()) + 1, static_cast<int>(columns.nFirst),
				static_cast<int>(columns.nLast), band.nFirst, band.nLast});
		}
	}
	return pages;
}
