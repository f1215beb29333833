// Pens, brushes and mix modes of a DC turned into the driver's drawing operations, with the pixel
// rules of one-pixel lines.
#pragma once

#include "framework/ui/gdi/DcState.h"

// What the driver fills with for a brush.
DrawFill GdiBrushFill(const GdiBrushData& brush);

// Strokes the outline through the points with the DC's pen, the way Windows draws lines: a
// one-pixel pen goes pixel by pixel, each segment leaving its end point to the next and the
// last end point undrawn (closed outlines join the last point to the first).
void DcStrokePolyline(DcState& state, const POINT* pPoints, int nPoints, bool bClosed);
// Outlines a shape with the DC's pen, the gaps of a styled pen first on an opaque background.
void DcStrokeShape(DcState& state, const DrawShape& shape);
// Fills a shape with the DC's brush under its mix mode, the ground of a hatch first on an
// opaque background.
void DcFillShape(DcState& state, const DrawShape& shape);
// Fills a rectangle (logical coordinates) with a brush under nMix, whatever the DC's mix mode;
// hatches are laid on the background colour when the background mode is opaque, as on Windows.
void DcFillRect(DcState& state, const CRect& rect, const GdiBrushData& brush, int nMix);
void DcFillSolid(DcState& state, const CRect& rect, COLORREF crColor, int nMix = R2_COPYPEN);
