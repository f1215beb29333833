// The grid window's life: construction with one empty sheet and the built-in cell types, the
// child windows, the registries and the grid's own window messages.
#include "grid/window/GridWindow.h"

#include "framework/core/CommonDialogConstants.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/system/SystemServices.h"
#include "grid/store/DataSource.h"
#include "grid/window/CellView.h"
#include "grid/window/GridHeadings.h"
#include "grid/window/GridPrinter.h"
#include "grid/window/GridScrollBars.h"
#include "grid/window/ScrollHintWindow.h"
#include "grid/window/SheetTabBar.h"

#include <new>

IMPLEMENT_DYNAMIC(GridWindow, CWnd)

// Registered once, before any window exists, so the message map can route it.
static const UINT s_nFindReplaceMessage = RegisterWindowMessage(FINDMSGSTRING);

BEGIN_MESSAGE_MAP(GridWindow, CWnd)
	ON_WM_CREATE()
	ON_WM_PAINT()
	ON_WM_ERASEBKGND()
	ON_WM_SIZE()
	ON_WM_SETFOCUS()
	ON_WM_GETDLGCODE()
	ON_WM_SYSCOLORCHANGE()
	ON_WM_VSCROLL()
	ON_WM_HSCROLL()
	ON_REGISTERED_MESSAGE(s_nFindReplaceMessage, OnFindReplace)
END_MESSAGE_MAP()

namespace
{
constexpr int CELL_TYPE_SLOTS = 2;
constexpr DWORD GRID_CHILD_STYLE = WS_CHILD | WS_VISIBLE;
}

GridWindow::GridWindow()
	: m_penWhite(PS_SOLID, 1, RGB(255, 255, 255))
	, m_penShadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW))
	, m_bForceFocusFrame(FALSE)
	, m_nMenuColumn(-1)
	, m_nMenuRow(-1)
	, m_nMenuSection(0)
	, m_dataSources(1, nullptr)
	, m_nDataSourceCount(1)
	, m_nCurrentSheet(0)
	, m_pSheet(nullptr)
	, m_bPaintingEnabled(TRUE)
	, m_bConstructionFailed(FALSE)
	, m_bLayingOut(FALSE)
	, m_pFloatingWindow(nullptr)
	, m_pFindDialog(nullptr)
	, m_bFindAcrossColumns(FALSE)
{
	try
	{
		SetSheetCount(1);
		AddCellType(&m_normalType);
		AddCellType(&m_dropListType);
		AddCellType(&m_checkBoxType);
		AddCellType(&m_arrowType);
		m_pPrinter = std::make_unique<GridPrinter>();
		m_popupMenu.CreatePopupMenu();
		m_pCellView = std::make_unique<CellView>();
		m_pTopHeading = std::make_unique<TopHeading>();
		m_pSideHeading = std::make_unique<SideHeading>();
		m_pCorner = std::make_unique<CornerButton>();
		m_pTabBar = std::make_unique<SheetTabBar>();
		m_pVScroll = std::make_unique<GridVScrollBar>();
		m_pHScroll = std::make_unique<GridHScrollBar>();
		m_pHint = std::make_unique<ScrollHintWindow>();
		m_editor.SetGrid(this);
		PointChildrenAtSheet();
	}
	catch (const std::bad_alloc&)
	{
		m_bConstructionFailed = TRUE;
	}
}

GridWindow::~GridWindow()
{
	// The children go first: their windows refer to the sheets while they are destroyed. An edit
	// still open dies with the grid, unstored: the cells it would go to are going too.
	m_editor.m_bEditing = FALSE;
	if (m_editor.GetSafeHwnd() != nullptr)
		m_editor.DestroyWindow();
	m_pHint.reset();
	m_pHScroll.reset();
	m_pVScroll.reset();
	m_pTabBar.reset();
	m_pCorner.reset();
	m_pSideHeading.reset();
	m_pTopHeading.reset();
	m_pCellView.reset();
	if (m_hWnd != nullptr)
		DestroyWindow();
}

BOOL GridWindow::PreCreateWindow(CREATESTRUCT& cs)
{
	cs.style |= WS_CLIPCHILDREN;
	return CWnd::PreCreateWindow(cs);
}

int GridWindow::AttachToDialogItem(CWnd* pParent, UINT nControlId)
{
	if (m_bConstructionFailed || !SubclassDlgItem(nControlId, pParent))
		return 0;
	ModifyStyle(0, WS_CLIPCHILDREN | WS_BORDER | WS_TABSTOP);
	if (CreateChildren())
	{
		LayoutChildren();
		NotifyGridReady();
	}
	return 0;
}

int GridWindow::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
	if (CWnd::OnCreate(lpCreateStruct) == -1 || m_bConstructionFailed || !CreateChildren())
		return -1;
	return 0;
}

