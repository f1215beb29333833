// The seam through which windows and printers get a DC on their paint device.
#include "framework/ui/gdi/DcAttach.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/DcState.h"

void AttachDcToSurface(CDC& dc, CPaintDevice* pDevice, const PixelRegion* pClip)
{
	if (dc.m_hDC != nullptr)
		DetachDc(dc);
	dc.Attach(DcAdd(std::make_unique<DcState>(pDevice, pClip)));
}

void DetachDc(CDC& dc)
{
	HDC hDC = dc.Detach();
	if (hDC != nullptr)
		DcRemove(hDC);
}

CPaintDevice* DcDevice(HDC hDC)
{
	DcState* pState = DcFind(hDC);
	return pState != nullptr && !pState->IsMemory() ? pState->Device() : nullptr;
}
