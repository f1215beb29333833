// Pens, brushes and mix modes of a DC turned into the driver's drawing operations.
#include "framework/ui/gdi/DcPaint.h"

#include "framework/ui/gdi/DcLines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace
{
	int PenStyle(const GdiPenData& pen)
	{
		int nStyle = static_cast<int>(pen.m_logPen.lopnStyle & PS_STYLE_MASK);
		// Windows draws wide cosmetic pens solid, whatever their style.
		if (pen.m_logPen.lopnWidth.x > 1 && nStyle != PS_NULL)
			return PS_SOLID;
		return nStyle;
	}

	int PenWidth(const GdiPenData& pen)
	{
		return std::max(1, static_cast<int>(pen.m_logPen.lopnWidth.x));
	}

	// The mix the driver draws with; R2_BLACK and R2_WHITE copy a colour of their own. False for
	// R2_NOP, which draws nothing.
	bool ResolveMix(int nRop2, COLORREF crColor, int* pMix, COLORREF* pColor)
	{
		*pMix = nRop2;
		*pColor = crColor;
		switch (nRop2)
		{
		case R2_NOP:
			return false;
		case R2_BLACK:
		case R2_WHITE:
			*pMix = R2_COPYPEN;
			*pColor = nRop2 == R2_BLACK ? RGB(0, 0, 0) : RGB(255, 255, 255);
			return true;
		default:
			if (nRop2 < R2_BLACK || nRop2 > R2_WHITE)
				*pMix = R2_COPYPEN;
			return true;
		}
	}

	DrawFill SolidFill(COLORREF crColor)
	{
		return DrawFill { BS_SOLID, crColor, 0, nullptr };
	}

	// The pixels of a one-pixel line from one point up to, not including, the other: steps along
	// the longer axis, as Windows does.
	void AddLinePixels(const POINT& from, const POINT& to, std::vector<POINT>* pPixels)
	{
		int dx = to.x - from.x;
		int dy = to.y - from.y;
		int nSteps = std::max(std::abs(dx), std::abs(dy));
		for (int i = 0; i < nSteps; ++i)
		{
			int x = from.x + static_cast<int>(std::lround(static_cast<double>(dx) * i / nSteps));
			int y = from.y + static_cast<int>(std::lround(static_cast<double>(dy) * i / nSteps));
			pPixels->push_back(POINT { x, y });
		}
	}

	// How many pixels the segments light one by one, level and upright ones left out when they are
	// filled as runs, so that the list of them is allocated once.
	size_t LinePixelCount(const POINT* pPoints, int nPoints, int nSegments, bool bRuns)
	{
		size_t nPixels = 0;
		for (int i = 0; i < nSegments; ++i)
		{
			const POINT& from = pPoints[i];
			const POINT& to = pPoints[(i + 1) % nPoints];
			if (!bRuns || (from.x != to.x && from.y != to.y))
				nPixels += static_cast<size_t>(std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)));
		}
		return nPixels;
	}

	// Dash and gap lengths of the Windows cosmetic pens, in pixels; empty for solid and null pens.
	const std::vector<int>& DashPattern(int nPenStyle)
	{
		static const std::vector<int> dash { 18, 6 };
		static const std::vector<int> dot { 3, 3 };
		static const std::vector<int> dashDot { 9, 6, 3, 6 };
		static const std::vector<int> dashDotDot { 9, 3, 3, 3, 3, 3 };
		static const std::vector<int> solid;
		switch (nPenStyle)
		{
		case PS_DASH:
			return dash;
		case PS_DOT:
			return dot;
		case PS_DASHDOT:
			return dashDot;
		case PS_DASHDOTDOT:
			return dashDotDot;
		default:
			return solid;
		}
	}

	// Deals the pixels of a line out to dashes and gaps by the pen's pattern.
	void SplitByDashes(const std::vector<POINT>& pixels, const std::vector<int>& pattern, std::vector<POINT>* pDashes,
		std::vector<POINT>* pGaps)
	{
		int nPeriod = 0;
		for (int nLength : pattern)
			nPeriod += nLength;
		for (size_t i = 0; i < pixels.size(); ++i)
		{
			int nPosition = static_cast<int>(i % static_cast<size_t>(nPeriod));
			size_t nPart = 0;
			while (nPosition >= pattern[nPart])
				nPosition -= pattern[nPart++];
			// Even parts of the pattern are dashes, odd parts gaps.
			(nPart % 2 == 0 ? pDashes : pGaps)->push_back(pixels[i]);
		}
	}

	void StrokeWith(const DrawTarget& target, const DrawShape& shape, int nWidth, COLORREF crColor,
		const std::vector<int>& dashes, int nMix)
	{
		DrawPen pen { nWidth, crColor, dashes.empty() ? nullptr : dashes.data(), static_cast<int>(dashes.size()) };
		AfxGetDriver().StrokeShape(target, shape, pen, nMix);
	}
}

