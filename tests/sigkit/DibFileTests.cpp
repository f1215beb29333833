// Bitmap files built byte by byte: valid 1, 4, 8 and 24-bit files, top-down rows, every way
// a damaged file is refused without reading past its end, and files written and read again.
#include "sigkit/frames/DibFile.h"

#include "framework/core/MemFile.h"
#include "sigkit/frames/DibImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace
{

void PutWord(std::vector<BYTE>& file, size_t nOffset, WORD wValue)
{
	file[nOffset] = static_cast<BYTE>(wValue & 0xFF);
	file[nOffset + 1] = static_cast<BYTE>(wValue >> 8);
}

void PutDword(std::vector<BYTE>& file, size_t nOffset, DWORD dwValue)
{
	for (int i = 0; i < 4; i++)
		file[nOffset + i] = static_cast<BYTE>((dwValue >> (8 * i)) & 0xFF);
}

// Offsets of the fields that the damaged cases change.
constexpr size_t OFF_BITS = 10;
constexpr size_t INFO_SIZE = 14;
constexpr size_t WIDTH = 18;
constexpr size_t HEIGHT = 22;
constexpr size_t BIT_COUNT = 28;
constexpr size_t COMPRESSION = 30;
constexpr size_t CLR_USED = 46;

struct BmpLayout
{
	LONG nWidth;
	LONG nHeight;
	WORD wBitCount;
	DWORD dwClrUsed;
	int nTableEntries;	// colour entries written to the file
	size_t nGap;	// bytes between the colour table and the rows
};

// Colour entry i is (blue 3i, green 3i + 1, red 3i + 2, reserved 0); pixel byte k is 7k + 1.
std::vector<BYTE> BuildBmp(const BmpLayout& layout, size_t nRowBytes)
{
	const size_t nOffBits = 54 + 4 * static_cast<size_t>(layout.nTableEntries) + layout.nGap;
	std::vector<BYTE> file(nOffBits + nRowBytes, 0);
	file[0] = 'B';
	file[1] = 'M';
	PutDword(file, 2, static_cast<DWORD>(file.size()));
	PutDword(file, OFF_BITS, static_cast<DWORD>(nOffBits));
	PutDword(file, INFO_SIZE, 40);
	PutDword(file, WIDTH, static_cast<DWORD>(layout.nWidth));
	PutDword(file, HEIGHT, static_cast<DWORD>(layout.nHeight));
	PutWord(file, 26, 1);
	PutWord(file, BIT_COUNT, layout.wBitCount);
	PutDword(file, CLR_USED, layout.dwClrUsed);
	for (int i = 0; i < layout.nTableEntries; i++)
	{
		file[54 + 4 * i] = static_cast<BYTE>(3 * i);
		file[55 + 4 * i] = static_cast<BYTE>(3 * i + 1);
		file[56 + 4 * i] = static_cast<BYTE>(3 * i + 2);
	}
	for (size_t k = 0; k < nRowBytes; k++)
		file[nOffBits + k] = static_cast<BYTE>(7 * k + 1);
	return file;
}

// A 4 × 3 8-bit file with a 256-entry table: 4-byte rows, 54 + 1024 + 12 bytes.
std::vector<BYTE> ValidFile()
{
	return BuildBmp(BmpLayout{ 4, 3, 8, 0, 256, 0 }, 12);
}

// Parsed from an exactly sized copy, so that a read past the end is caught by the sanitizer.
BOOL Parse(const std::vector<BYTE>& file, size_t nLength, DibFileContents& contents, CString& strError)
{
	const std::vector<BYTE> copy(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(nLength));
	return ParseDibFile(copy.data(), copy.size(), contents, strError);
}

std::string ParseError(const std::vector<BYTE>& file)
{
	DibFileContents contents;
	CString strError;
	EXPECT_FALSE(Parse(file, file.size(), contents, strError));
	return static_cast<LPCSTR>(strError);
}

}

