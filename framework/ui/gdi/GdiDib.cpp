// Conversions between device-independent bitmaps (and .bmp files) and RGB32 images; DIBs are
// read through the core's checked parser.
#include "framework/ui/backend/qt/GdiDib.h"

#include "framework/core/DibParser.h"

#include <QHash>

#include <cstring>
#include <vector>

namespace
{
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

	QImage ImageFromView(const DibView& view)
	{
		const LONG nWidth = view.info.bmiHeader.biWidth;
		QImage image(nWidth, static_cast<int>(view.nRows), QImage::Format_RGB32);
		if (image.isNull())
			return image;
		std::vector<RGBQUAD> pixels(static_cast<size_t>(nWidth));
		for (int y = 0; y < image.height(); ++y)
		{
			view.ReadRow(static_cast<size_t>(y), pixels.data());
			QRgb* pLine = reinterpret_cast<QRgb*>(image.scanLine(y));
			for (LONG x = 0; x < nWidth; ++x)
				pLine[x] = qRgb(pixels[x].rgbRed, pixels[x].rgbGreen, pixels[x].rgbBlue);
		}
		return image;
	}
}

QImage GdiImageFromDib(const BITMAPINFO* pInfo, const void* pBits, int nRows)
{
	DibView view;
	if (nRows <= 0 || DibParseMemory(pInfo, pBits, static_cast<size_t>(nRows), view) != DibFault::None)
		return QImage();
	return ImageFromView(view);
}

bool GdiReadBmpFile(const BYTE* pData, size_t nSize, QImage* pImage, WORD* pBitCount, QVector<QRgb>* pColorTable)
{
	DibView view;
	if (DibParseFile(pData, nSize, view) != DibFault::None)
		return false;
	QImage image = ImageFromView(view);
	if (image.isNull())
		return false;
	const WORD wBitCount = view.info.bmiHeader.biBitCount;
	QVector<QRgb> colorTable;
	for (DWORD i = 0; wBitCount <= 8 && i < view.nColors; ++i)
		colorTable << qRgb(view.info.bmiColors[i].rgbRed, view.info.bmiColors[i].rgbGreen, view.info.bmiColors[i].rgbBlue);
	*pImage = image;
	*pBitCount = wBitCount;
	*pColorTable = colorTable;
	return true;
}

void GdiWriteDibRow(const QImage& image, int nRow, int nBitCount, const QVector<QRgb>& colorTable, BYTE* pRow)
{
	const QRgb* pLine = reinterpret_cast<const QRgb*>(image.constScanLine(nRow));
	std::memset(pRow, 0, static_cast<size_t>(DibRowSize(static_cast<WORD>(nBitCount), image.width())));
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