DrawFill GdiBrushFill(const GdiBrushData& brush)
{
	const LOGBRUSH& logBrush = brush.m_logBrush;
	return DrawFill { logBrush.lbStyle, logBrush.lbColor, static_cast<int>(logBrush.lbHatch),
		logBrush.lbStyle == BS_PATTERN ? &brush.m_pattern : nullptr };
}

void DcStrokePolyline(DcState& state, const POINT* pPoints, int nPoints, bool bClosed)
{
	const GdiPenData& pen = *state.Attr().pPen;
	const int nStyle = PenStyle(pen);
	int nMix;
	COLORREF crColor;
	const DrawTarget* pTarget = state.Target();
	if (nStyle == PS_NULL || pTarget == nullptr)
		return;
	// R2_NOP leaves the pen's pixels alone, but not the gaps a styled pen leaves to the background.
	const bool bDrawPen = ResolveMix(state.Attr().nRop2, pen.m_logPen.lopnColor, &nMix, &crColor);
	if (PenWidth(pen) > 1)
	{
		DrawShape shape { bClosed ? DrawShape::Polygon : DrawShape::Polyline, CRect(), pPoints, nPoints, false };
		if (bDrawPen)
			StrokeWith(*pTarget, shape, PenWidth(pen), crColor, DashPattern(PS_SOLID), nMix);
		return;
	}
	int nSegments = bClosed ? nPoints : nPoints - 1;
	const std::vector<int>& pattern = DashPattern(nStyle);
	if (pattern.empty() && !bDrawPen)
		return;
	if (pattern.empty() && nMix == R2_COPYPEN && DcWriteThinLines(*pTarget, pPoints, nPoints, bClosed, crColor))
		return;
	std::vector<POINT> pixels;
	pixels.reserve(LinePixelCount(pPoints, nPoints, nSegments, pattern.empty()));
	if (pattern.empty())
	{
		// Solid level and upright runs are filled as rectangles of the same pixels: a printer page
		// would otherwise record every one of a grid's lines pixel by pixel, at six times the
		// screen's resolution.
		std::vector<CRect> runs;
		runs.reserve(static_cast<size_t>(nSegments));
		for (int i = 0; i < nSegments; ++i)
		{
			const POINT& from = pPoints[i];
			const POINT& to = pPoints[(i + 1) % nPoints];
			if (from.y == to.y && from.x != to.x)
				runs.push_back(from.x < to.x ? CRect(from.x, from.y, to.x, from.y + 1) : CRect(to.x + 1, from.y, from.x + 1, from.y + 1));
			else if (from.x == to.x && from.y != to.y)
				runs.push_back(from.y < to.y ? CRect(from.x, from.y, from.x + 1, to.y) : CRect(from.x, to.y + 1, from.x + 1, from.y + 1));
			else
				AddLinePixels(from, to, &pixels);
		}
		if (!runs.empty())
			AfxGetDriver().FillRects(*pTarget, runs.data(), static_cast<int>(runs.size()), SolidFill(crColor), nMix);
		if (!pixels.empty())
			AfxGetDriver().SetPixels(*pTarget, pixels.data(), static_cast<int>(pixels.size()), crColor, nMix);
		return;
	}
	for (int i = 0; i < nSegments; ++i)
		AddLinePixels(pPoints[i], pPoints[(i + 1) % nPoints], &pixels);
	std::vector<POINT> dashes;
	std::vector<POINT> gaps;
	SplitByDashes(pixels, pattern, &dashes, &gaps);
	if (state.Attr().nBkMode == OPAQUE && !gaps.empty())
		AfxGetDriver().SetPixels(*pTarget, gaps.data(), static_cast<int>(gaps.size()), state.Attr().crBk, R2_COPYPEN);
	if (bDrawPen && !dashes.empty())
		AfxGetDriver().SetPixels(*pTarget, dashes.data(), static_cast<int>(dashes.size()), crColor, nMix);
}

