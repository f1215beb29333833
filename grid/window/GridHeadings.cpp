// The heading strips and the corner button: heading cells drawn by their cell types, joined
// heading cells once, the pressed column or row drawn selected.
#include "grid/window/GridHeadings.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/UserServices.h"
#include "grid/celltypes/CellType.h"
#include "grid/store/GridCell.h"
#include "grid/window/GridJoinedBlock.h"
#include "grid/window/GridViewWalk.h"
#include "grid/window/GridWindow.h"
#include "grid/window/SheetAxes.h"

#include <algorithm>
#include <climits>

namespace
{
	struct AlongSlot
	{
		long nPosition;
		int nStart;
		int nSize;
	};

	// A rectangle from its extent along the strip and across it.
	CRect Oriented(BOOL bAlongColumns, int nAlong0, int nAlong1, int nAcross0, int nAcross1)
	{
		return bAlongColumns ? CRect(nAlong0, nAcross0, nAlong1, nAcross1) : CRect(nAcross0, nAlong0, nAcross1, nAlong1);
	}

	// Heading positions run -count .. -1; position p has the size at index -p - 1.
	int AcrossSize(const std::vector<int>& sizes, long nPosition)
	{
		const long nIndex = -nPosition - 1;
		return nIndex >= 0 && nIndex < static_cast<long>(sizes.size()) ? std::max(0, sizes[nIndex]) : 0;
	}

	int AcrossSpan(const std::vector<int>& sizes, long nFrom, long nTo)
	{
		int nSum = 0;
		for (long n = nFrom; n < nTo; n++)
			nSum += AcrossSize(sizes, n);
		return nSum;
	}

	constexpr long long FAR_OUTSIDE = 1 << 24;

	int AlongSpan(const GridAxis& axis, long nFrom, long nTo)
	{
		return static_cast<int>(std::min(GridAxisSpan(axis, nFrom, nTo, FAR_OUTSIDE), FAR_OUTSIDE));
	}

	BOOL CreateHeadingWindow(CWnd* pWnd, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
	{
		// No class brush: the paint covers every pixel.
		LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
		return pWnd->CWnd::Create(lpszClass, nullptr, dwStyle, rect, pParent, nID);
	}
}

IMPLEMENT_DYNAMIC(GridHeading, CWnd)
IMPLEMENT_DYNAMIC(TopHeading, GridHeading)
IMPLEMENT_DYNAMIC(SideHeading, GridHeading)
IMPLEMENT_DYNAMIC(CornerButton, CWnd)

BEGIN_MESSAGE_MAP(GridHeading, CWnd)
	ON_WM_PAINT()
	ON_WM_ERASEBKGND()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_LBUTTONDBLCLK()
	ON_WM_RBUTTONDOWN()
	ON_WM_RBUTTONUP()
	ON_WM_RBUTTONDBLCLK()
	ON_WM_MOUSEMOVE()
	ON_WM_SETCURSOR()
	ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CornerButton, CWnd)
	ON_WM_PAINT()
	ON_WM_ERASEBKGND()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_LBUTTONDBLCLK()
	ON_WM_RBUTTONDOWN()
	ON_WM_RBUTTONUP()
	ON_WM_RBUTTONDBLCLK()
	ON_WM_MOUSEMOVE()
	ON_WM_SETCURSOR()
	ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

GridHeading::GridHeading() = default;

BOOL GridHeading::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
	return CreateHeadingWindow(this, dwStyle, rect, pParent, nID);
}

BOOL GridHeading::OnEraseBkgnd(CDC*)
{
	return TRUE;
}

