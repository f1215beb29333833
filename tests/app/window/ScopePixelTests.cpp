// The three scopes on screen after a default A.M. run: the scales they were given and the pixels
// their traces light, computed from the scope's coordinate model and the engine's samples.
#include "tests/app/MainWindowFixture.h"

#include "app/resources/AppResourceIds.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/testing/SurfaceAccess.h"

#include <cmath>

namespace
{
	constexpr COLORREF BLACK = RGB(0, 0, 0);
	constexpr COLORREF DARK_GREEN = RGB(0, 128, 0);
	constexpr COLORREF GREEN = RGB(0, 255, 0);
	constexpr COLORREF WHITE = RGB(255, 255, 255);
	constexpr int GRID = 10;
	// Room the scope leaves between an axis placed on an edge and that edge.
	constexpr int AXIS_MARGIN = 10;

	// The scope's pixel rounding: integer part, one more when the fraction exceeds one half.
	int RoundPixel(double dValue)
	{
		double dInteger = 0.0;
		const double dFraction = std::modf(dValue, &dInteger);
		return static_cast<int>(dInteger) + (dFraction > 0.5 ? 1 : 0);
	}

	// X(N) of the default run, accumulated step by step as the sample grid is.
	double DefaultGridEnd()
	{
		double x = 0.0;
		for (int i = 0; i < 1000; i++)
			x += 0.25132741232;
		return x;
	}

	struct ScopeView
	{
		const char* pszName;
		CEditScope* pScope;
		const CSignal* pSignal;
		double peak;
	};

	CRect ClientRect(CWnd* pWnd)
	{
		CRect rc;
		pWnd->GetClientRect(&rc);
		return rc;
	}

	bool RowHasGreen(CEditScope* pScope, int y)
	{
		const int nWidth = ClientRect(pScope).Width();
		for (int x = 0; x < nWidth; x++)
		{
			if (GetSurfacePixel(pScope, x, y) == GREEN)
				return true;
		}
		return false;
	}
}

class ScopePixelTest : public MainWindowTest
{
protected:
	void SetUp() override
	{
		MainWindowTest::SetUp();
		m_user.ThenInDialog(EnterParams({}));
		Command(ID_MOD_AMPIEZZA);
		ASSERT_EQ(m_dlg.m_sigModulated.m_nPoints, 1000u);
		for (const ScopeView& view : Views())
			view.pScope->UpdateWindow();
	}

	std::vector<ScopeView> Views()
	{
		return {{"Vm", &m_dlg.m_scopeModulating, &m_dlg.m_sigModulating, 0.5},
			{"Vp", &m_dlg.m_scopeCarrier, &m_dlg.m_sigCarrier, 1.0},
			{"Vmto", &m_dlg.m_scopeModulated, &m_dlg.m_sigModulated, 0.5 + 1.0}};
	}

	static CPoint SamplePixel(const ScopeView& view, int i)
	{
		const CEditScope& scope = *view.pScope;
		return CPoint(scope.m_nYAxis + RoundPixel(view.pSignal->m_pX[i] * scope.m_dXScale),
			scope.m_nXAxis - RoundPixel(view.pSignal->m_pY[i] * scope.m_dYScale));
	}

	static int PeakRow(const ScopeView& view)
	{
		return view.pScope->m_nXAxis - RoundPixel(view.peak * view.pScope->m_dYScale);
	}
};

TEST_F(ScopePixelTest, ScalesComeFromThePeaksAndTheLastAbscissa)
{
	const double xRange = DefaultGridEnd() * 1.01;
	EXPECT_NEAR(xRange, 253.84068644319635, 1e-9);
	// The scales are set before the axis types, so the first run still measures the height
	// with the bottom margin of the axis placed when the window opened; later runs do not.
	for (int nRun = 0; nRun < 2; nRun++)
	{
		if (nRun == 1)
		{
			m_user.ThenInDialog(EnterParams({}));
			Command(ID_MOD_AMPIEZZA);
		}
		for (const ScopeView& view : Views())
		{
			SCOPED_TRACE(::testing::Message() << view.pszName << " run " << nRun);
			const CEditScope& scope = *view.pScope;
			const CRect rcClient = ClientRect(view.pScope);
			const CRect rcDisplay(rcClient.left + AXIS_MARGIN, rcClient.top, rcClient.right, rcClient.bottom);
			ASSERT_EQ(view.pScope->GetDisplayRect(), rcDisplay);
			const int nScaledHeight = nRun == 0 ? rcDisplay.Height() - AXIS_MARGIN : rcDisplay.Height();
			EXPECT_DOUBLE_EQ(scope.m_dYScale, nScaledHeight / (view.peak * 2.2));
			EXPECT_DOUBLE_EQ(scope.m_dXScale, rcClient.Width() / xRange) << "the client width, not the display width";
			EXPECT_EQ(scope.m_nXAxis, rcDisplay.top + rcDisplay.Height() / 2);
			EXPECT_EQ(scope.m_nYAxis, AXIS_MARGIN);
			EXPECT_EQ(scope.m_nXGrid, GRID) << "the grids keep the step set when the window opened";
			EXPECT_EQ(scope.m_nYGrid, GRID);
		}
	}
}