void DcStrokeShape(DcState& state, const DrawShape& shape)
{
	const GdiPenData& pen = *state.Attr().pPen;
	const int nStyle = PenStyle(pen);
	const DrawTarget* pTarget = state.Target();
	if (nStyle == PS_NULL || pTarget == nullptr)
		return;
	const std::vector<int>& pattern = DashPattern(nStyle);
	if (!pattern.empty() && state.Attr().nBkMode == OPAQUE)
		StrokeWith(*pTarget, shape, PenWidth(pen), state.Attr().crBk, DashPattern(PS_SOLID), R2_COPYPEN);
	int nMix;
	COLORREF crColor;
	if (ResolveMix(state.Attr().nRop2, pen.m_logPen.lopnColor, &nMix, &crColor))
		StrokeWith(*pTarget, shape, PenWidth(pen), crColor, pattern, nMix);
}

void DcFillShape(DcState& state, const DrawShape& shape)
{
	const GdiBrushData& brush = *state.Attr().pBrush;
	const DrawTarget* pTarget = state.Target();
	if (pTarget == nullptr)
		return;
	if (brush.m_logBrush.lbStyle == BS_HATCHED && state.Attr().nBkMode == OPAQUE)
		AfxGetDriver().FillShape(*pTarget, shape, SolidFill(state.Attr().crBk), R2_COPYPEN);
	int nMix;
	COLORREF crForced;
	if (brush.m_logBrush.lbStyle == BS_NULL || !ResolveMix(state.Attr().nRop2, RGB(0, 0, 0), &nMix, &crForced))
		return;
	const int nRop2 = state.Attr().nRop2;
	AfxGetDriver().FillShape(*pTarget, shape, nRop2 == R2_BLACK || nRop2 == R2_WHITE ? SolidFill(crForced) : GdiBrushFill(brush), nMix);
}

void DcFillRect(DcState& state, const CRect& rect, const GdiBrushData& brush, int nMix)
{
	if (brush.m_logBrush.lbStyle == BS_NULL || rect.IsRectEmpty())
		return;
	const DrawTarget* pTarget = state.Target();
	if (pTarget == nullptr)
		return;
	if (brush.m_logBrush.lbStyle == BS_HATCHED && state.Attr().nBkMode == OPAQUE)
		AfxGetDriver().FillRects(*pTarget, &rect, 1, SolidFill(state.Attr().crBk), nMix);
	AfxGetDriver().FillRects(*pTarget, &rect, 1, GdiBrushFill(brush), nMix);
}

void DcFillSolid(DcState& state, const CRect& rect, COLORREF crColor, int nMix)
{
	const DrawTarget* pTarget = state.Target();
	if (pTarget != nullptr && !rect.IsRectEmpty())
		AfxGetDriver().FillRects(*pTarget, &rect, 1, SolidFill(crColor), nMix);
}