TEST(DibFileTest, ValidFilesGiveTheirHeaderColoursAndRows)
{
	struct Case
	{
		BmpLayout layout;
		size_t nRowSize;
		size_t nPaletteEntries;
	};
	const Case cases[] =
	{
		{ { 3, 2, 1, 0, 2, 0 }, 4, 2 },
		{ { 5, 1, 4, 3, 3, 0 }, 4, 3 },
		{ { 2, 2, 8, 0, 256, 0 }, 4, 256 },
		{ { 3, 2, 24, 0, 0, 0 }, 12, 0 },
		{ { 33, 1, 1, 0, 2, 6 }, 8, 2 },
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(testing::Message() << c.layout.wBitCount << " bits, width " << c.layout.nWidth);
		const size_t nRowBytes = c.nRowSize * static_cast<size_t>(c.layout.nHeight);
		std::vector<BYTE> file = BuildBmp(c.layout, nRowBytes);
		file.push_back(0xEE);	// trailing bytes are not pixels
		DibFileContents contents;
		CString strError("stale");
		ASSERT_TRUE(Parse(file, file.size(), contents, strError)) << static_cast<LPCSTR>(strError);
		EXPECT_TRUE(strError.IsEmpty());

		const BITMAPINFOHEADER& header = contents.info.bmiHeader;
		EXPECT_EQ(header.biSize, 40u);
		EXPECT_EQ(header.biWidth, c.layout.nWidth);
		EXPECT_EQ(header.biHeight, c.layout.nHeight);
		EXPECT_EQ(header.biBitCount, c.layout.wBitCount);
		EXPECT_EQ(header.biSizeImage, nRowBytes);
		EXPECT_EQ(DibRowSize(header.biBitCount, header.biWidth), c.nRowSize);

		for (int i = 0; i < DIB_MAX_COLORS; i++)
		{
			const RGBQUAD& entry = contents.info.bmiColors[i];
			const BOOL bInFile = i < c.layout.nTableEntries;
			EXPECT_EQ(entry.rgbBlue, bInFile ? 3 * i % 256 : 0) << i;
			EXPECT_EQ(entry.rgbRed, bInFile ? (3 * i + 2) % 256 : 0) << i;
		}
		ASSERT_EQ(contents.bits.size(), nRowBytes);
		const size_t nOffBits = file.size() - 1 - nRowBytes;
		EXPECT_TRUE(std::equal(contents.bits.begin(), contents.bits.end(), file.begin() + static_cast<std::ptrdiff_t>(nOffBits)));

		const std::vector<PALETTEENTRY> palette = DibPaletteEntries(header, contents.info.bmiColors, DIB_MAX_COLORS);
		ASSERT_EQ(palette.size(), c.nPaletteEntries);
		if (!palette.empty())
		{
			const PALETTEENTRY& last = palette.back();
			const int n = static_cast<int>(palette.size()) - 1;
			EXPECT_EQ(last.peRed, (3 * n + 2) % 256);
			EXPECT_EQ(last.peGreen, (3 * n + 1) % 256);
			EXPECT_EQ(last.peBlue, 3 * n % 256);
			EXPECT_EQ(last.peFlags, 0);
		}
	}
}

TEST(DibFileTest, ATopDownFileIsKeptBottomUp)
{
	// 24 bits, 1 × 3: rows of 4 bytes, the top row first in the file.
	const std::vector<BYTE> file = BuildBmp(BmpLayout{ 1, -3, 24, 0, 0, 0 }, 12);
	DibFileContents contents;
	CString strError;
	ASSERT_TRUE(Parse(file, file.size(), contents, strError)) << static_cast<LPCSTR>(strError);
	EXPECT_EQ(contents.info.bmiHeader.biHeight, 3);
	const std::vector<BYTE> expected(
	{
		7 * 8 + 1, 7 * 9 + 1, 7 * 10 + 1, 7 * 11 + 1,
		7 * 4 + 1, 7 * 5 + 1, 7 * 6 + 1, 7 * 7 + 1,
		1, 8, 15, 22,
	});
	EXPECT_EQ(contents.bits, expected);
}

TEST(DibFileTest, AFileCutAnywhereIsRefusedWithTheReasonOfWhereItEnds)
{
	const std::vector<BYTE> file = ValidFile();
	for (size_t nLength = 0; nLength < file.size(); nLength++)
	{
		DibFileContents contents;
		CString strError;
		EXPECT_FALSE(Parse(file, nLength, contents, strError)) << nLength;
		LPCSTR lpszExpected = "Error:File too short for its pixel rows\n";
		if (nLength < 14)
			lpszExpected = "Error:File too short for a bitmap file header\n";
		else if (nLength < 54)
			lpszExpected = "Error:File too short for a bitmap info header\n";
		else if (nLength < 54 + 1024)
			lpszExpected = "Error:Pixel offset beyond the end of the file\n";
		EXPECT_STREQ(strError, lpszExpected) << nLength;
	}
	DibFileContents contents;
	CString strError;
	EXPECT_FALSE(ParseDibFile(nullptr, 100, contents, strError));
}

