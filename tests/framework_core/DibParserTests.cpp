// The bitmap reader on hand-built files and memory DIBs: the pixels of every depth, the header
// checks at their limits, and bands of rows handed over in memory.
#include "framework/core/DibParser.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

void Put(std::vector<BYTE>& file, size_t nOffset, DWORD dwValue, int nBytes)
{
	for (int i = 0; i < nBytes; i++)
		file[nOffset + i] = static_cast<BYTE>(dwValue >> (8 * i));
}

// Colour entry i is blue 16i + 1, green 16i + 2, red 16i + 3, reserved 0x55; biClrUsed counts them.
std::vector<BYTE> Bmp(LONG nWidth, LONG nHeight, WORD wBitCount, DWORD nColors, const std::vector<BYTE>& rows)
{
	std::vector<BYTE> file(54 + 4 * nColors, 0);
	Put(file, 0, DIB_FILE_TYPE, 2);
	Put(file, 10, static_cast<DWORD>(file.size()), 4);
	Put(file, 14, 40, 4);
	Put(file, 18, static_cast<DWORD>(nWidth), 4);
	Put(file, 22, static_cast<DWORD>(nHeight), 4);
	Put(file, 26, 1, 2);
	Put(file, 28, wBitCount, 2);
	Put(file, 46, nColors, 4);
	for (DWORD i = 0; i < nColors; i++)
		Put(file, 54 + 4 * i, 0x55030201 + 0x101010 * i, 4);
	file.insert(file.end(), rows.begin(), rows.end());
	return file;
}

std::vector<COLORREF> Pixels(const DibView& view, size_t nRow)
{
	std::vector<RGBQUAD> pixels(static_cast<size_t>(view.info.bmiHeader.biWidth));
	view.ReadRow(nRow, pixels.data());
	std::vector<COLORREF> colours;
	for (const RGBQUAD& q : pixels)
		colours.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue) | static_cast<COLORREF>(q.rgbReserved) << 24);
	return colours;
}

}

TEST(DibParserTest, EveryDepthGivesItsPixelsRowByRowFromTheTop)
{
	const COLORREF c0 = RGB(3, 2, 1), c1 = RGB(19, 18, 17), c2 = RGB(35, 34, 33), black = RGB(0, 0, 0);
	struct Case
	{
		LONG nWidth;
		LONG nHeight;
		WORD wBitCount;
		DWORD nColors;
		std::vector<BYTE> rows;
		size_t nRowSize;
		std::vector<std::vector<COLORREF>> fromTop;
	};
	const Case cases[] =
	{
		{ 3, 2, 1, 2, { 0xA0, 0, 0, 0, 0x40, 0, 0, 0 }, 4, { { c0, c1, c0 }, { c1, c0, c1 } } },
		// Top-down; index 15 is past the three colours there are.
		{ 3, -2, 4, 3, { 0x21, 0, 0, 0, 0x0F, 0x20, 0, 0 }, 4, { { c2, c1, c0 }, { c0, black, c2 } } },
		{ 3, 2, 8, 3, { 2, 1, 0, 0, 0, 255, 3, 0 }, 4, { { c0, black, black }, { c2, c1, c0 } } },
		// Five bits a channel: 31 is 255, 16 is 132.
		{ 4, 1, 16, 0, { 0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42 }, 8,
			{ { RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(132, 132, 132) } } },
		{ 3, 1, 24, 0, { 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0 }, 12, { { RGB(3, 2, 1), RGB(6, 5, 4), RGB(9, 8, 7) } } },
		{ 2, 1, 32, 1, { 1, 2, 3, 99, 4, 5, 6, 99 }, 8, { { RGB(3, 2, 1), RGB(6, 5, 4) } } },
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(testing::Message() << c.wBitCount << " bits");
		const std::vector<BYTE> file = Bmp(c.nWidth, c.nHeight, c.wBitCount, c.nColors, c.rows);
		DibView view;
		ASSERT_EQ(DibParseFile(file.data(), file.size(), view), DibFault::None);
		EXPECT_EQ(view.nRowSize, c.nRowSize);
		EXPECT_EQ(view.nColors, c.nColors);
		ASSERT_EQ(view.nRows, c.fromTop.size());
		for (size_t nRow = 0; nRow < view.nRows; nRow++)
			EXPECT_EQ(Pixels(view, nRow), c.fromTop[nRow]) << "row " << nRow;
	}
}

