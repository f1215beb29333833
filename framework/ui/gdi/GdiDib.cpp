// Conversions between device-independent bitmaps (and .bmp files) and 32-bit pixels; DIBs are
// read through the core's checked parser.
#include "framework/ui/gdi/GdiDib.h"

#include "framework/core/DibParser.h"
#include "framework/ui/gdi/GdiObjectData.h"

#include <cstring>
#include <unordered_map>

namespace
{
	std::uint32_t Pixel(BYTE r, BYTE g, BYTE b)
	{
		return GdiPixel(RGB(r, g, b));
	}

	int Distance(std::uint32_t a, std::uint32_t b)
	{
		int dr = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
		int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
		int db = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
		return dr * dr + dg * dg + db * db;
	}

	int NearestIndex(std::uint32_t colour, const std::vector<std::uint32_t>& colorTable)
	{
		int nBest = 0;
		for (size_t i = 1; i < colorTable.size(); ++i)
		{
			if (Distance(colour, colorTable[i]) < Distance(colour, colorTable[static_cast<size_t>(nBest)]))
				nBest = static_cast<int>(i);
		}
		return nBest;
	}

	PixelImage ImageFromView(const DibView& view)
	{
		const LONG nWidth = view.info.bmiHeader.biWidth;
		PixelImage image = GdiFilledImage(nWidth, static_cast<int>(view.nRows), RGB(0, 0, 0));
		if (image.pixels.empty())
			return image;
		std::vector<RGBQUAD> pixels(static_cast<size_t>(nWidth));
		for (int y = 0; y < image.nHeight; ++y)
		{
			view.ReadRow(static_cast<size_t>(y), pixels.data());
			std::uint32_t* pLine = image.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(nWidth);
			for (LONG x = 0; x < nWidth; ++x)
				pLine[x] = Pixel(pixels[x].rgbRed, pixels[x].rgbGreen, pixels[x].rgbBlue);
		}
		return image;
	}
}

PixelImage GdiImageFromDib(const BITMAPINFO* pInfo, const void* pBits, int nRows)
{
	DibView view;
	if (nRows <= 0 || DibParseMemory(pInfo, pBits, static_cast<size_t>(nRows), view) != DibFault::None)
		return PixelImage();
	return ImageFromView(view);
}

bool GdiReadBmpFile(const BYTE* pData, size_t nSize, PixelImage* pImage, WORD* pBitCount, std::vector<std::uint32_t>* pColorTable)
{
	DibView view;
	if (DibParseFile(pData, nSize, view) != DibFault::None)
		return false;
	PixelImage image = ImageFromView(view);
	if (image.pixels.empty())
		return false;
	const WORD wBitCount = view.info.bmiHeader.biBitCount;
	std::vector<std::uint32_t> colorTable;
	for (DWORD i = 0; wBitCount <= 8 && i < view.nColors; ++i)
		colorTable.push_back(Pixel(view.info.bmiColors[i].rgbRed, view.info.bmiColors[i].rgbGreen, view.info.bmiColors[i].rgbBlue));
	*pImage = std::move(image);
	*pBitCount = wBitCount;
	*pColorTable = std::move(colorTable);
	return true;
}

void GdiWriteDibRow(const PixelImage& image, int nRow, int nBitCount, const std::vector<std::uint32_t>& colorTable, BYTE* pRow)
{
	const std::uint32_t* pLine = image.pixels.data() + static_cast<size_t>(nRow) * static_cast<size_t>(image.nWidth);
	std::memset(pRow, 0, static_cast<size_t>(DibRowSize(static_cast<WORD>(nBitCount), image.nWidth)));
	// Neighbouring pixels mostly share colours: remember the indexes found.
	std::unordered_map<std::uint32_t, int> indexes;
	for (int x = 0; x < image.nWidth; ++x)
	{
		const std::uint32_t colour = pLine[x] | 0xFF000000u;
		const BYTE r = static_cast<BYTE>(colour >> 16);
		const BYTE g = static_cast<BYTE>(colour >> 8);
		const BYTE b = static_cast<BYTE>(colour);
		switch (nBitCount)
		{
		case 1:
		case 4:
		case 8:
		{
			auto it = indexes.find(colour);
			if (it == indexes.end())
				it = indexes.emplace(colour, NearestIndex(colour, colorTable)).first;
			int nPerByte = 8 / nBitCount;
			int nShift = 8 - nBitCount * (x % nPerByte + 1);
			pRow[x / nPerByte] = static_cast<BYTE>(pRow[x / nPerByte] | (it->second << nShift));
			break;
		}
		case 16:
		{
			int nValue = ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
			pRow[2 * x] = static_cast<BYTE>(nValue & 0xFF);
			pRow[2 * x + 1] = static_cast<BYTE>(nValue >> 8);
			break;
		}
		case 24:
			pRow[3 * x] = b;
			pRow[3 * x + 1] = g;
			pRow[3 * x + 2] = r;
			break;
		default:
			pRow[4 * x] = b;
			pRow[4 * x + 1] = g;
			pRow[4 * x + 2] = r;
			break;
		}
	}
}

std::vector<std::uint32_t> GdiDefaultColorTable(int nBitCount)
{
	if (nBitCount == 1)
		return { Pixel(0, 0, 0), Pixel(255, 255, 255) };
	std::vector<std::uint32_t> colorTable;
	// The sixteen colours of the standard VGA palette come first at 4 and 8 bits.
	static const BYTE vga[16][3] = {
		{ 0, 0, 0 }, { 128, 0, 0 }, { 0, 128, 0 }, { 128, 128, 0 }, { 0, 0, 128 }, { 128, 0, 128 },
		{ 0, 128, 128 }, { 192, 192, 192 }, { 128, 128, 128 }, { 255, 0, 0 }, { 0, 255, 0 },
		{ 255, 255, 0 }, { 0, 0, 255 }, { 255, 0, 255 }, { 0, 255, 255 }, { 255, 255, 255 } };
	for (const BYTE* c : vga)
		colorTable.push_back(Pixel(c[0], c[1], c[2]));
	if (nBitCount == 4)
		return colorTable;
	// Then a 6x6x6 colour cube and a ramp of greys.
	for (int r = 0; r < 6; ++r)
		for (int g = 0; g < 6; ++g)
			for (int b = 0; b < 6; ++b)
				colorTable.push_back(Pixel(static_cast<BYTE>(r * 51), static_cast<BYTE>(g * 51), static_cast<BYTE>(b * 51)));
	for (int i = 1; i <= 24; ++i)
		colorTable.push_back(Pixel(static_cast<BYTE>(i * 255 / 25), static_cast<BYTE>(i * 255 / 25), static_cast<BYTE>(i * 255 / 25)));
	return colorTable;
}
