// What the analyser's window shows of the analysed record: the title, the waveform over time,
// the harmonic amplitudes as bars at their frequencies, the table and the summary.
#include "analyser/FourierDlg.h"

#include "analyser/resources/AnalyserResourceIds.h"
#include "framework/core/FrameworkStringIds.h"
#include "grid/window/SheetSettings.h"
#include "sigkit/scope/ScopeGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
	constexpr int FREQUENCY_DECIMALS = 3;
	constexpr int AMPLITUDE_DECIMALS = 10;
	constexpr int PHASE_DECIMALS = 2;
	constexpr int DURATION_DECIMALS = 9;
	constexpr int SUMMARY_AMPLITUDE_DECIMALS = 6;
	constexpr int PERCENT_DECIMALS = 2;

	constexpr int COL_HARMONIC = 0;
	constexpr int COL_FREQUENCY = 1;
	constexpr int COL_AMPLITUDE = 2;
	constexpr int COL_PHASE = 3;
	constexpr int COLUMN_COUNT = 4;
	// Shares of the table's width, in the column order, out of their sum.
	const int s_columnShares[COLUMN_COUNT] = {16, 26, 34, 24};

	// Room above the highest point of a trace, and the grid divisions of the waveform.
	constexpr double HEADROOM = 1.2;
	constexpr int TIME_DIVISIONS = 10;
	constexpr int LEVEL_DIVISIONS = 8;

	CString Unsigned(UINT nValue)
	{
		CString str;
		str.Format("%u", nValue);
		return str;
	}

	// Convert's text, without the sign of a value that rounds to zero: a phase of -1e-15 degrees
	// reads 0, not -0.
	CString Fixed(double dValue, int nDecimals)
	{
		const CString str = CSignal::Convert(dValue, nDecimals);
		return str == "-0" ? CString("0") : str;
	}

	// With nothing to show a scope has the grid of Ondivar's scopes before a run: 10 pixels.
	void ShowEmptyScope(CEditScope& scope)
	{
		scope.ResetSignal();
		scope.SetXScaleTo(2, 1.0);
		scope.SetYScaleTo(2, 1.0);
		scope.SetXGrid(5.0);
		scope.SetYGrid(5.0);
		scope.DisplayAxis(FALSE);
		scope.InvalidateRect(nullptr, TRUE);
	}

	// A scale range that is never 0, so that a flat trace still gets a finite scale.
	double RangeOf(double dLargest)
	{
		return dLargest > 0.0 && std::isfinite(dLargest) ? dLargest : 1.0;
	}
}

void CFourierDlg::SetupTable()
{
	LOGFONT lf;
	std::memset(&lf, 0, sizeof lf);
	lf.lfHeight = 10;
	lf.lfWeight = 400;
	std::strcpy(lf.lfFaceName, "MS Sans Serif");
	m_fontTable.CreateFontIndirect(&lf);
	m_gridHarmonics.SetDefaultFont(&m_fontTable);

	// The table is computed: a key typed on it must not change what it shows, prints and exports.
	GridCell& defaultCell = m_gridHarmonics.GetSheet()->m_defaultCell;
	defaultCell.SetCellTypeStyle(GCS_ELLIPSIS);
	defaultCell.SetReadOnly(TRUE);
	defaultCell.SetAlignment(GCA_RIGHT | GCA_VCENTER);
	// The first column names the harmonic: the row headings would only repeat it.
	m_gridHarmonics.SetSideHeadingWidth(0);
	m_gridHarmonics.SetRowCount(0, TRUE);
	m_gridHarmonics.SetColumnCount(COLUMN_COUNT, TRUE);
	const char* const headings[COLUMN_COUNT] = {"Armonica", "Frequenza (Hz)", "Ampiezza", "Fase (°)"};
	for (int nCol = 0; nCol < COLUMN_COUNT; nCol++)
		m_gridHarmonics.SetCellText(nCol, -1, headings[nCol]);
	FitColumns();
}

