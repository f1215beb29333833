// Where the cell view draws: the window's own DC, or a memory DC holding the view's off-screen
// bitmap, which is copied to the window's DC when the drawing is done.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/ui/gdi/Dc.h"

class CBitmap;

class CellViewCanvas
{
public:
	// pBitmap null: draws straight on pTarget.
	CellViewCanvas(CDC* pTarget, CBitmap* pBitmap, CSize size);
	~CellViewCanvas();

	CellViewCanvas(const CellViewCanvas&) = delete;
	CellViewCanvas& operator=(const CellViewCanvas&) = delete;

	CDC* GetDC() { return m_pDraw; }

private:
	CDC* m_pTarget;
	CDC m_memDC;
	CBitmap* m_pOldBitmap;
	CDC* m_pDraw;
	CSize m_size;
};
