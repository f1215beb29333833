// Geometry of control bars: borders, toolbar items, status-bar panes and layout slices.
#include "framework/ui/bars/BarGeometry.h"

#include "framework/core/BarConstants.h"

#include <algorithm>

CRect ControlBarBorders(DWORD dwBarStyle)
{
	return CRect((dwBarStyle & CBRS_BORDER_LEFT) != 0 ? BAR_BORDER : 0,
		(dwBarStyle & CBRS_BORDER_TOP) != 0 ? BAR_BORDER : 0,
		(dwBarStyle & CBRS_BORDER_RIGHT) != 0 ? BAR_BORDER : 0,
		(dwBarStyle & CBRS_BORDER_BOTTOM) != 0 ? BAR_BORDER : 0);
}

CPoint ToolBarOrigin(DWORD dwBarStyle)
{
	const CRect borders = ControlBarBorders(dwBarStyle);
	return CPoint(borders.left + TOOLBAR_INSET_X, borders.top + TOOLBAR_INSET_Y);
}

std::vector<CRect> ToolBarItemRects(CPoint ptOrigin, const std::vector<int>& widths, int cyButton)
{
	std::vector<CRect> rects;
	rects.reserve(widths.size());
	int x = ptOrigin.x;
	for (int cx : widths)
	{
		rects.emplace_back(x, ptOrigin.y, x + cx, ptOrigin.y + cyButton);
		x += cx;
	}
	return rects;
}

CSize ToolBarFixedSize(DWORD dwBarStyle, const std::vector<int>& widths, int cyButton)
{
	const CRect borders = ControlBarBorders(dwBarStyle);
	int cxItems = 0;
	for (int cx : widths)
	{
		cxItems += cx;
	}
	return CSize(borders.left + 2 * TOOLBAR_INSET_X + cxItems + borders.right,
		borders.top + 2 * TOOLBAR_INSET_Y + cyButton + borders.bottom);
}

int StatusBarHeight(DWORD dwBarStyle)
{
	const CRect borders = ControlBarBorders(dwBarStyle);
	return borders.top + 2 * STATUS_INSET_Y + STATUS_PANE_CY + borders.bottom;
}

std::vector<CRect> StatusPaneRects(int cxBar, DWORD dwBarStyle, const std::vector<StatusPaneMetric>& panes,
	int cxGrip)
{
	const CRect borders = ControlBarBorders(dwBarStyle);
	const int nCount = static_cast<int>(panes.size());
	int cxFixed = 0;
	int nStretch = 0;
	for (const StatusPaneMetric& pane : panes)
	{
		cxFixed += pane.cxWidth + 2 * STATUS_PANE_MARGIN;
		nStretch += pane.bStretch ? 1 : 0;
	}
	const int cxInside = cxBar - borders.left - borders.right - 2 * STATUS_INSET_X - cxGrip;
	const int cxGaps = nCount > 1 ? (nCount - 1) * STATUS_PANE_GAP : 0;
	const int cxSpare = std::max(0, cxInside - cxGaps - cxFixed);
	const int cxShare = nStretch > 0 ? cxSpare / nStretch : 0;
	int cxOdd = nStretch > 0 ? cxSpare % nStretch : 0;

	std::vector<CRect> rects;
	rects.reserve(panes.size());
	const int y = borders.top + STATUS_INSET_Y;
	int x = borders.left + STATUS_INSET_X;
	for (const StatusPaneMetric& pane : panes)
	{
		int cx = pane.cxWidth + 2 * STATUS_PANE_MARGIN;
		if (pane.bStretch)
		{
			cx += cxShare + cxOdd;
			cxOdd = 0;
		}
		rects.emplace_back(x, y, x + cx, y + STATUS_PANE_CY);
		x += cx + STATUS_PANE_GAP;
	}
	return rects;
}

CRect TakeBarSlice(RECT& rcFree, DWORD dwAlign, CSize size, BOOL bStretch)
{
	CRect rcBar;
	const int cxFree = rcFree.right - rcFree.left;
	const int cyFree = rcFree.bottom - rcFree.top;
	const int cx = bStretch ? cxFree : std::min(size.cx, cxFree);
	const int cy = bStretch ? cyFree : std::min(size.cy, cyFree);
	if ((dwAlign & CBRS_ALIGN_TOP) != 0)
	{
		rcBar.SetRect(rcFree.left, rcFree.top, rcFree.left + cx, rcFree.top + size.cy);
		rcFree.top = std::min(rcFree.top + size.cy, rcFree.bottom);
	}
	else if ((dwAlign & CBRS_ALIGN_BOTTOM) != 0)
	{
		rcBar.SetRect(rcFree.left, rcFree.bottom - size.cy, rcFree.left + cx, rcFree.bottom);
		rcFree.bottom = std::max(rcFree.bottom - size.cy, rcFree.top);
	}
	else if ((dwAlign & CBRS_ALIGN_LEFT) != 0)
	{
		rcBar.SetRect(rcFree.left, rcFree.top, rcFree.left + size.cx, rcFree.top + cy);
		rcFree.left = std::min(rcFree.left + size.cx, rcFree.right);
	}
	else if ((dwAlign & CBRS_ALIGN_RIGHT) != 0)
	{
		rcBar.SetRect(rcFree.right - size.cx, rcFree.top, rcFree.right, rcFree.top + cy);
		rcFree.right = std::max(rcFree.right - size.cx, rcFree.left);
	}
	return rcBar;
}
