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
			std::vector<double> x = { -20e3, -10e3, 0.0, 10e3, 20e3, 30e3 }, y = { 0.25, 0.5, 1.0, 0.5, 0.25, 0.0 };
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

		COLORREF Pixel(int x, int y) { return GetSurfacePixel(&m_scope, x, y); }
		// The runs of bar colours along a row, as [first, last] columns, and their colours.
		struct Run { int nFirst, nLast; COLORREF color; };
		std::vector<Run> RunsOfBarColours(int y)
		{
			std::vector<Run> runs;
			for (int x = 0; x < 400; x++)
			{
				const COLORREF color = Pixel(x, y);
				if (color == SPECTRUM_BAR_COLOR || color == SPECTRUM_CARRIER_COLOR || color == SPECTRUM_HIGHLIGHT_COLOR)
				{
					if (runs.empty() || runs.back().nLast != x - 1 || runs.back().color != color)
						runs.push_back({ x, x, color });
					runs.back().nLast = x;
				}
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
	EXPECT_TRUE(nTenKilohertz > 35 && nTenKilohertz < 50) << "80 kHz over the columns the labels leave: " << nTenKilohertz;
	// Heights in proportion to the amplitudes; the 0 V line a small marker on the axis.
	auto Height = [&](const Run& run) {
		int y = nAxisRow;
		while (y > 0 && Pixel(run.nFirst, y - 1) == run.color)
			y--;
		return nAxisRow - y;
	};
	const double aShareOfCarrier[] = { 0.25, 0.5, 1.0, 0.5, 0.25 };
	for (size_t i = 0; i < runs.size(); i++)
	{
		const int nWidth = runs[i].nLast - runs[i].nFirst + 1;
		EXPECT_TRUE(nWidth >= 3 && nWidth <= 12 && nWidth % 2 == 1) << "centred on a column: " << i << ", " << nWidth;
		EXPECT_NEAR((runs[i].nFirst + runs[i].nLast) / 2 - nCentre, (int(i) - 2) * nTenKilohertz, 1) << i;
		EXPECT_EQ(runs[i].color, i == 2 ? SPECTRUM_CARRIER_COLOR : SPECTRUM_BAR_COLOR) << i;
		EXPECT_NEAR(Height(runs[i]), i < 5 ? aShareOfCarrier[i] * Height(runs[2]) : 3.0, 1.0) << i;
	}

	m_scope.SetHighlightedBar(3);
	m_scope.UpdateWindow();
	const std::vector<Run> highlighted = RunsOfBarColours(nAxisRow - 1);
	EXPECT_TRUE(highlighted.at(3).color == SPECTRUM_HIGHLIGHT_COLOR && highlighted.at(2).color == SPECTRUM_CARRIER_COLOR);
	Show(BARS);
	EXPECT_EQ(RunsOfBarColours(nAxisRow - 1).at(3).color, SPECTRUM_HIGHLIGHT_COLOR) << "the same lines again";
	Show({ BARS[0], BARS[1] });
	EXPECT_EQ(m_scope.GetHighlightedBar(), -1);
}

TEST_F(SpectrumScopeWindow, PointingFindsTheNearestBarAndItsRectangle)
{
	// Two lines 1,5 kHz apart, a few columns from each other, beside the carrier.
	Show({ { 100e3, 1.0, true }, { 120e3, 0.5, false }, { 121.5e3, 0.5, false } });
	for (int i = 0; i < 3; i++)
	{
		const CRect rc = m_scope.BarRect(i);
		EXPECT_EQ(Pixel(rc.left, rc.top), i == 0 ? SPECTRUM_CARRIER_COLOR : SPECTRUM_BAR_COLOR) << i;
		EXPECT_EQ(m_scope.BarAtPoint(rc.CenterPoint()), i) << i;
	}
	const CRect rcA = m_scope.BarRect(1), rcB = m_scope.BarRect(2);
	ASSERT_GT(rcB.left - rcA.right, 1) << "the two bars apart";
	EXPECT_EQ(m_scope.BarAtPoint(CPoint(rcA.right, rcA.bottom - 1)), 1);
	EXPECT_EQ(m_scope.BarAtPoint(CPoint(rcB.left - 1, rcB.bottom - 1)), 2);
	EXPECT_EQ(m_scope.BarAtPoint(CPoint(m_scope.BarRect(0).right + 20, rcA.bottom - 1)), -1) << "between lines";
	EXPECT_TRUE(m_scope.BarRect(3).IsRectEmpty() && m_scope.BarRect(-1).IsRectEmpty());
}