void GridHeading::OnPaint()
{
	CPaintDC dc(this);
	if (!m_pGrid->IsPaintingEnabled())
		return;
	if (m_drawList.IsEmpty())
		m_drawList.AddAll();
	GridHeadingLayout layout = GetLayout();
	CRect rcClient;
	GetClientRect(&rcClient);
	const int nAlongSize = layout.bAlongColumns ? rcClient.Width() : rcClient.Height();
	const int nAcrossSize = layout.bAlongColumns ? rcClient.Height() : rcClient.Width();
	layout.nAcrossExtent = nAcrossSize;
	const SheetColumnAxis columns(*m_pSheet);
	const SheetRowAxis rows(*m_pSheet);
	const GridAxis& along = layout.bAlongColumns ? static_cast<const GridAxis&>(columns) : rows;

	dc.SaveDC();
	if (m_pSheet->m_pDefaultFont != nullptr)
		dc.SelectObject(m_pSheet->m_pDefaultFont);
	m_pGrid->NotifyDrawStart(&dc, 0, layout.nSection);

	std::vector<AlongSlot> slots;
	GridViewWalk walk(along, layout.nLocked, layout.nFirst, nAlongSize);
	while (walk.Next())
		slots.push_back(AlongSlot{walk.GetPosition(), walk.GetStart(), walk.GetSize()});
	const int nAlongEnd = std::min(walk.GetEnd(), nAlongSize);

	GridCell cell;
	const std::vector<int>& across = *layout.pAcross;
	int nAcrossStart = 0;
	for (long nAcross = -static_cast<long>(across.size()); nAcross <= -1 && nAcrossStart < nAcrossSize; nAcross++)
	{
		int nSize = AcrossSize(across, nAcross);
		// The heading next to the cells reaches the strip's edge: a sheet's single heading column
		// is narrower than its side heading until either is set.
		if (nAcross == -1)
			nSize = std::max(nSize, nAcrossSize - nAcrossStart);
		if (nSize == 0)
			continue;
		for (const AlongSlot& slot : slots)
		{
			const int nCol = layout.bAlongColumns ? static_cast<int>(slot.nPosition) : static_cast<int>(nAcross);
			const long nRow = layout.bAlongColumns ? nAcross : slot.nPosition;
			if (!m_drawList.Contains(nCol, nRow))
				continue;
			const CRect rcCell =
				Oriented(layout.bAlongColumns, slot.nStart, slot.nStart + slot.nSize, nAcrossStart, nAcrossStart + nSize);
			DrawHeadingCell(&dc, layout, along, &cell, slot.nPosition, nAcross, rcCell);
		}
		nAcrossStart += nSize;
	}

	const COLORREF crBack = m_pSheet->m_headingDefaultCell.GetBackColor(GetSysColor(COLOR_BTNFACE));
	if (nAlongEnd < nAlongSize)
		dc.FillSolidRect(Oriented(layout.bAlongColumns, nAlongEnd, nAlongSize, 0, nAcrossSize), crBack);
	if (nAcrossStart < nAcrossSize)
		dc.FillSolidRect(Oriented(layout.bAlongColumns, 0, nAlongEnd, nAcrossStart, nAcrossSize), crBack);
	dc.RestoreDC(-1);
	m_drawList.Clear();
}