TEST_F(ScopePixelTest, PeaksAreDrawnAtTheirPixels)
{
	const std::vector<ScopeView> views = Views();
	for (const ScopeView& view : views)
	{
		SCOPED_TRACE(view.pszName);
		EXPECT_EQ(SamplePixel(view, 0), CPoint(AXIS_MARGIN, PeakRow(view))) << "the first sample is a peak";
		EXPECT_EQ(GetSurfacePixel(view.pScope, AXIS_MARGIN, PeakRow(view)), GREEN);
		EXPECT_NE(GetSurfacePixel(view.pScope, AXIS_MARGIN, PeakRow(view) - 1), GREEN);
	}
	EXPECT_EQ(views[0].pSignal->m_pY[0], 0.5);
	EXPECT_EQ(views[2].pSignal->m_pY[0], 1.5);

	// The carrier's next peak, one period (25 samples) on; Vm's trough half-way through its cycle.
	const CPoint ptCarrierPeak = SamplePixel(views[1], 25);
	EXPECT_EQ(ptCarrierPeak.y, PeakRow(views[1]));
	EXPECT_GT(ptCarrierPeak.x, AXIS_MARGIN);
	EXPECT_EQ(GetSurfacePixel(views[1].pScope, ptCarrierPeak.x, ptCarrierPeak.y), GREEN);
	const CPoint ptTrough = SamplePixel(views[0], 250);
	// A negative value's pixel offset is truncated toward zero, so the trough is not the peak's mirror.
	EXPECT_EQ(ptTrough.y, views[0].pScope->m_nXAxis - RoundPixel(-0.5 * views[0].pScope->m_dYScale));
	EXPECT_EQ(GetSurfacePixel(views[0].pScope, ptTrough.x, ptTrough.y), GREEN);
}

TEST_F(ScopePixelTest, EverySampleLightsItsPixel)
{
	for (const ScopeView& view : Views())
	{
		SCOPED_TRACE(view.pszName);
		const int nWidth = ClientRect(view.pScope).Width();
		int nMissing = 0;
		int nVisible = 0;
		// The last point ends the polyline, and a line leaves its end point undrawn. The trace
		// starts at the axis but is scaled to the whole width, so its last samples lie beyond
		// the right edge.
		for (int i = 0; i + 1 < 1000; i++)
		{
			const CPoint pt = SamplePixel(view, i);
			if (pt.x >= nWidth)
				continue;
			nVisible++;
			if (GetSurfacePixel(view.pScope, pt.x, pt.y) != GREEN && nMissing++ == 0)
				ADD_FAILURE() << "sample " << i << " at " << pt.x << ", " << pt.y;
		}
		EXPECT_EQ(nMissing, 0);
		EXPECT_GE(nVisible, 990);
	}
}

TEST_F(ScopePixelTest, AboveThePeaksOnlyBackgroundAndGrid)
{
	for (const ScopeView& view : Views())
	{
		SCOPED_TRACE(view.pszName);
		const int nPeakRow = PeakRow(view);
		ASSERT_GT(nPeakRow, 2);
		for (int y = 0; y < nPeakRow; y++)
			EXPECT_FALSE(RowHasGreen(view.pScope, y)) << "row " << y;
		// A row between horizontal grid lines: dark green only where a vertical grid line crosses it.
		int y = nPeakRow - 1;
		if ((view.pScope->m_nXAxis - y) % GRID == 0)
			y--;
		EXPECT_EQ(GetSurfacePixel(view.pScope, AXIS_MARGIN + GRID / 2, y), BLACK);
		EXPECT_EQ(GetSurfacePixel(view.pScope, AXIS_MARGIN + 3 * GRID, y), DARK_GREEN);
	}
}

TEST_F(MainWindowTest, RefreshBeforeAnyRunRedrawsThreeEmptyGrids)
{
	CEditScope* const scopes[] = {&m_dlg.m_scopeModulating, &m_dlg.m_scopeCarrier, &m_dlg.m_scopeModulated};
	for (CEditScope* pScope : scopes)
	{
		pScope->UpdateWindow();
		CClientDC dc(pScope);
		dc.FillSolidRect(ClientRect(pScope), WHITE);
	}
	Command(ID_REFRESH);
	for (CEditScope* pScope : scopes)
	{
		pScope->UpdateWindow();
		const CRect rcClient = ClientRect(pScope);
		// The time axis along the bottom, 10 pixels up; the value axis 10 pixels from the left.
		const int nXAxis = rcClient.bottom - AXIS_MARGIN;
		EXPECT_EQ(pScope->m_nXAxis, nXAxis);
		EXPECT_EQ(GetSurfacePixel(pScope, AXIS_MARGIN, 3), DARK_GREEN);
		EXPECT_EQ(GetSurfacePixel(pScope, AXIS_MARGIN + GRID / 2, nXAxis), DARK_GREEN);
		EXPECT_EQ(GetSurfacePixel(pScope, AXIS_MARGIN + GRID / 2, nXAxis - GRID / 2), BLACK);
		EXPECT_NE(GetSurfacePixel(pScope, rcClient.right - 3, 3), WHITE) << "the whole client area is painted again";
		for (int y = 0; y < rcClient.Height(); y += 7)
			EXPECT_FALSE(RowHasGreen(pScope, y)) << "no trace yet, row " << y;
	}
}
