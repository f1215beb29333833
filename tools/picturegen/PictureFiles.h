// Writers for the Windows picture files the program embeds (indexed bitmaps and 32-bit icons) and
// for the PNG files the desktop's icon theme takes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb8
{
	uint8_t r;
	uint8_t g;
	uint8_t b;
};

// Writes a bottom-up BI_RGB bitmap of 4 or 8 bits a pixel; the palette has 1 << nBitsPerPixel
// entries and the indices run row by row from the top.
bool WriteIndexedBmp(const std::string& path, int nWidth, int nHeight, int nBitsPerPixel,
	const std::vector<Rgb8>& palette, const std::vector<uint8_t>& indices);

// One square image of an icon: RGBA with straight alpha, rows from the top.
struct IconImage
{
	int nSize;
	std::vector<uint8_t> rgba;
};

// Writes an icon whose images are 32-bit BGRA bitmaps, each with the AND mask set where alpha is 0.
bool WriteIcon(const std::string& path, const std::vector<IconImage>& images);

// Writes the image as an 8-bit RGBA PNG. The deflate stream is stored, not compressed: the files
// stay simple to write and to check, and the icon theme's largest is a few hundred kilobytes.
bool WritePng(const std::string& path, const IconImage& image);
