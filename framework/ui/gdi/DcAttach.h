// Attaching a DC to what it draws on, as the driver gives it: a window's surface or a printer's page.
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/PixelRegion.h"

class CDC;
class CPaintDevice;

// Makes dc draw on the device, clipped to *pClip (device coordinates) when given; the DC starts
// with the Windows defaults (black 1-px pen, white brush, system font, text black on white, opaque).
void AttachDcToSurface(CDC& dc, CPaintDevice* pDevice, const PixelRegion* pClip);
// Ends painting; the device keeps what was drawn.
void DetachDc(CDC& dc);
// The device a DC attached this way draws on; null for other DCs and for handles of no DC.
CPaintDevice* DcDevice(HDC hDC);