void CFourierDlg::FitColumns()
{
	if (m_gridHarmonics.GetSafeHwnd() == nullptr)
		return;
	// Room is kept for the vertical scroll bar, which comes and goes with the rows, and the columns
	// stay a pixel short of the rest, so that the grid never shows a horizontal one.
	CRect rcTable;
	m_gridHarmonics.GetClientRect(&rcTable);
	const SheetSettings& sheet = *m_gridHarmonics.GetSheet();
	const int nWidth = std::max(0, rcTable.Width() - sheet.m_nSideHeadingWidth - sheet.m_nVScrollWidth - 1);
	int nTotal = 0;
	for (int nShare : s_columnShares)
		nTotal += nShare;
	int nGiven = 0;
	for (int nCol = 0; nCol < COLUMN_COUNT; nCol++)
	{
		// The last column takes what rounding left over, so the columns fill the width exactly.
		const int nColumn = nCol + 1 < COLUMN_COUNT ? nWidth * s_columnShares[nCol] / nTotal : nWidth - nGiven;
		m_gridHarmonics.SetColumnWidth(nCol, nColumn);
		nGiven += nColumn;
	}
	// The scroll bars the grid showed for the old widths go.
	m_gridHarmonics.LayoutChildren();
	m_gridHarmonics.RedrawAll();
}

void CFourierDlg::ShowAnalysis()
{
	ShowTitle();
	PlaySignal();
	PlayHarmonics();
	FillTable();
	ShowSummary();
}

void CFourierDlg::ShowTitle()
{
	CString strApp;
	strApp.LoadString(AFX_IDS_APP_TITLE);
	SetWindowText(HasSignal() ? FileNameOf(m_strPath) + " - " + strApp : strApp);
}

// Time runs from 0 over the record's duration, one sample every D / N seconds, as the analysis
// takes them whatever X values the file holds.
void CFourierDlg::PlaySignal()
{
	m_scopeSignal.SetXType(SCOPE_XAXIS_MIDDLE);
	m_scopeSignal.SetYType(SCOPE_YAXIS_LEFT);
	const CRect rcDisplay = m_scopeSignal.GetDisplayRect();
	if (!HasSignal())
	{
		ShowEmptyScope(m_scopeSignal);
		SetDlgItemText(IDC_LABEL_SIGNAL, "Segnale x(t)");
		return;
	}
	const UINT nPoints = m_signal.m_nPoints;
	const double dDuration = m_summary.dDuration;
	double dPeak = 0.0;
	std::vector<double> times(nPoints);
	for (UINT j = 0; j < nPoints; j++)
	{
		times[j] = dDuration * j / nPoints;
		dPeak = std::max(dPeak, std::fabs(m_signal.m_pY[j]));
	}
	const double dLevels = RangeOf(dPeak) * HEADROOM * 2.0;
	const double dSpan = RangeOf(dDuration);
	m_scopeSignal.SetYScaleTo(dLevels);
	m_scopeSignal.SetXScaleTo(rcDisplay.Width(), dSpan);
	m_scopeSignal.SetXGrid(dSpan / TIME_DIVISIONS);
	m_scopeSignal.SetYGrid(dLevels / LEVEL_DIVISIONS);
	m_scopeSignal.SetPlayMode(SCOPE_PLAY_LINE);
	m_scopeSignal.DisplayAxis(TRUE);
	m_scopeSignal.PlaySignal(times.data(), m_signal.m_pY, static_cast<int>(nPoints));
	m_scopeSignal.InvalidateRect(nullptr, TRUE);
	SetDlgItemText(IDC_LABEL_SIGNAL, "Segnale x(t), tempo da 0 a " + Fixed(dDuration, DURATION_DECIMALS) + " s");
}

