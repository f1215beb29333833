// CellView: the grid's area of data cells. It paints the cells of its draw list, and after a
// commit scrolls its pixels and paints only what was uncovered and the two current cells.
#pragma once

#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/window/Wnd.h"
#include "grid/window/GridChild.h"
#include "grid/window/GridDrawList.h"

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
	// After a commit: scrolls by the change of the left column and the top row and draws what
	// the scroll uncovered and the previous and new current cells.
	void UpdateAfterCommit();
	// Painting through an off-screen bitmap.
	void SetOffscreen(BOOL bOffscreen);
	BOOL HasFocus() const;
	// The current cell's rectangle from the latest paint.
	CRect GetCurrentCellRect() const;

protected:
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg void OnSetFocus(CWnd* pOldWnd);
	afx_msg void OnKillFocus(CWnd* pNewWnd);
	afx_msg UINT OnGetDlgCode();
	afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);

	DECLARE_MESSAGE_MAP()

private:
	// Draws the marked cells on pDC and empties the draw list.
	void DrawMarkedCells(CDC* pDC);

	GridDrawList m_drawList;
	CBitmap m_offscreenBitmap;
	BOOL m_bOffscreen;
	BOOL m_bHasFocus;
	CRect m_rcClient;
	CRect m_rcCurrentCell;
};
