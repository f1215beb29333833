// Pens, brushes and mix modes of a DC turned into QPainter settings.
#include "framework/ui/backend/qt/DcPaint.h"

#include <QVector>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{
	QColor ToQColor(COLORREF crColor)
	{
		return QColor(GetRValue(crColor), GetGValue(crColor), GetBValue(crColor));
	}

	int PenStyle(const GdiPenData& pen)
	{
		int nStyle = static_cast<int>(pen.m_logPen.lopnStyle & PS_STYLE_MASK);
		// Windows draws wide cosmetic pens solid, whatever their style.
		if (pen.m_logPen.lopnWidth.x > 1 && nStyle != PS_NULL)
			return PS_SOLID;
		return nStyle;
	}

	// Dash lengths of the Windows cosmetic pens, in pixels.
	QVector<qreal> DashPattern(int nStyle)
	{
		switch (nStyle)
		{
		case PS_DASH:
			return { 18, 6 };
		case PS_DOT:
			return { 3, 3 };
		case PS_DASHDOT:
			return { 9, 6, 3, 6 };
		case PS_DASHDOTDOT:
			return { 9, 3, 3, 3, 3, 3 };
		default:
			return {};
		}
	}

	// The pixels of a one-pixel line from one point up to, not including, the other: steps along
	// the longer axis, as Windows does.
	void AddLinePixels(const QPoint& from, const QPoint& to, QPolygon* pPixels)
	{
		int dx = to.x() - from.x();
		int dy = to.y() - from.y();
		int nSteps = std::max(std::abs(dx), std::abs(dy));
		for (int i = 0; i < nSteps; ++i)
		{
			int x = from.x() + static_cast<int>(std::lround(static_cast<double>(dx) * i / nSteps));
			int y = from.y() + static_cast<int>(std::lround(static_cast<double>(dy) * i / nSteps));
			pPixels->append(QPoint(x, y));
		}
	}

	// Deals the pixels out to dashes and gaps by the pen's pattern.
	void SplitByStyle(const QPolygon& pixels, const QVector<qreal>& pattern, QPolygon* pDashes, QPolygon* pGaps)
	{
		int nPeriod = 0;
		for (qreal length : pattern)
			nPeriod += static_cast<int>(length);
		for (int i = 0; i < pixels.size(); ++i)
		{
			int nPosition = i % nPeriod;
			int nPart = 0;
			while (nPosition >= static_cast<int>(pattern[nPart]))
				nPosition -= static_cast<int>(pattern[nPart++]);
			// Even parts of the pattern are dashes, odd parts gaps.
			(nPart % 2 == 0 ? pDashes : pGaps)->append(pixels.point(i));
		}
	}

	void DrawPixels(QPainter& painter, const QPolygon& pixels)
	{
		QPen pen = painter.pen();
		pen.setWidth(1);
		pen.setStyle(Qt::SolidLine);
		pen.setCapStyle(Qt::SquareCap);
		painter.setPen(pen);
		painter.drawPoints(pixels);
	}

	QPen MakeQPen(const GdiPenData& pen, const QColor& color, bool bSolid)
	{
		int nWidth = std::max(1, static_cast<int>(pen.m_logPen.lopnWidth.x));
		// A flat cap leaves the end point of a 1-pixel line undrawn, as Windows does; wide
		// pens have round ends and joins on Windows.
		Qt::PenCapStyle cap = nWidth == 1 ? Qt::FlatCap : Qt::RoundCap;
		Qt::PenJoinStyle join = nWidth == 1 ? Qt::MiterJoin : Qt::RoundJoin;
		QPen qpen(QBrush(color), nWidth, Qt::SolidLine, cap, join);
		QVector<qreal> dashes = DashPattern(PenStyle(pen));
		if (!bSolid && !dashes.isEmpty())
			qpen.setDashPattern(dashes);
		return qpen;
	}
}

