// CEditScope attached to a disabled, bordered EDIT: axes from the window, traces and painting.
#include "framework/core/ControlConstants.h"
#include "framework/ui/controls/Edit.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "sigkit/scope/EditScope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
	constexpr COLORREF BLACK = RGB(0, 0, 0);
	constexpr COLORREF DARK_GREEN = RGB(0, 128, 0);
	constexpr COLORREF GREEN = RGB(0, 255, 0);
	constexpr COLORREF RED = RGB(255, 0, 0);
	constexpr UINT SCOPE_ID = 1000;

	// A parent window holding one disabled, bordered EDIT of 202 × 102 pixels (client 200 × 100)
	// that the scope takes over, as a dialog does with its template's edit control.
	class EditScopeWindow : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "scopes", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
			ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER, CRect(10, 10, 212, 112), &m_parent,
				SCOPE_ID));
			m_edit.Detach();
			ASSERT_TRUE(m_scope.SubclassDlgItem(SCOPE_ID, &m_parent));
			m_scope.SetXType(1);
			m_scope.SetYType(5);
		}

		void TearDown() override
		{
			m_scope.DestroyWindow();
			m_parent.DestroyWindow();
		}

		void Repaint()
		{
			m_scope.InvalidateRect(nullptr, TRUE);
			m_scope.UpdateWindow();
		}

		COLORREF Pixel(int x, int y)
		{
			return GetSurfacePixel(&m_scope, x, y);
		}

		CWnd m_parent;
		CEdit m_edit;
		CEditScope m_scope;
	};
}

TEST(EditScopeModel, NeverTypedControlHasBothAxesAtZero)
{
	CEditScope scope;
	EXPECT_EQ(scope.GetXAxis(), 0);
	EXPECT_EQ(scope.GetYAxis(), 0);
	EXPECT_EQ(scope.m_nXType, 1);
	EXPECT_EQ(scope.m_nYType, 5);
	EXPECT_EQ(scope.m_nPlayAddMode, 3);
	EXPECT_EQ(scope.m_nXGrid, 10);
}

TEST(EditScopeModel, EmptyOrNullPlayClearsAndAddsNothing)
{
	CEditScope scope;
	double x[] = {0.0, 1.0};
	double y[] = {0.0, 1.0};
	scope.PlaySignal(x, y, 2);
	scope.PlaySignalAdd(x, y, 2);
	EXPECT_EQ(scope.GetSignalsCount(), 2u);
	EXPECT_EQ(scope.m_nEndDisplay, 1);

	scope.PlaySignal(x, y, 0);
	EXPECT_EQ(scope.GetSignalsCount(), 0u);
	scope.PlaySignal(nullptr, y, 2);
	EXPECT_EQ(scope.GetSignalsCount(), 0u);
	EXPECT_EQ(scope.m_nEndDisplay, 0);
}

TEST(EditScopeModel, AddedTraceContinuesFromThePreviousOneUnlessModeFour)
{
	CEditScope scope;
	scope.SetXScaleTo(2, 1.0);
	scope.SetYScaleTo(2, 1.0);
	double x[] = {0.0, 10.0};
	double y[] = {1.0, -1.0};
	scope.PlaySignal(x, y, 2);
	scope.PlaySignalAdd(x, y, 2);
	const CWordArray* pSecond = static_cast<const CWordArray*>(scope.m_aXPixels[1]);
	EXPECT_EQ(short(pSecond->GetAt(0)), 20) << "starts at the last column of the first trace";
	EXPECT_EQ(short(pSecond->GetAt(1)), 40);

	scope.SetPlayAddMode(4);
	scope.PlaySignalAdd(x, y, 2);
	const CWordArray* pThird = static_cast<const CWordArray*>(scope.m_aXPixels[2]);
	EXPECT_EQ(short(pThird->GetAt(0)), 0) << "starts at the vertical axis";

	scope.SetXScaleTo(0, 1.0);
	scope.PlaySignal(x, y, 2);
	const CWordArray* pFallback = static_cast<const CWordArray*>(scope.m_aXPixels[0]);
	EXPECT_EQ(short(pFallback->GetAt(1)), 20) << "an X scale of 0 falls back to the Y scale";
}

