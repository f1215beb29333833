// CSpectrumLineGrid: the spectrum window's table of lines, which tells its window when another
// row becomes current so that the row's bar lights.
#pragma once

#include "grid/window/GridWindow.h"

class CSpectrumDlg;

class CSpectrumLineGrid : public GridWindow
{
public:
	CSpectrumLineGrid();

	void SetOwner(CSpectrumDlg* pOwner);
	void NotifyCurrentRow(long nOld, long nNew) override;

private:
	CSpectrumDlg* m_pOwner;
};
