// The main window at other sizes: at the opening size nothing moves, larger or smaller the
// labels and scopes follow the area between the bars and the traces are drawn again at the new
// size, the bars' room goes to the scopes, and the window keeps a readable minimum.
#include "tests/app/MainWindowFixture.h"

#include "app/resources/AppResourceIds.h"
#include "framework/core/BarConstants.h"
#include "framework/ui/testing/SurfaceAccess.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace
{
	constexpr COLORREF GREEN = RGB(0, 255, 0);
	constexpr COLORREF DARK_GREEN = RGB(0, 128, 0);
	// The frame of the main window: sizing border 4, caption 18 and menu bar 19.
	constexpr int FRAME_WIDTH = 8;
	constexpr int FRAME_HEIGHT = 45;

	CRect RectIn(CWnd& parent, CWnd* pChild)
	{
		CRect rc;
		pChild->GetWindowRect(&rc);
		parent.ScreenToClient(&rc);
		return rc;
	}

	CSize ClientSize(CWnd* pWnd)
	{
		CRect rc;
		pWnd->GetClientRect(&rc);
		return rc.Size();
	}

	// The first and last green row of a column, or (-1, -1).
	std::pair<int, int> GreenSpan(CWnd* pScope, int x)
	{
		std::pair<int, int> span(-1, -1);
		for (int y = 0; y < ClientSize(pScope).cy; y++)
		{
			if (GetSurfacePixel(pScope, x, y) != GREEN)
				continue;
			if (span.first < 0)
				span.first = y;
			span.second = y;
		}
		return span;
	}

	int RightmostGreenColumn(CWnd* pScope)
	{
		const CSize size = ClientSize(pScope);
		for (int x = size.cx - 1; x >= 0; x--)
		{
			for (int y = 0; y < size.cy; y++)
			{
				if (GetSurfacePixel(pScope, x, y) == GREEN)
					return x;
			}
		}
		return -1;
	}
}

class ResizeTest : public MainWindowTest
{
protected:
	std::vector<CEditScope*> Scopes()
	{
		return {&m_dlg.m_scopeModulating, &m_dlg.m_scopeCarrier, &m_dlg.m_scopeModulated};
	}

	// Labels and scopes top to bottom, each label just before its scope.
	std::vector<CRect> ControlRects()
	{
		std::vector<CRect> rects;
		for (CEditScope* pScope : Scopes())
		{
			rects.push_back(RectIn(m_dlg, pScope->GetWindow(GW_HWNDPREV)));
			rects.push_back(RectIn(m_dlg, pScope));
		}
		return rects;
	}

	void RunFM()
	{
		m_user.ThenInDialog(EnterParams({}));
		Command(ID_MOD_FREQUENZA);
		ASSERT_EQ(m_dlg.m_sigModulated.m_nPoints, 1000u);
	}

	void SizeWindow(int cx, int cy)
	{
		m_dlg.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
		Paint();
	}

	void Paint()
	{
		for (CEditScope* pScope : Scopes())
			pScope->UpdateWindow();
	}

	CSize WindowSize()
	{
		CRect rc;
		m_dlg.GetWindowRect(&rc);
		return rc.Size();
	}

	const std::vector<CRect> m_opening = {CRect(6, 35, 738, 52), CRect(6, 59, 738, 173), CRect(6, 179, 738, 197),
		CRect(6, 204, 738, 317), CRect(6, 325, 738, 343), CRect(6, 350, 738, 464)};
};

// Recorded from the window before it could change size.
TEST_F(ResizeTest, AtTheOpeningSizeEveryControlAndTracePixelStaysPut)
{
	EXPECT_EQ(ClientSize(&m_dlg), CSize(744, 488));
	EXPECT_EQ(ControlRects(), m_opening);
	EXPECT_EQ(RectIn(m_dlg, &m_dlg.m_wndToolBar), CRect(0, 0, 744, 28));
	EXPECT_EQ(RectIn(m_dlg, &m_dlg.m_wndStatusBar), CRect(0, 468, 744, 488));

	RunFM();
	Paint();
	EXPECT_EQ(ControlRects(), m_opening);
	struct Column
	{
		int nScope;
		int x;
		std::pair<int, int> span;
	};
	// The first run still scales Vm with the bottom margin of the opening axis (peak at row 10).
	const Column columns[] = {{0, 11, {10, 10}}, {0, 100, {55, 56}}, {0, 728, {10, 10}}, {1, 10, {9, 9}},
		{1, 11, {10, 18}}, {1, 365, {80, 88}}, {1, 728, {47, 68}}, {2, 11, {11, 25}}, {2, 100, {26, 45}},
		{2, 365, {101, 102}}, {2, 728, {71, 94}}};
	for (const Column& column : columns)
		EXPECT_EQ(GreenSpan(Scopes()[column.nScope], column.x), column.span) << column.nScope << " at " << column.x;

	// Back at the opening size from another, the controls are where they were.
	SizeWindow(1000, 700);
	SizeWindow(744 + FRAME_WIDTH, 488 + FRAME_HEIGHT);
	EXPECT_EQ(ControlRects(), m_opening);
}

