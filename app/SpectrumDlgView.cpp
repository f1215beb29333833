// What the spectrum window adds when its scales show: the scaled bars, the figures of the course
// beside the labels, the table's current row lit as a bar and each bar's values under the
// pointer.
#include "app/SpectrumDlg.h"

#include "app/SpectrumFigureTexts.h"
#include "app/resources/AppResourceIds.h"
#include "engine/SpectrumFigures.h"
#include "framework/core/GdiConstants.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/window/CmdUI.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/window/ToolTip.h"

#include <algorithm>

namespace
{
	constexpr int FIGURES_BORDER = 6;

	// The table's numbers as a reader of Italian writes them.
	CString WithDecimalComma(CString str)
	{
		str.Replace('.', ',');
		return str;
	}
}

void CSpectrumDlg::CreateFiguresPanel()
{
	m_figureLines = SpectrumFigureLines(*m_pParams, ComputeSpectrumFigures(*m_pParams, m_angleLines));
	const std::vector<CString>& lines = m_figureLines;
	const size_t nLeft = (lines.size() + 1) / 2;
	CString texts[2];
	for (size_t i = 0; i < lines.size(); i++)
	{
		CString& strText = texts[i < nLeft ? 0 : 1];
		if (!strText.IsEmpty())
			strText += "\n";
		strText += lines[i];
	}
	const UINT ids[2] = {IDC_FIGURES_LEFT, IDC_FIGURES_RIGHT};
	for (int k = 0; k < 2; k++)
	{
		m_wndFigures[k].Create(texts[k], WS_CHILD | SS_LEFT | SS_SUNKEN | SS_NOPREFIX, CRect(0, 0, 0, 0), this, ids[k]);
		m_wndFigures[k].SetFont(GetFont());
	}
}

