// SheetTabBar: the strip of sheet tabs left of the horizontal scroll bar, scrolled by its own
// arrows, whose right edge can be dragged to widen it.
#pragma once

#include "framework/core/String.h"
#include "framework/ui/controls/ScrollBar.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/window/Wnd.h"
#include "grid/window/GridChild.h"

constexpr int GRID_MAX_TABS = 64;

struct GridSheetTab
{
	CString m_strLabel;
	COLORREF m_crText;
	COLORREF m_crBack;
	int m_nWidth;
	// The number NotifySheetTab reports for the tab.
	int m_nSheet;
};

class SheetTabBar : public CWnd, public GridChild
{
	DECLARE_DYNAMIC(SheetTabBar)

public:
	SheetTabBar();

	BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
	// The tab's index, or -1 when the bar is full.
	int AddTab(LPCSTR lpszLabel, int nSheet, COLORREF crText, COLORREF crBack);
	int GetTabCount() const;
	void SetCurrentTab(int nTab);
	int GetCurrentTab() const;
	// TRUE while the user drags the bar's right edge.
	BOOL IsDraggingEdge() const;

protected:
	afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
	afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
	afx_msg void OnCaptureChanged(CWnd* pWnd);

	DECLARE_MESSAGE_MAP()

private:
	// The label starts this far into its tab, and as much room is left after it.
	static constexpr int LABEL_INDENT = 10;
	// The strip at the bar's right edge that drags the bar's width.
	static constexpr int EDGE_GRIP = 4;

	// Tab positions are in strip coordinates: from the first tab's left edge, before the scroll offset.
	int GetTabLeft(int nTab) const;
	int GetTotalWidth() const;
	// The part of the bar left of the arrows and the edge grip, where tabs show.
	int GetStripWidth() const;
	int GetMaxOffset() const;
	void SetScrollOffset(int nOffset);
	void ScrollTabIntoView(int nTab);
	int TabFromPoint(CPoint point) const;
	BOOL IsOnEdge(CPoint point) const;
	void PlaceArrows();
	void EndEdgeDrag();
	void DrawTab(CDC* pDC, int nTab, int nLeft, int nHeight, BOOL bCurrent) const;
	void DrawEdgeGrip(CDC* pDC, const CRect& rcClient) const;

	GridSheetTab m_tabs[GRID_MAX_TABS];
	int m_nTabCount;
	int m_nCurrentTab;
	int m_nFirstTab;
	int m_nScrollOffset;
	int m_nArrowWidth;
	CFont m_font;
	CScrollBar m_arrows;
	BOOL m_bDraggingEdge;
	int m_nDragStartX;
	int m_nDragStartWidth;
};
