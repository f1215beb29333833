// A live grid that writes down, in order, what the mouse in its headings and corner asks and
// tells, with the mouse driven as the desktop drives it.
#pragma once

#include "framework/ui/testing/UserDriving.h"
#include "framework/ui/window/UserServices.h"
#include "grid/window/CellView.h"
#include "grid/window/GridHeadings.h"
#include "grid/window/GridWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class HeadingRecordingGrid : public GridWindow
{
public:
	int AllowColumnResize(int nCol) override { return Ask("allow column " + std::to_string(nCol), m_bAllowSizing); }
	void NotifyColumnResizing(int nCol, int* pnWidth) override { Size("column resizing", nCol, pnWidth); }
	void NotifyColumnResized(int nCol, int* pnWidth) override { Size("column resized", nCol, pnWidth); }
	int AllowRowResize(long nRow) override { return Ask("allow row " + std::to_string(nRow), m_bAllowSizing); }
	void NotifyRowResizing(long nRow, int* pnHeight) override { Size("row resizing", nRow, pnHeight); }
	void NotifyRowResized(long nRow, int* pnHeight) override { Size("row resized", nRow, pnHeight); }
	int AllowTopHeadingResize() override { return Ask("allow top heading", m_bAllowSizing); }
	int AllowSideHeadingResize() override { return Ask("allow side heading", m_bAllowSizing); }
	int NotifyTopHeadingResizing(int* pnHeight) override { return Area("top heading resizing", pnHeight); }
	int NotifySideHeadingResizing(int* pnWidth) override { return Area("side heading resizing", pnWidth); }
	int NotifyTopHeadingResized(int* pnHeight) override { return Area("top heading resized", pnHeight); }
	int NotifySideHeadingResized(int* pnWidth) override { return Area("side heading resized", pnWidth); }
	int AllowViewScroll(int, long, int nNewLeftCol, long) override
	{
		m_log.push_back("scroll " + std::to_string(nNewLeftCol));
		return 1;
	}
	void NotifyTopHeadingClick(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT*, BOOL bProcessed) override
	{
		Click(bDown ? "top press" : "top release", nCol, nRow, pRect, bProcessed);
	}
	void NotifyTopHeadingRightClick(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT*, BOOL bProcessed) override
	{
		Click(bDown ? "top right press" : "top right release", nCol, nRow, pRect, bProcessed);
	}
	void NotifyTopHeadingDoubleClick(int nCol, long nRow, RECT* pRect, POINT*, BOOL bProcessed) override
	{
		Click("top double", nCol, nRow, pRect, bProcessed);
	}
	void NotifySideHeadingClick(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT*, BOOL bProcessed) override
	{
		Click(bDown ? "side press" : "side release", nCol, nRow, pRect, bProcessed);
	}
	void NotifySideHeadingRightClick(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT*, BOOL bProcessed) override
	{
		Click(bDown ? "side right press" : "side right release", nCol, nRow, pRect, bProcessed);
	}
	void NotifySideHeadingDoubleClick(int nCol, long nRow, RECT* pRect, POINT*, BOOL bProcessed) override
	{
		Click("side double", nCol, nRow, pRect, bProcessed);
	}
	void NotifyCornerClick(BOOL bDown, RECT* pRect, POINT*, BOOL bProcessed) override
	{
		Click(bDown ? "corner press" : "corner release", -1, -1, pRect, bProcessed);
	}
	void NotifyCornerRightClick(BOOL bDown, RECT* pRect, POINT*, BOOL bProcessed) override
	{
		Click(bDown ? "corner right press" : "corner right release", -1, -1, pRect, bProcessed);
	}
	void NotifyCornerDoubleClick(RECT* pRect, POINT*, BOOL bProcessed) override
	{
		Click("corner double", -1, -1, pRect, bProcessed);
	}
	int AllowColumnMoveStart(int nCol) override { return Ask("allow move start " + std::to_string(nCol), m_bAllowMoveStart); }
	int AllowColumnMove(int nFrom, int nTo) override
	{
		return Ask("allow move " + std::to_string(nFrom) + " to " + std::to_string(nTo), m_bAllowMove);
	}

	std::vector<std::string> m_log;
	BOOL m_bAllowSizing = TRUE;
	BOOL m_bAllowMoveStart = TRUE;
	BOOL m_bAllowMove = TRUE;
	// A size a resized notification hands back instead of the one it was given; -1: none.
	int m_nResizedAnswer = -1;
	// The largest heading area a resizing notification lets through; -1: any.
	int m_nLargestArea = -1;

private:
	int Ask(const std::string& what, BOOL bAnswer)
	{
		m_log.push_back(what);
		return bAnswer;
	}
	void Size(const std::string& what, long nIndex, int* pnSize)
	{
		m_log.push_back(what + " " + std::to_string(nIndex) + " " + std::to_string(*pnSize));
		if (m_nResizedAnswer >= 0 && what.find("resized") != std::string::npos)
			*pnSize = m_nResizedAnswer;
	}
	int Area(const std::string& what, int* pnSize)
	{
		m_log.push_back(what + " " + std::to_string(*pnSize));
		if (m_nLargestArea >= 0 && *pnSize > m_nLargestArea)
			*pnSize = m_nLargestArea;
		return 1;
	}
	void Click(const std::string& what, int nCol, long nRow, RECT* pRect, BOOL bProcessed)
	{
		m_log.push_back(what + " " + std::to_string(nCol) + "," + std::to_string(nRow) + " "
			+ std::to_string(pRect->left) + "-" + std::to_string(pRect->right) + (bProcessed ? " taken" : ""));
	}
};

