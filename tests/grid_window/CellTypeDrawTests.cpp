// The normal type's drawing read back from a memory bitmap: borders, colours, alignment, cut and
// wrapped text, text running on into empty cells, the bitmap strip and scaled drawing.
#include "tests/grid_window/CellTypeTestSupport.h"

#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/system/SystemServices.h"

#include <gtest/gtest.h>

namespace
{

constexpr COLORREF kGridLine = RGB(220, 220, 220);
constexpr int kWidth = 300;
constexpr int kHeight = 60;

class CellTypeDrawTest : public ::testing::Test
{
protected:
	CellTypeDrawTest()
		: m_surface(kWidth, kHeight, kBlue)
	{
		CreateTestFont(m_font);
		m_grid.SetDefaultFont(&m_font);
		m_grid.SetColumnCount(3, FALSE);
		m_grid.SetRowCount(2, FALSE);
		// The cell view paints with the sheet's font selected.
		m_surface.Dc().SelectObject(&m_font);
	}

	~CellTypeDrawTest() override
	{
		m_surface.Dc().SelectStockObject(SYSTEM_FONT);
	}

	void Draw(const CRect& rc, GridCell& cell, int nCol = 0, long nRow = 0, int nSelected = 0, BOOL bCurrent = FALSE)
	{
		CRect rcCell(rc);
		m_grid.GetCellType(cell.GetCellType())->Draw(&m_surface.Dc(), &rcCell, nCol, nRow, &cell, nSelected, bCurrent);
	}

	SurfacePixels Pixels() const
	{
		return SurfacePixels(m_surface);
	}

	SheetSettings* Sheet()
	{
		return m_grid.GetSheet();
	}