TEST(DibFileTest, DamagedHeadersAreRefusedWithTheirReason)
{
	struct Case
	{
		const char* lpszWhat;
		size_t nOffset;
		DWORD dwValue;
		int nBytes;
		const char* lpszError;
	};
	const Case cases[] =
	{
		{ "type BA", 1, 'A', 1, "Error:Unexpected file type, not a DIB\n" },
		{ "core header", INFO_SIZE, 12, 4, "Error:OS2 PM BMP Format not supported\n" },
		{ "version 4 header", INFO_SIZE, 108, 4, "Error:OS2 PM BMP Format not supported\n" },
		{ "width 0", WIDTH, 0, 4, "Error:Bitmap width out of range\n" },
		{ "width -5", WIDTH, static_cast<DWORD>(-5), 4, "Error:Bitmap width out of range\n" },
		{ "width 100000", WIDTH, 100000, 4, "Error:Bitmap width out of range\n" },
		{ "height 0", HEIGHT, 0, 4, "Error:Bitmap height out of range\n" },
		{ "height 40000", HEIGHT, 40000, 4, "Error:Bitmap height out of range\n" },
		{ "height most negative", HEIGHT, 0x80000000u, 4, "Error:Bitmap height out of range\n" },
		{ "width 30000", WIDTH, 30000, 4, "Error:File too short for its pixel rows\n" },
		{ "height -30000", HEIGHT, static_cast<DWORD>(-30000), 4, "Error:File too short for its pixel rows\n" },
		{ "2 bits", BIT_COUNT, 2, 2, "Error:Unsupported number of bits per pixel\n" },
		{ "0 bits", BIT_COUNT, 0, 2, "Error:Unsupported number of bits per pixel\n" },
		{ "64 bits", BIT_COUNT, 64, 2, "Error:Unsupported number of bits per pixel\n" },
		{ "run-length 8", COMPRESSION, BI_RLE8, 4, "Error:Compressed bitmaps not supported\n" },
		{ "bit fields", COMPRESSION, BI_BITFIELDS, 4, "Error:Compressed bitmaps not supported\n" },
		{ "257 colours", CLR_USED, 257, 4, "Error:Colour table larger than the bitmap can use\n" },
		{ "offset past the end", OFF_BITS, 54 + 1024 + 13, 4, "Error:Pixel offset beyond the end of the file\n" },
		{ "largest offset", OFF_BITS, 0xFFFFFFFFu, 4, "Error:Pixel offset beyond the end of the file\n" },
		{ "offset inside the table", OFF_BITS, 54 + 1020, 4, "Error:Colour table runs past the pixel offset\n" },
		{ "offset inside the header", OFF_BITS, 20, 4, "Error:Colour table runs past the pixel offset\n" },
		{ "offset one row late", OFF_BITS, 54 + 1024 + 4, 4, "Error:File too short for its pixel rows\n" },
	};
	for (const Case& c : cases)
	{
		std::vector<BYTE> file = ValidFile();
		if (c.nBytes == 1)
			file[c.nOffset] = static_cast<BYTE>(c.dwValue);
		else if (c.nBytes == 2)
			PutWord(file, c.nOffset, static_cast<WORD>(c.dwValue));
		else
			PutDword(file, c.nOffset, c.dwValue);
		EXPECT_EQ(ParseError(file), c.lpszError) << c.lpszWhat;
	}
}

TEST(DibFileTest, ColourTablesBeyondWhatTheBitCountAllowsAreRefused)
{
	EXPECT_EQ(ParseError(BuildBmp(BmpLayout{ 8, 1, 1, 3, 3, 0 }, 4)), "Error:Colour table larger than the bitmap can use\n");
	EXPECT_EQ(ParseError(BuildBmp(BmpLayout{ 1, 1, 24, 300, 300, 0 }, 4)), "Error:Colour table larger than the bitmap can use\n");
	// A 24-bit file may still carry a table; it is kept.
	const std::vector<BYTE> file = BuildBmp(BmpLayout{ 1, 1, 24, 2, 2, 0 }, 4);
	DibFileContents contents;
	CString strError;
	ASSERT_TRUE(Parse(file, file.size(), contents, strError)) << static_cast<LPCSTR>(strError);
	EXPECT_EQ(contents.info.bmiColors[1].rgbGreen, 4);
	EXPECT_TRUE(DibPaletteEntries(contents.info.bmiHeader, contents.info.bmiColors, DIB_MAX_COLORS).empty());
}

TEST(DibFileTest, AFailedParseLeavesTheContentsAsTheyWere)
{
	DibFileContents contents;
	contents.info.bmiHeader.biWidth = 77;
	contents.bits.assign(3, 9);
	std::vector<BYTE> file = ValidFile();
	file.resize(file.size() - 1);
	CString strError;
	EXPECT_FALSE(Parse(file, file.size(), contents, strError));
	EXPECT_EQ(contents.info.bmiHeader.biWidth, 77);
	EXPECT_EQ(contents.bits, std::vector<BYTE>(3, 9));
}

