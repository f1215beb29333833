// The grid's heading areas: the column headings on top, the row headings at the left and the
// corner button where they meet.
#pragma once

#include "framework/ui/window/Wnd.h"
#include "grid/window/GridChild.h"
#include "grid/window/GridDrawList.h"

class TopHeading : public CWnd, public GridChild
{
	DECLARE_DYNAMIC(TopHeading)

public:
	TopHeading();

	BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
	void RedrawColumns(int nFirstCol, int nLastCol);

	// The column being pressed, drawn as selected; -1 when none.
	int m_nPressedColumn;

protected:
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);

	DECLARE_MESSAGE_MAP()

private:
	GridDrawList m_drawList;
};

class SideHeading : public CWnd, public GridChild
{
	DECLARE_DYNAMIC(SideHeading)

public:
	SideHeading();

	BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
	void RedrawRows(long nFirstRow, long nLastRow);

	long m_nPressedRow;

protected:
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);

	DECLARE_MESSAGE_MAP()

private:
	GridDrawList m_drawList;
};

class CornerButton : public CWnd, public GridChild
{
	DECLARE_DYNAMIC(CornerButton)

public:
	CornerButton();

	BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);

protected:
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);

	DECLARE_MESSAGE_MAP()
};
