// CScopeGroup over three calibrated scopes: one time window for all, the time under the pointer
// kept by a zoom, a shared vertical scale, cursors and the texts read from them.
#include "framework/ui/controls/Edit.h"
#include "sigkit/scope/ScopeGroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
	// Three scopes of 200 × 100 client pixels stacked in a parent, each given 100 samples X = 0 …
	// 99 with 0.2 / 101 s per X unit, so that the whole view runs from -10 ms to 190 ms at 1 ms
	// per column. The values are k × 0.02 × X volts, with peaks of k × 2 V for k = 1, 2, 4.
	class ScopeGroupWindow : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "scopes", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 400), nullptr, 0));
			const double aGains[] = { 1.0, 2.0, 4.0 };
			for (int k = 0; k < 3; k++)
			{
				CEdit edit;
				ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER,
					CRect(10, 10 + 120 * k, 212, 112 + 120 * k), &m_parent, 1000 + k));
				edit.Detach();
				ASSERT_TRUE(m_scopes[k].SubclassDlgItem(1000 + k, &m_parent));
				m_scopes[k].SetName(k == 0 ? "Vm(t)" : k == 1 ? "Vp(t)" : "Vmto(t)");
				std::vector<double> x, y;
				for (int i = 0; i < 100; i++)
				{
					x.push_back(i);
					y.push_back(aGains[k] * 0.02 * i);
				}
				m_scopes[k].SetXType(1);
				m_scopes[k].SetYType(5);
				m_scopes[k].SetSamples(x.data(), y.data(), 100, 0.2 / 101, aGains[k] * 2.0);
				m_group.Attach(&m_scopes[k]);
			}
			m_group.SignalsChanged();
		}

		void TearDown() override
		{
			for (CCalibratedScope& scope : m_scopes)
				scope.DestroyWindow();
			m_parent.DestroyWindow();
		}

		CWnd m_parent;
		CCalibratedScope m_scopes[3];
		CScopeGroup m_group;
	};
}

TEST_F(ScopeGroupWindow, ViewScalesAndCursorsApplyToEveryScopeAndReadAsTexts)
{
	const auto expectWindow = [this](double dStart, double dEnd, const char* lpszWhat)
	{
		for (const CCalibratedScope& scope : m_scopes)
		{
			EXPECT_NEAR(scope.GetTimeWindow().dStart, dStart, 1e-12) << lpszWhat;
			EXPECT_NEAR(scope.GetTimeWindow().dEnd, dEnd, 1e-12) << lpszWhat;
		}
	};
	expectWindow(-0.01, 0.19, "whole");
	m_group.ZoomAt(&m_scopes[1], CPoint(110, 50), 0.5);
	expectWindow(0.045, 0.145, "zoomed at column 110, 100 ms");
	m_group.PanByPixels(&m_scopes[2], 20);
	expectWindow(0.035, 0.135, "panned 20 columns right");
	m_group.ShowWhole();
	expectWindow(-0.01, 0.19, "whole again");

	EXPECT_NEAR(m_scopes[0].VoltsPerPixel(), 0.044, 1e-12);
	m_group.SetSameVerticalScale(TRUE);
	for (const CCalibratedScope& scope : m_scopes)
		EXPECT_NEAR(scope.VoltsPerPixel(), 0.176, 1e-12) << "8 V peak: 17.6 V over 100 rows";

	EXPECT_EQ(m_group.ScopeAt(&m_parent, CPoint(50, 140)), &m_scopes[1]);
	EXPECT_EQ(m_group.ScopeAt(&m_parent, CPoint(50, 120)), nullptr) << "between two scopes";

	EXPECT_FALSE(m_group.PlaceCursor(&m_scopes[0], CPoint(5, 50), FALSE)) << "before the first sample";
	EXPECT_FALSE(m_group.HasCursors());
	EXPECT_EQ(std::string(m_group.HoverText(&m_scopes[0], CPoint(5, 50))), "");

	EXPECT_EQ(std::string(m_group.HoverText(&m_scopes[2], CPoint(60, 50))), "t = 50 ms   Vmto(t) = 2,02 V");
	ASSERT_TRUE(m_group.PlaceCursor(&m_scopes[0], CPoint(60, 50), FALSE));
	EXPECT_EQ(std::string(m_group.CursorText()), "A: 50 ms (0,505 V)");
	ASSERT_TRUE(m_group.PlaceCursor(&m_scopes[0], CPoint(110, 50), TRUE));
	EXPECT_EQ(std::string(m_group.CursorText()),
		"A: 50 ms (0,505 V)  B: 100 ms (1,01 V)  \xCE\x94t = 50 ms  1/\xCE\x94t = 20 Hz");

	m_group.SignalsChanged();
	EXPECT_FALSE(m_group.HasCursors());
	EXPECT_EQ(std::string(m_group.CursorText()), "");
}