TEST(DibParserTest, HeadersAreCheckedAtTheirLimitsBeforeAnythingIsRead)
{
	// 2 × 1 at 16 bits: one 4-byte row right after the headers, 58 bytes in all.
	const std::vector<BYTE> valid = Bmp(2, 1, 16, 0, { 1, 2, 3, 4 });
	struct Case
	{
		size_t nOffset;
		DWORD dwValue;
		DibFault fault;
		size_t nOffset2 = 0;
		DWORD dwValue2 = 0;
	};
	const Case cases[] =
	{
		{ 18, 32767, DibFault::ShortRows },
		{ 18, 32768, DibFault::BadWidth },
		{ 22, static_cast<DWORD>(-32767), DibFault::ShortRows },
		{ 22, static_cast<DWORD>(-32768), DibFault::BadHeight },
		{ 18, 32767, DibFault::ShortRows, 22, 32767 },
		{ 28, 0, DibFault::BadBitCount },
		{ 30, BI_BITFIELDS, DibFault::Compressed },
		{ 46, 257, DibFault::ColorTableTooLarge },
		{ 46, 0xFFFFFFFF, DibFault::ColorTableTooLarge },
		{ 46, 1, DibFault::ColorTableOverlapsRows },
		{ 10, 0, DibFault::ColorTableOverlapsRows },
		{ 10, 58, DibFault::ShortRows },
	};
	for (const Case& c : cases)
	{
		std::vector<BYTE> file = valid;
		Put(file, c.nOffset, c.dwValue, c.nOffset == 28 ? 2 : 4);
		if (c.nOffset2 != 0)
			Put(file, c.nOffset2, c.dwValue2, 4);
		DibView view;
		EXPECT_EQ(DibParseFile(file.data(), file.size(), view), c.fault) << c.nOffset << " = " << c.dwValue;
	}
	for (size_t nLength = 0; nLength < valid.size(); nLength++)
	{
		const std::vector<BYTE> cut(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(nLength));
		DibView view;
		EXPECT_NE(DibParseFile(cut.data(), cut.size(), view), DibFault::None) << nLength;
	}
	std::vector<BYTE> widest = Bmp(DIB_MAX_DIMENSION, 1, 1, 2, std::vector<BYTE>(4096));
	DibView view;
	EXPECT_EQ(DibParseFile(widest.data(), widest.size(), view), DibFault::None);
	widest.pop_back();
	EXPECT_EQ(DibParseFile(widest.data(), widest.size(), view), DibFault::ShortRows);
}

TEST(DibParserTest, MemoryDibsAreCheckedLikeFilesAndBandsCountFromTheirOwnRows)
{
	DibInfoBlock block{};
	block.bmiHeader = { 40, 3, 4, 1, 8, BI_RGB, 0, 0, 0, 2, 0 };
	block.bmiColors[2] = { 9, 9, 9, 0 };
	const BITMAPINFO* pInfo = reinterpret_cast<const BITMAPINFO*>(&block);
	const BYTE bits[8] = {};
	DibView view;
	// Two rows of a bottom-up DIB of four: the band's top row is the second stored.
	ASSERT_EQ(DibParseMemory(pInfo, bits, 2, view), DibFault::None);
	EXPECT_EQ(view.RowFromTop(0), bits + 4);
	EXPECT_EQ(view.nColors, 2u);
	EXPECT_EQ(view.info.bmiColors[2].rgbBlue, 0);
	EXPECT_EQ(DibParseMemory(pInfo, bits, 5, view), DibFault::BadHeight);
	EXPECT_EQ(DibParseMemory(pInfo, bits, 0, view), DibFault::ShortRows);
	EXPECT_EQ(DibParseMemory(pInfo, nullptr, 2, view), DibFault::ShortRows);
	block.bmiHeader.biClrUsed = 300;
	EXPECT_EQ(DibParseMemory(pInfo, bits, 2, view), DibFault::ColorTableTooLarge);
	block.bmiHeader.biBitCount = 24;
	block.bmiHeader.biClrUsed = 2;
	ASSERT_EQ(DibParseMemory(pInfo, bits, 1, view), DibFault::None);
	EXPECT_EQ(view.nColors, 0u);
}
