// CCalibratedScope on a disabled, bordered EDIT: grid lines at their divisions, the readout and
// the cursors, and calibration off painting CEditScope's own picture.
#include "framework/ui/controls/Edit.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "sigkit/scope/CalibratedScope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
	constexpr COLORREF BLACK = RGB(0, 0, 0);
	constexpr COLORREF DARK_GREEN = RGB(0, 128, 0);
	constexpr COLORREF GREEN = RGB(0, 255, 0);
	constexpr COLORREF CURSOR_A = RGB(255, 255, 96);
	constexpr COLORREF CURSOR_B = RGB(96, 200, 255);

	// Two scopes of 200 × 100 client pixels side by side, a calibrated one and a plain CEditScope,
	// given 101 samples one millisecond apart (X = i, 1 ms per X unit) with a peak of 1 V. The
	// whole view lays 1.01 × 101 ms over 200 columns from column 10: 0.51 ms per column, so a
	// 20 ms division is 39.2 columns; 2.2 V over 100 rows makes a 1 V division 45.5 rows.
	class CalibratedScopeWindow : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "scopes", WS_POPUP | WS_VISIBLE, CRect(0, 0, 500, 200), nullptr, 0));
			Attach(m_scope, 1000, 10);
			Attach(m_plain, 1001, 250);
			for (int i = 0; i <= 100; i++)
			{
				m_x.push_back(i);
				m_y.push_back(0.0);
			}
		}

		void TearDown() override
		{
			m_scope.DestroyWindow();
			m_plain.DestroyWindow();
			m_parent.DestroyWindow();
		}

		void Attach(CEditScope& scope, UINT nId, int nLeft)
		{
			CEdit edit;
			ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER, CRect(nLeft, 10, nLeft + 202, 112),
				&m_parent, nId));
			edit.Detach();
			ASSERT_TRUE(scope.SubclassDlgItem(nId, &m_parent));
		}

		// As the main window plays a signal, then the copy in volts and seconds.
		void Play(CEditScope& scope)
		{
			scope.SetYScaleTo(2.2);
			scope.SetXScaleTo(101 * 1.01);
			scope.SetXType(1);
			scope.SetYType(5);
			scope.PlaySignal(m_x.data(), m_y.data(), int(m_x.size()));
			scope.InvalidateRect(nullptr, TRUE);
			scope.UpdateWindow();
		}

		void PlayBoth()
		{
			m_scope.SetSamples(m_x.data(), m_y.data(), int(m_x.size()), 1e-3, 1.0);
			Play(m_scope);
			Play(m_plain);
		}

		COLORREF Pixel(int x, int y)
		{
			return GetSurfacePixel(&m_scope, x, y);
		}

		CWnd m_parent;
		CCalibratedScope m_scope;
		CEditScope m_plain;
		std::vector<double> m_x, m_y;
	};
}

TEST_F(CalibratedScopeWindow, GridLinesStandAtTheirDivisionsWithTheReadoutAndTheCursors)
{
	m_scope.SetCursors(TRUE, 0.03, TRUE, 0.07);
	PlayBoth();
	for (int x : { 10, 49, 88, 128, 167 })
		EXPECT_EQ(Pixel(x, 30), DARK_GREEN) << "a 20 ms division at column " << x;
	EXPECT_EQ(Pixel(48, 30), BLACK);
	for (int y : { 5, 95 })
		EXPECT_EQ(Pixel(150, y), DARK_GREEN) << "a 1 V division at row " << y;
	EXPECT_EQ(Pixel(150, 20), BLACK);
	EXPECT_EQ(Pixel(150, 50), GREEN) << "the trace of 0 V on the axis row";

	int nText = 0;
	for (int y = 0; y < 18; y++)
		for (int x = 0; x < 120; x++)
			nText += Pixel(x, y) != BLACK && Pixel(x, y) != GREEN && Pixel(x, y) != DARK_GREEN ? 1 : 0;
	EXPECT_GT(nText, 20) << "the readout in the top left corner";

	int nA = 0, nB = 0;
	for (int y = 20; y < 45; y++)
	{
		nA += Pixel(69, y) == CURSOR_A ? 1 : 0;
		nB += Pixel(147, y) == CURSOR_B ? 1 : 0;
	}
	EXPECT_GT(nA, 5) << "dashed line of cursor A at 30 ms";
	EXPECT_GT(nB, 5) << "dashed line of cursor B at 70 ms";
	EXPECT_LT(nA, 25) << "dashed, not solid";
}

TEST_F(CalibratedScopeWindow, CalibrationOffPaintsTheBasePicture)
{
	for (double& y : m_y)
		y = std::sin(&y - m_y.data());
	m_scope.SetCalibrated(FALSE);
	PlayBoth();
	for (int y = 0; y < 100; y++)
		for (int x = 0; x < 200; x++)
			ASSERT_EQ(Pixel(x, y), GetSurfacePixel(&m_plain, x, y)) << x << "," << y;
}
