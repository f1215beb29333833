// Logical fonts to Qt fonts: Windows face names go through a fixed substitution table onto
// installed families of the same widths, so text measures the same wherever the program runs.
#pragma once

#include "framework/core/GdiRecords.h"

#include <QFont>

// The installed family that stands for a face (and, for an unknown face, for its pitch and family).
const char* GdiSubstituteFace(const LOGFONT& logFont);
// Pixel sizes are device pixels of whatever device the font is drawn on, as lfHeight is.
QFont GdiMakeQFont(const LOGFONT& logFont);