TEST_F(ResizeTest, LargerTheScopesFillTheWindowAndTheTracesFollow)
{
	RunFM();
	SizeWindow(1920, 1080);
	ASSERT_EQ(ClientSize(&m_dlg), CSize(1912, 1035));
	// 547 rows more between the bars: 182, 182 and 183 for the scopes.
	EXPECT_EQ(ControlRects(), (std::vector<CRect> {CRect(6, 35, 1906, 52), CRect(6, 59, 1906, 355),
		CRect(6, 361, 1906, 379), CRect(6, 386, 1906, 681), CRect(6, 689, 1906, 707), CRect(6, 714, 1906, 1011)}));
	EXPECT_EQ(RectIn(m_dlg, &m_dlg.m_wndStatusBar), CRect(0, 1015, 1912, 1035));

	for (CEditScope* pScope : Scopes())
	{
		const CSize size = ClientSize(pScope);
		// The last of 1000 samples at 999/1000 of the range, which is 1.01 × the span, from the axis.
		EXPECT_NEAR(RightmostGreenColumn(pScope), 10 + size.cx * 0.999 / 1.01, 2.0);
		// Every peak (Am 5, Ap 1) reaches 1/1.1 of the half-height above the middle axis.
		const int nAxis = size.cy / 2;
		EXPECT_EQ(pScope->m_nXAxis, nAxis);
		int nTop = size.cy;
		for (int x = 0; x < size.cx; x += 3)
			nTop = std::min(nTop, GreenSpan(pScope, x).first < 0 ? size.cy : GreenSpan(pScope, x).first);
		EXPECT_NEAR(nTop, nAxis - size.cy / 2.2, 1.0);
	}
	// The carrier starts at its peak, on the axis's column.
	const CSize sizeCarrier = ClientSize(&m_dlg.m_scopeCarrier);
	EXPECT_EQ(GreenSpan(&m_dlg.m_scopeCarrier, 10).first, sizeCarrier.cy / 2 - 133);
}

TEST_F(ResizeTest, BeforeAnyRunTheGridsAloneFollowTheNewSize)
{
	SizeWindow(1200, 900);
	for (CEditScope* pScope : Scopes())
	{
		const CSize size = ClientSize(pScope);
		EXPECT_EQ(size.cx, 1200 - FRAME_WIDTH - 14);
		// The time axis, and a grid line with it, 10 pixels above the new bottom.
		EXPECT_EQ(pScope->m_nXAxis, size.cy - 10);
		EXPECT_EQ(GetSurfacePixel(pScope, 15, size.cy - 10), DARK_GREEN);
		EXPECT_EQ(RightmostGreenColumn(pScope), -1) << "no trace yet";
	}
}

TEST_F(ResizeTest, AHiddenBarGivesItsRoomToTheScopes)
{
	RunFM();
	Command(AFX_IDW_TOOLBAR);
	ASSERT_FALSE(m_dlg.m_wndToolBar.IsWindowVisible());
	std::vector<CRect> rects = ControlRects();
	EXPECT_EQ(rects[0], m_opening[0] - CPoint(0, 28)) << "the first label up by the toolbar's height";
	EXPECT_EQ(rects[1].Height() + rects[3].Height() + rects[5].Height(), 341 + 28);
	EXPECT_EQ(rects[5].bottom, 464);

	Command(AFX_IDW_STATUS_BAR);
	rects = ControlRects();
	EXPECT_EQ(rects[5].bottom, 488 - 4) << "the lowest scope down to the template's margin";
	EXPECT_EQ(rects[1].Height() + rects[3].Height() + rects[5].Height(), 341 + 28 + 20);
	Paint();
	const CSize sizeModulated = ClientSize(&m_dlg.m_scopeModulated);
	EXPECT_NEAR(GreenSpan(&m_dlg.m_scopeModulated, 10).first, sizeModulated.cy / 2 - sizeModulated.cy / 2.2, 1.0)
		<< "the first peak drawn at the new height";

	Command(AFX_IDW_TOOLBAR);
	Command(AFX_IDW_STATUS_BAR);
	EXPECT_EQ(ControlRects(), m_opening);
}

TEST_F(ResizeTest, TheWindowKeepsEveryScopeAtHalfItsSize)
{
	// The smallest area between the bars is 378 × 272; the bars take 48 rows.
	const CSize sizeMinimum(378 + FRAME_WIDTH, 272 + 48 + FRAME_HEIGHT);
	EXPECT_EQ(GetDesktopMinimumSize(&m_dlg), sizeMinimum);
	RunFM();
	SizeWindow(100, 100);
	EXPECT_EQ(WindowSize(), sizeMinimum);
	const std::vector<CRect> rects = ControlRects();
	const CRect rcArea(0, 28, 378, 300);
	for (size_t i = 0; i < rects.size(); i++)
	{
		EXPECT_TRUE((rects[i] & rcArea) == rects[i]) << "inside the area, control " << i;
		if (i % 2 == 1)
		{
			EXPECT_GE(rects[i].Height() * 2, m_opening[i].Height()) << i;
		}
	}
	EXPECT_GE(RightmostGreenColumn(&m_dlg.m_scopeModulated), 360);

	// Without the toolbar the window may be its height smaller.
	Command(AFX_IDW_TOOLBAR);
	SizeWindow(100, 100);
	EXPECT_EQ(WindowSize(), sizeMinimum - CSize(0, 28));
}
