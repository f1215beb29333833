// CSpectrumScope on a disabled, bordered EDIT: the plain picture unchanged with calibration off,
// the calibrated bars read back from the surface, and pointing at bars.
#include "framework/ui/controls/Edit.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "sigkit/scope/ScopeGeometry.h"
#include "sigkit/scope/SpectrumScope.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
	constexpr COLORREF BLACK = RGB(0, 0, 0);
	constexpr COLORREF TRACE_GREEN = RGB(0, 255, 0);

	// A carrier of 1 V at 100 kHz, lines of 0,5 V at ± 10 kHz and 0,25 V at ± 20 kHz, and a line
	// of 0 V at + 30 kHz, left to right; 40 kHz either side of the carrier.
	const std::vector<SpectrumBar> BARS = { { 80e3, 0.25, false }, { 90e3, 0.5, false }, { 100e3, 1.0, true },
		{ 110e3, 0.5, false }, { 120e3, 0.25, false }, { 130e3, 0.0, false } };

	// Two scopes of 400 × 200 client pixels, a spectrum scope and a plain CEditScope, both set up
	// as the spectrum window sets up its scope.
	class SpectrumScopeWindow : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "spectra", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 240), nullptr, 0));
			Attach(m_scope, 1000, 10);
			Attach(m_plain, 1001, 450);
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
			ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER, CRect(nLeft, 10, nLeft + 402, 212),
				&m_parent, nId));
			edit.Detach();
			ASSERT_TRUE(scope.SubclassDlgItem(nId, &m_parent));
			scope.SetXType(SCOPE_XAXIS_BOTTOM);
			scope.SetYType(SCOPE_YAXIS_MIDDLE);
			std::vector<double> x, y;
			for (const SpectrumBar& bar : BARS)
			{
				x.push_back(bar.frequency - 100e3);
				y.push_back(bar.amplitude);
			}
			scope.SetYScaleTo(1.2);
			scope.SetXScaleTo(30e3 * 2.2);
			scope.SetYGrid(0.1);
			scope.SetXGrid(0.0);
			scope.SetPlayMode(SCOPE_PLAY_BARS);
			scope.PlaySignal(x.data(), y.data(), int(x.size()));
			scope.DisplayAxis(TRUE);
		}

		void Show(const std::vector<SpectrumBar>& bars)
		{
			m_scope.SetBars(bars, 100e3, 40e3);
			m_scope.UpdateWindow();
			m_plain.UpdateWindow();
		}

		COLORREF Pixel(int x, int y)
		{
			return GetSurfacePixel(&m_scope, x, y);
		}

		// The runs of non-black pixels along a row, as [first, last] columns, and their colours.
		struct Run
		{
			int nFirst;
			int nLast;
			COLORREF color;
		};
		std::vector<Run> RunsOfBarColours(int y)
		{
			std::vector<Run> runs;
			for (int x = 0; x < 400; x++)
			{
				const COLORREF color = Pixel(x, y);
				if (color != SPECTRUM_BAR_COLOR && color != SPECTRUM_CARRIER_COLOR && color != SPECTRUM_HIGHLIGHT_COLOR)
					continue;
				if (!runs.empty() && runs.back().nLast == x - 1 && runs.back().color == color)
					runs.back().nLast = x;
				else
					runs.push_back({ x, x, color });
			}
			return runs;
		}

		CWnd m_parent;
		CSpectrumScope m_scope;
		CEditScope m_plain;
	};
}

TEST_F(SpectrumScopeWindow, CalibrationOffPaintsThePlainPicture)
{
	m_scope.SetCalibrated(FALSE);
	Show(BARS);
	for (int y = 0; y < 200; y++)
		for (int x = 0; x < 400; x++)
			ASSERT_EQ(Pixel(x, y), GetSurfacePixel(&m_plain, x, y)) << x << "," << y;
	// The plain picture's bars are where the pointer finds them.
	const CRect rcCarrier = m_scope.BarRect(2);
	EXPECT_EQ(Pixel(rcCarrier.left, rcCarrier.top), TRACE_GREEN);
	EXPECT_EQ(m_scope.BarAtPoint(CPoint(rcCarrier.left + 2, rcCarrier.top + 1)), 2);

	m_scope.SetCalibrated(TRUE);
	m_scope.UpdateWindow();
	EXPECT_NE(Pixel(200, 100), GetSurfacePixel(&m_plain, 200, 100)) << "the calibrated picture replaced it";
}

