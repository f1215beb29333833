// Test helper: bitmap files made in memory.
#include "BitmapFiles.h"

namespace
{
	void Put16(std::vector<BYTE>& b, size_t at, unsigned v)
	{
		b[at] = BYTE(v);
		b[at + 1] = BYTE(v >> 8);
	}

	void Put32(std::vector<BYTE>& b, size_t at, unsigned v)
	{
		for (int i = 0; i < 4; i++)
			b[at + i] = BYTE(v >> (8 * i));
	}
}

std::vector<BYTE> MarkedBitmapFile(int width, int height)
{
	const size_t rowSize = size_t((24 * width + 31) / 32 * 4);
	std::vector<BYTE> b(54 + rowSize * height, 0);
	b[0] = 'B';
	b[1] = 'M';
	Put32(b, 2, unsigned(b.size()));
	Put32(b, 10, 54);
	Put32(b, 14, 40);
	Put32(b, 18, unsigned(width));
	Put32(b, 22, unsigned(height));
	Put16(b, 26, 1);
	Put16(b, 28, 24);
	for (int y = 0; y < height; y++)
	{
		BYTE* row = &b[54 + rowSize * (height - 1 - y)];
		for (int x = 0; x < width; x++)
		{
			const COLORREF c = (x == 0 && y == 0) ? BITMAP_MARK : BITMAP_FILL;
			row[3 * x] = GetBValue(c);
			row[3 * x + 1] = GetGValue(c);
			row[3 * x + 2] = GetRValue(c);
		}
	}
	return b;
}

std::vector<BYTE> PalettedBitmapFile()
{
	std::vector<BYTE> b(54 + 16 + 4, 0);
	b[0] = 'B';
	b[1] = 'M';
	Put32(b, 2, unsigned(b.size()));
	Put32(b, 10, 54 + 16);
	Put32(b, 14, 40);
	Put32(b, 18, 2);
	Put32(b, 22, 1);
	Put16(b, 26, 1);
	Put16(b, 28, 8);
	Put32(b, 46, 4);
	for (int i = 0; i < 4; i++)
		b[54 + 4 * i + 2] = BYTE(60 * i);
	return b;
}
