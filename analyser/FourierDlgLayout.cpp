// The analyser's window at any size: its controls follow the client area between the bars, the
// scopes show the analysis again at their new size, the table's columns share its width, and the
// window keeps a size at which everything stays readable.
#include "analyser/FourierDlg.h"

#include "analyser/resources/AnalyserResourceIds.h"
#include "framework/core/WinConstants.h"
#include "sigkit/frames/FrameSupport.h"

namespace
{
	const UINT s_summaryIds[FOURIER_SUMMARY_COUNT] = {IDC_SUMMARY_SAMPLES, IDC_SUMMARY_DURATION, IDC_SUMMARY_RESOLUTION,
		IDC_SUMMARY_HARMONICS, IDC_SUMMARY_LARGEST, IDC_SUMMARY_DISTORTION};

	// The window of each rectangle of the layout, in the same order.
	struct Placement
	{
		UINT nID;
		CRect FourierControls::*pRect;
	};
	const Placement s_placements[] = {
		{IDC_LABEL_SIGNAL, &FourierControls::rcSignalLabel},
		{IDC_SCOPE_SIGNAL, &FourierControls::rcSignalScope},
		{IDC_LABEL_HARMONICS, &FourierControls::rcHarmonicsLabel},
		{IDC_SCOPE_HARMONICS, &FourierControls::rcHarmonicsScope},
		{IDC_HARMONIC_TABLE, &FourierControls::rcTable},
	};
}

CRect CFourierDlg::AreaBetweenBars()
{
	return ::AreaBetweenBars(this, m_wndToolBar, &m_wndStatusBar);
}

// The frame has moved the controls below the toolbar by now; their places in the area between
// the bars are the template's.
void CFourierDlg::KeepTemplateLayout()
{
	const CRect rcArea = AreaBetweenBars();
	auto place = [&](UINT nID, CRect& rcTemplate)
	{
		CWnd* pControl = GetDlgItem(static_cast<int>(nID));
		if (pControl == nullptr)
			return false;
		pControl->GetWindowRect(&rcTemplate);
		ScreenToClient(&rcTemplate);
		rcTemplate.OffsetRect(-rcArea.left, -rcArea.top);
		return true;
	};
	for (const Placement& placement : s_placements)
	{
		if (!place(placement.nID, m_layoutTemplate.controls.*placement.pRect))
			return;
	}
	for (int k = 0; k < FOURIER_SUMMARY_COUNT; k++)
	{
		if (!place(s_summaryIds[k], m_layoutTemplate.controls.rcSummary[k]))
			return;
	}
	m_layoutTemplate.sizeArea = rcArea.Size();
	m_bLayoutKept = TRUE;
}

void CFourierDlg::LayOutControls()
{
	if (!m_bLayoutKept)
		return;
	const FourierControls layout = LayOutFourierWindow(m_layoutTemplate, AreaBetweenBars());
	BOOL bMoved = FALSE;
	BOOL bResized = FALSE;
	auto move = [&](UINT nID, const CRect& rcTo)
	{
		CWnd* pControl = GetDlgItem(static_cast<int>(nID));
		if (pControl == nullptr)
			return;
		CRect rcNow;
		pControl->GetWindowRect(&rcNow);
		ScreenToClient(&rcNow);
		if (rcNow == rcTo)
			return;
		bResized = bResized || rcNow.Size() != rcTo.Size();
		pControl->MoveWindow(&rcTo, TRUE);
		bMoved = TRUE;
	};
	for (const Placement& placement : s_placements)
		move(placement.nID, layout.*placement.pRect);
	for (int k = 0; k < FOURIER_SUMMARY_COUNT; k++)
		move(s_summaryIds[k], layout.rcSummary[k]);
	if (bResized)
	{
		// The scopes keep pixels, not values: the analysis is drawn again at the new size.
		PlaySignal();
		PlayHarmonics();
		FitColumns();
	}
	if (bMoved)
		Invalidate();
}

// The bars are moved first, so the area between them is the new one.
void CFourierDlg::OnSize(UINT nType, int cx, int cy)
{
	CTBDialog::OnSize(nType, cx, cy);
	if (nType != SIZE_MINIMIZED)
		LayOutControls();
}

void CFourierDlg::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
	CTBDialog::OnGetMinMaxInfo(lpMMI);
	if (!m_bLayoutKept)
		return;
	KeepAreaBetweenBars(this, AreaBetweenBars(), MinimumFourierArea(m_layoutTemplate), lpMMI);
}

// The frame shows or hides the bar and leaves the layout alone; the controls take or give back
// its room here.
void CFourierDlg::OnViewToolBar()
{
	CTBDialog::OnToolBarCheck();
	LayOutControls();
}

void CFourierDlg::OnViewStatusBar()
{
	CTBDialog::OnStatusBarCheck();
	LayOutControls();
}