BOOL GridWindow::CreateChildren()
{
	const CRect rcEmpty(0, 0, 0, 0);
	BOOL bCreated = m_pCellView->Create(GRID_CHILD_STYLE, rcEmpty, this, GRID_ID_CELLVIEW)
		&& m_pTopHeading->Create(GRID_CHILD_STYLE, rcEmpty, this, GRID_ID_TOPHEADING)
		&& m_pSideHeading->Create(GRID_CHILD_STYLE, rcEmpty, this, GRID_ID_SIDEHEADING)
		&& m_pCorner->Create(GRID_CHILD_STYLE, rcEmpty, this, GRID_ID_CORNER)
		&& m_pTabBar->Create(GRID_CHILD_STYLE, rcEmpty, this, GRID_ID_TABBAR)
		&& m_pVScroll->Create(GRID_CHILD_STYLE | SBS_VERT, rcEmpty, this, GRID_ID_VSCROLL)
		&& m_pHScroll->Create(GRID_CHILD_STYLE | SBS_HORZ, rcEmpty, this, GRID_ID_HSCROLL)
		&& m_pHint->Create(WS_CHILD, rcEmpty, this, GRID_ID_HINT)
		&& m_editor.Create(WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, rcEmpty, this, GRID_ID_EDITOR);
	return bCreated;
}

void GridWindow::PointChildrenAtSheet()
{
	m_pCellView->SetGrid(this, m_pSheet);
	m_pTopHeading->SetGrid(this, m_pSheet);
	m_pSideHeading->SetGrid(this, m_pSheet);
	m_pCorner->SetGrid(this, m_pSheet);
	m_pTabBar->SetGrid(this, m_pSheet);
	m_pVScroll->SetGrid(this, m_pSheet);
	m_pHScroll->SetGrid(this, m_pSheet);
}

int GridWindow::AddCellType(CellType* pType)
{
	if (pType == nullptr)
		return -1;
	const int nIndex = m_slots[CELL_TYPE_SLOTS].Add(pType);
	if (nIndex >= 0)
		pType->AttachToGrid(this, nIndex);
	return nIndex;
}

CellType* GridWindow::GetCellType(int nIndex) const
{
	if (nIndex > 0)
	{
		const GridSlot* pSlot = m_slots[CELL_TYPE_SLOTS].GetSlot(nIndex);
		if (pSlot != nullptr && pSlot->m_pData != nullptr)
			return static_cast<CellType*>(pSlot->m_pData);
	}
	return const_cast<CellType*>(&m_normalType);
}

int GridWindow::AddDataSource(DataSource* pSource)
{
	if (pSource == nullptr)
		return 1;
	try
	{
		if (m_nDataSourceCount == static_cast<int>(m_dataSources.size()))
			m_dataSources.resize(m_dataSources.size() + 16, nullptr);
	}
	catch (const std::bad_alloc&)
	{
		return -1;
	}
	const int nIndex = m_nDataSourceCount++;
	m_dataSources[static_cast<size_t>(nIndex)] = pSource;
	pSource->AttachToGrid(this, nIndex);
	pSource->SetCellOrder(this);
	return nIndex;
}

DataSource* GridWindow::GetDataSource(int nIndex) const
{
	if (nIndex < 1 || nIndex >= m_nDataSourceCount)
		return nullptr;
	return m_dataSources[static_cast<size_t>(nIndex)];
}

CellView* GridWindow::GetCellView() const { return m_pCellView.get(); }
TopHeading* GridWindow::GetTopHeading() const { return m_pTopHeading.get(); }
SideHeading* GridWindow::GetSideHeading() const { return m_pSideHeading.get(); }
CornerButton* GridWindow::GetCornerButton() const { return m_pCorner.get(); }
SheetTabBar* GridWindow::GetTabBar() const { return m_pTabBar.get(); }
GridVScrollBar* GridWindow::GetVScrollBar() const { return m_pVScroll.get(); }
GridHScrollBar* GridWindow::GetHScrollBar() const { return m_pHScroll.get(); }
ScrollHintWindow* GridWindow::GetScrollHint() const { return m_pHint.get(); }
InCellEdit* GridWindow::GetEditor() { return &m_editor; }

void GridWindow::OnPaint()
{
	{
		CPaintDC dc(this);
		CRect rcClient;
		GetClientRect(&rcClient);
		dc.FillSolidRect(&rcClient, GetSysColor(COLOR_BTNFACE));
	}
	RedrawAll();
}

BOOL GridWindow::OnEraseBkgnd(CDC*)
{
	return TRUE;
}

void GridWindow::OnSize(UINT nType, int cx, int cy)
{
	CWnd::OnSize(nType, cx, cy);
	Invalidate(FALSE);
	const BOOL bWasPainting = m_bPaintingEnabled;
	m_bPaintingEnabled = FALSE;
	LayoutChildren();
	m_bPaintingEnabled = bWasPainting;
}

void GridWindow::OnSetFocus(CWnd*)
{
	if (m_pCellView->GetSafeHwnd() != nullptr)
		m_pCellView->SetFocus();
}

UINT GridWindow::OnGetDlgCode()
{
	return DLGC_WANTARROWS | DLGC_WANTALLKEYS;
}

void GridWindow::OnSysColorChange()
{
	CWnd::OnSysColorChange();
	m_penShadow.DeleteObject();
	m_penShadow.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
	const SlotTable& types = m_slots[CELL_TYPE_SLOTS];
	for (int i = 0; i < types.GetCapacity(); ++i)
	{
		const GridSlot* pSlot = types.GetSlot(i);
		if (pSlot != nullptr && pSlot->m_pData != nullptr)
			static_cast<CellType*>(pSlot->m_pData)->OnSysColorChange();
	}
	RedrawAll();
}

void GridWindow::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
	m_pVScroll->OnScroll(nSBCode, nPos);
}

void GridWindow::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
	m_pHScroll->OnScroll(nSBCode, nPos);
}
