// The drop-list type's look: a cell with a button at its right, raised, or sunken while pressed,
// showing a small downward triangle; the text takes the rest.
#include "grid/celltypes/DropListCellType.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/system/SystemServices.h"
#include "grid/celltypes/CellDrawing.h"
#include "grid/window/GridWindow.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(DropListCellType, CellType)

namespace
{

// 1667a6a0-f746-11d0-9c7f-0080c83f712f
const GridTypeId s_dropListTypeId = { { 0xa0, 0xa6, 0x67, 0x16, 0x46, 0xf7, 0xd0, 0x11, 0x9c, 0x7f, 0x00, 0x80, 0xc8,
	0x3f, 0x71, 0x2f } };

// Rows of 5, 3 and 1 pixels, centred in the button.
void DrawDownTriangle(CDC* pDC, const CRect& rcButton)
{
	const int xCentre = rcButton.left + rcButton.Width() / 2;
	const int yTop = rcButton.top + (rcButton.Height() - 3) / 2;
	for (int nRow = 0; nRow < 3; ++nRow)
		pDC->FillSolidRect(xCentre - 2 + nRow, yTop + nRow, 5 - 2 * nRow, 1, RGB(0, 0, 0));
}

}

DropListCellType::DropListCellType()
	: m_penFace(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE))
	, m_brFace(GetSysColor(COLOR_BTNFACE))
	, m_nButtonWidth(GetSystemMetrics(SM_CXVSCROLL))
	, m_bPressed(FALSE)
	, m_nListCol(-1)
	, m_nListRow(-1)
	, m_rcButton(0, 0, 0, 0)
{
	m_bOverflow = FALSE;
	m_listBox.SetOwnerType(this);
}

DropListCellType::~DropListCellType() = default;

LPCSTR DropListCellType::GetName() const
{
	return "Standard DropList";
}

const GridTypeId* DropListCellType::GetIdentifier() const
{
	return &s_dropListTypeId;
}

BOOL DropListCellType::GetEditArea(RECT* pRect)
{
	pRect->right -= m_nButtonWidth + 1;
	return TRUE;
}

int DropListCellType::OnSysColorChange()
{
	m_penFace.DeleteObject();
	m_penFace.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
	m_brFace.DeleteObject();
	m_brFace.CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
	return 0;
}

BOOL DropListCellType::HasButton(int nCol, long nRow, GridCell* pCell) const
{
	if ((pCell->GetCellTypeStyle() & GCS_DROPLIST_BUTTON_WHEN_CURRENT) == 0)
		return TRUE;
	return m_pGrid != nullptr && m_pGrid->GetCurrentColumn() == nCol && m_pGrid->GetCurrentRow() == nRow;
}

CRect DropListCellType::GetButtonRect(const RECT& rcCell, GridCell* pCell) const
{
	CRect rc(rcCell);
	GetContentRect(&rc, pCell);
	return CRect(std::max(rc.right - m_nButtonWidth, rc.left), rc.top, rc.right, rc.bottom);
}

void DropListCellType::Draw(CDC* pDC, RECT* pRect, int nCol, long nRow, GridCell* pCell, int nSelected, BOOL bCurrent)
{
	if ((pCell->GetCellTypeStyle() & GCS_DROPLIST_BUTTON_WHEN_CURRENT) != 0 && !bCurrent)
	{
		CellType::Draw(pDC, pRect, nCol, nRow, pCell, nSelected, bCurrent);
		return;
	}
	CRect rc(*pRect);
	DrawBorders(pDC, &rc, pCell);
	if (rc.IsRectEmpty())
		return;
	const CRect rcButton = GetButtonRect(*pRect, pCell);
	if (m_pGrid != nullptr)
	{
		if (m_bPressed && bCurrent && IsListCell(nCol, nRow))
			DrawCellFrame(pDC, rcButton, &m_pGrid->m_penShadow, &m_pGrid->m_penWhite);
		else
			DrawCellFrame(pDC, rcButton, &m_pGrid->m_penWhite, &m_pGrid->m_penShadow);
	}
	CRect rcFace(rcButton);
	rcFace.DeflateRect(1, 1);
	if (!rcFace.IsRectEmpty())
		pDC->FillRect(&rcFace, &m_brFace);
	if (rcButton.left > rc.left)
	{
		CPen* pOldPen = pDC->SelectObject(&m_penFace);
		pDC->MoveTo(rcButton.left - 1, rcButton.top);
		pDC->LineTo(rcButton.left - 1, rcButton.bottom);
		pDC->SelectObject(pOldPen);
	}
	DrawDownTriangle(pDC, rcButton);

	CRect rcText(rc);
	rcText.right = std::max(rcButton.left - 1, static_cast<int>(rc.left));
	DrawText(pDC, &rcText, nCol, nRow, pCell, nSelected, bCurrent);
}
