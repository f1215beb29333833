// A stroke font with the few letters the pictures spell, drawn as centre lines for a round pen.
#pragma once

#include "tools/picturegen/Raster.h"

#include <string>
#include <vector>

// Font units: the baseline is 0, capitals and ascenders reach 10, small letters 7, descenders -3.
// The tracking, in font units, is added after every glyph and should cover the pen's width.
double TextWidth(const std::string& text, double dTracking);

// The text's strokes in pixels, starting at x on the given baseline, dScale pixels to a font unit.
// Characters the font lacks are left out.
std::vector<Polyline> TextStrokes(const std::string& text, double x, double dBaseline, double dScale, double dTracking);
