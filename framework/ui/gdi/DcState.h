// The device context behind an HDC: the device or bitmap it draws on and the Windows attributes
// that SaveDC keeps. The driver draws in logical coordinates: each operation's target carries the
// viewport and window origins and the clipping in device coordinates.
#pragma once

#include "framework/core/Handles.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/gdi/GdiObjectData.h"

#include <memory>
#include <optional>
#include <vector>

class CDC;

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
	CPoint ptCurrent;
	CPoint ptViewportOrg;
	CPoint ptWindowOrg;
	// The program's clipping in device coordinates; none when bClip is false.
	bool bClip = false;
	PixelRegion rgnClip;
};

class DcState
{
public:
	// A DC on a device, clipped by the system to *pClip (device coordinates) when given.
	DcState(CPaintDevice* pDevice, const PixelRegion* pClip);
	// A memory DC holding the default bitmap.
	DcState();
	~DcState();

	DcState(const DcState&) = delete;
	DcState& operator=(const DcState&) = delete;

	HDC Handle();
	// What the DC draws on or reads from: its device, or a memory DC's bitmap.
	CPaintDevice* Device() const;
	bool IsMemory() const;
	CRect Bounds() const;

	const DcAttributes& Attr() const;
	DcAttributes& Attr();
	bool SelectBitmap(const std::shared_ptr<GdiBitmapData>& pBitmap);
	// Puts back a saved state, bitmap selection included.
	void Restore(const DcAttributes& attr);
	// To be called after the origins or the program's clipping changed.
	void ClipChanged();

	// Where drawing goes; null while there is nothing to draw on (a memory DC with its default bitmap).
	const DrawTarget* Target();
	// Where drawing can reach, in device coordinates: bounds, system and program clipping.
	PixelRegion VisibleRegion() const;
	CPoint LogicalToDevice() const;

	std::vector<DcAttributes> m_saved;
	CDC* m_pPermanent = nullptr;
	std::unique_ptr<CDC> m_pTemporary;

private:
	// The DC leaves its device to others and to the toolkit until it draws again.
	void EndDrawing();

	CPaintDevice* m_pDevice;
	bool m_bMemory;
	std::optional<PixelRegion> m_systemClip;
	DcAttributes m_attr;
	bool m_bTargetValid = false;
	PixelRegion m_visible;
	DrawTarget m_target {};
	// The device the DC has drawn on since it last left it.
	CPaintDevice* m_pDrawnDevice = nullptr;
};

HDC DcAdd(std::unique_ptr<DcState> pState);
// Null when the handle is not a live DC.
DcState* DcFind(HDC hDC);
void DcRemove(HDC hDC);
size_t DcCount();
// Null for a handle that is not a DC or a DC of no CDC.
DcState* DcStateOf(const CDC* pDC);
