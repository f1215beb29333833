// The grid's scroll bars driven by their messages: ranges from the row count, the scroll codes
// moving the view, the two tracking modes and the hint beside a dragged thumb.
#include "tests/grid_window/ScrollingGridFixture.h"

#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/window/UserServices.h"
#include "grid/window/CellView.h"
#include "grid/window/GridScrollBars.h"
#include "grid/window/ScrollHintWindow.h"
#include "tests/support/Surfaces.h"

#include <algorithm>

namespace
{
	constexpr COLORREF HINT_BACK = RGB(255, 255, 224);
	constexpr COLORREF BLACK = RGB(0, 0, 0);

	class GridScrollBarTest : public ScrollingGridTest
	{
	protected:
		// One column of 75 pixels and rows of 20: only the vertical bar shows, over a view 220 high.
		void FillRows(long nRows)
		{
			m_grid.SetColumnCount(1, FALSE);
			m_grid.SetRowCount(nRows, TRUE);
		}

		void VScroll(UINT nCode, UINT nPos = 0)
		{
			m_grid.SendMessage(WM_VSCROLL, MAKEWPARAM(nCode, nPos), reinterpret_cast<LPARAM>(m_grid.GetVScrollBar()->m_hWnd));
		}

		void HScroll(UINT nCode, UINT nPos = 0)
		{
			m_grid.SendMessage(WM_HSCROLL, MAKEWPARAM(nCode, nPos), reinterpret_cast<LPARAM>(m_grid.GetHScrollBar()->m_hWnd));
		}

		SCROLLINFO VInfo()
		{
			SCROLLINFO info = {};
			m_grid.GetVScrollBar()->GetScrollInfo(&info, SIF_RANGE | SIF_PAGE | SIF_POS);
			return info;
		}

		// The mouse in the grid's client coordinates, where the hint is placed.
		CPoint MouseInGrid()
		{
			POINT pt = {0, 0};
			GetCursorPos(&pt);
			m_grid.ScreenToClient(&pt);
			return CPoint(pt);
		}

		CRect GridClient()
		{
			CRect rc;
			m_grid.GetClientRect(&rc);
			return rc;
		}

		CRect HintRect()
		{
			CRect rc;
			m_grid.GetScrollHint()->GetWindowRect(&rc);
			m_grid.ScreenToClient(&rc);
			return rc;
		}
	};
}

TEST_F(GridScrollBarTest, RangeFollowsTheRowCountAndScalesPastAThousandRows)
{
	FillRows(50);
	ASSERT_EQ(Sheet().m_nViewHeight, 220);
	// The row past the last counts one pixel: 11 rows fit in 220 pixels, yet the last top row is 40.
	SCROLLINFO info = VInfo();
	EXPECT_EQ(info.nMin, 0);
	EXPECT_EQ(info.nMax, 50);
	EXPECT_EQ(info.nPage, 11u);

	m_grid.SetRowCount(2000, TRUE);
	info = VInfo();
	EXPECT_EQ(info.nMin, 0);
	EXPECT_EQ(info.nMax, 1000);
	EXPECT_EQ(info.nPage, 1u);

	VScroll(SB_THUMBPOSITION, 1000);
	// The last ten rows show whole (the eleventh would need the one pixel more).
	EXPECT_EQ(Sheet().m_nTopRow, 1990);
	EXPECT_EQ(m_grid.GetVScrollBar()->GetScrollPos(), 1000);

	VScroll(SB_THUMBPOSITION, 500);
	EXPECT_EQ(Sheet().m_nTopRow, 995);
	EXPECT_EQ(m_grid.GetVScrollBar()->GetScrollPos(), 500);
}

TEST_F(GridScrollBarTest, ScrollCodesMoveTheTopRow)
{
	FillRows(50);
	ASSERT_EQ(Sheet().m_nViewHeight, 220);
	const struct
	{
		UINT nCode;
		UINT nPos;
		long nTopRow;
	} steps[] = {
		{SB_LINEUP, 0, 0},
		{SB_LINEDOWN, 0, 1},
		// A page runs while the pixels left are not negative: 220 pixels step over 12 rows.
		{SB_PAGEDOWN, 0, 13},
		{SB_PAGEUP, 0, 1},
		{SB_BOTTOM, 0, 40},
		{SB_LINEDOWN, 0, 40},
		{SB_PAGEDOWN, 0, 40},
		{SB_TOP, 0, 0},
		{SB_THUMBPOSITION, 25, 25},
		{SB_THUMBPOSITION, 60, 40},
	};
	for (const auto& step : steps)
	{
		VScroll(step.nCode, step.nPos);
		EXPECT_EQ(Sheet().m_nTopRow, step.nTopRow) << "code " << step.nCode << " pos " << step.nPos;
		EXPECT_EQ(m_grid.GetVScrollBar()->GetScrollPos(), step.nTopRow) << "code " << step.nCode;
	}
	EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(m_grid.GetCellView()));
}

