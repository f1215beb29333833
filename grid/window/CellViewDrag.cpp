// The cell view's drag loop: with the left button held the target follows the mouse; past the
// view's edges it keeps stepping and scrolling the view while the mouse rests there, until the
// mouse moves again or the button is released.
#include "grid/window/CellView.h"

#include "framework/ui/window/MessagePump.h"
#include "framework/ui/system/SystemServices.h"
#include "grid/window/GridViewWalk.h"
#include "grid/window/GridWindow.h"
#include "grid/window/SheetAxes.h"

#include <algorithm>
#include <iterator>

namespace
{
// The view whose drag loop runs: a move handed to the view inside the loop starts no second one.
const CellView* s_pDragView = nullptr;

class DragLoopMark
{
public:
	explicit DragLoopMark(const CellView* pView) { s_pDragView = pView; }
	~DragLoopMark() { s_pDragView = nullptr; }
	DragLoopMark(const DragLoopMark&) = delete;
	DragLoopMark& operator=(const DragLoopMark&) = delete;
};

// No sheet has this many rows; a faster step only passes the end sooner.
constexpr long long MAX_DRAG_STEP = 1LL << 31;

// How far the target moves in one step while the mouse is nDistance pixels outside the view: one
// position, or with an exponent faster the farther out the mouse is.
long long StepFor(int nDistance, int nUnit, int nExponent)
{
	if (nExponent <= 0 || nUnit <= 0)
		return 1;
	const long long nBase = 1 + nDistance / nUnit;
	long long nStep = 1;
	for (int i = 0; i < nExponent && nStep < MAX_DRAG_STEP; ++i)
		nStep *= nBase;
	return std::min(nStep, MAX_DRAG_STEP);
}

// The position laid at v along the view, the last one laid when v lies past them, -1 when none is.
long PositionUnder(const GridAxis& axis, long nLocked, long nFirst, int nViewSize, int v)
{
	GridViewWalk walk(axis, nLocked, nFirst, nViewSize);
	long nLast = -1;
	while (walk.Next())
	{
		if (v < walk.GetEnd())
			return walk.GetPosition();
		nLast = walk.GetPosition();
	}
	return nLast;
}

// Where the target goes along one direction and by how much it stepped (0: it followed the mouse).
struct DragAxisMove
{
	long long m_nTo;
	long long m_nStep;
};

struct DragAxis
{
	const GridAxis& m_axis;
	long m_nLocked;
	long m_nFirst;
	int m_nViewSize;
	int m_nUnit;

	DragAxisMove Move(int v, long nTarget, int nExponent) const
	{
		if (v < 0)
		{
			const long long nStep = StepFor(-v, m_nUnit, nExponent);
			return {nTarget - nStep, nStep};
		}
		if (v >= m_nViewSize)
		{
			const long long nStep = StepFor(v - m_nViewSize + 1, m_nUnit, nExponent);
			return {nTarget + nStep, nStep};
		}
		const long nUnder = PositionUnder(m_axis, m_nLocked, m_nFirst, m_nViewSize, v);
		if (nUnder < 0)
			return {nTarget, 0};
		// Jumping into the locked band would pass over the positions scrolled away behind it;
		// stepping back brings them in, the band acting as the view's edge.
		if (nUnder < m_nLocked && m_nFirst > m_nLocked && nTarget >= m_nLocked)
			return {nTarget - 1, 1};
		return {nUnder, 0};
	}
};

// Hands out what waits until a mouse move or the button's release comes next: FALSE then, that
// input being left for its handler.
BOOL PumpUntilMouseInput()
{
	MSG msg;
	while (PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE))
	{
		if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP)
			return FALSE;
		PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE);
		TranslateMessage(&msg);
		DispatchMessage(&msg);
	}
	return TRUE;
}
} // namespace

BOOL CellView::RunDragLoop(CPoint point)
{
	if (s_pDragView != nullptr)
		return TRUE;
	const DragLoopMark mark(this);
	const HWND hWnd = m_hWnd;
	for (;;)
	{
		const SheetSettings& sheet = *m_pSheet;
		const long long nBefore[] = {sheet.m_nTargetColumn, sheet.m_nTargetRow, sheet.m_nLeftColumn, sheet.m_nTopRow};
		long long nStep = 0;
		if (!DragTowards(point, &nStep))
			return TRUE;
		const long long nAfter[] = {sheet.m_nTargetColumn, sheet.m_nTargetRow, sheet.m_nLeftColumn, sheet.m_nTopRow};
		const BOOL bMoved = !std::equal(std::begin(nBefore), std::end(nBefore), std::begin(nAfter));
		const int nDelay = sheet.m_nDragScrollDelay;
		// Slow while close to the edge, so that a short excursion moves a position or two; and
		// at the sheet's end, where the steps move nothing, the loop waits instead of spinning.
		if ((nStep == 1 || !bMoved) && nDelay > 0)
			Sleep(static_cast<DWORD>(nDelay));
		const BOOL bKeepStepping = PumpUntilMouseInput();
		// The window may have gone with the messages handled meanwhile; nothing of it is touched then.
		if (CWnd::FromHandlePermanent(hWnd) != this)
			return FALSE;
		// A release that never reached the view ends the drag as well.
		if (!bKeepStepping || GetCapture() != this || GetKeyState(VK_LBUTTON) >= 0)
			return TRUE;
	}
}

BOOL CellView::DragTowards(CPoint point, long long* pnStep)
{
	SheetSettings& sheet = *m_pSheet;
	if (sheet.m_nColumnCount <= 0 || sheet.m_nRowCount <= 0)
		return FALSE;
	const int nExponent = sheet.m_nDragScrollExponent;
	const long nTargetCol = sheet.m_nTargetColumn >= 0 ? sheet.m_nTargetColumn : sheet.m_nCurrentColumn;
	const long nTargetRow = sheet.m_nTargetRow >= 0 ? sheet.m_nTargetRow : sheet.m_nCurrentRow;
	const SheetColumnAxis columns(sheet);
	const SheetRowAxis rows(sheet);
	const DragAxisMove col = DragAxis{columns, sheet.m_nLockedColumns, sheet.m_nLeftColumn, sheet.m_nViewWidth,
		sheet.m_nDefaultColumnWidth}.Move(point.x, nTargetCol, nExponent);
	const DragAxisMove row = DragAxis{rows, sheet.m_nLockedRows, sheet.m_nTopRow, sheet.m_nViewHeight,
		sheet.m_nDefaultRowHeight}.Move(point.y, nTargetRow, nExponent);

	sheet.m_nSelectionGesture = GRID_GESTURE_DRAG;
	const int nCol = static_cast<int>(std::min<long long>(std::max<long long>(col.m_nTo, 0), sheet.m_nColumnCount - 1));
	long nRow = static_cast<long>(std::min<long long>(std::max<long long>(row.m_nTo, 0), MAX_DRAG_STEP));
	// Rows past the last are offered to the data source, as the keyboard offers them.
	if (nRow >= sheet.m_nRowCount)
	{
		m_pGrid->GotoRow(nRow);
		nRow = std::min(nRow, sheet.m_nRowCount - 1);
	}
	m_pGrid->GotoCell(nCol, nRow);
	*pnStep = std::max(col.m_nStep, row.m_nStep);
	return *pnStep > 0;
}