// The rows shown stand as bars of their amplitude at their frequency, the mean at 0 Hz as its
// size; the frequency axis ends just past the highest row shown. A row whose bar would be
// less than a pixel high is left out: it would draw only its guide line, and with every
// harmonic shown those lines would cover the scope.
void CFourierDlg::PlayHarmonics()
{
	m_scopeHarmonics.SetXType(SCOPE_XAXIS_BOTTOM);
	m_scopeHarmonics.SetYType(SCOPE_YAXIS_LEFT);
	if (m_rows.empty())
	{
		ShowEmptyScope(m_scopeHarmonics);
		SetDlgItemText(IDC_LABEL_HARMONICS, "Ampiezze delle armoniche");
		return;
	}
	double dHighest = 0.0;
	double dLargest = 0.0;
	for (const HarmonicRow& row : m_rows)
	{
		dHighest = std::max(dHighest, row.dFrequency);
		dLargest = std::max(dLargest, std::fabs(row.dAmplitude));
	}
	// With the mean alone the axis still spans the first harmonic's place.
	const double dSpan = RangeOf(std::max(dHighest, m_summary.dResolution)) * 1.05;
	const double dLevels = RangeOf(dLargest) * HEADROOM;
	const CRect rcDisplay = m_scopeHarmonics.GetDisplayRect();
	m_scopeHarmonics.SetYScaleTo(dLevels);
	std::vector<double> frequencies;
	std::vector<double> amplitudes;
	for (const HarmonicRow& row : m_rows)
	{
		if (ScopeRound(std::fabs(row.dAmplitude) * m_scopeHarmonics.m_dYScale) == 0)
			continue;
		frequencies.push_back(row.dFrequency);
		amplitudes.push_back(std::fabs(row.dAmplitude));
	}
	m_scopeHarmonics.SetXScaleTo(rcDisplay.Width(), dSpan);
	m_scopeHarmonics.SetYGrid(dLevels / 12.0);
	m_scopeHarmonics.SetXGrid(0.0);
	m_scopeHarmonics.SetPlayMode(SCOPE_PLAY_BARS);
	m_scopeHarmonics.DisplayAxis(TRUE);
	m_scopeHarmonics.PlaySignal(frequencies.data(), amplitudes.data(), static_cast<int>(frequencies.size()));
	m_scopeHarmonics.InvalidateRect(nullptr, TRUE);
	SetDlgItemText(IDC_LABEL_HARMONICS,
		"Ampiezze delle armoniche, frequenza da 0 a " + Fixed(dSpan, FREQUENCY_DECIMALS) + " Hz");
}

void CFourierDlg::FillTable()
{
	m_gridHarmonics.EnablePainting(FALSE);
	m_gridHarmonics.SetRowCount(static_cast<long>(m_rows.size()), FALSE);
	long nRow = 0;
	for (const HarmonicRow& row : m_rows)
	{
		m_gridHarmonics.SetCellText(COL_HARMONIC, nRow, Unsigned(row.nHarmonic));
		m_gridHarmonics.SetCellText(COL_FREQUENCY, nRow, Fixed(row.dFrequency, FREQUENCY_DECIMALS));
		m_gridHarmonics.SetCellText(COL_AMPLITUDE, nRow, Fixed(row.dAmplitude, AMPLITUDE_DECIMALS));
		m_gridHarmonics.SetCellText(COL_PHASE, nRow, Fixed(row.dPhaseDegrees, PHASE_DECIMALS));
		nRow++;
	}
	m_gridHarmonics.GotoCell(0, 0);
	m_gridHarmonics.SetTopRow(0);
	m_gridHarmonics.EnablePainting(TRUE);
	m_gridHarmonics.RedrawAll();
}

void CFourierDlg::ShowSummary()
{
	const UINT ids[FOURIER_SUMMARY_COUNT] = {IDC_SUMMARY_SAMPLES, IDC_SUMMARY_DURATION, IDC_SUMMARY_RESOLUTION,
		IDC_SUMMARY_HARMONICS, IDC_SUMMARY_LARGEST, IDC_SUMMARY_DISTORTION};
	CString texts[FOURIER_SUMMARY_COUNT] = {"Nessun segnale aperto"};
	if (HasSignal())
	{
		const SignalSummary& summary = m_summary;
		texts[0] = "Campioni: " + Unsigned(summary.nSamples);
		texts[1] = "Durata: " + Fixed(summary.dDuration, DURATION_DECIMALS) + " s";
		texts[2] = "Risoluzione: " + Fixed(summary.dResolution, FREQUENCY_DECIMALS) + " Hz";
		texts[3] = "Armoniche: " + Unsigned(m_nHarmonics) + ", in tabella " + Unsigned(UINT(m_rows.size()));
		texts[4] = "Componente maggiore: " + Fixed(summary.dLargestAmplitude, SUMMARY_AMPLITUDE_DECIMALS) + " a "
			+ Fixed(summary.dLargestFrequency, FREQUENCY_DECIMALS) + " Hz";
		texts[5] = "Distorsione: " + Fixed(summary.dDistortion * 100.0, PERCENT_DECIMALS) + " %";
	}
	for (int k = 0; k < FOURIER_SUMMARY_COUNT; k++)
		SetDlgItemText(ids[k], texts[k]);
}