TEST_F(EditScopeWindow, AxesComeFromTheDisplayRectangleAndStayWhenResized)
{
	CRect rcClient;
	m_scope.GetClientRect(&rcClient);
	ASSERT_EQ(rcClient, CRect(0, 0, 200, 100));
	EXPECT_EQ(m_scope.GetXAxis(), 50);
	EXPECT_EQ(m_scope.GetYAxis(), 10);
	EXPECT_EQ(m_scope.GetDisplayRect(), CRect(10, 0, 200, 100));

	m_scope.SetYScaleTo(2.0);
	EXPECT_DOUBLE_EQ(m_scope.m_dYScale, 50.0);
	m_scope.SetXScaleTo(4.0);
	EXPECT_DOUBLE_EQ(m_scope.m_dXScale, 50.0) << "the client width, not the display width";

	m_scope.MoveWindow(10, 10, 402, 302);
	EXPECT_EQ(m_scope.GetXAxis(), 50);
	EXPECT_EQ(m_scope.GetYAxis(), 10);
	m_scope.SetXType(3);
	EXPECT_EQ(m_scope.GetXAxis(), 290);
}

TEST_F(EditScopeWindow, PaintsBlackBackgroundDarkGreenGridAndGreenTrace)
{
	m_scope.SetXScaleTo(1, 1.0);
	m_scope.SetYScaleTo(1, 1.0);
	std::vector<double> x, y;
	for (int i = 0; i <= 150; i++)
	{
		x.push_back(i);
		y.push_back(0.0);
	}
	m_scope.PlaySignal(x.data(), y.data(), int(x.size()));
	Repaint();

	EXPECT_EQ(Pixel(15, 5), BLACK);
	EXPECT_EQ(Pixel(10, 5), DARK_GREEN) << "the vertical axis column carries a grid line";
	EXPECT_EQ(Pixel(20, 5), DARK_GREEN);
	EXPECT_EQ(Pixel(15, 40), DARK_GREEN) << "horizontal grid line 10 px above the axis";
	EXPECT_EQ(Pixel(60, 50), GREEN) << "the trace lies on the horizontal axis";
	EXPECT_EQ(Pixel(159, 50), GREEN);
	EXPECT_EQ(Pixel(160, 50), DARK_GREEN) << "a line leaves its end point undrawn";
	EXPECT_NE(Pixel(60, 50), RED);

	m_scope.DisplayAxis(TRUE);
	Repaint();
	EXPECT_EQ(Pixel(5, 50), RED);
	EXPECT_EQ(Pixel(10, 80), RED);
}

TEST_F(EditScopeWindow, TraceBeyondThePlotHeightRunsAlongTheEdges)
{
	m_scope.SetXScaleTo(1, 1.0);
	m_scope.SetYScaleTo(1, 1.0);
	m_scope.SetXGrid(0.0);
	m_scope.SetYGrid(0.0);
	double x[] = {0.0, 40.0, 41.0, 80.0};
	double y[] = {500.0, 500.0, -500.0, -500.0};
	m_scope.PlaySignal(x, y, 4);
	Repaint();
	EXPECT_EQ(Pixel(30, 0), GREEN) << "clamped to the top row";
	EXPECT_EQ(Pixel(70, 100 - 1), BLACK) << "the bottom edge row lies outside the client area";
	EXPECT_EQ(Pixel(30, 1), BLACK);
}

TEST_F(EditScopeWindow, BarsHaveGuideLinesExceptOnTheAxisColumn)
{
	m_scope.SetXScaleTo(1, 1.0);
	m_scope.SetYScaleTo(1, 1.0);
	m_scope.SetXGrid(0.0);
	m_scope.SetYGrid(0.0);
	m_scope.SetPlayMode(2);
	double x[] = {0.0, 30.0};
	double y[] = {20.0, 20.0};
	m_scope.PlaySignal(x, y, 2);
	Repaint();

	EXPECT_EQ(Pixel(40, 40), GREEN) << "bar from the axis up to its value";
	EXPECT_EQ(Pixel(40, 10), DARK_GREEN) << "guide line above the bar";
	EXPECT_EQ(Pixel(40, 80), DARK_GREEN) << "guide line below the axis";
	EXPECT_EQ(Pixel(10, 40), GREEN);
	EXPECT_EQ(Pixel(10, 10), BLACK) << "no guide line on the vertical axis column";
	EXPECT_EQ(Pixel(10, 80), BLACK);
}
