// The thin line a heading drag shows across the cell view where a column or row will end or a
// moved column will land.
#pragma once

#include "framework/core/Types.h"

class CWnd;

class GridDragLine
{
public:
	GridDragLine();

	// Shows the 2-pixel line on both sides of nPos (an x for a vertical line, a y otherwise),
	// taking away the one shown before.
	void Show(CWnd* pView, BOOL bVertical, int nPos);
	void Hide();
	BOOL IsShown() const;

private:
	void Invert();

	CWnd* m_pView;
	BOOL m_bShown;
	BOOL m_bVertical;
	int m_nPos;
};
