// The spectrum window at any size: the bars, labels, figures and table follow the client area
// below the toolbar, the bars are drawn again at their new size, and the window keeps a size at
// which everything stays readable.
#include "app/SpectrumDlg.h"

#include "app/resources/AppResourceIds.h"
#include "framework/core/WinConstants.h"
#include "sigkit/frames/FrameSupport.h"

#include <algorithm>

namespace
{
	const UINT s_labels[SPECTRUM_LABEL_COUNT] = {
		IDC_LABEL_FREQ_MOD, IDC_LABEL_AMP_MOD, IDC_LABEL_FREQ_CARRIER, IDC_LABEL_AMP_CARRIER};

	void MoveIfMoved(CWnd& parent, CWnd& child, const CRect& rc)
	{
		if (RectInFrame(&parent, child) != rc)
			child.MoveWindow(&rc, TRUE);
	}
}

CRect CSpectrumDlg::AreaBelowToolBar()
{
	return AreaBetweenBars(this, m_wndToolBar, nullptr);
}

// The frame has moved the controls below the toolbar by now; their places in the area below it
// are the template's.
void CSpectrumDlg::KeepTemplateLayout()
{
	const CRect rcArea = AreaBelowToolBar();
	SpectrumLayout& controls = m_layoutTemplate.controls;
	controls.rcScope = RectInFrame(this, m_scopeSpectrum);
	for (int k = 0; k < SPECTRUM_LABEL_COUNT; k++)
		controls.rcLabels[k] = RectInFrame(this, *GetDlgItem(s_labels[k]));
	controls.rcTable = RectInFrame(this, m_gridLines);
	controls.rcScope.OffsetRect(-rcArea.left, -rcArea.top);
	controls.rcTable.OffsetRect(-rcArea.left, -rcArea.top);
	for (CRect& rc : controls.rcLabels)
		rc.OffsetRect(-rcArea.left, -rcArea.top);
	m_layoutTemplate.sizeArea = rcArea.Size();
	m_templateColumnWidths.clear();
	for (int nCol = 0; nCol < m_gridLines.GetColumnCount(); nCol++)
	{
		int nWidth = 0;
		m_gridLines.GetColumnWidth(nCol, &nWidth);
		m_templateColumnWidths.push_back(nWidth);
	}
	m_bLayoutKept = TRUE;
}

void CSpectrumDlg::LayOutControls()
{
	if (!m_bLayoutKept)
		return;
	const SpectrumLayout layout = LayOutSpectrumWindow(m_layoutTemplate, AreaBelowToolBar(), FiguresHeight());
	const CSize sizeScope = RectInFrame(this, m_scopeSpectrum).Size();
	MoveIfMoved(*this, m_scopeSpectrum, layout.rcScope);
	for (int k = 0; k < SPECTRUM_LABEL_COUNT; k++)
		MoveIfMoved(*this, *GetDlgItem(s_labels[k]), layout.rcLabels[k]);
	for (int k = 0; k < 2; k++)
	{
		if (!layout.rcFigures[k].IsRectEmpty())
			MoveIfMoved(*this, m_wndFigures[k], layout.rcFigures[k]);
	}
	if (RectInFrame(this, m_gridLines).Width() != layout.rcTable.Width())
		WidenColumns(layout.rcTable.Width());
	MoveIfMoved(*this, m_gridLines, layout.rcTable);
	if (sizeScope != layout.rcScope.Size())
		PlayBars();
	Invalidate();
}

// The numbers get the room a wider table has; never narrower than at the template's size.
void CSpectrumDlg::WidenColumns(int nTableWidth)
{
	const int nTemplateWidth = m_layoutTemplate.controls.rcTable.Width();
	const double dFactor = nTemplateWidth > 0 ? std::max(1.0, static_cast<double>(nTableWidth) / nTemplateWidth) : 1.0;
	for (size_t nCol = 0; nCol < m_templateColumnWidths.size(); nCol++)
		m_gridLines.SetColumnWidth(static_cast<int>(nCol), static_cast<int>(m_templateColumnWidths[nCol] * dFactor));
}

// The bar is moved first, so the area below it is the new one.
void CSpectrumDlg::OnSize(UINT nType, int cx, int cy)
{
	CTBBDialog::OnSize(nType, cx, cy);
	if (nType != SIZE_MINIMIZED)
		LayOutControls();
}

void CSpectrumDlg::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
	CTBBDialog::OnGetMinMaxInfo(lpMMI);
	if (!m_bLayoutKept)
		return;
	KeepAreaBetweenBars(this, AreaBelowToolBar(), MinimumSpectrumArea(m_layoutTemplate, FiguresHeight()), lpMMI);
}

// The frame shows or hides the bar; the controls take or give back its room here.
void CSpectrumDlg::OnViewToolBar()
{
	CTBBDialog::OnToolBarCheck();
	LayOutControls();
}