void GridHeading::DrawHeadingCell(CDC* pDC, const GridHeadingLayout& layout, const GridAxis& along, GridCell* pCell,
	long nAlong, long nAcross, const CRect& rcCell)
{
	const BOOL bColumns = layout.bAlongColumns;
	const int nCol = bColumns ? static_cast<int>(nAlong) : static_cast<int>(nAcross);
	const long nRow = bColumns ? nAcross : nAlong;
	m_pGrid->GetCellWithDefaults(nCol, nRow, pCell);

	const std::vector<int>& across = *layout.pAcross;
	const long nAcrossCount = static_cast<long>(across.size());
	const long nAlongLast = along.GetCount() - 1;
	const GridCellBlock limits = bColumns
		? GridCellBlock{0, -nAcrossCount, static_cast<int>(nAlongLast), -1}
		: GridCellBlock{static_cast<int>(-nAcrossCount), 0, -1, nAlongLast};
	GridCellBlock block{nCol, nRow, nCol, nRow};
	CRect rcDraw = rcCell;
	if (m_pSheet->m_bJoins && GridFindJoinedBlock(m_pGrid, nCol, nRow, limits, pCell, &block))
	{
		if (m_drawList.CheckJoinedDrawn(block.m_nFirstCol, block.m_nFirstRow))
			return;
		const long nAlongFirst = bColumns ? block.m_nFirstCol : block.m_nFirstRow;
		const long nAlongBlockLast = bColumns ? block.m_nLastCol : block.m_nLastRow;
		const long nAcrossFirst = bColumns ? block.m_nFirstRow : block.m_nFirstCol;
		const long nAcrossBlockLast = bColumns ? block.m_nLastRow : block.m_nLastCol;
		const int nAlong0 = (bColumns ? rcCell.left : rcCell.top) - AlongSpan(along, nAlongFirst, nAlong);
		const int nAlong1 = (bColumns ? rcCell.left : rcCell.top) + AlongSpan(along, nAlong, nAlongBlockLast + 1);
		const int nAcross0 = (bColumns ? rcCell.top : rcCell.left) - AcrossSpan(across, nAcrossFirst, nAcross);
		int nAcross1 = (bColumns ? rcCell.top : rcCell.left) + AcrossSpan(across, nAcross, nAcrossBlockLast + 1);
		if (nAcrossBlockLast == -1)
			nAcross1 = std::max(nAcross1, layout.nAcrossExtent);
		rcDraw = Oriented(bColumns, nAlong0, nAlong1, nAcross0, nAcross1);
	}
	const long nBlockAlongFirst = bColumns ? block.m_nFirstCol : block.m_nFirstRow;
	const long nBlockAlongLast = bColumns ? block.m_nLastCol : block.m_nLastRow;
	const int nSelected =
		layout.nPressed >= 0 && layout.nPressed >= nBlockAlongFirst && layout.nPressed <= nBlockAlongLast ? 1 : 0;

	CellType* pType = m_pGrid->GetCellType(pCell->GetCellType());
	pDC->SaveDC();
	RECT rc = rcDraw;
	pType->Draw(pDC, &rc, block.m_nFirstCol, block.m_nFirstRow, pCell, nSelected, FALSE);
	pDC->RestoreDC(-1);
}

TopHeading::TopHeading()
	: m_nPressedColumn(-1)
{
}

void TopHeading::RedrawColumns(int nFirstCol, int nLastCol)
{
	m_drawList.AddBlock(nFirstCol, LONG_MIN, nLastCol, LONG_MAX);
	if (m_hWnd != nullptr)
		Invalidate(FALSE);
}

GridHeadingLayout TopHeading::GetLayout() const
{
	return GridHeadingLayout{TRUE, m_pSheet->m_nLockedColumns, m_pSheet->m_nLeftColumn, &m_pSheet->m_topHeadingRows,
		m_nPressedColumn, GRID_SECTION_TOPHEADING, 0};
}

SideHeading::SideHeading()
	: m_nPressedRow(-1)
{
}

void SideHeading::RedrawRows(long nFirstRow, long nLastRow)
{
	m_drawList.AddBlock(INT_MIN, nFirstRow, INT_MAX, nLastRow);
	if (m_hWnd != nullptr)
		Invalidate(FALSE);
}

GridHeadingLayout SideHeading::GetLayout() const
{
	return GridHeadingLayout{FALSE, m_pSheet->m_nLockedRows, m_pSheet->m_nTopRow, &m_pSheet->m_sideHeadingColumns,
		m_nPressedRow, GRID_SECTION_SIDEHEADING, 0};
}

CornerButton::CornerButton() = default;

BOOL CornerButton::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
	return CreateHeadingWindow(this, dwStyle, rect, pParent, nID);
}

BOOL CornerButton::OnEraseBkgnd(CDC*)
{
	return TRUE;
}

void CornerButton::OnPaint()
{
	CPaintDC dc(this);
	if (!m_pGrid->IsPaintingEnabled())
		return;
	CRect rcClient;
	GetClientRect(&rcClient);
	dc.FillSolidRect(&rcClient, GetSysColor(COLOR_BTNFACE));
	dc.SaveDC();
	if (m_pSheet->m_pDefaultFont != nullptr)
		dc.SelectObject(m_pSheet->m_pDefaultFont);
	// The corner tells its paint as the top heading's, as the grid's overrides expect.
	m_pGrid->NotifyDrawStart(&dc, 0, GRID_SECTION_TOPHEADING);
	GridCell cell;
	m_pGrid->GetCellWithDefaults(-1, -1, &cell);
	RECT rc = rcClient;
	m_pGrid->GetCellType(cell.GetCellType())->Draw(&dc, &rc, -1, -1, &cell, 0, FALSE);
	dc.RestoreDC(-1);
}
