// CBitmap: bitmaps from resources, empty and from bits, and their descriptions.
#include "framework/ui/gdi/Bitmap.h"

#include "framework/core/Resources.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/GdiDib.h"
#include "framework/ui/gdi/GdiObjectData.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

namespace
{
	const WORD kScreenBitsPixel = 32;

	// Device bitmaps store their rows top-down, each a whole number of words.
	PixelImage ImageFromDeviceBits(int nWidth, int nHeight, UINT nBitcount, const BYTE* pBits)
	{
		PixelImage image = GdiFilledImage(nWidth, nHeight, RGB(0, 0, 0));
		if (image.pixels.empty())
			return image;
		size_t nRowBytes = static_cast<size_t>((nWidth * static_cast<int>(nBitcount) + 15) / 16 * 2);
		for (int y = 0; y < nHeight; ++y)
		{
			const BYTE* pRow = pBits + static_cast<size_t>(y) * nRowBytes;
			std::uint32_t* pLine = image.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(nWidth);
			for (int x = 0; x < nWidth; ++x)
			{
				if (nBitcount == 1)
					pLine[x] = GdiPixel((pRow[x / 8] >> (7 - x % 8)) & 1 ? RGB(255, 255, 255) : RGB(0, 0, 0));
				else if (nBitcount == 24)
					pLine[x] = GdiPixel(RGB(pRow[3 * x + 2], pRow[3 * x + 1], pRow[3 * x]));
				else
					pLine[x] = GdiPixel(RGB(pRow[4 * x + 2], pRow[4 * x + 1], pRow[4 * x]));
			}
		}
		return image;
	}

	std::shared_ptr<GdiBitmapData> BitmapFromResource(UINT nIDResource)
	{
		const BinaryResource* pResource = AfxFindBitmapResource(nIDResource);
		PixelImage image;
		WORD nBitCount = 0;
		std::vector<std::uint32_t> colorTable;
		if (pResource == nullptr || !GdiReadBmpFile(pResource->pData, pResource->nSize, &image, &nBitCount, &colorTable))
			return nullptr;
		auto pData = std::make_shared<GdiBitmapData>(std::move(image), nBitCount);
		pData->m_colorTable = std::move(colorTable);
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
	PixelImage image = lpBits != nullptr ? ImageFromDeviceBits(nWidth, nHeight, nBitcount, static_cast<const BYTE*>(lpBits))
										 : GdiFilledImage(nWidth, nHeight, RGB(0, 0, 0));
	if (image.pixels.empty())
		return FALSE;
	return Attach(GdiAddObject(std::make_shared<GdiBitmapData>(std::move(image), static_cast<WORD>(nBitcount))));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int nWidth, int nHeight)
{
	// A zero size gives the 1x1 bitmap Windows gives.
	if (nWidth <= 0 || nHeight <= 0)
		nWidth = nHeight = 1;
	PixelImage image = GdiFilledImage(nWidth, nHeight, RGB(0, 0, 0));
	if (image.pixels.empty())
		return FALSE;
	return Attach(GdiAddObject(std::make_shared<GdiBitmapData>(std::move(image), kScreenBitsPixel)));
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
