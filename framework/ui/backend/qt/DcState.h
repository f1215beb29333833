// The device context behind an HDC: the device or bitmap it draws on, its QPainter, and the
// Windows attributes that SaveDC keeps. Coordinates given to the painter are logical: the
// painter's transform adds the viewport and window origins.
#pragma once

#include "framework/core/Handles.h"
#include "framework/ui/backend/qt/GdiObjectData.h"

#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QRegion>

#include <memory>
#include <optional>
#include <vector>

class CDC;
class QPaintDevice;

struct DcAttributes
{
	std::shared_ptr<GdiPenData> pPen;
	std::shared_ptr<GdiBrushData> pBrush;
	std::shared_ptr<GdiFontData> pFont;
	std::shared_ptr<GdiBitmapData> pBitmap;	// memory DCs only
	std::shared_ptr<GdiPaletteData> pPalette;
	COLORREF crText = RGB(0, 0, 0);
	COLORREF crBk = RGB(255, 255, 255);
	int nBkMode = OPAQUE;
	int nRop2 = R2_COPYPEN;
	int nStretchMode = BLACKONWHITE;
	int nPolyFillMode = ALTERNATE;
	UINT nTextAlign = TA_LEFT | TA_TOP;
	QPoint ptCurrent;
	QPoint ptViewportOrg;
	QPoint ptWindowOrg;
	// The program's clipping in device coordinates; none when bClip is false.
	bool bClip = false;
	QRegion rgnClip;
};

class DcState
{
public:
	// A DC on a device, clipped by the system to *pClip (device coordinates) when given.
	DcState(QPaintDevice* pDevice, const QRegion* pClip);
	// A memory DC holding the default bitmap.
	DcState();
	~DcState();

	DcState(const DcState&) = delete;
	DcState& operator=(const DcState&) = delete;

	HDC Handle();
	bool IsPrinter() const;
	QPaintDevice* Device() const;
	// The pixels drawn on, when they can be read: a memory DC's bitmap or an image device.
	QImage* Image();
	QRect Bounds() const;

	const DcAttributes& Attr() const;
	DcAttributes& Attr();
	bool SelectBitmap(const std::shared_ptr<GdiBitmapData>& pBitmap);
	// Puts back a saved state, bitmap selection included.
	void Restore(const DcAttributes& attr);
	// To be called after the origins or the program's clipping changed.
	void SyncPainter();

	// Null while there is nothing to draw on (a memory DC with its default bitmap).
	QPainter* Painter(QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver);
	// Where drawing can reach, in device coordinates: bounds, system and program clipping.
	QRegion VisibleRegion() const;
	QPoint LogicalToDevice() const;
	const QFont& Font();

	std::vector<DcAttributes> m_saved;
	CDC* m_pPermanent = nullptr;
	std::unique_ptr<CDC> m_pTemporary;

private:
	friend void DcReleaseDevice(QPaintDevice* pDevice);

	void Begin();
	void End();

	QPaintDevice* m_pDevice;
	bool m_bMemory;
	std::optional<QRegion> m_systemClip;
	QPainter m_painter;
	DcAttributes m_attr;
	std::shared_ptr<GdiFontData> m_pCachedFontData;
	QFont m_cachedFont;
};

HDC DcAdd(std::unique_ptr<DcState> pState);
// Null when the handle is not a live DC.
DcState* DcFind(HDC hDC);
void DcRemove(HDC hDC);
// Null for a handle that is not a DC or a DC of no CDC.
DcState* DcStateOf(const CDC* pDC);
// The DC painting pDevice, if any, ends its painter, so the device's paint engine finishes what it
// recorded; that DC takes the device back when it draws next.
void DcReleaseDevice(QPaintDevice* pDevice);