TEST_F(GridScrollBarTest, TrackingScrollsAtOnceOnlyInModeOne)
{
	FillRows(50);
	VScroll(SB_THUMBTRACK, 30);
	EXPECT_EQ(Sheet().m_nTopRow, 0);
	VScroll(SB_THUMBPOSITION, 30);
	EXPECT_EQ(Sheet().m_nTopRow, 30);

	// A drag that ends without a thumb position goes where the thumb was left.
	VScroll(SB_THUMBTRACK, 12);
	EXPECT_EQ(Sheet().m_nTopRow, 30);
	VScroll(SB_ENDSCROLL);
	EXPECT_EQ(Sheet().m_nTopRow, 12);

	Sheet().m_nVScrollMode = GRID_SCROLL_WHILE_TRACKING;
	VScroll(SB_THUMBTRACK, 20);
	EXPECT_EQ(Sheet().m_nTopRow, 20);
	VScroll(SB_THUMBTRACK, 22);
	EXPECT_EQ(Sheet().m_nTopRow, 22);
}

TEST_F(GridScrollBarTest, ThreePositionBarPagesFromItsEndsAndReturnsToTheMiddle)
{
	FillRows(50);
	Sheet().m_nVScrollMode = GRID_SCROLL_THREE_POSITIONS;
	m_grid.GetVScrollBar()->UpdateRange(FALSE);
	SCROLLINFO info = VInfo();
	EXPECT_EQ(info.nMin, 0);
	EXPECT_EQ(info.nMax, 2);
	EXPECT_EQ(info.nPos, 1);

	VScroll(SB_THUMBPOSITION, 2);
	EXPECT_EQ(Sheet().m_nTopRow, 12);
	EXPECT_EQ(m_grid.GetVScrollBar()->GetScrollPos(), 1);
	VScroll(SB_LINEDOWN);
	EXPECT_EQ(Sheet().m_nTopRow, 13);
	VScroll(SB_THUMBPOSITION, 0);
	EXPECT_EQ(Sheet().m_nTopRow, 1);
	EXPECT_EQ(m_grid.GetVScrollBar()->GetScrollPos(), 1);
}

TEST_F(GridScrollBarTest, VerticalHintStandsLeftOfTheBarAndIsPaintedFramed)
{
	FillRows(50);
	Sheet().m_bVScrollTooltips = TRUE;
	ScrollHintWindow* pHint = m_grid.GetScrollHint();
	VScroll(SB_THUMBTRACK, 30);
	ASSERT_TRUE(pHint->IsWindowVisible());
	ASSERT_EQ(m_grid.m_hintRows, std::vector<long>{30});

	const CRect rc = HintRect();
	EXPECT_EQ(rc.right, Sheet().m_rcVScroll.left - 1);
	EXPECT_EQ(rc.Width(), 40);
	EXPECT_EQ(rc.Height(), pHint->m_nXHeight);
	EXPECT_GT(rc.Height(), 5);
	const int nCentredTop = MouseInGrid().y - rc.Height() / 2;
	EXPECT_EQ(rc.top, std::clamp(nCentredTop, 0, GridClient().Height() - rc.Height()));

	pHint->UpdateWindow();
	EXPECT_EQ(GetSurfacePixel(pHint, 0, 0), BLACK);
	EXPECT_EQ(GetSurfacePixel(pHint, rc.Width() - 1, rc.Height() - 1), BLACK);
	EXPECT_EQ(GetSurfacePixel(pHint, rc.Width() - 4, rc.Height() / 2), HINT_BACK);
	const int nInk = CountInk(pHint, CRect(2, 1, 12, rc.Height() - 1), HINT_BACK);
	EXPECT_GT(nInk, 3) << "the hint's text is drawn from (2, 1)";

	VScroll(SB_THUMBPOSITION, 30);
	EXPECT_FALSE(pHint->IsWindowVisible());
	EXPECT_EQ(Sheet().m_nTopRow, 30);
}

TEST_F(GridScrollBarTest, HorizontalHintStandsAboveTheBarCentredOnTheMouse)
{
	m_grid.SetColumnCount(20, FALSE);
	m_grid.SetRowCount(3, TRUE);
	ASSERT_GT(Sheet().m_rcHScroll.Height(), 0);
	Sheet().m_bHScrollTooltips = TRUE;
	m_grid.m_strHint = "C";
	HScroll(SB_THUMBTRACK, 5);
	EXPECT_EQ(Sheet().m_nLeftColumn, 0);
	ASSERT_EQ(m_grid.m_hintColumns, std::vector<int>{5});

	const CRect rc = HintRect();
	EXPECT_EQ(rc.bottom, Sheet().m_rcHScroll.top - 1);
	EXPECT_EQ(rc.Width(), 20);
	const int nCentredLeft = MouseInGrid().x - 10;
	EXPECT_EQ(rc.left, std::clamp(nCentredLeft, 0, GridClient().Width() - 20));

	HScroll(SB_ENDSCROLL);
	EXPECT_FALSE(m_grid.GetScrollHint()->IsWindowVisible());
	EXPECT_EQ(Sheet().m_nLeftColumn, 5);
	EXPECT_EQ(m_grid.GetHScrollBar()->GetScrollPos(), 5);
}
