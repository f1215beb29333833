// Conversions between device-independent bitmaps (and .bmp files) and RGB32 images.
#include "framework/ui/backend/qt/GdiDib.h"

#include <QHash>

#include <cstring>

namespace
{
	const WORD kBitmapFileType = 0x4D42;	// "BM"
	const size_t kFileHeaderSize = 14;
	const size_t kInfoHeaderSize = 40;

	QRgb FromQuad(const RGBQUAD& quad)
	{
		return qRgb(quad.rgbRed, quad.rgbGreen, quad.rgbBlue);
	}

	QRgb ReadPixel(const BYTE* pRow, int x, int nBitCount, const QVector<QRgb>& colorTable)
	{
		switch (nBitCount)
		{
		case 1:
		case 4:
		case 8:
		{
			int nPerByte = 8 / nBitCount;
			int nShift = 8 - nBitCount * (x % nPerByte + 1);
			int nIndex = (pRow[x / nPerByte] >> nShift) & ((1 << nBitCount) - 1);
			return nIndex < colorTable.size() ? colorTable[nIndex] : qRgb(0, 0, 0);
		}
		case 16:
		{
			int nValue = pRow[2 * x] | (pRow[2 * x + 1] << 8);
			// Five bits a channel, widened so that full intensity stays full.
			auto widen = [](int n) { return (n << 3) | (n >> 2); };
			return qRgb(widen((nValue >> 10) & 0x1F), widen((nValue >> 5) & 0x1F), widen(nValue & 0x1F));
		}
		case 24:
			return qRgb(pRow[3 * x + 2], pRow[3 * x + 1], pRow[3 * x]);
		default:
			return qRgb(pRow[4 * x + 2], pRow[4 * x + 1], pRow[4 * x]);
		}
	}

	int Distance(QRgb a, QRgb b)
	{
		int dr = qRed(a) - qRed(b);
		int dg = qGreen(a) - qGreen(b);
		int db = qBlue(a) - qBlue(b);
		return dr * dr + dg * dg + db * db;
	}

	int NearestIndex(QRgb colour, const QVector<QRgb>& colorTable)
	{
		int nBest = 0;
		for (int i = 1; i < colorTable.size(); ++i)
		{
			if (Distance(colour, colorTable[i]) < Distance(colour, colorTable[nBest]))
				nBest = i;
		}
		return nBest;
	}

	template <class T>
	T ReadLittleEndian(const BYTE* p)
	{
		T value = 0;
		for (size_t i = 0; i < sizeof(T); ++i)
			value = static_cast<T>(value | (static_cast<T>(p[i]) << (8 * i)));
		return value;
	}
}

int GdiDibRowBytes(int nWidth, int nBitCount)
{
	return (nWidth * nBitCount + 31) / 32 * 4;
}

int GdiDibColorCount(const BITMAPINFOHEADER& header)
{
	if (header.biBitCount > 8)
		return 0;
	if (header.biClrUsed != 0)
		return static_cast<int>(header.biClrUsed);
	return 1 << header.biBitCount;
}

QVector<QRgb> GdiDibColorTable(const BITMAPINFO* pInfo)
{
	QVector<QRgb> colorTable;
	int nColors = GdiDibColorCount(pInfo->bmiHeader);
	for (int i = 0; i < nColors; ++i)
		colorTable << FromQuad(pInfo->bmiColors[i]);
	return colorTable;
}

QImage GdiImageFromDib(const BITMAPINFO* pInfo, const void* pBits, int nRows)
{
	const BITMAPINFOHEADER& header = pInfo->bmiHeader;
	int nBitCount = header.biBitCount;
	bool bSupported = nBitCount == 1 || nBitCount == 4 || nBitCount == 8 || nBitCount == 16 || nBitCount == 24 || nBitCount == 32;
	if (!bSupported || header.biCompression != BI_RGB || header.biWidth <= 0 || nRows <= 0 || pBits == nullptr)
		return QImage();
	QVector<QRgb> colorTable = GdiDibColorTable(pInfo);
	bool bBottomUp = header.biHeight > 0;
	int nRowBytes = GdiDibRowBytes(header.biWidth, nBitCount);
	QImage image(header.biWidth, nRows, QImage::Format_RGB32);
	if (image.isNull())
		return image;
	const BYTE* pFirst = static_cast<const BYTE*>(pBits);
	for (int nStored = 0; nStored < nRows; ++nStored)
	{
		const BYTE* pRow = pFirst + static_cast<size_t>(nStored) * nRowBytes;
		QRgb* pLine = reinterpret_cast<QRgb*>(image.scanLine(bBottomUp ? nRows - 1 - nStored : nStored));
		for (int x = 0; x < header.biWidth; ++x)
			pLine[x] = ReadPixel(pRow, x, nBitCount, colorTable);
	}
	return image;
}