bool GdiMixMode(int nRop2, QPainter::CompositionMode* pMode, QColor* pForcedColor)
{
	*pForcedColor = QColor();
	switch (nRop2)
	{
	case R2_BLACK:
		*pMode = QPainter::CompositionMode_SourceOver;
		*pForcedColor = Qt::black;
		return true;
	case R2_WHITE:
		*pMode = QPainter::CompositionMode_SourceOver;
		*pForcedColor = Qt::white;
		return true;
	case R2_NOP:
		return false;
	case R2_NOT:
		*pMode = QPainter::RasterOp_NotDestination;
		return true;
	case R2_NOTCOPYPEN:
		*pMode = QPainter::RasterOp_NotSource;
		return true;
	case R2_XORPEN:
		*pMode = QPainter::RasterOp_SourceXorDestination;
		return true;
	case R2_NOTXORPEN:
		*pMode = QPainter::RasterOp_NotSourceXorDestination;
		return true;
	case R2_MASKPEN:
		*pMode = QPainter::RasterOp_SourceAndDestination;
		return true;
	case R2_NOTMASKPEN:
		*pMode = QPainter::RasterOp_NotSourceOrNotDestination;
		return true;
	case R2_MASKNOTPEN:
		*pMode = QPainter::RasterOp_NotSourceAndDestination;
		return true;
	case R2_MASKPENNOT:
		*pMode = QPainter::RasterOp_SourceAndNotDestination;
		return true;
	case R2_MERGEPEN:
		*pMode = QPainter::RasterOp_SourceOrDestination;
		return true;
	case R2_NOTMERGEPEN:
		*pMode = QPainter::RasterOp_NotSourceAndNotDestination;
		return true;
	case R2_MERGENOTPEN:
		*pMode = QPainter::RasterOp_NotSourceOrDestination;
		return true;
	case R2_MERGEPENNOT:
		*pMode = QPainter::RasterOp_SourceOrNotDestination;
		return true;
	default:
		*pMode = QPainter::CompositionMode_SourceOver;
		return true;
	}
}

bool GdiSourceRopMode(DWORD dwRop, QPainter::CompositionMode* pMode)
{
	switch (dwRop)
	{
	case SRCCOPY:
		*pMode = QPainter::CompositionMode_Source;
		return true;
	case SRCPAINT:
		*pMode = QPainter::RasterOp_SourceOrDestination;
		return true;
	case SRCAND:
		*pMode = QPainter::RasterOp_SourceAndDestination;
		return true;
	case SRCINVERT:
		*pMode = QPainter::RasterOp_SourceXorDestination;
		return true;
	case NOTSRCCOPY:
		*pMode = QPainter::RasterOp_NotSource;
		return true;
	default:
		return false;
	}
}

QBrush GdiMakeQBrush(const GdiBrushData& brush)
{
	QColor color = ToQColor(brush.m_logBrush.lbColor);
	switch (brush.m_logBrush.lbStyle)
	{
	case BS_SOLID:
		return QBrush(color);
	case BS_HATCHED:
		switch (brush.m_logBrush.lbHatch)
		{
		case HS_HORIZONTAL:
			return QBrush(color, Qt::HorPattern);
		case HS_VERTICAL:
			return QBrush(color, Qt::VerPattern);
		case HS_FDIAGONAL:
			return QBrush(color, Qt::FDiagPattern);
		case HS_BDIAGONAL:
			return QBrush(color, Qt::BDiagPattern);
		case HS_CROSS:
			return QBrush(color, Qt::CrossPattern);
		default:
			return QBrush(color, Qt::DiagCrossPattern);
		}
	case BS_PATTERN:
		return QBrush(brush.m_pattern);
	default:
		return QBrush(Qt::NoBrush);
	}
}

void DcStrokePolyline(DcState& state, const QPolygon& points, bool bClosed)
{
	if (std::max(1, static_cast<int>(state.Attr().pPen->m_logPen.lopnWidth.x)) > 1)
	{
		DcStroke(state, [&](QPainter& painter) {
			if (bClosed)
				painter.drawPolygon(points);
			else
				painter.drawPolyline(points);
		});
		return;
	}
	int nSegments = bClosed ? points.size() : points.size() - 1;
	const QVector<qreal> pattern = DashPattern(PenStyle(*state.Attr().pPen));
	QPolygon pixels;
	if (pattern.isEmpty())
	{
		// Solid level and upright runs are filled as rectangles of the same pixels: a printer page
		// would otherwise record every one of a grid's lines pixel by pixel, at six times the
		// screen's resolution.
		QVector<QRect> runs;
		for (int i = 0; i < nSegments; ++i)
		{
			const QPoint from = points.point(i);
			const QPoint to = points.point((i + 1) % points.size());
			if (from.y() == to.y() && from.x() != to.x())
				runs.append(from.x() < to.x() ? QRect(from.x(), from.y(), to.x() - from.x(), 1)
											  : QRect(to.x() + 1, from.y(), from.x() - to.x(), 1));
			else if (from.x() == to.x() && from.y() != to.y())
				runs.append(from.y() < to.y() ? QRect(from.x(), from.y(), 1, to.y() - from.y())
											  : QRect(from.x(), to.y() + 1, 1, from.y() - to.y()));
			else
				AddLinePixels(from, to, &pixels);
		}
		QPainter* pPainter = DcPenPainter(state);
		if (pPainter == nullptr)
			return;
		const QColor color = pPainter->pen().color();
		for (const QRect& run : runs)
			pPainter->fillRect(run, color);
		if (!pixels.isEmpty())
			DrawPixels(*pPainter, pixels);
		return;
	}
	for (int i = 0; i < nSegments; ++i)
		AddLinePixels(points.point(i), points.point((i + 1) % points.size()), &pixels);
	QPolygon dashes;
	QPolygon gaps;
	SplitByStyle(pixels, pattern, &dashes, &gaps);
	if (QPainter* pPainter = DcGapPainter(state); pPainter != nullptr && !gaps.isEmpty())
		DrawPixels(*pPainter, gaps);
	if (QPainter* pPainter = DcPenPainter(state))
		DrawPixels(*pPainter, dashes);
}

