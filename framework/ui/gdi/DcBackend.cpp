// The seam through which windows and printers get a DC on their paint device.
#include "framework/ui/backend/qt/DcBackend.h"

#include "framework/ui/backend/qt/DcState.h"
#include "framework/ui/backend/qt/QtPaintDevice.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/DcAttach.h"

#include <vector>

void AttachDcToDevice(CDC& dc, QPaintDevice* device, const QRegion* clip)
{
	if (dc.m_hDC != nullptr)
		DetachDc(dc);
	dc.Attach(DcAdd(std::make_unique<DcState>(device, clip)));
}

void AttachDcToSurface(CDC& dc, CPaintDevice* pDevice, const PixelRegion* pClip)
{
	QPaintDevice* pQtDevice = pDevice != nullptr ? static_cast<CQtPaintDevice*>(pDevice)->Device() : nullptr;
	if (pClip == nullptr)
	{
		AttachDcToDevice(dc, pQtDevice, nullptr);
		return;
	}
	// Both keep their rectangles banded from the top, so Qt takes them as they are.
	std::vector<QRect> rects;
	rects.reserve(pClip->Rects().size());
	for (const CRect& rc : pClip->Rects())
		rects.emplace_back(rc.left, rc.top, rc.Width(), rc.Height());
	QRegion clip;
	clip.setRects(rects.data(), static_cast<int>(rects.size()));
	AttachDcToDevice(dc, pQtDevice, &clip);
}

void DetachDc(CDC& dc)
{
	HDC hDC = dc.Detach();
	if (hDC != nullptr)
		DcRemove(hDC);
}
