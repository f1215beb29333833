// The driver's text on Qt: logical fonts made into Qt fonts for a device once and kept, text
// measured and drawn in them.
#include "framework/ui/backend/qt/QtDriver.h"

#include "framework/ui/backend/qt/QtPaintDevice.h"
#include "framework/ui/backend/qt/QtText.h"
#include "framework/ui/backend/qt/gdi/FontMapping.h"
#include "framework/ui/backend/qt/gdi/QtGdi.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QString>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace
{
	// A logical font on devices of one resolution, with its measures.
	struct DeviceFont
	{
		DeviceFont(const LOGFONT& logFont, QPaintDevice* pDevice)
			: logFont(logFont),
			  nDpi(pDevice != nullptr ? pDevice->logicalDpiY() : 0),
			  font(pDevice != nullptr ? QFont(GdiMakeQFont(logFont), pDevice) : GdiMakeQFont(logFont)),
			  metrics(font, pDevice)
		{
			QFontMetricsF exact(font, pDevice);
			cell.nAscent = qRound(exact.ascent());
			cell.nDescent = static_cast<int>(std::ceil(exact.descent() - 0.01));
			cell.nPixelSize = font.pixelSize();
			cell.nExternalLeading = metrics.leading();
			cell.nAveCharWidth = metrics.averageCharWidth();
			cell.nMaxCharWidth = metrics.maxWidth();
			cell.nWeight = font.weight();
			cell.bFixedPitch = QFontInfo(font).fixedPitch();
		}

		LOGFONT logFont;
		int nDpi;
		QFont font;
		QFontMetrics metrics;
		DeviceFontMetrics cell {};
	};

	// A program uses a handful of fonts: the ones used last are kept, the most recent first.
	const size_t kKeptFonts = 16;

	const DeviceFont& FontFor(const LOGFONT& logFont, CPaintDevice* pDevice)
	{
		static std::vector<std::unique_ptr<DeviceFont>>& fonts = *new std::vector<std::unique_ptr<DeviceFont>>;
		QPaintDevice* pQtDevice = pDevice != nullptr ? static_cast<CQtPaintDevice*>(pDevice)->Device() : nullptr;
		const int nDpi = pQtDevice != nullptr ? pQtDevice->logicalDpiY() : 0;
		for (size_t i = 0; i < fonts.size(); ++i)
		{
			if (fonts[i]->nDpi == nDpi && std::memcmp(&fonts[i]->logFont, &logFont, sizeof(LOGFONT)) == 0)
			{
				if (i > 0)
					std::swap(fonts[i], fonts[0]);
				return *fonts[0];
			}
		}
		if (fonts.size() == kKeptFonts)
			fonts.pop_back();
		fonts.insert(fonts.begin(), std::make_unique<DeviceFont>(logFont, pQtDevice));
		return *fonts[0];
	}
}

int CQtDriver::TextWidth(const LOGFONT& font, CPaintDevice* pDevice, LPCTSTR lpsz, int nCount, const int* lpDx)
{
	const QString text = ToQString(lpsz, nCount);
	if (lpDx == nullptr)
		return FontFor(font, pDevice).metrics.horizontalAdvance(text);
	int nWidth = 0;
	for (int i = 0; i < text.size(); ++i)
		nWidth += lpDx[i];
	return nWidth;
}

DeviceFontMetrics CQtDriver::FontMetrics(const LOGFONT& font, CPaintDevice* pDevice)
{
	return FontFor(font, pDevice).cell;
}

void CQtDriver::DrawTextRun(const DrawTarget& target, const LOGFONT& font, const CPoint& ptCell, LPCTSTR lpsz,
	int nCount, const int* lpDx, COLORREF crColor, const CRect* pClip)
{
	const QString text = ToQString(lpsz, nCount);
	QPainter* pPainter = target.pDevice == nullptr
		? nullptr
		: static_cast<CQtPaintDevice*>(target.pDevice)->Painter(target, QPainter::CompositionMode_SourceOver);
	if (pPainter == nullptr || text.isEmpty())
		return;
	const DeviceFont& deviceFont = FontFor(font, target.pDevice);
	// Only a clip needs putting back: every drawing operation sets the pen and brush it uses, and
	// restoring them would make a printer's engine write its whole state out again for each run.
	if (pClip != nullptr)
	{
		pPainter->save();
		pPainter->setClipRect(GdiQRect(*pClip), Qt::IntersectClip);
	}
	pPainter->setFont(deviceFont.font);
	pPainter->setPen(GdiSolidPen(crColor));
	int x = ptCell.x;
	const int yBaseline = ptCell.y + deviceFont.cell.nAscent;
	if (lpDx == nullptr)
	{
		pPainter->drawText(QPoint(x, yBaseline), text);
	}
	else
	{
		for (int i = 0; i < text.size(); ++i)
		{
			pPainter->drawText(QPoint(x, yBaseline), QString(text[i]));
			x += lpDx[i];
		}
	}
	if (pClip != nullptr)
		pPainter->restore();
}
