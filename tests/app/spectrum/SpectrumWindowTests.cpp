// The spectrum window opened from the main window as a user opens it: its title and labels, the
// rows of its table, and the bars its scope lights.
#include "tests/app/spectrum/SpectrumFixture.h"

#include "app/resources/AppResourceIds.h"
#include "framework/ui/testing/ResourceCounts.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "grid/window/CellView.h"

#include <cstdio>
#include <map>
#include <vector>

namespace
{
	constexpr COLORREF GREEN = RGB(0, 255, 0);

	using Table = std::vector<std::vector<std::string>>;

	// Height in pixels of every column that holds a green bar, by column.
	std::map<int, int> Bars(CEditScope& scope)
	{
		scope.UpdateWindow();
		CRect rc;
		scope.GetClientRect(&rc);
		std::map<int, int> bars;
		for (int x = 0; x < rc.Width(); x++)
		{
			for (int y = 0; y < rc.Height(); y++)
			{
				if (GetSurfacePixel(&scope, x, y) == GREEN)
					bars[x]++;
			}
		}
		return bars;
	}

	int ScopeWidth(CEditScope& scope)
	{
		CRect rc;
		scope.GetClientRect(&rc);
		return rc.Width();
	}
}

TEST_F(SpectrumWindowTest, DefaultAmplitudeModulationShowsCarrierAndBothSideLines)
{
	std::string strTitle;
	std::vector<std::string> labels;
	std::vector<std::string> headings;
	Table rows;
	std::map<int, int> bars;
	int nAxis = 0;
	int nWidth = 0;
	int nDisplayHeight = 0;
	OpenSpectrum(DefaultAM(), [&](CSpectrumDlg& dlg)
	{
		strTitle = WindowText(dlg);
		for (UINT nID : {IDC_LABEL_FREQ_MOD, IDC_LABEL_AMP_MOD, IDC_LABEL_FREQ_CARRIER, IDC_LABEL_AMP_CARRIER})
			labels.push_back(ItemText(dlg, nID));
		headings = Headings(dlg.m_gridLines);
		rows = Rows(dlg.m_gridLines);
		bars = Bars(dlg.m_scopeSpectrum);
		nAxis = dlg.m_scopeSpectrum.GetYAxis();
		nWidth = ScopeWidth(dlg.m_scopeSpectrum);
		nDisplayHeight = dlg.m_scopeSpectrum.GetDisplayRect().Height();
	});

	EXPECT_EQ(strTitle, "Spettro Segnale Modulato - Indice di Modulazione (m): 0.5");
	EXPECT_EQ(labels, (std::vector<std::string>{"Frequenza Modulante: 10000", "Ampiezza Modulante: 0.5",
		"Frequenza Portante: 200000", "Ampiezza Portante: 1"}));
	EXPECT_EQ(headings, (std::vector<std::string>{"Riga", "Frequenza", "Ampiezza"}));
	EXPECT_EQ(rows, (Table{{"Portante", "200000", "1"}, {"Inferiore", "190000", "0.25"},
		{"Superiore", "210000", "0.25"}}));

	// An X range of 40000 puts the lines at +-10000 a quarter of the width from the axis; a Y
	// range of 1.2 makes the carrier 1/1.2 of the display high and the side lines a quarter of it.
	ASSERT_EQ(bars.size(), 3u);
	auto it = bars.begin();
	const auto lower = *it++;
	const auto carrier = *it++;
	const auto upper = *it;
	EXPECT_EQ(carrier.first, nAxis);
	EXPECT_NEAR(carrier.first - lower.first, nWidth / 4.0, 1.0);
	EXPECT_NEAR(upper.first - carrier.first, nWidth / 4.0, 1.0);
	EXPECT_NEAR(carrier.second, nDisplayHeight / 1.2, 1.5);
	EXPECT_NEAR(lower.second, carrier.second / 4.0, 1.5);
	EXPECT_EQ(lower.second, upper.second);
}

TEST_F(SpectrumWindowTest, SingleAndVestigialSidebandListTheirOwnLines)
{
	ModulationParams lsb = DefaultAM();
	lsb.kind = MOD_SSB_LSB;
	Table rows;
	std::map<int, int> bars;
	int nAxis = 0;
	OpenSpectrum(lsb, [&](CSpectrumDlg& dlg)
	{
		rows = Rows(dlg.m_gridLines);
		bars = Bars(dlg.m_scopeSpectrum);
		nAxis = dlg.m_scopeSpectrum.GetYAxis();
	});
	EXPECT_EQ(rows, (Table{{"Inferiore", "190000", "0.25"}}));
	ASSERT_EQ(bars.size(), 1u) << "no carrier bar";
	EXPECT_LT(bars.begin()->first, nAxis);

	ModulationParams vsb = DefaultAM();
	vsb.kind = MOD_VSB;
	OpenSpectrum(vsb, [&](CSpectrumDlg& dlg) { rows = Rows(dlg.m_gridLines); });
	EXPECT_EQ(rows, (Table{{"Portante", "200000", "1"}, {"Superiore", "210000", "0.25"}}));

	// With fm above fp the single lower line lies at a negative frequency and is shown so.
	lsb.freqMod = 250000.5;
	OpenSpectrum(lsb, [&](CSpectrumDlg& dlg) { rows = Rows(dlg.m_gridLines); });
	EXPECT_EQ(rows, (Table{{"Inferiore", "-50000.5", "0.25"}}));
}

