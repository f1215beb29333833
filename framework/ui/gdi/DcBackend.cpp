// The seam through which windows and printers get a DC on their paint device.
#include "framework/ui/backend/qt/DcBackend.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/backend/qt/DcState.h"

void AttachDcToDevice(CDC& dc, QPaintDevice* device, const QRegion* clip)
{
	if (dc.m_hDC != nullptr)
		DetachDc(dc);
	dc.Attach(DcAdd(std::make_unique<DcState>(device, clip)));
}

void DetachDc(CDC& dc)
{
	HDC hDC = dc.Detach();
	if (hDC != nullptr)
		DcRemove(hDC);
}
