// The cell view as a window: its class, keyboard code, focus, size and off-screen bitmap, and
// the marking of cells for the next paint.
#include "grid/window/CellView.h"

#include "framework/ui/bars/BarTypes.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/window/UserServices.h"
#include "grid/window/GridWindow.h"

#include <climits>

IMPLEMENT_DYNAMIC(CellView, CWnd)

BEGIN_MESSAGE_MAP(CellView, CWnd)
	ON_WM_PAINT()
	ON_WM_ERASEBKGND()
	ON_WM_SIZE()
	ON_WM_SETFOCUS()
	ON_WM_KILLFOCUS()
	ON_WM_GETDLGCODE()
	ON_WM_KEYDOWN()
	ON_WM_KEYUP()
	ON_WM_CHAR()
	ON_WM_MOUSEWHEEL()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_LBUTTONDBLCLK()
	ON_WM_RBUTTONDOWN()
	ON_WM_RBUTTONUP()
	ON_WM_MOUSEMOVE()
	ON_WM_MOUSEACTIVATE()
	ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnNeedToolTipText)
END_MESSAGE_MAP()

CellView::CellView()
	: m_bOffscreen(FALSE)
	, m_bHasFocus(FALSE)
	, m_nPaintedLeftColumn(-1)
	, m_nPaintedTopRow(-1)
	, m_nPaintedCurrentColumn(-1)
	, m_nPaintedCurrentRow(-1)
	, m_nKeyRepeatCount(0)
	, m_pMouseOwner(nullptr)
	, m_nTipColumn(-1)
	, m_nTipRow(-1)
	, m_nWheelDelta(0)
{
}

CellView::~CellView() = default;

BOOL CellView::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
	// No class brush: the paint covers every pixel, so nothing is erased first.
	// Double clicks reach the cells' types and the grid's notification.
	LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
	if (!CWnd::Create(lpszClass, nullptr, dwStyle, rect, pParent, nID))
		return FALSE;
	// Whether a cell shows a tip is the sheet's choice, asked at each hit test.
	EnableToolTips(TRUE);
	return TRUE;
}

BOOL CellView::PreCreateWindow(CREATESTRUCT& cs)
{
	cs.style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
	return CWnd::PreCreateWindow(cs);
}

void CellView::RedrawCells(int nFirstCol, long nFirstRow, int nLastCol, long nLastRow)
{
	m_drawList.AddBlock(nFirstCol, nFirstRow, nLastCol, nLastRow);
	if (m_hWnd != nullptr)
		Invalidate(FALSE);
}

void CellView::MarkCells(int nFirstCol, long nFirstRow, int nLastCol, long nLastRow)
{
	m_drawList.AddBlock(nFirstCol, nFirstRow, nLastCol, nLastRow);
}

void CellView::RedrawAllCells()
{
	m_drawList.AddAll();
	if (m_hWnd != nullptr)
		Invalidate(FALSE);
}

void CellView::MarkCurrent(int nCol, long nRow)
{
	if (nCol < 0 || nRow < 0)
		return;
	if (m_pSheet->m_bRowMode)
		m_drawList.AddBlock(0, nRow, INT_MAX, nRow);
	else
		m_drawList.AddBlock(nCol, nRow, nCol, nRow);
}

void CellView::SetOffscreen(BOOL bOffscreen)
{
	m_bOffscreen = bOffscreen;
	if (!m_bOffscreen)
		m_offscreenBitmap.DeleteObject();
	else if (m_hWnd != nullptr)
		CreateOffscreenBitmap(m_rcClient.Width(), m_rcClient.Height());
	RedrawAllCells();
}

BOOL CellView::HasFocus() const
{
	return m_bHasFocus;
}

CRect CellView::GetCurrentCellRect() const
{
	return m_rcCurrentCell;
}

CSize CellView::GetViewSize() const
{
	return CSize(m_rcClient.Width(), m_rcClient.Height());
}

CBitmap* CellView::GetOffscreenBitmap()
{
	return m_bOffscreen && m_offscreenBitmap.GetSafeHandle() != nullptr ? &m_offscreenBitmap : nullptr;
}

void CellView::CreateOffscreenBitmap(int cx, int cy)
{
	m_offscreenBitmap.DeleteObject();
	if (cx <= 0 || cy <= 0)
		return;
	CClientDC dc(this);
	if (!m_offscreenBitmap.CreateCompatibleBitmap(&dc, cx, cy))
		return;
	CDC memDC;
	if (!memDC.CreateCompatibleDC(&dc))
		return;
	CBitmap* pOld = memDC.SelectObject(&m_offscreenBitmap);
	memDC.FillSolidRect(0, 0, cx, cy, m_pGrid->DefaultBackColor(GRID_SECTION_CELLS));
	memDC.SelectObject(pOld);
}

BOOL CellView::OnEraseBkgnd(CDC*)
{
	return TRUE;
}

void CellView::OnSize(UINT nType, int cx, int cy)
{
	CWnd::OnSize(nType, cx, cy);
	GetClientRect(&m_rcClient);
	if (m_bOffscreen)
		CreateOffscreenBitmap(m_rcClient.Width(), m_rcClient.Height());
}

void CellView::OnSetFocus(CWnd* pOldWnd)
{
	CWnd::OnSetFocus(pOldWnd);
	m_bHasFocus = TRUE;
	m_nKeyRepeatCount = 0;
	m_pMouseOwner = nullptr;
	m_pGrid->NotifyViewFocus(GRID_SECTION_CELLS);
	MarkCurrent(m_pSheet->m_nCurrentColumn, m_pSheet->m_nCurrentRow);
	Invalidate(FALSE);
}

void CellView::OnKillFocus(CWnd* pNewWnd)
{
	CWnd::OnKillFocus(pNewWnd);
	m_bHasFocus = FALSE;
	MarkCurrent(m_pSheet->m_nCurrentColumn, m_pSheet->m_nCurrentRow);
	Invalidate(FALSE);
	m_pGrid->NotifyViewFocusLost(GRID_SECTION_CELLS);
}

UINT CellView::OnGetDlgCode()
{
	const UINT nWanted = DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
	CWnd* pFocus = GetFocus();
	// The in-place editor and the drop list are children of the view: they take every key.
	if (pFocus != nullptr && IsChild(pFocus))
		return nWanted;
	return CWnd::OnGetDlgCode() | nWanted;
}

// A click that activates the grid's window lands the keyboard in the cells at once.
int CellView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
	const int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
	if (GetFocus() != this)
		SetFocus();
	return nResult;
}

BOOL CellView::EditorStaysOpen()
{
	if (!m_pGrid->IsEditing())
		return FALSE;
	SetFocus();
	return m_pGrid->IsEditing();
}
