// The spectrum window with the scales: the figures' panel brings its own room and goes with the
// setting, which the main window shares, and the table's rows are copied for a spreadsheet.
#include "tests/app/spectrum/SpectrumFixture.h"

#include "app/resources/AppResourceIds.h"
#include "framework/ui/testing/ClipboardAccess.h"
#include "framework/ui/window/ToolTip.h"

#include <algorithm>

namespace
{
	struct Sizes
	{
		CSize client;
		CSize scope;
		CSize table;
		bool bFigures;
	};

	CSize SizeOf(CWnd& wnd)
	{
		CRect rc;
		wnd.GetWindowRect(&rc);
		return rc.Size();
	}

	Sizes Measure(CSpectrumDlg& dlg)
	{
		CRect rcClient;
		dlg.GetClientRect(&rcClient);
		CWnd* pFigures = dlg.GetDlgItem(IDC_FIGURES_LEFT);
		return {rcClient.Size(), SizeOf(dlg.m_scopeSpectrum), SizeOf(dlg.m_gridLines),
			pFigures != nullptr && pFigures->IsWindowVisible()};
	}
}

TEST_F(SpectrumWindowTest, ScalesBringTheFiguresWithTheirOwnRoomAndTheSettingIsShared)
{
	Sizes plain = {};
	OpenSpectrum(DefaultAM(), [&](CSpectrumDlg& dlg) { plain = Measure(dlg); });

	m_dlg.m_scopes.SetCalibrated(TRUE);
	Sizes scaled = {};
	Sizes switchedOff = {};
	std::string strFigures;
	OpenSpectrum(DefaultAM(), [&](CSpectrumDlg& dlg)
	{
		scaled = Measure(dlg);
		strFigures = ItemText(dlg, IDC_FIGURES_LEFT);
		dlg.SendMessage(WM_COMMAND, ID_VIEW_SCALES);
		switchedOff = Measure(dlg);
	});

	EXPECT_FALSE(plain.bFigures);
	EXPECT_TRUE(scaled.bFigures);
	EXPECT_EQ(strFigures, "Banda: 20 kHz (2 fm)\nPotenza portante: 0,5 W");
	// The bars and the table keep the size they have without the panel; the window grows instead.
	EXPECT_EQ(scaled.scope, plain.scope);
	EXPECT_EQ(scaled.table, plain.table);
	EXPECT_GT(scaled.client.cy, plain.client.cy + 20);
	EXPECT_EQ(scaled.client.cx, plain.client.cx);
	// Switched off there, the window is as it always was, and the main window's scopes follow.
	EXPECT_FALSE(switchedOff.bFigures);
	EXPECT_EQ(switchedOff.client, plain.client);
	EXPECT_EQ(switchedOff.table, plain.table);
	EXPECT_FALSE(m_dlg.m_scopes.IsCalibrated());
}

TEST_F(SpectrumWindowTest, CopiedRowsAreTheChosenOnesOrAllWithUnitsAndDecimalCommas)
{
	std::string strAll;
	std::string strChosen;
	OpenSpectrum(AngleRun(MOD_FM, 1.0), [&](CSpectrumDlg& dlg)
	{
		dlg.SendMessage(WM_COMMAND, ID_EDIT_COPY_ROWS);
		strAll = static_cast<LPCTSTR>(AfxReadDesktopClipboard().strText);
		// Rows 1 and 2, the order 1 pair, as a drag down the table takes them.
		SelectionList& selection = dlg.m_gridLines.GetSheet()->m_selection;
		selection.StartBlock(0, 1, dlg.m_gridLines.GetColumnCount());
		selection.ExtendLastBlock(2, 2, dlg.m_gridLines.GetColumnCount());
		dlg.SendMessage(WM_COMMAND, ID_EDIT_COPY_ROWS);
		strChosen = static_cast<LPCTSTR>(AfxReadDesktopClipboard().strText);
	});

	const std::string strHeading = "Riga\tFrequenza (Hz)\tAmpiezza (V)\tFase (\xC2\xB0)\n";
	EXPECT_EQ(strChosen, strHeading + "1\t215000\t0,4400499132\t0\n\t185000\t0,4400499132\t180\n");
	// Orders 0 to 3: the carrier and three pairs, seven rows.
	EXPECT_EQ(strAll.rfind(strHeading + "0\t200000\t0,7651977539\t0\n", 0), 0u) << strAll;
	EXPECT_EQ(std::count(strAll.begin(), strAll.end(), '\n'), 8);
	EXPECT_NE(strAll.find("\n\t170000\t0,1149034288\t0\n"), std::string::npos) << strAll;
}

TEST_F(SpectrumWindowTest, APointedBarTellsItsValuesAndTheBarsCopyAsAPicture)
{
	m_dlg.m_scopes.SetCalibrated(TRUE);
	std::string strTip;
	int nHighlighted = -1;
	DesktopClipboard picture = {};
	OpenSpectrum(DefaultAM(), [&](CSpectrumDlg& dlg)
	{
		// The upper side line is the third bar, as it is the third row.
		CRect rcBar = dlg.m_scopeSpectrum.BarRect(2);
		dlg.m_scopeSpectrum.ClientToScreen(&rcBar);
		dlg.ScreenToClient(&rcBar);
		dlg.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcBar.CenterPoint().x, rcBar.CenterPoint().y));
		strTip = static_cast<LPCTSTR>(AfxGetToolTipText());
		nHighlighted = dlg.m_scopeSpectrum.GetHighlightedBar();
		dlg.SendMessage(WM_COMMAND, ID_EDIT_COPY_PICTURE);
		picture = AfxReadDesktopClipboard();
	});
	EXPECT_EQ(strTip, "Superiore   f = 210000 Hz   A = 0,25 V");
	EXPECT_EQ(nHighlighted, 2);
	ASSERT_TRUE(picture.bImage);
	const auto carrier = std::count(picture.pixels.begin(), picture.pixels.end(), 0xFFFFC800u);
	EXPECT_GT(carrier, 20) << "the carrier's bar in its own colour";
}
