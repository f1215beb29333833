// What the window layer reads from GDI handles, and the icons: made from pictures, read from
// icon files and drawn.
#include "framework/ui/backend/qt/GdiBackend.h"

#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/QtPaintDevice.h"
#include "framework/ui/backend/qt/gdi/FontMapping.h"
#include "framework/ui/backend/qt/gdi/QtGdi.h"
#include "framework/ui/gdi/DcPaint.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <algorithm>

#include <unordered_map>
#include <vector>

namespace
{
	struct IconData
	{
		// The image drawn, then every other size of the same icon, for the desktop.
		std::vector<QImage> images;
	};

	typedef std::unordered_map<HICON, std::unique_ptr<IconData>> IconTable;

	IconTable& Icons()
	{
		static IconTable& table = *new IconTable;
		return table;
	}
}

QBrush GdiQBrush(HBRUSH hBrush)
{
	std::shared_ptr<GdiBrushData> pData = GdiFind<GdiBrushData>(reinterpret_cast<HGDIOBJ>(hBrush));
	return pData == nullptr ? QBrush(Qt::NoBrush) : GdiFillBrush(GdiBrushFill(*pData), true);
}

QFont GdiQFont(HFONT hFont)
{
	std::shared_ptr<GdiFontData> pData = GdiFind<GdiFontData>(reinterpret_cast<HGDIOBJ>(hFont));
	if (pData == nullptr)
		pData = GdiFind<GdiFontData>(GdiStockObject(SYSTEM_FONT));
	return GdiMakeQFont(pData->m_logFont);
}

QImage GdiBitmapImage(HBITMAP hBitmap)
{
	std::shared_ptr<GdiBitmapData> pData = GdiFind<GdiBitmapData>(reinterpret_cast<HGDIOBJ>(hBitmap));
	// A deep copy: the bitmap may be drawn into while the copy is in use.
	return pData == nullptr ? QImage() : GdiWrapImage(pData->m_image).copy();
}

QRegion GdiRegion(HRGN hRgn)
{
	std::shared_ptr<GdiRgnData> pData = GdiFind<GdiRgnData>(reinterpret_cast<HGDIOBJ>(hRgn));
	return pData == nullptr ? QRegion() : GdiQRegion(pData->m_region);
}

bool GdiSetRegion(HRGN hRgn, const QRegion& region)
{
	std::shared_ptr<GdiRgnData> pData = GdiFind<GdiRgnData>(reinterpret_cast<HGDIOBJ>(hRgn));
	if (pData == nullptr)
		return false;
	pData->m_region = GdiPixelRegion(region);
	return true;
}

void GdiMarkStock(HGDIOBJ hObject)
{
	if (std::shared_ptr<GdiObjectData> pData = GdiFindObject(hObject))
		pData->m_bStock = true;
}

HICON GdiCreateIcon(const QImage& image)
{
	return GdiCreateIcon(std::vector<QImage>{ image });
}

HICON GdiCreateIcon(const std::vector<QImage>& images)
{
	if (images.empty())
		return nullptr;
	auto pIcon = std::make_unique<IconData>();
	for (const QImage& image : images)
		pIcon->images.push_back(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
	HICON hIcon = reinterpret_cast<HICON>(pIcon.get());
	Icons()[hIcon] = std::move(pIcon);
	return hIcon;
}

QImage GdiIconImage(HICON hIcon)
{
	IconTable& icons = Icons();
	auto it = icons.find(hIcon);
	return it == icons.end() ? QImage() : it->second->images.front();
}

CSize AfxGetIconSize(HICON hIcon)
{
	const QImage image = GdiIconImage(hIcon);
	return CSize(image.width(), image.height());
}

std::vector<QImage> GdiIconImages(HICON hIcon)
{
	IconTable& icons = Icons();
	auto it = icons.find(hIcon);
	return it == icons.end() ? std::vector<QImage>() : it->second->images;
}

bool GdiDestroyIcon(HICON hIcon)
{
	return Icons().erase(hIcon) == 1;
}

HICON CQtDriver::CreateIconFromFile(const BYTE* pData, std::size_t nSize)
{
	QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(pData), static_cast<int>(nSize));
	QBuffer buffer(&data);
	QImageReader reader(&buffer);
	std::vector<QImage> images;
	const int nImages = std::max(1, reader.imageCount());
	for (int i = 0; i < nImages && (i == 0 || reader.jumpToImage(i)); ++i)
	{
		QImage image = reader.read();
		if (!image.isNull())
		{
			images.push_back(image);
		}
	}
	return GdiCreateIcon(images);
}

bool CQtDriver::DrawIcon(const DrawTarget& target, const CPoint& pt, HICON hIcon)
{
	QImage image = GdiIconImage(hIcon);
	if (image.isNull())
		return false;
	if (target.pDevice == nullptr)
		return true;
	if (QPainter* pPainter = static_cast<CQtPaintDevice*>(target.pDevice)->Painter(target, QPainter::CompositionMode_SourceOver))
		pPainter->drawImage(QPoint(pt.x, pt.y), image);
	return true;
}