TEST_F(SpectrumWindowTest, FrequencyModulationListsBesselLinesWithTheirPhases)
{
	std::vector<std::string> headings;
	Table rows;
	size_t nBars = 0;
	OpenSpectrum(AngleRun(MOD_FM, 1.0), [&](CSpectrumDlg& dlg)
	{
		headings = Headings(dlg.m_gridLines);
		rows = Rows(dlg.m_gridLines);
		nBars = Bars(dlg.m_scopeSpectrum).size();
	});
	EXPECT_EQ(headings, (std::vector<std::string>{"Riga", "Frequenza", "Ampiezza", "Fase"}));
	// The truncated series' values, which leave the exact Bessel values from the 7th decimal on;
	// J1 and J3 turn the lower lines of orders 1 and 3 over.
	EXPECT_EQ(rows, (Table{
		{"0", "200000", "0.7651977539", "0"},
		{"1", "215000", "0.4400499132", "0"},
		{"", "185000", "0.4400499132", "180"},
		{"2", "230000", "0.1149034288", "0"},
		{"", "170000", "0.1149034288", "0"},
		{"3", "245000", "0.0195638021", "0"},
		{"", "155000", "0.0195638021", "180"},
	}));
	EXPECT_EQ(nBars, 7u);

	OpenSpectrum(AngleRun(MOD_PM, 5.0), [&](CSpectrumDlg& dlg) { rows = Rows(dlg.m_gridLines); });
	ASSERT_GE(rows.size(), 3u);
	EXPECT_EQ(rows[0][3], "180") << "J0(5) < 0";
	EXPECT_EQ(rows[1][3], "180") << "J1(5) < 0: upper line turned over";
	EXPECT_EQ(rows[2][3], "0") << "and the odd lower line turned back";
	EXPECT_EQ(rows.size(), 17u) << "orders 0 to 8";
}

TEST_F(SpectrumWindowTest, NoLinesLeaveTheSingleEmptyRowAndNoBar)
{
	// A record no dialog makes (a negative index) gives no line at all.
	Table rows;
	size_t nBars = 1;
	OpenSpectrum(AngleRun(MOD_FM, -1.0), [&](CSpectrumDlg& dlg)
	{
		rows = Rows(dlg.m_gridLines);
		nBars = Bars(dlg.m_scopeSpectrum).size();
	});
	EXPECT_EQ(rows, (Table{{"", "", "", ""}}));
	EXPECT_EQ(nBars, 0u);
}

TEST_F(SpectrumWindowTest, HugeValuesAreShownInFull)
{
	ModulationParams params = DefaultAM();
	params.freqCarrier = 1e200;
	std::string strLabel;
	Table rows;
	OpenSpectrum(params, [&](CSpectrumDlg& dlg)
	{
		strLabel = ItemText(dlg, IDC_LABEL_FREQ_CARRIER);
		rows = Rows(dlg.m_gridLines);
	});
	char szDigits[400];
	std::snprintf(szDigits, sizeof szDigits, "%.0f", 1e200);
	const std::string strDigits = szDigits;
	ASSERT_GT(strDigits.size(), 199u);
	EXPECT_EQ(strLabel, "Frequenza Portante: " + strDigits);
	ASSERT_EQ(rows.size(), 3u);
	EXPECT_EQ(rows[0][1], strDigits);
}

TEST_F(SpectrumWindowTest, TheComputedTableCannotBeTypedOver)
{
	int nStart = -1;
	BOOL bEditing = TRUE;
	Table rows;
	OpenSpectrum(DefaultAM(), [&](CSpectrumDlg& dlg)
	{
		GridWindow& grid = dlg.m_gridLines;
		grid.GotoCell(1, 0);
		grid.GetCellView()->SendMessage(WM_CHAR, '9', 1);
		nStart = grid.StartEdit(2, 1, 0);
		bEditing = grid.IsEditing();
		rows = Rows(grid);
	});
	EXPECT_EQ(1, nStart);
	EXPECT_FALSE(bEditing);
	EXPECT_EQ((std::vector<std::string>{"Portante", "200000", "1"}), rows.at(0));
}

// The window opened and closed again, with the scales on and off, leaves no window, GDI object,
// DC or timer behind: a user opens it hundreds of times in a session.
TEST_F(SpectrumWindowTest, ClosedWindowLeavesNoResourcesAlive)
{
	const auto openAndClose = [this](BOOL bScales)
	{
		m_dlg.m_scopes.SetCalibrated(bScales);
		OpenSpectrum(AngleRun(MOD_FM, 5.0), [](CSpectrumDlg& dlg)
		{
			// Drawn as the user sees it, the table's scroll bars too.
			EXPECT_NE(CLR_INVALID, GetShownPixel(&dlg, 10, 10));
		});
	};
	for (BOOL bScales : { TRUE, FALSE })
	{
		openAndClose(bScales);
		const ResourceCounts before = AfxGetResourceCounts();
		openAndClose(bScales);
		const ResourceCounts after = AfxGetResourceCounts();
		const std::vector<UINT> countsBefore = { before.nWindows, before.nNativeWindows, before.nGdiObjects, before.nDCs,
			before.nTimers };
		const std::vector<UINT> countsAfter = { after.nWindows, after.nNativeWindows, after.nGdiObjects, after.nDCs,
			after.nTimers };
		EXPECT_EQ(countsBefore, countsAfter) << (bScales ? "with" : "without") << " scales";
	}
}
