// The main window's synthesis: the members choose the generator for the kind, the engine
// computes the samples into the window's signals, and each scope is given its scales and axes
// before the samples, since it converts them to pixels at once.
#include "app/MainDlg.h"

#include "app/RunTexts.h"
#include "engine/Synthesis.h"
#include "engine/TimeBase.h"
#include "framework/ui/window/ModalSeam.h"
#include "sigkit/scope/ScopeGeometry.h"

#include <cmath>

namespace
{
	void SetScales(CEditScope& scope, const ScopeScales& scales)
	{
		scope.SetYScaleTo(scales.yRange);
		scope.SetXScaleTo(scales.xRange);
	}

	// Every signal's abscissa is the carrier's phase, whichever signal it is.
	void PlayWithTimeAxes(CCalibratedScope& scope, CSignal& signal, double dCarrierFrequency)
	{
		scope.SetXType(SCOPE_XAXIS_MIDDLE);
		scope.SetYType(SCOPE_YAXIS_LEFT);
		const int nPoints = static_cast<int>(signal.m_nPoints);
		scope.PlaySignal(signal.m_pX, signal.m_pY, nPoints);
		scope.SetSamples(signal.m_pX, signal.m_pY, nPoints, 1.0 / (2.0 * M_PI * dCarrierFrequency), signal.m_dAmplitude);
		scope.InvalidateRect(nullptr, TRUE);
	}

	void Play(CCalibratedScope& scope, const ScopeScales& scales, CSignal& signal, double dCarrierFrequency)
	{
		SetScales(scope, scales);
		PlayWithTimeAxes(scope, signal, dCarrierFrequency);
	}

	// Before any run a scope shows its grid alone, which is drawn from the axes: they are placed
	// again in the new display rectangle.
	void Replay(CCalibratedScope& scope, CSignal& signal, double dCarrierFrequency)
	{
		if (scope.GetSignalsCount() == 0)
		{
			scope.SetXType(scope.m_nXType);
			scope.SetYType(scope.m_nYType);
			scope.InvalidateRect(nullptr, TRUE);
			return;
		}
		Play(scope, ScalesOf(signal), signal, dCarrierFrequency);
	}
}

void CMainDlg::ReplaySignals()
{
	Replay(m_scopeModulating, m_sigModulating, m_params.freqCarrier);
	Replay(m_scopeCarrier, m_sigCarrier, m_params.freqCarrier);
	Replay(m_scopeModulated, m_sigModulated, m_params.freqCarrier);
}

void CMainDlg::ShowNewRun()
{
	m_scopeModulated.SetNote(ShownTimeNote(m_params));
	m_scopes.SignalsChanged();
}

void CMainDlg::ExplainCappedTime()
{
	// The scopes' own picture, without the scales, says nothing more than it always did.
	if (m_bCappedExplained || !IsTimeCapped(m_params) || !m_scopes.IsCalibrated())
		return;
	m_bCappedExplained = TRUE;
	AfxMessageBox(CappedTimeMessage(m_params), MB_OK | MB_ICONINFORMATION);
}

void CMainDlg::SimulateAM()
{
	BeginSimulation();
	GenerateAMFamily();
	SetModified(TRUE);
	ShowNewRun();
}

void CMainDlg::SimulateFM()
{
	BeginSimulation();
	GenerateFM();
	SetModified(TRUE);
	ShowNewRun();
}

void CMainDlg::SimulatePM()
{
	BeginSimulation();
	GeneratePM();
	SetModified(TRUE);
	ShowNewRun();
}

void CMainDlg::BeginSimulation()
{
	carrierPeriod = 1.0 / m_params.freqCarrier;
	const UINT nPoints = static_cast<UINT>(SampleCount(m_params));
	m_sigModulating.RedimXY(nPoints);
	m_sigCarrier.RedimXY(nPoints);
	m_sigModulated.RedimXY(nPoints);
	GenerateModulating();
	GenerateCarrier();
}

void CMainDlg::GenerateModulating()
{
	Play(m_scopeModulating, ::GenerateModulating(m_params, carrierPeriod, m_sigModulating, m_phases), m_sigModulating,
		m_params.freqCarrier);
}

void CMainDlg::GenerateCarrier()
{
	Play(m_scopeCarrier, ::GenerateCarrier(m_params, carrierPeriod, m_sigCarrier, m_phases), m_sigCarrier, m_params.freqCarrier);
}

void CMainDlg::GenerateAMFamily()
{
	WriteModulatedHeader(m_params, m_sigModulated);
	switch (m_params.kind)
	{
	case MOD_AM:
		GenerateAM();
		break;
	case MOD_DSB_SC:
		GenerateDSBSC();
		break;
	case MOD_SSB_USB:
		GenerateSSBUSB();
		break;
	case MOD_SSB_LSB:
		GenerateSSBLSB();
		break;
	case MOD_VSB:
		GenerateVSB();
		break;
	default:
		// No variant confirmed: a flat trace rather than unwritten samples.
		SetScales(m_scopeModulated, GenerateFlat(m_params, m_sigModulated));
		break;
	}
	PlayWithTimeAxes(m_scopeModulated, m_sigModulated, m_params.freqCarrier);
}

void CMainDlg::GenerateAM()
{
	SetScales(m_scopeModulated, ::GenerateAM(m_params, carrierPeriod, m_sigModulating, m_phases, m_sigModulated));
}

void CMainDlg::GenerateDSBSC()
{
	SetScales(m_scopeModulated, ::GenerateDSBSC(m_params, carrierPeriod, m_sigModulating, m_phases, m_sigModulated));
}

void CMainDlg::GenerateSSBUSB()
{
	SetScales(m_scopeModulated, ::GenerateSSBUSB(m_params, carrierPeriod, m_sigModulating, m_sigModulated));
}

void CMainDlg::GenerateSSBLSB()
{
	SetScales(m_scopeModulated, ::GenerateSSBLSB(m_params, carrierPeriod, m_sigModulating, m_sigModulated));
}

void CMainDlg::GenerateVSB()
{
	SetScales(m_scopeModulated, ::GenerateVSB(m_params, carrierPeriod, m_sigModulating, m_phases, m_sigModulated));
}

void CMainDlg::GenerateFM()
{
	Play(m_scopeModulated, ::GenerateFM(m_params, carrierPeriod, m_phases, m_sigModulated), m_sigModulated, m_params.freqCarrier);
}

void CMainDlg::GeneratePM()
{
	Play(m_scopeModulated, ::GeneratePM(m_params, carrierPeriod, m_sigModulating, m_sigModulated), m_sigModulated,
		m_params.freqCarrier);
}
