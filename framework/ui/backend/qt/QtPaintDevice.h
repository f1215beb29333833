// The Qt paint device behind a CPaintDevice the driver hands out, and the one painter that draws
// on it for every DC: Qt allows one painter per device, Windows any number of DCs.
#pragma once

#include "framework/ui/backend/Driver.h"

#include <QImage>
#include <QPainter>

class QPaintDevice;

class CQtPaintDevice : public CPaintDevice
{
public:
	explicit CQtPaintDevice(QPaintDevice* pDevice);
	// A device on the pixels of a bitmap the model keeps.
	explicit CQtPaintDevice(PixelImage& image);
	~CQtPaintDevice() override;

	CQtPaintDevice(const CQtPaintDevice&) = delete;
	CQtPaintDevice& operator=(const CQtPaintDevice&) = delete;

	QPaintDevice* Device() const;
	// The pixels, when they can be read: a bitmap's or a window surface's.
	const QImage* Image() const;
	bool IsPrinter() const;
	// The pixels of an image device in the framework's layout, for writing; none for other devices.
	DeviceScanLines ScanLines();
	// The painter set up for the target's origin and clipping, in the composition mode, without
	// antialiasing; null when the device cannot be painted on.
	QPainter* Painter(const DrawTarget& target, QPainter::CompositionMode mode);
	// Ends the painter, so that the device's paint engine finishes what it recorded; the next
	// drawing begins it again.
	void EndPainting();
	// Drawing goes through pPainter, active on another device, until this is called again with
	// null: a printer's page is drawn straight onto the sheet while the device answers for its measures.
	void PaintThrough(QPainter* pPainter);

private:
	QImage m_bitmap;
	QPaintDevice* m_pDevice;
	QPainter m_painter;
	QPainter* m_pThrough = nullptr;
	unsigned m_nSerial = 0;
};