TEST(DibFileTest, RowSizeRoundsUpToWholeWordsWithoutOverflow)
{
	struct Case
	{
		WORD wBitCount;
		LONG nWidth;
		ULONGLONG nExpected;
	};
	const Case cases[] =
	{
		{ 1, 1, 4 },
		{ 1, 32, 4 },
		{ 1, 33, 8 },
		{ 4, 9, 8 },
		{ 8, 5, 8 },
		{ 24, 3, 12 },
		{ 24, 4, 12 },
		{ 32, 32767, 131068 },
		{ 32, INT32_MAX, 8589934588ull },
		{ 24, 0, 0 },
		{ 8, -1, 0 },
	};
	for (const Case& c : cases)
		EXPECT_EQ(DibRowSize(c.wBitCount, c.nWidth), c.nExpected) << c.wBitCount << " bits × " << c.nWidth;
}

TEST(DibFileTest, ColourCountAndPaletteFollowTheHeader)
{
	BITMAPINFOHEADER header{};
	header.biBitCount = 4;
	EXPECT_EQ(DibColorCount(header), 16u);
	header.biClrUsed = 5;
	EXPECT_EQ(DibColorCount(header), 5u);
	header.biBitCount = 24;
	header.biClrUsed = 0;
	EXPECT_EQ(DibColorCount(header), 0u);

	EXPECT_EQ(DibColorTableEntries(1), 2);
	EXPECT_EQ(DibColorTableEntries(4), 16);
	EXPECT_EQ(DibColorTableEntries(8), 256);
	EXPECT_EQ(DibColorTableEntries(24), 0);

	// Only the entries present are read, whatever the header claims.
	const RGBQUAD colours[2] = { { 1, 2, 3, 4 }, { 5, 6, 7, 8 } };
	header.biBitCount = 8;
	const std::vector<PALETTEENTRY> palette = DibPaletteEntries(header, colours, 2);
	ASSERT_EQ(palette.size(), 2u);
	EXPECT_EQ(palette[1].peRed, 7);
	EXPECT_EQ(palette[1].peGreen, 6);
	EXPECT_EQ(palette[1].peBlue, 5);
	EXPECT_EQ(palette[1].peFlags, 0);
}

TEST(DibFileTest, AWrittenImageReadsBackWhateverColoursItsHeaderCounted)
{
	struct Case
	{
		BmpLayout layout;
		size_t nRowBytes;
		DWORD dwWrittenClrUsed;
		size_t nWrittenOffBits;
	};
	const Case cases[] =
	{
		// A 24-bit file may carry a palette hint; the copy leaves it out and counts none.
		{ { 3, 2, 24, 4, 4, 0 }, 24, 0, 54 },
		{ { 3, 2, 24, 0, 0, 0 }, 24, 0, 54 },
		// Up to 8 bits the table is the image's own and is written whole, count and all.
		{ { 5, 1, 4, 3, 3, 0 }, 4, 3, 54 + 4 * 16 },
		{ { 2, 2, 8, 0, 256, 0 }, 8, 0, 54 + 4 * 256 },
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(testing::Message() << c.layout.wBitCount << " bits, " << c.layout.dwClrUsed << " colours used");
		std::vector<BYTE> original = BuildBmp(c.layout, c.nRowBytes);
		CMemFile in(original.data(), UINT(original.size()));
		CDibImage image;
		ASSERT_TRUE(image.Read(in)) << static_cast<LPCSTR>(image.GetLastError());
		CMemFile out;
		ASSERT_TRUE(image.Write(out));

		const ULONGLONG nLength = out.GetLength();
		std::vector<BYTE> written(static_cast<size_t>(nLength));
		out.SeekToBegin();
		ASSERT_EQ(out.Read(written.data(), UINT(written.size())), written.size());
		ASSERT_EQ(written.size(), c.nWrittenOffBits + c.nRowBytes);
		EXPECT_EQ(written[OFF_BITS] | written[OFF_BITS + 1] << 8, int(c.nWrittenOffBits));
		EXPECT_EQ(written[CLR_USED] | written[CLR_USED + 1] << 8, int(c.dwWrittenClrUsed));

		DibFileContents contents;
		CString strError;
		ASSERT_TRUE(ParseDibFile(written.data(), written.size(), contents, strError)) << static_cast<LPCSTR>(strError);
		EXPECT_TRUE(std::equal(contents.bits.begin(), contents.bits.end(), original.end() - std::ptrdiff_t(c.nRowBytes)));
		for (int i = 0; c.layout.wBitCount <= 8 && i < c.layout.nTableEntries; i++)
			EXPECT_EQ(contents.info.bmiColors[i].rgbRed, (3 * i + 2) % 256) << i;

		out.SeekToBegin();
		CDibImage copy;
		EXPECT_TRUE(copy.Read(out)) << static_cast<LPCSTR>(copy.GetLastError());
	}
}
