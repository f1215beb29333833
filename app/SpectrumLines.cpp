// The spectrum window's lines: computed from the record, drawn as bars and listed in the table,
// for the side lines of the amplitude family and the Bessel lines of angle modulation.
#include "app/SpectrumDlg.h"

#include "sigkit/scope/ScopeGeometry.h"
#include "sigkit/signal/Signal.h"

#include <cmath>
#include <vector>

namespace
{
	constexpr int FREQUENCY_DECIMALS = 3;
	constexpr int AMPLITUDE_DECIMALS = 10;

	constexpr int COL_NAME = 0;
	constexpr int COL_FREQUENCY = 1;
	constexpr int COL_AMPLITUDE = 2;
	constexpr int COL_PHASE = 3;

	// Names of the side lines in their list order, the carrier first when there is one.
	std::vector<const char*> LineNames(int32_t kind)
	{
		std::vector<const char*> names;
		if (HasCarrierLine(kind))
			names.push_back("Portante");
		switch (kind)
		{
		case MOD_AM:
		case MOD_DSB_SC:
			names.push_back("Inferiore");
			names.push_back("Superiore");
			break;
		case MOD_SSB_USB:
		case MOD_VSB:
			names.push_back("Superiore");
			break;
		case MOD_SSB_LSB:
			names.push_back("Inferiore");
			break;
		default:
			break;
		}
		return names;
	}

	CString Decimal(int nValue)
	{
		CString str;
		str.Format("%d", nValue);
		return str;
	}
}

void ComputeSpectralLines(CSpectrumDlg* pDlg)
{
	const ModulationParams& params = *pDlg->m_pParams;
	if (IsAmplitudeFamily(params.kind))
	{
		const std::vector<double> lines = AmplitudeSideLines(params);
		const int nCount = static_cast<int>(lines.size());
		pDlg->PlotSpectralLines(lines.data(), nCount);
		pDlg->FillLineTable(lines.data(), nCount);
	}
	else
	{
		const std::vector<AngleLine> lines = AngleSpectralLines(params);
		const int nCount = static_cast<int>(lines.size());
		pDlg->PlotSpectralLines(lines.data(), nCount);
		pDlg->FillLineTable(lines.data(), nCount);
	}
}

void CSpectrumDlg::PlotSpectralLines(const double* pLines, int nCount)
{
	const double fp = m_pParams->freqCarrier;
	const double ap = m_pParams->ampCarrier;
	m_plotX.clear();
	m_plotY.clear();
	m_bars.clear();
	if (HasCarrierLine(m_pParams->kind))
	{
		m_plotX.push_back(0.0);
		m_plotY.push_back(ap);
		m_bars.push_back({fp, ap, true});
	}
	double dWidest = 0.0;
	for (int i = 0; i + 1 < nCount; i += 2)
	{
		const double dOffset = pLines[i] - fp;
		m_plotX.push_back(dOffset);
		m_plotY.push_back(pLines[i + 1]);
		m_bars.push_back({pLines[i], pLines[i + 1], false});
		dWidest = std::fmax(dWidest, std::fabs(dOffset));
	}

	m_dPlotYRange = ap;
	m_dPlotXRange = dWidest * 4.0;
	m_dCentre = fp;
	m_dHalfSpan = dWidest * 2.0;
	PlayBars();
}

void CSpectrumDlg::FillLineTable(const double* pLines, int nCount)
{
	const std::vector<const char*> names = LineNames(m_pParams->kind);
	const BOOL bCarrier = HasCarrierLine(m_pParams->kind);
	m_gridLines.SetRowCount(nCount / 2 + (bCarrier ? 1 : 0), TRUE);

	long nRow = 0;
	if (bCarrier)
	{
		m_gridLines.SetCellText(COL_NAME, nRow, names[0]);
		FillLineRow(nRow, m_pParams->freqCarrier, m_pParams->ampCarrier, -1);
		nRow++;
	}
	for (int i = 0; i + 1 < nCount; i += 2, nRow++)
	{
		m_gridLines.SetCellText(COL_NAME, nRow, names[static_cast<size_t>(nRow)]);
		FillLineRow(nRow, pLines[i], pLines[i + 1], -1);
	}
}

