// CHarmonicCountDlg: asks how many harmonic entries to compute for a record of N samples, from 1
// to N, and explains why those past N / 2 show nothing new.
#pragma once

#include "framework/ui/dialog/Dialog.h"

class CHarmonicCountDlg : public CDialog
{
public:
	CHarmonicCountDlg(UINT nSamples, UINT nCount, CWnd* pParent = nullptr);

	UINT m_nSamples;
	// The count shown when the dialog opens, and the one accepted on OK.
	int m_nCount;

protected:
	void DoDataExchange(CDataExchange* pDX) override;
	BOOL OnInitDialog() override;
};
