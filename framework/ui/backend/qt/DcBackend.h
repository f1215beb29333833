// The seam between the window layer and the DC: a window, a printer or any other Qt paint device
// gets a CDC that draws on it.
#pragma once

#include "framework/ui/gdi/DcAttach.h"

class CDC;
class QPaintDevice;
class QRegion;

// Makes dc draw on device (a window surface image, a bitmap, a printer), clipped to *clip when given;
// the DC starts with the Windows defaults (black 1-px pen, white brush, system font, text black on white, opaque).
// GetPixel, BitBlt from the DC and ScrollDC read the device's pixels, which a QImage device allows.
void AttachDcToDevice(CDC& dc, QPaintDevice* device, const QRegion* clip);

// A printer's paint device that also knows the whole sheet: GetDeviceCaps asks it for
// PHYSICALWIDTH, PHYSICALHEIGHT, PHYSICALOFFSETX and PHYSICALOFFSETY, in device pixels.
class PrinterPaper
{
public:
	virtual ~PrinterPaper() = default;
	virtual int PhysicalCaps(int nIndex) const = 0;
};
