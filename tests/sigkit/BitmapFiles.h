// Test helper: bitmap files made in memory.
#pragma once

#include "framework/core/Types.h"

#include <vector>

constexpr COLORREF BITMAP_MARK = RGB(255, 0, 0);
constexpr COLORREF BITMAP_FILL = RGB(0, 0, 255);

// A 24-bit .bmp whose top-left pixel is BITMAP_MARK and every other pixel BITMAP_FILL.
std::vector<BYTE> MarkedBitmapFile(int width, int height);

// An 8-bit .bmp of two pixels in one row with a four-colour table.
std::vector<BYTE> PalettedBitmapFile();
