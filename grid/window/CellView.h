// CellView: the grid's area of data cells. It paints the cells of its draw list, and after a
// commit scrolls its pixels and paints only what was uncovered and the two current cells.
#pragma once

#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/window/Wnd.h"
#include "grid/window/GridChild.h"
#include "grid/window/GridDrawList.h"

struct CellPaintPass;
struct CellViewHit;
class CellType;

class CellView : public CWnd, public GridChild
{
	DECLARE_DYNAMIC(CellView)

public:
	CellView();
	~CellView() override;

	BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
	BOOL PreCreateWindow(CREATESTRUCT& cs) override;

	// Marks the cells for the next paint and invalidates them.
	void RedrawCells(int nFirstCol, long nFirstRow, int nLastCol, long nLastRow);
	void RedrawAllCells();
	// Marks the cells for the drawing that ends the running commit, without a paint of their own.
	void MarkCells(int nFirstCol, long nFirstRow, int nLastCol, long nLastRow);
	// After a commit: scrolls by the change of the left column and the top row and draws what
	// the scroll uncovered and the previous and new current cells.
	void UpdateAfterCommit();
	// Painting through an off-screen bitmap.
	void SetOffscreen(BOOL bOffscreen);
	BOOL HasFocus() const;
	// The current cell's rectangle from the latest paint.
	CRect GetCurrentCellRect() const;
	// With cell tooltips on, the cell under the mouse.
	INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg void OnSetFocus(CWnd* pOldWnd);
	afx_msg void OnKillFocus(CWnd* pNewWnd);
	afx_msg UINT OnGetDlgCode();
	afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
	afx_msg BOOL OnNeedToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

	DECLARE_MESSAGE_MAP()

private:
	// Draws the marked cells on pDC and empties the draw list.
	void DrawMarkedCells(CDC* pDC);
	void LayColumns(CellPaintPass& pass);
	// nEdges: where the cell stands against the locked columns (bits 0-1) and rows (bits 2-3).
	void DrawRow(CellPaintPass& pass, long nRow, int nTop, int nHeight, int nRowEdge);
	void DrawCell(CellPaintPass& pass, int nCol, long nRow, const CRect& rcCell, int nEdges);
	void DrawLockedSeparators(CellPaintPass& pass, int nEdges, const CRect& rcCell);
	void AskForRowsPastEnd(int nRowsEnd, int nViewHeight);
	void FillBeyondCells(CellPaintPass& pass, int nRowsEnd);
	void DrawFocusOnCurrent(CellPaintPass& pass);
	// A press ends a running edit first, taking the focus from the editor; TRUE when the edit
	// stayed open and the press is to be ignored.
	BOOL EditorStaysOpen();
	// The cell (a joined block's origin) under a point of the view, its rectangle, look and type.
	BOOL CellUnder(CPoint point, CellViewHit* pHit);
	// A left press's move to the cell under it, which with multiple selection starts, adds to or
	// stretches the selection as the keys held say.
	void GoToPressedCell(int nCol, long nRow, UINT nFlags);
	// With the left button held: the target follows the mouse, stepping while the mouse rests
	// outside the view, until the next move or the release. FALSE when the window went meanwhile.
	BOOL RunDragLoop(CPoint point);
	// One step of the drag; TRUE (with the step's size) while the mouse lies beyond an edge.
	BOOL DragTowards(CPoint point, long long* pnStep);

	// The current cell (its whole row in row mode) marked for drawing.
	void MarkCurrent(int nCol, long nRow);
	// Moves the pixels by the shift, keeping the locked rows and columns in place; marks the cells
	// the move uncovered.
	void ScrollCells(CDC* pDC, int dx, int dy);
	// previous: the view's first and last columns and rows as the last pass drew them.
	void MarkUncovered(int dx, int dy, const GridCellBlock& previous);
	void MarkPreviousAndNewCurrent();
	// The arrow keys' step: 1, or growing with the auto-repeats while a key is held.
	long long KeyStep(UINT nFlags);
	void NavigateByKey(UINT nKey, long long nStep);
	void CreateOffscreenBitmap(int cx, int cy);
	CBitmap* GetOffscreenBitmap();
	CSize GetViewSize() const;

	GridDrawList m_drawList;
	CBitmap m_offscreenBitmap;
	BOOL m_bOffscreen;
	BOOL m_bHasFocus;
	CRect m_rcClient;
	CRect m_rcCurrentCell;
	// The view's first scrolling column and row and the current cell when the last pass drew;
	// -1 before any.
	int m_nPaintedLeftColumn;
	long m_nPaintedTopRow;
	int m_nPaintedCurrentColumn;
	long m_nPaintedCurrentRow;
	// Auto-repeats of the key held down.
	long long m_nKeyRepeatCount;
	// The cell type that took the last left press, given the mouse's moves until the release.
	CellType* m_pMouseOwner;
	// The cell whose tip shows or is about to; its column is -1 off the cells.
	mutable int m_nTipColumn;
	mutable long m_nTipRow;
	// Wheel turns smaller than a notch (fine-grained wheels and touchpads) add up to one.
	int m_nWheelDelta;
};
