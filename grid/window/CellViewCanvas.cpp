// Drawing the cell view directly or through its off-screen bitmap.
#include "grid/window/CellViewCanvas.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Bitmap.h"

CellViewCanvas::CellViewCanvas(CDC* pTarget, CBitmap* pBitmap, CSize size)
	: m_pTarget(pTarget)
	, m_pOldBitmap(nullptr)
	, m_pDraw(pTarget)
	, m_size(size)
{
	if (pBitmap == nullptr || pBitmap->GetSafeHandle() == nullptr || !m_memDC.CreateCompatibleDC(pTarget))
		return;
	m_pOldBitmap = m_memDC.SelectObject(pBitmap);
	if (m_pOldBitmap != nullptr)
		m_pDraw = &m_memDC;
}

CellViewCanvas::~CellViewCanvas()
{
	if (m_pDraw != &m_memDC)
		return;
	m_pTarget->BitBlt(0, 0, m_size.cx, m_size.cy, &m_memDC, 0, 0, SRCCOPY);
	m_memDC.SelectObject(m_pOldBitmap);
}
