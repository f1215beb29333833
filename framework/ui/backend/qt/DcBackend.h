// The seam between the window layer and the DC, as the backend sees it: DCs are attached to the
// devices the driver hands out (gdi/DcAttach.h), and a printer's page tells the whole sheet.
#pragma once

#include "framework/ui/gdi/DcAttach.h"

// A printer's paint device that also knows the whole sheet: GetDeviceCaps asks it for
// PHYSICALWIDTH, PHYSICALHEIGHT, PHYSICALOFFSETX and PHYSICALOFFSETY, in device pixels.
class PrinterPaper
{
public:
	virtual ~PrinterPaper() = default;
	virtual int PhysicalCaps(int nIndex) const = 0;
};
