// The modulation commands: the parameters dialog for the kind, then the synthesis, and for an
// over-modulated amplitude signal the offer of Fourier analysis; and the spectrum command.
#include "app/MainDlg.h"

#include "app/ModParamDlg.h"
#include "app/SpectrumDlg.h"

namespace
{
	constexpr double DISTORTION_INDEX = 1.0;
}

BOOL CMainDlg::RunParamDialog(int32_t kind, LPCTSTR lpszTitle)
{
	const int32_t previousKind = m_params.kind;
	m_params.kind = kind;
	CModParamDlg dlg(&m_params, lpszTitle, this);
	if (dlg.DoModal() == IDCANCEL)
	{
		m_params.kind = previousKind;
		return FALSE;
	}
	return TRUE;
}

void CMainDlg::OnModAmpiezza()
{
	// The variant chosen last is offered again.
	const int32_t kind = IsAmplitudeFamily(m_params.kind) ? m_params.kind : MOD_AM_FAMILY;
	if (!RunParamDialog(kind, "Modulazione di Ampiezza"))
		return;
	SimulateAM();
	ExplainCappedTime();
	if (m_params.modIndex > DISTORTION_INDEX)
		OfferFourierAnalysis();
}

void CMainDlg::OnModFrequenza()
{
	if (!RunParamDialog(MOD_FM, "Modulazione di Frequenza"))
		return;
	SimulateFM();
	ExplainCappedTime();
}

void CMainDlg::OnModFase()
{
	if (!RunParamDialog(MOD_PM, "Modulazione di Fase"))
		return;
	SimulatePM();
	ExplainCappedTime();
}

void CMainDlg::OnSpectrum()
{
	if (m_params.kind <= MOD_NONE)
		return;
	if (IsAmplitudeFamily(m_params.kind) && m_params.modIndex > DISTORTION_INDEX)
	{
		OfferFourierAnalysis();
		return;
	}
	// The scales are one setting for both windows: what the user chose there holds here too.
	CSpectrumDlg dlg(&m_params, this);
	dlg.m_bScales = m_scopes.IsCalibrated();
	dlg.DoModal();
	if (dlg.m_bScales != m_scopes.IsCalibrated())
		OnViewScales();
}