// The grid fills 300 x 200 of a shown window; its side heading is 40 wide, its top heading 20 high.
class HeadingGridTest : public ::testing::Test
{
protected:
	using Log = std::vector<std::string>;

	HeadingGridTest()
	{
		m_frame.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 400), nullptr, 0);
		m_grid.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &m_frame, 100);
		// Each test starts with the buttons up, a test before may have left one held, and the pointer
		// away from the grid, as a move to where the pointer already is never arrives.
		AfxSendMouseInput(&m_frame, WM_LBUTTONUP, CPoint(390, 390));
		AfxSendMouseInput(&m_frame, WM_MOUSEMOVE, CPoint(390, 390));
	}

	~HeadingGridTest() override
	{
		m_grid.DestroyWindow();
		m_frame.DestroyWindow();
	}

	// Columns of 75 and rows of 20, painted, with what was asked so far forgotten.
	void MakeSheet(int nCols, long nRows)
	{
		m_grid.SetColumnCount(nCols, TRUE);
		m_grid.SetRowCount(nRows, TRUE);
		m_grid.UpdateWindow();
		m_grid.GetCellView()->UpdateWindow();
		m_grid.m_log.clear();
	}

	void Mouse(CWnd* pWnd, UINT message, CPoint point)
	{
		const UINT nHeld = message == WM_LBUTTONDOWN || (message == WM_MOUSEMOVE && m_bHeld) ? MK_LBUTTON : 0;
		if (message == WM_LBUTTONDOWN)
			m_bHeld = TRUE;
		if (message == WM_LBUTTONUP)
			m_bHeld = FALSE;
		ASSERT_TRUE(AfxSendMouseInput(pWnd, message, point, nHeld));
	}

	// Hovers at the first point, presses there, moves through the others and releases at the last.
	void Drag(CWnd* pWnd, const std::vector<CPoint>& points)
	{
		Mouse(pWnd, WM_MOUSEMOVE, points.front());
		Mouse(pWnd, WM_LBUTTONDOWN, points.front());
		for (size_t n = 1; n < points.size(); n++)
			Mouse(pWnd, WM_MOUSEMOVE, points[n]);
		Mouse(pWnd, WM_LBUTTONUP, points.back());
	}

	// The cursor the grid shows now.
	static HCURSOR ShownCursor()
	{
		HCURSOR hShown = ::SetCursor(nullptr);
		::SetCursor(hShown);
		return hShown;
	}

	int Width(int nCol)
	{
		int nWidth = -1;
		m_grid.GetColumnWidth(nCol, &nWidth);
		return nWidth;
	}

	SheetSettings& Sheet() { return *m_grid.GetSheet(); }
	TopHeading* Top() { return m_grid.GetTopHeading(); }
	SideHeading* Side() { return m_grid.GetSideHeading(); }

	CWnd m_frame;
	HeadingRecordingGrid m_grid;
	BOOL m_bHeld = FALSE;
};
