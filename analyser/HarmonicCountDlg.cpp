// The harmonic count dialog: its texts for the record's sample count, and the count's bounds.
#include "analyser/HarmonicCountDlg.h"

#include "analyser/resources/AnalyserResourceIds.h"
#include "framework/ui/dialog/DataExchange.h"
#include "framework/ui/window/ModalSeam.h"

namespace
{
	CString Formatted(UINT nIDFormat, UINT nFirst, UINT nSecond = 0)
	{
		CString strFormat;
		strFormat.LoadString(nIDFormat);
		CString strText;
		strText.Format(strFormat, nFirst, nSecond);
		return strText;
	}
}

CHarmonicCountDlg::CHarmonicCountDlg(UINT nSamples, UINT nCount, CWnd* pParent)
	: CDialog(IDD_HARMONIC_COUNT, pParent), m_nSamples(nSamples), m_nCount(static_cast<int>(nCount))
{
}

BOOL CHarmonicCountDlg::OnInitDialog()
{
	CDialog::OnInitDialog();
	SetDlgItemText(IDC_COUNT_PROMPT, Formatted(IDS_COUNT_PROMPT, m_nSamples));
	SetDlgItemText(IDC_ALIASING_NOTE, Formatted(IDS_ALIASING_NOTE, m_nSamples, m_nSamples / 2));
	return TRUE;
}

void CHarmonicCountDlg::DoDataExchange(CDataExchange* pDX)
{
	CDialog::DoDataExchange(pDX);
	DDX_Text(pDX, IDC_COUNT, m_nCount);
	if (pDX->m_bSaveAndValidate && (m_nCount < 1 || static_cast<UINT>(m_nCount) > m_nSamples))
	{
		AfxMessageBox(Formatted(IDS_BAD_COUNT, m_nSamples), MB_OK | MB_ICONSTOP);
		pDX->Fail();
	}
}