// As tall as the longer column needs at the width the panel now has. Measuring wrapped text is
// slow and every layout asks: the height is kept for the width it was measured at.
int CSpectrumDlg::FiguresHeight()
{
	if (!m_bScales || !m_bLayoutKept)
		return 0;
	const SpectrumLayout probe = LayOutSpectrumWindow(m_layoutTemplate, AreaBelowToolBar(), 1);
	const int nWidths[2] = {std::max(1, probe.rcFigures[0].Width() - FIGURES_BORDER),
		std::max(1, probe.rcFigures[1].Width() - FIGURES_BORDER)};
	if (nWidths[0] == m_nFiguresMeasuredWidth && nWidths[1] == m_nFiguresMeasuredWidth2)
		return m_nFiguresMeasuredHeight;
	// A memory DC measures as the window's would, without fitting the window's surface to its size.
	CDC dc;
	dc.CreateCompatibleDC(nullptr);
	CFont* pOldFont = dc.SelectObject(GetFont());
	int nHeight = 0;
	for (int k = 0; k < 2; k++)
	{
		CString strText;
		m_wndFigures[k].GetWindowText(strText);
		CRect rc(0, 0, nWidths[k], 0);
		dc.DrawText(strText, &rc, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
		nHeight = std::max(nHeight, static_cast<int>(rc.Height()));
	}
	dc.SelectObject(pOldFont);
	m_nFiguresMeasuredWidth = nWidths[0];
	m_nFiguresMeasuredWidth2 = nWidths[1];
	m_nFiguresMeasuredHeight = nHeight + FIGURES_BORDER;
	return m_nFiguresMeasuredHeight;
}

// The panel brings its own room: the window grows by it (or gives it back) unless maximised, so
// the bars and the table keep their size.
void CSpectrumDlg::ShowScales(BOOL bOn)
{
	const int nRoomBefore = SpectrumFiguresRoom(m_layoutTemplate, FiguresHeight());
	m_bScales = bOn;
	const int nRoomAfter = SpectrumFiguresRoom(m_layoutTemplate, FiguresHeight());
	m_scopeSpectrum.SetCalibrated(bOn);
	for (CStatic& wnd : m_wndFigures)
		wnd.ShowWindow(bOn ? SW_SHOWNA : SW_HIDE);
	// The current row is lit across the table only with the scales: off, the table looks as it always did.
	m_gridLines.GetSheet()->m_bRowMode = bOn;
	m_gridLines.RedrawAll();

	if (nRoomAfter != nRoomBefore && !IsZoomed() && !IsIconic())
	{
		CRect rcWindow;
		GetWindowRect(&rcWindow);
		SetWindowPos(nullptr, 0, 0, rcWindow.Width(), rcWindow.Height() + nRoomAfter - nRoomBefore,
			SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
	}
	LayOutControls();
}

void CSpectrumDlg::OnViewScales()
{
	ShowScales(!m_bScales);
}

void CSpectrumDlg::OnUpdateViewScales(CCmdUI* pCmdUI)
{
	pCmdUI->SetCheck(m_bScales);
}

int CSpectrumDlg::BarOfRow(long nRow) const
{
	return nRow >= 0 && nRow < static_cast<long>(m_bars.size()) ? static_cast<int>(nRow) : -1;
}

long CSpectrumDlg::RowOfBar(int nBar) const
{
	return nBar >= 0 && nBar < static_cast<int>(m_bars.size()) ? nBar : -1;
}

// Nothing is lit until the user picks a row: the carrier keeps its own colour at first.
void CSpectrumDlg::TableRowChanged(long nRow)
{
	m_nRowBar = BarOfRow(nRow);
	if (m_nTipBar < 0)
		m_scopeSpectrum.SetHighlightedBar(m_nRowBar);
}

// The scope is a disabled control: the pointer's moves over it come to the window.
void CSpectrumDlg::OnMouseMove(UINT nFlags, CPoint point)
{
	CTBBDialog::OnMouseMove(nFlags, point);
	if (!m_bScales)
		return;
	ClientToScreen(&point);
	m_scopeSpectrum.ScreenToClient(&point);
	ShowBarTip(point);
}

void CSpectrumDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
	CTBBDialog::OnLButtonDown(nFlags, point);
	if (!m_bScales)
		return;
	ClientToScreen(&point);
	m_scopeSpectrum.ScreenToClient(&point);
	const long nRow = RowOfBar(m_scopeSpectrum.BarAtPoint(point));
	if (nRow >= 0)
		m_gridLines.GotoRow(nRow);
}

void CSpectrumDlg::ShowBarTip(CPoint ptScope)
{
	CRect rcScope;
	m_scopeSpectrum.GetClientRect(&rcScope);
	const int nBar = rcScope.PtInRect(ptScope) ? m_scopeSpectrum.BarAtPoint(ptScope) : -1;
	if (nBar == m_nTipBar)
		return;
	m_nTipBar = nBar;
	if (nBar < 0)
	{
		AfxHideToolTip();
		m_scopeSpectrum.SetHighlightedBar(m_nRowBar);
		return;
	}
	m_scopeSpectrum.SetHighlightedBar(nBar);
	const CRect rcBar = m_scopeSpectrum.BarRect(nBar);
	AfxShowToolTip(&m_scopeSpectrum, BarTipText(nBar), &rcBar);
}

// "Superiore   f = 210000 Hz   A = 0,25 V", with the order and the phase for angle modulation.
CString CSpectrumDlg::BarTipText(int nBar)
{
	const long nRow = RowOfBar(nBar);
	GridCell cell;
	CString cells[4];
	for (int nCol = 0; nCol < m_gridLines.GetColumnCount() && nCol < 4; nCol++)
	{
		m_gridLines.GetCell(nCol, nRow, &cell);
		cells[nCol] = cell.GetText();
	}
	CString strName = cells[0];
	if (!IsAmplitudeFamily(m_pParams->kind))
	{
		// A lower line's row leaves the order to the upper line above it.
		const long nOrder = (nRow + 1) / 2;
		strName.Format(nRow == 0 ? "Portante (ordine 0)" : (nRow % 2 == 1 ? "Ordine %ld, superiore" : "Ordine %ld, inferiore"),
			nOrder);
	}
	CString strText = strName + "   f = " + WithDecimalComma(cells[1]) + " Hz   A = " + WithDecimalComma(cells[2]) + " V";
	if (!cells[3].IsEmpty())
		strText += "   φ = " + cells[3] + "°";
	return strText;
}
