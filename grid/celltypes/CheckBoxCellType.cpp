// The check-box type: a box with a tick or a cross when the cell's number is above 0, toggled by
// a click released in the box or by the space bar, with the cell's label beside the box.
#include "grid/celltypes/CheckBoxCellType.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Gdi.h"
#include "framework/ui/system/SystemServices.h"
#include "grid/celltypes/CellDrawing.h"
#include "grid/window/GridWindow.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CheckBoxCellType, CellType)

namespace
{

// 93aab8d0-f749-11d0-9c7f-0080c83f712f
const GridTypeId s_checkBoxTypeId = { { 0xd0, 0xb8, 0xaa, 0x93, 0x49, 0xf7, 0xd0, 0x11, 0x9c, 0x7f, 0x00, 0x80, 0xc8,
	0x3f, 0x71, 0x2f } };

constexpr COLORREF BOX_LIGHT = RGB(225, 225, 225);
constexpr int BOX_MAX_SIZE = 12;
constexpr int BOX_MIN_SIZE = 5;
constexpr int THICK_MARK_SIZE = 9;

}

CheckBoxCellType::CheckBoxCellType()
	: m_penLight(PS_SOLID, 1, BOX_LIGHT)
	, m_penShadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW))
	, m_penFace(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE))
{
	m_bEditable = FALSE;
	m_bOverflow = FALSE;
}

CheckBoxCellType::~CheckBoxCellType() = default;

LPCSTR CheckBoxCellType::GetName() const
{
	return "Standard CheckBox Type";
}

const GridTypeId* CheckBoxCellType::GetIdentifier() const
{
	return &s_checkBoxTypeId;
}

int CheckBoxCellType::OnSysColorChange()
{
	m_penShadow.DeleteObject();
	m_penShadow.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
	m_penFace.DeleteObject();
	m_penFace.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
	return 0;
}

CRect CheckBoxCellType::BoxRect(const RECT& rcContent)
{
	const int nSize = std::min(static_cast<int>(rcContent.bottom - rcContent.top) - 6, BOX_MAX_SIZE);
	const int nTop = rcContent.top + (rcContent.bottom - rcContent.top - nSize) / 2;
	return CRect(rcContent.left + 3, nTop, rcContent.left + 3 + nSize, nTop + nSize);
}

void CheckBoxCellType::DrawBox(CDC* pDC, const CRect& rcBox, int nStyle)
{
	CPen* pBlack = CPen::FromHandle(reinterpret_cast<HPEN>(GetStockObject(BLACK_PEN)));
	CRect rcInside(rcBox);
	if ((nStyle & GCS_CHECK_SUNKEN) != 0)
	{
		DrawCellFrame(pDC, rcBox, &m_penShadow, &m_penLight);
		rcInside.DeflateRect(1, 1);
		DrawCellFrame(pDC, rcInside, pBlack, &m_penFace);
		rcInside.DeflateRect(1, 1);
	}
	else if ((nStyle & GCS_CHECK_RAISED) != 0)
	{
		DrawCellFrame(pDC, rcBox, &m_penLight, pBlack);
		rcInside.DeflateRect(1, 1);
		DrawCellFrame(pDC, rcInside, &m_penFace, &m_penShadow);
		rcInside.DeflateRect(1, 1);
	}
	else
	{
		DrawCellFrame(pDC, rcBox, pBlack, pBlack);
		rcInside.DeflateRect(1, 1);
	}
	pDC->FillSolidRect(&rcInside, GetSysColor(COLOR_WINDOW));
}

