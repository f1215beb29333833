// Device-independent bitmaps: drawing them on DCs, reading bitmaps back, and bitmaps from resources.
#include "tests/support/Surfaces.h"

#include "framework/core/Resources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{
	// A packed DIB: the header, its colour table and the rows, in one block as Windows keeps it.
	struct PackedDib
	{
		PackedDib(int nWidth, int nHeight, WORD nBitCount, std::vector<RGBQUAD> colours)
			: info(sizeof(BITMAPINFOHEADER) + 4 * std::max<size_t>(colours.size(), 1))
		{
			BITMAPINFOHEADER header = {};
			header.biSize = sizeof(BITMAPINFOHEADER);
			header.biWidth = nWidth;
			header.biHeight = nHeight;
			header.biPlanes = 1;
			header.biBitCount = nBitCount;
			header.biCompression = BI_RGB;
			header.biClrUsed = static_cast<DWORD>(colours.size());
			std::memcpy(info.data(), &header, sizeof(header));
			if (!colours.empty())
				std::memcpy(info.data() + sizeof(header), colours.data(), 4 * colours.size());
			nRowBytes = (nWidth * nBitCount + 31) / 32 * 4;
			bits.assign(static_cast<size_t>(nRowBytes * std::abs(nHeight)), 0);
		}

		BITMAPINFO* Info()
		{
			return reinterpret_cast<BITMAPINFO*>(info.data());
		}

		BYTE* Row(int nStored)
		{
			return bits.data() + nStored * nRowBytes;
		}

		std::vector<BYTE> info;
		std::vector<BYTE> bits;
		int nRowBytes;
	};

	// A 3x2 picture with 8 bits a pixel: the stored first row is the bottom one.
	PackedDib EightBitPicture()
	{
		PackedDib dib(3, 2, 8, { { 0, 0, 255, 0 }, { 0, 255, 0, 0 }, { 255, 0, 0, 0 }, { 255, 255, 255, 0 } });
		BYTE bottom[] = { 0, 1, 2 };
		BYTE top[] = { 3, 3, 0 };
		std::memcpy(dib.Row(0), bottom, 3);
		std::memcpy(dib.Row(1), top, 3);
		return dib;
	}

	TEST(SetDIBitsToDeviceTest, DrawsBottomUpRowsWithTheirColourTable)
	{
		PackedDib dib = EightBitPicture();
		MemorySurface surface(5, 4, kBlack);
		EXPECT_EQ(2, SetDIBitsToDevice(surface.Dc().m_hDC, 1, 1, 3, 2, 0, 0, 0, 2, dib.bits.data(), dib.Info(), DIB_RGB_COLORS));
		EXPECT_EQ(kWhite, surface.Pixel(1, 1));
		EXPECT_EQ(kRed, surface.Pixel(3, 1));
		EXPECT_EQ(kRed, surface.Pixel(1, 2));
		EXPECT_EQ(kGreen, surface.Pixel(2, 2));
		EXPECT_EQ(kBlue, surface.Pixel(3, 2));
		EXPECT_EQ(CRect(1, 1, 4, 3), surface.InkBounds(kBlack));
	}

	TEST(SetDIBitsToDeviceTest, SourceRowsCountFromTheBottom)
	{
		PackedDib dib = EightBitPicture();
		MemorySurface surface(3, 1, kBlack);
		// The bottom row of the picture (source y 0) is its second row from the top.
		SetDIBitsToDevice(surface.Dc().m_hDC, 0, 0, 3, 1, 0, 0, 0, 2, dib.bits.data(), dib.Info(), DIB_RGB_COLORS);
		EXPECT_EQ(kRed, surface.Pixel(0, 0));
		EXPECT_EQ(kBlue, surface.Pixel(2, 0));
		SetDIBitsToDevice(surface.Dc().m_hDC, 0, 0, 3, 1, 0, 1, 0, 2, dib.bits.data(), dib.Info(), DIB_RGB_COLORS);
		EXPECT_EQ(kWhite, surface.Pixel(0, 0));
	}

	TEST(SetDIBitsToDeviceTest, TopDownDibsStoreTheTopRowFirst)
	{
		PackedDib dib = EightBitPicture();
		dib.Info()->bmiHeader.biHeight = -2;
		MemorySurface surface(3, 2, kBlack);
		SetDIBitsToDevice(surface.Dc().m_hDC, 0, 0, 3, 2, 0, 0, 0, 2, dib.bits.data(), dib.Info(), DIB_RGB_COLORS);
		EXPECT_EQ(kRed, surface.Pixel(0, 0));
		EXPECT_EQ(kWhite, surface.Pixel(0, 1));
	}

	TEST(StretchDIBitsTest, ScalesTheWholePicture)
	{
		PackedDib dib(2, 1, 24, {});
		BYTE row[] = { 0, 0, 255, 255, 0, 0 };
		std::memcpy(dib.Row(0), row, sizeof(row));
		MemorySurface surface(4, 2, kBlack);
		EXPECT_EQ(1, StretchDIBits(surface.Dc().m_hDC, 0, 0, 4, 2, 0, 0, 2, 1, dib.bits.data(), dib.Info(), DIB_RGB_COLORS, SRCCOPY));
		EXPECT_EQ(4, surface.CountPixels(kRed));
		EXPECT_EQ(4, surface.CountPixels(kBlue));
		EXPECT_EQ(kRed, surface.Pixel(1, 1));
		EXPECT_EQ(kBlue, surface.Pixel(2, 0));
	}

	TEST(GetDIBitsTest, TwentyFourBitRowsComeBackBottomUpInBlueGreenRedOrder)
	{
		MemorySurface surface(3, 2, kWhite);
		surface.Dc().SetPixel(0, 0, RGB(1, 2, 3));
		surface.Dc().SetPixel(2, 1, RGB(10, 20, 30));
		PackedDib dib(3, 2, 24, {});
		EXPECT_EQ(2, GetDIBits(surface.Dc().m_hDC, surface.Bitmap(), 0, 2, dib.bits.data(), dib.Info(), DIB_RGB_COLORS));
		EXPECT_EQ(12u, static_cast<unsigned>(dib.nRowBytes));
		const BYTE bottom[] = { 255, 255, 255, 255, 255, 255, 30, 20, 10 };
		const BYTE top[] = { 3, 2, 1, 255, 255, 255, 255, 255, 255 };
		EXPECT_EQ(0, std::memcmp(bottom, dib.Row(0), sizeof(bottom)));
		EXPECT_EQ(0, std::memcmp(top, dib.Row(1), sizeof(top)));
		EXPECT_EQ(24u, dib.Info()->bmiHeader.biSizeImage);
	}

	TEST(GetDIBitsTest, HeaderQueryDescribesTheBitmap)
	{
		MemorySurface surface(7, 5);
		BITMAPINFO info = {};
		info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
		EXPECT_NE(0, GetDIBits(surface.Dc().m_hDC, surface.Bitmap(), 0, 5, nullptr, &info, DIB_RGB_COLORS));
		EXPECT_EQ(7, info.bmiHeader.biWidth);
		EXPECT_EQ(5, info.bmiHeader.biHeight);
		EXPECT_EQ(32, info.bmiHeader.biBitCount);
		EXPECT_EQ(140u, info.bmiHeader.biSizeImage);
	}

	TEST(GetDIBitsTest, DibRoundTripKeepsTwentyFourBitPixels)
	{
		PackedDib in(3, 2, 24, {});
		for (size_t i = 0; i < in.bits.size(); ++i)
			in.bits[i] = static_cast<BYTE>(i * 17 + 3);
		MemorySurface surface(3, 2);
		SetDIBitsToDevice(surface.Dc().m_hDC, 0, 0, 3, 2, 0, 0, 0, 2, in.bits.data(), in.Info(), DIB_RGB_COLORS);
		PackedDib out(3, 2, 24, {});
		GetDIBits(surface.Dc().m_hDC, surface.Bitmap(), 0, 2, out.bits.data(), out.Info(), DIB_RGB_COLORS);
		for (int nRow = 0; nRow < 2; ++nRow)
			EXPECT_EQ(0, std::memcmp(in.Row(nRow), out.Row(nRow), 9)) << "row " << nRow;
	}

	// An 8-bit .bmp file of 3x2 pixels with a four-colour table, as a resource would hold it.
	std::vector<BYTE> EightBitFile()
	{
		PackedDib dib = EightBitPicture();
		std::vector<BYTE> file(14);
		DWORD nOffBits = static_cast<DWORD>(14 + dib.info.size());
		DWORD nSize = static_cast<DWORD>(nOffBits + dib.bits.size());
		file[0] = 'B';
		file[1] = 'M';
		std::memcpy(&file[2], &nSize, 4);
		std::memcpy(&file[10], &nOffBits, 4);
		file.insert(file.end(), dib.info.begin(), dib.info.end());
		file.insert(file.end(), dib.bits.begin(), dib.bits.end());
		return file;
	}

	class BitmapResourceTest : public ::testing::Test
	{
	protected:
		static const UINT kPictureId = 4242;

		BitmapResourceTest()
			: m_file(EightBitFile()), m_module("gdi tests", TRUE, nullptr, 0)
		{
			m_bitmaps[0] = BinaryResource { kPictureId, m_file.data(), m_file.size() };
			m_module.SetBitmaps(m_bitmaps, 1);
			AfxAddResourceModule(&m_module);
		}

		~BitmapResourceTest() override
		{
			AfxRemoveResourceModule(&m_module);
		}

		std::vector<BYTE> m_file;
		BinaryResource m_bitmaps[1];
		CResourceModule m_module;
	};

	TEST_F(BitmapResourceTest, LoadBitmapGivesAScreenBitmapWithTheFilesPixels)
	{
		CBitmap bitmap;
		ASSERT_TRUE(bitmap.LoadBitmap(kPictureId));
		BITMAP bm;
		bitmap.GetBitmap(&bm);
		EXPECT_EQ(3, bm.bmWidth);
		EXPECT_EQ(2, bm.bmHeight);
		EXPECT_EQ(32, bm.bmBitsPixel);
		CDC dc;
		dc.CreateCompatibleDC(nullptr);
		CBitmap* pOld = dc.SelectObject(&bitmap);
		EXPECT_EQ(kWhite, dc.GetPixel(0, 0));
		EXPECT_EQ(kRed, dc.GetPixel(0, 1));
		EXPECT_EQ(kBlue, dc.GetPixel(2, 1));
		dc.SelectObject(pOld);
		CBitmap missing;
		EXPECT_FALSE(missing.LoadBitmap(kPictureId + 1));
	}

	TEST_F(BitmapResourceTest, DibSectionGivesBackTheFilesIndexesAndColourTable)
	{
		CBitmap section;
		ASSERT_TRUE(section.Attach(AfxLoadDIBSection(kPictureId)));
		BITMAP bm;
		section.GetBitmap(&bm);
		EXPECT_EQ(8, bm.bmBitsPixel);
		EXPECT_EQ(4, bm.bmWidthBytes);

		PackedDib out(3, 2, 8, std::vector<RGBQUAD>(256));
		CDC dc;
		dc.CreateCompatibleDC(nullptr);
		EXPECT_EQ(2, GetDIBits(dc.m_hDC, section, 0, 2, out.bits.data(), out.Info(), DIB_RGB_COLORS));
		PackedDib in = EightBitPicture();
		EXPECT_EQ(0, std::memcmp(in.Row(0), out.Row(0), 3));
		EXPECT_EQ(0, std::memcmp(in.Row(1), out.Row(1), 3));
		EXPECT_EQ(0, std::memcmp(in.Info()->bmiColors, out.Info()->bmiColors, 4 * 4));
		EXPECT_EQ(nullptr, AfxLoadDIBSection(kPictureId + 1));
	}

	TEST_F(BitmapResourceTest, AFileOfNoBitsAPixelGivesNoBitmap)
	{
		// No bits a pixel gives rows of no bytes, to be refused rather than divided by.
		m_file[28] = 0;
		CBitmap bitmap;
		EXPECT_FALSE(bitmap.LoadBitmap(kPictureId));
		EXPECT_EQ(nullptr, AfxLoadDIBSection(kPictureId));
	}

	TEST(GetDIBitsTest, EightBitsWithoutATableOfItsOwnUseTheStandardColours)
	{
		MemorySurface surface(2, 1, kWhite);
		surface.Dc().SetPixel(0, 0, RGB(250, 2, 3));
		PackedDib out(2, 1, 8, std::vector<RGBQUAD>(256));
		ASSERT_EQ(1, GetDIBits(surface.Dc().m_hDC, surface.Bitmap(), 0, 1, out.bits.data(), out.Info(), DIB_RGB_COLORS));
		const RGBQUAD& reddish = out.Info()->bmiColors[out.Row(0)[0]];
		const RGBQUAD& white = out.Info()->bmiColors[out.Row(0)[1]];
		EXPECT_EQ(255, reddish.rgbRed);
		EXPECT_EQ(0, reddish.rgbGreen);
		EXPECT_EQ(255, white.rgbRed);
		EXPECT_EQ(255, white.rgbBlue);
	}
}
