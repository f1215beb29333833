// Reduction of a true-colour picture to a palette of at most 256 colours, for 8-bit bitmaps.
#pragma once

#include "tools/picturegen/PictureFiles.h"

#include <cstdint>
#include <vector>

struct IndexedPicture
{
	std::vector<Rgb8> palette;
	std::vector<uint8_t> indices;
};

// Chooses the palette by median cut refined with a few rounds of nearest-colour averaging, and
// maps every pixel (RGBA, alpha ignored) to its nearest entry. Unused entries are black.
IndexedPicture Quantize(const std::vector<uint8_t>& rgba, int nColours);