void CheckBoxCellType::DrawMark(CDC* pDC, const CRect& rcBox, int nStyle)
{
	// The mark keeps a pixel clear of the box's frames (two pixels for the 3-D looks), and a
	// thick mark, the thin one drawn again a pixel higher, one more.
	const BOOL bThick = rcBox.Width() > THICK_MARK_SIZE;
	const int nFrame = (nStyle & (GCS_CHECK_SUNKEN | GCS_CHECK_RAISED)) != 0 ? 2 : 1;
	const int nInset = nFrame + 1 + (bThick ? 1 : 0);
	CRect rc(rcBox);
	rc.DeflateRect(nInset, nInset);
	if (rc.Width() < 2 || rc.Height() < 2)
		return;
	CPen* pOldPen = pDC->SelectObject(CPen::FromHandle(reinterpret_cast<HPEN>(GetStockObject(BLACK_PEN))));
	for (int nUp = 0; nUp < (bThick ? 2 : 1); ++nUp)
	{
		if ((nStyle & GCS_CHECK_TICK) != 0)
		{
			const int xKnee = rc.left + rc.Width() / 3;
			pDC->MoveTo(rc.left, rc.top + rc.Height() / 2 - nUp);
			pDC->LineTo(xKnee, rc.bottom - 1 - nUp);
			pDC->LineTo(rc.right, rc.top - 1 - nUp);
		}
		else
		{
			pDC->MoveTo(rc.left, rc.top - nUp);
			pDC->LineTo(rc.right, rc.bottom - nUp);
			pDC->MoveTo(rc.right - 1, rc.top - nUp);
			pDC->LineTo(rc.left - 1, rc.bottom - nUp);
		}
	}
	pDC->SelectObject(pOldPen);
}

void CheckBoxCellType::Draw(CDC* pDC, RECT* pRect, int nCol, long nRow, GridCell* pCell, int nSelected, BOOL bCurrent)
{
	CRect rc(*pRect);
	DrawBorders(pDC, &rc, pCell);
	if (rc.IsRectEmpty())
		return;
	COLORREF crText;
	COLORREF crBack;
	GetColors(pCell, IsHighlighted(nSelected, bCurrent), &crText, &crBack);
	pDC->FillSolidRect(&rc, crBack);

	const CRect rcBox = BoxRect(rc);
	const int nStyle = pCell->GetCellTypeStyle();
	if (rcBox.Width() > BOX_MIN_SIZE)
	{
		DrawBox(pDC, rcBox, nStyle);
		if (pCell->GetNumber() > 0)
			DrawMark(pDC, rcBox, nStyle);
	}
	CRect rcLabel(rc);
	rcLabel.left = std::min(rcBox.left + std::max(rcBox.Width(), 0) + 6, static_cast<int>(rc.right));
	m_bShowLabel = TRUE;
	DrawText(pDC, &rcLabel, nCol, nRow, pCell, nSelected, bCurrent);
	m_bShowLabel = FALSE;
}

BOOL CheckBoxCellType::OnLButton(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT* pPoint)
{
	if (bDown || m_pGrid == nullptr || pRect == nullptr || pPoint == nullptr)
		return FALSE;
	m_pGrid->GetCellWithDefaults(nCol, nRow, &m_cell);
	CRect rc(*pRect);
	GetContentRect(&rc, &m_cell);
	const CRect rcBox = BoxRect(rc);
	// The box's far edges count as inside, so a click on its frame toggles it too.
	const BOOL bInBox = pPoint->x >= rcBox.left && pPoint->x <= rcBox.right && pPoint->y >= rcBox.top
		&& pPoint->y <= rcBox.bottom;
	return bInBox && Toggle(nCol, nRow, FALSE);
}

BOOL CheckBoxCellType::OnDoubleClick(int nCol, long nRow, RECT* pRect, POINT* pPoint)
{
	return OnLButton(nCol, nRow, TRUE, pRect, pPoint);
}

BOOL CheckBoxCellType::OnKeyDown(int nCol, long nRow, UINT* pnKey)
{
	if (pnKey == nullptr || *pnKey != VK_SPACE || m_pGrid == nullptr)
		return FALSE;
	return Toggle(nCol, nRow, TRUE);
}

BOOL CheckBoxCellType::Toggle(int nCol, long nRow, BOOL bByKey)
{
	m_pGrid->GetCellWithDefaults(nCol, nRow, &m_cell);
	if (m_cell.IsReadOnly())
		return FALSE;
	const BOOL bOn = bByKey ? m_cell.GetBool() : m_cell.GetNumber() != 0;
	const int nState = bOn ? 0 : 1;
	// Only the stored cell is written back: the column's defaults stay where they are.
	m_pGrid->GetCell(nCol, nRow, &m_cell);
	m_cell.SetNumber(nState);
	m_pGrid->SetCell(nCol, nRow, &m_cell);
	m_pGrid->RedrawRange(nCol, nRow, nCol, nRow);
	m_pGrid->NotifyCellTypeEvent(m_nIndex, nCol, nRow, GRID_EVENT_CHECK_CHANGED, bByKey ? nState : 0);
	return TRUE;
}
