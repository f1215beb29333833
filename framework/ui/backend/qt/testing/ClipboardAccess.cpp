// The desktop's clipboard read as another program would: its text and its image.
#include "framework/ui/testing/ClipboardAccess.h"

#include "framework/ui/backend/qt/QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

DesktopClipboard AfxReadDesktopClipboard()
{
	DesktopClipboard clipboard = {};
	const QMimeData* pData = QGuiApplication::clipboard()->mimeData();
	if (pData == nullptr)
	{
		return clipboard;
	}
	clipboard.bText = pData->hasText();
	clipboard.strText = FromQString(pData->text());
	clipboard.bImage = pData->hasImage();
	const QImage image = qvariant_cast<QImage>(pData->imageData()).convertToFormat(QImage::Format_ARGB32);
	clipboard.nWidth = image.width();
	clipboard.nHeight = image.height();
	for (int y = 0; y < image.height(); ++y)
	{
		const QRgb* pRow = reinterpret_cast<const QRgb*>(image.constScanLine(y));
		clipboard.pixels.insert(clipboard.pixels.end(), pRow, pRow + image.width());
	}
	return clipboard;
}
