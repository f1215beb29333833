// The main window's synthesis: the members choose the generator for the kind, the engine
// computes the samples into the window's signals, and each scope is given its scales and axes
// before the samples, since it converts them to pixels at once.
#include "app/MainDlg.h"

#include "engine/Synthesis.h"
#include "engine/TimeBase.h"
#include "sigkit/scope/ScopeGeometry.h"

namespace
{
	void SetScales(CEditScope& scope, const ScopeScales& scales)
	{
		scope.SetYScaleTo(scales.yRange);
		scope.SetXScaleTo(scales.xRange);
	}

	void PlayWithTimeAxes(CEditScope& scope, CSignal& signal)
	{
		scope.SetXType(SCOPE_XAXIS_MIDDLE);
		scope.SetYType(SCOPE_YAXIS_LEFT);
		scope.PlaySignal(signal.m_pX, signal.m_pY, static_cast<int>(signal.m_nPoints));
		scope.InvalidateRect(nullptr, TRUE);
	}

	void Play(CEditScope& scope, const ScopeScales& scales, CSignal& signal)
	{
		SetScales(scope, scales);
		PlayWithTimeAxes(scope, signal);
	}

	// Before any run a scope shows its grid alone, which is drawn from the axes: they are placed
	// again in the new display rectangle.
	void Replay(CEditScope& scope, CSignal& signal)
	{
		if (scope.GetSignalsCount() == 0)
		{
			scope.SetXType(scope.m_nXType);
			scope.SetYType(scope.m_nYType);
			scope.InvalidateRect(nullptr, TRUE);
			return;
		}
		Play(scope, ScalesOf(signal), signal);
	}
}

void CMainDlg::ReplaySignals()
{
	Replay(m_scopeModulating, m_sigModulating);
	Replay(m_scopeCarrier, m_sigCarrier);
	Replay(m_scopeModulated, m_sigModulated);
}

void CMainDlg::SimulateAM()
{
	BeginSimulation();
	GenerateAMFamily();
	SetModified(TRUE);
}

void CMainDlg::SimulateFM()
{
	BeginSimulation();
	GenerateFM();
	SetModified(TRUE);
}

void CMainDlg::SimulatePM()
{
	BeginSimulation();
	GeneratePM();
	SetModified(TRUE);
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
	Play(m_scopeModulating, ::GenerateModulating(m_params, carrierPeriod, m_sigModulating), m_sigModulating);
}

void CMainDlg::GenerateCarrier()
{
	Play(m_scopeCarrier, ::GenerateCarrier(m_params, carrierPeriod, m_sigCarrier), m_sigCarrier);
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
	PlayWithTimeAxes(m_scopeModulated, m_sigModulated);
}

void CMainDlg::GenerateAM()
{
	SetScales(m_scopeModulated, ::GenerateAM(m_params, carrierPeriod, m_sigModulating, m_sigModulated));
}

void CMainDlg::GenerateDSBSC()
{
	SetScales(m_scopeModulated, ::GenerateDSBSC(m_params, carrierPeriod, m_sigModulating, m_sigModulated));
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
	SetScales(m_scopeModulated, ::GenerateVSB(m_params, carrierPeriod, m_sigModulating, m_sigModulated));
}

void CMainDlg::GenerateFM()
{
	Play(m_scopeModulated, ::GenerateFM(m_params, carrierPeriod, m_sigModulated), m_sigModulated);
}

void CMainDlg::GeneratePM()
{
	Play(m_scopeModulated, ::GeneratePM(m_params, carrierPeriod, m_sigModulating, m_sigModulated), m_sigModulated);
}