bool GdiReadBmpFile(const BYTE* pData, size_t nSize, QImage* pImage, WORD* pBitCount, QVector<QRgb>* pColorTable)
{
	if (pData == nullptr || nSize < kFileHeaderSize + kInfoHeaderSize || ReadLittleEndian<WORD>(pData) != kBitmapFileType)
		return false;
	DWORD nOffBits = ReadLittleEndian<DWORD>(pData + 10);
	if (ReadLittleEndian<DWORD>(pData + kFileHeaderSize) != kInfoHeaderSize)
		return false;
	BITMAPINFOHEADER header;
	std::memcpy(&header, pData + kFileHeaderSize, kInfoHeaderSize);
	size_t nColors = static_cast<size_t>(GdiDibColorCount(header));
	if (header.biBitCount > 8 || nColors > 256)
		nColors = header.biBitCount > 8 ? 0 : 256;
	size_t nTableEnd = kFileHeaderSize + kInfoHeaderSize + 4 * nColors;
	if (header.biWidth <= 0 || header.biHeight == 0 || nTableEnd > nSize)
		return false;
	int nRows = header.biHeight < 0 ? -header.biHeight : header.biHeight;
	size_t nRowBytes = static_cast<size_t>(GdiDibRowBytes(header.biWidth, header.biBitCount));
	if (nOffBits < nTableEnd || nOffBits > nSize || (nSize - nOffBits) / nRowBytes < static_cast<size_t>(nRows))
		return false;
	// The header and colour table copied into an aligned block for the DIB reader.
	std::vector<BYTE> info(kInfoHeaderSize + 4 * std::max<size_t>(nColors, 1));
	std::memcpy(info.data(), &header, kInfoHeaderSize);
	std::memcpy(info.data() + kInfoHeaderSize, pData + kFileHeaderSize + kInfoHeaderSize, 4 * nColors);
	const BITMAPINFO* pInfo = reinterpret_cast<const BITMAPINFO*>(info.data());
	QImage image = GdiImageFromDib(pInfo, pData + nOffBits, nRows);
	if (image.isNull())
		return false;
	*pImage = image;
	*pBitCount = header.biBitCount;
	*pColorTable = GdiDibColorTable(pInfo);
	return true;
}

void GdiWriteDibRow(const QImage& image, int nRow, int nBitCount, const QVector<QRgb>& colorTable, BYTE* pRow)
{
	const QRgb* pLine = reinterpret_cast<const QRgb*>(image.constScanLine(nRow));
	std::memset(pRow, 0, static_cast<size_t>(GdiDibRowBytes(image.width(), nBitCount)));
	// Neighbouring pixels mostly share colours: remember the indexes found.
	QHash<QRgb, int> indexes;
	for (int x = 0; x < image.width(); ++x)
	{
		QRgb colour = pLine[x] | 0xFF000000;
		switch (nBitCount)
		{
		case 1:
		case 4:
		case 8:
		{
			auto it = indexes.find(colour);
			if (it == indexes.end())
				it = indexes.insert(colour, NearestIndex(colour, colorTable));
			int nPerByte = 8 / nBitCount;
			int nShift = 8 - nBitCount * (x % nPerByte + 1);
			pRow[x / nPerByte] = static_cast<BYTE>(pRow[x / nPerByte] | (it.value() << nShift));
			break;
		}
		case 16:
		{
			int nValue = ((qRed(colour) >> 3) << 10) | ((qGreen(colour) >> 3) << 5) | (qBlue(colour) >> 3);
			pRow[2 * x] = static_cast<BYTE>(nValue & 0xFF);
			pRow[2 * x + 1] = static_cast<BYTE>(nValue >> 8);
			break;
		}
		case 24:
			pRow[3 * x] = static_cast<BYTE>(qBlue(colour));
			pRow[3 * x + 1] = static_cast<BYTE>(qGreen(colour));
			pRow[3 * x + 2] = static_cast<BYTE>(qRed(colour));
			break;
		default:
			pRow[4 * x] = static_cast<BYTE>(qBlue(colour));
			pRow[4 * x + 1] = static_cast<BYTE>(qGreen(colour));
			pRow[4 * x + 2] = static_cast<BYTE>(qRed(colour));
			break;
		}
	}
}

QVector<QRgb> GdiDefaultColorTable(int nBitCount)
{
	QVector<QRgb> colorTable;
	if (nBitCount == 1)
		return { qRgb(0, 0, 0), qRgb(255, 255, 255) };
	// The sixteen colours of the standard VGA palette come first at 4 and 8 bits.
	static const int vga[16][3] = {
		{ 0, 0, 0 }, { 128, 0, 0 }, { 0, 128, 0 }, { 128, 128, 0 }, { 0, 0, 128 }, { 128, 0, 128 },
		{ 0, 128, 128 }, { 192, 192, 192 }, { 128, 128, 128 }, { 255, 0, 0 }, { 0, 255, 0 },
		{ 255, 255, 0 }, { 0, 0, 255 }, { 255, 0, 255 }, { 0, 255, 255 }, { 255, 255, 255 } };
	for (const int* c : vga)
		colorTable << qRgb(c[0], c[1], c[2]);
	if (nBitCount == 4)
		return colorTable;
	// Then a 6x6x6 colour cube and a ramp of greys.
	for (int r = 0; r < 6; ++r)
		for (int g = 0; g < 6; ++g)
			for (int b = 0; b < 6; ++b)
				colorTable << qRgb(r * 51, g * 51, b * 51);
	for (int i = 1; i <= 24; ++i)
		colorTable << qRgb(i * 255 / 25, i * 255 / 25, i * 255 / 25);
	return colorTable;
}