	RecordingGrid m_grid;
	CFont m_font;
	MemorySurface m_surface;
};

TEST_F(CellTypeDrawTest, BorderBitsDrawSidesOneTwoAndThreePixelsWideAndTheContentFillsTheRest)
{
	Sheet()->m_bGridLines = FALSE;
	CPen red(PS_SOLID, 1, kRed);
	GridCell cell;
	cell.SetBorder(GCB_LEFT | GCB_TOP2 | GCB_RIGHT3);
	cell.SetBorderPen(&red);
	cell.SetBackColor(kGreen);
	Draw(CRect(0, 0, 40, 20), cell);
	const SurfacePixels pixels = Pixels();
	EXPECT_EQ(kRed, pixels.At(0, 10));
	EXPECT_EQ(kGreen, pixels.At(1, 10));
	EXPECT_EQ(kGreen, pixels.At(36, 10));
	for (int x = 37; x < 40; ++x)
		EXPECT_EQ(kRed, pixels.At(x, 10)) << x;
	EXPECT_EQ(kRed, pixels.At(20, 0));
	EXPECT_EQ(kRed, pixels.At(20, 1));
	EXPECT_EQ(kGreen, pixels.At(20, 2));
	EXPECT_EQ(kGreen, pixels.At(20, 19));
	EXPECT_EQ(kBlue, pixels.At(20, 20));
}

TEST_F(CellTypeDrawTest, GridLinesTakeTheRightAndBottomEdgesUnderTheCellsOwnBorder)
{
	CPen red(PS_SOLID, 1, kRed);
	GridCell cell;
	cell.SetBorder(GCB_BOTTOM2);
	cell.SetBorderPen(&red);
	cell.SetBackColor(kGreen);
	Draw(CRect(0, 0, 40, 20), cell);
	const SurfacePixels pixels = Pixels();
	EXPECT_EQ(kGridLine, pixels.At(39, 5));
	EXPECT_EQ(kGreen, pixels.At(38, 5));
	EXPECT_EQ(kRed, pixels.At(10, 19));
	EXPECT_EQ(kRed, pixels.At(10, 18));
	EXPECT_EQ(kGreen, pixels.At(10, 17));
}

TEST_F(CellTypeDrawTest, SunkenAndRaisedBordersUseTheShadowAndWhitePensInOppositeCorners)
{
	const COLORREF crShadow = GetSysColor(COLOR_BTNSHADOW);
	struct Case
	{
		WORD wBorder;
		COLORREF crTopLeft;
		COLORREF crBottomRight;
	};
	for (const Case& test : { Case { GCB_SUNKEN, crShadow, kWhite }, Case { GCB_RAISED, kWhite, crShadow } })
	{
		GridCell cell;
		cell.SetBorder(test.wBorder);
		cell.SetBackColor(kGreen);
		Draw(CRect(0, 0, 40, 20), cell);
		const SurfacePixels pixels = Pixels();
		EXPECT_EQ(test.crTopLeft, pixels.At(0, 10)) << test.wBorder;
		EXPECT_EQ(test.crTopLeft, pixels.At(20, 0)) << test.wBorder;
		// No grid line under a 3-D look.
		EXPECT_EQ(test.crBottomRight, pixels.At(39, 10)) << test.wBorder;
		EXPECT_EQ(test.crBottomRight, pixels.At(20, 19)) << test.wBorder;
		EXPECT_EQ(kGreen, pixels.At(1, 1)) << test.wBorder;
		EXPECT_EQ(kGreen, pixels.At(38, 18)) << test.wBorder;
	}
}

TEST_F(CellTypeDrawTest, SelectedCellsAndTheCurrentOneUnderHighlightStyleTwoTakeTheHighlightColours)
{
	struct Case
	{
		int nSelected;
		BOOL bCurrent;
		int nHighlightStyle;
		COLORREF crBack;
	};
	const Case cases[] = { { 0, FALSE, 1, kGreen }, { 2, FALSE, 1, kRed }, { 0, TRUE, 1, kGreen }, { 0, TRUE, 3, kRed } };
	for (const Case& test : cases)
	{
		Sheet()->m_nHighlightStyle = test.nHighlightStyle;
		GridCell cell;
		cell.SetBackColor(kGreen);
		cell.SetHighlightBackColor(kRed);
		Draw(CRect(0, 0, 40, 20), cell, 0, 0, test.nSelected, test.bCurrent);
		EXPECT_EQ(test.crBack, Pixels().At(20, 10))
			<< test.nSelected << " " << test.bCurrent << " " << test.nHighlightStyle;
	}
}

TEST_F(CellTypeDrawTest, AlignmentPlacesTheTextAtTheMarginsOrInTheMiddle)
{
	// The content is 99 x 19 pixels: the grid lines take the last column and row.
	const CRect rcCell(0, 0, 100, 20);
	auto inkFor = [&](WORD wAlign) {
		m_surface.Dc().FillSolidRect(0, 0, kWidth, kHeight, kBlue);
		GridCell cell;
		cell.SetText("HH");
		cell.SetAlignment(wAlign);
		Draw(rcCell, cell);
		return Pixels().Ink(CRect(0, 0, 99, 19), kWhite);
	};
	const CRect left = inkFor(0);
	EXPECT_GE(left.left, 4);
	EXPECT_LE(left.left, 6);
	const CRect right = inkFor(GCA_RIGHT);
	EXPECT_GE(right.right, 93);
	EXPECT_LE(right.right, 95);
	const CRect centre = inkFor(GCA_CENTER);
	EXPECT_NEAR(49.5, (centre.left + centre.right) / 2.0, 2.0);

	const CRect top = inkFor(0);
	const CRect bottom = inkFor(GCA_BOTTOM);
	const CRect middle = inkFor(GCA_VCENTER);
	EXPECT_GE(top.top, 1);
	EXPECT_LT(top.top, middle.top);
	EXPECT_LT(middle.top, bottom.top);
	EXPECT_LE(bottom.bottom, 18);
	EXPECT_EQ(top.Height(), bottom.Height());
}

TEST_F(CellTypeDrawTest, StyleFourCutsATextTooWideAndEndsItWithThreeDots)
{
	GridCell cell;
	cell.SetText("Modulazione di frequenza");
	cell.SetCellTypeStyle(GCS_ELLIPSIS);
	Draw(CRect(0, 0, 80, 20), cell);
	const int nDots = m_surface.Dc().GetTextExtent("...").cx;
	const SurfacePixels pixels = Pixels();
	const CRect rcDots(79 - nDots - 3, 0, 79, 19);
	EXPECT_EQ(3, pixels.InkColumnRuns(rcDots, kWhite));
	EXPECT_FALSE(pixels.Ink(CRect(0, 0, 79 - nDots - 3, 19), kWhite).IsRectEmpty());

	GridCell shortCell;
	shortCell.SetText("Mod");
	shortCell.SetCellTypeStyle(GCS_ELLIPSIS);
	Draw(CRect(0, 20, 80, 40), shortCell);
	EXPECT_TRUE(Pixels().Ink(CRect(rcDots.left, 20, 79, 39), kWhite).IsRectEmpty());
}

TEST_F(CellTypeDrawTest, StyleTwoWrapsAWideTextOntoFurtherLines)
{
	GridCell cell;
	cell.SetText("aaa bbb ccc ddd");
	Draw(CRect(0, 0, 50, 50), cell);
	const int nOneLine = Pixels().Ink(CRect(0, 0, 49, 49), kWhite).Height();
	cell.SetCellTypeStyle(GCS_WORDWRAP);
	Draw(CRect(0, 0, 50, 50), cell);
	const CRect wrapped = Pixels().Ink(CRect(0, 0, 49, 49), kWhite);
	EXPECT_GT(wrapped.Height(), nOneLine + 8);
	EXPECT_LE(wrapped.right, 49 - 4);
}

TEST_F(CellTypeDrawTest, AnEmptyCellShowsTheRestOfALongTextOnItsLeftOnlyWhileOverflowIsOn)
{
	m_grid.SetColumnWidth(0, 40);
	m_grid.SetColumnWidth(1, 40);
	m_grid.SetColumnWidth(2, 200);
	LPCSTR lpszLong = "spettro delle righe";
	m_grid.SetCellText(0, 0, lpszLong);
	// The same text in one wide cell is what the two pieces must add up to.
	GridCell wide;
	wide.SetText(lpszLong);
	Draw(CRect(0, 20, 80, 40), wide, 2, 1);

	GridCell first;
	m_grid.GetCellWithDefaults(0, 0, &first);
	Draw(CRect(0, 0, 40, 20), first, 0, 0);
	GridCell empty;
	m_grid.GetCellWithDefaults(1, 0, &empty);
	Draw(CRect(40, 0, 80, 20), empty, 1, 0);
	SurfacePixels pixels = Pixels();
	ASSERT_FALSE(pixels.Ink(CRect(40, 0, 79, 19), kWhite).IsRectEmpty());
	for (int y = 0; y < 19; ++y)
	{
		for (int x = 0; x < 79; ++x)
		{
			if (x == 39)
				continue;
			ASSERT_EQ(pixels.At(x, y + 20), pixels.At(x, y)) << x << ", " << y;
		}
	}

	Sheet()->m_bTextOverflow = FALSE;
	Draw(CRect(40, 0, 80, 20), empty, 1, 0);
	EXPECT_TRUE(Pixels().Ink(CRect(40, 0, 79, 19), kWhite).IsRectEmpty());
}

TEST_F(CellTypeDrawTest, ABitmapSitsInAStripAtTheLeftAndIsShrunkToTheCellWhenTaller)
{
	struct Case
	{
		int nBitmapWidth;
		int nBitmapHeight;
		CRect rcShown;
	};
	// A row of 20 leaves 19 for the content and 15 of them for a bitmap. 8 x 8 is centred;
	// 200 x 16 is shrunk to 15 high and 15 * 100 / 16 = 93 percent of its width, 186 pixels.
	for (const Case& test : { Case { 8, 8, CRect(2, 5, 10, 13) }, Case { 200, 16, CRect(2, 2, 188, 17) } })
	{
		CBitmap bitmap;
		bitmap.CreateCompatibleBitmap(&m_surface.Dc(), test.nBitmapWidth, test.nBitmapHeight);
		{
			CDC memDC;
			memDC.CreateCompatibleDC(&m_surface.Dc());
			CBitmap* pOld = memDC.SelectObject(&bitmap);
			memDC.FillSolidRect(0, 0, test.nBitmapWidth, test.nBitmapHeight, kRed);
			memDC.SelectObject(pOld);
		}
		m_surface.Dc().FillSolidRect(0, 0, kWidth, kHeight, kBlue);
		GridCell cell;
		cell.SetBitmap(&bitmap);
		cell.SetBackColor(kGreen);
		cell.SetText("X");
		Draw(CRect(0, 0, 260, 20), cell);
		const SurfacePixels pixels = Pixels();
		const int nStripEnd = test.rcShown.right + 2;
		EXPECT_EQ(test.rcShown, pixels.Ink(CRect(0, 0, nStripEnd, 19), kGreen)) << test.nBitmapWidth;
		// The text follows the strip and the margin.
		const CRect text = pixels.Ink(CRect(nStripEnd, 0, 259, 19), kGreen);
		EXPECT_FALSE(text.IsRectEmpty()) << test.nBitmapWidth;
		EXPECT_GE(text.left, nStripEnd + 4) << test.nBitmapWidth;
	}
}

TEST_F(CellTypeDrawTest, ScaledDrawingScalesTheSheetsFontOrWithoutOneTheFontTheDcHolds)
{
	auto inkHeight = [&](BOOL bScaled) {
		m_surface.Dc().FillSolidRect(0, 0, kWidth, kHeight, kBlue);
		GridCell cell;
		cell.SetText("H");
		CRect rc(0, 0, 100, bScaled ? 40 : 20);
		CellType* pType = m_grid.GetCellType(0);
		if (bScaled)
			pType->DrawScaled(&m_surface.Dc(), &rc, 0, 0, &cell);
		else
			pType->Draw(&m_surface.Dc(), &rc, 0, 0, &cell, 0, FALSE);
		EXPECT_FALSE(cell.IsSet(GCP_FONT));
		// Above the grid line at the bottom, two pixels thick when scaled.
		return Pixels().Ink(CRect(0, 0, 95, rc.bottom - 2), kWhite).Height();
	};
	// Rows are 20 high: a rectangle of 40 doubles the font.
	EXPECT_NEAR(2.0 * inkHeight(FALSE), inkHeight(TRUE), 2.0);

	Sheet()->m_pDefaultFont = nullptr;
	m_surface.Dc().SelectStockObject(SYSTEM_FONT);
	const int nPlain = inkHeight(FALSE);
	ASSERT_GT(nPlain, 0);
	EXPECT_NEAR(2.0 * nPlain, inkHeight(TRUE), 2.0);
}

TEST_F(CellTypeDrawTest, ScaledTextKeepsItsMarginsInProportion)
{
	// Printed at three printer pixels per screen pixel, the 4-pixel margin and the 1-pixel gap
	// above the text become 12 and 3: on paper the text stays as far from the lines as on screen.
	auto inkOrigin = [&](BOOL bScaled) {
		m_surface.Dc().FillSolidRect(0, 0, kWidth, kHeight, kBlue);
		GridCell cell;
		cell.SetText("H");
		CRect rc(0, 0, 200, bScaled ? 60 : 20);
		CellType* pType = m_grid.GetCellType(0);
		if (bScaled)
			pType->DrawScaled(&m_surface.Dc(), &rc, 0, 0, &cell);
		else
			pType->Draw(&m_surface.Dc(), &rc, 0, 0, &cell, 0, FALSE);
		// Left of the grid line at the right, above the one at the bottom.
		return Pixels().Ink(CRect(0, 0, 190, rc.bottom - 4), kWhite).TopLeft();
	};
	const CPoint plain = inkOrigin(FALSE);
	const CPoint scaled = inkOrigin(TRUE);
	EXPECT_GE(plain.x, 4);
	EXPECT_LT(plain.x, 8);
	EXPECT_GE(scaled.x, 12);
	EXPECT_LT(scaled.x, 18);
	EXPECT_GE(scaled.y, 3);

	// The grid lines at the right and bottom are three printer pixels thick.
	const SurfacePixels pixels = Pixels();
	const COLORREF crLine = pixels.At(199, 30);
	EXPECT_NE(crLine, kWhite);
	EXPECT_EQ(crLine, pixels.At(197, 30));
	EXPECT_EQ(kWhite, pixels.At(196, 30));
	EXPECT_EQ(crLine, pixels.At(100, 57));
	EXPECT_EQ(kWhite, pixels.At(100, 56));
}

TEST_F(CellTypeDrawTest, BestSizeIsNineByFiveWithoutTextAndGrowsWithTheCellsFont)
{
	CellType* pType = m_grid.GetCellType(0);
	GridCell cell;
	SIZE size = {};
	pType->BestSize(&m_surface.Dc(), &size, &cell);
	EXPECT_EQ(9, size.cx);
	EXPECT_EQ(5, size.cy);

	cell.SetText("Ampiezza");
	SIZE inDefault = {};
	pType->BestSize(&m_surface.Dc(), &inDefault, &cell);
	CFont big;
	CreateTestFont(big, -22);
	cell.SetFont(&big);
	SIZE inOwn = {};
	pType->BestSize(&m_surface.Dc(), &inOwn, &cell);
	EXPECT_GT(inOwn.cx, inDefault.cx + 20);
	EXPECT_GT(inOwn.cy, inDefault.cy + 8);
}

}

