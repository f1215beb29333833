// CBitmap: bitmaps from resources, empty and from bits, and their descriptions.
#include "framework/ui/gdi/Bitmap.h"

#include "framework/core/Resources.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/backend/qt/GdiDib.h"
#include "framework/ui/backend/qt/GdiObjectData.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

namespace
{
	const WORD kScreenBitsPixel = 32;

	// Device bitmaps store their rows top-down, each a whole number of words.
	QImage ImageFromDeviceBits(int nWidth, int nHeight, UINT nBitcount, const BYTE* pBits)
	{
		QImage image(nWidth, nHeight, QImage::Format_RGB32);
		if (image.isNull())
			return image;
		int nRowBytes = (nWidth * static_cast<int>(nBitcount) + 15) / 16 * 2;
		for (int y = 0; y < nHeight; ++y)
		{
			const BYTE* pRow = pBits + static_cast<size_t>(y) * nRowBytes;
			QRgb* pLine = reinterpret_cast<QRgb*>(image.scanLine(y));
			for (int x = 0; x < nWidth; ++x)
			{
				if (nBitcount == 1)
					pLine[x] = (pRow[x / 8] >> (7 - x % 8)) & 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
				else if (nBitcount == 24)
					pLine[x] = qRgb(pRow[3 * x + 2], pRow[3 * x + 1], pRow[3 * x]);
				else
					pLine[x] = qRgb(pRow[4 * x + 2], pRow[4 * x + 1], pRow[4 * x]);
			}
		}
		return image;
	}

	std::shared_ptr<GdiBitmapData> BitmapFromResource(UINT nIDResource)
	{
		const BinaryResource* pResource = AfxFindBitmapResource(nIDResource);
		QImage image;
		WORD nBitCount = 0;
		QVector<QRgb> colorTable;
		if (pResource == nullptr || !GdiReadBmpFile(pResource->pData, pResource->nSize, &image, &nBitCount, &colorTable))
			return nullptr;
		auto pData = std::make_shared<GdiBitmapData>(image, nBitCount);
		pData->m_colorTable = colorTable;
		return pData;
	}
}

CBitmap::CBitmap()
{
}

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap)
{
	return static_cast<CBitmap*>(CGdiObject::FromHandle(reinterpret_cast<HGDIOBJ>(hBitmap)));
}

CBitmap::operator HBITMAP() const
{
	return reinterpret_cast<HBITMAP>(m_hObject);
}

BOOL CBitmap::Attach(HBITMAP hBitmap)
{
	return CGdiObject::Attach(reinterpret_cast<HGDIOBJ>(hBitmap));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
	std::shared_ptr<GdiBitmapData> pData = BitmapFromResource(nIDResource);
	if (pData == nullptr)
		return FALSE;
	// A device bitmap forgets the file's format and takes the screen's.
	pData->m_nBitsPixel = kScreenBitsPixel;
	pData->m_colorTable.clear();
	return Attach(GdiAddObject(std::move(pData)));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
	if (nWidth <= 0 || nHeight <= 0 || nPlanes != 1 || (nBitcount != 1 && nBitcount != 24 && nBitcount != 32))
		return FALSE;
	QImage image;
	if (lpBits != nullptr)
	{
		image = ImageFromDeviceBits(nWidth, nHeight, nBitcount, static_cast<const BYTE*>(lpBits));
	}
	else
	{
		image = QImage(nWidth, nHeight, QImage::Format_RGB32);
		image.fill(Qt::black);
	}
	if (image.isNull())
		return FALSE;
	return Attach(GdiAddObject(std::make_shared<GdiBitmapData>(image, static_cast<WORD>(nBitcount))));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int nWidth, int nHeight)
{
	// A zero size gives the 1x1 bitmap Windows gives.
	if (nWidth <= 0 || nHeight <= 0)
		nWidth = nHeight = 1;
	QImage image(nWidth, nHeight, QImage::Format_RGB32);
	if (image.isNull())
		return FALSE;
	image.fill(Qt::black);
	return Attach(GdiAddObject(std::make_shared<GdiBitmapData>(image, kScreenBitsPixel)));
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const
{
	return GetObject(sizeof(BITMAP), pBitMap);
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight)
{
	std::shared_ptr<GdiBitmapData> pData = GdiFind<GdiBitmapData>(m_hObject);
	if (pData == nullptr)
		return CSize(0, 0);
	CSize previous = pData->m_dimension;
	pData->m_dimension = CSize(nWidth, nHeight);
	return previous;
}

CSize CBitmap::GetBitmapDimension() const
{
	std::shared_ptr<GdiBitmapData> pData = GdiFind<GdiBitmapData>(m_hObject);
	return pData == nullptr ? CSize(0, 0) : pData->m_dimension;
}

HBITMAP AfxLoadDIBSection(UINT nIDResource)
{
	std::shared_ptr<GdiBitmapData> pData = BitmapFromResource(nIDResource);
	if (pData == nullptr)
		return nullptr;
	pData->m_bDibSection = true;
	return reinterpret_cast<HBITMAP>(GdiAddObject(std::move(pData)));
}