QPainter* DcPenPainter(DcState& state)
{
	const GdiPenData& pen = *state.Attr().pPen;
	if (PenStyle(pen) == PS_NULL)
		return nullptr;
	QPainter::CompositionMode mode;
	QColor forced;
	if (!GdiMixMode(state.Attr().nRop2, &mode, &forced))
		return nullptr;
	QPainter* pPainter = state.Painter(mode);
	if (pPainter == nullptr)
		return nullptr;
	pPainter->setPen(MakeQPen(pen, forced.isValid() ? forced : ToQColor(pen.m_logPen.lopnColor), false));
	pPainter->setBrush(Qt::NoBrush);
	return pPainter;
}

QPainter* DcGapPainter(DcState& state)
{
	const GdiPenData& pen = *state.Attr().pPen;
	if (DashPattern(PenStyle(pen)).isEmpty() || state.Attr().nBkMode != OPAQUE)
		return nullptr;
	QPainter* pPainter = state.Painter();
	if (pPainter == nullptr)
		return nullptr;
	pPainter->setPen(MakeQPen(pen, ToQColor(state.Attr().crBk), true));
	pPainter->setBrush(Qt::NoBrush);
	return pPainter;
}

QPainter* DcBrushPainter(DcState& state)
{
	const GdiBrushData& brush = *state.Attr().pBrush;
	if (brush.m_logBrush.lbStyle == BS_NULL)
		return nullptr;
	QPainter::CompositionMode mode;
	QColor forced;
	if (!GdiMixMode(state.Attr().nRop2, &mode, &forced))
		return nullptr;
	QPainter* pPainter = state.Painter(mode);
	if (pPainter == nullptr)
		return nullptr;
	pPainter->setPen(Qt::NoPen);
	pPainter->setBrush(forced.isValid() ? QBrush(forced) : GdiMakeQBrush(brush));
	// Patterns line up with the device's origin, not the logical one.
	pPainter->setBrushOrigin(-state.LogicalToDevice());
	return pPainter;
}

QPainter* DcHatchGroundPainter(DcState& state)
{
	const GdiBrushData& brush = *state.Attr().pBrush;
	if (brush.m_logBrush.lbStyle != BS_HATCHED || state.Attr().nBkMode != OPAQUE)
		return nullptr;
	QPainter* pPainter = state.Painter();
	if (pPainter == nullptr)
		return nullptr;
	pPainter->setPen(Qt::NoPen);
	pPainter->setBrush(ToQColor(state.Attr().crBk));
	return pPainter;
}

void DcFillRect(DcState& state, const QRect& rect, const GdiBrushData& brush, QPainter::CompositionMode mode)
{
	if (brush.m_logBrush.lbStyle == BS_NULL || rect.isEmpty())
		return;
	QPainter* pPainter = state.Painter(mode);
	if (pPainter == nullptr)
		return;
	if (brush.m_logBrush.lbStyle == BS_HATCHED && state.Attr().nBkMode == OPAQUE)
		pPainter->fillRect(rect, ToQColor(state.Attr().crBk));
	pPainter->setBrushOrigin(-state.LogicalToDevice());
	pPainter->fillRect(rect, GdiMakeQBrush(brush));
}
