// Conversions between the framework's drawing records and Qt's.
#include "framework/ui/backend/qt/gdi/QtGdi.h"

#include "framework/core/GdiConstants.h"

#include <vector>

QRegion GdiQRegion(const PixelRegion& region)
{
	// Both keep their rectangles banded from the top, so Qt takes them as they are.
	std::vector<QRect> rects;
	rects.reserve(region.Rects().size());
	for (const CRect& rc : region.Rects())
		rects.push_back(GdiQRect(rc));
	QRegion qregion;
	qregion.setRects(rects.data(), static_cast<int>(rects.size()));
	return qregion;
}

PixelRegion GdiPixelRegion(const QRegion& region)
{
	PixelRegion pixels;
	for (const QRect& rect : region)
		pixels |= CRect(rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height());
	return pixels;
}

QImage GdiWrapImage(const PixelImage& image)
{
	return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.nWidth, image.nHeight,
		static_cast<qsizetype>(image.nWidth) * 4, QImage::Format_RGB32);
}

QBrush GdiFillBrush(const DrawFill& fill, bool bKeep)
{
	QColor color(GetRValue(fill.crColor), GetGValue(fill.crColor), GetBValue(fill.crColor));
	switch (fill.nStyle)
	{
	case BS_SOLID:
		return QBrush(color);
	case BS_HATCHED:
		switch (fill.nHatch)
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
		if (fill.pPattern == nullptr)
			return QBrush(Qt::NoBrush);
		return QBrush(bKeep ? GdiWrapImage(*fill.pPattern).copy() : GdiWrapImage(*fill.pPattern));
	default:
		return QBrush(Qt::NoBrush);
	}
}

namespace
{
	// One object of each kind, made again only when the colour changes and kept for the life of the
	// process rather than destroyed among the statics after the toolkit has gone.
	template <typename Tool>
	const Tool& SolidOfColour(COLORREF crColor)
	{
		static COLORREF s_crColor = CLR_INVALID;
		static Tool& s_tool = *new Tool;
		if (crColor != s_crColor)
		{
			s_tool = Tool(QColor(GetRValue(crColor), GetGValue(crColor), GetBValue(crColor)));
			s_crColor = crColor;
		}
		return s_tool;
	}
}

const QBrush& GdiSolidBrush(COLORREF crColor)
{
	return SolidOfColour<QBrush>(crColor);
}

const QPen& GdiSolidPen(COLORREF crColor)
{
	return SolidOfColour<QPen>(crColor);
}

QPainter::CompositionMode GdiMixMode(int nMix)
{
	switch (nMix)
	{
	case R2_NOT:
		return QPainter::RasterOp_NotDestination;
	case R2_NOTCOPYPEN:
		return QPainter::RasterOp_NotSource;
	case R2_XORPEN:
		return QPainter::RasterOp_SourceXorDestination;
	case R2_NOTXORPEN:
		return QPainter::RasterOp_NotSourceXorDestination;
	case R2_MASKPEN:
		return QPainter::RasterOp_SourceAndDestination;
	case R2_NOTMASKPEN:
		return QPainter::RasterOp_NotSourceOrNotDestination;
	case R2_MASKNOTPEN:
		return QPainter::RasterOp_NotSourceAndDestination;
	case R2_MASKPENNOT:
		return QPainter::RasterOp_SourceAndNotDestination;
	case R2_MERGEPEN:
		return QPainter::RasterOp_SourceOrDestination;
	case R2_NOTMERGEPEN:
		return QPainter::RasterOp_NotSourceAndNotDestination;
	case R2_MERGENOTPEN:
		return QPainter::RasterOp_NotSourceOrDestination;
	case R2_MERGEPENNOT:
		return QPainter::RasterOp_SourceOrNotDestination;
	default:
		return QPainter::CompositionMode_SourceOver;
	}
}

QPainter::CompositionMode GdiSourceRopMode(DWORD dwRop)
{
	switch (dwRop)
	{
	case SRCPAINT:
		return QPainter::RasterOp_SourceOrDestination;
	case SRCAND:
		return QPainter::RasterOp_SourceAndDestination;
	case SRCINVERT:
		return QPainter::RasterOp_SourceXorDestination;
	case NOTSRCCOPY:
		return QPainter::RasterOp_NotSource;
	default:
		return QPainter::CompositionMode_Source;
	}
}
