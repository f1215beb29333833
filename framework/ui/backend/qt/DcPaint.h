// Pens, brushes and mix modes of a DC turned into what its QPainter draws with.
#pragma once

#include "framework/ui/backend/qt/DcState.h"

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QPolygon>

// The composition mode a mix mode (R2_*) draws with, and the colour it forces, if any;
// false for R2_NOP, which draws nothing.
bool GdiMixMode(int nRop2, QPainter::CompositionMode* pMode, QColor* pForcedColor);
QBrush GdiMakeQBrush(const GdiBrushData& brush);
// The composition mode of a raster operation that reads a source picture; false for the others.
bool GdiSourceRopMode(DWORD dwRop, QPainter::CompositionMode* pMode);

// A painter set up for the DC's pen (or its brush) under its mix mode, or null when nothing
// is to be drawn: no surface, a null pen or brush, or R2_NOP.
QPainter* DcPenPainter(DcState& state);
QPainter* DcBrushPainter(DcState& state);
// For a dashed or dotted pen on an opaque background: a painter with a solid pen of the
// background colour, for the gaps. Null otherwise.
QPainter* DcGapPainter(DcState& state);
// For a hatched brush on an opaque background: a painter with a brush of the background
// colour, for the ground between the hatch lines. Null otherwise.
QPainter* DcHatchGroundPainter(DcState& state);

// Strokes the outline through the points with the DC's pen, the way Windows draws lines: a
// one-pixel pen goes pixel by pixel, each segment leaving its end point to the next and the
// last end point undrawn (closed outlines join the last point to the first).
void DcStrokePolyline(DcState& state, const QPolygon& points, bool bClosed);

// Strokes with the DC's pen: draw(painter) runs for the gaps first when there are any.
template <class TDraw>
void DcStroke(DcState& state, TDraw draw)
{
	if (QPainter* pPainter = DcGapPainter(state))
		draw(*pPainter);
	if (QPainter* pPainter = DcPenPainter(state))
		draw(*pPainter);
}

// Fills with the DC's brush: draw(painter) runs for the ground of a hatch first when there is one.
template <class TDraw>
void DcFill(DcState& state, TDraw draw)
{
	if (QPainter* pPainter = DcHatchGroundPainter(state))
		draw(*pPainter);
	if (QPainter* pPainter = DcBrushPainter(state))
		draw(*pPainter);
}

// Fills a rectangle (logical coordinates) with a brush; hatches are laid on the background
// colour when the background mode is opaque, as on Windows.
void DcFillRect(DcState& state, const QRect& rect, const GdiBrushData& brush, QPainter::CompositionMode mode);