namespace
{

// A drop-list cell keeps its last button-width pixels for a raised button on button face with a
// black triangle in its middle; an arrow cell draws its arrows in the text colour in its middle.
TEST_F(CellTypeDrawTest, TheDropListButtonShowsATriangleAndArrowsPointAsTheirStyleSays)
{
	Sheet()->m_bGridLines = FALSE;
	const int nButton = GetSystemMetrics(SM_CXVSCROLL);
	GridCell list;
	list.SetCellType(GRID_TYPE_DROPLIST);
	list.SetText("");
	const CRect rcList(0, 0, 100, 20);
	Draw(rcList, list, 0, 0, 0, TRUE);
	const SurfacePixels listPixels = Pixels();
	const CRect rcButton(100 - nButton, 0, 100, 20);
	EXPECT_EQ(GetSysColor(COLOR_BTNFACE), listPixels.At(rcButton.left + 3, 4));
	const CRect triangle = listPixels.Ink(CRect(rcButton.left + 2, 2, 98, 18), GetSysColor(COLOR_BTNFACE));
	EXPECT_EQ(5, triangle.Width());
	EXPECT_EQ(3, triangle.Height());
	EXPECT_EQ(RGB(0, 0, 0), listPixels.At(triangle.left + 2, triangle.bottom - 1));
	EXPECT_NEAR((triangle.left + triangle.right) / 2.0, (rcButton.left + rcButton.right) / 2.0, 1.5);

	GridCell right;
	right.SetCellType(GRID_TYPE_ARROW);
	right.SetTextColor(kRed);
	right.SetBackColor(RGB(255, 255, 255));
	const CRect rcRight(120, 0, 160, 20);
	Draw(rcRight, right);
	GridCell apart;
	apart.CopyFrom(right);
	apart.SetCellTypeStyle(GCS_ARROW_APART);
	const CRect rcApart(180, 0, 220, 20);
	Draw(rcApart, apart);
	const SurfacePixels arrowPixels = Pixels();
	const CRect inkRight = arrowPixels.Ink(rcRight, RGB(255, 255, 255));
	const CRect inkApart = arrowPixels.Ink(rcApart, RGB(255, 255, 255));
	EXPECT_EQ(7, inkRight.Height());
	EXPECT_EQ(7, inkApart.Height());
	EXPECT_GT(inkApart.Width(), inkRight.Width());
	// A right-pointing arrow is tallest at its left edge: its point is on the right.
	EXPECT_GT(arrowPixels.CountInColumn(inkRight.left, inkRight, kRed),
		arrowPixels.CountInColumn(inkRight.right - 1, inkRight, kRed));
}

} // namespace
