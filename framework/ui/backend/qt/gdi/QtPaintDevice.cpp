// The painter of a device, set up again only when the target's origin or clipping changes.
#include "framework/ui/backend/qt/QtPaintDevice.h"

#include "framework/ui/backend/qt/gdi/QtGdi.h"

CQtPaintDevice::CQtPaintDevice(QPaintDevice* pDevice)
	: m_pDevice(pDevice)
{
}

CQtPaintDevice::CQtPaintDevice(PixelImage& image)
	: m_bitmap(reinterpret_cast<uchar*>(image.pixels.data()), image.nWidth, image.nHeight,
		  static_cast<qsizetype>(image.nWidth) * 4, QImage::Format_RGB32),
	  m_pDevice(&m_bitmap)
{
}

CQtPaintDevice::~CQtPaintDevice()
{
	EndPainting();
}

QPaintDevice* CQtPaintDevice::Device() const
{
	return m_pDevice;
}

const QImage* CQtPaintDevice::Image() const
{
	if (m_pDevice == nullptr || m_pDevice->devType() != QInternal::Image)
		return nullptr;
	return static_cast<const QImage*>(m_pDevice);
}

bool CQtPaintDevice::IsPrinter() const
{
	if (m_pDevice == nullptr)
		return false;
	int nType = m_pDevice->devType();
	return nType == QInternal::Printer || nType == QInternal::Picture;
}

DeviceScanLines CQtPaintDevice::ScanLines()
{
	if (m_pDevice == nullptr || m_pDevice->devType() != QInternal::Image)
		return DeviceScanLines { nullptr, 0, 0, 0 };
	QImage* pImage = static_cast<QImage*>(m_pDevice);
	if (pImage->format() != QImage::Format_RGB32 || pImage->devicePixelRatio() != 1.0 || pImage->isNull())
		return DeviceScanLines { nullptr, 0, 0, 0 };
	// Pixels shared with another image are copied on writing: the painter must not stay on the old ones.
	if (!pImage->isDetached())
		EndPainting();
	return DeviceScanLines { reinterpret_cast<std::uint32_t*>(pImage->bits()), static_cast<int>(pImage->bytesPerLine() / 4),
		pImage->width(), pImage->height() };
}

QPainter* CQtPaintDevice::Painter(const DrawTarget& target, QPainter::CompositionMode mode)
{
	if (m_pThrough != nullptr)
	{
		if (!m_pThrough->isActive())
			return nullptr;
	}
	else if (!m_painter.isActive())
	{
		if (m_pDevice == nullptr || !m_painter.begin(m_pDevice))
			return nullptr;
		m_nSerial = 0;
	}
	QPainter& painter = m_pThrough != nullptr ? *m_pThrough : m_painter;
	if (m_nSerial != target.nSerial)
	{
		painter.resetTransform();
		// Only switching the clipping off would leave the old region in the painter: a paint engine
		// such as the PDF one intersects the next clip rectangle with it, and save() and restore()
		// put it back in force.
		if (target.pClip == nullptr)
			painter.setClipRegion(QRegion(), Qt::NoClip);
		else
			painter.setClipRegion(GdiQRegion(*target.pClip));
		painter.setTransform(QTransform::fromTranslate(target.ptOrigin.x, target.ptOrigin.y));
		m_nSerial = target.nSerial;
	}
	painter.setCompositionMode(mode);
	// Setting a hint marks the painter's state changed even when it was already so, and a printer's
	// engine then writes its whole state out again before the next operation.
	if (painter.testRenderHint(QPainter::Antialiasing))
		painter.setRenderHint(QPainter::Antialiasing, false);
	return &painter;
}

void CQtPaintDevice::EndPainting()
{
	if (m_painter.isActive())
		m_painter.end();
	m_nSerial = 0;
}

void CQtPaintDevice::PaintThrough(QPainter* pPainter)
{
	EndPainting();
	m_pThrough = pPainter;
}
