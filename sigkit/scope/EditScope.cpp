// CEditScope's model: axis placement, scales, grids and the conversion of samples to traces.
#include "sigkit/scope/EditScope.h"

#include "sigkit/scope/ScopeGeometry.h"

CEditScope::CEditScope()
	: m_nEndDisplay(0), m_nStartDisplay(0), m_bDisplayAxis(FALSE), m_nPlayAddMode(3),
	  m_nPlayMode(SCOPE_PLAY_LINE), m_dYScale(1.0), m_dXScale(1.0), m_nYGrid(10), m_nXGrid(10),
	  m_nXType(SCOPE_XAXIS_MIDDLE), m_nYType(SCOPE_YAXIS_LEFT), m_nYAxis(0), m_nXAxis(0), m_bPeriodic(FALSE)
{
	DisplayAxis(FALSE);
	SetYType(SCOPE_YAXIS_LEFT);
	SetXType(SCOPE_XAXIS_MIDDLE);
}

CEditScope::~CEditScope()
{
	ResetSignal();
}

// Axis positions are computed only here: resizing the control later does not move them.
void CEditScope::SetXType(int nType)
{
	m_nXType = nType;
	m_nXAxis = 0;
	if (GetSafeHwnd() != nullptr)
		m_nXAxis = ScopeXAxisRow(GetDisplayRect(), nType);
}

void CEditScope::SetYType(int nType)
{
	m_nYType = nType;
	m_nYAxis = 0;
	if (GetSafeHwnd() != nullptr)
		m_nYAxis = ScopeYAxisColumn(GetDisplayRect(), nType);
}

int CEditScope::GetXAxis()
{
	return m_nXAxis;
}

int CEditScope::GetYAxis()
{
	return m_nYAxis;
}

CRect CEditScope::GetDisplayRect()
{
	CRect rcClient(0, 0, 0, 0);
	if (GetSafeHwnd() != nullptr)
		GetClientRect(&rcClient);
	return ScopeDisplayRect(rcClient, m_nXType, m_nYType);
}

void CEditScope::SetYScaleTo(double dRange)
{
	m_dYScale = GetDisplayRect().Height() / dRange;
}

// The client width, not the display width: with the vertical axis in the left margin, the last
// samples of a trace scaled to its own length fall just past the right edge.
void CEditScope::SetXScaleTo(double dRange)
{
	CRect rcClient(0, 0, 0, 0);
	if (GetSafeHwnd() != nullptr)
		GetClientRect(&rcClient);
	m_dXScale = rcClient.Width() / dRange;
}

void CEditScope::SetYScaleTo(int nPixels, double dRange)
{
	m_dYScale = nPixels / dRange;
}

void CEditScope::SetXScaleTo(int nPixels, double dRange)
{
	m_dXScale = nPixels / dRange;
}

void CEditScope::SetXGrid(double dStep)
{
	m_nXGrid = ScopeGridStep(m_dXScale, dStep);
}

void CEditScope::SetYGrid(double dStep)
{
	m_nYGrid = ScopeGridStep(m_dYScale, dStep);
}

void CEditScope::PlaySignal(double* pX, double* pY, int nCount)
{
	ResetSignal();
	PlaySignalAdd(pX, pY, nCount);
}

// The picture is fixed at the moment of the call: later scale or type changes affect only
// later traces.
void CEditScope::PlaySignalAdd(double* pX, double* pY, int nCount)
{
	if (pX == nullptr || pY == nullptr || nCount == 0)
		return;

	const CWordArray* pPrevious = m_aXPixels.GetSize() > 0
		? static_cast<const CWordArray*>(m_aXPixels[m_aXPixels.GetSize() - 1]) : nullptr;
	ScopeTraceMapping mapping;
	mapping.nStartColumn = ScopeTraceStartColumn(m_nYAxis, m_nPlayAddMode, pPrevious);
	mapping.dXScale = m_dXScale;
	mapping.dYScale = m_dYScale;
	mapping.nXAxis = m_nXAxis;

	CWordArray* pColumns = new CWordArray;
	CWordArray* pRows = new CWordArray;
	pColumns->SetSize(0, 100);
	pRows->SetSize(0, 100);
	m_aXPixels.Add(pColumns);
	m_aYPixels.Add(pRows);
	m_nEndDisplay = m_aXPixels.GetSize() - 1;

	ScopeConvertTrace(pX, pY, nCount, mapping, *pColumns, *pRows);
}

void CEditScope::ResetSignal()
{
	for (int i = 0; i < m_aXPixels.GetSize(); i++)
		delete m_aXPixels[i];
	for (int i = 0; i < m_aYPixels.GetSize(); i++)
		delete m_aYPixels[i];
	m_aXPixels.RemoveAll();
	m_aYPixels.RemoveAll();
	m_nEndDisplay = 0;
	m_nStartDisplay = 0;
}

UINT CEditScope::GetSignalsCount()
{
	return UINT(m_aXPixels.GetSize());
}

void CEditScope::SetStartDisplay(int nIndex)
{
	m_nStartDisplay = ScopeStartDisplay(nIndex, m_aXPixels.GetSize());
}

void CEditScope::SetEndDisplay(int nIndex)
{
	m_nEndDisplay = ScopeEndDisplay(nIndex, m_aXPixels.GetSize());
}

void CEditScope::SetPlayMode(int nMode)
{
	m_nPlayMode = nMode;
}

void CEditScope::SetPlayAddMode(int nMode)
{
	m_nPlayAddMode = nMode;
}

void CEditScope::DisplayAxis(int bDisplay)
{
	m_bDisplayAxis = bDisplay;
}

void CEditScope::SetPeriodic(int bPeriodic)
{
	m_bPeriodic = bPeriodic;
}

int CEditScope::IsPeriodic()
{
	return m_bPeriodic;
}