void CSpectrumDlg::PlotSpectralLines(const AngleLine* pLines, int nCount)
{
	const double fm = m_pParams->freqMod;
	const double fp = m_pParams->freqCarrier;
	m_angleLines.assign(pLines, pLines + nCount);
	m_plotX.clear();
	m_plotY.clear();
	m_bars.clear();
	double dHighest = 0.0;
	double dWidest = 0.0;
	for (int n = 0; n < nCount; n++)
	{
		const double a = pLines[n].amplitude;
		const double dUpper = (fm * n + fp) - fp;
		m_plotX.push_back(dUpper);
		m_plotY.push_back(a);
		m_bars.push_back({fm * n + fp, a, n == 0});
		dWidest = std::fmax(dWidest, std::fabs(dUpper));
		if (n >= 1)
		{
			const double dLower = (fp - fm * n) - fp;
			m_plotX.push_back(dLower);
			m_plotY.push_back(a);
			m_bars.push_back({fp - fm * n, a, false});
			dWidest = std::fmax(dWidest, std::fabs(dLower));
		}
		dHighest = std::fmax(dHighest, a);
	}

	m_dPlotYRange = dHighest;
	m_dPlotXRange = dWidest * 2.2;
	m_dCentre = fp;
	// A lone carrier still gets an axis a modulating frequency wide either side.
	m_dHalfSpan = dWidest > 0.0 ? dWidest * 1.1 : fm;
	PlayBars();
}

// The amplitude family scales by the carrier, angle modulation by its highest line: both keep
// a fifth of the height free above the highest bar and a grid line every tenth of the reference.
void CSpectrumDlg::PlayBars()
{
	m_scopeSpectrum.SetYScaleTo(m_dPlotYRange * 1.2);
	m_scopeSpectrum.SetXScaleTo(m_dPlotXRange);
	m_scopeSpectrum.SetYGrid(m_dPlotYRange * 0.1);
	m_scopeSpectrum.SetXGrid(0.0);
	m_scopeSpectrum.SetPlayMode(SCOPE_PLAY_BARS);
	m_scopeSpectrum.PlaySignal(m_plotX.data(), m_plotY.data(), static_cast<int>(m_plotX.size()));
	m_scopeSpectrum.DisplayAxis(TRUE);
	m_scopeSpectrum.SetBars(m_bars, m_dCentre, m_dHalfSpan);
}

void CSpectrumDlg::FillLineTable(const AngleLine* pLines, int nCount)
{
	const double fm = m_pParams->freqMod;
	const double fp = m_pParams->freqCarrier;
	// An empty list asks for -1 rows, which the grid refuses: the single empty row stays.
	m_gridLines.SetRowCount(2L * nCount - 1, TRUE);

	long nRow = 0;
	for (int n = 0; n < nCount; n++)
	{
		const int nUpperPhase = static_cast<int>(UpperLinePhase(pLines[n]));
		m_gridLines.SetCellText(COL_NAME, nRow, Decimal(n));
		FillLineRow(nRow, fm * n + fp, pLines[n].amplitude, nUpperPhase);
		if (n >= 1)
		{
			nRow++;
			FillLineRow(nRow, fp - fm * n, pLines[n].amplitude, static_cast<int>(LowerLinePhase(n, pLines[n])));
		}
		nRow++;
	}
}

void CSpectrumDlg::FillLineRow(long nRow, double dFrequency, double dAmplitude, int nPhase)
{
	if (nPhase >= 0)
		m_gridLines.SetCellText(COL_PHASE, nRow, Decimal(nPhase));
	m_gridLines.SetCellText(COL_FREQUENCY, nRow, CSignal::Convert(dFrequency, FREQUENCY_DECIMALS));
	m_gridLines.SetCellText(COL_AMPLITUDE, nRow, CSignal::Convert(dAmplitude, AMPLITUDE_DECIMALS));
}