TEST_F(SpectrumScopeWindow, BarsStandEvenlyAtTheirFrequenciesTheCarrierAndTheHighlightApart)
{
	Show(BARS);
	// The row just above the frequency axis crosses every bar, the 0 V line's marker too.
	int nAxisRow = 199;
	while (nAxisRow > 0 && RunsOfBarColours(nAxisRow - 1).size() < BARS.size())
		nAxisRow--;
	const std::vector<Run> runs = RunsOfBarColours(nAxisRow - 1);
	ASSERT_EQ(runs.size(), BARS.size()) << "at row " << nAxisRow - 1;
	const int nCentre = (runs[2].nFirst + runs[2].nLast) / 2;
	const int nTenKilohertz = (runs[3].nFirst + runs[3].nLast) / 2 - nCentre;
	// About 340 columns for 80 kHz, the amplitude labels taking the rest.
	EXPECT_GT(nTenKilohertz, 35);
	EXPECT_LT(nTenKilohertz, 50);
	for (size_t i = 0; i < runs.size(); i++)
	{
		const int nWidth = runs[i].nLast - runs[i].nFirst + 1;
		EXPECT_GE(nWidth, 3) << i;
		EXPECT_LE(nWidth, 12) << i;
		EXPECT_EQ(nWidth % 2, 1) << "centred on a column: " << i;
		const int nOffset = (runs[i].nFirst + runs[i].nLast) / 2 - nCentre;
		EXPECT_NEAR(nOffset, (int(i) - 2) * nTenKilohertz, 1) << i;
		if (i < 5)
		{
			EXPECT_EQ(nOffset, nCentre - (runs[4 - i].nFirst + runs[4 - i].nLast) / 2) << "mirrored: " << i;
		}
		EXPECT_EQ(runs[i].color, i == 2 ? SPECTRUM_CARRIER_COLOR : SPECTRUM_BAR_COLOR) << i;
	}
	// Heights in proportion to the amplitudes; the 0 V line a small marker on the axis.
	auto Height = [&](const Run& run) {
		int y = nAxisRow - 1;
		while (y > 0 && Pixel(run.nFirst, y - 1) == run.color)
			y--;
		return nAxisRow - y;
	};
	EXPECT_NEAR(Height(runs[2]), 2 * Height(runs[1]), 1);
	EXPECT_NEAR(Height(runs[1]), 2 * Height(runs[0]), 1);
	EXPECT_EQ(Height(runs[3]), Height(runs[1]));
	EXPECT_GE(Height(runs[5]), 2);
	EXPECT_LE(Height(runs[5]), 4);

	m_scope.SetHighlightedBar(3);
	m_scope.UpdateWindow();
	const std::vector<Run> highlighted = RunsOfBarColours(nAxisRow - 1);
	ASSERT_EQ(highlighted.size(), BARS.size());
	EXPECT_EQ(highlighted[3].color, SPECTRUM_HIGHLIGHT_COLOR);
	EXPECT_EQ(highlighted[2].color, SPECTRUM_CARRIER_COLOR);
	EXPECT_EQ(m_scope.GetHighlightedBar(), 3);
}

TEST_F(SpectrumScopeWindow, PointingFindsTheNearestBarAndItsRectangle)
{
	// Two lines 1,5 kHz apart, a few columns from each other, beside the carrier.
	Show({ { 100e3, 1.0, true }, { 120e3, 0.5, false }, { 121.5e3, 0.5, false } });
	for (int i = 0; i < 3; i++)
	{
		const CRect rc = m_scope.BarRect(i);
		ASSERT_FALSE(rc.IsRectEmpty()) << i;
		EXPECT_EQ(Pixel(rc.left, rc.top), i == 0 ? SPECTRUM_CARRIER_COLOR : SPECTRUM_BAR_COLOR) << i;
		EXPECT_EQ(Pixel(rc.right, rc.bottom - 1), BLACK) << i;
		EXPECT_EQ(m_scope.BarAtPoint(rc.CenterPoint()), i) << i;
		EXPECT_EQ(m_scope.BarAtPoint(CPoint(rc.CenterPoint().x, rc.top - 3)), i) << "just above " << i;
	}
	const CRect rcA = m_scope.BarRect(1);
	const CRect rcB = m_scope.BarRect(2);
	ASSERT_GT(rcB.left - rcA.right, 1) << "the two bars apart";
	EXPECT_EQ(m_scope.BarAtPoint(CPoint(rcA.right, rcA.bottom - 1)), 1);
	EXPECT_EQ(m_scope.BarAtPoint(CPoint(rcB.left - 1, rcB.bottom - 1)), 2);
	EXPECT_EQ(m_scope.BarAtPoint(CPoint(rcA.right, 5)), -1) << "far above both";
	EXPECT_EQ(m_scope.BarAtPoint(CPoint(m_scope.BarRect(0).right + 20, rcA.bottom - 1)), -1) << "between lines";
	EXPECT_TRUE(m_scope.BarRect(3).IsRectEmpty());
	EXPECT_TRUE(m_scope.BarRect(-1).IsRectEmpty());
}
