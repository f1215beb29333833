// The borders every cell type draws first: one-, two- and three-pixel sides in the cell's pen,
// the sunken and raised 3-D looks, and the grid lines at the right and bottom.
#include "grid/celltypes/CellDrawing.h"
#include "grid/celltypes/CellType.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Pen.h"
#include "grid/store/GridCell.h"
#include "grid/window/GridWindow.h"
#include "grid/window/SheetSettings.h"

#include <algorithm>
#include <cmath>

namespace
{

// Widths of the four sides, in pixels.
struct BorderWidths
{
	int m_nLeft = 0;
	int m_nTop = 0;
	int m_nRight = 0;
	int m_nBottom = 0;
};

// The widest of a side's three bits wins.
int SideWidth(WORD wBorder, WORD wOnePixel)
{
	if ((wBorder & (wOnePixel << 8)) != 0)
		return 3;
	if ((wBorder & (wOnePixel << 4)) != 0)
		return 2;
	return (wBorder & wOnePixel) != 0 ? 1 : 0;
}

BOOL Is3d(WORD wBorder)
{
	return (wBorder & (GCB_SUNKEN | GCB_RAISED)) != 0;
}

// A 3-D look is a one-pixel frame of its own and stands instead of the sides' bits.
BorderWidths WidthsOf(WORD wBorder, BOOL bGridLines)
{
	BorderWidths widths;
	if (Is3d(wBorder))
	{
		widths.m_nLeft = widths.m_nTop = widths.m_nRight = widths.m_nBottom = 1;
		return widths;
	}
	widths.m_nLeft = SideWidth(wBorder, GCB_LEFT);
	widths.m_nTop = SideWidth(wBorder, GCB_TOP);
	widths.m_nRight = SideWidth(wBorder, GCB_RIGHT);
	widths.m_nBottom = SideWidth(wBorder, GCB_BOTTOM);
	if (bGridLines)
	{
		widths.m_nRight = std::max(widths.m_nRight, 1);
		widths.m_nBottom = std::max(widths.m_nBottom, 1);
	}
	return widths;
}

// Printed cells draw each screen pixel of a side as nScale printer pixels.
BorderWidths ScaledBy(BorderWidths widths, int nScale)
{
	widths.m_nLeft *= nScale;
	widths.m_nTop *= nScale;
	widths.m_nRight *= nScale;
	widths.m_nBottom *= nScale;
	return widths;
}

void Shrink(RECT* pRect, const BorderWidths& widths)
{
	pRect->left = std::min(pRect->left + widths.m_nLeft, pRect->right);
	pRect->top = std::min(pRect->top + widths.m_nTop, pRect->bottom);
	pRect->right = std::max(pRect->right - widths.m_nRight, pRect->left);
	pRect->bottom = std::max(pRect->bottom - widths.m_nBottom, pRect->top);
}

void DrawVertical(CDC* pDC, int x, const RECT& rc)
{
	pDC->MoveTo(x, rc.top);
	pDC->LineTo(x, rc.bottom);
}

void DrawHorizontal(CDC* pDC, int y, const RECT& rc)
{
	pDC->MoveTo(rc.left, y);
	pDC->LineTo(rc.right, y);
}

void DrawSides(CDC* pDC, const RECT& rc, const BorderWidths& widths)
{
	for (int i = 0; i < widths.m_nLeft; ++i)
		DrawVertical(pDC, rc.left + i, rc);
	for (int i = 0; i < widths.m_nTop; ++i)
		DrawHorizontal(pDC, rc.top + i, rc);
	for (int i = 0; i < widths.m_nRight; ++i)
		DrawVertical(pDC, rc.right - 1 - i, rc);
	for (int i = 0; i < widths.m_nBottom; ++i)
		DrawHorizontal(pDC, rc.bottom - 1 - i, rc);
}

}

void DrawCellFrame(CDC* pDC, const RECT& rc, CPen* pTopLeft, CPen* pBottomRight)
{
	if (rc.right <= rc.left || rc.bottom <= rc.top)
		return;
	CPen* pOldPen = pDC->SelectObject(pTopLeft);
	pDC->MoveTo(rc.left, rc.bottom - 1);
	pDC->LineTo(rc.left, rc.top);
	pDC->LineTo(rc.right, rc.top);
	pDC->SelectObject(pBottomRight);
	pDC->MoveTo(rc.right - 1, rc.top + 1);
	pDC->LineTo(rc.right - 1, rc.bottom - 1);
	pDC->LineTo(rc.left, rc.bottom - 1);
	pDC->SelectObject(pOldPen);
}

void CellType::DrawBorders(CDC* pDC, RECT* pRect, GridCell* pCell)
{
	SheetSettings* pSheet = GetSheet();
	const WORD wBorder = pCell->GetBorder();
	const BOOL bGridLines = pSheet != nullptr && pSheet->m_bGridLines;
	// On paper the lines keep the thickness they have on screen.
	const int nScale = m_bDrawingScaled ? std::max(1, static_cast<int>(std::lround(m_dDrawingScale))) : 1;
	const BorderWidths widths = ScaledBy(WidthsOf(wBorder, bGridLines), nScale);
	const RECT rc = *pRect;
	Shrink(pRect, widths);
	if (rc.right <= rc.left || rc.bottom <= rc.top)
		return;
	if (Is3d(wBorder) && m_pGrid != nullptr)
	{
		if ((wBorder & GCB_SUNKEN) != 0)
			DrawCellFrame(pDC, rc, &m_pGrid->m_penShadow, &m_pGrid->m_penWhite);
		else
			DrawCellFrame(pDC, rc, &m_pGrid->m_penWhite, &m_pGrid->m_penShadow);
		return;
	}
	CPen* pGridPen = pSheet != nullptr ? &pSheet->m_gridPen : nullptr;
	CPen* pPen = pCell->GetBorderPen() != nullptr ? pCell->GetBorderPen() : pGridPen;
	CPen* pOldPen = pDC->GetCurrentPen();
	if (bGridLines && !Is3d(wBorder))
	{
		pDC->SelectObject(pGridPen);
		for (int i = 0; i < nScale; ++i)
		{
			DrawVertical(pDC, rc.right - 1 - i, rc);
			DrawHorizontal(pDC, rc.bottom - 1 - i, rc);
		}
	}
	if (pPen != nullptr)
	{
		pDC->SelectObject(pPen);
		DrawSides(pDC, rc, ScaledBy(WidthsOf(wBorder, FALSE), nScale));
	}
	pDC->SelectObject(pOldPen);
}

void CellType::GetContentRect(RECT* pRect, GridCell* pCell) const
{
	const SheetSettings* pSheet = GetSheet();
	Shrink(pRect, WidthsOf(pCell->GetBorder(), pSheet != nullptr && pSheet->m_bGridLines));
}
