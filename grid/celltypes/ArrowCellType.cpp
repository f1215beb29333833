// The arrow type: one or two small arrows, seven pixels tall, centred in the cell.
#include "grid/celltypes/ArrowCellType.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Pen.h"
#include "grid/store/GridCell.h"

IMPLEMENT_DYNAMIC(ArrowCellType, CellType)

namespace
{

// An arrow is four columns of 7, 5, 3 and 1 pixels, centred on y.
constexpr int ARROW_WIDTH = 4;
constexpr int ARROW_GAP = 2;

void DrawArrow(CDC* pDC, int xLeft, int y, BOOL bPointsRight)
{
	for (int i = 0; i < ARROW_WIDTH; ++i)
	{
		const int nHalf = ARROW_WIDTH - 1 - i;
		const int x = bPointsRight ? xLeft + i : xLeft + ARROW_WIDTH - 1 - i;
		pDC->MoveTo(x, y - nHalf);
		pDC->LineTo(x, y + nHalf + 1);
	}
}

void DrawPair(CDC* pDC, int xCentre, int y, BOOL bApart)
{
	const int xLeft = xCentre - ARROW_WIDTH - ARROW_GAP / 2;
	DrawArrow(pDC, xLeft, y, !bApart);
	DrawArrow(pDC, xLeft + ARROW_WIDTH + ARROW_GAP, y, bApart);
}

}

ArrowCellType::ArrowCellType()
{
	m_bEditable = FALSE;
}

void ArrowCellType::Draw(CDC* pDC, RECT* pRect, int, long, GridCell* pCell, int nSelected, BOOL bCurrent)
{
	CRect rc(*pRect);
	DrawBorders(pDC, &rc, pCell);
	if (rc.IsRectEmpty())
		return;
	// Unlike text, an arrow shows the current cell highlighted whatever the sheet's highlight style.
	COLORREF crText;
	COLORREF crBack;
	GetColors(pCell, nSelected != 0 || bCurrent, &crText, &crBack);
	pDC->FillSolidRect(&rc, crBack);
	if (rc.Width() <= 3)
		return;

	const int nStyle = pCell->IsSet(GCP_CELLTYPESTYLE) ? pCell->GetCellTypeStyle() : GCS_ARROW_RIGHT;
	const int xCentre = rc.left + rc.Width() / 2;
	const int y = rc.top + rc.Height() / 2;
	const int nSaved = pDC->SaveDC();
	pDC->IntersectClipRect(&rc);
	CPen pen(PS_SOLID, 1, crText);
	pDC->SelectObject(&pen);
	switch (nStyle)
	{
	case 0:
	case GCS_ARROW_RIGHT:
		DrawArrow(pDC, xCentre - ARROW_WIDTH / 2, y, TRUE);
		break;
	case GCS_ARROW_LEFT:
		DrawArrow(pDC, xCentre - ARROW_WIDTH / 2, y, FALSE);
		break;
	case GCS_ARROW_APART:
		DrawPair(pDC, xCentre, y, TRUE);
		break;
	case GCS_ARROW_TOGETHER:
		DrawPair(pDC, xCentre, y, FALSE);
		break;
	default:
		break;
	}
	pDC->RestoreDC(nSaved);
}
