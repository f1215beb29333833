// A grid in a shown window whose cells are drawn by a cell type that records every call and
// paints a colour told by the cell and its state, so that pixels show which cell lies where.
#pragma once

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "grid/celltypes/CellType.h"
#include "grid/window/CellView.h"
#include "grid/window/GridHeadings.h"
#include "grid/window/GridWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct DrawnCell
{
	int nCol;
	long nRow;
	CRect rc;
	int nSelected;
	BOOL bCurrent;
};

// Selected cells are bluer, the current cell bluer still.
inline COLORREF CellColour(int nCol, long nRow, int nSelected = 0, BOOL bCurrent = FALSE)
{
	const int nBlue = bCurrent ? 200 : nSelected > 0 ? 150 : 80;
	return RGB(30 * (nCol + 3), 5 * (nRow + 3), nBlue);
}

inline COLORREF Inverted(COLORREF cr)
{
	return RGB(255 - GetRValue(cr), 255 - GetGValue(cr), 255 - GetBValue(cr));
}

class DrawRecordingCellType : public CellType
{
public:
	void Draw(CDC* pDC, RECT* pRect, int nCol, long nRow, GridCell*, int nSelected, BOOL bCurrent) override
	{
		m_drawn.push_back(DrawnCell{nCol, nRow, CRect(pRect), nSelected, bCurrent});
		pDC->FillSolidRect(pRect, CellColour(nCol, nRow, nSelected, bCurrent));
		// A dot placed by the cell's numbers: a cell drawn or scrolled to a wrong place shows.
		pDC->SetPixel(pRect->left + 3 + (nCol + static_cast<int>(nRow)) % 5, pRect->top + 2 + nCol % 3, RGB(0, 0, 0));
	}

	std::vector<DrawnCell> m_drawn;
};

// The grid's notifications the cell view and the headings send, as a readable sequence.
class DrawLogGrid : public GridWindow
{
public:
	void NotifyDrawStart(CDC*, int, int nSection) override { Log("draw" + std::to_string(nSection)); }
	void NotifyViewFocus(int nSection) override { Log("focus" + std::to_string(nSection)); }
	void NotifyViewFocusLost(int nSection) override { Log("lost" + std::to_string(nSection)); }
	void NotifyPastLastRow(long nRowCount, long nRowsPast, long* pnRowsAdded) override
	{
		Log("past" + std::to_string(nRowCount) + "," + std::to_string(nRowsPast));
		*pnRowsAdded += m_nRowsToAdd;
		m_nRowsToAdd = 0;
	}

	void Log(const std::string& text) { m_log += (m_log.empty() ? "" : " ") + text; }

	std::string m_log;
	long m_nRowsToAdd = 0;
};

class GridPaintTest : public ::testing::Test
{
protected:
	void SetUp() override;
	void TearDown() override;

	// Columns and rows whose cells, headings included, the recording type draws.
	void Fill(int nCols, long nRows);
	// Everything of the cell view drawn again, now.
	void PaintCells();
	CellView* View() { return m_grid.GetCellView(); }
	SheetSettings& Sheet() { return *m_grid.GetSheet(); }
	COLORREF ViewPixel(int x, int y) { return GetSurfacePixel(View(), x, y); }
	std::vector<COLORREF> ViewPixels();
	// "col,row" of every recorded call, in order; the record is emptied.
	std::string TakeDrawn();

	DrawRecordingCellType m_type;
	CWnd m_parent;
	DrawLogGrid m_grid;
};
