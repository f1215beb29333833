// The normal cell type: its flags, name and identifier, and the answers of a type that takes
// part in no event.
#include "grid/celltypes/CellType.h"

#include "framework/core/String.h"
#include "framework/ui/system/SystemServices.h"
#include "grid/store/GridCell.h"
#include "grid/window/GridWindow.h"
#include "grid/window/SheetSettings.h"

IMPLEMENT_DYNAMIC(CellType, CObject)

namespace
{

// 78a705c1-f3e9-11d0-9c7b-0080c83f712f, laid out in memory as the Windows platform lays out a GUID.
const GridTypeId s_normalTypeId = { { 0xc1, 0x05, 0xa7, 0x78, 0xe9, 0xf3, 0xd0, 0x11, 0x9c, 0x7b, 0x00, 0x80, 0xc8,
	0x3f, 0x71, 0x2f } };

}

CellType::CellType()
	: m_bEditable(TRUE)
	, m_bShowLabel(FALSE)
	, m_bOverflow(TRUE)
	, m_pGrid(nullptr)
	, m_nIndex(-1)
	, m_bDrawingScaled(FALSE)
	, m_dDrawingScale(1.0)
{
}

CellType::~CellType() = default;

LPCSTR CellType::GetName() const
{
	return "Normal Cell Type (default)";
}

const GridTypeId* CellType::GetIdentifier() const
{
	return &s_normalTypeId;
}

BOOL CellType::GetEditArea(RECT*)
{
	return FALSE;
}

int CellType::GetProperty(int, int)
{
	return -1;
}

int CellType::SetProperty(int, int)
{
	return -1;
}

int CellType::OnSysColorChange()
{
	return 0;
}

BOOL CellType::OnLButton(int, long, BOOL, RECT*, POINT*)
{
	return FALSE;
}

BOOL CellType::OnRButton(int, long, BOOL, RECT*, POINT*)
{
	return FALSE;
}

BOOL CellType::OnDoubleClick(int, long, RECT*, POINT*)
{
	return FALSE;
}

BOOL CellType::OnKeyDown(int, long, UINT*)
{
	return FALSE;
}

BOOL CellType::OnChar(int, long, UINT*)
{
	return FALSE;
}

BOOL CellType::OnMouseMove(int, long, POINT*, UINT)
{
	return FALSE;
}

void CellType::OnFocusGained(int, long, GridCell*)
{
}

void CellType::OnFocusLost(int, long, GridCell*)
{
}

void CellType::AttachToGrid(GridWindow* pGrid, int nIndex)
{
	m_pGrid = pGrid;
	m_nIndex = nIndex;
}

GridWindow* CellType::GetGrid() const
{
	return m_pGrid;
}

int CellType::GetIndex() const
{
	return m_nIndex;
}

SheetSettings* CellType::GetSheet() const
{
	return m_pGrid != nullptr ? m_pGrid->GetSheet() : nullptr;
}

BOOL CellType::IsHighlighted(int nSelected, BOOL bCurrent) const
{
	const SheetSettings* pSheet = GetSheet();
	const int nStyle = pSheet != nullptr ? pSheet->m_nHighlightStyle : 1;
	return nSelected != 0 || (bCurrent && (nStyle & GRID_HIGHLIGHT_CURRENT) != 0);
}

void CellType::GetColors(GridCell* pCell, BOOL bHighlighted, COLORREF* pcrText, COLORREF* pcrBack) const
{
	if (bHighlighted)
	{
		*pcrText = pCell->GetHighlightTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
		*pcrBack = pCell->GetHighlightBackColor(GetSysColor(COLOR_HIGHLIGHT));
	}
	else
	{
		*pcrText = pCell->GetTextColor(GetSysColor(COLOR_WINDOWTEXT));
		*pcrBack = pCell->GetBackColor(GetSysColor(COLOR_WINDOW));
	}
}

CFont* CellType::GetCellFont(GridCell* pCell) const
{
	if (pCell->GetFont() != nullptr)
	{
		return pCell->GetFont();
	}
	const SheetSettings* pSheet = GetSheet();
	return pSheet != nullptr ? pSheet->m_pDefaultFont : nullptr;
}

CString CellType::GetDrawnString(GridCell* pCell) const
{
	return m_bShowLabel || pCell->GetCellTypeStyle() == GCS_SHOWLABEL ? pCell->GetLabel() : pCell->GetText();
}
