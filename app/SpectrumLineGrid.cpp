// The spectrum window's table of lines.
#include "app/SpectrumLineGrid.h"

#include "app/SpectrumDlg.h"

CSpectrumLineGrid::CSpectrumLineGrid() : m_pOwner(nullptr)
{
}

void CSpectrumLineGrid::SetOwner(CSpectrumDlg* pOwner)
{
	m_pOwner = pOwner;
}

void CSpectrumLineGrid::NotifyCurrentRow(long nOld, long nNew)
{
	GridWindow::NotifyCurrentRow(nOld, nNew);
	if (m_pOwner != nullptr)
		m_pOwner->TableRowChanged(nNew);
}
